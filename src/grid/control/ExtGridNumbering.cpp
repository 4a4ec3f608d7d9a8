#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"

namespace {

// Numbers the lines First + Start to Last from 1 + Offset: top down, or with Descending
// the same numbers from the last line up.
template <typename TPut>
void NumberLines(int First, int Last, int Start, int Offset, TSortDirection Direction, TPut Put)
{
    for (int k = First + Start; k <= Last; ++k)
        Put(Direction == sdAscending ? k : First + Last - k, k - First + 1 + Offset);
}

} // namespace

void TExtStringGrid::AutoNumberCol(int ACol)
{
    if (RowCount() <= 0) return;
    NumberLines(FixedRows(), RowCount() - FixedFooters - 1, AutoNumberStart, AutoNumberOffset,
                AutoNumberDirection, [&](int Row, int Number) { SetInts(ACol, Row, Number); });
}

void TExtStringGrid::AutoNumberRow(int ARow)
{
    if (ColCount() <= 0) return;
    NumberLines(FixedCols(), ColCount() - FixedRightCols - 1, AutoNumberStart, AutoNumberOffset,
                AutoNumberDirection, [&](int Col, int Number) { SetInts(Col, ARow, Number); });
}

// Real columns: the cells of hidden rows change places too.
void TExtStringGrid::SwapColumns(int ACol1, int ACol2)
{
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= TotalColCount() || ACol2 >= TotalColCount())
        return;
    EndEditBeforeLinesChange();
    for (int r = 0; r < RowCount(); ++r)
        SwapCells({ACol1, r}, {ACol2, r});
    const TColumnRemap swapped = TColumnRemap::Swapped(ACol1, ACol2);
    RemapHiddenRowCells(swapped);
    FColumns.SelectionRemapped(swapped);
    const int width1 = AllColWidths(ACol1);
    SetAllColWidths(ACol1, AllColWidths(ACol2));
    SetAllColWidths(ACol2, width1);
    if (SortSettings()->Column == ACol1)
        SortSettings()->Column = ACol2;
    else if (SortSettings()->Column == ACol2)
        SortSettings()->Column = ACol1;
    SwapCellControls(ACol1, ACol2, false);
    Invalidate();
}

// Whole rows change places in the cell store, hidden columns included, without a repaint
// per cell: a sort swaps rows hundreds of thousands of times under one update lock.
void TExtStringGrid::SwapRowCellsAndHeights(int ADisplRow1, int ADisplRow2)
{
    CellStore().SwapRows(ADisplRow1, ADisplRow2);
    const int height1 = RowHeights(ADisplRow1), height2 = RowHeights(ADisplRow2);
    if (height1 == height2) return;
    SetRowHeights(ADisplRow1, height2);
    SetRowHeights(ADisplRow2, height1);
}

// Display rows, over every real column.
void TExtStringGrid::SwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
    const TRowsChange change(*this);
    const TRealRow real1 = DisplToRealRow(TDisplRow(ARow1)), real2 = DisplToRealRow(TDisplRow(ARow2));
    FollowEditedRow([&](TRealRow Row) { return Row == real1 ? real2 : Row == real2 ? real1 : Row; });
    SwapRowCellsAndHeights(ARow1, ARow2);
    SwapCellControls(RealRowIndex(ARow1), RealRowIndex(ARow2), true);
    Invalidate();
}

void TExtStringGrid::SortSwapRows(int ARow1, int ARow2)
{
    ++Swaps;
    const auto xrefSize = static_cast<int>(FSortRowXRef.size());
    if (ARow1 < xrefSize && ARow2 < xrefSize)
        std::swap(FSortRowXRef[static_cast<size_t>(ARow1)], FSortRowXRef[static_cast<size_t>(ARow2)]);
    if (FSortTexts) FSortTexts->SwapRows(ARow1, ARow2, SortSettings()->SingleColumn ? SortSettings()->Column : -1);
    if (SortSettings()->SingleColumn) {
        SwapCells({SortSettings()->Column, ARow1}, {SortSettings()->Column, ARow2});
        return;
    }
    SwapRowCellsAndHeights(ARow1, ARow2);
    const auto swapFlags = [&](auto Read, auto Write) {
        const bool flag1 = Read(ARow1);
        Write(ARow1, Read(ARow2));
        Write(ARow2, flag1);
    };
    if (MouseActions()->DisjunctRowSelect() && Navigation()->MoveRowOnSort) {
        const bool persistent = MouseActions()->RowSelectPersistent;
        const auto flagRow = [&](int R) { return persistent ? RealRowIndex(R) : R; };
        swapFlags([&](int R) { return RowSelect(flagRow(R)); },
                  [&](int R, bool V) { SetRowSelect(flagRow(R), V); });
    }
    if (ShowModified()->Enabled)
        swapFlags([&](int R) { return RowModified(R); }, [&](int R, bool V) { SetRowModified(R, V); });
    FRows.Flags().SwapEnabled(ARow1, ARow2);
    FRows.Flags().SwapCells(ARow1, ARow2);
    if (SortRow == ARow1)
        SortRow = ARow2;
    else if (SortRow == ARow2)
        SortRow = ARow1;
}

// Each cycle of the permutation is walked once: every swap puts one row in its final place.
// The rows a cycle comes to lie anywhere in the cell store, so those a few swaps on are
// fetched ahead.
void TExtStringGrid::ReorderSortedRows(int Left, std::span<const int> Order)
{
    constexpr int ahead = 8;
    std::vector<bool> placed(Order.size());
    for (size_t start = 0; start < Order.size(); ++start) {
        size_t at = start, next = start;
        for (int k = 0; k < ahead && static_cast<size_t>(Order[next]) != start; ++k)
            next = static_cast<size_t>(Order[next]);
        while (!placed[at]) {
            placed[at] = true;
            const auto from = static_cast<size_t>(Order[at]);
            if (from == start) break;
            if (static_cast<size_t>(Order[next]) != start) {
                next = static_cast<size_t>(Order[next]);
                CellStore().PrefetchEntry(Left + static_cast<int>(next));
            }
            SortSwapRows(Left + static_cast<int>(at), Left + static_cast<int>(from));
            at = from;
        }
    }
}
