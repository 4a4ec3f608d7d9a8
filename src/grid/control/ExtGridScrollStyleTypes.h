#pragma once
#include <functional>

#include "platform/rtl/Sets.h"
#include "platform/ui/Component.h"

// Types of the grid's scrolling and colour schemes. Their order is saved: never reorder.

// Which thumb drags show the target row or column beside the mouse.
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };

// The grid's own colour schemes.
enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };

enum TDragScrollDirection { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirections = TSet<TDragScrollDirection>;

using TDragScrollEvent = std::function<void(TObject* Sender, int TopRow, int LeftCol,
                                            TDragScrollDirections& DragScrollDir, bool& CanScroll)>;

using TScrollCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition,
                                            int ScrollMin, int ScrollMax)>;

// Where a drag over the grid stands.
enum TDragScrollState { dssEnter, dssMove, dssLeave };
