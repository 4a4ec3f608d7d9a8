#include "grid/control/CellFormControls.h"

#include "grid/control/ExtStringGrid.h"
#include "platform/ui/Messages.h"

namespace {

// Enter and Tab belong to the grid only while the control edits one of its cells.
void FormControlKeyToGrid(TWinControl& Control, char32_t& Key)
{
    if (Key != U'\r' && Key != U'\t') return;
    if (auto* grid = dynamic_cast<TExtStringGrid*>(Control.Parent())) grid->FormControlKey(Key);
}

} // namespace

void TControlEdit::WMGetDlgCode(TMessage& Message)
{
    TCustomMaskEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTTAB;
}

void TControlEdit::KeyPress(char32_t& Key)
{
    FormControlKeyToGrid(*this, Key);
    TCustomMaskEdit::KeyPress(Key);
}

void TControlCombo::WMGetDlgCode(TMessage& Message)
{
    TEsgComboBox::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTTAB;
}

void TControlCombo::KeyPress(char32_t& Key)
{
    FormControlKeyToGrid(*this, Key);
    TEsgComboBox::KeyPress(Key);
}
