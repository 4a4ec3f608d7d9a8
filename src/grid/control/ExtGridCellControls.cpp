#include "grid/control/ExtStringGrid.h"

// Controls placed over cells stand on their cells: they follow scrolls, sizes and hidden
// rows and columns, and hide while their cell is out of sight. The list keeps each one at
// its real column and real row, so that hiding rows or columns does not move it to a
// neighbour.

namespace {

// A cell control covers its cell and the grid lines at its left and top.
TRect CellControlBounds(const TRect& Cell) { return {Cell.Left - 1, Cell.Top - 1, Cell.Right, Cell.Bottom}; }

} // namespace

TControl* TExtStringGrid::CellControls(int ACol, int ARow) const
{
    const TCellProperties* props = FindCellProperties(ACol, ARow);
    return props ? props->Control : nullptr;
}

void TExtStringGrid::SetCellControls(int ACol, int ARow, TControl* Value)
{
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount()) return;
    const int realRow = RealRowIndex(ARow);
    const int item = FControlList.ControlIndex(ACol, realRow);
    if (!Value) {
        TCellProperties* props = FindCellProperties(ACol, ARow);
        if (!props || !props->Control) return;
        if (item >= 0) FControlList.RemoveControl(item);
        --FNumCellControls;
        props->Control = nullptr;
        return;
    }
    TCellProperties& props = *GetCellProperties(ACol, ARow);
    if (item >= 0) FControlList.RemoveControl(item);
    if (!props.Control) ++FNumCellControls;
    FControlList.AddControl(ACol, realRow, Value);
    props.Control = Value;
    Value->SetParent(this);
    Value->SetBoundsRect(CellControlBounds(CellRect(DisplColIndex(ACol), ARow)));
}

void TExtStringGrid::CellControlsUpdate(bool RebuildList)
{
    if (!HandleAllocated() || ComponentState().Contains(csDestroying)) return;
    if (RebuildList) {
        FControlList.Clear();
        for (int c = 0; c < ColCount(); ++c)
            for (int r = 0; r < RowCount(); ++r)
                if (TControl* control = CellControls(c, r)) FControlList.AddControl(c, RealRowIndex(r), control);
    }
    if (FNumCellControls == 0) return;
    for (int i = 0; i < FControlList.Count(); ++i) {
        const TControlItem& item = *FControlList.Control(i);
        if (IsHiddenColumn(item.X) || IsHiddenRow(item.Y)) {
            item.Control->SetVisible(false);
            continue;
        }
        const int col = DisplColIndex(item.X), row = DisplRowIndex(item.Y);
        if (row < FixedRows() || col < FixedCols()) continue;
        const bool outside = col < LeftCol() || col > LeftCol() + VisibleColCount() || row < TopRow() ||
                             row > TopRow() + VisibleRowCount();
        if (outside) {
            item.Control->SetVisible(false);
            continue;
        }
        item.Control->SetBoundsRect(CellControlBounds(CellRect(col, row)));
        item.Control->SetVisible(true);
        item.Control->Invalidate();
    }
}

void TExtStringGrid::ShiftCellControlRows(int FromRealRow, int Count)
{
    for (int i = 0; i < FControlList.Count(); ++i) {
        TControlItem& item = *FControlList.Control(i);
        if (item.Y >= FromRealRow) item.Y += Count;
    }
    CellControlsUpdate(false);
}
