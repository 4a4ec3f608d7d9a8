#include "grid/control/GridColumnCollection.h"

#include <vector>

#include "grid/control/ExtColumnGrid.h"

std::unique_ptr<TCollectionItem> TGridColumnCollection::CreateItem()
{
    return std::make_unique<TGridColumnItem>(this);
}

TGridColumnItem* TGridColumnCollection::Add()
{
    auto* item = static_cast<TGridColumnItem*>(TCollection::Add());
    if (Count() > 1) item->AssignVisuals(*Items(Count() - 2));
    return item;
}

void TGridColumnCollection::Update(TCollectionItem*)
{
    if (UpdateCount() > 0 || FNoRecursiveUpdate || FOwner->ComponentState().Contains(csLoading)) return;
    const int visible = Count() - FOwner->NumHiddenColumns();
    if (visible != FOwner->ColCount() && visible > FOwner->FixedCols()) FOwner->SetColCount(visible);
    FOwner->RebuildColumnHeaders();
    FOwner->Invalidate();
}

void TGridColumnCollection::SetOrganization()
{
    {
        TNoRecursiveUpdate suspended(*this);
        FOwner->SyncColumnCount();
    }
    FNoRecursiveUpdate = false;
    for (int i = 0; i < Count(); ++i)
        Items(i)->DefIdx = i;
}

// Works on shown columns, where real and display indexes agree. Each pass ends with at
// least one more column at its place for good, so a permutation needs at most Count passes;
// anything else moves nothing.
void TGridColumnCollection::ResetOrganization()
{
    if (!DefIdxFormPermutation()) return;
    bool moved = true;
    for (int pass = 0; moved && pass <= Count(); ++pass) {
        moved = false;
        for (int i = 0; i < Count(); ++i) {
            const int target = Items(i)->DefIdx;
            if (target >= i) continue;
            FOwner->MoveColumn(i, target);
            moved = true;
        }
    }
}

bool TGridColumnCollection::DefIdxFormPermutation() const
{
    std::vector<bool> seen(static_cast<size_t>(Count()), false);
    for (int i = 0; i < Count(); ++i) {
        const int position = Items(i)->DefIdx;
        if (position < 0 || position >= Count() || seen[static_cast<size_t>(position)]) return false;
        seen[static_cast<size_t>(position)] = true;
    }
    return true;
}
