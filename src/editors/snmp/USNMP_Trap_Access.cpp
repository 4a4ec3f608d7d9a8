#include "editors/snmp/USNMP_Trap_Access.h"

#include <set>

#include "editors/frame/RuleColumnLists.h"
#include "editors/frame/RuleFile.h"
#include "editors/snmp/MibNames.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/SysUtils.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

// Where the checked columns of one table are and the texts of their rules. Columns the
// table does not have are 0.
struct TSNMPTableLayout {
    int Timer, Time, Position, Bit, NumBits, Description, IP_Address, Conversion;
    int Community_Text, Type_Text, Time_Text, Position_Text, Bit_Text, Bit_Zero_Text, Bits_Text, Bytes_Text,
        Description_Text, IP_Address_Text, Conversion_Text, MIB_Name_Text;
};

namespace {
enum { SNMP_Col_Community = 2, SNMP_Col_Type = 3 };
constexpr int SNMP_Max_Name_Length = 15;
constexpr TColor SNMP_Enable_Color = 11589887, SNMP_Identity_Color = 16710368, SNMP_Timing_Color = 11075496,
                 SNMP_Position_Color = 16045820, SNMP_Size_Color = 11075583,
                 SNMP_Description_Color = 16766421, SNMP_Address_Color = 15000777;

const TSNMPTableLayout SNMP_Layouts[] = {
    {6, 7, 8, 9, 10, 11, 12, 13, 1276, 1261, 1262, 1263, 1264, 1265, 1266, 1267, 1277, 1268, 1285, 1297},
    {0, 0, 4, 5, 6, 7, 0, 8, 1278, 1269, 0, 1270, 1271, 1272, 1273, 1274, 1279, 0, 1286, 1298}};

TRuleColumn SNMP_Column(const char* Attribute, int Width, TColor Color, const char* Default = "",
                        bool CheckBox = false)
{
    TRuleColumn column{Attribute, Width, Color, CheckBox};
    column.Default = Default;
    return column;
}

// The columns the two tables share, from the Enable box to the type.
std::vector<TRuleColumn> SNMP_Leading_Columns()
{
    return {SNMP_Column("Enable", 50, SNMP_Enable_Color, "Y", true),
            SNMP_Column("Community_Name", 130, SNMP_Identity_Color),
            SNMP_Column("Type", 60, SNMP_Identity_Color)};
}

void Add_SNMP_Data_Columns(std::vector<TRuleColumn>& Columns)
{
    Columns.push_back(SNMP_Column("Position", 60, SNMP_Position_Color));
    Columns.push_back(SNMP_Column("Bit", 60, SNMP_Position_Color));
    Columns.push_back(SNMP_Column("NumBits", 95, SNMP_Size_Color));
    Columns.push_back(SNMP_Column("Description", 130, SNMP_Description_Color));
}

struct TSNMPColumnTexts {
    int Header, Hint;
};

// The conversion came last into the window's block of texts, so its texts and those of
// the mnemonic after it break the run.
void Add_SNMP_Closing_Columns(std::vector<TRuleColumn>& Columns, TSNMPColumnTexts Conversion,
                              TSNMPColumnTexts Mnemonic, int MnemonicWidth)
{
    Columns.push_back(SNMP_Column("Conversion", 100, SNMP_Enable_Color, "None"));
    Columns.back().Header = Conversion.Header;
    Columns.back().Hint = Conversion.Hint;
    Columns.push_back(SNMP_Column("Mnemonic", MnemonicWidth, clWhite));
    Columns.back().Header = Mnemonic.Header;
    Columns.back().Hint = Mnemonic.Hint;
}

TRuleTable SNMP_Read_Table()
{
    std::vector<TRuleColumn> columns = SNMP_Leading_Columns();
    columns.push_back(SNMP_Column("On_Change", 75, SNMP_Timing_Color, "N", true));
    columns.push_back(SNMP_Column("On_Command", 50, SNMP_Timing_Color, "N", true));
    columns.push_back(SNMP_Column("On_Timer", 60, SNMP_Timing_Color, "N", true));
    columns.push_back(SNMP_Column("Time", 65, SNMP_Timing_Color));
    Add_SNMP_Data_Columns(columns);
    columns.push_back(SNMP_Column("IP_Address", 120, SNMP_Address_Color));
    Add_SNMP_Closing_Columns(columns, {1281, 1283}, {1229, 1251}, 130);
    return {"ECG_SNMP_Read", "TS_SNMP_Read", "SNMP_Trap_Read", 256, 1216, 1239, 0, 1438, true, columns};
}

TRuleTable SNMP_Write_Table()
{
    std::vector<TRuleColumn> columns = SNMP_Leading_Columns();
    Add_SNMP_Data_Columns(columns);
    Add_SNMP_Closing_Columns(columns, {1282, 1284}, {1238, 1259}, 500);
    return {"ECG_SNMP_Write", "TS_SNMP_Write", "SNMP_Trap_Write", 256, 1230, 1252, 0, 1438, true, columns};
}

const TRuleWindow SNMP_Window{
    1200, 1256, &File_SNMP_Trap, "SNMP_Trap", "1.000", 1260, 1275, 1299,
    {SNMP_Read_Table(), SNMP_Write_Table()}, 1210, 1208};

bool Is_SNMP_Name_Char(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

int Check_Error_CommName_Desc(const std::string& str, int Check_Type)
{
    for (size_t i = 0; i < str.size(); ++i) {
        if (!Is_SNMP_Name_Char(str[i])) return 1;
        if (i == 0 && Check_Type == 1 && !(str[i] >= 'a' && str[i] <= 'z')) return 1;
    }
    return 0;
}

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* owner) : TRuleEditorForm(owner, SNMP_Window)
{
    for (size_t t = 0; t < Grids.size(); ++t) {
        TExtColumnGrid& grid = *Grids[t];
        const TSNMPTableLayout& layout = SNMP_Layouts[t];
        Set_Column_List(grid, SNMP_Col_Community, edComboEdit, {"Public", "Private"});
        Set_Column_List(grid, SNMP_Col_Type, edComboList, {"Int", "String"});
        Set_Column_List(grid, layout.Bit, edComboList, {"0", "1", "2", "3", "4", "5", "6", "7"});
        Set_Column_List(grid, layout.Conversion, edComboList,
                        {"None", "Float", "Float * 10", "Float * 100", "Float / 10", "Float / 100"});
        grid.Columns()->Items(layout.Position)->SetEditor(edComboList);
        grid.Columns()->Items(SNMP_Col_Community)->EditLength = SNMP_Max_Name_Length;
        grid.Columns()->Items(layout.Description)->EditLength = SNMP_Max_Name_Length;
        // Only a click on the Enable box changes which rows are numbered.
        grid.OnCheckBoxClick = [this](TObject* Sender, int ACol, int /*ARow*/, bool /*State*/) {
            if (ACol == 1) Index_Row_Build(*static_cast<TExtColumnGrid*>(Sender));
        };
    }
}

void TFSNMP_Trap_Access::FormShow()
{
    NByte_IN = 1438;
    NByte_OUT = 1438;
    Fill_Position_List(*Grids[0], SNMP_Layouts[0].Position, NByte_IN, false);
    Fill_Position_List(*Grids[1], SNMP_Layouts[1].Position, NByte_OUT, false);
    TRuleEditorForm::FormShow();
    for (TExtColumnGrid* grid : Grids)
        Index_Row_Build(*grid);
}

void TFSNMP_Trap_Access::Index_Row_Build(TExtColumnGrid& app_SGA)
{
    int counter = 1;
    for (int r = 1; r < app_SGA.RowCount(); ++r)
        app_SGA.SetCells(0, r,
                         UpperCase(app_SGA.Cells(1, r)) == "Y" ? std::to_string(counter++) : std::string());
}

std::string TFSNMP_Trap_Access::Check_Row(int Table, int Row) const
{
    const TSNMPTableLayout& layout = SNMP_Layouts[Table];
    if (Check_Error_CommName_Desc(Cell(Table, SNMP_Col_Community, Row), 0) != 0)
        return Lang_Table[layout.Community_Text];
    if (Trim(Cell(Table, SNMP_Col_Type, Row)).empty()) return Lang_Table[layout.Type_Text];
    if (layout.Timer && UpperCase(Cell(Table, layout.Timer, Row)) == "Y" &&
        !Rule_In_Range(Cell(Table, layout.Time, Row), 1, 1000000000))
        return Lang_Table[layout.Time_Text];
    if (Trim(Cell(Table, layout.Position, Row)).empty()) return Lang_Table[layout.Position_Text];
    if (std::string rule = Format_Rule(layout, Table, Row); !rule.empty()) return rule;
    if (Check_Error_CommName_Desc(Cell(Table, layout.Description, Row), 1) != 0)
        return Lang_Table[layout.Description_Text];
    if (Is_MIB_Name(Cell(Table, layout.Description, Row))) return Lang_Table[layout.MIB_Name_Text];
    std::string parts[4];
    if (layout.IP_Address &&
        !Check_IP_Address(Cell(Table, layout.IP_Address, Row), parts[0], parts[1], parts[2], parts[3]))
        return Lang_Table[layout.IP_Address_Text];
    if (Trim(Cell(Table, layout.Conversion, Row)).empty()) return Lang_Table[layout.Conversion_Text];
    return "";
}

// An integer is 1 to 64 bits from any start bit; any other type is a string of 1 to 16
// bytes from bit 0.
std::string TFSNMP_Trap_Access::Format_Rule(const TSNMPTableLayout& Layout, int Table, int Row) const
{
    const std::string bit = Trim(Cell(Table, Layout.Bit, Row));
    if (bit.empty()) return Lang_Table[Layout.Bit_Text];
    const bool integer = UpperCase(Cell(Table, SNMP_Col_Type, Row)) == "INT";
    if (!integer && bit != "0") return Lang_Table[Layout.Bit_Zero_Text];
    if (!Rule_In_Range(Cell(Table, Layout.NumBits, Row), 1, integer ? 64 : 16))
        return Lang_Table[integer ? Layout.Bits_Text : Layout.Bytes_Text];
    return "";
}

std::string TFSNMP_Trap_Access::Check_Across_Rows() const
{
    std::set<std::string> seen;
    for (int t = 0; t < static_cast<int>(Grids.size()); ++t) {
        const int rows = Rule_Row_Count(*Grids[t], SNMP_Col_Community);
        for (int r = 1; r <= rows; ++r)
            if (Is_Enabled(t, r) && !seen.insert(Cell(t, SNMP_Layouts[t].Description, r)).second)
                return Lang_Table[1280];
    }
    return "";
}
