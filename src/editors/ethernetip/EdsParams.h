#pragma once
#include <cstdint>
#include <string>

// The fields of one [Params] entry that the target configuration and the connection
// paths use. An entry's fields are: 0 reserved, 1 link path size, 2 link path,
// 3 descriptor, 4 data type, 5 data size in bytes, 6 name, 7 units, 8 help text,
// 9 minimum, 10 maximum, 11 default, then scaling fields.
struct TEdsParam {
    std::string Name;
    int32_t DataType = 0;
    int32_t DataSizeByte = 0;
    int64_t Min = 0;
    int64_t Max = 0;
    int64_t Default = 0;
    bool HasDefault = false;  // the default field is written and reads as a number
};

// Blank numeric fields keep 0, except a blank minimum or maximum, which stands for the
// limit of the data type. Unreadable numbers give 0. The limits and default of a REAL or
// LREAL parameter are decimal numbers, held as their IEEE-754 bits (see FloatBitsOf).
TEdsParam DecodeParamEntry(const std::string& entryText);

// REAL (0xCA, single precision) and LREAL (0xCB, double precision).
bool IsFloatType(int32_t dataType);
// A floating-point parameter keeps its numbers in the model's integers as their IEEE-754
// bit patterns (a REAL's in the low 32 bits), so the data segment sends the bytes the
// target expects, least significant first, and the numbers survive the rule file's
// integer attributes unchanged.
int64_t FloatBitsOf(int32_t dataType, double value);
double FloatOfBits(int32_t dataType, int64_t bits);

// The name of a parameter's enumeration entry: Param12 gives Enum12. Other names have
// none and give "".
std::string EnumNameOf(const std::string& paramName);
