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

// The row table comes zeroed from calloc, which leaves the pages of a large table untouched
// until a row is read.
TSortColumnKeys::TSortColumnKeys(size_t Count, TSortStyle Style, std::string Prefix, std::string Suffix)
    : FStyle(Style), FPrefix(std::move(Prefix)), FSuffix(std::move(Suffix)),
      FEntryOf(static_cast<std::uint32_t*>(std::calloc(std::max<size_t>(Count, 1), sizeof(std::uint32_t))))
{
    if (!FEntryOf) throw std::bad_alloc();
}

void TSortColumnKeys::TFree::operator()(std::uint32_t* P) const { std::free(P); }

void TSortColumnKeys::Reserve(size_t Count)
{
    FEntries.reserve(Count);
    if (FStyle != ssNumeric && FStyle != ssFinancial) FTexts.reserve(Count);
}

void TSortColumnKeys::Add(size_t A, TEntry Entry)
{
    FEntries.push_back(Entry);
    FEntryOf[A] = static_cast<std::uint32_t>(FEntries.size());
}

void TSortColumnKeys::Set(size_t A, TSortKey Key)
{
    if (!Key.IsText) {
        Add(A, {Key.Value, 0, kValue, Key.Valid, Key.Empty});
        return;
    }
    Add(A, {0, static_cast<std::uint32_t>(FTexts.size()), kText, true, Key.Empty});
    FTexts.push_back(std::move(Key.Text));
}

void TSortColumnKeys::SetCellByCell(size_t A) { Add(A, {0, 0, kCellByCell, true, false}); }

TSortKeyTable::TSortKeyTable(int First, int Count, int ColCount)
    : FFirst(First), FCount(Count), FKeys(static_cast<size_t>(ColCount))
{
}

TSortColumnKeys& TSortKeyTable::Make(int ACol, TSortStyle Style, std::string Prefix, std::string Suffix)
{
    auto& keys = FKeys[static_cast<size_t>(ACol)];
    keys = std::make_unique<TSortColumnKeys>(static_cast<size_t>(FCount), Style, std::move(Prefix), std::move(Suffix));
    return *keys;
}
