#include "grid/foundation/text/CellText.h"

#include "grid/foundation/text/TextUtils.h"

#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {

const std::string kWidePrefix = "|\\";

bool StartsWith(const std::string& S, const std::string& Prefix) { return S.rfind(Prefix, 0) == 0; }

std::u16string ToUtf16(const std::u32string& chars)
{
    std::u16string units;
    for (char32_t c : chars) {
        if (c >= 0x10000) {
            units += char16_t(0xD800 + ((c - 0x10000) >> 10));
            units += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            units += char16_t(c);
        }
    }
    return units;
}

std::u32string FromUtf16(const std::u16string& units)
{
    std::u32string chars;
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        const bool high = c >= 0xD800 && c < 0xDC00;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        chars += c;
    }
    return chars;
}

// The 16-bit characters of the pairs that follow the prefix.
std::u16string WidePairs(const std::u32string& chars)
{
    std::u16string units;
    for (size_t i = kWidePrefix.size(); i + 1 < chars.size(); i += 2)
        units += char16_t(((chars[i] & 0xFF) << 8) | (chars[i + 1] & 0xFF));
    return units;
}

bool IsWholeNumber(const std::string& S, int& Value) { return IsDigitsOnly(S) && TryStrToInt(S, Value); }

} // namespace

int GetTextType(const std::string& S, bool MarkupAllowed)
{
    const std::string s = S + " ";
    if (Length(s) < 2) return ttPlain;
    if (StartsWith(s, "=")) return ttFormula;
    if (StartsWith(s, kWidePrefix)) {
        const std::u16string units = WidePairs(utf8::Decode(s));
        return !units.empty() && units[0] == u'=' ? ttFormula : ttWideEncoded;
    }
    if (StartsWith(s, "{\\")) return ttRichText;
    if (MarkupAllowed)
        for (const char* tag : {"</", "<B", "<I", "<C"})
            if (s.find(tag) != std::string::npos) return ttMarkup;
    return ttPlain;
}

std::string EncodeWideCellText(const std::string& S)
{
    std::u32string encoded;
    for (char16_t unit : ToUtf16(utf8::Decode(S))) {
        encoded += char32_t(unit >> 8);
        encoded += char32_t(unit & 0xFF);
    }
    return kWidePrefix + utf8::Encode(encoded);
}

std::string DecodeWideCellText(const std::string& S)
{
    if (!StartsWith(S, kWidePrefix)) return S;
    return utf8::Encode(FromUtf16(WidePairs(utf8::Decode(S))));
}

bool ParseRowColReference(const std::string& S, TPoint& Cell)
{
    const std::string s = AnsiUpperCase(S);
    if (Length(s) <= 3 || !StartsWith(s, "R")) return false;
    const size_t c = s.find('C', 1);
    if (c == std::string::npos) return false;
    int row = 0, col = 0;
    if (!IsWholeNumber(s.substr(1, c - 1), row) || !IsWholeNumber(s.substr(c + 1), col)) return false;
    Cell.X = col;
    Cell.Y = row;
    return true;
}

bool IsUrlText(const std::string& S)
{
    return S.find("://") != std::string::npos || S.find("mailto:") != std::string::npos;
}

void StripUrlScheme(std::string& S)
{
    for (const std::string scheme : {"://", "mailto:"}) {
        const size_t at = S.find(scheme);
        if (at != std::string::npos) {
            S.erase(0, at + scheme.size());
            return;
        }
    }
}
