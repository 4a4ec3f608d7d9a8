#include "editors/knx/UKNXAccess.h"

#include <algorithm>

#include "editors/frame/RuleColumnLists.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/SysUtils.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

TFKNXAccess* FKNXAccess = nullptr;

namespace {
enum {
    KNX_Col_Source = 2,
    KNX_Col_Destination = 3,
    KNX_Col_APCI = 4,
    KNX_Col_Priority = 5,
    KNX_Col_Format = 6,
    KNX_Col_Extended = 7,
    KNX_Col_OnTimer = 11,
    KNX_Col_Poll_Time = 12,
    KNX_Col_Position = 13,
    KNX_Col_Bit_Mode = 14,
    KNX_Col_Length = 15
};

constexpr TColor KNX_Enable_Color = 11589887, KNX_Address_Color = 16710368, KNX_Sending_Color = 11075496,
                 KNX_Data_Color = 16045820;
const std::vector<std::string> KNX_Priorities{"System", "Urgent", "Normal", "Low"};

// Attributes without a default are required: a file without them is reported.
TRuleColumn KNX_Column(const char* Attribute, int Width, TColor Color, const char* Default = nullptr,
                       bool CheckBox = false)
{
    TRuleColumn column{Attribute, Width, Color, CheckBox};
    column.Default = Default;
    return column;
}

TRuleColumn KNX_Check_Box(const char* Attribute, int Width, const char* Default = nullptr)
{
    return KNX_Column(Attribute, Width, KNX_Sending_Color, Default, true);
}

TRuleTable KNX_Table()
{
    std::vector<TRuleColumn> columns{KNX_Column("Enable", 50, KNX_Enable_Color, "Y", true),
                                     KNX_Column("Source_Address", 70, KNX_Address_Color),
                                     KNX_Column("Destination_Address", 80, KNX_Address_Color),
                                     KNX_Column("APCI", 60, KNX_Address_Color),
                                     KNX_Column("Priority", 75, KNX_Address_Color, "Normal"),
                                     KNX_Column("Format", 110, KNX_Address_Color, "None"),
                                     KNX_Check_Box("Extended", 68),
                                     KNX_Check_Box("ReTest", 50),
                                     KNX_Check_Box("On_Command", 52, "N"),
                                     KNX_Check_Box("On_Change", 71),
                                     KNX_Check_Box("On_Timer", 62, "N"),
                                     KNX_Column("Poll_Time", 67, KNX_Sending_Color),
                                     KNX_Column("Position", 55, KNX_Data_Color),
                                     KNX_Column("Bit_Mode", 55, KNX_Data_Color),
                                     KNX_Column("Length", 55, KNX_Data_Color),
                                     KNX_Column("Mnemonic", 96, clWindow)};
    // The block keeps one unused text among the hints.
    columns[8].Hint = 1740;
    return {"ECG_KNX_in_Write", nullptr, "KNX_in_Write", 1024, 1714, 1731, 0, 1560, true, columns};
}

const TRuleWindow KNX_Window{1700, 1141, &File_KNX_SetAccess, "BACnet_to_KNX", "1.000",
                             1748, 1760, 1799, {KNX_Table()}};

bool KNX_Is_Priority(const std::string& Text)
{
    return std::find(KNX_Priorities.begin(), KNX_Priorities.end(), Text) != KNX_Priorities.end();
}

// The longest data a message carries: bytes, or bits from a start bit; an extended
// message carries more.
int KNX_Length_Limit(bool BitMode, bool Extended)
{
    if (BitMode) return Extended ? 2040 : 112;
    return Extended ? 255 : 14;
}
} // namespace

