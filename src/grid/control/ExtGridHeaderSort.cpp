#include <chrono>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/Navigation.h"

// A click on the sorting header row sorts on the clicked column: first in the initial
// direction, then the other way, and with UndoSort a third click brings back the order the
// rows had before. With IndexShow the clicks build a sort over several columns instead: the
// index key (Shift or Ctrl) adds a column or turns its direction, a plain click starts anew.

namespace {

// A release this near a header's side border ends a sizing, not a click.
constexpr int kSizingRelease = 4;
// The width of a header's drop-down button or filter glyph at its right edge.
constexpr int kHeaderGlyphWidth = 16;

TSortDirection Opposite(TSortDirection Direction)
{
    return Direction == sdAscending ? sdDescending : sdAscending;
}

} // namespace

void TExtStringGrid::HeaderClickSort(TShiftState Shift, int ACol, int ARow, int OrigCol, int X, int Y, bool Moved)
{
    if (FDblClk) {
        FDblClk = false;
        return;
    }
    const TRect rect = CellRect(OrigCol, ARow);
    if (ARow == 0 && Options().Contains(goColSizing) &&
        (X - rect.Left < kSizingRelease || rect.Right - X < kSizingRelease))
        return;
    int downCol = -1, downRow = -1;
    MouseToCell(Clickposx, Clickposy, downCol, downRow);
    const bool glyph = (ControlLook()->FixedDropDownButton && CanShowFixedDropDown(ACol)) || GetColumnFilter(ACol);
    if (glyph && X > rect.Right - kHeaderGlyphWidth) return;
    TSortSettings& sort = *SortSettings();
    const bool sortable = sort.Row() == ARow && ARow == downRow && FixedRows() > 0 &&
                          !IsInCheckBox(ACol, ARow, X, Y) && sort.Show() && !Moved && RowCount() > 2;
    if (!sortable) return;
    bool doSort = !IsIgnoredColumn(ACol);
    if (OnCanSort) OnCanSort(this, ACol, doSort);
    if (!doSort) {
        RepaintCell(OrigCol, sort.Row());
        return;
    }
    HideInplaceEdit();
    if (static_cast<int>(FSortRowXRef.size()) != RowCount()) InitSortXRef();
    // Merged runs would not hold together once their rows move.
    if (sort.AutoColumnMerge) SplitEveryColumn();
    // The rows move under a left column that stays where it was.
    const bool keepLeft = Navigation()->KeepHorizScroll && Options().Contains(goRowSelect);
    const auto started = std::chrono::steady_clock::now();
    KeepingLeftCol(keepLeft, [&] {
        if (sort.IndexShow) {
            const TShiftStateFlag key = sort.IndexSortKey == ikShift ? ssShift : ssCtrl;
            ClickSortIndex(ACol, Shift.Contains(key));
        } else {
            ClickSortColumn(ACol);
        }
    });
    SortTime = static_cast<unsigned>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count());
    if (sort.AutoColumnMerge) RemergeListedColumns();
    CellControlsUpdate(true);
    if (OnClickSort) OnClickSort(this, sort.Column);
}

void TExtStringGrid::ClickSortColumn(int ACol)
{
    TSortSettings& sort = *SortSettings();
    bool undo = false;
    if (sort.Column == ACol) {
        undo = sort.Direction != sort.InitSortDirection && sort.UndoSort;
        sort.Direction = Opposite(sort.Direction);
    } else {
        sort.Direction = sort.InitSortDirection;
        sort.Column = ACol;
    }
    if (HasNodes()) {
        QSortGroup();
    } else if (undo) {
        QUnSort();
        sort.Column = -1;
    } else {
        QSort();
    }
}

void TExtStringGrid::ClickSortIndex(int ACol, bool IndexKey)
{
    TSortSettings& sort = *SortSettings();
    const bool initAscending = sort.InitSortDirection == sdAscending;
    const int at = SortIndexes.FindIndex(ACol);
    if (IndexKey && at >= 0) {
        SortIndexes.SetSortDirections(at, !SortIndexes.SortDirections(at));
    } else if (IndexKey) {
        SortIndexes.AddIndex(ACol, initAscending);
    } else if (SortIndexes.Count() == 1 && at == 0) {
        SortIndexes.SetSortDirections(0, !SortIndexes.SortDirections(0));
    } else {
        SortIndexes.Clear();
        SortIndexes.AddIndex(ACol, initAscending);
    }
    if (HasNodes())
        QSortGroupIndexed();
    else
        QSortIndexed();
    sort.Column = SortIndexes.Count() > 0 ? SortIndexes.SortColumns(0) : -1;
}
