#pragma once
#include <string>

#include "editors/frame/RuleTable.h"

// The column kinds the three CANopen rule windows share.

constexpr TColor Identity_Color = 16710368;
constexpr TColor Position_Color = 16045820;
constexpr TColor Timing_Color = 11075496;
constexpr int CANopen_Array_Size = 1440;

inline TRuleColumn Ranged_Column(const char* Attribute, int Width, TColor Color, int Min, int Max,
                                 int Message)
{
    return {Attribute, Width, Color, false, TRuleCheck::Range, Min, Max, Message};
}

inline TRuleColumn Byte_Count_Column(const char* Attribute, int Width, int Message)
{
    return {Attribute, Width, Identity_Color, false, TRuleCheck::ByteCount, 0, 0, Message};
}

// The position of data byte Byte, checked once the row's byte count reaches NeededBytes.
inline TRuleColumn Position_Column(int Byte, int Width, int Message, int NeededBytes)
{
    static const char* const names[] = {"Address_B1", "Address_B2", "Address_B3", "Address_B4",
                                        "Address_B5", "Address_B6", "Address_B7", "Address_B8"};
    return {names[Byte - 1], Width, Position_Color, false, TRuleCheck::Position, 0, 0, Message, NeededBytes};
}

inline TRuleColumn Text_Column(const char* Attribute, int Width) { return {Attribute, Width, clWhite}; }

inline TRuleColumn On_Change_Column() { return {"On_Change", 68, Timing_Color, true}; }
