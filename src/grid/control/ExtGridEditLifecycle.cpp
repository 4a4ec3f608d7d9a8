#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Messages.h"

void TExtStringGrid::ShowInplaceEdit()
{
    if (IsControlCell(RealCol(), Row())) return;
    if (Row() < TopRow()) SetTopRow(Row());
    if (Col() < LeftCol()) SetLeftCol(Col());
    ShowEditor();
}

void TExtStringGrid::SimulateCellClick(int ACol, int ARow)
{
    const TRect r = CellRect(ACol, ARow);
    TMouseEvent down = std::move(OnMouseDown), up = std::move(OnMouseUp);
    OnMouseDown = nullptr;
    OnMouseUp = nullptr;
    FForceSel = true;
    const auto restore = [&] {
        FForceSel = false;
        OnMouseDown = std::move(down);
        OnMouseUp = std::move(up);
    };
    try {
        MouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
        MouseUp(mbLeft, {}, r.Left + 2, r.Top + 2);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TExtStringGrid::DoneInplaceEdit(Word Key, TShiftState Shift)
{
    const auto refocus = FEditSession.HoldRefocus();
    HideInplaceEdit();
    if (Navigation()->AppendOnArrowDown && Key == VK_DOWN && IsLastNormalRow()) AutoAppendRow();
    if (Key == VK_TAB || (Key >= VK_LEFT && Key <= VK_DOWN)) KeyDown(Key, Shift);
    // Taking the focus back must not open the editor again.
    const bool alwaysEdit = Navigation()->AlwaysEdit;
    Navigation()->AlwaysEdit = false;
    if (CanFocus()) SetFocus();
    if (Key == VK_RETURN) AdvanceEditPosition(Col(), Row(), false, false, true, false, false);
    Navigation()->AlwaysEdit = alwaysEdit;
}

bool TExtStringGrid::WalkOutOfEditor(Word Key, TShiftState Shift, const TCaretAtKeyUp& Caret,
                                     const std::string& Text)
{
    const TCursorWalk walk = CursorWalkOf(Key, Shift, Caret);
    if (!Navigation()->CursorWalkEditor || walk == TCursorWalk::None) return false;
    const bool forward = walk == TCursorWalk::Forward;
    const int col = Col(), row = Row();
    const int next = forward ? col + CellSpan(RealCol(), row).X + 1 : col - 1;
    const bool inside = forward ? next <= ColCount() - VisibleFixedRightCols() - 1 : col > FixedCols();
    if (inside && !IsControlCell(RealColIndex(next), row)) {
        if (ValidateCell(Text)) {
            HideInplaceEdit();
            SetCol(next);
        }
        return true;
    }
    if (!forward && ValidateCell(Text)) HideInplaceEdit();
    TNavigation& nav = *Navigation();
    const TAdvanceDirection direction = nav.AdvanceDirection();
    nav.SetAdvanceDirection(adLeftRight);
    try {
        AdvanceEditPosition(col, row, true, false, forward, true, true);
    } catch (...) {
        nav.SetAdvanceDirection(direction);
        throw;
    }
    nav.SetAdvanceDirection(direction);
    if (nav.CursorWalkAlwaysEdit)
        ShowInplaceEdit();
    else
        HideInplaceEdit();
    return true;
}

bool TExtStringGrid::TakeClickCaretPoint(const TControl& Editor, TPoint& InEditor)
{
    if (!std::exchange(LButFlg, false)) return false;
    InEditor = {Clickposx - Editor.Left(), Clickposy - Editor.Top()};
    return InEditor.X >= 0 && InEditor.Y >= 0 && InEditor.X < Editor.Width() && InEditor.Y < Editor.Height();
}
