#include "grid/control/GridDatePicker.h"

#include "grid/control/ExtStringGrid.h"
#include "platform/rtl/DateFormat.h"

TGridDatePicker::TGridDatePicker(TExtStringGrid* AGrid) : TEsgDateTimePicker(AGrid), FGrid(AGrid)
{
    OnChange = [this](TObject*) { FGrid->DatePickerChange(*this); };
    OnCloseUp = [this](TObject*) { FGrid->DatePickerCloseUp(); };
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

void TGridDatePicker::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_PRIOR && Key != VK_NEXT &&
        Key != VK_END) {
        TEsgDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) LoadCellText(FGrid->CurrentCell());
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
