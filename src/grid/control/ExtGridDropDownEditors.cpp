#include "grid/control/CellGraphic.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridDropDownEditors.h"
#include "grid/control/settings/BarAppearance.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/rtl/SysUtils.h"

// The drop-down cell editors: made on first use, filled with the cell's value, shown over the
// cell and read back into it.

// Holds the drop-down editors the grid made so far; the grid owns the editors themselves.
class TDropDownCellEditors : public TComponent {
public:
    using TComponent::TComponent;

    TGridTrackbarDropDown* TrackBar = nullptr;
    TGridMemoDropDown* Memo = nullptr;
    TGridCalculatorDropDown* Calculator = nullptr;
    TGridTimepickerDropDown* TimePicker = nullptr;
    TGridDetailPickerDropDown* DetailPicker = nullptr;
    TGridGridDropDown* GridPicker = nullptr;
    TGridColorDropDown* ColorPicker = nullptr;
    TGridImageDropDown* ImagePicker = nullptr;
    TGridExtGridDropDown* ExtGridPicker = nullptr;
    IGridDropDownEditor* Shown = nullptr;
};

TDropDownCellEditors& TExtStringGrid::DropDownEditors()
{
    if (!FDropDownEditors) FDropDownEditors = new TDropDownCellEditors(this);
    return *FDropDownEditors;
}

template <class TEditor> TEditor* TExtStringGrid::DropDownEditor(TEditor*& Field)
{
    if (!Field) {
        Field = new TEditor(this);
        Field->SetVisible(false);
        Field->SetParent(this);
        Field->SetComponentStyle(FComponentStyle);
        Field->SetColorTones(FTones);
        Field->OnDropDownHeaderButtonClick = [this](TObject*, int Index) {
            if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(this, Col(), Row(), Index);
        };
        Field->OnDropDownFooterButtonClick = [this](TObject*, int Index) {
            if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(this, Col(), Row(), Index);
        };
    }
    return Field;
}

TGridTrackbarDropDown* TExtStringGrid::TrackbarDropDown() { return DropDownEditor(DropDownEditors().TrackBar); }
TGridMemoDropDown* TExtStringGrid::MemoDropDown() { return DropDownEditor(DropDownEditors().Memo); }
TGridCalculatorDropDown* TExtStringGrid::CalculatorDropDown() { return DropDownEditor(DropDownEditors().Calculator); }
TGridTimepickerDropDown* TExtStringGrid::TimePickerDropDown() { return DropDownEditor(DropDownEditors().TimePicker); }
TGridDetailPickerDropDown* TExtStringGrid::DetailPickerDropDown() { return DropDownEditor(DropDownEditors().DetailPicker); }
TGridGridDropDown* TExtStringGrid::GridDropDown() { return DropDownEditor(DropDownEditors().GridPicker); }
TGridColorDropDown* TExtStringGrid::ColorPickerDropDown() { return DropDownEditor(DropDownEditors().ColorPicker); }
TGridImageDropDown* TExtStringGrid::ImagePickerDropDown() { return DropDownEditor(DropDownEditors().ImagePicker); }
TGridExtGridDropDown* TExtStringGrid::ExtGridDropDown() { return DropDownEditor(DropDownEditors().ExtGridPicker); }

namespace {
int ImageIndexOfCell(const TExtStringGrid& Grid, TCellGraphic* Graphic, TCellType Type, int ACol, int ARow)
{
    if (Type == ctImageList) return Graphic ? Graphic->CellIndex : -1;
    return StrToIntDef(Grid.Cells(ACol, ARow), -1);
}
} // namespace

