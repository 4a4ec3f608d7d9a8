#include "grid/services/TextFileLines.h"

#include <algorithm>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Files.h"

namespace {

bool HasByteOrderMark(const std::string& Bytes)
{
    return Bytes.rfind("\xEF\xBB\xBF", 0) == 0 || Bytes.rfind("\xFF\xFE", 0) == 0 || Bytes.rfind("\xFE\xFF", 0) == 0;
}

// ASCII reads the same in every code page, so such a text needs no conversion.
bool IsAscii(const std::string& Text)
{
    return std::all_of(Text.begin(), Text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

std::vector<std::string> SplitTextLines(const std::string& Text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < Text.size()) {
        const size_t end = Text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(Text.substr(start));
            break;
        }
        lines.push_back(Text.substr(start, end - start));
        start = end + (Text[end] == '\r' && end + 1 < Text.size() && Text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::string DecodeTextBytes(std::string Bytes, bool Oem)
{
    if (Oem && !HasByteOrderMark(Bytes)) return OemToUtf8(Bytes);
    return DecodeTextFile(std::move(Bytes));
}

std::vector<std::string> DecodeTextLines(std::string Bytes, bool Oem)
{
    return SplitTextLines(DecodeTextBytes(std::move(Bytes), Oem));
}

std::vector<std::string> ReadTextFileLines(const std::string& FileName, bool Oem)
{
    return DecodeTextLines(ReadFileBytes(FileName), Oem);
}

std::string EncodeTextLines(const std::vector<std::string>& Lines, TTextFileCoding Coding)
{
    size_t size = 0;
    for (const std::string& line : Lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size + 3);
    for (const std::string& line : Lines) {
        text += line;
        text += "\r\n";
    }
    switch (Coding) {
    case TTextFileCoding::Ansi:
        return IsAscii(text) ? text : Utf8ToWin1252(text);
    case TTextFileCoding::Oem:
        return IsAscii(text) ? text : Utf8ToOem(text);
    case TTextFileCoding::Utf8Bom:
        return "\xEF\xBB\xBF" + text;
    case TTextFileCoding::Utf16Bom:
        return "\xFF\xFE" + Utf8ToUtf16Le(text);
    }
    return text;
}

void WriteTextFileLines(const std::string& FileName, const std::vector<std::string>& Lines, TTextFileCoding Coding)
{
    WriteFileBytes(FileName, EncodeTextLines(Lines, Coding));
}
