#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Messages.h"

bool TExtStringGrid::IsSelectableCell(int ACol, int ARow)
{
    bool can = Options().Contains(goEditing) ? IsEditable(RealColIndex(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    return can;
}

int TExtStringGrid::FirstSelectableCol(int ARow)
{
    for (int c = 0; c < ColCount(); ++c)
        if (IsSelectableCell(c, ARow)) return c;
    return -1;
}

int TExtStringGrid::LastSelectableCol(int ARow)
{
    for (int c = ColCount() - 1; c >= 0; --c)
        if (IsSelectableCell(c, ARow)) return c;
    return -1;
}

int TExtStringGrid::FirstNormalCol() const { return FixedCols() == 0 && HasNodes() ? 1 : FixedCols(); }

int TExtStringGrid::VisibleFixedRightCols() const
{
    if (NumHiddenColumns() == 0) return FixedRightCols;
    int visible = 0;
    for (int c = TotalColCount() - FixedRightCols; c < TotalColCount(); ++c)
        if (c >= 0 && !IsHiddenColumn(c)) ++visible;
    return visible;
}

bool TExtStringGrid::IsLastNormalRow() const
{
    return Row() == LastNormalRow() || (FloatingFooter()->Visible() && Row() == RowCount() - 2);
}

// Tab may come back from an editor while an advance runs: the start cell stops it. A step that
// lands where Tab may not stop is repeated, at most once per cell of the grid, so that Tab in a
// grid without any cell to stop on ends where it started.
bool TExtStringGrid::AdvanceTab(bool Backward)
{
    if (OnKeyDown) {
        Word key = VK_TAB;
        OnKeyDown(this, key, Backward ? TShiftState{ssShift} : TShiftState{});
        if (key != VK_TAB) return true;
    }
    if (Col() == FLastTabCol && Row() == FLastTabRow) return true;
    FLastTabCol = Col();
    FLastTabRow = Row();
    bool result = true;
    bool found = false;
    const bool editing = Options().Contains(goEditing) || FEditDisable;
    for (long left = static_cast<long>(ColCount()) * RowCount(); left > 0 && !found; --left) {
        const TTabStep step = TabStep(Backward);
        if (step == TTabStep::ToParent) {
            result = false;
            found = true;
        } else if (step == TTabStep::Again) {
            Backward = false;
        } else {
            found = !editing || IsEditable(RealColIndex(Col()), Row());
        }
        if (!found && Col() == FLastTabCol && Row() == FLastTabRow) break;
    }
    if (!found && (Col() != FLastTabCol || Row() != FLastTabRow)) {
        FForceSel = true;
        MoveColRow(FLastTabCol, FLastTabRow, true, true);
        FForceSel = false;
    }
    if (found && result && Navigation()->AdvanceAutoEdit && !IsControlCell(RealColIndex(Col()), Row()))
        SimulateCellClick(Col(), Row());
    FLastTabCol = -1;
    FLastTabRow = -1;
    if (Navigation()->AlwaysEdit && CanFocus()) SetFocus();
    return result;
}

TExtStringGrid::TTabStep TExtStringGrid::TabStep(bool Backward)
{
    const TAdvanceDirection direction = Navigation()->TabAdvanceDirection;
    const int firstNormal = FirstNormalCol();
    if (Backward && direction == adLeftRight) {
        TabBackwardLeftRight();
        return TTabStep::Done;
    }
    if (Backward) {
        if (Row() > FixedRows()) {
            SetRow(Row() - 1);
        } else {
            SetRow(LastNormalRow());
            SetCol(Col() > firstNormal ? Col() - 1 : ColCount() - VisibleFixedRightCols() - 1);
        }
        return TTabStep::Done;
    }
    if (direction != adLeftRight) {
        const TPoint span = CellSpan(Col(), Row());
        if (Row() + span.Y + 1 < RowCount() - FixedFooters) {
            SetRow(Row() + span.Y + 1);
            return TTabStep::Done;
        }
        GoFirstRow();
        if (Col() < ColCount() - VisibleFixedRightCols() - 1) {
            SetCol(Col() + 1);
            return TTabStep::Done;
        }
        SetCol(firstNormal);
        return TabToParent() ? TTabStep::ToParent : TTabStep::Done;
    }
    const TPoint span = CellSpan(Col(), Row());
    if (Col() + span.X + 1 < ColCount() - VisibleFixedRightCols()) return TabForwardLeftRight();
    return TabForwardAtRowEnd();
}

void TExtStringGrid::TabBackwardLeftRight()
{
    const int firstNormal = FirstNormalCol();
    const int lastCol = ColCount() - VisibleFixedRightCols();
    if (Col() <= firstNormal) {
        int c = lastCol - 1;
        while (c >= FixedCols() && !IsSelectableCell(c, Row()))
            --c;
        if (c >= FixedCols()) SetCol(c);
        SetRow(Row() > FixedRows() ? Row() - 1 : LastNormalRow());
        return;
    }
    int c = Col() - 1;
    while (c >= firstNormal && !(IsSelectableCell(c, Row()) && IsBaseCell(c, Row())))
        --c;
    if (c >= firstNormal) {
        SetCol(c);
    } else if (Row() > FixedRows()) {
        if (const int last = LastSelectableCol(Row() - 1); last >= 0) FocusCell(last, Row() - 1);
    } else if (const int last = LastSelectableCol(LastNormalRow()); last >= 0) {
        FocusCell(last, LastNormalRow());
        ScrollCellIntoView(Col(), Row());
    }
    if (!IsBaseCell(Col(), Row())) MoveToBaseCell();
}

TExtStringGrid::TTabStep TExtStringGrid::TabForwardLeftRight()
{
    const int from = Col() + CellSpan(Col(), Row()).X;
    const int end = ColCount() - VisibleFixedRightCols();
    int c = from + 1;
    while (c < end && !IsSelectableCell(c, Row()))
        ++c;
    if (c < end) {
        SetCol(c);
        return IsBaseCell(Col(), Row()) ? TTabStep::Done : TTabStep::Again;
    }
    // The rest of the row holds nothing to stop on: the first selectable cell of the next row.
    FForceSel = true;
    if (Row() < LastNormalRow()) {
        const int newCol = FirstSelectableCol(Row() + 1);
        bool allow = true;
        if (OnRowChanging) OnRowChanging(this, Row(), Row() + 1, allow);
        if (OnCellChanging) OnCellChanging(this, Row(), Col(), Row() + 1, newCol, allow);
        if (OnColChanging) OnColChanging(this, Col(), newCol, allow);
        if (allow) MoveColRow(newCol < 0 ? FixedCols() : newCol, Row() + 1, true, true);
        FForceSel = false;
        return TTabStep::Done;
    }
    if (const int newCol = FirstSelectableCol(FixedRows()); newCol >= 0) FocusCell(newCol, FixedRows());
    FForceSel = false;
    return TabToParent() ? TTabStep::ToParent : TTabStep::Done;
}

TExtStringGrid::TTabStep TExtStringGrid::TabForwardAtRowEnd()
{
    if (Row() < LastNormalRow()) {
        for (int e = FirstNormalCol(); e < ColCount(); ++e) {
            if (IsBaseCell(e, Row() + 1) && IsSelectableCell(e, Row() + 1)) {
                FForceSel = true;
                MoveColRow(e, Row() + 1, true, true);
                FForceSel = false;
                return TTabStep::Done;
            }
        }
        for (int g = Row() + 2; g < RowCount(); ++g) {
            if (const int c = FirstSelectableCol(g); c >= 0) {
                MoveColRow(c, g, true, true);
                return TTabStep::Done;
            }
        }
        MoveColRow(ColCount() - 1, RowCount() - 1, true, true);
        return TTabStep::Again;
    }
    if (Navigation()->TabToNextAtEnd || !Navigation()->AdvanceInsert() || !AppendRowForAdvance())
        GoFirstRow();
    if (const int c = FirstSelectableCol(Row()); c >= 0) SetCol(c);
    return TabToParent() ? TTabStep::ToParent : TTabStep::Done;
}

// Appends a row for an advance past the last one (OnCanAddRow decides) and makes it current.
bool TExtStringGrid::AppendRowForAdvance()
{
    bool canAdd = true;
    CanAddRow(canAdd);
    if (!canAdd) return false;
    AddRow();
    SetRow(LastNormalRow());
    if (OnAutoAddRow) OnAutoAddRow(this, LastNormalRow());
    return true;
}

// At the end of the grid Tab may go on to the next control of the parent window.
bool TExtStringGrid::TabToParent()
{
    if (!Parent() || !Navigation()->TabToNextAtEnd) return false;
    PostMessage(Parent(), WM_KEYDOWN, VK_TAB, 0);
    return true;
}
