// A column grid set up like the EtherNet/IP scan list: 19 columns configured through their
// column items (headers from code, colours, an Enable check-box column, combo columns, edit
// lengths, a hidden column), ten example targets.
//
//   column_grid_demo       shows the window until it is closed
//   column_grid_demo DIR   works the grid as a user of a rule editor does (toggles an
//                          Enable box, types an address past its edit length, picks from a
//                          combo list, sizes a column to its contents, scrolls to the last
//                          column, opens a column's menu) and saves the window as a picture
//                          after each step, DIR/1-start.bmp to DIR/6-menu.bmp
#include <iostream>
#include <string>

#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PopupCommandMenu.h"

namespace {

struct TColumnSetup {
    const char* header;
    int width;
    TColor color;
    TEditorType editor;
    int editLength;
};

const TColumnSetup ScanListColumns[] = {
    {"N", 40, 11589887, edNormal, 0},
    {"Enable", 50, 11589887, edDataCheckBox, 0},
    {"IP Address", 110, 16710368, edNormal, 15},
    {"Start Input", 70, 11075583, edNumeric, 4},
    {"Num Input", 70, 11075583, edNumeric, 4},
    {"Start Output", 85, 16045820, edNumeric, 4},
    {"Num Output", 85, 16045820, edNumeric, 4},
    {"Time Poll", 70, 11075496, edNumeric, 5},
    {"Instance T > O", 90, 16766421, edNormal, 0},
    {"Conn. Point T > O", 105, 16766421, edNormal, 0},
    {"Instance O > T", 95, 16766421, edNormal, 0},
    {"Conn. Point O > T", 105, 16766421, edNormal, 0},
    {"Dim Header T > O", 110, 16768657, edComboEdit, 0},
    {"Dim Header O > T", 110, 16768657, edComboList, 0},
    {"Enable", 45, 13559807, edDataCheckBox, 0},
    {"Electronic Key", 100, 13559807, edNormal, 0},
    {"Enable", 45, 15531685, edDataCheckBox, 0},
    {"Data Segment", 100, 15531685, edNormal, 0},
    {"Mnemonic", 95, clWhite, edNormal, 20},
};
constexpr int HiddenColumn = 17;

class TScanListDemo : public TForm {
public:
    explicit TScanListDemo(TComponent* AOwner) : TForm(AOwner)
    {
        SetCaption("Set EtherNet/IP Slaves Access");
        SetClientSize(1180, 337);
        Grid = new TExtColumnGrid(this);
        Grid->SetParent(this);
        Grid->SetAlign(alClient);
        Grid->SetRowCount(11);
        Grid->SetColCount(static_cast<int>(std::size(ScanListColumns)));
        Grid->SetOptions(Grid->Options() + goEditing);
        for (int c = 0; c < Grid->Columns()->Count(); ++c)
            ConfigureColumn(c, ScanListColumns[c]);
        FillTargets();
        Grid->HideColumn(HiddenColumn);
        AddMnemonicMenu();
    }

    TExtColumnGrid* Grid;

private:
    void ConfigureColumn(int Index, const TColumnSetup& Setup)
    {
        TGridColumnItem* item = Grid->Columns()->Items(Index);
        item->SetHeader(Setup.header);
        item->SetWidth(Setup.width);
        item->SetColor(Setup.color);
        item->SetEditor(Setup.editor);
        item->EditLength = Setup.editLength;
        if (Setup.editor == edComboEdit || Setup.editor == edComboList) {
            item->ComboItems()->Add("Default");
            for (int format = 0; format < 8; ++format)
                item->ComboItems()->Add(IntToStr(format));
        }
        if (Setup.editor == edDataCheckBox) item->SetAlignment(taCenter);
    }

    // A right click on the Mnemonic header offers to name every target after its row.
    void AddMnemonicMenu()
    {
        auto* menu = new TPopupMenu(this);
        menu->Add("Name targets by row")->OnClick = [this](TObject*) {
            for (int r = 1; r < Grid->RowCount(); ++r)
                Grid->SetAllCells(18, r, "Row " + IntToStr(r));
        };
        Grid->Columns()->Items(18)->SetColumnPopup(menu);
    }

    void FillTargets()
    {
        for (int r = 1; r < Grid->RowCount(); ++r) {
            const std::string values[] = {IntToStr(r),
                                          r % 3 ? "Y" : "N",
                                          "192.168.0." + IntToStr(10 + r),
                                          IntToStr((r - 1) * 16),
                                          "16",
                                          IntToStr((r - 1) * 8),
                                          "8",
                                          "100",
                                          "1",
                                          "100",
                                          "1",
                                          "101",
                                          "Default",
                                          IntToStr(r % 8),
                                          r % 2 ? "Y" : "N",
                                          "",
                                          "N",
                                          "",
                                          "Target " + IntToStr(r)};
            for (int c = 0; c < static_cast<int>(std::size(values)); ++c)
                Grid->SetCells(c, r, values[c]);
        }
    }
};

} // namespace

class TDemoSession {
public:
    TDemoSession(TScanListDemo& Demo, std::string Dir) : FDemo(Demo), FGrid(*Demo.Grid), FDir(std::move(Dir)) {}

    void Run()
    {
        FDemo.Show();
        FGrid.SetFocus();
        Shot("1-start");
        ClickCell(1, 3, mbLeft);
        Shot("2-toggled");
        FGrid.MoveCurrentCell(2, 2);
        SendText("192.168.100.200.77");
        Shot("3-editing");
        SendKey(VK_RETURN);
        FGrid.MoveCurrentCell(13, 4);
        SendKey(VK_F2);
        SendKey(VK_DOWN);
        SendKey(VK_DOWN);
        SendKey(VK_RETURN);
        FGrid.AutoSizeCol(2);
        FGrid.AutoSizeCol(FGrid.DisplColIndex(18));
        Shot("4-edited-and-sized");
        for (int c = FGrid.Col(); c < FGrid.ColCount() - 1; ++c)
            SendKey(VK_RIGHT);
        Shot("5-scrolled");
        SetPopupMenuTracker([](const TPopupCommandMenu&, TPoint) { return 1; });
        ClickCell(FGrid.ColCount() - 1, 0, mbRight);
        Shot("6-menu");
        std::cout << "IP of row 2: " << FGrid.Cells(2, 2) << ", Dim Header O > T of row 4: "
                  << FGrid.Cells(13, 4) << ", Enable of row 3: " << FGrid.Cells(1, 3) << "\n";
    }

private:
    void ClickCell(int ACol, int ARow, TMouseButton Button)
    {
        const TRect cell = FGrid.CellRect(ACol, ARow);
        SendClick(&FGrid, (cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2, Button);
    }
    void Shot(const std::string& Name)
    {
        Application->ProcessMessages();
        TBitmap shot(FDemo.ClientWidth(), FDemo.ClientHeight());
        FDemo.PaintTo(shot.Canvas(), 0, 0);
        const std::string path = FDir + "/" + Name + ".bmp";
        shot.SaveToFile(path);
        std::cout << "saved " << path << "\n";
    }

    TScanListDemo& FDemo;
    TExtColumnGrid& FGrid;
    std::string FDir;
};

int main(int argc, char** argv)
{
    Application->Initialize();
    TScanListDemo* demo = nullptr;
    Application->CreateForm(demo);
    if (argc < 2) {
        Application->Run();
        return 0;
    }
    TDemoSession(*demo, argv[1]).Run();
    return 0;
}
