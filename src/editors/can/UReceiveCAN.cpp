#include "editors/can/UReceiveCAN.h"

#include "editors/can/CANFrameColumns.h"
#include "workspace/UComon.h"

TFReceiveCAN* FReceiveCAN = nullptr;

namespace {
enum { Receive_Col_Byte1 = 6 };

std::vector<TRuleColumn> Receive_Columns()
{
    std::vector<TRuleColumn> columns{
        CAN_Check_Box("Enable", 50, CAN_Enable_Color, "Y"), CAN_Column("COBID", 90, CAN_Identity_Color),
        CAN_Column("CAN_Type", 90, CAN_Identity_Color), CAN_Ranged("Dim", 70, CAN_Identity_Color, 1, 8, 1447),
        CAN_Ranged("TimeOut", 75, CAN_Timing_Color, 0, 100000000, 1448, "0")};
    columns.back().Hint = 1434;
    Add_CAN_Byte_Columns(columns);
    columns.push_back(CAN_Column("Mnemonic", 185, clWindow));
    return columns;
}

const TRuleWindow CAN_Receive_Window{1400,
                                     1010,
                                     &File_CAN_Rec_Frames,
                                     "Receive_Frames",
                                     "1.000",
                                     1444,
                                     1458,
                                     1499,
                                     {{"ECG_CAN_Receive", nullptr, nullptr, 512, 1408, 1429,
                                       CAN_Col_Dimension, 1500, true, Receive_Columns()}},
                                     1423};

const TCANFrameLayout CAN_Receive_Layout{
    CAN_Col_CobID, CAN_Col_Type, CAN_Col_Dimension, Receive_Col_Byte1, 0, 0, 0, 1445, 1446, 1449};
} // namespace

TFReceiveCAN::TFReceiveCAN(TComponent* owner) : TCANFrameEditor(owner, CAN_Receive_Window, CAN_Receive_Layout)
{
}
