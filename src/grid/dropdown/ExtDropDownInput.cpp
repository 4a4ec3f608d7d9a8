#include "grid/dropdown/ExtDropDown.h"

#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/EditNumberText.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Input.h"

// ---- the value ----

TEditState TExtCustomDropDown::EditState() const { return {ShownText(), SelStart(), SelLength()}; }

void TExtCustomDropDown::ApplyEditState(const TEditState& State)
{
    if (State.Text != ShownText()) {
        FApplying = &State;
        TCustomMaskEdit::SetText(State.Text);
        FApplying = nullptr;
        // A change handler that rewrote the text (a completion) placed the caret itself.
        if (ShownText() != State.Text) return;
    }
    SetSelStart(State.SelStart);
    SetSelLength(State.SelLength);
}

void TExtCustomDropDown::Change()
{
    if (FApplying) {
        SetSelStart(FApplying->SelStart);
        SetSelLength(FApplying->SelLength);
        FApplying = nullptr;
    }
    TCustomMaskEdit::Change();
}

std::string TExtCustomDropDown::Text() const { return FInput.ValueOf(ShownText()); }

void TExtCustomDropDown::SetText(const std::string& Value)
{
    const std::string Normalized = FInput.NormalizedValue(Value);
    // A value written by the program puts the caret at the start, before any change handler.
    const TEditState AtStart{FInput.Shown(Normalized), 0, 0};
    FApplying = &AtStart;
    TCustomMaskEdit::SetText(AtStart.Text);
    FApplying = nullptr;
    FOldText = Normalized;
    SetValueModified(false);
}

void TExtCustomDropDown::SetEditText(const std::string& Value) { TCustomMaskEdit::SetText(Value); }

void TExtCustomDropDown::SetFloatValue(double Value)
{
    SetText(FInput.FloatValueText(Value));
    SetValueModified(true);
}

void TExtCustomDropDown::SetIntValue(int Value)
{
    SetText(FInput.IntValueText(Value));
    SetValueModified(true);
}

double TExtCustomDropDown::GetFloatValue() const { return FInput.FloatValue(Text()); }

void TExtCustomDropDown::SetValueModified(bool Value)
{
    if (ComponentState().Contains(csLoading)) return;
    // Clearing always counts; only a typing, writable edit can become modified.
    if (Value && (!FEditorEnabled || ReadOnly())) return;
    SetModified(Value);
    FIsModified = Value;
}

void TExtCustomDropDown::SetInputType(TDropDownEditType Type)
{
    if (Type == FInput.EditType) return;
    FInput.EditType = Type;
    SetPasswordChar(Type == etPassword ? U'*' : 0);
    if (Type == etPassword) FCanUndo = false;
    const std::string Value = Text();
    const TEditNumberKind Kind = ClassifyEditNumberText(Value);
    if (Type == etNumeric && Kind != enkInteger) SetIntValue(0);
    if ((Type == etFloat || Type == etMoney) && Kind != enkInteger && Kind != enkDecimal) SetFloatValue(0);
    if (Type == etHex && Kind != enkInteger && Kind != enkHex) SetIntValue(0);
}

void TExtCustomDropDown::SetPrecision(int Value)
{
    const TDropDownEditType Type = FInput.EditType;
    if ((Type != etString && Type != etFloat && Type != etMoney) || Value == FInput.Precision) return;
    FInput.Precision = Value;
    const TEditNumberKind Kind = ClassifyEditNumberText(Text());
    SetFloatValue(Kind == enkInteger || Kind == enkDecimal ? GetFloatValue() : 0);
}

void TExtCustomDropDown::SelectAll() { ApplyEditState(FInput.SelectValue(EditState())); }

void TExtCustomDropDown::SelectAfterDecimal()
{
    const TEditState Value = FInput.SelectValue(EditState());
    const size_t At = utf8::Decode(Text()).find(static_cast<unsigned char>(FormatSettings().DecimalSeparator));
    ApplyEditState({Value.Text, Value.SelStart + (At == std::u32string::npos ? 0 : static_cast<int>(At) + 1), 0});
}

void TExtCustomDropDown::SelectBeforeDecimal()
{
    const TEditState Value = FInput.SelectValue(EditState());
    const size_t At = utf8::Decode(Text()).find(static_cast<unsigned char>(FormatSettings().DecimalSeparator));
    ApplyEditState({Value.Text, Value.SelStart + (At == std::u32string::npos ? 0 : static_cast<int>(At)), 0});
}

// ---- keys ----

// Keys that the open popup's control wants go to it, as if it had the focus: the key-down
// alone, since the edit passes the character it types on by itself.
void TExtCustomDropDown::ForwardToControl(const TMessage& m)
{
    auto* Target = dynamic_cast<TWinControl*>(FControl);
    if (!FDroppedDown || !Target) return;
    if (m.Msg == WM_KEYDOWN) DeliverKeyDown(Target, static_cast<Word>(m.WParam), KeyDataToShiftState(m.LParam), U"");
    else DeliverKeyMessage(Target, m);
}

