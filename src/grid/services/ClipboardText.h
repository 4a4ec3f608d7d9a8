#pragma once
#include <string>
#include <vector>

// The text form of copied cells: fields split by tabs, lines ended by CR LF.

// One line of a pasted text, split into its fields. Ended is true when a line break
// followed the line, so that a text ending in a line break gives a last, empty line.
struct TClipboardLine {
    std::vector<std::string> Fields;
    bool Ended = false;
};

// Splits at carriage returns (a line feed right after one is skipped) and tabs. A field
// quoted as spreadsheets quote it keeps its tabs and line breaks and loses its quoting:
// doubled quotes become single, and every line break inside it (a line feed, a CR, a
// spreadsheet's character 11) becomes CR LF.
std::vector<TClipboardLine> SplitClipboardText(const std::string& Text);

// A copied cell text: one that holds a tab or a line break, or begins with a quote, is
// enclosed in quotes with its quotes doubled, each line break one line feed (character 11
// for a spreadsheet's multi-line cell).
std::string QuoteClipboardField(const std::string& Text, bool ExcelMultiline);

// The widest line's field count, and the line count less one, the same with or without a
// final line break.
void ClipboardTextSize(const std::string& Text, int& Cols, int& RowsLessOne);