TFKNXAccess::TFKNXAccess(TComponent* owner) : TRuleEditorForm(owner, KNX_Window)
{
    TExtColumnGrid& grid = *Grids[0];
    Set_Column_List(grid, KNX_Col_APCI, edComboEdit, {"Read", "Write"});
    Set_Column_List(grid, KNX_Col_Priority, edComboList, KNX_Priorities);
    Set_Column_List(grid, KNX_Col_Format, edComboList,
                    {"None", "Swap16", "Swap32", "Swap All", "Int to Float", "Float to Int",
                     "Float16 to Float32", "Float16 to Int", "Float16 to Int * 10", "Float16 to Int * 100"});
    Set_Column_List(grid, KNX_Col_Bit_Mode, edComboList, {"No", "0", "1", "2", "3", "4", "5", "6", "7"});
    grid.Columns()->Items(KNX_Col_Position)->SetEditor(edComboList);
}

void TFKNXAccess::FormShow()
{
    Max_Num_Byte = 1560;
    Fill_Position_List(*Grids[0], KNX_Col_Position, Max_Num_Byte, false);
    TRuleEditorForm::FormShow();
}

bool TFKNXAccess::Is_Enabled(int Table, int Row) const { return Trim(Cell(Table, 1, Row)) == "Y"; }

void TFKNXAccess::Loaded_Row(int Table, int Row, const std::vector<bool>& /*Present*/)
{
    if (!KNX_Is_Priority(Cell(Table, KNX_Col_Priority, Row)))
        Grids[Table]->SetCells(KNX_Col_Priority, Row, "Normal");
}

std::string TFKNXAccess::Check_Row(int /*Table*/, int Row) const
{
    if (std::string rule = Address_Rule(Row); !rule.empty()) return rule;
    const std::string apci = UpperCase(Cell(0, KNX_Col_APCI, Row));
    if (apci != "READ" && apci != "WRITE" && !Rule_In_Range(apci, 0, 1023)) return Lang_Table[1752];
    if (!KNX_Is_Priority(Cell(0, KNX_Col_Priority, Row))) return Lang_Table[1753];
    if (Trim(Cell(0, KNX_Col_Format, Row)).empty()) return Lang_Table[1754];
    if (UpperCase(Cell(0, KNX_Col_OnTimer, Row)) == "Y" &&
        !Rule_In_Range(Cell(0, KNX_Col_Poll_Time, Row), 1, 100000000))
        return Lang_Table[1755];
    return Data_Rule(Row);
}

// Both addresses may be 0.0.0; an individual address always has three parts.
std::string TFKNXAccess::Address_Rule(int Row) const
{
    if (Check_KNX_Address(Trim(Cell(0, KNX_Col_Source, Row)), false, true) != 0) return Lang_Table[1749];
    const std::string destination = Trim(Cell(0, KNX_Col_Destination, Row));
    const bool group = Is_Group_Address(destination);
    if (Check_KNX_Address(destination, group, true) != 0) return Lang_Table[group ? 1751 : 1750];
    return "";
}

// Where the data lies in the exchange array, and that it ends inside it.
std::string TFKNXAccess::Data_Rule(int Row) const
{
    const int position = Rule_Number(Cell(0, KNX_Col_Position, Row));
    if (position < 0 || position > Max_Num_Byte - 1)
        return Lang_Table[1756] + std::to_string(Max_Num_Byte - 1);
    const std::string bitMode = UpperCase(Cell(0, KNX_Col_Bit_Mode, Row));
    const bool inBits = bitMode != "NO";
    const int startBit = inBits ? Rule_Number(bitMode) : 0;
    if (inBits && (startBit < 0 || startBit > 7)) return Lang_Table[1757];
    const int limit = KNX_Length_Limit(inBits, UpperCase(Cell(0, KNX_Col_Extended, Row)) == "Y");
    const int length = Rule_Number(Cell(0, KNX_Col_Length, Row));
    if (length < 1 || length > limit) return Lang_Table[1758] + std::to_string(limit);
    const int bytes = inBits ? (startBit + length + 7) / 8 : length;
    if (position + bytes > Max_Num_Byte) return Lang_Table[1759] + std::to_string(Max_Num_Byte);
    return "";
}
