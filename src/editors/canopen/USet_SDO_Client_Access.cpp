#include "editors/canopen/USet_SDO_Client_Access.h"

#include "editors/canopen/CANopenRuleColumns.h"
#include "workspace/UComon.h"

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;

namespace {
constexpr int Max_Poll_Time = 100000000;

// The texts of one table's rules start at First, in column order. A write request may be
// sent on change only, so its poll time may be 0, and it has the On Change box.
TRuleTable SDO_Table(bool Write, int FirstHeader, int FirstHint, int First)
{
    std::vector<TRuleColumn> columns{
        Ranged_Column("Device_ID", 60, Identity_Color, 1, 127, First),
        Ranged_Column("Index", 55, Identity_Color, 0x1000, 0xFFFF, First + 1),
        Ranged_Column("SubIndex", 60, Identity_Color, 0, 255, First + 2),
        Byte_Count_Column("NByte", 45, First + 3),
        Ranged_Column("Poll_Time", 60, Timing_Color, Write ? 0 : 1, Max_Poll_Time, First + 4)};
    if (Write) columns.push_back(On_Change_Column());
    for (int byte = 1; byte <= 4; ++byte)
        columns.push_back(Position_Column(byte, 70, First + 4 + byte, byte));
    columns.push_back(Text_Column("Mnemonic", Write ? 95 : 163));
    return {Write ? "sgb" : "sga",
            Write ? "TS_SDO_Write" : "TS_SDO_Read",
            Write ? "SDO_Write" : "SDO_Read",
            256,
            FirstHeader,
            FirstHint,
            4,
            CANopen_Array_Size,
            false,
            columns};
}

const TRuleWindow SDO_Client_Window{2100,
                              798,
                              &File_SDO_Client_CANopen,
                              "SDO_Client_CANopen",
                              "1.002",
                              2160,
                              2179,
                              2199,
                              {SDO_Table(false, 2116, 2139, 2161), SDO_Table(true, 2127, 2149, 2170)}};
} // namespace

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(TComponent* owner) : TRuleEditorForm(owner, SDO_Client_Window) {}
