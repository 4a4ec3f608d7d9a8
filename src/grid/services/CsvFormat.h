#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The end of the first run of an odd number of double quotes, or npos: there a quoted
// field whose opening quote is gone closes, as a run of an even number stands for quotes
// inside it.
size_t FirstOddQuoteRun(std::string_view Text);

// How fields of delimiter-separated text are written and read.
struct TCsvCoding {
    char Separator = ',';
    bool AlwaysQuotes = false;
    bool QuoteEmptyCells = true;
    // Empty fields as "^" and line breaks as "~", without quoting for line breaks.
    bool JavaCSV = false;
};

// One field as written: quoted when it holds the separator, a double quote or a line break,
// or begins or ends with a blank (or always, when asked), doubled quotes inside. Every line break of a multi-line text
// becomes one character 11, so that each record stays on one line and reads back whole.
std::string CsvField(const std::string& Text, const TCsvCoding& Coding);
// Appends CsvField(Text, Coding) to Out.
void AppendCsvField(std::string& Out, const std::string& Text, const TCsvCoding& Coding);

// The records of a text: a line ends at CR, LF or CR LF, but not inside a quoted field, so
// a field that other programs wrote with a line break in it stays whole. A quote opens a
// quoted field at the start of a field (blanks before it allowed); with Delimiter 0 any
// candidate delimiter starts a field. At most MaxRecords records are split off. The records
// are views into Text: a file of many records is split without a copy of each.
std::vector<std::string_view> SplitCsvRecords(std::string_view Text, char Delimiter, size_t MaxRecords = SIZE_MAX);

// The delimiter that the first two records of a text agree on, or 0 when none stands out.
// What stands inside quoted fields is not counted.
char DetectCsvDelimiter(const std::string& FirstRecord, const std::string& SecondRecord);

// The fields of one record, their quotes and line-break coding undone.
std::vector<std::string> SplitCsvLine(std::string_view Line, char Delimiter, bool JavaCSV);
// The same into Fields, whose room a reader of many records uses again for each.
void SplitCsvLine(std::string_view Line, char Delimiter, bool JavaCSV, std::vector<std::string>& Fields);
