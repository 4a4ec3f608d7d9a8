// A string grid whose cell (1, 1) is edited by a drop-down cell editor, with the editor's
// popup open over the grid; the window and the popup are saved together as a picture.
//
//   dropdown_cell_demo colour|image|detail|list|grid|time|memo|calculator|trackbar out.png
#include <map>
#include <string>

#include "grid/control/ExtStringGrid.h"
#include "grid/dropdown/celleditors/DropDownCellEditors.h"
#include "grid/dropdown/celleditors/GridDropDownEditors.h"
#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Input.h"

namespace {

void FillItems(TDropDownColumns& Columns, TDropDownItems& Items)
{
    Columns.Add()->Header = "Device";
    Columns.Add()->Header = "Address";
    const char* Rows[][2] = {{"Drive 1", "192.168.0.11"}, {"Drive 2", "192.168.0.12"}, {"Valve island", "192.168.0.20"},
                             {"Scanner", "192.168.0.31"}, {"Light curtain", "192.168.0.40"}};
    for (const auto& Row : Rows) {
        TDropDownItem* Item = Items.Add();
        Item->Text().Add(Row[0]);
        Item->Text().Add(Row[1]);
    }
}

void PrepareEditors(TExtStringGrid& Grid, TCustomImageList& Images)
{
    TDropDownCellEditors& Editors = DropDownCellEditors(Grid);
    Editors.ColorPicker()->AddDefaultColors();
    const char* Details[][2] = {{"Ohm", "electrical resistance"}, {"Volt", "electric potential"}, {"Ampere", "electric current"}};
    for (const auto& Detail : Details) {
        TDetailItem* Item = Editors.DetailPicker()->Items()->Add();
        Item->Caption = Detail[0];
        Item->Notes = Detail[1];
    }
    FillItems(*Editors.GridPicker()->Columns(), *Editors.GridPicker()->Items());
    Editors.GridPicker()->EndUpdate();
    FillItems(*Editors.ExtGridPicker()->Columns(), *Editors.ExtGridPicker()->Items());
    Editors.ExtGridPicker()->EndUpdate();
    const TColor Shades[] = {clRed, clGreen, clBlue, clYellow};
    for (TColor Shade : Shades) {
        TBitmap Picture(16, 16);
        Picture.Canvas()->Brush()->SetColor(Shade);
        Picture.Canvas()->FillRect(Rect(0, 0, 16, 16));
        Images.Add(Picture);
    }
    Editors.ImagePicker()->SetImages(&Images);
    Editors.ImagePicker()->AddImagesFromImageList();
    THeaderAppearance& Header = *Grid.ControlLook()->DropDownHeader();
    Header.Caption = "<b>Pick</b> a value";
    Header.SetVisible(true);
    TFooterAppearance& Footer = *Grid.ControlLook()->DropDownFooter();
    Footer.Buttons()->Add().SetCaption("OK");
    Footer.SetVisible(true);
}

} // namespace

int main(int argc, char** argv)
{
    const std::map<std::string, std::pair<TEditorType, std::string>> Kinds = {
        {"colour", {edColorPickerDropDown, ""}},      {"image", {edImagePickerDropDown, ""}},
        {"detail", {edDetailDropDown, "Volt"}},        {"list", {edGridDropDown, "Scanner"}},
        {"grid", {edExtGridDropDown, "Drive 2"}},      {"time", {edTimePickerDropDown, "10:08:30"}},
        {"memo", {edMemoDropDown, "Scan list checked\r\nEDS file written"}},
        {"calculator", {edCalculatorDropDown, "1234.5"}}, {"trackbar", {edTrackbarDropDown, "4"}}};
    if (argc != 3 || !Kinds.count(argv[1])) return 2;
    const auto& [Kind, Text] = Kinds.at(argv[1]);
    Application->Initialize();
    TForm Form(nullptr);
    Form.SetBounds(40, 40, 520, 420);
    Form.SetCaption("Drop-down cell editors");
    TExtStringGrid* Grid = new TExtStringGrid(&Form);
    Grid->SetParent(&Form);
    Grid->SetBounds(10, 10, 480, 360);
    Grid->SetColCount(4);
    Grid->SetRowCount(12);
    Grid->SetDefaultColWidth(110);
    Grid->SetOptions(Grid->Options() + goEditing);
    TCustomImageList Images(&Form);
    PrepareEditors(*Grid, Images);
    Grid->SetCells(1, 1, Text);
    Grid->OnGetEditorType = [Editor = Kind](TObject*, int, int, TEditorType& AEditor) { AEditor = Editor; };
    Form.Show();
    Grid->SetFocus();
    Grid->MoveCurrentCell(1, 1);
    SendKey(VK_F2);
    SendKey(VK_DOWN, {ssAlt});
    Application->ProcessMessages();

    TBitmap Shot(Form.ClientWidth(), Form.ClientHeight());
    Form.PaintTo(Shot.Canvas(), 0, 0);
    if (TWinControl* Editor = Grid->ActiveEditControl())
        if (auto* DropDown = dynamic_cast<TExtCustomDropDown*>(Editor); DropDown && DropDown->DropDownForm()) {
            TDropDownForm& Popup = *DropDown->DropDownForm();
            const TPoint At = Form.ScreenToClient(TPoint{Popup.Left(), Popup.Top()});
            Popup.PaintTo(Shot.Canvas(), At.X, At.Y);
        }
    Shot.SaveToFile(argv[2]);
    return 0;
}
