#include "editors/canopen/USet_PDO_Access.h"

#include "editors/canopen/CANopenRuleColumns.h"
#include "workspace/UComon.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;

namespace {
// The texts of one table's rules start at First, in column order. A received PDO has a
// data time-out; a sent one a send time and the On Change box.
TRuleTable PDO_Table(bool Transmit, int FirstHeader, int FirstHint, int First)
{
    std::vector<TRuleColumn> columns{Ranged_Column("COB-ID", 65, Identity_Color, 0, 0x7FF, First),
                                     Ranged_Column("Dimension", 65, Identity_Color, 1, 8, First + 1)};
    for (int byte = 1; byte <= 8; ++byte)
        columns.push_back(Position_Column(byte, 45, First + 1 + byte, byte));
    if (Transmit) {
        columns.push_back(Ranged_Column("Send_Time", 65, Timing_Color, 0, 100000000, First + 10));
        columns.push_back(On_Change_Column());
    } else {
        columns.push_back(Ranged_Column("TimeOut", 65, Timing_Color, 0, 65535, First + 10));
    }
    columns.push_back(Text_Column("Mnemonic", Transmit ? 105 : 173));
    return {Transmit ? "sgb" : "sga",
            Transmit ? "TS_Transmit_PDO" : "TS_Receive_PDO",
            Transmit ? "Transmit_PDO" : "Receive_PDO",
            30,
            FirstHeader,
            FirstHint,
            2,
            CANopen_Array_Size,
            false,
            columns};
}

const TRuleWindow PDO_Window{2000,
                              798,
                              &File_PDO_CANopen,
                              "PDO_CANopen",
                              "1.002",
                              2068,
                              2091,
                              2099,
                              {PDO_Table(false, 2016, 2043, 2069), PDO_Table(true, 2029, 2055, 2080)}};
} // namespace

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* owner) : TRuleEditorForm(owner, PDO_Window) {}
