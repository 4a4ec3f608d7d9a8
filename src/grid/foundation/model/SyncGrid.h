#pragma once
#include "platform/ui/Component.h"

class TStringGrid;

// A second grid that scrolls, selects or moves in step with the owning grid.
class TSyncGrid : public TPersistent {
public:
    explicit TSyncGrid(TStringGrid* AOwner) : FOwner(AOwner) {}

    TStringGrid* Grid() const { return FGrid; }
    // A grid cannot be synchronised with itself: the owning grid is ignored.
    void SetGrid(TStringGrid* Value);
    bool ScrollVertical = false;
    bool ScrollHorizontal = false;
    bool SelectionColumn = false;
    bool SelectionRow = false;
    bool MoveColumn = false;
    bool MoveRow = false;

    void Assign(const TPersistent& Source) override;

private:
    TStringGrid* FOwner;
    TStringGrid* FGrid = nullptr;
};
