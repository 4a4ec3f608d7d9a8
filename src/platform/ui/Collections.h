#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Component.h"

class TCollection;

// One entry of a TCollection. It knows its collection and its index there; an item made
// without a collection stands alone and tells nobody about its changes.
class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* Collection) : FCollection(Collection) {}
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;

    TCollection* Collection() const { return FCollection; }
    // -1 for an item without a collection.
    int Index() const;
    // Moves the item within its collection; the collection is told of the new order.
    void SetIndex(int Value);
    virtual std::string GetDisplayName() const;

protected:
    // Tells the collection that this item (AllItems: the whole collection) changed.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* FCollection;
};

// An ordered list of items it owns, all made by CreateItem. Every insertion, removal and
// move of an item, and the close of the outermost BeginUpdate/EndUpdate bracket, calls
// Update(nullptr); an item reports its own changes through Update(item).
class TCollection : public TPersistent {
public:
    TCollection() = default;
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError for an index outside 0 to Count - 1.
    TCollectionItem* Items(int Index) const;
    TCollectionItem* Add();
    // Appends a new item and moves it to Index (0 to Count).
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    // Frees Item, which must belong to this collection.
    void Remove(TCollectionItem* Item);
    int IndexOf(const TCollectionItem* Item) const;

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Frees every item, then appends a copy (Assign) of each item of the source collection,
    // inside one update bracket.
    void Assign(const TPersistent& Source) override;

protected:
    virtual std::unique_ptr<TCollectionItem> CreateItem() = 0;
    virtual void Update(TCollectionItem* Item) {}
    // Update, unless a bracket is open.
    void Changed(TCollectionItem* Item = nullptr);

private:
    friend class TCollectionItem;
    void MoveItem(int FromIndex, int ToIndex);
    void CheckIndex(int Index) const;

    std::vector<std::unique_ptr<TCollectionItem>> FItems;
    int FUpdateCount = 0;
    bool FDestroying = false;
};
