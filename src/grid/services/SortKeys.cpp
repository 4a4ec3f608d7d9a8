#include "grid/services/SortKeys.h"

#include <algorithm>
#include <cstdlib>
#include <new>

int PlaceSortBlanks(int Result, bool Empty1, bool Empty2, const TSortSettings& Settings, TSortDirection Direction)
{
    if (!Settings.IgnoreBlanks || Empty1 == Empty2) return Result;
    const int emptyFirst = Settings.BlankPos == blFirst ? -1 : 1;
    const int result = Empty1 ? emptyFirst : -emptyFirst;
    return Direction == sdDescending ? -result : result;
}

// The row table comes zeroed from calloc and the entries get room for every row up front:
// the pages of large tables stay untouched until rows are read, and the entries are never
// copied to grow.
TSortColumnKeys::TSortColumnKeys(size_t Count, TSortColumnFormat Format)
    : FFormat(std::move(Format)),
      FEntryOf(static_cast<std::uint32_t*>(std::calloc(std::max<size_t>(Count, 1), sizeof(std::uint32_t)))),
      FRowRoom(std::max<size_t>(Count, 1))
{
    if (!FEntryOf) throw std::bad_alloc();
    FEntries.reserve(Count);
}

void TSortColumnKeys::TFree::operator()(std::uint32_t* P) const { std::free(P); }

void TSortColumnKeys::Add(size_t A, TEntry Entry)
{
    FEntries.push_back(Entry);
    FEntryOf[A] = static_cast<std::uint32_t>(FEntries.size());
}

void TSortColumnKeys::Set(size_t A, const TSortKey& Key)
{
    if (!Key.IsText) {
        Add(A, {Key.Value, 0, 0, kValue, Key.Valid, Key.Empty});
        return;
    }
    Add(A, {0, FChars.size(), Key.Text.size(), kText, true, Key.Empty});
    FChars += Key.Text;
}

void TSortColumnKeys::SetCellByCell(size_t A) { Add(A, {0, 0, 0, kCellByCell, true, false}); }

void TSortColumnKeys::Restart(size_t Count)
{
    if (Count > FRowRoom) {
        FEntryOf.reset(static_cast<std::uint32_t*>(std::calloc(Count, sizeof(std::uint32_t))));
        if (!FEntryOf) throw std::bad_alloc();
        FRowRoom = Count;
    } else {
        std::fill_n(FEntryOf.get(), Count, 0u);
    }
    FEntries.clear();
    FChars.clear();
}

TSortKeyTable::TSortKeyTable(int ColCount) : FKeys(static_cast<size_t>(std::max(ColCount, 0))) {}

TSortColumnKeys& TSortKeyTable::Make(int ACol, TSortColumnFormat Format)
{
    auto& keys = FKeys[static_cast<size_t>(ACol)];
    keys = std::make_unique<TSortColumnKeys>(static_cast<size_t>(FCount), std::move(Format));
    return *keys;
}

void TSortKeyTable::Restart(const std::vector<int>& Rows)
{
    FCount = static_cast<int>(Rows.size());
    FFirst = Rows.empty() ? 0 : Rows.front();
    const bool range = Rows.empty() || Rows.back() - Rows.front() + 1 == FCount;
    if (range)
        FRows.clear();
    else
        FRows = Rows;
    for (auto& keys : FKeys)
        if (keys) keys->Restart(static_cast<size_t>(FCount));
}

bool TSortKeyTable::IndexOf(int ARow, size_t& Index) const
{
    if (FRows.empty()) {
        if (ARow < FFirst || ARow >= FFirst + FCount) return false;
        Index = static_cast<size_t>(ARow - FFirst);
        return true;
    }
    const auto found = std::lower_bound(FRows.begin(), FRows.end(), ARow);
    if (found == FRows.end() || *found != ARow) return false;
    Index = static_cast<size_t>(found - FRows.begin());
    return true;
}
