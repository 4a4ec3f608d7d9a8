#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"

// Decides whether the focus may move to (ACol, ARow) and, on the way, switches editing on
// for a cell that may be edited and off for one that may not.
bool TExtStringGrid::SelectCell(int ACol, int ARow)
{
    const TGridRect S = Selection();
    const int oldCol = Col(), oldRow = Row();
    // The row indicator leaves the old row and marks the new one.
    const bool indicator = !FRowIndicator->Empty() && FixedCols() > 0;
    const auto repaintIndicator = [&] {
        if (!indicator) return;
        RepaintCell(0, oldRow);
        RepaintCell(0, ARow);
    };
    if (FForceSel) {
        repaintIndicator();
        return true;
    }
    if (!Parent() || !Parent()->HandleAllocated()) return true;
    // The floating footer's own row never takes the focus.
    if (HasFooterRow() && ARow == FooterRow()) return false;
    if (ACol < 0 || ARow < 0) return false;
    if (IsMergedNonBaseCell(ACol, ARow) && !Options().Contains(goRangeSelect)) {
        const TPoint base = BaseCell(ACol, ARow);
        MoveColRow(base.X, base.Y, true, true);
        RepaintCell(base.X, base.Y);
        if (MouseActions()->DirectEdit) ShowEditor();
        return false;
    }
    if (ACol == 0 && HasNodes() && !Options().Contains(goRowSelect)) return false;
    if (FUseEnabledRows && Navigation()->SkipDisabledRows && !RowEnabled(ARow)) return false;

    const int realCol = RealColIndex(ACol);
    std::string text = Cells(realCol, ARow);
    bool can = Options().Contains(goEditing) || FEditDisable;
    IsReadOnlyCell(realCol, ARow, can);
    if (can && MouseActions()->DirectEdit) {
        EditControl = DefaultEditor;
        if (IsCellEditorNone(realCol, ARow)) can = false;
    }
    if (MouseActions()->EditOnDblClickOnly()) can = false;
    const bool editorOpen = EditorMode();
    // With the text editor focused, its own keys and focus loss validate; otherwise (a click
    // took the focus to the grid, or a special editor is open) the move validates here.
    const bool textEditorFocused = InplaceEditor() && InplaceEditor()->Focused();
    if (can) {
        FEditDisable = false;
        if (!Options().Contains(goEditing)) {
            if (!editorOpen) StoreOldCellValue(ACol, ARow);
            TGridOptions options = Options();
            if (MouseActions()->RangeSelectAndEdit) options -= goRowSelect;
            SetOptions(options + goEditing);
        }
    } else if (Options().Contains(goEditing)) {
        EditMode = false;
        FEditDisable = true;
        SetOptions(Options() - goEditing);
        SetEditorMode(false);
    }
    // Closing the editor checks the current cell again, which keeps the edited text as the
    // cell's: a refused value must find the text from before editing still kept.
    const std::string cached = FEditSession.TextBefore();
    if (editorOpen) {
        HideInplaceEdit();
        text = Cells(realCol, ARow);
    }

    bool allow = true;
    bool result;
    if (editorOpen && !textEditorFocused) {
        result = ValidateCell(CurrentCell());
        CellChanging(ACol, ARow, allow);
        result = result && allow && TBaseGrid::SelectCell(ACol, ARow);
        if (!result) text = cached;
    } else {
        CellChanging(ACol, ARow, allow);
        if (IsFixedForFocus(ACol, ARow) || !allow)
            result = (allow && Options().Contains(goRowSelect)) || (FixedRowAlways && RowCount() == FixedRows());
        else
            result = TBaseGrid::SelectCell(ACol, ARow);
    }

    repaintIndicator();
    if (FISelect) FISelect->CellSelected(oldCol, ARow);
    RepaintSelectionAftermath(oldCol, oldRow, ARow, S);
    if (!ComponentState().Contains(csLoading) && ARow != FOldRowSel && OnRowChanged) {
        OnRowChanged(this, FOldRowSel, ARow);
        FOldRowSel = ARow;
    }
    FEditSession.Keep(text);
    return result;
}

