#pragma once
#include "grid/foundation/editors/EsgSpinEdit.h"

class TExtStringGrid;

// The string grid's spin editor for the spin kinds. Page Up, Page Down, Home and End step
// or jump within the range; the keys that leave the cell validate.
class TGridSpin : public TEsgSpinEdit {
public:
    explicit TGridSpin(TExtStringGrid* AGrid);

    void UpClick(TObject* Sender) override;
    void DownClick(TObject* Sender) override;

protected:
    void Change() override;
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void WMChar(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    // Page Up, Page Down, Home and End within the range of the integer and float types.
    void JumpWithinRange(Word Key);
    void FireSpinClick(bool Up);
    // The step event of the spin type, with the value after the step.
    void FireStepEvent(bool Up);

    TExtStringGrid* FGrid;
};
