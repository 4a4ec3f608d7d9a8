#include <algorithm>
#include <iterator>

#include "grid/control/CellGraphic.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/dropdown/celleditors/DropDownCellEditors.h"
#include "grid/dropdown/celleditors/GridDropDownEditors.h"
#include "grid/control/settings/BarAppearance.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/rtl/SysUtils.h"

namespace {
IDropDownCellEditing* MakeDropDownCellEditors(TExtStringGrid& Grid) { return new TDropDownCellEditors(&Grid); }

// Every program that links the grid links this file too (the grid library's link options
// name this symbol), so the grid can show its drop-down kinds without knowing them.
const bool Registered = (SetDropDownCellEditingMaker(&MakeDropDownCellEditors), true);
} // namespace

extern "C" const bool VantrelDropDownCellEditors = Registered;

TDropDownCellEditors& DropDownCellEditors(TExtStringGrid& Grid)
{
    return static_cast<TDropDownCellEditors&>(*Grid.DropDownCellEditing());
}

TGridTrackbarDropDown* TExtStringGrid::TrackbarDropDown() { return DropDownCellEditors(*this).TrackBar(); }
TGridMemoDropDown* TExtStringGrid::MemoDropDown() { return DropDownCellEditors(*this).Memo(); }
TGridCalculatorDropDown* TExtStringGrid::CalculatorDropDown() { return DropDownCellEditors(*this).Calculator(); }
TGridTimepickerDropDown* TExtStringGrid::TimePickerDropDown() { return DropDownCellEditors(*this).TimePicker(); }
TGridDetailPickerDropDown* TExtStringGrid::DetailPickerDropDown() { return DropDownCellEditors(*this).DetailPicker(); }
TGridGridDropDown* TExtStringGrid::GridDropDown() { return DropDownCellEditors(*this).GridPicker(); }
TGridColorDropDown* TExtStringGrid::ColorPickerDropDown() { return DropDownCellEditors(*this).ColorPicker(); }
TGridImageDropDown* TExtStringGrid::ImagePickerDropDown() { return DropDownCellEditors(*this).ImagePicker(); }
TGridExtGridDropDown* TExtStringGrid::ExtGridDropDown() { return DropDownCellEditors(*this).ExtGridPicker(); }

TDropDownCellEditors::TDropDownCellEditors(TExtStringGrid* AGrid) : TComponent(AGrid), FGrid(AGrid) {}

template <class TEditor> TEditor* TDropDownCellEditors::Editor(TEditor*& Field)
{
    if (!Field) {
        TExtStringGrid* Grid = FGrid;
        Field = new TEditor(Grid);
        Field->SetVisible(false);
        Field->SetParent(Grid);
        Field->SetComponentStyle(Grid->FComponentStyle);
        Field->SetColorTones(Grid->FTones);
        Field->OnDropDownHeaderButtonClick = [Grid](TObject*, int Index) {
            if (Grid->OnDropDownHeaderButtonClick) Grid->OnDropDownHeaderButtonClick(Grid, Grid->Col(), Grid->Row(), Index);
        };
        Field->OnDropDownFooterButtonClick = [Grid](TObject*, int Index) {
            if (Grid->OnDropDownFooterButtonClick) Grid->OnDropDownFooterButtonClick(Grid, Grid->Col(), Grid->Row(), Index);
        };
    }
    return Field;
}

TGridTrackbarDropDown* TDropDownCellEditors::TrackBar() { return Editor(FTrackBar); }
TGridMemoDropDown* TDropDownCellEditors::Memo() { return Editor(FMemo); }
TGridCalculatorDropDown* TDropDownCellEditors::Calculator() { return Editor(FCalculator); }
TGridTimepickerDropDown* TDropDownCellEditors::TimePicker() { return Editor(FTimePicker); }
TGridDetailPickerDropDown* TDropDownCellEditors::DetailPicker() { return Editor(FDetailPicker); }
TGridGridDropDown* TDropDownCellEditors::GridPicker() { return Editor(FGridPicker); }
TGridColorDropDown* TDropDownCellEditors::ColorPicker() { return Editor(FColorPicker); }
TGridImageDropDown* TDropDownCellEditors::ImagePicker() { return Editor(FImagePicker); }
TGridExtGridDropDown* TDropDownCellEditors::ExtGridPicker() { return Editor(FExtGridPicker); }

