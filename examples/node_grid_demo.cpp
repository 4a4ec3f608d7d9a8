// A string grid that shows its rows as a tree of devices per line: node rows with their
// glyphs and tree lines (one line contracted), check boxes, a radio group, progress bars,
// inline form controls in a cell's markup, and a floating footer row with column sums.
//
//   node_grid_demo           shows the window until it is closed
//   node_grid_demo FILE.bmp  saves the window as a picture instead
#include <iostream>
#include <string>
#include <vector>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/CellProperties.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Forms.h"

namespace {

enum TDemoColumn { colNode, colDevice, colEnabled, colMode, colLoad, colSettings, colPoints, colCount };

struct TDeviceRow {
    const char* name;
    bool enabled;
    int load;
    int points;
};

struct TLine {
    const char* name;
    std::vector<TDeviceRow> devices;
    bool contracted;
};

const TLine DemoLines[] = {
    {"Line A", {{"Drive 1", true, 35, 16}, {"Drive 2", true, 80, 16}, {"I/O block", false, 10, 32}}, false},
    {"Line B", {{"Scanner", true, 55, 8}, {"Valve island", true, 20, 24}}, true},
    {"Line C", {{"Robot", true, 90, 64}, {"Safety relay", false, 5, 4}}, false},
};

class TNodeGridDemo : public TForm {
public:
    explicit TNodeGridDemo(TComponent* AOwner) : TForm(AOwner)
    {
        SetCaption("Lines and devices");
        SetClientSize(820, 360);
        Grid = new TExtStringGrid(this);
        Grid->SetParent(this);
        Grid->SetAlign(alClient);
        Grid->SetColCount(colCount);
        Grid->SetFixedCols(0);
        const char* headers[] = {"", "Device", "On", "Mode", "Load", "Settings", "Points"};
        const int widths[] = {40, 130, 36, 150, 110, 240, 70};
        for (int c = 0; c < colCount; ++c) {
            Grid->SetCells(c, 0, headers[c]);
            Grid->SetColWidths(c, widths[c]);
        }
        Grid->SetDefaultRowHeight(30);
        FillLines();
        Grid->FloatingFooter()->SetVisible(true);
        Grid->SetCells(colDevice, Grid->RowCount() - 1, "Total");
        Grid->GetCellProperties(colPoints, Grid->RowCount() - 1)->CalcType = acSUM;
        Grid->GetCellProperties(colLoad, Grid->RowCount() - 1)->CalcType = acAVG;
        Grid->CalcFooter(-1);
        Grid->ContractNode(NodeRowOf(1));
    }

    TExtStringGrid* Grid;

private:
    int NodeRowOf(int Line) const
    {
        int row = 1;
        for (int l = 0; l < Line; ++l)
            row += 1 + static_cast<int>(DemoLines[l].devices.size());
        return row;
    }

    void FillLines()
    {
        int rows = 1;
        for (const TLine& line : DemoLines)
            rows += 1 + static_cast<int>(line.devices.size());
        // One more row for the floating footer.
        Grid->SetRowCount(rows + 1);
        int row = 1;
        for (const TLine& line : DemoLines) {
            Grid->SetCells(colDevice, row, line.name);
            Grid->AddNode(row, 1 + static_cast<int>(line.devices.size()));
            ++row;
            for (const TDeviceRow& device : line.devices) {
                Grid->SetCells(colDevice, row, device.name);
                Grid->AddCheckBox(colEnabled, row, device.enabled, false);
                TStringList* modes = Grid->CreateRadio(colMode, row, 1, device.enabled ? 0 : 2);
                for (const char* mode : {"Auto", "Manual", "Off"})
                    modes->Add(mode);
                Grid->SetCells(colLoad, row, IntToStr(device.load));
                Grid->AddProgress(colLoad, row, clGreen, clWhite);
                Grid->SetCells(
                    colSettings, row,
                    "Tag <CONTROL TYPE=\"EDIT\" ID=\"tag\" VALUE=\"" + std::string(device.name) +
                        "\" WIDTH=\"90\"> <CONTROL TYPE=\"COMBO\" ID=\"rate\" VALUE=\"10 ms\" WIDTH=\"80\">");
                Grid->SetCells(colPoints, row, IntToStr(device.points));
                ++row;
            }
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize();
    TNodeGridDemo* demo = nullptr;
    Application->CreateForm(demo);
    if (argc < 2) {
        Application->Run();
        return 0;
    }
    demo->Show();
    Application->ProcessMessages();
    TBitmap shot(demo->ClientWidth(), demo->ClientHeight());
    demo->PaintTo(shot.Canvas(), 0, 0);
    shot.SaveToFile(argv[1]);
    std::cout << "saved " << argv[1] << "\n";
    return 0;
}
