#include "grid/services/SortTextCache.h"

#include <numeric>
#include <utility>

#include "grid/foundation/text/NumberText.h"

bool TSortCellText::IsNumber() const
{
    if (FNumberKind < 0) FNumberKind = ClassifyNumberText(Text);
    return FNumberKind == ntInteger || FNumberKind == ntSeparated || FNumberKind == ntExponent;
}

TSortCellText& TSortTextCache::At(int ACol, int ARow, bool& WasRead)
{
    if (static_cast<size_t>(ACol) >= FColumns.size()) FColumns.resize(static_cast<size_t>(ACol) + 1);
    TColumnTexts& column = FColumns[static_cast<size_t>(ACol)];
    if (column.Entries.empty()) {
        column.Entries.resize(static_cast<size_t>(FRowCount));
        column.RowEntry.resize(static_cast<size_t>(FRowCount));
        std::iota(column.RowEntry.begin(), column.RowEntry.end(), 0);
    }
    TEntry& entry = column.Entries[static_cast<size_t>(column.RowEntry[static_cast<size_t>(ARow)])];
    WasRead = std::exchange(entry.Read, true);
    return entry.Cell;
}

void TSortTextCache::SwapRows(int ARow1, int ARow2, int OnlyCol)
{
    for (size_t c = 0; c < FColumns.size(); ++c) {
        TColumnTexts& column = FColumns[c];
        if (column.Entries.empty() || (OnlyCol >= 0 && static_cast<int>(c) != OnlyCol)) continue;
        std::swap(column.RowEntry[static_cast<size_t>(ARow1)], column.RowEntry[static_cast<size_t>(ARow2)]);
    }
}

void TSortTextCache::Forget(int ARow)
{
    for (TColumnTexts& column : FColumns)
        if (!column.Entries.empty())
            column.Entries[static_cast<size_t>(column.RowEntry[static_cast<size_t>(ARow)])] = TEntry{};
}