namespace {
int ImageIndexOfCell(const TExtStringGrid& Grid, TCellGraphic* Graphic, TCellType Type, int ACol, int ARow)
{
    if (Type == ctImageList) return Graphic ? Graphic->CellIndex : -1;
    return StrToIntDef(Grid.Cells(ACol, ARow), -1);
}
} // namespace

// The editor of a drop-down kind, made on first use; nullptr for another kind.
IGridDropDownEditor* TDropDownCellEditors::EditorOf(TEditorType Kind)
{
    switch (Kind) {
    case edTrackbarDropDown: return TrackBar();
    case edMemoDropDown: return Memo();
    case edCalculatorDropDown: return Calculator();
    case edTimePickerDropDown: return TimePicker();
    case edDetailDropDown: return DetailPicker();
    case edGridDropDown: return GridPicker();
    case edColorPickerDropDown: return ColorPicker();
    case edImagePickerDropDown: return ImagePicker();
    case edExtGridDropDown: return ExtGridPicker();
    default: return nullptr;
    }
}

// The cell's value goes into the editor of its kind, after the application's props.
void TDropDownCellEditors::Load(TEditorType Kind, int RealCol, int ARow)
{
    TExtStringGrid& Grid = *FGrid;
    const std::string Text = Grid.GetEditText(Grid.Col(), ARow);
    switch (Kind) {
    case edTrackbarDropDown:
        FTrackBar->SetPosition(StrToIntDef(Text, 0));
        break;
    case edMemoDropDown: {
        TStringList Lines;
        Lines.SetText(Text);
        FMemo->SetMemoText(Lines);
        break;
    }
    case edCalculatorDropDown:
        FCalculator->SetText(Text);
        break;
    case edTimePickerDropDown:
        FTimePicker->SetText(Text);
        break;
    case edDetailDropDown: {
        FDetailPicker->SetText(Text);
        const int Index = FDetailPicker->Items()->IndexOf(FDetailPicker->Text());
        if (Index >= 0) FDetailPicker->SetItemIndex(Index);
        break;
    }
    case edGridDropDown:
        FGridPicker->BeginUpdate();
        FGridPicker->EndUpdate();
        FGridPicker->SetItemIndex(Text.empty() ? 0 : FGridPicker->GetItemIndex(Text));
        FGridPicker->SetText(Text);
        break;
    case edExtGridDropDown: {
        TGridExtGridDropDown& Editor = *FExtGridPicker;
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
        FColorPicker->SetSelectedColor(Grid.GetCellType(RealCol, ARow) == ctShape ? Grid.GetShapeColor(RealCol, ARow)
                                                                            : Grid.Colors(RealCol, ARow));
        break;
    case edImagePickerDropDown: {
        TGridImageDropDown& Editor = *FImagePicker;
        const TCellType Type = Grid.GetCellType(RealCol, ARow);
        if (Type == ctImageList || Type == ctDataImage) {
            Editor.SetImages(Grid.GridImages());
            if (Editor.Items()->Count() == 0) Editor.AddImagesFromImageList();
            Editor.SetImageIndex(ImageIndexOfCell(Grid, Grid.GetCellGraphic(RealCol, ARow), Type, RealCol, ARow));
        }
        const int Index = Editor.ItemIndex();
        Editor.SetText(Index >= 0 ? Editor.Items()->Items(Index)->Caption : std::string());
        break;
    }
    default:
        break;
    }
}

bool TDropDownCellEditors::Show(TEditorType Kind, const TRect& Rect, int RealCol, int ARow)
{
    IGridDropDownEditor* Loaded = EditorOf(Kind);
    if (!Loaded) return false;
    TExtStringGrid& Grid = *FGrid;
    TExtCustomDropDown* Editor = Loaded->Control();
    Editor->DropDownHeader()->Assign(*Grid.ControlLook()->DropDownHeader());
    Editor->DropDownFooter()->Assign(*Grid.ControlLook()->DropDownFooter());
    Editor->SetComponentStyle(Grid.FComponentStyle);
    // The kinds that take typing get it before the application's props, which may change it.
    const TEditorType Typed[] = {edTimePickerDropDown, edDetailDropDown, edGridDropDown, edExtGridDropDown};
    if (std::find(std::begin(Typed), std::end(Typed), Kind) != std::end(Typed)) Editor->SetEditorEnabled(true);
    if (Kind == edExtGridDropDown) FExtGridPicker->GetGrid()->FixedRowAlways = true;
    Grid.GetEditorProp(RealCol, ARow, nullptr);
    Load(Kind, RealCol, ARow);
    Editor->SetBorderStyle(bsNone);
    FShown = Loaded;
    FShownKind = Kind;
    Grid.PresentEditor(Editor, Rect);
    if (Kind == edMemoDropDown) {
        Editor->SetSelStart(0);
        Editor->SetSelLength(0);
    }
    if (Grid.MouseActions()->DirectComboDrop) Editor->ShowDropDown();
    return true;
}

void TDropDownCellEditors::SetStyle(TSuiteStyle Style)
{
    TExtCustomDropDown* const made[] = {FTrackBar,  FMemo,        FCalculator, FTimePicker,  FDetailPicker,
                                        FGridPicker, FColorPicker, FImagePicker, FExtGridPicker};
    for (TExtCustomDropDown* editor : made)
        if (editor) editor->SetComponentStyle(Style);
}

void TDropDownCellEditors::Hide(int RealCol, int ARow)
{
    IGridDropDownEditor* Shown = FShown;
    if (!Shown || !FGrid->EditMode) return;
    FGrid->EditMode = false;
    TExtCustomDropDown* Editor = Shown->Control();
    if (Editor->DroppedDown()) Editor->HideDropDown(Shown->Discarded());
    if (!Shown->Discarded()) Store(*Shown, RealCol, ARow);
    FGrid->CloseEditor(Editor);
    FShown = nullptr;
}

void TDropDownCellEditors::Store(const IGridDropDownEditor& Shown, int RealCol, int ARow)
{
    TExtStringGrid& Grid = *FGrid;
    switch (FShownKind) {
    case edColorPickerDropDown: {
        TColor Color = FColorPicker->SelectedColor();
        std::string Value = FColorPicker->SelectedColorText();
        if (Grid.OnColorSelected) Grid.OnColorSelected(&Grid, RealCol, ARow, Color, Value);
        Grid.SetEditTextEx(RealCol, ARow, Value);
        if (Grid.GetCellType(RealCol, ARow) == ctShape) Grid.SetShapeColor(RealCol, ARow, Color);
        else Grid.SetColors(RealCol, ARow, Color);
        break;
    }
    case edImagePickerDropDown: {
        int Index = FImagePicker->ImageIndex();
        if (Grid.OnImageSelected) Grid.OnImageSelected(&Grid, RealCol, ARow, Index);
        const TCellType Type = Grid.GetCellType(RealCol, ARow);
        if (Type == ctImageList) {
            if (TCellGraphic* Graphic = Grid.GetCellGraphic(RealCol, ARow)) Graphic->CellIndex = Index;
            Grid.InvalidateCell(Grid.DisplColIndex(RealCol), ARow);
        } else if (Type == ctDataImage) {
            Grid.SetCells(RealCol, ARow, std::to_string(Index));
        }
        break;
    }
    default:
        Grid.SetEditTextEx(RealCol, ARow, Shown.CellValue());
        break;
    }
}
