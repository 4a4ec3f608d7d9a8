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

// The rows taken out of the grid by the hide operations, in store order.
class THiddenRowStore {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    const TGridItem& Item(int Index) const { return items_[Index]; }
    TGridItem& Item(int Index) { return items_[Index]; }

    void Insert(int Index, TGridItem Item) { items_.insert(items_.begin() + Index, std::move(Item)); }
    void Add(TGridItem Item) { items_.push_back(std::move(Item)); }
    void Delete(int Index) { items_.erase(items_.begin() + Index); }
    void Clear() { items_.clear(); }

    // The store position of the row hidden with index Idx, or -1.
    int Find(int Idx) const;
    bool Contains(int Idx) const { return Find(Idx) >= 0; }
    // How many hidden rows had an index below Idx.
    int CountBelow(int Idx) const;
    // The indexes of every hidden row, ascending.
    std::vector<int> SortedIndexes() const;
    // The store positions ordered by ascending index.
    std::vector<int> PositionsByIndex() const;

private:
    std::vector<TGridItem> items_;
};
