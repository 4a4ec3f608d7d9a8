#include "grid/control/ExtColumnGrid.h"

// The grouped column leaves the grid with its item; the item's settings wait in the save
// slot until the column comes back.

void TExtColumnGrid::Group(int ColIndex)
{
    // Ungrouping first puts the saved settings back before the slot takes the new column's.
    if (GroupColumn != -1) UnGroup();
    if (const TGridColumnItem* item = ItemOf(ColIndex)) FSaveCol->Assign(*item);
    TExtStringGrid::Group(ColIndex);
}

void TExtColumnGrid::UnGroup()
{
    const int groupColumn = GroupColumn;
    TExtStringGrid::UnGroup();
    // Only a column that really came back takes the saved settings.
    if (groupColumn == -1 || GroupColumn != -1) return;
    if (TGridColumnItem* item = ItemOf(groupColumn)) item->Assign(*FSaveCol);
}
