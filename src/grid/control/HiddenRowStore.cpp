#include "grid/control/HiddenRowStore.h"

#include <algorithm>

int THiddenRowStore::Find(int Idx) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[i].Idx == Idx) return i;
    return -1;
}

int THiddenRowStore::CountBelow(int Idx) const
{
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [Idx](const TGridItem& item) { return item.Idx < Idx; }));
}

std::vector<int> THiddenRowStore::SortedIndexes() const
{
    std::vector<int> indexes;
    indexes.reserve(items_.size());
    for (const TGridItem& item : items_) indexes.push_back(item.Idx);
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}
