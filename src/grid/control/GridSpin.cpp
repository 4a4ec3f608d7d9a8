#include "grid/control/GridSpin.h"

#include "grid/control/ExtStringGrid.h"
#include "platform/rtl/SysUtils.h"

TGridSpin::TGridSpin(TExtStringGrid* AGrid) : TEsgSpinEdit(AGrid), FGrid(AGrid)
{
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

void TGridSpin::FireSpinClick(bool Up)
{
    if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->RealCol(), FGrid->Row(), Value(), Up);
}

void TGridSpin::FireStepEvent(bool Up)
{
    const int col = FGrid->RealCol(), row = FGrid->Row();
    switch (SpinType()) {
    case sptNormal:
        FireSpinClick(Up);
        break;
    case sptFloat:
        if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, col, row, FloatValue(), Up);
        break;
    case sptDate:
        if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, col, row, DateValue(), Up);
        break;
    case sptTime:
        if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, col, row, TimeValue(), Up);
        break;
    }
}

void TGridSpin::UpClick(TObject* Sender)
{
    TEsgSpinEdit::UpClick(Sender);
    FireStepEvent(true);
}

void TGridSpin::DownClick(TObject* Sender)
{
    TEsgSpinEdit::DownClick(Sender);
    FireStepEvent(false);
}

void TGridSpin::Change()
{
    TEsgSpinEdit::Change();
    FGrid->EditorTextChanged(Text());
}

void TGridSpin::DoExit()
{
    FGrid->SpecialEditorLeft();
    TEsgSpinEdit::DoExit();
}

void TGridSpin::WMGetDlgCode(TMessage& Message)
{
    TEsgSpinEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
    if (FGrid->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
}

void TGridSpin::WMChar(TMessage& Message)
{
    const auto ch = static_cast<char32_t>(Message.WParam);
    if (ch != U'\t' && ch != U'\r') TEsgSpinEdit::WMChar(Message);
}

void TGridSpin::KeyPress(char32_t& Key)
{
    if (Key == 27) Key = 0;
    if (Key != U'\r') TEsgSpinEdit::KeyPress(Key);
}

void TGridSpin::JumpWithinRange(Word Key)
{
    if (SpinType() == sptNormal) {
        const int v = Value();
        if (Key == VK_PRIOR && v + Increment() <= MaxValue()) SetValue(v + Increment());
        if (Key == VK_NEXT && v - Increment() >= MinValue()) SetValue(v - Increment());
        if (Key == VK_END) SetValue(MinValue());
        if (Key == VK_HOME) SetValue(MaxValue());
    } else if (SpinType() == sptFloat) {
        const double v = FloatValue();
        if (Key == VK_PRIOR && v + IncrementFloat() <= MaxFloatValue()) SetFloatValue(v + IncrementFloat());
        if (Key == VK_NEXT && v - IncrementFloat() >= MinFloatValue()) SetFloatValue(v - IncrementFloat());
        if (Key == VK_END) SetFloatValue(MinFloatValue());
        if (Key == VK_HOME) SetFloatValue(MaxFloatValue());
    }
}

void TGridSpin::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_HOME || Key == VK_END) {
        JumpWithinRange(Key);
        FireSpinClick(Key == VK_PRIOR || Key == VK_HOME);
        Key = 0;
        return;
    }
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_UP && Key != VK_DOWN) {
        TEsgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    // Escape leaves the cell exactly as it was: read back as a number, a text such as
    // "1,234.50" or "abc" would change.
    if (Key == VK_ESCAPE) {
        FGrid->CancelEditControl();
        Key = 0;
        return;
    }
    if (!FGrid->StoreAndValidate(Text())) {
        SetText(FGrid->CurrentCell());
        SetSelStart(Length(Text()));
        Invalidate();
        Key = 0;
        return;
    }
    SetText(FGrid->CurrentCell());
    if (Key == VK_TAB && FGrid->Options().Contains(goTabs))
        FGrid->TabOutOfEditor(Shift);
    else
        FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}
