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

// Splits at carriage returns (a line feed right after one is skipped) and tabs.
std::vector<TClipboardLine> SplitClipboardText(const std::string& Text);

// A field that held line breaks comes quoted: the quotes go and character 11 (the
// spreadsheet's line break inside a cell) becomes CR LF.
std::string UnquoteClipboardField(const std::string& Field);

// A copied cell text: CRs become LFs inside quotes, a spreadsheet's multi-line cell
// keeps its breaks as character 11.
std::string QuoteClipboardField(const std::string& Text, bool ExcelMultiline);

// The widest line's field count, and the line count less one, the same with or without a
// final line break.
void ClipboardTextSize(const std::string& Text, int& Cols, int& RowsLessOne);
