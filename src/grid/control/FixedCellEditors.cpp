#include "grid/control/FixedCellEditors.h"

#include "grid/control/ExtStringGrid.h"

bool StopFixedCellEditor(TWinControl& Editor, TExtStringGrid* Grid, int ACol, int ARow)
{
    if (!Grid) {
        Editor.Hide();
        return true;
    }
    std::string value = Editor.Text();
    bool valid = true;
    if (Grid->OnCellValidate) Grid->OnCellValidate(Grid, ACol, ARow, value, valid);
    if (!valid) {
        if (Editor.CanFocus()) Editor.SetFocus();
        return false;
    }
    if (Grid->OnEditingDone) Grid->OnEditingDone(Grid);
    Grid->SetCells(ACol, ARow, value);
    Editor.Hide();
    return true;
}

template <typename TBase>
TFixedCellEditorOf<TBase>::TFixedCellEditorOf(TExtStringGrid* AGrid) : TBase(AGrid), FGrid(AGrid)
{
}

template class TFixedCellEditorOf<TCustomEdit>;
template class TFixedCellEditorOf<TCustomComboBox>;
