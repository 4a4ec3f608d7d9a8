#include "grid/services/SortRowFetch.h"

#include "platform/grids/GridCellStore.h"

namespace {

// Rows ahead of the read: enough to keep several fetches on their way at once.
constexpr size_t kCellsAhead = 48;
constexpr size_t kEntriesAhead = 2 * kCellsAhead;

} // namespace

TSortRowFetch::TSortRowFetch(const TGridCellStore& Store, std::span<const int> Rows, const TSortRecords::TRuns* Runs,
                             int FirstCol, int LastCol)
    : FStore(Store), FRows(Rows), FRuns(Runs), FFirstCol(FirstCol), FLastCol(LastCol)
{
    if (FRuns && !FRuns->empty()) FEntries.At = FCells.At = FRuns->front().first;
}

bool TSortRowFetch::Valid(const TCursor& Cursor) const
{
    return FRuns ? Cursor.Run < FRuns->size() : Cursor.At < FRows.size();
}

bool TSortRowFetch::Next(TCursor& Cursor) const
{
    ++Cursor.N;
    ++Cursor.At;
    if (FRuns && Cursor.At == (*FRuns)[Cursor.Run].second && ++Cursor.Run < FRuns->size())
        Cursor.At = (*FRuns)[Cursor.Run].first;
    return Valid(Cursor);
}

void TSortRowFetch::Before(size_t N)
{
    for (; Valid(FEntries) && FEntries.N <= N + kEntriesAhead; Next(FEntries))
        FStore.PrefetchEntry(FRows[FEntries.At]);
    for (; Valid(FCells) && FCells.N <= N + kCellsAhead; Next(FCells))
        FStore.Prefetch(FRows[FCells.At], FFirstCol, FLastCol);
}
