#pragma once
#include <vector>

#include "platform/grids/GridCellStore.h"

// One hidden row: where it stood, how high it was, and its cells over all real columns
// with their objects (cell properties travel with the row while it is hidden).
struct TGridItem {
    int Idx = 0;
    int Height = 0;
    TGridStrings Items;
    // The filter level at which a row list hid it; -1 for the other hide operations, so
    // that undoing a row list level never takes their rows.
    int Level = -1;
};

// The rows taken out of the grid by the hide operations, in store order. The lookups by
// index are binary searches: painting and navigation ask them for every shown row.
class THiddenRowStore {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    const TGridItem& Item(int Index) const { return items_[Index]; }
    // The item may be changed, its index too.
    TGridItem& Item(int Index)
    {
        indexed_ = false;
        return items_[Index];
    }

    void Insert(int Index, std::vector<TGridItem> Items);
    void Add(TGridItem Item);
    void Delete(int Index);

    // The store position of the row hidden with index Idx, or -1.
    int Find(int Idx) const;
    bool Contains(int Idx) const;
    // How many hidden rows had an index below Idx.
    int CountBelow(int Idx) const;
    // The indexes of every hidden row, ascending.
    const std::vector<int>& SortedIndexes() const;
    // The store positions ordered by ascending index.
    const std::vector<int>& PositionsByIndex() const;

private:
    void Reindex() const;

    std::vector<TGridItem> items_;
    mutable bool indexed_ = true;
    mutable std::vector<int> sortedIndexes_;
    mutable std::vector<int> positionsByIndex_;
};
