#include "grid/dropdown/EditNumberText.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"

namespace {
bool IsAsciiDigit(char Ch) { return Ch >= '0' && Ch <= '9'; }

bool ThousandSeparatorsSpaced(const std::string& Text, char Thousand)
{
    int Previous = -1;
    for (int I = 0; I < static_cast<int>(Text.size()); ++I) {
        if (Text[I] != Thousand) continue;
        if (I == 0 || (Previous >= 0 && I - Previous < 3)) return false;
        Previous = I;
    }
    return true;
}

bool AllOf(const std::string& Text, bool (*Allowed)(char))
{
    return std::all_of(Text.begin(), Text.end(), Allowed);
}
} // namespace

TEditNumberKind ClassifyEditNumberText(const std::string& Text)
{
    const TFormatSettings& Settings = FormatSettings();
    if (Text.empty() || std::count(Text.begin(), Text.end(), '-') > 1 ||
        std::count(Text.begin(), Text.end(), Settings.DecimalSeparator) > 1)
        return enkOther;
    if (AllOf(Text, [](char Ch) { return IsAsciiDigit(Ch) || Ch == '-'; })) return enkInteger;
    if (AllOf(Text, [](char Ch) { return IsAsciiDigit(Ch) || Ch == ',' || Ch == '-' || Ch == '.'; }) &&
        ThousandSeparatorsSpaced(Text, Settings.ThousandSeparator))
        return enkDecimal;
    if (AllOf(Text, [](char Ch) { return IsAsciiDigit(Ch) || Ch == '-' || (Ch >= 'A' && Ch <= 'F') || (Ch >= 'a' && Ch <= 'f'); }))
        return enkHex;
    return enkOther;
}

std::string StripThousandSeparators(const std::string& Text)
{
    std::string Result = Text;
    Result.erase(std::remove(Result.begin(), Result.end(), FormatSettings().ThousandSeparator), Result.end());
    return Result;
}

int HexDigitValue(char32_t Ch)
{
    if (Ch >= '0' && Ch <= '9') return static_cast<int>(Ch - '0');
    if (Ch >= 'A' && Ch <= 'F') return static_cast<int>(Ch - 'A' + 10);
    if (Ch >= 'a' && Ch <= 'f') return static_cast<int>(Ch - 'a' + 10);
    return 0;
}

int64_t HexTextToInt(const std::string& Text)
{
    // Sixteen digits fill 64 bits; more would only wrap around.
    uint64_t Value = 0;
    for (const char Ch : Text.substr(0, 16))
        Value = Value * 16 + static_cast<uint64_t>(HexDigitValue(static_cast<unsigned char>(Ch)));
    return static_cast<int64_t>(Value);
}

bool IsRangeSeparator(char32_t Ch) { return Ch == ',' || Ch == '-' || Ch == ';'; }

double ParseFloatText(const std::string& Text)
{
    double Value = 0;
    return TryStrToFloat(StripThousandSeparators(Text), Value) ? Value : 0;
}