// Fills the editor of the drop-down kind with the cell's value; nullptr for another kind.
IGridDropDownEditor* TExtStringGrid::LoadDropDownEditor(int RealCol, int ARow)
{
    const std::string Text = GetEditText(Col(), ARow);
    switch (EditControl) {
    case edTrackbarDropDown: {
        TGridTrackbarDropDown* Editor = TrackbarDropDown();
        Editor->SetPosition(StrToIntDef(Text, 0));
        return Editor;
    }
    case edMemoDropDown: {
        TGridMemoDropDown* Editor = MemoDropDown();
        TStringList Lines;
        Lines.SetText(Text);
        Editor->SetMemoText(Lines);
        return Editor;
    }
    case edCalculatorDropDown:
        CalculatorDropDown()->SetText(Text);
        return FDropDownEditors->Calculator;
    case edTimePickerDropDown:
        TimePickerDropDown()->SetEditorEnabled(true);
        FDropDownEditors->TimePicker->SetText(Text);
        return FDropDownEditors->TimePicker;
    case edDetailDropDown: {
        TGridDetailPickerDropDown* Editor = DetailPickerDropDown();
        Editor->SetEditorEnabled(true);
        Editor->SetText(Text);
        const int Index = Editor->Items()->IndexOf(Editor->Text());
        if (Index >= 0) Editor->SetItemIndex(Index);
        return Editor;
    }
    case edGridDropDown: {
        TGridGridDropDown* Editor = GridDropDown();
        Editor->SetEditorEnabled(true);
        Editor->BeginUpdate();
        Editor->EndUpdate();
        Editor->SetItemIndex(Text.empty() ? 0 : Editor->GetItemIndex(Text));
        Editor->SetText(Text);
        return Editor;
    }
    case edExtGridDropDown: {
        TGridExtGridDropDown* Editor = ExtGridDropDown();
        Editor->SetEditorEnabled(true);
        Editor->GetGrid()->FixedRowAlways = true;
        Editor->BeginUpdate();
        Editor->EndUpdate();
        if (Editor->UseItems) {
            std::string Found;
            int Row = -1;
            if (Text.empty()) Editor->SetItemIndex(0);
            else if (Editor->LookupText(Text, Found, Row)) Editor->SetItemIndex(Row);
        }
        Editor->SetText(Text);
        return Editor;
    }
    case edColorPickerDropDown: {
        TGridColorDropDown* Editor = ColorPickerDropDown();
        Editor->SetSelectedColor(GetCellType(RealCol, ARow) == ctShape ? GetShapeColor(RealCol, ARow) : Colors(RealCol, ARow));
        return Editor;
    }
    case edImagePickerDropDown: {
        TGridImageDropDown* Editor = ImagePickerDropDown();
        const TCellType Type = GetCellType(RealCol, ARow);
        if (Type == ctImageList || Type == ctDataImage) {
            if (Editor->Items()->Count() == 0) Editor->AddImagesFromImageList();
            Editor->SetImageIndex(ImageIndexOfCell(*this, GetCellGraphic(RealCol, ARow), Type, RealCol, ARow));
        }
        const int Index = Editor->ItemIndex();
        Editor->SetText(Index >= 0 ? Editor->Items()->Items(Index)->Caption : std::string());
        return Editor;
    }
    default:
        return nullptr;
    }
}

bool TExtStringGrid::ShowDropDownEditor(const TRect& Rect, int RealCol, int ARow)
{
    IGridDropDownEditor* Loaded = LoadDropDownEditor(RealCol, ARow);
    if (!Loaded) return false;
    TExtCustomDropDown* Editor = Loaded->Control();
    Editor->DropDownHeader()->Assign(*ControlLook()->DropDownHeader());
    Editor->DropDownFooter()->Assign(*ControlLook()->DropDownFooter());
    Editor->SetComponentStyle(FComponentStyle);
    GetEditorProp(RealCol, ARow, nullptr);
    Editor->SetBorderStyle(bsNone);
    FDropDownEditors->Shown = Loaded;
    PresentEditor(Editor, Rect);
    if (EditControl == edMemoDropDown) {
        Editor->SetSelStart(0);
        Editor->SetSelLength(0);
    }
    if (MouseActions()->DirectComboDrop) Editor->ShowDropDown();
    return true;
}

// Reads the shown drop-down editor back into the cell, unless Escape ended the edit.
void TExtStringGrid::HideDropDownEditor(int RealCol, int ARow)
{
    IGridDropDownEditor* Shown = FDropDownEditors ? FDropDownEditors->Shown : nullptr;
    if (!Shown || !EditMode) return;
    EditMode = false;
    TExtCustomDropDown* Editor = Shown->Control();
    if (Editor->DroppedDown()) Editor->HideDropDown(Shown->Discarded());
    if (!Shown->Discarded()) StoreDropDownValue(*Shown, RealCol, ARow);
    CloseEditor(Editor);
    FDropDownEditors->Shown = nullptr;
}

void TExtStringGrid::StoreDropDownValue(const IGridDropDownEditor& Shown, int RealCol, int ARow)
{
    switch (EditControl) {
    case edColorPickerDropDown: {
        TColor Color = FDropDownEditors->ColorPicker->SelectedColor();
        std::string Value = FDropDownEditors->ColorPicker->SelectedColorText();
        if (OnColorSelected) OnColorSelected(this, RealCol, ARow, Color, Value);
        SetEditTextEx(RealCol, ARow, Value);
        if (GetCellType(RealCol, ARow) == ctShape) SetShapeColor(RealCol, ARow, Color);
        else SetColors(RealCol, ARow, Color);
        break;
    }
    case edImagePickerDropDown: {
        int Index = FDropDownEditors->ImagePicker->ImageIndex();
        if (OnImageSelected) OnImageSelected(this, RealCol, ARow, Index);
        const TCellType Type = GetCellType(RealCol, ARow);
        if (Type == ctImageList) {
            if (TCellGraphic* Graphic = GetCellGraphic(RealCol, ARow)) Graphic->CellIndex = Index;
            InvalidateCell(DisplColIndex(RealCol), ARow);
        } else if (Type == ctDataImage) {
            SetCells(RealCol, ARow, std::to_string(Index));
        }
        break;
    }
    default:
        SetEditTextEx(RealCol, ARow, Shown.CellValue());
        break;
    }
}
