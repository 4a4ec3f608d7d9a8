#include "grid/control/GridCombo.h"

#include <algorithm>
#include <cstdint>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/LookupCompletion.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

TGridCombo::TGridCombo(TExtStringGrid* AGrid) : TEsgComboBox(AGrid), FGrid(AGrid) { SetButtonWidth(16); }

std::string TGridCombo::Value() const { return Picked() ? Text() : FGrid->CurrentCell(); }

void TGridCombo::SelectValue(const std::string& Text)
{
    const int index = Items()->IndexOf(Text);
    SetItemIndex(index);
    FNotifiedIndex = index;
    if (index < 0 && IsEditable()) SetText(Text);
}

void TGridCombo::SizeDropDownWidth()
{
    int width = Width();
    const bool scroll = Items()->Count() > DropDownCount();
    for (int i = 0; i < Items()->Count(); ++i) {
        const int textWidth = FGrid->Canvas()->TextWidth(Items()->Strings(i));
        if (scroll && textWidth > width - 25) width = textWidth + 25;
        if (!scroll && textWidth > width - 5) width = textWidth + 8;
    }
    SetDropWidth(std::max(width, Width()));
}

void TGridCombo::DoChange()
{
    if (!WorkMode || !FGrid->Lookup || !IsEditable()) return;
    const std::string typed = Copy(Text(), 1, SelStart());
    const bool caseSensitive = FGrid->LookupCaseSensitive;
    if (const int i = FindCompletion(
            Items()->Count(), [this](int k) { return Items()->Strings(k); }, typed, caseSensitive);
        i >= 0) {
        const std::string item = Items()->Strings(i);
        SetItemIndex(i);
        ShowCompletion(*this, typed, item);
        ItemIdx = i;
        ItemChange = true;
        return;
    }
    // The grid's lookup items complete the text but select no item of the combo.
    const TStringList* lookup = FGrid->LookupItems();
    if (const int i = FindCompletion(
            lookup->Count(), [lookup](int k) { return lookup->Strings(k); }, typed, caseSensitive);
        i >= 0) {
        ShowCompletion(*this, typed, lookup->Strings(i));
        ItemIdx = i;
        ItemChange = true;
    }
}

void TGridCombo::Change()
{
    TEsgComboBox::Change();
    FGrid->EditorTextChanged(Text());
}

void TGridCombo::NotifyPick()
{
    if (ItemIndex() < 0 || ItemIndex() == FNotifiedIndex) return;
    FNotifiedIndex = ItemIndex();
    FGrid->FireComboChange(ItemIndex(), Text());
}

void TGridCombo::WndProc(TMessage& Message)
{
    // The wheel picks within the list rather than reaching the grid, which would move the
    // current row and close the editor.
    if (Message.Msg == WM_MOUSEWHEEL) {
        WheelPick(static_cast<int16_t>(HIWORD(Message.WParam)));
        Message.Result = 0;
        return;
    }
    TEsgComboBox::WndProc(Message);
}

void TGridCombo::WheelPick(int Delta)
{
    const int index = ItemIndex();
    if (Delta < 0 && index < Items()->Count() - 1) SetItemIndex(index + 1);
    if (Delta > 0 && index > 0) SetItemIndex(index - 1);
    if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
    FNotifiedIndex = ItemIndex();
    FGrid->FireComboChange(ItemIndex(), Text());
}

void TGridCombo::Select()
{
    NotifyPick();
    TEsgComboBox::Select();
}

void TGridCombo::DoEnter()
{
    TEsgComboBox::DoEnter();
    TPoint pressed;
    const bool clicked = FGrid->TakeClickCaretPoint(*this, pressed);
    if (!IsEditable()) return;
    if (clicked)
        SetSelStart(CharAtPoint(pressed));
    else if (FGrid->Navigation()->EditSelectAll)
        SelectAll();
    else
        SetSelStart(Length(Text()));
}

void TGridCombo::DoExit()
{
    if (FGrid->LookupHistory && !Text().empty() && Items()->IndexOf(Text()) < 0) Items()->Add(Text());
    // Leaving by focus stores the value, unless the grid is reading the editor back already.
    FGrid->SpecialEditorLeft();
    TEsgComboBox::DoExit();
}

void TGridCombo::WMGetDlgCode(TMessage& Message)
{
    TEsgComboBox::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
    if (FGrid->EditorWantsTab()) Message.Result |= DLGC_WANTTAB;
}

bool TGridCombo::IsHandledKey(Word Key) const
{
    if (Style() == csDropDownList || DroppedDown())
        return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT || Key == VK_RIGHT;
    // Up and Down move within the list (or, without ComboGetUpDown, leave to the grid).
    return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
           Key == VK_END;
}

bool TGridCombo::ValidateForExit()
{
    if (!FGrid->StoreAndValidate(Value())) {
        SelectValue(FGrid->NewCellText());
        if (IsEditable()) SelectAll();
        Invalidate();
        return false;
    }
    if (Picked()) SelectValue(FGrid->CurrentCell());
    return true;
}

void TGridCombo::KeyDown(Word& Key, TShiftState Shift)
{
    FSelKeyDown = SelStart();
    if (Key != VK_BACK && Key != VK_DELETE) WorkMode = true;
    if (Key == VK_BACK || Key == VK_DELETE) WorkMode = false;
    if ((Key == VK_UP || Key == VK_DOWN) && !DroppedDown() && !FGrid->Navigation()->ComboGetUpDown) {
        FGrid->DoneInplaceEdit(Key, Shift);
        Key = 0;
        return;
    }
    if (!IsHandledKey(Key) || (Key == VK_DOWN && Shift.Contains(ssAlt))) {
        TEsgComboBox::KeyDown(Key, Shift);
        return;
    }
    switch (Key) {
    case VK_ESCAPE:
        // Back to the cell's value; a list combo forgets an unconfirmed pick.
        SelectValue(FGrid->CurrentCell());
        FGrid->CancelEditControl();
        Key = 0;
        return;
    case VK_RETURN:
        if (!ValidateForExit()) {
            Key = 0;
            return;
        }
        break;
    case VK_TAB:
        if (FGrid->EditorWantsTab()) {
            if (!ValidateForExit()) {
                Key = 0;
                return;
            }
            FGrid->TabOutOfEditor(Shift);
            Key = 0;
            return;
        }
        break;
    default:
        break;
    }
    if (Style() == csDropDownList || DroppedDown()) {
        SetDroppedDown(false);
        if (Key == VK_LEFT || Key == VK_RIGHT) {
            Word key = Key;
            FGrid->KeyDown(key, Shift);
            Key = 0;
            return;
        }
    } else if (Key == VK_END) {
        TEsgComboBox::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_PRIOR || Key == VK_NEXT) {
        Key = 0;
        return;
    }
    FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridCombo::KeyPress(char32_t& Key)
{
    const int before = ItemIndex();
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
    if (Key == 27) Key = 0;
    if (Key == U'\r' && OnReturnKey) OnReturnKey(this);
    if (Key == U'\r' || Key == U'\t') Key = 0;
    TEsgComboBox::KeyPress(Key);
    if (ItemIndex() != before) NotifyPick();
}

void TGridCombo::KeyUp(Word& Key, TShiftState Shift)
{
    if (IsEditable() && FGrid->WalkOutOfEditor(Key, Shift, {SelStart(), SelLength(), Length(Text()), FSelKeyDown}, Text())) {
        Key = 0;
        return;
    }
    if (Key != VK_RETURN) TEsgComboBox::KeyUp(Key, Shift);
    DoChange();
}
