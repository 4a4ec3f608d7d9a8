#include "grid/control/GridEditBtn.h"

#include "grid/control/EditorCharFilter.h"
#include "grid/control/EditorPaste.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/LookupCompletion.h"

TGridEditBtn::TGridEditBtn(TExtStringGrid* AGrid) : TEsgEditBtn(AGrid), FGrid(AGrid)
{
    SetButtonCaption("...");
    SetBorderStyle(bsNone);
}

void TGridEditBtn::ButtonClick(TObject*)
{
    SetText(FGrid->DoEllipsClick(Text()));
    SelectAll();
    Invalidate();
    if (StopEditAfterClick) FGrid->DoneInplaceEdit(0, {});
}

// A paste is checked by neither length nor kind here, but the grid's paste events decide.
void TGridEditBtn::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_PASTE) {
        PasteIntoCellEditor(*this, *FGrid, 0, nullptr);
        return;
    }
    TEsgEditBtn::WndProc(Message);
}

void TGridEditBtn::Change()
{
    TEsgEditBtn::Change();
    FGrid->EditorTextChanged(Text());
}

void TGridEditBtn::DoExit()
{
    FGrid->SpecialEditorLeft();
    TEsgEditBtn::DoExit();
}

void TGridEditBtn::WMGetDlgCode(TMessage& Message)
{
    TEsgEditBtn::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
    if (FGrid->EditorWantsTab()) Message.Result |= DLGC_WANTTAB;
}

void TGridEditBtn::WMChar(TMessage& Message)
{
    const auto ch = static_cast<char32_t>(Message.WParam);
    if (ch == U'\r' || ch == U'\t') return;
    if (PassesTypingRule(TypingRuleOf(FGrid->EditControl), *this, Message)) TEsgEditBtn::WMChar(Message);
}

void TGridEditBtn::KeyPress(char32_t& Key)
{
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
    if (Key != U'\t') TEsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::KeyDown(Word& Key, TShiftState Shift)
{
    const bool handled = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                         Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    if (!handled && FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    FSelKeyDown = SelStart();
    if (!handled || Shift.Contains(ssCtrl)) {
        TEsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        const bool accepted = FGrid->StoreAndValidate(Text());
        SetText(FGrid->NewCellText());
        if (!accepted) {
            SelectAll();
            Invalidate();
            Key = 0;
            return;
        }
        if (Key == VK_TAB && FGrid->EditorWantsTab()) {
            FGrid->TabOutOfEditor(Shift);
            Key = 0;
            return;
        }
    }
    if (Key == VK_ESCAPE)
        FGrid->CancelEditControl();
    else
        FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridEditBtn::KeyUp(Word& Key, TShiftState Shift)
{
    if (FGrid->OnKeyUp) FGrid->OnKeyUp(FGrid, Key, Shift);
    if (FGrid->WalkOutOfEditor(Key, Shift, {SelStart(), SelLength(), Length(Text()), FSelKeyDown}, Text())) {
        Key = 0;
        return;
    }
    if (Key != VK_RETURN) TEsgEditBtn::KeyUp(Key, Shift);
    if (WorkMode && FGrid->Lookup) CompleteFromList(*this, *FGrid->LookupItems(), FGrid->LookupCaseSensitive);
}
