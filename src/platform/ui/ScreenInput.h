#pragma once
#include "platform/ui/Controls.h"

// The mouse at a point of the screen, delivered as the window system delivers it: to the
// program's window under the point (or, while the mouse is captured, to the capturing
// one, as the window system does for the pointer outside the program) and from there by
// Qt to the control that it reaches. Tests drive capture and pop-ups with it.
enum TScreenMouseAction { smMove, smPress, smRelease };
void ScreenMouse(TScreenMouseAction action, TPoint screenPoint, TMouseButton button = mbLeft);
// A press and release at the point.
void ScreenClick(TPoint screenPoint, TMouseButton button = mbLeft);

// The request for a tooltip that Qt sends when the mouse rests over a control, at a client
// point of the control.
void RestMouseOver(TControl* control, TPoint clientPoint);
