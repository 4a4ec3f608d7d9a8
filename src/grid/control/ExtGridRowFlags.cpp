#include <algorithm>
#include <cstdlib>
#include <string>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"

namespace {

// Sets entry Index of a flag list, growing it with cleared entries; returns the old value.
template <typename T> T Store(std::vector<T>& List, int Index, T Value)
{
    if (Index >= static_cast<int>(List.size())) List.resize(Index + 1, T{});
    const T old = List[Index];
    List[Index] = Value;
    return old;
}

template <typename T> T Entry(const std::vector<T>& List, int Index)
{
    return Index < static_cast<int>(List.size()) ? List[Index] : T{};
}

// Clears a selection flag list, repainting each line that was selected.
template <typename Repaint> void ClearFlags(std::vector<bool>& Flags, Repaint RepaintLine)
{
    for (int i = 0; i < static_cast<int>(Flags.size()); ++i)
        if (Flags[i]) RepaintLine(i);
    Flags.clear();
}

bool Between(int Value, int A, int B) { return Value >= std::min(A, B) && Value <= std::max(A, B); }

std::string InvalidRowRead(int ARow) { return "Invalid row " + std::to_string(ARow) + " accessed"; }

} // namespace

// A negative row never has a flag; reading one is an error like any other bad row.
void TExtStringGrid::CheckRowIndex(int ARow) const
{
    if (ARow < 0) throw EExtGridError(InvalidRowRead(ARow));
}

// The flag lists never grow past the rows the grid has, hidden ones included.
void TExtStringGrid::CheckWrittenRow(int ARow) const
{
    if (ARow < 0 || ARow >= TotalRowCount()) throw EExtGridError("Invalid row accessed");
}

void TExtStringGrid::CheckColIndex(int ACol) const
{
    if (ACol < 0 || ACol >= ColCount()) throw EExtGridError("Invalid column accessed");
}

// With persistent row selection, rows outside the grid (negative ones too: a real row that
// was not found) read as not selected.
bool TExtStringGrid::RowSelect(int ARow) const
{
    if (MouseActions()->RowSelectPersistent) {
        if (ARow < 0) return false;
    } else if (ARow < 0 || ARow >= TotalRowCount()) {
        throw EExtGridError(InvalidRowRead(ARow));
    }
    if (MouseActions()->DisjunctRowSelect()) return FRows.Flags().Selected(ARow);
    const TGridRect sel = Selection();
    return Between(ARow, sel.Top, sel.Bottom);
}

void TExtStringGrid::SetRowSelect(int ARow, bool Value)
{
    CheckWrittenRow(ARow);
    const bool listed = FRows.Flags().SelectionListed(ARow);
    const bool current = FRows.Flags().Selected(ARow);
    bool allow = true;
    if ((!listed || current != Value) && OnRowDisjunctSelect) OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow) return;
    FRows.Flags().SetSelected(ARow, Value, FixedRows());
    if (current != Value) RepaintRow(ARow);
    if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

bool TExtStringGrid::ColSelect(int ACol) const
{
    CheckColIndex(ACol);
    return Entry(FColumns.Selected(), RealColIndex(ACol));
}

void TExtStringGrid::SetColSelect(int ACol, bool Value)
{
    CheckColIndex(ACol);
    if (Store(FColumns.Selected(), RealColIndex(ACol), Value) != Value) RepaintCol(ACol);
}

// The rows of a run as the flags know them: real rows when selection survives hiding.
void TExtStringGrid::SetRunSelect(int ADisplRow, int RCount, bool Value)
{
    for (int r = ADisplRow; r < ADisplRow + RCount; ++r) {
        const int row = MouseActions()->RowSelectPersistent ? RealRowIndex(r) : r;
        if (row < RowCount()) SetRowSelect(row, Value);
    }
}

