#include "editors/ethernetip/EdsParams.h"

#include <limits>
#include <vector>

#include "editors/ethernetip/EdsText.h"
#include "platform/rtl/SysUtils.h"

namespace {
struct TTypeRange {
    int32_t code;
    int64_t min;
    int64_t max;
};

// The integer data types of the common industrial protocol. The unsigned 64-bit types
// are limited to what the model's signed 64-bit values hold.
constexpr int64_t kInt64Max = std::numeric_limits<int64_t>::max();
constexpr TTypeRange kTypeRanges[] = {
    {0xC1, 0, 1},                                            // BOOL
    {0xC2, -128, 127},                                       // SINT
    {0xC3, -32768, 32767},                                   // INT
    {0xC4, -2147483648LL, 2147483647LL},                     // DINT
    {0xC5, std::numeric_limits<int64_t>::min(), kInt64Max},  // LINT
    {0xC6, 0, 255},                                          // USINT
    {0xC7, 0, 65535},                                        // UINT
    {0xC8, 0, 4294967295LL},                                 // UDINT
    {0xC9, 0, kInt64Max},                                    // ULINT
    {0xD1, 0, 255},                                          // BYTE
    {0xD2, 0, 65535},                                        // WORD
    {0xD3, 0, 4294967295LL},                                 // DWORD
    {0xD4, 0, kInt64Max},                                    // LWORD
};

const TTypeRange* RangeOf(int32_t dataType)
{
    for (const TTypeRange& range : kTypeRanges)
        if (range.code == dataType) return &range;
    return nullptr;
}

std::string FieldText(const std::vector<TEdsField>& fields, size_t index)
{
    return index < fields.size() ? fields[index].Trimmed() : std::string();
}

// A blank field leaves the value as it is and gives false; any other reads by the number
// rule, 0 when it does not read.
bool ReadField(const std::vector<TEdsField>& fields, size_t index, int64_t& value)
{
    const std::string text = FieldText(fields, index);
    if (text.empty()) return false;
    value = StrToInt64Def(text, 0);
    return true;
}
} // namespace

TEdsParam DecodeParamEntry(const std::string& entryText)
{
    const std::vector<TEdsField> fields = SplitEdsFields(entryText);
    TEdsParam param;
    if (fields.size() > 6) param.Name = fields[6].Trimmed();
    int64_t number = 0;
    if (ReadField(fields, 5, number)) param.DataSizeByte = static_cast<int32_t>(number);
    if (ReadField(fields, 4, number)) param.DataType = static_cast<int32_t>(number);
    const TTypeRange* range = RangeOf(param.DataType);
    if (!ReadField(fields, 9, param.Min) && range) param.Min = range->min;
    if (!ReadField(fields, 10, param.Max) && range) param.Max = range->max;
    param.HasDefault = TryStrToInt64(FieldText(fields, 11), param.Default);
    return param;
}

std::string EnumNameOf(const std::string& paramName)
{
    return IsNumberedName(paramName, "Param") ? "Enum" + paramName.substr(5) : "";
}
