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

// Within a line, a field whose quotes never close still ends at a last character that is a quote.
size_t ClosingQuote(std::string_view Line)
{
    const size_t close = FirstOddQuoteRun(Line);
    if (close != std::string::npos) return close;
    return !Line.empty() && Line.back() == '"' ? Line.size() - 1 : std::string::npos;
}

bool IsDelimiterCandidate(char C)
{
    return std::find(std::begin(kDelimiterCandidates), std::end(kDelimiterCandidates), C) != std::end(kDelimiterCandidates);
}

// Whether the quote at At opens a quoted field: it starts the record or follows the
// delimiter, blanks between. With Delimiter 0 (while the delimiter is being detected) any
// candidate counts.
bool OpensQuotedField(std::string_view Text, size_t RecordStart, size_t At, char Delimiter)
{
    size_t i = At;
    while (i > RecordStart && Text[i - 1] == ' ')
        --i;
    if (i == RecordStart) return true;
    const char before = Text[i - 1];
    return Delimiter ? before == Delimiter : IsDelimiterCandidate(before);
}

// Calls Quoted(open, close) for each quoted field of the text and Break(at, length) for each
// line break outside them. A quote that is never closed is an ordinary character, and so are
// all quotes after it: the text then reads line by line.
template <class TQuoted, class TBreak>
void ScanCsvText(std::string_view Text, char Delimiter, TQuoted Quoted, TBreak Break)
{
    size_t recordStart = 0;
    bool quotesClose = true;
    for (size_t i = 0; i < Text.size();) {
        const char c = Text[i];
        if (c == '"' && quotesClose && OpensQuotedField(Text, recordStart, i, Delimiter)) {
            const size_t close = FirstOddQuoteRun(Text.substr(i + 1));
            if (close != std::string::npos) {
                Quoted(i, i + 1 + close);
                i += close + 2;
                continue;
            }
            quotesClose = false;
        } else if (c == '\r' || c == '\n') {
            const size_t length = c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n' ? 2 : 1;
            Break(i, length);
            i += length;
            recordStart = i;
            continue;
        }
        ++i;
    }
}

// The record without its quoted fields, for counting the delimiter candidates.
std::string OutsideQuotes(const std::string& Record)
{
    std::string outside;
    size_t from = 0;
    ScanCsvText(
        Record, 0,
        [&](size_t Open, size_t Close) {
            outside.append(Record, from, Open - from);
            from = Close + 1;
        },
        [](size_t, size_t) {});
    outside.append(Record, from, std::string::npos);
    return outside;
}

} // namespace

// Bytes, not characters, as the quote is ASCII and texts can be long.
size_t FirstOddQuoteRun(std::string_view Text)
{
    for (size_t i = Text.find('"'); i != std::string::npos; i = Text.find('"', i)) {
        const size_t start = i;
        while (i < Text.size() && Text[i] == '"')
            ++i;
        if ((i - start) % 2 == 1) return i - 1;
    }
    return std::string::npos;
}

std::vector<std::string_view> SplitCsvRecords(std::string_view Text, char Delimiter, size_t MaxRecords)
{
    std::vector<std::string_view> records;
    size_t start = 0;
    bool done = false;
    ScanCsvText(
        Text, Delimiter, [](size_t, size_t) {},
        [&](size_t At, size_t Length) {
            if (done) return;
            records.push_back(Text.substr(start, At - start));
            start = At + Length;
            done = records.size() >= MaxRecords;
        });
    if (!done && start < Text.size()) records.push_back(Text.substr(start));
    return records;
}

// Most fields go out as they are, and most others only with their quotes doubled inside
// quotes: one pass over the field tells which. Empty fields, line breaks and a quote as the
// separator take the full coding.
void AppendCsvField(std::string& Out, const std::string& Text, const TCsvCoding& Coding)
{
    const char separator = Coding.Separator;
    bool quotes = false, separators = false, lineBreaks = false;
    for (const char c : Text) {
        quotes |= c == '"';
        separators |= c == separator;
        lineBreaks |= c == '\r' || c == '\n';
    }
    if (Text.empty() || lineBreaks || separator == '"') {
        Out += CsvField(Text, Coding);
        return;
    }
    if (!Coding.AlwaysQuotes && !quotes && !separators && Text.front() != ' ' && Text.back() != ' ') {
        Out += Text;
        return;
    }
    Out += '"';
    if (!quotes)
        Out += Text;
    else
        for (const char c : Text) {
            Out += c;
            if (c == '"') Out += '"';
        }
    Out += '"';
}

std::string CsvField(const std::string& Text, const TCsvCoding& Coding)
{
    const char separator = Coding.Separator;
    std::string field = Text.find('"') == std::string::npos ? Text : DoubleQuoteChars(Text);
    bool quoted = false;
    // A reader drops blanks before a field and may trim them after it, but not inside quotes.
    const bool blankEnds = !Text.empty() && (Text.front() == ' ' || Text.back() == ' ');
    if (Coding.AlwaysQuotes || (field.find(separator) == std::string::npos && field.find('"') != std::string::npos) ||
        blankEnds) {
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

char DetectCsvDelimiter(const std::string& FirstRecord, const std::string& SecondRecord)
{
    const std::string First = OutsideQuotes(FirstRecord), Second = OutsideQuotes(SecondRecord);
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

std::vector<std::string> SplitCsvLine(std::string_view Line, char Delimiter, bool JavaCSV)
{
    std::vector<std::string> fields;
    SplitCsvLine(Line, Delimiter, JavaCSV, fields);
    return fields;
}

// Reads on from a position instead of cutting the line, so long lines cost no copies.
void SplitCsvLine(std::string_view Line, char Delimiter, bool JavaCSV, std::vector<std::string>& Fields)
{
    Fields.clear();
    if (Delimiter == 0) {
        Fields.push_back(DecodeLineBreaks(std::string(Line), JavaCSV));
        return;
    }
    size_t at = 0;
    const auto dropLeadingSpaces = [&] {
        while (Line.size() - at >= 2 && Line[at] == ' ')
            ++at;
    };
    while (Line.find(Delimiter, at) != std::string::npos) {
        dropLeadingSpaces();
        std::string field;
        if (Line[at] == '"') {
            ++at;
            const size_t close = ClosingQuote(Line.substr(at));
            if (close != std::string::npos) {
                field = CollapseDoubledChar('"', std::string(Line.substr(at, close)));
                at += close + 1;
            }
        } else {
            field = std::string(Line.substr(at, Line.find(Delimiter, at) - at));
        }
        Fields.push_back(DecodeLineBreaks(std::move(field), JavaCSV));
        const size_t next = Line.find(Delimiter, at);
        at = next == std::string::npos ? Line.size() : next + 1;
    }
    if (at < Line.size()) {
        dropLeadingSpaces();
        std::string_view rest = Line.substr(at);
        std::string field;
        if (rest[0] == '"') {
            rest.remove_prefix(1);
            if (!rest.empty() && rest.back() == '"') rest.remove_suffix(1);
            field = CollapseDoubledChar('"', std::string(rest));
        } else {
            field = std::string(rest);
        }
        Fields.push_back(DecodeLineBreaks(std::move(field), JavaCSV));
    }
}
