#pragma once
#include "platform/ui/Controls.h"

// Mouse capture. While a control holds it, every mouse message comes to that control in
// its own client coordinates, wherever the mouse is: over another control, another window
// of the program or outside all of them. A hidden or freed control loses it.

// Sent to the control losing the capture; LParam is the control that takes it (or none).
constexpr UINT WM_CAPTURECHANGED = 0x0215;

// Gives the control the capture (nullptr releases it); returns the control that held it.
TControl* SetCapture(TControl* control);
// True when a control held the capture.
bool ReleaseCapture();
// The control holding the capture, or nullptr.
TControl* GetCapture();
