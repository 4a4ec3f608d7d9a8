#include "grid/control/settings/Filter.h"

#include "platform/rtl/Exceptions.h"

void TFilterData::Assign(const TPersistent& Source)
{
    if (const auto* other = dynamic_cast<const TFilterData*>(&Source))
        static_cast<TFilterDataValues&>(*this) = *other;
}

TFilterData& TFilter::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return *FItems[static_cast<size_t>(Index)];
}

TFilterData& TFilter::Add()
{
    TFilterData& item = Insert(Count());
    item.Operation = Count() == 1 ? foNONE : foAND;
    return item;
}

TFilterData& TFilter::Insert(int)
{
    FItems.push_back(std::make_unique<TFilterData>());
    return *FItems.back();
}

void TFilter::Delete(int Index)
{
    Items(Index);
    FItems.erase(FItems.begin() + Index);
}

TFilterData& TFilter::ColumnFilter(int Col)
{
    for (const auto& item : FItems)
        if (item->Column == Col) return *item;
    TFilterData& item = Add();
    item.Column = static_cast<int16_t>(Col);
    return item;
}

void TFilter::RemoveColumnFilter(int Col)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (Items(i).Column == Col) Delete(i);
    if (OnColumnFilterRemoved) OnColumnFilterRemoved(Col);
}

bool TFilter::HasFilter(int Col) const
{
    for (const auto& item : FItems)
        if (item->Column == Col) return true;
    return false;
}

void TFilter::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TFilter*>(&Source);
    if (!other || other == this) return;
    Clear();
    for (const auto& item : other->FItems)
        Insert(Count()).Assign(*item);
}
