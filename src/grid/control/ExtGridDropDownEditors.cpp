#include <algorithm>
#include <iterator>

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

// The editor of a drop-down kind, made on first use; nullptr for another kind.
IGridDropDownEditor* TExtStringGrid::DropDownEditorOf(TEditorType Kind)
{
    switch (Kind) {
    case edTrackbarDropDown: return TrackbarDropDown();
    case edMemoDropDown: return MemoDropDown();
    case edCalculatorDropDown: return CalculatorDropDown();
    case edTimePickerDropDown: return TimePickerDropDown();
    case edDetailDropDown: return DetailPickerDropDown();
    case edGridDropDown: return GridDropDown();
    case edColorPickerDropDown: return ColorPickerDropDown();
    case edImagePickerDropDown: return ImagePickerDropDown();
    case edExtGridDropDown: return ExtGridDropDown();
    default: return nullptr;
    }
}

// The cell's value goes into the editor of its kind, after the application's props.
void TExtStringGrid::LoadDropDownValue(int RealCol, int ARow)
{
    const std::string Text = GetEditText(Col(), ARow);
    TDropDownCellEditors& Set = *FDropDownEditors;
    switch (EditControl) {
    case edTrackbarDropDown:
        Set.TrackBar->SetPosition(StrToIntDef(Text, 0));
        break;
    case edMemoDropDown: {
        TStringList Lines;
        Lines.SetText(Text);
        Set.Memo->SetMemoText(Lines);
        break;
    }
    case edCalculatorDropDown:
        Set.Calculator->SetText(Text);
        break;
    case edTimePickerDropDown:
        Set.TimePicker->SetText(Text);
        break;
    case edDetailDropDown: {
        Set.DetailPicker->SetText(Text);
        const int Index = Set.DetailPicker->Items()->IndexOf(Set.DetailPicker->Text());
        if (Index >= 0) Set.DetailPicker->SetItemIndex(Index);
        break;
    }
    case edGridDropDown:
        Set.GridPicker->BeginUpdate();
        Set.GridPicker->EndUpdate();
        Set.GridPicker->SetItemIndex(Text.empty() ? 0 : Set.GridPicker->GetItemIndex(Text));
        Set.GridPicker->SetText(Text);
        break;
    case edExtGridDropDown: {
        TGridExtGridDropDown& Editor = *Set.ExtGridPicker;
        Editor.BeginUpdate();
        Editor.EndUpdate();
        if (Editor.UseItems) {
            std::string Found;
            int Row = -1;
            if (Text.empty()) Editor.SetItemIndex(0);
            else if (Editor.LookupText(Text, Found, Row)) Editor.SetItemIndex(Row);
        }
        Editor.SetText(Text);
        break;
    }
    case edColorPickerDropDown:
        Set.ColorPicker->SetSelectedColor(GetCellType(RealCol, ARow) == ctShape ? GetShapeColor(RealCol, ARow) : Colors(RealCol, ARow));
        break;
    case edImagePickerDropDown: {
        TGridImageDropDown& Editor = *Set.ImagePicker;
        const TCellType Type = GetCellType(RealCol, ARow);
        if (Type == ctImageList || Type == ctDataImage) {
            if (Editor.Items()->Count() == 0) Editor.AddImagesFromImageList();
            Editor.SetImageIndex(ImageIndexOfCell(*this, GetCellGraphic(RealCol, ARow), Type, RealCol, ARow));
        }
        const int Index = Editor.ItemIndex();
        Editor.SetText(Index >= 0 ? Editor.Items()->Items(Index)->Caption : std::string());
        break;
    }
    default:
        break;
    }
}

bool TExtStringGrid::ShowDropDownEditor(const TRect& Rect, int RealCol, int ARow)
{
    IGridDropDownEditor* Loaded = DropDownEditorOf(EditControl);
    if (!Loaded) return false;
    TExtCustomDropDown* Editor = Loaded->Control();
    Editor->DropDownHeader()->Assign(*ControlLook()->DropDownHeader());
    Editor->DropDownFooter()->Assign(*ControlLook()->DropDownFooter());
    Editor->SetComponentStyle(FComponentStyle);
    // The kinds that take typing get it before the application's props, which may change it.
    const TEditorType Typed[] = {edTimePickerDropDown, edDetailDropDown, edGridDropDown, edExtGridDropDown};
    if (std::find(std::begin(Typed), std::end(Typed), EditControl) != std::end(Typed)) Editor->SetEditorEnabled(true);
    if (EditControl == edExtGridDropDown) FDropDownEditors->ExtGridPicker->GetGrid()->FixedRowAlways = true;
    GetEditorProp(RealCol, ARow, nullptr);
    LoadDropDownValue(RealCol, ARow);
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
