#pragma once
#include "platform/ui/Graphics.h"

// The glyphs of the main window's buttons and the product picture, drawn in code. Their background is the
// bottom-left pixel, so the buttons draw them transparently.
enum TMainGlyph { mgInformation, mgOptions, mgClose, mgStep };

void Draw_Main_Glyph(TMainGlyph glyph, TBitmap& bitmap);

// The picture of the converter that the About box shows.
void Draw_Product_Picture(TBitmap& bitmap);
