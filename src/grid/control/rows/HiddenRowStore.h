#pragma once
#include <vector>

#include "grid/control/rows/RowFlags.h"
#include "grid/foundation/model/RowIndex.h"
#include "platform/grids/GridCellStore.h"

// Why a row is out of the grid. Each reason has its own way back: a filter level comes
// back with its level, a node's row with its node (groups are nodes), and a hidden row by
// the unhide operations.
enum class THideReason { Hidden, FilterLevel, Node };

// One hidden row: the real row it stands for, how high it was, and its cells over all
// real columns with their objects (cell properties travel with the row while it is hidden).
struct TGridItem {
    TRealRow Row{0};
    int Height = 0;
    TGridStrings Items;
    THideReason Reason = THideReason::Hidden;
    // The filter level at which a row list hid it; -1 for the other reasons, so that
    // undoing a row list level never takes their rows.
    int Level = -1;
    // The row's own flags, out of the grid with it. They are kept per stored row rather
    // than on the display line the row left: a flag left on its line would move to the row
    // that takes the line.
    TRowOwnFlags Flags;
};

// The rows taken out of the grid, keyed by real row, in store order. The lookups by row
// are binary searches: painting and navigation ask them for every shown row.
class THiddenRowStore {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    const TGridItem& Item(int Index) const { return items_[Index]; }
    // The item may be changed, its row too.
    TGridItem& Item(int Index)
    {
        indexed_ = false;
        return items_[Index];
    }

    void Insert(int Index, std::vector<TGridItem> Items);
    void Add(TGridItem Item);
    void Delete(int Index);

    // The store position of the hidden real row, or -1.
    int Find(TRealRow Row) const;
    bool Contains(TRealRow Row) const { return Find(Row) >= 0; }
    // How many hidden rows stand above the real row.
    int CountBelow(TRealRow Row) const;
    // The real index of every hidden row, ascending.
    const std::vector<int>& SortedIndexes() const;
    // The store positions ordered by ascending row.
    const std::vector<int>& PositionsByIndex() const;

private:
    void Reindex() const;

    std::vector<TGridItem> items_;
    mutable bool indexed_ = true;
    mutable std::vector<int> sortedIndexes_;
    mutable std::vector<int> positionsByIndex_;
};
