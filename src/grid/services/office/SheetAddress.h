#pragma once
#include <string>

// Worksheet addresses. Columns and rows count from 1; column 1 is "A", 26 "Z", 27 "AA",
// 702 "ZZ", 703 "AAA", without an upper limit.
std::string ColumnLetters(int Column);
// The column of letters in either case; 0 for an empty text, any other character, or a
// column past the largest int.
int ColumnNumber(const std::string& Letters);

struct TSheetCellRef {
    int Column = 0; // 0: the address names whole rows
    int Row = 0;    // 0: the address names whole columns
};
// "B12", "$B$12", "B", "$3"; false for anything else.
bool ParseCellRef(const std::string& Text, TSheetCellRef& Ref);
std::string CellRefText(int Column, int Row);
