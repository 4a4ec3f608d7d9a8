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

std::string JoinTextLines(const std::vector<std::string>& Lines)
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
    return text;
}

std::string EncodeTextLines(const std::vector<std::string>& Lines, TTextFileCoding Coding)
{
    return EncodeText(JoinTextLines(Lines), Coding);
}

namespace {

const char* ByteOrderMark(TTextFileCoding Coding)
{
    switch (Coding) {
    case TTextFileCoding::Utf8Bom:
        return "\xEF\xBB\xBF";
    case TTextFileCoding::Utf16Bom:
        return "\xFF\xFE";
    default:
        return "";
    }
}

// The text in the coding, without the byte-order mark.
std::string EncodeTextBody(std::string Text, TTextFileCoding Coding)
{
    switch (Coding) {
    case TTextFileCoding::Ansi:
        return IsAscii(Text) ? std::move(Text) : Utf8ToWin1252(Text);
    case TTextFileCoding::Oem:
        return IsAscii(Text) ? std::move(Text) : Utf8ToOem(Text);
    case TTextFileCoding::Utf8Bom:
        return Text;
    case TTextFileCoding::Utf16Bom:
        return Utf8ToUtf16Le(Text);
    }
    return Text;
}

} // namespace

std::string EncodeText(std::string Text, TTextFileCoding Coding)
{
    return EncodeTextBody(std::move(Text), Coding).insert(0, ByteOrderMark(Coding));
}

void WriteTextFileLines(const std::string& FileName, const std::vector<std::string>& Lines, TTextFileCoding Coding)
{
    WriteFileBytes(FileName, EncodeTextLines(Lines, Coding));
}

void WriteTextFile(const std::string& FileName, std::string Text, TTextFileCoding Coding)
{
    WriteFileBytes(FileName, EncodeText(std::move(Text), Coding));
}

TTextFileWriter::TTextFileWriter(const std::string& FileName, TTextFileCoding Coding)
    : FFile(FileName), FCoding(Coding)
{
    FFile.Write(ByteOrderMark(Coding), std::char_traits<char>::length(ByteOrderMark(Coding)));
}

void TTextFileWriter::Write(const std::string& Text) { FFile.Write(EncodeTextBody(Text, FCoding)); }
