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
    // The dropped-down calendar numbers its weeks, names today's date on a line below the
    // month, and circles today.
    bool Weeknumbers = false;
    bool ShowToday = true;
    bool ShowTodayCircle = true;

    void WndProc(TMessage& Message) override;

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    // A typed digit may complete a field; the picker then moves on to the next one.
    void KeyPress(char32_t& Key) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    TDateTime ReadDateText(const std::string& Text) const;
    // Whether the digits typed since the value was remembered call for the next field.
    bool TypedFieldDone() const;
    void SendRightKey();

    // The value before the last digit key.
    int Fy = 0, Fm = 0, Fd = 0;
    int Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;

    TExtStringGrid* FGrid;
};