void TExtStringGrid::SelectRows(int RowIndex, int RCount)
{
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (RCount > 0) {
        if (MouseActions()->DisjunctRowSelect())
            SetRunSelect(RowIndex, RCount, true);
        else
            SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    }
    if (!FRowIndicator->Empty()) RepaintCol(0);
    FSelChange = false;
}

void TExtStringGrid::UnSelectRows(int RowIndex, int RCount)
{
    if (MouseActions()->DisjunctRowSelect())
        SetRunSelect(RowIndex, std::min(RCount, RowCount() - RowIndex), false);
    FSelChange = false;
}

void TExtStringGrid::SetColRunSelect(int ColIndex, int CCount, bool Value)
{
    for (int c = ColIndex; c < std::min(ColIndex + CCount, ColCount()); ++c)
        SetColSelect(c, Value);
}

void TExtStringGrid::SelectCols(int ColIndex, int CCount)
{
    if (CCount <= 0) return;
    if (!MouseActions()->DisjunctColSelect()) {
        SetSelection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    SetColRunSelect(ColIndex, CCount, true);
}

void TExtStringGrid::UnSelectCols(int ColIndex, int CCount)
{
    if (MouseActions()->DisjunctColSelect()) SetColRunSelect(ColIndex, CCount, false);
}

void TExtStringGrid::ClearRowSelect()
{
    FRows.Flags().ClearSelected([this](int r) { RepaintRow(r); });
}

void TExtStringGrid::ClearColSelect()
{
    ClearFlags(FColumns.Selected(), [this](int c) { RepaintCol(RealToDisplCol(c)); });
}

int TExtStringGrid::RowSelectCount() const
{
    const TGridRect sel = Selection();
    if (!MouseActions()->DisjunctRowSelect()) return std::abs(sel.Bottom - sel.Top) + 1;
    return FRows.Flags().SelectedCount(TotalRowCount());
}

int TExtStringGrid::ColSelectCount() const
{
    const TGridRect sel = Selection();
    if (!MouseActions()->DisjunctColSelect()) return sel.Right - sel.Left + 1;
    return static_cast<int>(std::count(FColumns.Selected().begin(), FColumns.Selected().end(), true));
}

void TExtStringGrid::SyncRowSelect(bool All)
{
    const TGridRect sel = Selection();
    const int bottom = std::min(sel.Bottom, LastNormalRow());
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const bool inside = Between(r, sel.Top, bottom);
        if (inside || All) SetRowSelect(MouseActions()->RowSelectPersistent ? RealRowIndex(r) : r, inside);
    }
    if (NumHiddenRows() > 0) Invalidate();
}

void TExtStringGrid::SyncColSelect(bool All)
{
    const TGridRect sel = Selection();
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = Between(c, sel.Left, sel.Right);
        if (inside || All) SetColSelect(c, inside);
    }
}

bool TExtStringGrid::RowModified(int ARow) const
{
    CheckRowIndex(ARow);
    return FRows.Flags().Modified(ARow);
}

void TExtStringGrid::SetRowModified(int ARow, bool Value)
{
    CheckWrittenRow(ARow);
    FRows.Flags().SetModified(ARow, Value);
    RepaintCell(0, ARow);
}

int TExtStringGrid::ModifiedRowCount() const
{
    return FRows.Flags().ModifiedCount();
}

bool TExtStringGrid::RowEnabled(int ARow) const
{
    CheckRowIndex(ARow);
    return FRows.Flags().Enabled(ARow);
}

int TExtStringGrid::FirstEnabledRowBut(int ADisplRow) const
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (r != ADisplRow && RowEnabled(r)) return r;
    return -1;
}

// The current row never stays on a row that was just disabled, when another can take it.
void TExtStringGrid::SetRowEnabled(int ARow, bool Value)
{
    CheckWrittenRow(ARow);
    if (!Value && ARow == Row()) {
        if (const int other = FirstEnabledRowBut(ARow); other >= 0) SetRow(other);
    }
    FUseEnabledRows = true;
    FRows.Flags().SetEnabled(ARow, Value);
    RepaintRow(ARow);
}
