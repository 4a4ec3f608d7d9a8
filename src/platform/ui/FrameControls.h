#pragma once
#include "platform/ui/Graphics.h"

// The classic frames that the desktop draws for its controls when no visual style is used.

// The frame of a push button, raised or pushed, filled in the button face; the rectangle
// shrinks to the button's inside.
void DrawPushButtonFrame(TCanvas* canvas, TRect& rect, bool pushed);

// The drop-down button of a combo box: a button face with a down arrow. Flat draws a
// single-line frame; inactive greys the arrow out.
void DrawComboScrollGlyph(TCanvas* canvas, const TRect& rect, bool flat, bool inactive);
