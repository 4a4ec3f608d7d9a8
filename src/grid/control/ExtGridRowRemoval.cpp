#include <set>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/rtl/SysUtils.h"

// TODO(lead): ClearRows, ClearCols and ClearRect of the structure part; until then the
// texts of the cells are emptied.
void TExtStringGrid::ClearSelection()
{
    const auto clear = [this](int c1, int r1, int c2, int r2) {
        for (int r = r1; r <= r2; ++r)
            for (int c = c1; c <= c2; ++c)
                SetCells(c, r, "");
    };
    const int lastCol = TotalColCount() - 1;
    if (MouseActions()->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (RowSelect(RowFlagIndex(r))) clear(0, r, lastCol, r);
    } else if (MouseActions()->DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (ColSelect(c)) clear(c, 0, c, RowCount() - 1);
    } else {
        const TGridRect s = Selection();
        clear(s.Left, s.Top, s.Right, s.Bottom);
    }
}

void TExtStringGrid::RemoveSelectedRows()
{
    BeginUpdate();
    if (MouseActions()->DisjunctRowSelect()) {
        for (int r = RowCount() - FixedFooters - 1; r >= FixedRows(); --r)
            if (RowSelect(RowFlagIndex(r))) RemoveRowKeepingHidden(r);
        ClearRowSelect();
    } else {
        const TGridRect s = Selection();
        for (int r = std::max(s.Top, s.Bottom); r >= std::min(s.Top, s.Bottom); --r)
            RemoveRowKeepingHidden(r);
    }
    EndUpdate();
}

void TExtStringGrid::RemoveUnSelectedRows()
{
    BeginUpdate();
    for (int r = RowCount() - FixedFooters - 1; r >= FixedRows(); --r)
        if (!RowSelect(RowFlagIndex(r))) RemoveRowKeepingHidden(r);
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

void TExtStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    BeginUpdate();
    for (int r = RowCount() - 1; r >= FixedRows(); --r)
        if (IsChecked(CheckBoxColumn, r) == RemoveChecked) RemoveRowKeepingHidden(r);
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
            RemoveRowKeepingHidden(r);
    }
    EndUpdate();
}
