#pragma once
#include "platform/ui/Graphics.h"

class TBackGround;

// The grid's background picture or gradient, drawn into one area at a time: behind a cell
// or in the empty part of the control. Nothing outside the area is touched.

// The part of the picture placed with its top-left corner at At that lies under Area.
void DrawPlacedPicture(TCanvas* Canvas, TBitmap& Picture, TPoint At, const TRect& Area);
// The picture repeated from Origin to the right and downwards, each tile cut at Area.
void DrawTiledPicture(TCanvas* Canvas, TBitmap& Picture, TPoint Origin, const TRect& Area);
// The background gradient from its colour at the control's left (top) edge to its end
// colour at the right (bottom) edge, Extent pixels away, as it falls on Area.
void DrawBackgroundGradient(TCanvas* Canvas, const TBackGround& Back, int Extent, const TRect& Area);
