#include "editors/ethernetip/EdsParams.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "editors/ethernetip/EdsText.h"
#include "platform/rtl/SysUtils.h"

namespace {
constexpr int32_t kReal = 0xCA;
constexpr int32_t kLreal = 0xCB;

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

double LargestFloat(int32_t dataType)
{
    return dataType == kReal ? std::numeric_limits<float>::max() : std::numeric_limits<double>::max();
}

std::optional<TTypeRange> RangeOf(int32_t dataType)
{
    if (IsFloatType(dataType)) {
        const double largest = LargestFloat(dataType);
        return TTypeRange{dataType, FloatBitsOf(dataType, -largest), FloatBitsOf(dataType, largest)};
    }
    for (const TTypeRange& range : kTypeRanges)
        if (range.code == dataType) return range;
    return std::nullopt;
}

// A decimal number as EDS files write it: always with a point, whatever the user's
// format settings, so the platform's locale-bound reading does not serve here. An
// integer in any writing of the number rule reads as well.
bool TryReadDecimal(const std::string& text, double& value)
{
    std::string_view digits = text;
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') digits.remove_prefix(1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc() && end == digits.data() + digits.size()) return std::isfinite(value);
    int64_t whole = 0;
    if (!TryStrToInt64(text, whole)) return false;
    value = static_cast<double>(whole);
    return true;
}

// The number a limit or default field gives a parameter of this type; nothing when the
// text does not read, or does not fit a REAL.
std::optional<int64_t> ReadNumber(const std::string& text, int32_t dataType)
{
    if (!IsFloatType(dataType)) {
        int64_t value = 0;
        return TryStrToInt64(text, value) ? std::optional<int64_t>(value) : std::nullopt;
    }
    double value = 0;
    if (!TryReadDecimal(text, value)) return std::nullopt;
    if (dataType == kReal) {
        // The largest REAL written with more digits than a REAL holds (3.4028235E+38)
        // reads a little above it, and still means it; beyond half a step it means nothing.
        const double largest = LargestFloat(kReal);
        constexpr double kHalfLastStep = 0x1p103;
        if (std::fabs(value) >= largest + kHalfLastStep) return std::nullopt;
        value = std::clamp(value, -largest, largest);
    }
    return FloatBitsOf(dataType, value);
}

std::string FieldText(const std::vector<TEdsField>& fields, size_t index)
{
    return index < fields.size() ? fields[index].Trimmed() : std::string();
}

// A blank field leaves the value as it is and gives false; any other reads as a number of
// the data type, 0 when it does not read.
bool ReadField(const std::vector<TEdsField>& fields, size_t index, int32_t dataType, int64_t& value)
{
    const std::string text = FieldText(fields, index);
    if (text.empty()) return false;
    value = ReadNumber(text, dataType).value_or(0);
    return true;
}
} // namespace

bool IsFloatType(int32_t dataType) { return dataType == kReal || dataType == kLreal; }

int64_t FloatBitsOf(int32_t dataType, double value)
{
    if (dataType == kReal) return std::bit_cast<uint32_t>(static_cast<float>(value));
    return std::bit_cast<int64_t>(value);
}

double FloatOfBits(int32_t dataType, int64_t bits)
{
    if (dataType == kReal) return std::bit_cast<float>(static_cast<uint32_t>(bits));
    return std::bit_cast<double>(bits);
}

TEdsParam DecodeParamEntry(const std::string& entryText)
{
    const std::vector<TEdsField> fields = SplitEdsFields(entryText);
    TEdsParam param;
    if (fields.size() > 6) param.Name = fields[6].Trimmed();
    int64_t number = 0;
    if (ReadField(fields, 5, 0, number)) param.DataSizeByte = static_cast<int32_t>(number);
    if (ReadField(fields, 4, 0, number)) param.DataType = static_cast<int32_t>(number);
    const std::optional<TTypeRange> range = RangeOf(param.DataType);
    if (!ReadField(fields, 9, param.DataType, param.Min) && range) param.Min = range->min;
    if (!ReadField(fields, 10, param.DataType, param.Max) && range) param.Max = range->max;
    const std::optional<int64_t> byDefault = ReadNumber(FieldText(fields, 11), param.DataType);
    param.HasDefault = byDefault.has_value();
    param.Default = byDefault.value_or(0);
    return param;
}

std::string EnumNameOf(const std::string& paramName)
{
    return IsNumberedName(paramName, "Param") ? "Enum" + paramName.substr(5) : "";
}