// The headers of the old and the new current cell, and the active row, show where the
// focus is; they follow it.
void TExtStringGrid::RepaintSelectionAftermath(int OldCol, int OldRow, int ARow, const TGridRect& S)
{
    if (ActiveCellShow && FixedRows() > 0 && FixedCols() > 0) {
        RepaintCell(OldCol, FixedRows() - 1);
        RepaintCell(FixedCols() - 1, OldRow);
        RepaintCell(Col(), FixedRows() - 1);
        RepaintCell(FixedCols() - 1, ARow);
        if (S.Left != OldCol && S.Top != OldRow) {
            RepaintCell(S.Left, FixedRows() - 1);
            RepaintCell(FixedCols() - 1, S.Top);
        }
    }
    if (ActiveRowShow()) {
        RepaintRow(ARow);
        RepaintRow(S.Top);
    }
    if (SelectionRectangle) RepaintRect(S);
}

void TExtStringGrid::SetRow(int ARow)
{
    if (Col() < 0 || Col() >= ColCount()) MoveColRow(FixedCols(), ARow, true, true);
    TBaseGrid::SetRow(ARow);
    if (Row() != FOldRowSel) {
        if (OnRowChanged) OnRowChanged(this, FOldRowSel, Row());
        FOldRowSel = Row();
    }
    if (MouseActions()->DisjunctRowSelect()) SyncRowSelect(false);
}

void TExtStringGrid::SetSelection(const TGridRect& Value)
{
    TBaseGrid::SetSelection(Value);
    if (ActiveCellShow) {
        InvalidateRow(0);
        InvalidateCol(0);
    }
    if (ActiveRowShow()) RepaintRow(Value.Bottom);
    SelectionChanged(Value.Left, Value.Top, Value.Right, Value.Bottom);
}

void TExtStringGrid::SetTopRow(int Value)
{
    if (Value >= FixedRows() && Value <= RowCount() - 1) TBaseGrid::SetTopRow(Value);
}

void TExtStringGrid::ScreenToCell(TPoint pt, int& ACol, int& ARow) const
{
    const TPoint client = ScreenToClient(pt);
    MouseToCell(client.X, client.Y, ACol, ARow);
}

void TExtStringGrid::GotoCell(int ACol, int ARow)
{
    SetRow(ARow);
    SetCol(ACol);
}

// A program move of the focus leaves the edited cell the way a move SelectCell allows does:
// the value goes through validation into its own cell first, and a refused value keeps the
// focus and the editor on it.
void TExtStringGrid::FocusCell(int ACol, int ARow)
{
    if (!EndEditMovingOn()) return;
    SetSelection({ACol, ARow, ACol, ARow});
}

void TExtStringGrid::EditCell(int ACol, int ARow)
{
    if (CanFocus()) SetFocus();
    GotoCell(ACol, ARow);
    ShowEditor();
}

void TExtStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExtStringGrid::UpdateEditMode() { SelectCell(Col(), Row()); }

// The selection moves to a cell outside the grid, where nothing is drawn selected.
void TExtStringGrid::HideSelection()
{
    FOldSelection = Selection();
    SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
    FSelHidden = true;
}

void TExtStringGrid::UnHideSelection()
{
    FSelHidden = false;
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        SetSelection(FOldSelection);
        return;
    }
    const int left = FixedColAlways && FixedCols() == ColCount() ? 0 : FixedCols();
    const int top = FixedRowAlways && FixedRows() == RowCount() ? 0 : FixedRows();
    SetSelection({left, top, left, top});
}

void TExtStringGrid::RepaintRect(const TGridRect& R)
{
    if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0) return;
    const TRect first = CellRect(R.Left, R.Top);
    const TRect last = CellRect(std::min(VisibleColCount() + FixedCols(), R.Right), R.Bottom);
    if (first.IsEmpty() || last.IsEmpty()) {
        Invalidate();
        return;
    }
    InvalidateRect({std::min(first.Left, last.Left), std::min(first.Top, last.Top),
                    std::max(first.Right, last.Right), std::max(first.Bottom, last.Bottom)});
}

void TExtStringGrid::RepaintRow(int ARow)
{
    if (ARow >= 0 && ARow < RowCount()) InvalidateRow(ARow);
}

void TExtStringGrid::RepaintCol(int ACol)
{
    if (ACol >= 0 && ACol < ColCount()) InvalidateCol(ACol);
}
