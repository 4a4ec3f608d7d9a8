#include "grid/services/CsvFormat.h"

#include <algorithm>
#include <string_view>

#include "grid/foundation/text/CsvText.h"

namespace {

constexpr char kDelimiterCandidates[] = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};
constexpr char kLineBreakMark = 11;

void ReplaceAllOf(std::string& Text, const std::string& From, const std::string& To)
{
    for (size_t at = Text.find(From); at != std::string::npos; at = Text.find(From, at + To.size()))
        Text.replace(at, From.size(), To);
}

// Runs of the character of odd length; a run that ends the line counts whatever its length.
int OddRuns(const std::string& Line, char C)
{
    int count = 0;
    for (size_t i = 0; i < Line.size();) {
        if (Line[i] != C) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < Line.size() && Line[i] == C)
            ++i;
        if ((i - start) % 2 == 1 || i == Line.size()) ++count;
    }
    return count;
}

int Occurrences(const std::string& Line, char C)
{
    return static_cast<int>(std::count(Line.begin(), Line.end(), C));
}

// A candidate wins when both lines count it alike and more often than the best so far.
char AgreedDelimiter(const std::string& First, const std::string& Second, int (*Count)(const std::string&, char))
{
    char found = 0;
    int best = 0;
    for (char c : kDelimiterCandidates) {
        const int first = Count(First, c);
        if (first == Count(Second, c) && first > best) {
            found = c;
            best = first;
        }
    }
    return found;
}

std::string DecodeLineBreaks(std::string Field, bool JavaCSV)
{
    if (JavaCSV) {
        if (Field == "^") return {};
        ReplaceAllOf(Field, "~", "\r\n");
    } else {
        ReplaceAllOf(Field, std::string(1, kLineBreakMark), "\r\n");
    }
    return Field;
}

// The closing quote of a quoted field whose opening quote is gone: the end of the first
// run of an odd number of quotes, or the last character when that is a quote. Bytes, not
// characters, as the quote is ASCII and lines can be long.
size_t ClosingQuote(std::string_view Line)
{
    for (size_t i = 0; i < Line.size();) {
        if (Line[i] != '"') {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < Line.size() && Line[i] == '"')
            ++i;
        if ((i - start) % 2 == 1) return i - 1;
    }
    return !Line.empty() && Line.back() == '"' ? Line.size() - 1 : std::string::npos;
}

} // namespace

std::string CsvField(const std::string& Text, const TCsvCoding& Coding)
{
    const char separator = Coding.Separator;
    std::string field = Text.find('"') == std::string::npos ? Text : DoubleQuoteChars(Text);
    bool quoted = false;
    if (Coding.AlwaysQuotes || (field.find(separator) == std::string::npos && field.find('"') != std::string::npos)) {
        field = "\"" + field + "\"";
        quoted = true;
    }
    if (Text.empty()) {
        if (Coding.JavaCSV)
            field = "^";
        else if (Coding.QuoteEmptyCells && !quoted)
            field = "\"\"";
    }
    if (field.find(separator) != std::string::npos || field.find_first_of("\r\n") != std::string::npos) {
        if (Coding.JavaCSV) {
            ReplaceAllOf(field, "\r\n", "~");
            std::replace(field.begin(), field.end(), '\r', '~');
            std::replace(field.begin(), field.end(), '\n', '~');
            // Line breaks need no quotes here, but a separator inside a field does.
            if (!quoted && field.find(separator) != std::string::npos) field = "\"" + field + "\"";
        } else {
            ReplaceAllOf(field, "\r\n", std::string(1, kLineBreakMark));
            std::replace(field.begin(), field.end(), '\r', kLineBreakMark);
            std::replace(field.begin(), field.end(), '\n', kLineBreakMark);
            if (!quoted) field = "\"" + field + "\"";
        }
    }
    return field;
}

char DetectCsvDelimiter(const std::string& First, const std::string& Second)
{
    if (const char found = AgreedDelimiter(First, Second, OddRuns)) return found;
    if (const char found = AgreedDelimiter(First, Second, Occurrences)) return found;
    char found = 0;
    int best = 0;
    for (char c : kDelimiterCandidates) {
        const int most = std::max(Occurrences(First, c), Occurrences(Second, c));
        if (most > best) {
            found = c;
            best = most;
        }
    }
    return found;
}

// Reads on from a position instead of cutting the line, so long lines cost no copies.
std::vector<std::string> SplitCsvLine(std::string Line, char Delimiter, bool JavaCSV)
{
    std::vector<std::string> fields;
    if (Delimiter == 0) {
        fields.push_back(DecodeLineBreaks(Line, JavaCSV));
        return fields;
    }
    const std::string_view line(Line);
    size_t at = 0;
    const auto dropLeadingSpaces = [&] {
        while (line.size() - at >= 2 && line[at] == ' ')
            ++at;
    };
    while (line.find(Delimiter, at) != std::string::npos) {
        dropLeadingSpaces();
        std::string field;
        if (line[at] == '"') {
            ++at;
            const size_t close = ClosingQuote(line.substr(at));
            if (close != std::string::npos) {
                field = CollapseDoubledChar('"', std::string(line.substr(at, close)));
                at += close + 1;
            }
        } else {
            field = std::string(line.substr(at, line.find(Delimiter, at) - at));
        }
        fields.push_back(DecodeLineBreaks(std::move(field), JavaCSV));
        const size_t next = line.find(Delimiter, at);
        at = next == std::string::npos ? line.size() : next + 1;
    }
    if (at < line.size()) {
        dropLeadingSpaces();
        std::string_view rest = line.substr(at);
        std::string field;
        if (rest[0] == '"') {
            rest.remove_prefix(1);
            if (!rest.empty() && rest.back() == '"') rest.remove_suffix(1);
            field = CollapseDoubledChar('"', std::string(rest));
        } else {
            field = std::string(rest);
        }
        fields.push_back(DecodeLineBreaks(std::move(field), JavaCSV));
    }
    return fields;
}
