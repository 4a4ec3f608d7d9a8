#include "grid/services/ClipboardText.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"

std::vector<TClipboardLine> SplitClipboardText(const std::string& Text)
{
    std::vector<TClipboardLine> lines(1);
    std::string field;
    for (size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c == '\t') {
            lines.back().Fields.push_back(field);
            field.clear();
        } else if (c == '\r') {
            lines.back().Fields.push_back(field);
            lines.back().Ended = true;
            field.clear();
            if (i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            field += c;
        }
    }
    lines.back().Fields.push_back(field);
    return lines;
}

std::string UnquoteClipboardField(const std::string& Field)
{
    // A multi-line cell copied for a spreadsheet holds character 11 instead of line feeds.
    if (Field.find_first_of("\n\x0B") == std::string::npos) return Field;
    std::string text = Field;
    if (!text.empty() && text.front() == '"') text.erase(0, 1);
    if (!text.empty() && text.back() == '"' && std::count(text.begin(), text.end(), '"') == 1) text.pop_back();
    return StringReplace(text, "\x0B", "\r\n", rfReplaceAll);
}

std::string QuoteClipboardField(const std::string& Text, bool ExcelMultiline)
{
    std::string text = Text;
    if (text.find('\r') != std::string::npos) text = "\"" + StringReplace(text, "\r", "\n", rfReplaceAll) + "\"";
    if (ExcelMultiline && text.find('\r') != std::string::npos)
        text = "\"" + StringReplace(text, "\r\n", "\x0B", rfReplaceAll) + "\"";
    return text;
}

void ClipboardTextSize(const std::string& Text, int& Cols, int& RowsLessOne)
{
    Cols = 0;
    int breaks = 0, emptyLines = 0;
    for (const TClipboardLine& line : SplitClipboardText(Text)) {
        Cols = std::max(Cols, static_cast<int>(line.Fields.size()));
        if (line.Ended) ++breaks;
        if (line.Fields.size() == 1 && line.Fields[0].empty()) ++emptyLines;
    }
    RowsLessOne = breaks - emptyLines;
}
