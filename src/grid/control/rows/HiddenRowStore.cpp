#include "grid/control/rows/HiddenRowStore.h"

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
                     [this](int a, int b) { return items_[a].Row < items_[b].Row; });
    sortedIndexes_.clear();
    for (int position : positionsByIndex_)
        sortedIndexes_.push_back(items_[position].Row.Index());
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

int THiddenRowStore::CountBelow(TRealRow Row) const
{
    const std::vector<int>& sorted = SortedIndexes();
    return static_cast<int>(std::lower_bound(sorted.begin(), sorted.end(), Row.Index()) - sorted.begin());
}

int THiddenRowStore::Find(TRealRow Row) const
{
    const int below = CountBelow(Row);
    if (below >= Count() || sortedIndexes_[below] != Row.Index()) return -1;
    return positionsByIndex_[below];
}
