#pragma once
#include <memory>

#include "grid/control/GridColumnItem.h"
#include "platform/ui/Collections.h"

class TExtColumnGrid;

// The column items of a column grid, one per real column. Adding, inserting or deleting
// items from outside brings the grid's column count in line, but never down to its fixed
// columns or fewer.
class TGridColumnCollection : public TCollection {
public:
    explicit TGridColumnCollection(TExtColumnGrid* Owner) : FOwner(Owner) {}

    TExtColumnGrid* GetOwner() const { return FOwner; }
    TGridColumnItem* Items(int Index) const
    {
        return static_cast<TGridColumnItem*>(TCollection::Items(Index));
    }
    // Assigns Value to the item at Index.
    void SetItem(int Index, const TGridColumnItem& Value) { Items(Index)->Assign(Value); }
    // A new last item repeats the visuals of the item before it.
    TGridColumnItem* Add();
    // A new item with the creation defaults, whatever its neighbours.
    TGridColumnItem* Insert(int Index) { return static_cast<TGridColumnItem*>(TCollection::Insert(Index)); }

    // Records the present order as every item's design position.
    void SetOrganization();
    // Moves the grid's columns until every item stands at its design position. Positions
    // that are not a permutation of the indexes move nothing.
    void ResetOrganization();

    // Set while the grid itself changes the item count or order: Update then does nothing.
    bool FNoRecursiveUpdate = false;

protected:
    std::unique_ptr<TCollectionItem> CreateItem() override;
    void Update(TCollectionItem* Item) override;

private:
    bool DefIdxFormPermutation() const;

    TExtColumnGrid* FOwner;
};

// Sets the collection's FNoRecursiveUpdate for one scope, restoring what it was.
class TNoRecursiveUpdate {
public:
    explicit TNoRecursiveUpdate(TGridColumnCollection& Columns)
        : FColumns(Columns), FKept(Columns.FNoRecursiveUpdate)
    {
        FColumns.FNoRecursiveUpdate = true;
    }
    ~TNoRecursiveUpdate() { FColumns.FNoRecursiveUpdate = FKept; }
    TNoRecursiveUpdate(const TNoRecursiveUpdate&) = delete;
    TNoRecursiveUpdate& operator=(const TNoRecursiveUpdate&) = delete;

private:
    TGridColumnCollection& FColumns;
    bool FKept;
};
