#include "grid/control/HiddenRowStore.h"

#include <algorithm>
#include <iterator>

void THiddenRowStore::Insert(int Index, std::vector<TGridItem> Items)
{
    items_.insert(items_.begin() + Index, std::make_move_iterator(Items.begin()),
                  std::make_move_iterator(Items.end()));
    indexed_ = false;
}

void THiddenRowStore::Add(TGridItem Item)
{
    items_.push_back(std::move(Item));
    indexed_ = false;
}

void THiddenRowStore::Delete(int Index)
{
    items_.erase(items_.begin() + Index);
    indexed_ = false;
}

void THiddenRowStore::Reindex() const
{
    if (indexed_) return;
    positionsByIndex_.resize(items_.size());
    for (int i = 0; i < Count(); ++i)
        positionsByIndex_[i] = i;
    std::stable_sort(positionsByIndex_.begin(), positionsByIndex_.end(),
                     [this](int a, int b) { return items_[a].Idx < items_[b].Idx; });
    sortedIndexes_.clear();
    for (int position : positionsByIndex_)
        sortedIndexes_.push_back(items_[position].Idx);
    indexed_ = true;
}

const std::vector<int>& THiddenRowStore::SortedIndexes() const
{
    Reindex();
    return sortedIndexes_;
}

const std::vector<int>& THiddenRowStore::PositionsByIndex() const
{
    Reindex();
    return positionsByIndex_;
}

int THiddenRowStore::CountBelow(int Idx) const
{
    const std::vector<int>& sorted = SortedIndexes();
    return static_cast<int>(std::lower_bound(sorted.begin(), sorted.end(), Idx) - sorted.begin());
}

int THiddenRowStore::Find(int Idx) const
{
    const int below = CountBelow(Idx);
    if (below >= Count() || sortedIndexes_[below] != Idx) return -1;
    return positionsByIndex_[below];
}

bool THiddenRowStore::Contains(int Idx) const { return Find(Idx) >= 0; }
