#include "editors/bacnet/UBACnetSlaveSetAccess.h"

#include <algorithm>

#include "editors/bacnet/UBACnet_Eng_Unit.h"
#include "editors/frame/ComboColumn.h"
#include "editors/frame/RuleFile.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ComCtrls.h"
#include "platform/xml/XMLDoc.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

namespace {
enum {
    Object_Type = 1,
    Object_Eng_Unit,
    Object_Position,
    Object_Bit,
    Object_Length,
    Object_Swap,
    Object_Mnemonic
};
enum { Read_Objects = 0, Write_Objects = 1 };

constexpr int BACnet_Array_Size = 1550;

TRuleColumn BACnet_Column(const char* Attribute, int Width) { return {Attribute, Width, clWhite}; }

// The texts of one table: Eng. Unit, Position, Bit and End follow from First.
TRuleTable BACnet_Table(const char* Grid, const char* Sheet, const char* Section, int FirstHeader,
                        int EngUnitText, int PositionText)
{
    TRuleColumn engUnit = BACnet_Column("Eng_Unit", 100);
    engUnit.Check = TRuleCheck::Range;
    engUnit.Max = 65535;
    engUnit.Message = EngUnitText;
    TRuleColumn position = BACnet_Column("Position", 64);
    position.Check = TRuleCheck::Position;
    position.Message = PositionText;
    position.NeededBytes = 0; // every object has a position
    TRuleColumn swap = BACnet_Column("Swap", 40);
    swap.CheckBox = true;
    swap.Default = "N";
    return {Grid,
            Sheet,
            Section,
            2000,
            FirstHeader,
            0,
            0,
            BACnet_Array_Size,
            false,
            {BACnet_Column("Data_Type", 150), engUnit, position, BACnet_Column("Bit", 64),
             BACnet_Column("Length", 64), swap, BACnet_Column("Mnemonic", 250)}};
}

const TRuleWindow BACnet_Window{
    1500,
    764,
    &File_BACnet_Slave_SetAccess,
    "BACnet_to_Modbus",
    "1.002",
    1532,
    1560,
    1599,
    {BACnet_Table("ECG_BACnet_in_Read", "TS_BACnet_in_Read", "BACnet_in_Read", 1516, 1533, 1534),
     BACnet_Table("ECG_BACnet_in_Write", "TS_BACnet_in_Write", "BACnet_in_Write", 1524, 1547, 1548)}};

const std::vector<std::string> Read_Types{
    "Analog Input",       "Analog Value",  "Binary Input",      "Binary Value",      "Positive Integer Value",
    "Large Analog Value", "Integer Value", "Multi State Input", "Multi State Value", "Life Safety Point",
    "Life Safety Zone",   "Access Door",   "Accumulator"};
const std::vector<std::string> Write_Types{"Analog Out",    "Analog Value",           "Binary Out",
                                           "Binary Value",  "Positive Integer Value", "Large Analog Value",
                                           "Integer Value", "Multi State Output",     "Multi State Value",
                                           "Access Door"};

struct TLengthRule {
    const char* Type;
    int Min;
    int Max;
    int Message;
};

// Per table; a type without a rule has any length.
const std::vector<TLengthRule> Length_Rules[] = {
    {{"Analog Input", 1, 4, 1535},
     {"Positive Integer Value", 1, 4, 1536},
     {"Large Analog Value", 1, 8, 1537},
     {"Analog Value", 1, 4, 1538},
     {"Multi State Input", 1, 4, 1539},
     {"Multi State Value", 1, 4, 1540},
     {"Life Safety Point", 1, 2, 1541},
     {"Life Safety Zone", 1, 2, 1542},
     {"Access Door", 1, 1, 1543},
     {"Accumulator", 1, 4, 1544}},
    {{"Analog Out", 1, 4, 1549},
     {"Analog Value", 1, 4, 1550},
     {"Positive Integer Value", 1, 4, 1551},
     {"Large Analog Value", 1, 8, 1552},
     {"Integer Value", 1, 4, 1553},
     {"Multi State Output", 1, 4, 1554},
     {"Multi State Value", 1, 4, 1555},
     {"Access Door", 1, 1, 1556}},
};

// A binary object takes one bit of its byte instead of a length.
const char* const Binary_Types[][2] = {{"Binary Input", "Binary Value"}, {"Binary Out", "Binary Value"}};
constexpr int Binary_Bit_Text[] = {1545, 1557};
constexpr int Object_End_Text[] = {1546, 1558};

// The Length a type chosen in the write grid starts with.
const std::pair<const char*, const char*> Length_Presets[] = {
    {"ANALOG OUT", "4"},    {"ANALOG VALUE", "4"},           {"BINARY OUT", "1"},
    {"BINARY VALUE", "1"},  {"POSITIVE INTEGER VALUE", "4"}, {"LARGE ANALOG VALUE", "8"},
    {"INTEGER VALUE", "4"}, {"MULTI STATE OUTPUT", "4"},     {"MULTI STATE VALUE", "4"},
    {"ACCESS DOOR", "1"}};

int Length_Of(const std::string& Text)
{
    int32_t value = 0;
    return TryStrToInt(Text, value) ? value : 0;
}
} // namespace

