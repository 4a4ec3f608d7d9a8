#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/SortSettings.h"

// A click on the sorting header row sorts on the clicked column: first in the initial
// direction, then the other way, and with UndoSort a third click brings back the order the
// rows had before.

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

void TExtStringGrid::HeaderClickSort(int ACol, int ARow, int OrigCol, int X, int Y, bool Moved)
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
    // A header click sorts on one column: grouped rows and merged columns are not sorted apart.
    bool undo = false;
    if (sort.Column == ACol) {
        undo = sort.Direction != sort.InitSortDirection && sort.UndoSort;
        sort.Direction = Opposite(sort.Direction);
    } else {
        sort.Direction = sort.InitSortDirection;
        sort.Column = ACol;
    }
    if (undo) {
        QUnSort();
        sort.Column = -1;
    } else {
        QSort();
    }
    if (OnClickSort) OnClickSort(this, sort.Column);
}
