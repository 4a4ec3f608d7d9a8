#pragma once
#include "grid/foundation/model/GridEnums.h"
#include "platform/ui/Types.h"

// The point from which text of the given unturned extent, turned counter-clockwise by
// Angle degrees (0 to 360), is drawn so that it lands aligned inside R, after R has shrunk
// by 2 on every side. With YUp the rectangle's top lies above its bottom in larger y, as on
// paper; else y grows downwards, as on screen.
TPoint PlaceRotatedText(const TRect& R, TSize Extent, int Angle, TAlignment HAlign, TVAlignment VAlign,
                        bool YUp = false);

// The box that text of the given unturned extent covers once turned by Angle degrees.
TSize RotatedTextBounds(TSize Extent, int Angle);
