#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"

class TEdsDocument;

// One entry of a parameter's enumeration.
struct TTC_EnumObj {
    int32_t Value = 0;
    std::string Description;
};

// One member of a target's configuration assembly: a parameter, a fixed value or a
// reserved gap.
class TTC_ParamObj {
public:
    std::string BitSize;    // member size in bits, as the assembly entry writes it (trimmed)
    std::string ParamName;  // member reference, as the assembly entry writes it (trimmed; Param3)
    std::string Name;       // the parameter's name
    int32_t DataSizeByte = 0;
    int32_t DataType = 0;
    int64_t Min = 0;
    int64_t Max = 0;
    int64_t Default = 0;
    int64_t Value = 0;  // the value sent in the data segment; starts as Default
    bool Enum = false;
    std::vector<TTC_EnumObj> ListEnum;
    TStringList EnumString;  // the entries' descriptions, in the same order

    // The description of the first entry whose value is Value; "" when there is none.
    std::string GetEnumString() const;
    // The value of the first entry with exactly this description; Default when none has it.
    int64_t SetValueFromEnum(const std::string& Val_Enum) const;
    // How many bits the member takes in the data segment: BitSize, or the data size when
    // BitSize is not a positive number.
    int BitCount() const;
};

// The configuration data of one scan list target, decoded from the configuration
// assembly that its connection names. Copies are deep: a copy shares nothing with its
// source, so an editor may work on one and drop it.
class TTargetConfig {
public:
    std::string FileName;    // full path of the EDS file
    std::string Size;        // the connection's configuration size field
    std::string Format;      // the connection's configuration format field: an [Assembly] entry name
    std::string AO_Name;     // field 0 of the assembly entry
    std::string AO_SizeBit;  // field 2 of the assembly entry
    std::vector<TTC_ParamObj> ListParamObject;

    // Fills AO_Name, AO_SizeBit and ListParamObject from the file FileName. A missing
    // file or assembly leaves the configuration without parameters.
    void DecodeTargetConf();
    // The same from a file already parsed, so an import reads its file once.
    void DecodeTargetConf(const TEdsDocument& eds);
    // The text of the assembly entry named Format; "" when there is none.
    std::string Find_Assembly_Object(const TEdsDocument& sl) const;
    // Builds the parameters from an assembly entry's text (fields: name, path, size,
    // descriptor, two reserved, then pairs of member size in bits and member reference).
    void DecodeAssemblyObj(const std::string& AssemObj, const TEdsDocument& sl);
    // The [Params] entry text of a parameter and, in EnumStr, the text of its Enum entry.
    static std::string find_Param_Enum_Object(const std::string& Param, const TEdsDocument& sl,
                                              std::string& EnumStr);

    // The data segment: the members packed in order, each taking its bit count of Value
    // (least significant bit first, two's complement, zeros beyond its 64 bits), as bytes
    // "0x" and two upper-case hexadecimal digits joined by ","; "" without parameters.
    std::string GetConfigStrData() const;
};
