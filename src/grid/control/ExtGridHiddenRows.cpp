#include <algorithm>
#include <functional>

#include "grid/control/ExtStringGrid.h"

// A hidden row takes its cells over every real column, hidden columns included, so that
// nothing of it is left behind in the grid.
// Rows move through the cell store whole, and the grid is repainted once by the operation
// that moves them: repainting cell by cell made a filter over many rows cost many times its
// matching.
TGridItem TExtStringGrid::TakeRow(TDisplRow ADisplRow)
{
    TGridItem item;
    item.Items = CellStore().TakeRow(ADisplRow.Index(), TotalColCount());
    item.Height = RowHeights(ADisplRow.Index());
    return item;
}

void TExtStringGrid::PutRow(TDisplRow ADisplRow, const TGridItem& Item)
{
    CellStore().PutRow(ADisplRow.Index(), Item.Items);
    SetRowHeights(ADisplRow.Index(), Item.Height);
}

void TExtStringGrid::MoveRowCells(TDisplRow AFromRow, TDisplRow AToRow)
{
    CellStore().MoveRowTo(AFromRow.Index(), AToRow.Index());
    SetRowHeights(AToRow.Index(), RowHeights(AFromRow.Index()));
}

// The slot's objects have moved elsewhere; they are dropped, not freed.
void TExtStringGrid::ClearRowSlot(TDisplRow ADisplRow) { CellStore().ClearRow(ADisplRow.Index()); }

void TExtStringGrid::RemoveDisplayRows(TDisplRow ADisplRow, int Count)
{
    const TDisplRow end(RowCount());
    for (TDisplRow r = ADisplRow; r + Count < end; r = r + 1)
        MoveRowCells(r + Count, r);
    for (TDisplRow r = end - Count; r < end; r = r + 1)
        ClearRowSlot(r);
    SetRowCountShifted(end.Index() - Count);
    Invalidate();
}

void TExtStringGrid::InsertDisplayRows(TDisplRow ADisplRow, int Count)
{
    SetRowCountShifted(RowCount() + Count);
    for (TDisplRow r(RowCount() - 1); r >= ADisplRow + Count; r = r - 1)
        MoveRowCells(r - Count, r);
    for (TDisplRow r = ADisplRow; r < ADisplRow + Count; r = r + 1) {
        ClearRowSlot(r);
        SetRowHeights(r.Index(), DefaultRowHeight());
    }
    Invalidate();
}

void TExtStringGrid::MoveDisplayRows(TDisplRow AFromRow, int Count, TDisplRow AToRow)
{
    std::vector<TGridItem> moved;
    for (int i = 0; i < Count; ++i)
        moved.push_back(TakeRow(AFromRow + i));
    if (AToRow < AFromRow)
        for (TDisplRow r = AFromRow + (Count - 1); r >= AToRow + Count; r = r - 1)
            MoveRowCells(r - Count, r);
    else
        for (TDisplRow r = AFromRow; r < AToRow; r = r + 1)
            MoveRowCells(r + Count, r);
    for (int i = 0; i < Count; ++i)
        PutRow(AToRow + i, moved[i]);
    Invalidate();
}

// The shown rows of the range stand together from display row d. HideRows keeps the
// store in row order; HideRowsEx appends to it.
void TExtStringGrid::HideRealRows(TRealRow AFromRow, TRealRow AToRow, bool AtStoreEnd, THideReason Reason)
{
    AFromRow = std::max(AFromRow, TRealRow(0));
    AToRow = std::min(AToRow, TRealRow(TotalRowCount() - 1));
    bool anyShown = false;
    for (TRealRow r = AFromRow; r <= AToRow && !anyShown; r = r + 1)
        anyShown = !FRows.IsHidden(r);
    if (!anyShown) return;
    const TRowsChange change(*this);
    const int hiddenBelow = FRows.Hidden().CountBelow(AFromRow);
    const TDisplRow d = RealToDisplRow(AFromRow);
    std::vector<TGridItem> items;
    for (TRealRow r = AFromRow; r <= AToRow; r = r + 1) {
        if (FRows.IsHidden(r)) continue;
        TGridItem item = TakeRow(d + static_cast<int>(items.size()));
        item.Row = r;
        item.Reason = Reason;
        // The flags of the rows taken so far have left their lines already.
        item.Flags = TakeRowFlags(d);
        items.push_back(std::move(item));
    }
    const int count = static_cast<int>(items.size());
    FRows.Hidden().Insert(AtStoreEnd ? FRows.HiddenCount() : hiddenBelow, std::move(items));
    RemoveDisplayRows(d, count);
}

// Each object is freed the way the base grid frees its own cells' objects.
void TExtStringGrid::FreeStoredRows(const std::vector<TGridItem>& Items)
{
    for (const TGridItem& item : Items)
        for (TObject* object : item.Items.Objects)
            FreeCellObject(object);
}

void TExtStringGrid::HideRows(int FromRow, int ToRow)
{
    HideRealRows(TRealRow(FromRow), TRealRow(ToRow), false, THideReason::Hidden);
}

