#include "grid/services/ClipboardText.h"

#include <algorithm>
#include <string_view>

#include "grid/services/CsvFormat.h"

namespace {

constexpr char kSheetLineBreak = 11;

bool EndsField(std::string_view Text, size_t At) { return At == Text.size() || Text[At] == '\t' || Text[At] == '\r'; }

// The text of a quoted field as the cell holds it: doubled quotes single, and every line
// break, a spreadsheet's character 11 too, the grid's CR LF.
std::string UnquotedText(std::string_view Inner)
{
    std::string text;
    text.reserve(Inner.size());
    for (size_t i = 0; i < Inner.size(); ++i) {
        const char c = Inner[i];
        if (c == '"' && i + 1 < Inner.size() && Inner[i + 1] == '"') {
            text += '"';
            ++i;
        } else if (c == '\r' || c == '\n' || c == kSheetLineBreak) {
            text += "\r\n";
            if (c == '\r' && i + 1 < Inner.size() && Inner[i + 1] == '\n') ++i;
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace

std::vector<TClipboardLine> SplitClipboardText(const std::string& Text)
{
    const std::string_view text(Text);
    std::vector<TClipboardLine> lines(1);
    std::string field;
    bool fieldStart = true;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (fieldStart && c == '"') {
            // Quoted as spreadsheets quote a cell with tabs, line breaks or quotes in it; a
            // quote that does not close right before a tab or a line end is a plain character.
            const size_t close = FirstOddQuoteRun(text.substr(i + 1));
            if (close != std::string::npos && EndsField(text, i + 2 + close)) {
                field = UnquotedText(text.substr(i + 1, close));
                i += close + 1;
                fieldStart = false;
                continue;
            }
        }
        fieldStart = false;
        if (c == '\t') {
            lines.back().Fields.push_back(std::move(field));
            field.clear();
            fieldStart = true;
        } else if (c == '\r') {
            lines.back().Fields.push_back(std::move(field));
            lines.back().Ended = true;
            field.clear();
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
            fieldStart = true;
        } else {
            field += c;
        }
    }
    lines.back().Fields.push_back(std::move(field));
    return lines;
}

std::string QuoteClipboardField(const std::string& Text, bool ExcelMultiline)
{
    if (Text.find_first_of("\t\r\n") == std::string::npos && (Text.empty() || Text.front() != '"')) return Text;
    // One line break stays one: a CR LF pair, a lone CR or a lone LF.
    const std::string lineBreak = ExcelMultiline ? std::string(1, kSheetLineBreak) : "\n";
    std::string quoted = "\"";
    for (size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        if (c == '"')
            quoted += "\"\"";
        else if (c == '\r' || c == '\n') {
            quoted += lineBreak;
            if (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
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
