#include "grid/control/GridDatePicker.h"

#include <cctype>

#include "grid/control/ExtStringGrid.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"

TGridDatePicker::TGridDatePicker(TExtStringGrid* AGrid) : TEsgDateTimePicker(AGrid), FGrid(AGrid)
{
    OnChange = [this](TObject*) { FGrid->DatePickerChange(*this); };
    OnCloseUp = [this](TObject*) { FGrid->DatePickerCloseUp(); };
    OnDropDown = [this](TObject*) {
        SetCalendarMarks(Weeknumbers, ShowToday, ShowTodayCircle);
        FGrid->DatePickerDropDown();
    };
}

void TGridDatePicker::LoadCellText(const std::string& Text)
{
    TDateTime value = Now();
    if (Kind() == dtkTime) {
        if (!TryStrToTime(Text, value)) value = Now();
        SetTime(value);
    } else {
        SetDate(ReadDateText(Text));
    }
}

// The limits themselves are kept out: the calendar offers only the days strictly inside them.
TDateTime TGridDatePicker::ReadDateText(const std::string& Text) const
{
    TDateTime value = Now();
    if (Text.empty()) return value;
    if (FGrid->OnCustomStrToDate) {
        FGrid->OnCustomStrToDate(FGrid, Text, value);
        return value;
    }
    if (!TryStrToDate(Text, value)) return Now();
    if (MaxDate != 0 && value > MaxDate) value = MaxDate - 1;
    if (MinDate != 0 && value <= MinDate) value = MinDate + 1;
    return value;
}

void TGridDatePicker::DoExit()
{
    FGrid->SpecialEditorLeft();
    TEsgDateTimePicker::DoExit();
}

void TGridDatePicker::WMGetDlgCode(TMessage& Message)
{
    TEsgDateTimePicker::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
    if (FGrid->EditorWantsTab()) Message.Result |= DLGC_WANTTAB;
}

void TGridDatePicker::KeyPress(char32_t& Key)
{
    const bool digit = Key >= U'0' && Key <= U'9';
    if (digit) {
        DecodeDate(DateTime(), Fy, Fm, Fd);
        DecodeTime(DateTime(), Fth, Ftm, Fts, Ftms);
    }
    TEsgDateTimePicker::KeyPress(Key);
    if (digit) PostMessage(this, DTPShiftFocusMessage(), 0, 0);
    if (FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
}

// A custom format's last field stays when it was the one typed; the picker has nowhere to go.
bool TGridDatePicker::TypedFieldDone() const
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
    DecodeDate(DateTime(), year, month, day);
    DecodeTime(DateTime(), hour, minute, second, ms);
    if (Kind() == dtkTime) return hour != Fth || minute != Ftm || second != Fts;
    const bool dayChanged = day != Fd, monthChanged = month != Fm, yearChanged = year != Fy;
    if (Format().empty()) return dayChanged || monthChanged;
    const char last = static_cast<char>(std::tolower(static_cast<unsigned char>(Format().back())));
    if ((dayChanged && last == 'd') || (monthChanged && last == 'm') || (yearChanged && last == 'y')) return false;
    return dayChanged || monthChanged || yearChanged;
}

// Posted, so that the platform picker has taken the digit before it moves on.
void TGridDatePicker::SendRightKey() { PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0); }

void TGridDatePicker::WndProc(TMessage& Message)
{
    if (Message.Msg == DTPShiftFocusMessage()) {
        if (TypedFieldDone()) SendRightKey();
        return;
    }
    TEsgDateTimePicker::WndProc(Message);
}

void TGridDatePicker::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_PRIOR && Key != VK_NEXT &&
        Key != VK_END) {
        TEsgDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        FGrid->CancelEditControl();
        Key = 0;
        return;
    }
    if (Key == VK_RETURN || (Key == VK_TAB && FGrid->EditorWantsTab())) {
        if (!FGrid->StoreAndValidate(Text())) {
            LoadCellText(FGrid->NewCellText());
            Invalidate();
            Key = 0;
            return;
        }
        LoadCellText(FGrid->CurrentCell());
        if (Key == VK_TAB) {
            FGrid->TabOutOfEditor(Shift);
            Key = 0;
            return;
        }
    }
    if (!DroppedDown()) FGrid->DoneInplaceEdit(Key, Shift);
    Key = 0;
}