// Rows already hidden are skipped like HideRows does, so that no row is stored twice.
void TExtStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    if (!IsHiddenRow(FromRow)) HideRealRows(TRealRow(FromRow), TRealRow(ToRow), true, THideReason::Hidden);
}

void TExtStringGrid::RestoreRows(TRealRow AFromRow, TRealRow AToRow)
{
    RestoreItemsWhere([&](const TGridItem& Item) { return Item.Row >= AFromRow && Item.Row <= AToRow; });
}

void TExtStringGrid::RestoreItemsWhere(const std::function<bool(const TGridItem&)>& Restored)
{
    const std::vector<int> byIndex = FRows.Hidden().PositionsByIndex();
    std::vector<int> positions;
    std::vector<TDisplRow> targets;
    for (int k = 0; k < static_cast<int>(byIndex.size()); ++k) {
        const TGridItem& item = FRows.Hidden().Item(byIndex[k]);
        if (!Restored(item)) continue;
        // A restored row lands below the rows that stay hidden above it: the k rows of
        // lower index, less those restored with it.
        targets.push_back(TDisplRow(item.Row.Index() - (k - static_cast<int>(positions.size()))));
        positions.push_back(byIndex[k]);
    }
    RestoreItems(positions, targets);
}

// One pass over the grid whatever the number of rows restored: walking up from the new
// last row, each place takes either its restored row or the next shown row from below.
// Targets ascend.
void TExtStringGrid::RestoreItems(std::vector<int> Positions, const std::vector<TDisplRow>& Targets)
{
    if (Positions.empty()) return;
    const TRowsChange change(*this);
    TDisplRow oldRow(RowCount() - 1);
    SetRowCountShifted(RowCount() + static_cast<int>(Positions.size()));
    int pending = static_cast<int>(Positions.size()) - 1;
    for (TDisplRow target(RowCount() - 1); target >= TDisplRow(0) && (pending >= 0 || oldRow != target);
         target = target - 1) {
        if (pending >= 0 && Targets[pending] == target) {
            PutRow(target, FRows.Hidden().Item(Positions[pending--]));
        } else {
            MoveRowCells(oldRow, target);
            oldRow = oldRow - 1;
        }
    }
    // Lines open in ascending order, each at its row's final place.
    for (size_t k = 0; k < Positions.size(); ++k)
        PutRowFlags(Targets[k], FRows.Hidden().Item(Positions[k]).Flags);
    std::sort(Positions.begin(), Positions.end());
    for (auto it = Positions.rbegin(); it != Positions.rend(); ++it)
        FRows.Hidden().Delete(*it);
    Invalidate();
}

void TExtStringGrid::UnHideRow(int RowIndex) { RestoreRows(TRealRow(RowIndex), TRealRow(RowIndex)); }

void TExtStringGrid::UnHideRows(int FromRow, int ToRow)
{
    if (!IsHiddenRow(FromRow)) return;
    RestoreRows(TRealRow(FromRow), TRealRow(ToRow));
}

void TExtStringGrid::UnHideRowsAll()
{
    RestoreItemsWhere([](const TGridItem&) { return true; });
}

// The listed display rows are kept under their real rows, like every hidden row, so that
// rows hidden or shown meanwhile by the other operations never take their places.
void TExtStringGrid::HideRowList(const std::vector<int>& RowList)
{
    const TRowsChange change(*this);
    std::vector<bool> listed(RowCount(), false);
    for (int r : RowList)
        if (r >= 0 && r < RowCount()) listed[r] = true;
    std::vector<TGridItem> items;
    for (TDisplRow r(0); r < TDisplRow(RowCount()); r = r + 1)
        if (listed[r.Index()]) {
            TGridItem item = TakeRow(r);
            item.Row = DisplToRealRow(r);
            item.Reason = THideReason::FilterLevel;
            item.Level = FFilterLevel;
            items.push_back(std::move(item));
        }
    // From the bottom, so that the lines of the rows still to go stay put.
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        it->Flags = TakeRowFlags(RealToDisplRow(it->Row));
    // The mapping above must not see the rows it is taking out.
    FRows.Hidden().Insert(FRows.HiddenCount(), std::move(items));
    ++FFilterLevel;
    const TDisplRow end(RowCount());
    TDisplRow next(0);
    for (TDisplRow r(0); r < end; r = r + 1) {
        if (listed[r.Index()]) continue;
        if (next != r) MoveRowCells(r, next);
        next = next + 1;
    }
    for (TDisplRow r = next; r < end; r = r + 1)
        ClearRowSlot(r);
    SetRowCountShifted(next.Index());
    Invalidate();
}

// Rows hidden by the other operations stay in the store whatever the level: dropping them
// would lose their cells.
void TExtStringGrid::UnHideRowList()
{
    const int level = FFilterLevel - 1;
    if (Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    RestoreItemsWhere([level](const TGridItem& Item) {
        return Item.Reason == THideReason::FilterLevel && Item.Level == level;
    });
}
