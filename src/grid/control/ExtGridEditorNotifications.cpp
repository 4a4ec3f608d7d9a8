#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/DateTimePicker.h"

// The in-cell editors and the search footer report to the owning window through these;
// descendants override them to act before the window hears of it.

void TExtStringGrid::DoSearchFooterAction(const std::string& Value, int ACol, int ARow,
                                          TSearchAction SearchAction)
{
    if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TExtStringGrid::DoButtonClick(int ACol, int ARow)
{
    if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TExtStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
}

void TExtStringGrid::DoComboCloseUp(int ARow, int ACol)
{
    if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TExtStringGrid::DoComboDropDown(int ARow, int ACol)
{
    if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

void TExtStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

bool TExtStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate)
{
    bool allow = true;
    if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

void TExtStringGrid::DateTimePickerChange(const TDateTimePicker& Picker)
{
    if (OnDateTimeChange) OnDateTimeChange(this, Col(), Row(), Picker.DateTime());
}

// The window hears the picker's value as the text the cell would show.
void TExtStringGrid::DatePickerChange(const TDateTimePicker& Picker)
{
    if (!OnEditChange) return;
    const std::string value = Picker.Kind() == dtkTime
                                  ? FormatDateTime(FormatSettings().LongTimeFormat, Picker.Time())
                                  : DateToStr(Picker.Date());
    OnEditChange(this, Col(), Row(), value);
}

void TExtStringGrid::DatePickerDropDown()
{
    if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), Col());
}

void TExtStringGrid::DatePickerCloseUp()
{
    if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
    if (MouseActions()->DirectDateClose) HideInplaceEdit();
}
