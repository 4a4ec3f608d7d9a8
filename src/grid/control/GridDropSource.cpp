#include "grid/control/GridDropSource.h"

#include "grid/control/ExtStringGrid.h"
#include "platform/ui/Mouse.h"

void TGridDropSource::DragFinished() { FGrid->EndDragFeedback(); }

void TGridDropSource::QueryDrag() { FGrid->FollowDragPointer(Mouse->CursorPos()); }
