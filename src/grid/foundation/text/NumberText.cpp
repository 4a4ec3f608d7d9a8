#include "grid/foundation/text/NumberText.h"

#include <algorithm>

#include "grid/foundation/text/TextUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {

bool IsInteger(const std::u32string& s)
{
    for (size_t i = 0; i < s.size(); ++i)
        if (!IsDigitChar(s[i]) && !(i == 0 && s[i] == '-')) return false;
    return true;
}

bool IsExponentNumber(const std::u32string& s)
{
    const auto isE = [](char32_t c) { return c == 'e' || c == 'E'; };
    if (std::count_if(s.begin(), s.end(), isE) != 1 || isE(s.front())) return false;
    const char32_t last = s.back();
    if (last == '+' || last == '-' || isE(last)) return false;
    return std::all_of(s.begin(), s.end(), [&](char32_t c) {
        return IsDigitChar(c) || c == DecimalSeparatorChar() || isE(c) || c == '+' || c == '-';
    });
}

// Thousands separators must stand at least four positions apart.
bool IsSeparatedNumber(const std::u32string& s)
{
    size_t lastThousands = std::u32string::npos;
    for (size_t i = 0; i < s.size(); ++i) {
        const char32_t c = s[i];
        if (c == ThousandSeparatorChar()) {
            if (lastThousands != std::u32string::npos && i < lastThousands + 4) return false;
            lastThousands = i;
        } else if (!IsDigitChar(c) && c != DecimalSeparatorChar() && !(i == 0 && c == '-')) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string NormalizeNumberText(const std::string& S)
{
    if (S.empty()) return {};
    std::u32string s = utf8::Decode(Trim(S));
    bool negative = s.size() >= 2 && s.front() == '(' && s.back() == ')';
    size_t start = 0;
    while (s.size() - start >= 2 && !IsNumberChar(s[start])) {
        if (s[start] == '-') negative = true;
        ++start;
    }
    std::string plain;
    for (size_t i = start; i < s.size(); ++i) {
        const char32_t c = s[i];
        if (c == ThousandSeparatorChar()) continue;
        if (c == DecimalSeparatorChar())
            plain += '.';
        else if (IsFloatChar(c))
            plain += static_cast<char>(c);
        else
            break;
    }
    return negative ? "-" + plain : plain;
}

int ClassifyNumberText(const std::string& S)
{
    const std::u32string s = utf8::Decode(S);
    if (s.empty()) return ntNotANumber;
    int kind = ntNotANumber;
    if (IsInteger(s))
        kind = ntInteger;
    else if (IsExponentNumber(s))
        kind = ntExponent;
    else if (IsSeparatedNumber(s))
        kind = ntSeparated;
    const auto minus = std::count(s.begin(), s.end(), U'-');
    const auto decimals = std::count(s.begin(), s.end(), DecimalSeparatorChar());
    if (minus > (kind == ntExponent ? 2 : 1) || decimals > 1) return ntNotANumber;
    return kind;
}
