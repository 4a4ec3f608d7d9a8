#include "platform/rtl/Utf8.h"

namespace utf8 {
namespace {
// Length of the well-formed sequence at s[i], or 0 when it is not one.
size_t SequenceLength(const std::string& s, size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    size_t len = 0;
    char32_t min = 0;
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) { len = 2; min = 0x80; }
    else if ((lead & 0xF0) == 0xE0) { len = 3; min = 0x800; }
    else if ((lead & 0xF8) == 0xF0) { len = 4; min = 0x10000; }
    else return 0;
    if (i + len > s.size()) return 0;
    char32_t cp = lead & (0x7F >> len);
    for (size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

char32_t DecodeAt(const std::string& s, size_t i, size_t len)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    if (len <= 1) return lead;
    char32_t cp = lead & (0x7F >> len);
    for (size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return cp;
}
}  // namespace

std::vector<size_t> CharOffsets(const std::string& s)
{
    std::vector<size_t> offsets;
    offsets.reserve(s.size() + 1);
    size_t i = 0;
    while (i < s.size()) {
        offsets.push_back(i);
        const size_t len = SequenceLength(s, i);
        i += len == 0 ? 1 : len;
    }
    offsets.push_back(s.size());
    return offsets;
}

bool IsValid(const std::string& s)
{
    for (size_t i = 0; i < s.size();) {
        const size_t len = SequenceLength(s, i);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

void Append(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::u32string Decode(const std::string& s)
{
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const size_t len = SequenceLength(s, i);
        out += DecodeAt(s, i, len);
        i += len == 0 ? 1 : len;
    }
    return out;
}

std::string Encode(const std::u32string& s)
{
    std::string out;
    out.reserve(s.size());
    for (char32_t cp : s) Append(out, cp);
    return out;
}
}  // namespace utf8