bool BACnet_Desc_Chars_Limit(const std::string& ParGen)
{
    if (!PathExists(ParGen)) return false;
    try {
        TXMLDocument xml;
        xml.LoadFromFile(ParGen);
        const TXMLNode root = xml.DocumentElement();
        const TXMLNode limit = root ? root.FindNode("BACnet_Desc_Chars_Limit") : TXMLNode();
        return limit && limit.Text() == "1";
    } catch (const Exception&) {
        // Damaged parameters leave the larger mode; their own window reports them.
        return false;
    }
}

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* owner)
    : TRuleEditorForm(owner, BACnet_Window), ECG_BACnet_in_Read(Grids[Read_Objects]),
      ECG_BACnet_in_Write(Grids[Write_Objects])
{
    const std::vector<std::string>* types[] = {&Read_Types, &Write_Types};
    for (int t = Read_Objects; t <= Write_Objects; ++t) {
        TExtColumnGrid& grid = *Grids[t];
        grid.HideColumn(Object_Swap);
        Set_Combo_Column(grid, Object_Type, edComboList, *types[t]);
        Set_Combo_Column(grid, Object_Position, edComboList, Number_Items(BACnet_Array_Size - 1));
        Set_Combo_Column(grid, Object_Bit, edComboList, Number_Items(7));
    }
    // The window shows no header hints.
    ECG_BACnet_in_Read->OnGridHint = [](TObject*, int, int, std::string&) {};
    ECG_BACnet_in_Write->OnGridHint = nullptr;
    ECG_BACnet_in_Write->OnComboChange = [this](TObject* s, int c, int r, int i, const std::string& text) {
        ECG_BACnet_in_WriteComboChange(s, c, r, i, text);
    };
}

void TFBACnetSlaveSetAccess::Set_Lang()
{
    TRuleEditorForm::Set_Lang();
    TLbButton* buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int b = 0; b < 6; ++b)
        buttons[b]->SetHint(Lang_Table[1510 + b]);
    for (int t = Read_Objects; t <= Write_Objects; ++t) {
        Sheets[t]->SetCaption(Lang_Table[1508 + t]);
        Hints[t]->Clear();
    }
}

void TFBACnetSlaveSetAccess::FormShow()
{
    Desc_Lenght = BACnet_Desc_Chars_Limit(File_ParGen);
    for (TExtColumnGrid* grid : Grids)
        grid->SetRowCount((Desc_Lenght ? 1000 : 2000) + 1);
    TRuleEditorForm::FormShow();
}

std::string TFBACnetSlaveSetAccess::Check_Row(int Table, int Row) const
{
    if (std::string rule = TRuleEditorForm::Check_Row(Table, Row); !rule.empty()) return rule;
    const std::string type = Cell(Table, Object_Type, Row);
    const int position = Rule_Number(Cell(Table, Object_Position, Row));
    int end = position;
    if (type == Binary_Types[Table][0] || type == Binary_Types[Table][1]) {
        if (Cell(Table, Object_Bit, Row).empty()) return Lang_Table[Binary_Bit_Text[Table]];
    } else {
        const int length = Length_Of(Cell(Table, Object_Length, Row));
        const auto& rules = Length_Rules[Table];
        const auto rule =
            std::find_if(rules.begin(), rules.end(), [&](const TLengthRule& r) { return type == r.Type; });
        if (rule != rules.end() && (length < rule->Min || length > rule->Max))
            return Lang_Table[rule->Message];
        end = position + length - 1;
    }
    return end < BACnet_Array_Size ? "" : Lang_Table[Object_End_Text[Table]];
}

std::string TFBACnetSlaveSetAccess::Check_Across_Rows() const
{
    const int limit = Desc_Lenght ? 1000 : 2000;
    int count = 0;
    for (const TExtColumnGrid* grid : Grids)
        count += Rule_Row_Count(*grid);
    return count > limit ? Lang_Table[1559] + std::to_string(limit) : "";
}

void TFBACnetSlaveSetAccess::DblClickCell(TObject* Sender, int ARow, int ACol)
{
    auto* grid = static_cast<TExtColumnGrid*>(Sender);
    // The header row names the column; only a rule row has a unit to pick.
    if (ARow > 0 && grid->RealColIndex(ACol) == Object_Eng_Unit) Pick_Unit(*grid, ARow);
    TRuleEditorForm::DblClickCell(Sender, ARow, ACol);
}

void TFBACnetSlaveSetAccess::Pick_Unit(TExtColumnGrid& Grid, int Row)
{
    TFBACnet_Eng_Unit& picker = *FBACnet_Eng_Unit;
    const std::string code = Grid.Cells(Object_Eng_Unit, Row);
    picker.E_Selected_EU->SetText(code);
    picker.Label5->SetCaption("-> " + TFBACnet_Eng_Unit::Desc_Unit(Rule_Number(code)));
    if (picker.ShowModal() == mrOk) Grid.SetCells(Object_Eng_Unit, Row, picker.E_Selected_EU->Text());
}

void TFBACnetSlaveSetAccess::ECG_BACnet_in_WriteComboChange(TObject* Sender, int ACol, int ARow, int,
                                                            const std::string& ASelection)
{
    auto* grid = static_cast<TExtColumnGrid*>(Sender);
    if (grid->RealColIndex(ACol) != Object_Type) return;
    const std::string type = UpperCase(ASelection);
    for (const auto& [preset, length] : Length_Presets)
        if (type == preset) grid->SetCells(Object_Length, ARow, length);
}
