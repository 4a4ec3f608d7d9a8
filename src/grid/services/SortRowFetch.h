#pragma once
#include <span>

#include "grid/services/SortRecords.h"

class TGridCellStore;

// Fetches the rows a sort reads ahead of the reads, in the order it reads them: the rows of
// a list, or only those of its runs of ties. A sorted list lies anywhere in memory, and a
// read that waits for each row in turn waits for every one. A row's entry is fetched first,
// its cells a few rows later.
class TSortRowFetch {
public:
    // The cells from FirstCol to LastCol of Rows, all of them where Runs is null.
    TSortRowFetch(const TGridCellStore& Store, std::span<const int> Rows, const TSortRecords::TRuns* Runs,
                  int FirstCol, int LastCol);

    // Fetches ahead of the read of the Nth row to fetch: in a list its position, in runs
    // the number of rows of the runs before.
    void Before(size_t N);

private:
    // A row to fetch: its position and, with runs, the run it is in; N counts the rows.
    struct TCursor {
        size_t At = 0;
        size_t Run = 0;
        size_t N = 0;
    };
    // Moves the cursor on to the next row to fetch; false past the last.
    bool Next(TCursor& Cursor) const;
    bool Valid(const TCursor& Cursor) const;

    const TGridCellStore& FStore;
    std::span<const int> FRows;
    const TSortRecords::TRuns* FRuns;
    int FFirstCol, FLastCol;
    TCursor FEntries, FCells;
};
