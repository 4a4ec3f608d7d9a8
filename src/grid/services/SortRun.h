#pragma once
#include <utility>
#include <vector>

#include "grid/control/settings/SortSettings.h"
#include "grid/services/SortKeys.h"
#include "grid/services/SortRecords.h"

// One column of a sort's order, with the direction it is sorted in; rows that tie on it go
// to the next. From is what the row compare starts at to compare from this column on: the
// column itself, or the sort index entry in an indexed sort.
struct TSortLevel {
    int Col;
    int From;
    TSortDirection Direction;
    TSortColumnFormat Format;
};

// What a running sort works with: its levels, one set of key records serving each run in
// turn, and the keys the row compare reads where a run is compared row by row.
struct TSortRun {
    TSortRun(std::vector<TSortLevel> ALevels, bool AIndexed, int ColCount)
        : Levels(std::move(ALevels)), Indexed(AIndexed), Keys(ColCount), RunsAt(Levels.size())
    {
    }

    std::vector<TSortLevel> Levels;
    bool Indexed;
    TSortRecords Records;
    TSortKeyTable Keys;
    // The runs of ties a level found, one list per level, kept for the next run sorted there.
    std::vector<TSortRecords::TRuns> RunsAt;
};
