#pragma once
#include <string>
#include <vector>

// How fields of delimiter-separated text are written and read.
struct TCsvCoding {
    char Separator = ',';
    bool AlwaysQuotes = false;
    bool QuoteEmptyCells = true;
    // Empty fields as "^" and line breaks as "~", without quoting for line breaks.
    bool JavaCSV = false;
};

// One field as written: quoted when it holds the separator, a double quote or a line break
// (or always, when asked), doubled quotes inside. Every line break of a multi-line text
// becomes one character 11, so that each record stays on one line and reads back whole.
std::string CsvField(const std::string& Text, const TCsvCoding& Coding);

// The delimiter that the first two lines of a text agree on, or 0 when none stands out.
char DetectCsvDelimiter(const std::string& First, const std::string& Second);

// The fields of one line, their quotes and line-break coding undone.
std::vector<std::string> SplitCsvLine(std::string Line, char Delimiter, bool JavaCSV);