void TExtCustomDropDown::CloseKeys(Word key)
{
    const bool Open = FDropDownForm && FDropDownForm->IsOpen();
    if (key == VK_RETURN && Open) DoDropUp(false);
    else if (key == VK_ESCAPE && Open) DoDropUp(true);
    else if (key == VK_F4) Open ? DoDropUp(false) : DoDropDown();
}

void TExtCustomDropDown::PickOnlyKeyDown(Word& key, TShiftState shift)
{
    if (!ReadOnly()) CloseKeys(key);
    if (key == VK_RETURN || key == VK_ESCAPE) TCustomMaskEdit::KeyDown(key, shift);
    key = 0;
}

void TExtCustomDropDown::KeyDown(Word& key, TShiftState shift)
{
    FLastKeyDown = key;
    if (ComponentState().Contains(csDesigning)) return;
    if (shift.Contains(ssAlt) && (key == VK_UP || key == VK_DOWN)) {
        FDroppedDown ? DoDropUp(false) : DoDropDown();
        key = 0;
        return;
    }
    if (FDroppedDown && ControlTakesKey(key, shift)) {
        ForwardToControl(TMessage{WM_KEYDOWN, key, ShiftStateToKeyData(shift), 0});
        key = 0;
        return;
    }
    if (!FEditorEnabled && Enabled()) {
        PickOnlyKeyDown(key, shift);
        return;
    }
    if (shift.Contains(ssCtrl) && (key == VK_TAB || key == VK_RETURN)) {
        TCustomMaskEdit::KeyDown(key, shift);
        return;
    }
    if (FReturnIsTab && key == VK_RETURN && !FDroppedDown) {
        if (Visible()) PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
        key = 0;
        return;
    }
    const bool Ctrl = shift.Contains(ssCtrl), Shift = shift.Contains(ssShift);
    if ((Ctrl && (key == 'V' || key == 'X' || key == 'C' || key == VK_INSERT)) || (Shift && (key == VK_INSERT || key == VK_DELETE))) {
        Perform(key == 'V' || (Shift && key == VK_INSERT) ? WM_PASTE : key == 'X' || key == VK_DELETE ? WM_CUT : WM_COPY);
        key = 0;
        return;
    }
    const TKeyResult Rule = FInput.KeyDown(EditState(), key, Shift);
    if (Rule.Outcome == koSwallow) {
        key = 0;
        return;
    }
    if (Rule.Outcome == koConsumed) {
        ApplyEditState(Rule.State);
        key = 0;
        return;
    }
    if (Rule.MarkModified) SetValueModified(true);
    TCustomMaskEdit::KeyDown(key, shift);
    if (key == VK_DELETE && !ReadOnly()) {
        // The deletion happens here so that money values are grouped again at once.
        const TEditState Before = EditState();
        TEditState After = Before;
        if (After.SelLength == 0) After.SelLength = 1;
        After = TypeInto(After, 8);
        if (After.SelStart < Before.SelStart) After = Before; // nothing after the caret
        if (FInput.EditType == etMoney) After = FInput.FormatMoney(After);
        ApplyEditState(After);
        key = 0;
        return;
    }
    if (key == VK_ESCAPE && !FDroppedDown && FCanUndo) {
        SelectAll();
        SetModified(false);
        if (FDefaultHandling && Parent()) PostMessage(Parent(), WM_KEYDOWN, VK_ESCAPE, 0);
        key = 0;
        return;
    }
    const bool WasOpen = FDroppedDown;
    CloseKeys(key);
    if (key == VK_F4 || (WasOpen && (key == VK_RETURN || key == VK_ESCAPE))) key = 0;
}

// While the popup is open, Enter, Escape and Tab belong to it, not to the dialog.
void TExtCustomDropDown::WMGetDlgCode(TMessage& message)
{
    TCustomMaskEdit::WMGetDlgCode(message);
    if (FDroppedDown) message.Result |= DLGC_WANTALLKEYS | DLGC_WANTTAB;
}

void TExtCustomDropDown::WMChar(TMessage& message)
{
    char32_t Ch = static_cast<char32_t>(message.WParam);
    const TShiftState Shift = KeyDataToShiftState(message.LParam);
    if (FDroppedDown && ControlTakesChar(Ch, Shift)) {
        ForwardToControl(message);
        return;
    }
    if (!FEditorEnabled) return;
    if (Ch == 13) {
        KeyPress(Ch);
        return;
    }
    if (Ch == 27) {
        if (!FCanUndo) TCustomMaskEdit::WMChar(message);
        return;
    }
    // The clipboard keys were done at key-down; their control characters type nothing.
    if (Ch == 3 || Ch == 22 || Ch == 24) return;
    KeyPress(Ch);
    if (Ch == 0) return;
    const TInputResult Result = FInput.TypeChar(EditState(), Ch, {Shift.Contains(ssCtrl), FLastKeyDown == VK_DECIMAL});
    if (!Result.Accepted) return;
    ApplyEditState(Result.State);
    if (Result.MarkModified) SetValueModified(true);
}

