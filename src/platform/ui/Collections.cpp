#include "platform/ui/Collections.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"

int TCollectionItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

void TCollectionItem::SetIndex(int Value)
{
    if (!FCollection) return;
    const int current = Index();
    if (Value == current) return;
    FCollection->CheckIndex(Value);
    FCollection->MoveItem(current, Value);
}

std::string TCollectionItem::GetDisplayName() const { return ClassName(); }

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection) FCollection->Changed(AllItems ? nullptr : this);
}

// The owner of a collection may already be half gone: nobody is told of the last frees.
TCollection::~TCollection()
{
    FDestroying = true;
    FItems.clear();
}

TCollectionItem* TCollection::Items(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)].get();
}

TCollectionItem* TCollection::Add()
{
    FItems.push_back(CreateItem());
    TCollectionItem* item = FItems.back().get();
    item->FCollection = this;
    Changed();
    return item;
}

TCollectionItem* TCollection::Insert(int Index)
{
    if (Index != Count()) CheckIndex(Index);
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index)
{
    CheckIndex(Index);
    // The item leaves the list before it is freed, so that nothing it triggers sees it.
    std::unique_ptr<TCollectionItem> item = std::move(FItems[static_cast<size_t>(Index)]);
    FItems.erase(FItems.begin() + Index);
    item.reset();
    Changed();
}

void TCollection::Clear()
{
    if (FItems.empty()) return;
    BeginUpdate();
    while (!FItems.empty())
        Delete(Count() - 1);
    EndUpdate();
}

void TCollection::Remove(TCollectionItem* Item) { Delete(IndexOf(Item)); }

int TCollection::IndexOf(const TCollectionItem* Item) const
{
    const auto found =
        std::find_if(FItems.begin(), FItems.end(), [Item](const auto& p) { return p.get() == Item; });
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TCollection::EndUpdate()
{
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) Changed();
}

void TCollection::Assign(const TPersistent& Source)
{
    const auto* source = dynamic_cast<const TCollection*>(&Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    BeginUpdate();
    Clear();
    for (const auto& item : source->FItems)
        Add()->Assign(*item);
    EndUpdate();
}

void TCollection::Changed(TCollectionItem* Item)
{
    if (FUpdateCount == 0 && !FDestroying) Update(Item);
}

void TCollection::MoveItem(int FromIndex, int ToIndex)
{
    std::unique_ptr<TCollectionItem> item = std::move(FItems[static_cast<size_t>(FromIndex)]);
    FItems.erase(FItems.begin() + FromIndex);
    FItems.insert(FItems.begin() + ToIndex, std::move(item));
    Changed();
}

void TCollection::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}
