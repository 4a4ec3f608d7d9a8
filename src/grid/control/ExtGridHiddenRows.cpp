#include <algorithm>

#include "grid/control/ExtStringGrid.h"

// A hidden row takes its cells over every real column, hidden columns included, so that
// nothing of it is left behind in the grid.
TGridItem TExtStringGrid::TakeRow(int DisplRow) const
{
    TGridItem item;
    for (int c = 0; c < TotalColCount(); ++c) item.Items.Add(GridCells(c, DisplRow), GridObjects(c, DisplRow));
    item.Height = RowHeights(DisplRow);
    return item;
}

void TExtStringGrid::PutRow(int DisplRow, const TGridItem& Item)
{
    for (int c = 0; c < Item.Items.Count(); ++c) {
        SetGridCells(c, DisplRow, Item.Items.Strings[c]);
        SetGridObjects(c, DisplRow, Item.Items.Objects[c]);
    }
    SetRowHeights(DisplRow, Item.Height);
}

void TExtStringGrid::CopyRow(int FromRow, int ToRow) { PutRow(ToRow, TakeRow(FromRow)); }

// The slot's objects have moved elsewhere; they are dropped, not freed.
void TExtStringGrid::ClearRowSlot(int DisplRow)
{
    for (int c = 0; c < TotalColCount(); ++c) {
        SetGridCells(c, DisplRow, "");
        SetGridObjects(c, DisplRow, nullptr);
    }
}

void TExtStringGrid::RemoveDisplayRows(int DisplRow, int Count)
{
    const int rows = RowCount();
    for (int r = DisplRow; r + Count < rows; ++r) CopyRow(r + Count, r);
    for (int r = rows - Count; r < rows; ++r) ClearRowSlot(r);
    SetRowCount(rows - Count);
}

void TExtStringGrid::InsertDisplayRows(int DisplRow, int Count)
{
    SetRowCount(RowCount() + Count);
    for (int r = RowCount() - 1; r >= DisplRow + Count; --r) CopyRow(r - Count, r);
    for (int r = DisplRow; r < DisplRow + Count; ++r) {
        ClearRowSlot(r);
        SetRowHeights(r, DefaultRowHeight());
    }
}

// The shown rows of the range stand together from display row d. HideRows keeps the
// store in row order; HideRowsEx appends to it.
void TExtStringGrid::HideRealRows(int FromRow, int ToRow, bool AtStoreEnd)
{
    FromRow = std::max(FromRow, 0);
    ToRow = std::min(ToRow, TotalRowCount() - 1);
    const int hiddenBelow = FGridItems.CountBelow(FromRow);
    const int d = FromRow - hiddenBelow;
    int position = AtStoreEnd ? FGridItems.Count() : hiddenBelow;
    int newlyHidden = 0;
    for (int r = FromRow; r <= ToRow; ++r) {
        if (FGridItems.Contains(r)) continue;
        TGridItem item = TakeRow(d + newlyHidden);
        item.Idx = r;
        FGridItems.Insert(std::min(position++, FGridItems.Count()), std::move(item));
        ++newlyHidden;
    }
    if (newlyHidden > 0) RemoveDisplayRows(d, newlyHidden);
}

void TExtStringGrid::HideRows(int FromRow, int ToRow) { HideRealRows(FromRow, ToRow, false); }

// Rows already hidden are skipped like HideRows does, so that no row is stored twice.
void TExtStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    if (!FGridItems.Contains(FromRow)) HideRealRows(FromRow, ToRow, true);
}

void TExtStringGrid::RestoreRows(int FromRow, int ToRow)
{
    for (int r = FromRow; r <= ToRow; ++r) {
        const int position = FGridItems.Find(r);
        if (position < 0) continue;
        const int d = r - FGridItems.CountBelow(r);
        InsertDisplayRows(d, 1);
        PutRow(d, FGridItems.Item(position));
        FGridItems.Delete(position);
    }
}

void TExtStringGrid::UnHideRow(int RowIndex) { RestoreRows(RowIndex, RowIndex); }

void TExtStringGrid::UnHideRows(int FromRow, int ToRow)
{
    if (!FGridItems.Contains(FromRow)) return;
    RestoreRows(FromRow, ToRow);
}

void TExtStringGrid::UnHideRowsAll()
{
    for (int idx : FGridItems.SortedIndexes()) RestoreRows(idx, idx);
}

void TExtStringGrid::HideRowList(const std::vector<int>& RowList)
{
    std::vector<bool> listed(RowCount(), false);
    for (int r : RowList)
        if (r >= 0 && r < RowCount() && !listed[r]) {
            listed[r] = true;
            TGridItem item = TakeRow(r);
            item.Idx = r;
            item.Level = FFilterLevel;
            FGridItems.Add(std::move(item));
        }
    ++FFilterLevel;
    const int rows = RowCount();
    int next = 0;
    for (int r = 0; r < rows; ++r) {
        if (listed[r]) continue;
        if (next != r) CopyRow(r, next);
        ++next;
    }
    for (int r = next; r < rows; ++r) ClearRowSlot(r);
    SetRowCount(next);
}

// Rows hidden by the other operations stay in the store whatever the level: dropping them
// would lose their cells.
void TExtStringGrid::UnHideRowList()
{
    const int level = FFilterLevel - 1;
    std::vector<int> positions;
    for (int i = 0; i < FGridItems.Count(); ++i)
        if (FGridItems.Item(i).Level == level) positions.push_back(i);
    if (Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    int oldRow = RowCount() - 1;
    SetRowCount(RowCount() + static_cast<int>(positions.size()));
    int pending = static_cast<int>(positions.size()) - 1;
    for (int target = RowCount() - 1; target >= 0; --target) {
        if (pending >= 0 && FGridItems.Item(positions[pending]).Idx == target) {
            PutRow(target, FGridItems.Item(positions[pending--]));
        } else if (oldRow >= 0) {
            if (oldRow < target) CopyRow(oldRow, target);
            --oldRow;
        }
    }
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) FGridItems.Delete(*it);
}
