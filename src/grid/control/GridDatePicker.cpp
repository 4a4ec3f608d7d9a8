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
        if (!TryStrToDate(Text, value)) value = Now();
        SetDate(value);
    }
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
