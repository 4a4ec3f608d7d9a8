#pragma once
#include "platform/ui/StdCtrls.h"

class TExtStringGrid;

// The string grid's check box editor: the box toggles in place and reading it back stores
// nothing; the navigation keys close it.
class TGridCheckBox : public TCheckBox {
public:
    explicit TGridCheckBox(TExtStringGrid* AGrid);

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    TExtStringGrid* FGrid;
};

// The string grid's push button editor: a click hands the caption to the application's
// OnEllipsClick and stores the answer in the cell; the arrow keys and Escape close it.
class TGridButton : public TButton {
public:
    explicit TGridButton(TExtStringGrid* AGrid);

    void Click() override;

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    // Hidden and disabled, with the focus back on the grid.
    void Close();

    TExtStringGrid* FGrid;
};
