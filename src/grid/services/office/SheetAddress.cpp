#include "grid/services/office/SheetAddress.h"

#include <climits>
#include <cstdint>

std::string ColumnLetters(int Column)
{
    std::string letters;
    for (int64_t rest = Column; rest > 0; rest = (rest - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
    return letters;
}

int ColumnNumber(const std::string& Letters)
{
    int64_t column = 0;
    for (const char ch : Letters) {
        const char upper = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
        if (upper < 'A' || upper > 'Z') return 0;
        column = column * 26 + (upper - 'A' + 1);
        if (column > INT_MAX) return 0;
    }
    return static_cast<int>(column);
}

namespace {
// Reads "[$]part" where part is the characters that Accept takes; false when there are none.
template <typename TAccept>
bool ReadAddressPart(const std::string& Text, size_t& Pos, TAccept Accept, std::string& Part)
{
    const size_t start = Pos;
    if (Pos < Text.size() && Text[Pos] == '$') ++Pos;
    const size_t first = Pos;
    while (Pos < Text.size() && Accept(Text[Pos]))
        ++Pos;
    Part = Text.substr(first, Pos - first);
    if (Part.empty()) Pos = start;
    return !Part.empty();
}

bool IsColumnLetter(char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }
bool IsRowDigit(char ch) { return ch >= '0' && ch <= '9'; }
} // namespace

bool ParseCellRef(const std::string& Text, TSheetCellRef& Ref)
{
    size_t pos = 0;
    std::string letters, digits;
    const bool hasColumn = ReadAddressPart(Text, pos, IsColumnLetter, letters);
    const bool hasRow = ReadAddressPart(Text, pos, IsRowDigit, digits);
    if (pos != Text.size() || (!hasColumn && !hasRow)) return false;
    TSheetCellRef ref;
    if (hasColumn && (ref.Column = ColumnNumber(letters)) == 0) return false;
    if (hasRow) {
        if (digits.size() > 9 || (ref.Row = std::stoi(digits)) == 0) return false;
    }
    Ref = ref;
    return true;
}

std::string CellRefText(int Column, int Row) { return ColumnLetters(Column) + std::to_string(Row); }
