#include "grid/control/SortTextCache.h"

#include "grid/foundation/text/NumberText.h"

bool TSortCellText::IsNumber() const
{
    if (FNumberKind < 0) FNumberKind = static_cast<signed char>(ClassifyNumberText(Text));
    return FNumberKind == ntInteger || FNumberKind == ntSeparated || FNumberKind == ntExponent;
}

TSortCellText& TSortTextCache::At(int ACol, int ARow, bool& WasRead)
{
    if (static_cast<size_t>(ACol) >= FColumns.size()) FColumns.resize(static_cast<size_t>(ACol) + 1);
    std::vector<TEntry>& column = FColumns[static_cast<size_t>(ACol)];
    if (column.empty()) column.resize(static_cast<size_t>(FRowCount));
    TEntry& entry = column[static_cast<size_t>(ARow)];
    WasRead = std::exchange(entry.Read, true);
    return entry.Cell;
}

void TSortTextCache::SwapRows(int ARow1, int ARow2, int OnlyCol)
{
    for (size_t c = 0; c < FColumns.size(); ++c) {
        std::vector<TEntry>& column = FColumns[c];
        if (column.empty() || (OnlyCol >= 0 && static_cast<int>(c) != OnlyCol)) continue;
        std::swap(column[static_cast<size_t>(ARow1)], column[static_cast<size_t>(ARow2)]);
    }
}
