#include <gtest/gtest.h>

#include <vector>

#include "grid/services/SortRowFetch.h"
#include "platform/grids/GridCellStore.h"

namespace {

// Fetching ahead is a hint and changes nothing; it must stay within the list and its runs
// whatever they are: runs at either end, rows the store never had, columns past a row's end.
TEST(SortRowFetchTest, FetchesWithinTheListAndItsRunsAndChangesNothing)
{
    TGridCellStore store;
    for (int r = 0; r < 40; ++r)
        store.SetText(r % 3, r, "r" + std::to_string(r));
    const std::vector<int> rows = {39, 0, 5, 7, 100, 12, 2, 38, 1, 3, 4, 6, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18,
                                   19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 500};
    const TSortRecords::TRuns runLists[] = {{}, {{0, 2}}, {{3, 5}, {10, 30}, {40, 42}}, {{0, rows.size()}}};
    for (const auto& runs : runLists)
        for (const bool byRuns : {false, true}) {
            TSortRowFetch fetch(store, rows, byRuns ? &runs : nullptr, 1, 8);
            for (size_t n = 0; n <= rows.size() + 40; ++n)
                fetch.Before(n);
        }
    for (int r = 0; r < 40; ++r)
        EXPECT_EQ(store.Text(r % 3, r), "r" + std::to_string(r));
}

} // namespace
