#pragma once
#include "grid/foundation/model/ColumnIndex.h"
#include "grid/foundation/model/RowIndex.h"

// A cell as the grid shows it: its real column (a hidden column keeps its cells in place)
// and its display row (a hidden row is taken out of the grid). Cells are read and written
// so.
struct TShownCell {
    TRealCol Col;
    TDisplRow Row;
};

// A stored cell wherever its row is, in the grid or out of it.
struct TStoredCell {
    TRealCol Col;
    TRealRow Row;
};

// A place of the selection, which counts shown columns and shown rows only.
struct TSelectedCell {
    TDisplCol Col;
    TDisplRow Row;
};

// A rectangle of places of the selection, both corners included.
struct TSelectedRect {
    TSelectedCell From;
    TSelectedCell To;
};
