#include "platform/rtl/CodePage.h"

#include "platform/rtl/Utf8.h"

namespace {
// Code points of the bytes 0x80 to 0x9F; the five undefined bytes keep their own value.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string DecodeUtf16(const std::string& bytes, size_t start, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = start; i + 1 < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        char32_t unit = bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const auto c0 = static_cast<unsigned char>(bytes[i + 2]);
            const auto c1 = static_cast<unsigned char>(bytes[i + 3]);
            const char32_t low = bigEndian ? (c0 << 8 | c1) : (c1 << 8 | c0);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (unit >= 0xD800 && unit < 0xE000) unit = 0xFFFD;
        utf8::Append(out, unit);
    }
    return out;
}
}  // namespace

std::string Win1252ToUtf8(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        utf8::Append(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : b);
    }
    return out;
}

std::string Utf8ToWin1252(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : utf8::Decode(text)) {
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kHighControls[k] == cp) mapped = static_cast<char>(0x80 + k);
        out += mapped;
    }
    return out;
}

std::string DecodeTextFile(const std::string& bytes)
{
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) return bytes.substr(3);
    if (bytes.rfind("\xFF\xFE", 0) == 0) return DecodeUtf16(bytes, 2, false);
    if (bytes.rfind("\xFE\xFF", 0) == 0) return DecodeUtf16(bytes, 2, true);
    return utf8::IsValid(bytes) ? bytes : Win1252ToUtf8(bytes);
}
