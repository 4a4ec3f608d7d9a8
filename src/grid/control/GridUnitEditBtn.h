#pragma once
#include "grid/foundation/editors/EsgEditBtn.h"

class TExtStringGrid;

// The string grid's edit with a unit and a button, for the unit kinds: the cell holds the
// number followed by its unit, which the editor shows apart.
class TGridUnitEditBtn : public TEsgUnitEditBtn {
public:
    explicit TGridUnitEditBtn(TExtStringGrid* AGrid);

    void ButtonClick(TObject* Sender) override;

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMChar(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    TExtStringGrid* FGrid;
};
