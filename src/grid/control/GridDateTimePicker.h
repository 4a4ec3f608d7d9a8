#pragma once
#include <string>

#include "grid/foundation/editors/ExtDateTimePicker.h"

class TExtStringGrid;

// The string grid's date-and-time picker, for the date-and-time editor kind. It leaves the
// validation to the grid's cell change; Escape brings back the value it was opened with.
class TGridDateTimePicker : public TExtDateTimePicker {
public:
    explicit TGridDateTimePicker(TExtStringGrid* AGrid);

    // A cell text in the short date format, a blank and the short time format; the date
    // alone reads as midnight. Empty or unreadable texts read as now.
    static TDateTime ReadCellText(const std::string& Text);
    static std::string CellText(TDateTime Value);

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    // Closes the editor, storing the shown value, with the focus back on the grid.
    void CloseIntoGrid();

    TExtStringGrid* FGrid;
};
