#pragma once
#include "grid/control/ExtStringGrid.h"

// Holds the grid's painting back for as long as it lives, also when an error ends the work.
class TGridUpdateScope {
public:
    explicit TGridUpdateScope(TExtStringGrid& Grid) : FGrid(Grid) { FGrid.BeginUpdate(); }
    ~TGridUpdateScope() { FGrid.EndUpdate(); }
    TGridUpdateScope(const TGridUpdateScope&) = delete;
    TGridUpdateScope& operator=(const TGridUpdateScope&) = delete;

private:
    TExtStringGrid& FGrid;
};
