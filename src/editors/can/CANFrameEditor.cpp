#include "editors/can/CANFrameEditor.h"

#include "editors/frame/RuleColumnLists.h"
#include "grid/control/ExtColumnGrid.h"
#include "platform/rtl/SysUtils.h"
#include "workspace/ULanguage.h"

const char* const CAN_Type_11_Bits = "2.0A (11 bits)";

namespace {
constexpr int CAN_Bytes_Per_Frame = 8;
constexpr int CAN_Max_CobID_11 = 2047;
constexpr int CAN_Max_CobID_29 = 0x1FFFFFFF;
constexpr int CAN_Max_Time = 100000000;
} // namespace

TCANFrameEditor::TCANFrameEditor(TComponent* owner, const TRuleWindow& window, const TCANFrameLayout& layout)
    : TRuleEditorForm(owner, window), Layout(layout)
{
    Set_Column_List(*Grids[0], Layout.Type, edComboList, {CAN_Type_11_Bits, "2.0B (29 bits)"});
    for (int b = 0; b < CAN_Bytes_Per_Frame; ++b)
        Grids[0]->Columns()->Items(Layout.FirstByte + b)->SetEditor(edComboList);
}

void TCANFrameEditor::FormShow()
{
    MAX_Byte = 1500;
    for (int b = 0; b < CAN_Bytes_Per_Frame; ++b)
        Fill_Position_List(*Grids[0], Layout.FirstByte + b, MAX_Byte, true);
    TRuleEditorForm::FormShow();
    if (Grids[0]->CanFocus()) Grids[0]->SetFocus();
}

bool TCANFrameEditor::Is_Enabled(int Table, int Row) const
{
    return UpperCase(Trim(Cell(Table, 1, Row))) == "Y";
}

std::string TCANFrameEditor::Check_Row(int Table, int Row) const
{
    const bool bits11 = Trim(Cell(Table, Layout.Type, Row)) == CAN_Type_11_Bits;
    if (!Rule_In_Range(Cell(Table, Layout.CobID, Row), 0, bits11 ? CAN_Max_CobID_11 : CAN_Max_CobID_29))
        return Lang_Table[bits11 ? Layout.Range_11_Text : Layout.Range_29_Text];
    if (std::string rule = TRuleEditorForm::Check_Row(Table, Row); !rule.empty()) return rule;
    if (Layout.Timer && UpperCase(Trim(Cell(Table, Layout.Timer, Row))) == "Y" &&
        !Rule_In_Range(Cell(Table, Layout.Time, Row), 0, CAN_Max_Time))
        return Lang_Table[Layout.Time_Text];
    const int dimension = Rule_Number(Cell(Table, Layout.Dimension, Row));
    for (int byte = 1; byte <= CAN_Bytes_Per_Frame && byte <= dimension; ++byte)
        if (std::string rule = Byte_Rule(Row, byte); !rule.empty()) return rule;
    return "";
}

// Bytes beyond the frame's dimension are not looked at: they are kept as they stand.
std::string TCANFrameEditor::Byte_Rule(int Row, int Byte) const
{
    const std::string text = Trim(Cell(0, Layout.FirstByte + Byte - 1, Row));
    if (text.empty() || text == "None" || Rule_In_Range(text, 0, MAX_Byte - 1)) return "";
    const int message = Byte == 1 ? Layout.Byte1_Text : Layout.Byte1_Text + Byte;
    return Lang_Table[message] + std::to_string(MAX_Byte - 1) + Lang_Table[Layout.Byte1_Text + 1];
}
