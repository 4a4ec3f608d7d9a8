#include "grid/control/ExtStringGrid.h"

// TODO(lead): InsertRows(ARow, 1) of the structure part, which also moves the row flags.
void TExtStringGrid::InsertRowKeepingHidden(int ARow)
{
    const int real = ARow < RowCount() ? RealRowIndex(ARow) : TotalRowCount();
    for (int i = 0; i < FGridItems.Count(); ++i)
        if (FGridItems.Item(i).Idx >= real) ++FGridItems.Item(i).Idx;
    InsertDisplayRows(ARow, 1);
}

// TODO(lead): RemoveRowsInternal(ARow, 1) of the structure part, which also moves the row
// flags.
void TExtStringGrid::RemoveRowKeepingHidden(int ARow)
{
    const int real = RealRowIndex(ARow);
    FreeCellPropertiesRange(0, ARow, TotalColCount() - 1, ARow);
    RemoveDisplayRows(ARow, 1);
    for (int i = 0; i < FGridItems.Count(); ++i)
        if (FGridItems.Item(i).Idx > real) --FGridItems.Item(i).Idx;
}

void TExtStringGrid::InsertNormalRow(int ARow) { InsertRowKeepingHidden(DisplRowIndex(ARow)); }

void TExtStringGrid::RemoveNormalRow(int ARow)
{
    RemoveRowKeepingHidden(DisplRowIndex(ARow));
    if (FMaxRowCount > 0) --FMaxRowCount;
}
