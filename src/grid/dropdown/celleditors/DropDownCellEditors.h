#pragma once
#include "grid/control/DropDownCellEditing.h"
#include "platform/ui/Component.h"

class IGridDropDownEditor;

// A grid's drop-down cell editors: each made on first use, filled with the cell's value,
// shown over the cell and read back into it. The grid owns the editors; this keeps them.
class TDropDownCellEditors : public TComponent, public IDropDownCellEditing {
public:
    explicit TDropDownCellEditors(TExtStringGrid* AGrid);

    bool Show(TEditorType Kind, const TRect& Rect, int RealCol, int ARow) override;
    void Hide(int RealCol, int ARow) override;
    void SetStyle(TSuiteStyle Style) override;

    TGridTrackbarDropDown* TrackBar();
    TGridMemoDropDown* Memo();
    TGridCalculatorDropDown* Calculator();
    TGridTimepickerDropDown* TimePicker();
    TGridDetailPickerDropDown* DetailPicker();
    TGridGridDropDown* GridPicker();
    TGridColorDropDown* ColorPicker();
    TGridImageDropDown* ImagePicker();
    TGridExtGridDropDown* ExtGridPicker();

private:
    template <class TEditor> TEditor* Editor(TEditor*& Field);
    IGridDropDownEditor* EditorOf(TEditorType Kind);
    void Load(TEditorType Kind, int RealCol, int ARow);
    void Store(const IGridDropDownEditor& Shown, int RealCol, int ARow);

    TExtStringGrid* FGrid;
    TEditorType FShownKind = edNormal;
    TGridTrackbarDropDown* FTrackBar = nullptr;
    TGridMemoDropDown* FMemo = nullptr;
    TGridCalculatorDropDown* FCalculator = nullptr;
    TGridTimepickerDropDown* FTimePicker = nullptr;
    TGridDetailPickerDropDown* FDetailPicker = nullptr;
    TGridGridDropDown* FGridPicker = nullptr;
    TGridColorDropDown* FColorPicker = nullptr;
    TGridImageDropDown* FImagePicker = nullptr;
    TGridExtGridDropDown* FExtGridPicker = nullptr;
    IGridDropDownEditor* FShown = nullptr;
};

// The drop-down cell editors of Grid, made on first use.
TDropDownCellEditors& DropDownCellEditors(TExtStringGrid& Grid);
