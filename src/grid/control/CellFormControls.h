#pragma once
#include "grid/foundation/editors/EsgComboBox.h"
#include "platform/ui/MaskEdit.h"

// The edit box and the combo that the grid lays over an EDIT, PASSWORD, MASK or COMBO
// control written in a cell's markup. Both keep Tab; Enter and Tab close them (the grid
// writes their value into the control's tag), and Tab goes on to the next control.

class TControlEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;

protected:
    void WMGetDlgCode(TMessage& Message) override;
    void KeyPress(char32_t& Key) override;
};

class TControlCombo : public TEsgComboBox {
public:
    using TEsgComboBox::TEsgComboBox;

protected:
    void WMGetDlgCode(TMessage& Message) override;
    void KeyPress(char32_t& Key) override;
};
