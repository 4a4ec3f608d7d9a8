#include <algorithm>

#include "grid/control/ExtStringGrid.h"

// A hidden row takes its cells over every real column, hidden columns included, so that
// nothing of it is left behind in the grid.
TGridItem TExtStringGrid::TakeRow(int DisplRow) const
{
    TGridItem item;
    for (int c = 0; c < TotalColCount(); ++c)
        item.Items.Add(GridCells(c, DisplRow), GridObjects(c, DisplRow));
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
    for (int r = DisplRow; r + Count < rows; ++r)
        CopyRow(r + Count, r);
    for (int r = rows - Count; r < rows; ++r)
        ClearRowSlot(r);
    SetRowCountShifted(rows - Count);
}

void TExtStringGrid::InsertDisplayRows(int DisplRow, int Count)
{
    SetRowCountShifted(RowCount() + Count);
    for (int r = RowCount() - 1; r >= DisplRow + Count; --r)
        CopyRow(r - Count, r);
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
    std::vector<TGridItem> items;
    for (int r = FromRow; r <= ToRow; ++r) {
        if (FGridItems.Contains(r)) continue;
        TGridItem item = TakeRow(d + static_cast<int>(items.size()));
        item.Idx = r;
        items.push_back(std::move(item));
    }
    if (items.empty()) return;
    const int count = static_cast<int>(items.size());
    FGridItems.Insert(AtStoreEnd ? FGridItems.Count() : hiddenBelow, std::move(items));
    RemoveDisplayRows(d, count);
}

void TExtStringGrid::HideRows(int FromRow, int ToRow) { HideRealRows(FromRow, ToRow, false); }

// Rows already hidden are skipped like HideRows does, so that no row is stored twice.
void TExtStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    if (!FGridItems.Contains(FromRow)) HideRealRows(FromRow, ToRow, true);
}

void TExtStringGrid::RestoreRows(int FromRow, int ToRow)
{
    const std::vector<int> byIndex = FGridItems.PositionsByIndex();
    std::vector<int> positions;
    std::vector<int> targets;
    for (int k = 0; k < static_cast<int>(byIndex.size()); ++k) {
        const int idx = FGridItems.Item(byIndex[k]).Idx;
        if (idx < FromRow || idx > ToRow) continue;
        // A restored row lands below the rows that stay hidden above it: the k rows of
        // lower index, less those restored with it.
        targets.push_back(idx - (k - static_cast<int>(positions.size())));
        positions.push_back(byIndex[k]);
    }
    RestoreItems(positions, targets);
}

// One pass over the grid whatever the number of rows restored: walking up from the new
// last row, each place takes either its restored row or the next shown row from below.
// Targets ascend.
void TExtStringGrid::RestoreItems(std::vector<int> Positions, const std::vector<int>& Targets)
{
    if (Positions.empty()) return;
    int oldRow = RowCount() - 1;
    SetRowCountShifted(RowCount() + static_cast<int>(Positions.size()));
    int pending = static_cast<int>(Positions.size()) - 1;
    for (int target = RowCount() - 1; target >= 0 && (pending >= 0 || oldRow != target); --target) {
        if (pending >= 0 && Targets[pending] == target)
            PutRow(target, FGridItems.Item(Positions[pending--]));
        else
            CopyRow(oldRow--, target);
    }
    std::sort(Positions.begin(), Positions.end());
    for (auto it = Positions.rbegin(); it != Positions.rend(); ++it)
        FGridItems.Delete(*it);
}

void TExtStringGrid::UnHideRow(int RowIndex) { RestoreRows(RowIndex, RowIndex); }

void TExtStringGrid::UnHideRows(int FromRow, int ToRow)
{
    if (!FGridItems.Contains(FromRow)) return;
    RestoreRows(FromRow, ToRow);
}

void TExtStringGrid::UnHideRowsAll()
{
    if (!FGridItems.Empty())
        RestoreRows(FGridItems.SortedIndexes().front(), FGridItems.SortedIndexes().back());
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
    for (int r = next; r < rows; ++r)
        ClearRowSlot(r);
    SetRowCountShifted(next);
}

// Rows hidden by the other operations stay in the store whatever the level: dropping them
// would lose their cells.
void TExtStringGrid::UnHideRowList()
{
    const int level = FFilterLevel - 1;
    std::vector<std::pair<int, int>> listed; // index, store position
    for (int i = 0; i < FGridItems.Count(); ++i)
        if (FGridItems.Item(i).Level == level) listed.emplace_back(FGridItems.Item(i).Idx, i);
    std::sort(listed.begin(), listed.end());
    if (Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    std::vector<int> positions;
    std::vector<int> targets;
    for (const auto& [idx, position] : listed) {
        targets.push_back(idx);
        positions.push_back(position);
    }
    RestoreItems(positions, targets);
}
