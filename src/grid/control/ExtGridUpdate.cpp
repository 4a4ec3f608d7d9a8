#include "grid/control/ExtStringGrid.h"

// Every call counts, whether the grid is shown or not: a grid hidden between the two calls
// must still come out of the lock and repaint.
void TExtStringGrid::BeginUpdate() { ++FUpdateCount; }

void TExtStringGrid::EndUpdate()
{
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount > 0 || ComponentState().Contains(csDestroying)) return;
    FSelChange = false;
    Invalidate();
}

void TExtStringGrid::SetLockUpdate(bool Value)
{
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

void TExtStringGrid::Paint()
{
    if (FUpdateCount > 0) return;
    TBaseGrid::Paint();
}
