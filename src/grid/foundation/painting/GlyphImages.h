#pragma once
#include "platform/ui/Graphics.h"

// The derived images of a button glyph. The glyph's transparent colour is its bottom-left pixel.

// Every pixel as the grey ((R + G + B) / 3 rounded, halved) + 96.
void MakeDisabledGlyph(TBitmap& Glyph, TBitmap& Disabled);
// A grey ($808080) silhouette of the glyph's opaque pixels on a transparent background.
void MakeGlyphShade(TBitmap& Glyph, TBitmap& Shade);
// Draws the bitmap leaving out its transparent colour.
void DrawTransparent(TCanvas* Canvas, TPoint At, TBitmap& Bitmap);
