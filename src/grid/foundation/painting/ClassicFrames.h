#pragma once
#include "platform/ui/Graphics.h"

// The classic, unthemed look of small buttons: a face in the button colour with raised
// edges (sunken when pushed, a single line when flat) and an optional arrow glyph, grey
// and embossed when inactive.
enum TClassicGlyph { cgNone, cgArrowDown, cgArrowUp };

struct TClassicFrameState {
    bool Pushed = false;
    bool Inactive = false;
    bool Flat = false;
};

void DrawClassicFrameControl(TCanvas* Canvas, const TRect& R, TClassicGlyph Glyph, TClassicFrameState State);
// Only the arrow glyph, centred in the rectangle (one pixel lower right when pushed).
void DrawFrameGlyph(TCanvas* Canvas, const TRect& R, TClassicGlyph Glyph, TClassicFrameState State);
