#pragma once
#include <vector>

#include "editors/frame/RuleTable.h"

// The column kinds the two CAN frame windows share. Every attribute of their files is
// optional: a missing one reads as the column's default.

// The columns both windows have at the same place.
enum { CAN_Col_CobID = 2, CAN_Col_Type = 3, CAN_Col_Dimension = 4 };

constexpr TColor CAN_Enable_Color = 11589887;
constexpr TColor CAN_Identity_Color = 16710368;
constexpr TColor CAN_Timing_Color = 11075496;
constexpr TColor CAN_Byte_Color = 16045820;

inline TRuleColumn CAN_Column(const char* Attribute, int Width, TColor Color, const char* Default = "")
{
    TRuleColumn column{Attribute, Width, Color};
    column.Default = Default;
    return column;
}

inline TRuleColumn CAN_Check_Box(const char* Attribute, int Width, TColor Color, const char* Default)
{
    TRuleColumn column = CAN_Column(Attribute, Width, Color, Default);
    column.CheckBox = true;
    return column;
}

inline TRuleColumn CAN_Ranged(const char* Attribute, int Width, TColor Color, int Min, int Max, int Message,
                              const char* Default = "")
{
    TRuleColumn column = CAN_Column(Attribute, Width, Color, Default);
    column.Check = TRuleCheck::Range;
    column.Min = Min;
    column.Max = Max;
    column.Message = Message;
    return column;
}

// Byte1 to Byte8.
inline void Add_CAN_Byte_Columns(std::vector<TRuleColumn>& Columns)
{
    static const char* const names[] = {"Byte1", "Byte2", "Byte3", "Byte4",
                                        "Byte5", "Byte6", "Byte7", "Byte8"};
    for (const char* name : names)
        Columns.push_back(CAN_Column(name, 48, CAN_Byte_Color));
}
