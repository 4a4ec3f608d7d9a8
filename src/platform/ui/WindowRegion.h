#pragma once
#include <vector>

#include "platform/ui/Controls.h"

// The shape of a window: only the part inside the region shows and takes the mouse.

// A polygon in the control's client pixels, filled by the winding rule.
void SetWindowPolygonRegion(TWinControl* control, const std::vector<TPoint>& polygon);
// Gives the window its whole rectangle back.
void ClearWindowRegion(TWinControl* control);
