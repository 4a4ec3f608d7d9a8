#include "grid/foundation/markup/HtmlTagAttributes.h"

#include <algorithm>
#include <cstdint>

#include "platform/rtl/SysUtils.h"

namespace {
bool IsWordChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

int DigitValue(char c, int base)
{
    int digit = 99;
    if (c >= '0' && c <= '9')
        digit = c - '0';
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    return digit < base ? digit : -1;
}
} // namespace

namespace {
// The attribute's name at `begin` and the quotes around its value (npos when missing).
struct TAttributeAt {
    size_t begin = std::string::npos;
    size_t equals = std::string::npos;
    size_t open = std::string::npos;
    size_t close = std::string::npos;
};

char AttributeNameUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Names compare as UpperCase compares them (ASCII letters only), without copying the tag:
// every tag of every painted cell is searched this way.
bool AttributeNameAt(const std::string& tag, size_t at, const std::string& name)
{
    if (tag.size() - at < name.size()) return false;
    for (size_t k = 0; k < name.size(); ++k)
        if (AttributeNameUpper(tag[at + k]) != AttributeNameUpper(name[k])) return false;
    return true;
}

TAttributeAt LocateAttribute(const std::string& tag, const std::string& name)
{
    bool quoted = false;
    for (size_t i = 0; i < tag.size(); ++i) {
        if (tag[i] == '"') quoted = !quoted;
        if (quoted || (i > 0 && IsWordChar(tag[i - 1])) || !AttributeNameAt(tag, i, name)) continue;
        size_t equals = i + name.size();
        while (equals < tag.size() && tag[equals] == ' ')
            ++equals;
        if (equals >= tag.size() || tag[equals] != '=') continue;
        TAttributeAt at{i, equals};
        at.open = tag.find('"', equals);
        if (at.open != std::string::npos) at.close = tag.find('"', at.open + 1);
        if (at.close == std::string::npos) at.open = std::string::npos;
        return at;
    }
    return {};
}
} // namespace

bool FindTagAttribute(const std::string& tag, const std::string& name, std::string& value)
{
    const TAttributeAt at = LocateAttribute(tag, name);
    if (at.begin == std::string::npos) return false;
    value = at.open == std::string::npos ? std::string() : tag.substr(at.open + 1, at.close - at.open - 1);
    return true;
}

bool FindTagAttributeSpan(const std::string& tag, const std::string& name, size_t& begin, size_t& end)
{
    const TAttributeAt at = LocateAttribute(tag, name);
    if (at.begin == std::string::npos) return false;
    begin = at.begin;
    end = at.open == std::string::npos ? at.equals + 1 : at.close + 1;
    return true;
}

std::string TagAttribute(const std::string& tag, const std::string& name)
{
    std::string value;
    FindTagAttribute(tag, name, value);
    return value;
}

int ReadLeadingInteger(const std::string& value)
{
    size_t i = 0;
    while (i < value.size() && value[i] == ' ')
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
    int base = 10;
    if (i < value.size() && (value[i] == '$' || value[i] == 'x' || value[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < value.size() && value[i] == '0' && (value[i + 1] == 'x' || value[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    int64_t number = 0;
    for (; i < value.size() && DigitValue(value[i], base) >= 0; ++i)
        number = std::min<int64_t>(number * base + DigitValue(value[i], base), INT32_MAX);
    return static_cast<int>(negative && i == value.size() ? -number : number);
}

int ClampHtmlPixels(int value) { return std::clamp(value, -kMaxHtmlPixels, kMaxHtmlPixels); }

int AddHtmlExtent(int extent, int pixels)
{
    return static_cast<int>(std::min<int64_t>(int64_t{extent} + pixels, kMaxHtmlExtent));
}
