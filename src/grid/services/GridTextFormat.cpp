#include "grid/services/GridTextFormat.h"

#include <algorithm>

#include "grid/services/TextFileLines.h"
#include "platform/rtl/Utf8.h"

std::string EncodeCellLineBreaks(const std::string& Text)
{
    // A bare line feed is coded as well, not only a text with a carriage return: the CSV and
    // workbook readers give cells with lone line feeds, and written raw such a cell would
    // break its line and every cell after it would be lost on reading.
    if (Text.find_first_of("\r\n") == std::string::npos) return Text;
    std::string coded = Text;
    for (char& c : coded) {
        if (c == '\r') c = '\t';
        else if (c == '\n') c = '\b';
        else if (c == '\0') c = '\x01';
    }
    return coded;
}

std::string DecodeCellLineBreaks(const std::string& Text, bool Multiline)
{
    std::string text = Text;
    if (text.find('\b') != std::string::npos) {
        for (char& c : text) {
            if (c == '\t') c = '\r';
            else if (c == '\b') c = '\n';
            else if (c == '\x01') c = '\0';
        }
    }
    if (!Multiline) text = text.substr(0, text.find('\r'));
    return text;
}

bool SplitCellLine(const std::string& Line, std::string& First, std::string& Second, std::string& Rest)
{
    const size_t first = Line.find(',');
    if (first == std::string::npos) return false;
    const size_t second = Line.find(',', first + 1);
    First = Line.substr(0, first);
    if (second == std::string::npos) {
        Second = Line.substr(first + 1);
        Rest.clear();
        return false;
    }
    Second = Line.substr(first + 1, second - first - 1);
    Rest = Line.substr(second + 1);
    return true;
}

int CharLength(const std::string& Text)
{
    return static_cast<int>(std::count_if(Text.begin(), Text.end(),
                                          [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::vector<std::string> CellTextLines(const std::string& Text)
{
    std::vector<std::string> lines = SplitTextLines(Text);
    if (lines.empty()) lines.emplace_back();
    return lines;
}

int LongestLineLength(const std::string& Text, bool AllLines)
{
    int longest = 0;
    for (const std::string& line : CellTextLines(Text)) {
        longest = std::max(longest, CharLength(line));
        if (!AllLines) break;
    }
    return longest;
}

std::string AlignInColumn(const std::string& Text, int Width, TAlignment Alignment)
{
    std::string aligned = Text;
    if (Alignment == taRightJustify) {
        const int length = CharLength(aligned);
        if (length < Width) aligned.insert(0, static_cast<size_t>(Width - length), ' ');
    } else if (Alignment == taCenter) {
        while (CharLength(aligned) < Width)
            aligned = " " + aligned + " ";
    }
    return aligned;
}

std::string FitToWidth(const std::string& Text, int Width)
{
    const int length = CharLength(Text);
    if (length <= Width) return Text + std::string(static_cast<size_t>(Width - length), ' ');
    return CharRange(Text, 0, Width);
}

std::string CharRange(const std::string& Text, int From, int To)
{
    const std::vector<size_t> offsets = utf8::CharOffsets(Text);
    const int chars = static_cast<int>(offsets.size()) - 1;
    From = std::clamp(From, 0, chars);
    To = std::clamp(To, From, chars);
    return Text.substr(offsets[static_cast<size_t>(From)], offsets[static_cast<size_t>(To)] - offsets[static_cast<size_t>(From)]);
}
