#include "editors/can/UTransmitCAN.h"

#include "editors/can/CANFrameColumns.h"
#include "grid/control/ExtColumnGrid.h"
#include "workspace/UComon.h"

TFTransmitCAN* FTransmitCAN = nullptr;

namespace {
enum { Transmit_Col_OnCMD = 6, Transmit_Col_OnTimer = 7, Transmit_Col_Time = 8, Transmit_Col_Byte1 = 9 };

std::vector<TRuleColumn> Transmit_Columns()
{
    std::vector<TRuleColumn> columns{CAN_Check_Box("Enable", 50, CAN_Enable_Color, "Y"),
                                     CAN_Column("COBID", 90, CAN_Identity_Color),
                                     CAN_Column("CAN_Type", 90, CAN_Identity_Color, CAN_Type_11_Bits),
                                     CAN_Ranged("Dim", 70, CAN_Identity_Color, 1, 8, 1350),
                                     CAN_Check_Box("OnChange", 65, CAN_Timing_Color, "Y"),
                                     CAN_Check_Box("OnCMD", 50, CAN_Timing_Color, "N"),
                                     CAN_Check_Box("OnTimer", 55, CAN_Timing_Color, "N"),
                                     CAN_Column("Time", 70, CAN_Timing_Color)};
    // The OnCMD texts came after the others in the window's block.
    columns[Transmit_Col_OnCMD - 1].Header = 1362;
    columns[Transmit_Col_OnCMD - 1].Hint = 1363;
    columns[Transmit_Col_OnTimer - 1].Header = 1314;
    columns[Transmit_Col_OnTimer - 1].Hint = 1336;
    Add_CAN_Byte_Columns(columns);
    columns.push_back(CAN_Column("Mnemonic", 110, clWindow));
    return columns;
}

TRuleTable Transmit_Table()
{
    TRuleTable table{"ECG_CAN_Transmit", nullptr, nullptr, 512, 1308, 1331, CAN_Col_Dimension, 1500, true,
                     Transmit_Columns()};
    table.NonElementEndsLoading = true;
    return table;
}

const TRuleWindow CAN_Transmit_Window{
    1300, 1100, &File_CAN_Send_Frames, "Transmit_Frames", "1.000", 1347, 1361, 1399, {Transmit_Table()},
    1325};

const TCANFrameLayout CAN_Transmit_Layout{CAN_Col_CobID,
                                          CAN_Col_Type,
                                          CAN_Col_Dimension,
                                          Transmit_Col_Byte1,
                                          Transmit_Col_OnTimer,
                                          Transmit_Col_Time,
                                          1351,
                                          1348,
                                          1349,
                                          1352};
} // namespace

TFTransmitCAN::TFTransmitCAN(TComponent* owner)
    : TCANFrameEditor(owner, CAN_Transmit_Window, CAN_Transmit_Layout)
{
    Grids[0]->HideColumn(Transmit_Col_OnCMD);
}

void TFTransmitCAN::Loaded_Row(int Table, int Row, const std::vector<bool>& Present)
{
    TExtColumnGrid& grid = *Grids[Table];
    grid.SetCells(Transmit_Col_OnCMD, Row, "N");
    // A frame sent on a timer whose time the file lacks gets the default time, 0.
    if (!Present[Transmit_Col_Time] && grid.Cells(Transmit_Col_OnTimer, Row) == "Y")
        grid.SetCells(Transmit_Col_Time, Row, "0");
}

void TFTransmitCAN::Btn_OK_Click()
{
    TExtColumnGrid& grid = *Grids[0];
    for (int r = 1; r < grid.RowCount(); ++r)
        grid.SetCells(Transmit_Col_OnCMD, r, "N");
    TRuleEditorForm::Btn_OK_Click();
}
