#pragma once
#include <memory>

#include "platform/ui/Collections.h"

// A collection of one kind of item, read and added as that kind.
template <class TItem> class TTypedCollection : public TCollection {
public:
    TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
    TItem* Insert(int Index) { return static_cast<TItem*>(TCollection::Insert(Index)); }
    TItem* Items(int Index) const { return static_cast<TItem*>(TCollection::Items(Index)); }

    TNotifyEvent OnChange;

protected:
    std::unique_ptr<TCollectionItem> CreateItem() override { return std::make_unique<TItem>(this); }
};
