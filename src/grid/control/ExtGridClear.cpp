#include <algorithm>

#include "grid/control/ExtStringGrid.h"

void TExtStringGrid::EmptyCell(TShownCell Cell)
{
    const int col = Cell.Col.Index(), row = Cell.Row.Index();
    if (!ClearTextOnly && FindCellProperties(col, row)) {
        if (FNilObjects)
            SetGridObjects(col, row, nullptr);
        else
            FreeCellPropertiesRange(col, row, col, row);
    }
    if (!GridCells(col, row).empty()) SetCellAt(Cell, "");
}

void TExtStringGrid::ClearShownCells(const TShownCellWalk& Cells)
{
    if (ComponentState().Contains(csDestroying)) return;
    std::optional<TRect> changed;
    Cells([&](TShownCell Cell) {
        EmptyCell(Cell);
        const int c = Cell.Col.Index(), r = Cell.Row.Index();
        if (!changed) changed = TRect{c, r, c, r};
        changed = TRect{std::min(changed->Left, c), std::min(changed->Top, r), std::max(changed->Right, c),
                        std::max(changed->Bottom, r)};
    });
    if (!changed) return;
    // The painted places of cells right of a hidden column are not their real ones.
    if (NumHiddenColumns() > 0) Invalidate();
    DoCellsChanged(*changed);
}

namespace {
bool KeepsCellsBeyond(const TStringGrid& Grid, int Cols, int Rows)
{
    if (Grid.KeptRowCount() > Rows) return true;
    for (int r = 0; r < Grid.KeptRowCount(); ++r)
        if (Grid.KeptColCount(r) > Cols) return true;
    return false;
}
} // namespace

// With SaveHiddenCells a display column stands for its real column, so the hidden columns
// between keep their cells; without, the columns are taken as real ones.
void TExtStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    if (ComponentState().Contains(csDestroying)) return;
    for (int r = std::max(ARow1, 0); r <= ARow2; ++r)
        for (int c = std::max(ACol1, 0); c <= ACol2; ++c) {
            if (SaveHiddenCells && c >= ColCount()) break;
            const int storeCol = SaveHiddenCells ? DisplToRealCol(c) : c;
            EmptyCell({TRealCol(storeCol), TDisplRow(r)});
            if (storeCol != c) RepaintCell(c, r);
        }
    // Only when no cell anywhere can still hold properties: the flag lets freeing skip cells,
    // the grid's own freeing at its end too. Cells beyond the counts, kept since a count was
    // lowered, may still hold some.
    const bool hiddenKeepCells = NumHiddenRows() > 0 || (SaveHiddenCells && NumHiddenColumns() > 0);
    if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= TotalColCount() - 1 && ARow2 >= RowCount() - 1 &&
        !ClearTextOnly && !hiddenKeepCells && !KeepsCellsBeyond(*this, TotalColCount(), RowCount()))
        FHasCellProps = false;
    DoCellsChanged(TRect{DisplToRealCol(ACol1), ARow1, DisplToRealCol(ACol2), ARow2});
}

void TExtStringGrid::ClearRows(int RowIndex, int RCount)
{
    if (RowCount() <= 0 || ColCount() <= 0 || RCount <= 0) return;
    ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearCols(int ColIndex, int CCount)
{
    if (RowCount() <= 0 || ColCount() <= 0 || CCount <= 0) return;
    ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExtStringGrid::ClearNormalRows(int RowIndex, int RCount)
{
    if (RowCount() <= 0 || ColCount() <= 0 || RCount <= 0) return;
    ClearRect(FixedCols(), RowIndex, TotalColCount() - FixedRightCols - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearNormalCols(int ColIndex, int CCount)
{
    if (RowCount() <= 0 || ColCount() <= 0 || CCount <= 0) return;
    ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters - 1);
}

void TExtStringGrid::ClearNormalCells()
{
    if (RowCount() <= 0 || ColCount() <= 0) return;
    ClearRect(FixedCols(), FixedRows(), TotalColCount() - FixedRightCols - 1, RowCount() - FixedFooters - 1);
}

void TExtStringGrid::Clear()
{
    if (RowCount() <= 0 || ColCount() <= 0) return;
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    FSearchInc.clear();
    if (NumHiddenColumns() > 0) Invalidate();
}

// A hidden row's cells keep their places, empty, so that showing it again still works.
void TExtStringGrid::ClearAll()
{
    Clear();
    for (int i = 0; i < FRows.Hidden().Count(); ++i) {
        TGridStrings& items = FRows.Hidden().Item(i).Items;
        for (int c = 0; c < items.Count(); ++c) {
            if (!ClearTextOnly) {
                FreeCellObject(items.Objects[c]);
                items.Objects[c] = nullptr;
            }
            items.Strings[c].clear();
        }
    }
}
