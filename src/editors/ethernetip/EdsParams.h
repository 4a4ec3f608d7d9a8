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
// limit of the data type where the type is an integer one. Unreadable numbers give 0.
TEdsParam DecodeParamEntry(const std::string& entryText);

// The name of a parameter's enumeration entry: Param12 gives Enum12. Other names have
// none and give "".
std::string EnumNameOf(const std::string& paramName);
