#include "grid/foundation/model/SyncGrid.h"

void TSyncGrid::SetGrid(TStringGrid* Value)
{
    if (Value != FOwner) FGrid = Value;
}

void TSyncGrid::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TSyncGrid*>(&Source);
    if (!other) return;
    SetGrid(other->FGrid);
    ScrollVertical = other->ScrollVertical;
    ScrollHorizontal = other->ScrollHorizontal;
    SelectionColumn = other->SelectionColumn;
    SelectionRow = other->SelectionRow;
    MoveColumn = other->MoveColumn;
    MoveRow = other->MoveRow;
}
