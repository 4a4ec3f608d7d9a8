#include <algorithm>
#include <set>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/rtl/SysUtils.h"

// A picked row is cleared whole: its hidden columns too, unless SaveHiddenCells keeps them.
void TExtStringGrid::ClearSelection()
{
    ClearShownCells([this](const TShownCellVisit& Visit) {
        ForEachSelectedCell(TDisplCol(0), TDisplCol(ColCount() - 1), !SaveHiddenCells, Visit);
    });
}

void TExtStringGrid::RemoveSelectedRows()
{
    BeginUpdate();
    if (MouseActions()->DisjunctRowSelect()) {
        for (int r = RowCount() - FixedFooters - 1; r >= FixedRows(); --r)
            if (RowSelect(RowFlagIndex(r))) RemoveRowsInternal(r, 1);
        ClearRowSelect();
    } else {
        const TGridRect s = Selection();
        for (int r = std::max(s.Top, s.Bottom); r >= std::min(s.Top, s.Bottom); --r)
            RemoveRowsInternal(r, 1);
    }
    EndUpdate();
}

void TExtStringGrid::RemoveUnSelectedRows()
{
    BeginUpdate();
    for (int r = RowCount() - FixedFooters - 1; r >= FixedRows(); --r)
        if (!RowSelect(RowFlagIndex(r))) RemoveRowsInternal(r, 1);
    if (MouseActions()->RowSelectPersistent)
        SelectRows(FixedRows(), RowCount() - FixedRows());
    else
        ClearRowSelect();
    EndUpdate();
}

void TExtStringGrid::HideRowsOfCellOps(const std::vector<int>& Rows)
{
    BeginUpdate();
    for (auto it = Rows.rbegin(); it != Rows.rend(); ++it)
        HideRow(RealRowIndex(*it));
    EndUpdate();
}

// The rows are chosen before any is hidden: a selection kept by display rows would
// otherwise point at other rows once the first is gone.
void TExtStringGrid::HideSelectedRows()
{
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (RowSelect(RowFlagIndex(r))) rows.push_back(r);
    HideRowsOfCellOps(rows);
}

void TExtStringGrid::HideUnSelectedRows()
{
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (!RowSelect(RowFlagIndex(r))) rows.push_back(r);
    HideRowsOfCellOps(rows);
}

// The fixed footers are never removed, as by the other removals: a footer has no check
// box, and would otherwise count as an unchecked row.
void TExtStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    BeginUpdate();
    for (int r = RowCount() - FixedFooters - 1; r >= FixedRows(); --r)
        if (IsChecked(CheckBoxColumn, r) == RemoveChecked) RemoveRows(r, 1);
    EndUpdate();
}

void TExtStringGrid::RemoveDuplicates(int ACol, bool)
{
    BeginUpdate();
    const int col = DisplToRealCol(ACol);
    std::set<std::string> seen;
    for (int r = FixedRows(); r < RowCount() - FixedFooters;) {
        if (seen.insert(AnsiUpperCase(Cells(col, r))).second)
            ++r;
        else
            RemoveRowsInternal(r, 1);
    }
    EndUpdate();
}

// Hidden columns are neither picked nor left: they stay.
void TExtStringGrid::RemoveSelectedCols()
{
    // Removing a column takes its selection flag along.
    for (const TRealCol col : SelectedRealCols(true)) RemoveCols(col.Index(), 1);
}

void TExtStringGrid::RemoveUnSelectedCols()
{
    for (const TRealCol col : SelectedRealCols(false)) RemoveCols(col.Index(), 1);
    ClearColSelect();
}
