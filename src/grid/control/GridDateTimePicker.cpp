#include "grid/control/GridDateTimePicker.h"

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"

namespace {

const char* const ShortTimeFormat = "hh:nn";

} // namespace

TGridDateTimePicker::TGridDateTimePicker(TExtStringGrid* AGrid) : TExtDateTimePicker(AGrid), FGrid(AGrid)
{
    SetKind(dkDateTime);
}

TDateTime TGridDateTimePicker::ReadCellText(const std::string& Text)
{
    const std::string text = Trim(Text);
    const std::size_t blank = text.find(' ');
    TDateTime date = 0;
    if (!TryStrToDate(text.substr(0, blank), date)) return Now();
    TDateTime time = 0;
    if (blank != std::string::npos && !TryStrToTime(Trim(text.substr(blank + 1)), time)) return Now();
    return date + time;
}

std::string TGridDateTimePicker::CellText(TDateTime Value)
{
    return FormatDateTime(FormatSettings().ShortDateFormat + " " + ShortTimeFormat, Value);
}

void TGridDateTimePicker::WMGetDlgCode(TMessage& Message)
{
    TExtDateTimePicker::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
    if (FGrid->EditorWantsTab()) Message.Result |= DLGC_WANTTAB;
}

void TGridDateTimePicker::CloseIntoGrid()
{
    FGrid->HideInplaceEdit();
    if (FGrid->CanFocus()) FGrid->SetFocus();
}

void TGridDateTimePicker::KeyDown(Word& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_ESCAPE:
        FGrid->CancelEditControl();
        break;
    case VK_RETURN:
        CloseIntoGrid();
        if (FGrid->Navigation()->AdvanceOnEnter)
            FGrid->AdvanceEditPosition(FGrid->Col(), FGrid->Row(), true, false, true, true, false);
        break;
    case VK_TAB:
        if (!FGrid->EditorWantsTab()) {
            TExtDateTimePicker::KeyDown(Key, Shift);
            return;
        }
        // Closing stores the whole date and time; the date field's text alone would lose the time.
        CloseIntoGrid();
        FGrid->TabOutOfEditor(Shift);
        break;
    default:
        TExtDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    Key = 0;
}
