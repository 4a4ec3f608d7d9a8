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

std::string Utf8ToUtf16Le(const std::string& text)
{
    std::string out;
    out.reserve(text.size() * 2);
    const auto unit = [&out](char32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>((u >> 8) & 0xFF);
    };
    for (char32_t cp : utf8::Decode(text)) {
        if (cp < 0x10000) {
            unit(cp);
            continue;
        }
        cp -= 0x10000;
        unit(0xD800 + (cp >> 10));
        unit(0xDC00 + (cp & 0x3FF));
    }
    return out;
}

std::string Utf16LeToUtf8(const std::string& bytes) { return DecodeUtf16(bytes, 0, false); }

std::string DecodeTextFile(std::string bytes)
{
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        bytes.erase(0, 3);
        return bytes;
    }
    if (bytes.rfind("\xFF\xFE", 0) == 0) return DecodeUtf16(bytes, 2, false);
    if (bytes.rfind("\xFE\xFF", 0) == 0) return DecodeUtf16(bytes, 2, true);
    if (utf8::IsValid(bytes)) return bytes;
    return Win1252ToUtf8(bytes);
}

namespace {
// Code points of the bytes 0x80 to 0xFF of code page 850.
constexpr char32_t kOemHigh[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};
}  // namespace

std::string Utf8ToOem(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : utf8::Decode(text)) {
        char mapped = cp < 0x80 ? static_cast<char>(cp) : '?';
        for (int k = 0; cp >= 0x80 && k < 128; ++k)
            if (kOemHigh[k] == cp) mapped = static_cast<char>(0x80 + k);
        out += mapped;
    }
    return out;
}

std::string OemToUtf8(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        utf8::Append(out, b < 0x80 ? b : kOemHigh[b - 0x80]);
    }
    return out;
}
