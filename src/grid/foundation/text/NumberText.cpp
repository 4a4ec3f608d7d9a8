#include "grid/foundation/text/NumberText.h"

#include <algorithm>

#include "grid/foundation/text/TextUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {

// Read once per text: a sort classifies every cell it compares.
struct TNumberSeparators {
    char32_t Decimal = DecimalSeparatorChar();
    char32_t Thousand = ThousandSeparatorChar();
};

template <typename TText> bool IsInteger(const TText& s)
{
    for (size_t i = 0; i < s.size(); ++i)
        if (!IsDigitChar(s[i]) && !(i == 0 && s[i] == '-')) return false;
    return true;
}

template <typename TText> bool IsExponentNumber(const TText& s, const TNumberSeparators& Separators)
{
    const auto isE = [](char32_t c) { return c == 'e' || c == 'E'; };
    if (std::count_if(s.begin(), s.end(), isE) != 1 || isE(s.front())) return false;
    const char32_t last = static_cast<char32_t>(s.back());
    if (last == '+' || last == '-' || isE(last)) return false;
    return std::all_of(s.begin(), s.end(), [&](char32_t c) {
        return IsDigitChar(c) || c == Separators.Decimal || isE(c) || c == '+' || c == '-';
    });
}

// Thousands separators must stand at least four positions apart.
template <typename TText> bool IsSeparatedNumber(const TText& s, const TNumberSeparators& Separators)
{
    size_t lastThousands = TText::npos;
    for (size_t i = 0; i < s.size(); ++i) {
        const char32_t c = static_cast<char32_t>(s[i]);
        if (c == Separators.Thousand) {
            if (lastThousands != TText::npos && i < lastThousands + 4) return false;
            lastThousands = i;
        } else if (!IsDigitChar(c) && c != Separators.Decimal && !(i == 0 && c == '-')) {
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

namespace {

template <typename TText> int ClassifyNumberChars(const TText& s)
{
    if (s.empty()) return ntNotANumber;
    const TNumberSeparators separators;
    int kind = ntNotANumber;
    if (IsInteger(s))
        kind = ntInteger;
    else if (IsExponentNumber(s, separators))
        kind = ntExponent;
    else if (IsSeparatedNumber(s, separators))
        kind = ntSeparated;
    const auto minus = std::count(s.begin(), s.end(), '-');
    const auto decimals = std::count_if(s.begin(), s.end(), [&](auto c) {
        return static_cast<char32_t>(c) == separators.Decimal;
    });
    if (minus > (kind == ntExponent ? 2 : 1) || decimals > 1) return ntNotANumber;
    return kind;
}

} // namespace

// Sorting classifies a cell at every comparison: plain ASCII texts skip the decoding.
int ClassifyNumberText(const std::string& S)
{
    // Digits and a leading minus are plain ASCII, and an integer has nothing more to check.
    if (!S.empty() && IsInteger(S)) return ntInteger;
    const bool ascii = std::all_of(S.begin(), S.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? ClassifyNumberChars(S) : ClassifyNumberChars(utf8::Decode(S));
}
