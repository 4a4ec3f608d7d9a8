#pragma once
#include "grid/foundation/editors/EsgEditBtn.h"

class TExtStringGrid;

// The string grid's edit with an ellipsis button, for the edit-with-button kinds. The button
// hands the text to the application's OnEllipsClick; the keys that leave the cell validate.
class TGridEditBtn : public TEsgEditBtn {
public:
    explicit TGridEditBtn(TExtStringGrid* AGrid);

    void ButtonClick(TObject* Sender) override;
    void WndProc(TMessage& Message) override;
    // The editor closes after a button click.
    bool StopEditAfterClick = false;

protected:
    void Change() override;
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void WMChar(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    TExtStringGrid* FGrid;
    bool WorkMode = true;
    // The caret when the last key went down.
    int FSelKeyDown = 0;
};
