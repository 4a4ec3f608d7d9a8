#pragma once
#include <array>

#include "grid/foundation/model/GridEnums.h"
#include "platform/ui/Types.h"

// The outline of the marker windows shown while a column or row is moved: seven points of
// a polygon (winding fill) in the window's own pixels, no wider or taller than 11 pixels.
// arrUp points up and arrDown down; arrLeft has its tip on the right, arrRight on the left.
using TArrowPoints = std::array<TPoint, 7>;
const TArrowPoints& ArrowPoints(TArrowDirection Dir);
