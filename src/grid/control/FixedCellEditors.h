#pragma once
#include "platform/ui/CustomComboBox.h"
#include "platform/ui/StdCtrls.h"

class TExtStringGrid;

// The edit box and the combo box laid over a fixed (header) cell to edit its text in place.
// The grid makes one of each, keeps them hidden and shows one when a fixed cell is edited.
// Leaving the box stores its text in the cell unless OnCellValidate refuses it; Enter does
// nothing of its own, so that only a focus change ends the edit.

// Validates the editor's text for its cell, stores it and hides the editor; false, the
// editor keeping the focus, when validation refused.
bool StopFixedCellEditor(TWinControl& Editor, TExtStringGrid* Grid, int ACol, int ARow);

template <typename TBase> class TFixedCellEditorOf : public TBase {
public:
    explicit TFixedCellEditorOf(TExtStringGrid* AGrid);
    bool StopEdit() { return StopFixedCellEditor(*this, FGrid, FCol, FRow); }

    TExtStringGrid* FGrid;
    int FCol = -1; // real column
    int FRow = -1;

protected:
    void DoExit() override
    {
        TBase::DoExit();
        if (this->Visible()) StopEdit();
    }
    void KeyPress(char32_t& Key) override
    {
        if (Key == U'\r') Key = 0;
        TBase::KeyPress(Key);
    }
};

class TGridTransEdit : public TFixedCellEditorOf<TCustomEdit> {
public:
    using TFixedCellEditorOf::TFixedCellEditorOf;
};

class TGridTransCombo : public TFixedCellEditorOf<TCustomComboBox> {
public:
    using TFixedCellEditorOf::TFixedCellEditorOf;
};
