#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// Small shapes the grid draws in cells and headers.

// A filled triangle pointing down, 7 pixels wide, with its top edge at Y.
void DrawSmallArrow(TCanvas* Canvas, int X, int Y, TColor Color);
void FillRectColor(TCanvas* Canvas, const TRect& R, TColor Color);
// Draws the bitmap at its own size at R's top-left corner; the pixels of the colour of its
// top-left pixel show BackgroundColor instead. The bitmap itself is not changed.
void DrawBitmapTransparent(TCanvas* Canvas, const TBitmap* Bitmap, TColor BackgroundColor, const TRect& R);
// The same for the program's bitmap resource of that name; a resource that is missing or
// cannot be read draws nothing, so a cell still paints.
void DrawBitmapResourceTransparent(TCanvas* Canvas, TColor BackgroundColor, const TRect& R,
                                   const std::string& ResName);
