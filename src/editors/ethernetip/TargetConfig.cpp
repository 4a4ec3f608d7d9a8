#include "editors/ethernetip/TargetConfig.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"

namespace {
// No data segment holds more than 510 bytes; a member claiming more is cut there rather
// than allowed to make the text huge.
constexpr int kMaxMemberBits = 510 * 8;

// Bit `index` of the value in two's complement. A member wider than the value gets zeros
// above its 64 bits: a negative number spread over them would send a different number
// than the one the user sees.
bool BitOf(int64_t value, int index) { return index < 64 && ((value >> index) & 1) != 0; }
} // namespace

std::string TTC_ParamObj::GetEnumString() const
{
    for (const TTC_EnumObj& entry : ListEnum)
        if (static_cast<int64_t>(entry.Value) == Value) return entry.Description;
    return "";
}

int64_t TTC_ParamObj::SetValueFromEnum(const std::string& Val_Enum) const
{
    for (const TTC_EnumObj& entry : ListEnum)
        if (entry.Description == Val_Enum) return entry.Value;
    return Default;
}

int TTC_ParamObj::BitCount() const
{
    int32_t written = 0;
    // A data size from the file may be so large that its bit count does not fit 32 bits.
    const int64_t bits =
        TryStrToInt(Trim(BitSize), written) && written > 0 ? written : int64_t{DataSizeByte} * 8;
    return static_cast<int>(std::clamp<int64_t>(bits, 0, kMaxMemberBits));
}

std::string TTargetConfig::GetConfigStrData() const
{
    std::vector<uint8_t> bytes;
    int bit = 0;
    for (const TTC_ParamObj& param : ListParamObject) {
        const int count = param.BitCount();
        bytes.resize((bit + count + 7) / 8, 0);
        for (int i = 0; i < count; ++i, ++bit)
            if (BitOf(param.Value, i)) bytes[bit / 8] |= static_cast<uint8_t>(1 << (bit % 8));
    }
    std::string text;
    for (const uint8_t byte : bytes) {
        if (!text.empty()) text += ',';
        text += "0x" + IntToHex(byte, 2);
    }
    return text;
}