bool TExtCustomDropDown::HandleClipboard(const TMessage& m)
{
    const TEditState State = EditState();
    const std::string Selected = utf8::Encode(utf8::Decode(State.Text).substr(State.SelStart, State.SelLength));
    bool Allow = true;
    switch (m.Msg) {
    case WM_CUT:
        if (!FEditorEnabled || ReadOnly()) return true;
        if (OnClipboardCut) OnClipboardCut(this, Selected, Allow);
        if (!Allow) return true;
        Clipboard()->SetAsText(Selected);
        ApplyEditState(TypeInto(State, 8));
        SetValueModified(true);
        return true;
    case WM_COPY:
        if (OnClipboardCopy) OnClipboardCopy(this, Selected, Allow);
        if (Allow) Clipboard()->SetAsText(Selected);
        return true;
    case WM_PASTE: {
        const std::string Clip = Clipboard()->AsText();
        if (ReadOnly() || Clip.empty()) return true;
        // The edit holds the length limit; a paste that would pass it is refused whole,
        // where the edit itself would cut the text.
        FInput.MaxLength = MaxLength();
        const TInputResult Result = FInput.Paste(State, Clip);
        if (!Result.Accepted) return true;
        if (OnClipboardPaste) OnClipboardPaste(this, FInput.ValueOf(Result.State.Text), Allow);
        if (!Allow) return true;
        ApplyEditState(Result.State);
        SetValueModified(true);
        return true;
    }
    default:
        return false;
    }
}

void TExtCustomDropDown::WndProc(TMessage& message)
{
    if ((message.Msg == WM_CUT || message.Msg == WM_COPY || message.Msg == WM_PASTE) && HandleClipboard(message))
        return;
    TCustomMaskEdit::WndProc(message);
}

// ---- focus, mouse, wheel ----

void TExtCustomDropDown::DoEnter()
{
    TCustomMaskEdit::DoEnter();
    if (FEditorEnabled) {
        if (AutoSelect()) SelectAll();
        else if (FInput.EditType == etFloat || FInput.EditType == etMoney) SelectBeforeDecimal();
    }
    label_.FocusChanged(true);
    Invalidate();
}

void TExtCustomDropDown::DoExit()
{
    if (FEditorEnabled && !ComponentState().Contains(csLoading)) {
        const bool WasModified = FIsModified;
        const std::string Value = Text();
        const bool Number = FInput.EditType == etFloat || FInput.EditType == etMoney;
        if (FInput.Precision > 0 && Number && (!Value.empty() || !FInput.AllowNumericNullValue)) {
            SetFloatValue(GetFloatValue());
            SetValueModified(WasModified);
        } else if (Value.empty() && !FInput.AllowNumericNullValue) {
            if (FInput.EditType == etNumeric) SetText("0");
            else if (Number) SetFloatValue(0);
        }
    }
    TCustomMaskEdit::DoExit();
    label_.FocusChanged(false);
    Invalidate();
}

// A click on a pick-only edit opens its popup.
void TExtCustomDropDown::Click()
{
    TCustomMaskEdit::Click();
    if (!FEditorEnabled) ToggleFromButton();
}

void TExtCustomDropDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomMaskEdit::MouseUp(button, shift, x, y);
    if (!FEditorEnabled || ReadOnly()) Invalidate();
    else ApplyEditState(FInput.ClampToValue(EditState()));
}

bool TExtCustomDropDown::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    const bool Handled = TCustomMaskEdit::DoMouseWheelDown(shift, mousePos);
    SelectNextValue();
    return Handled;
}

bool TExtCustomDropDown::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    const bool Handled = TCustomMaskEdit::DoMouseWheelUp(shift, mousePos);
    SelectPreviousValue();
    return Handled;
}

void TExtCustomDropDown::CMMouseEnter(TMessage& message)
{
    TCustomMaskEdit::CMMouseEnter(message);
    if (Enabled() && !FMouseInControl) {
        FMouseInControl = true;
        Invalidate();
    }
}

void TExtCustomDropDown::CMMouseLeave(TMessage& message)
{
    TCustomMaskEdit::CMMouseLeave(message);
    if (Enabled() && FMouseInControl) {
        FMouseInControl = false;
        Invalidate();
    }
}

void TExtCustomDropDown::CMEnabledChanged(TMessage& message)
{
    TCustomMaskEdit::CMEnabledChanged(message);
    if (FButton) FButton->SetEnabled(Enabled());
    if (!label_.AlwaysEnabled()) label_.FollowEnabled(Enabled());
}

void TExtCustomDropDown::CMVisibleChanged(TMessage& message)
{
    TCustomMaskEdit::CMVisibleChanged(message);
    label_.FollowVisible();
}
