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
    for (int position : PositionsByIndex()) indexes.push_back(items_[position].Idx);
    return indexes;
}

std::vector<int> THiddenRowStore::PositionsByIndex() const
{
    std::vector<int> positions(items_.size());
    for (int i = 0; i < Count(); ++i) positions[i] = i;
    std::stable_sort(positions.begin(), positions.end(),
                     [this](int a, int b) { return items_[a].Idx < items_[b].Idx; });
    return positions;
}
