#include <algorithm>

#include "grid/control/ExtStringGrid.h"

// Controls placed over cells. The list keeps each control at its real column and real row,
// so that hiding rows and columns leaves it in place; the grid never frees a control and
// forgets one that is freed.

namespace {

// The rectangle a cell control covers: the cell grown by its left and top grid lines.
TRect CellControlBounds(const TRect& Cell)
{
    return {Cell.Left - 1, Cell.Top - 1, Cell.Right, Cell.Bottom};
}

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
    if (!Value) {
        TCellProperties* props = FindCellProperties(ACol, ARow);
        if (!props || !props->Control) return;
        if (const int i = FControlList.ControlIndex(ACol, realRow); i >= 0) FControlList.RemoveControl(i);
        --FNumCellControls;
        props->Control = nullptr;
        return;
    }
    TCellProperties* props = GetCellProperties(ACol, ARow);
    if (const int i = FControlList.ControlIndex(ACol, realRow); i >= 0) FControlList.RemoveControl(i);
    if (!props->Control) ++FNumCellControls;
    FControlList.AddControl(ACol, realRow, Value);
    props->Control = Value;
    Value->FreeNotification(this);
    Value->SetParent(this);
    Value->SetBoundsRect(CellControlBounds(CellRect(DisplColIndex(ACol), ARow)));
}

void TExtStringGrid::CellControlsUpdate(bool RebuildList)
{
    if (!HandleAllocated()) return;
    // Hidden rows are searched too: their controls come back with them.
    if (RebuildList) {
        FControlList = TControlList();
        FNumCellControls = 0;
        for (int r = 0; r < TotalRowCount(); ++r)
            for (int c = 0; c < TotalColCount(); ++c) {
                const TCellProperties* props = RealCellProperties(c, r);
                if (!props || !props->Control) continue;
                FControlList.AddControl(c, r, props->Control);
                ++FNumCellControls;
            }
    }
    if (FNumCellControls == 0) return;
    for (int i = 0; i < FControlList.Count(); ++i) {
        const TControlItem& item = *FControlList.Control(i);
        if (IsHiddenColumn(item.X) || IsHiddenRow(item.Y)) {
            item.Control->SetVisible(false);
            continue;
        }
        const int col = RealToDisplCol(item.X);
        const int row = DisplRowIndex(item.Y);
        // Controls over fixed cells stand where their owner put them.
        if (col < FixedCols() || row < FixedRows()) continue;
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

// Removed rows or columns (real indexes, ascending) take their controls out of the list;
// the controls after them move up.
void TExtStringGrid::DropCellControls(const std::vector<int>& Removed, bool Rows)
{
    if (FControlList.Count() == 0 || Removed.empty()) return;
    for (int i = FControlList.Count() - 1; i >= 0; --i) {
        TControlItem& item = *FControlList.Control(i);
        int& index = Rows ? item.Y : item.X;
        if (std::binary_search(Removed.begin(), Removed.end(), index)) {
            item.Control->SetVisible(false);
            FControlList.RemoveControl(i);
            --FNumCellControls;
            continue;
        }
        index -= static_cast<int>(std::lower_bound(Removed.begin(), Removed.end(), index) - Removed.begin());
    }
}

// Inserted rows or columns at a real index move the controls from there on along.
void TExtStringGrid::OpenCellControls(int Index, int Count, bool Rows)
{
    for (int i = 0; i < FControlList.Count(); ++i) {
        int& index = Rows ? FControlList.Control(i)->Y : FControlList.Control(i)->X;
        if (index >= Index) index += Count;
    }
}

// A hidden row keeps its cells' properties in its own list.
TCellProperties* TExtStringGrid::RealCellProperties(int ARealCol, int ARealRow) const
{
    const int position = FRows.Hidden().Find(TRealRow(ARealRow));
    if (position < 0) return FindCellProperties(ARealCol, DisplRowIndex(ARealRow));
    const TGridStrings& cells = FRows.Hidden().Item(position).Items;
    return ARealCol >= 0 && ARealCol < cells.Count() ? dynamic_cast<TCellProperties*>(cells.Objects[ARealCol])
                                                     : nullptr;
}

// The controls of two swapped rows or columns (real indexes) change places with their cells.
void TExtStringGrid::SwapCellControls(int Index1, int Index2, bool Rows)
{
    if (FControlList.Count() == 0) return;
    for (int i = 0; i < FControlList.Count(); ++i) {
        int& index = Rows ? FControlList.Control(i)->Y : FControlList.Control(i)->X;
        if (index == Index1)
            index = Index2;
        else if (index == Index2)
            index = Index1;
    }
    CellControlsUpdate(false);
}

void TExtStringGrid::ForgetCellControl(const TComponent* AComponent)
{
    for (int i = FControlList.Count() - 1; i >= 0; --i) {
        const TControlItem& item = *FControlList.Control(i);
        if (static_cast<const TComponent*>(item.Control) != AComponent) continue;
        if (TCellProperties* props = RealCellProperties(item.X, item.Y)) props->Control = nullptr;
        FControlList.RemoveControl(i);
        --FNumCellControls;
    }
}

void TExtStringGrid::Resize()
{
    TBaseGrid::Resize();
    CellControlsUpdate(false);
}
