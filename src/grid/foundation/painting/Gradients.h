#pragma once
#include "platform/ui/Graphics.h"

// Gradient backgrounds of headers and cells.

// Fills the rectangle in bands from FromColor to ToColor: left to right when Horizontal,
// else top to bottom, with at most one band per pixel. With one colour clNone the
// rectangle is filled in the other; with both, nothing is drawn.
void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal);

// A cell or header background: a gradient from Color to ColorTo, or, with a MirrorColor,
// two halves (top and bottom when Vertical, else left and right) from Color to ColorTo
// and from MirrorColor to MirrorColorTo; a solid fill one pixel taller when ColorTo is
// clNone. Nothing is filled without Fill or with Color clNone. Then a frame in FrameColor
// unless it is clNone: the left and right edges only with SidesOnly.
void DrawGradientBackground(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor MirrorColor,
                            TColor MirrorColorTo, bool Vertical, TColor FrameColor, bool SidesOnly,
                            bool Fill);
