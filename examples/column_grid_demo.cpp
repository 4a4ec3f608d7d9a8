// A column grid set up like the EtherNet/IP scan list: 19 columns configured through their
// column items (headers from code, colours, an Enable check-box column, combo columns, edit
// lengths, a hidden column), ten example targets.
//
//   column_grid_demo           shows the window until it is closed
//   column_grid_demo FILE.bmp  saves the window as a picture instead
//   column_grid_demo FILE.bmp text|combo   ... with the editor open on an address or a
//                                           combo cell of the second target
#include <iostream>
#include <string>

#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Forms.h"

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

int main(int argc, char** argv)
{
    Application->Initialize();
    TScanListDemo* demo = nullptr;
    Application->CreateForm(demo);
    if (argc < 2) {
        Application->Run();
        return 0;
    }
    demo->Show();
    Application->ProcessMessages();
    if (argc > 2) {
        const bool combo = std::string(argv[2]) == "combo";
        demo->Grid->SetFocus();
        demo->Grid->MoveCurrentCell(combo ? 12 : 2, 2);
        demo->Grid->ShowCellEdit();
        Application->ProcessMessages();
    }
    TBitmap shot(demo->ClientWidth(), demo->ClientHeight());
    demo->PaintTo(shot.Canvas(), 0, 0);
    shot.SaveToFile(argv[1]);
    std::cout << "saved " << argv[1] << "\n";
    return 0;
}
