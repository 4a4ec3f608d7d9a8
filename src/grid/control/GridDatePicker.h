#pragma once
#include "grid/foundation/editors/EsgDateTimePicker.h"

class TExtStringGrid;

// The string grid's date or time picker, for the date and time editor kinds. Enter and Tab
// validate the shown text; Escape goes back to the cell's value.
class TGridDatePicker : public TEsgDateTimePicker {
public:
    explicit TGridDatePicker(TExtStringGrid* AGrid);

    // Shows the value a cell text stands for: its date (or time), the current one when the
    // text is empty or no date.
    void LoadCellText(const std::string& Text);

    // The range a loaded date is brought into; 0 leaves that end open.
    TDateTime MinDate = 0;
    TDateTime MaxDate = 0;

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    TDateTime ReadDateText(const std::string& Text) const;

    TExtStringGrid* FGrid;
};
