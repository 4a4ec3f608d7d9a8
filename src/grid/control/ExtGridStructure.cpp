#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/rows/LineMove.h"
#include "grid/foundation/model/MouseActions.h"

namespace {

class TUpdateLock {
public:
    explicit TUpdateLock(TExtStringGrid& Grid) : FGrid(Grid) { FGrid.BeginUpdate(); }
    ~TUpdateLock() { FGrid.EndUpdate(); }
    TUpdateLock(const TUpdateLock&) = delete;
    TUpdateLock& operator=(const TUpdateLock&) = delete;

private:
    TExtStringGrid& FGrid;
};

} // namespace

// The row flags follow their rows: the selection flags by real row when the selection
// survives hiding, every other flag by display row. A hidden row goes back between the
// same neighbours when it is shown again.
bool TExtStringGrid::SelectionCountsRealRows() const { return MouseActions()->RowSelectPersistent; }

TFlagLine TExtStringGrid::FlagLineOf(TDisplRow ADisplRow) const
{
    const int select = SelectionCountsRealRows() ? DisplToRealRow(ADisplRow).Index() : ADisplRow.Index();
    return TFlagLine{ADisplRow.Index(), select};
}

TRowOwnFlags TExtStringGrid::TakeRowFlags(TDisplRow ADisplRow)
{
    return FRows.Flags().TakeOut(FlagLineOf(ADisplRow), !SelectionCountsRealRows());
}

void TExtStringGrid::PutRowFlags(TDisplRow ADisplRow, const TRowOwnFlags& Flags)
{
    FRows.Flags().PutBack(FlagLineOf(ADisplRow), Flags, !SelectionCountsRealRows());
}

void TExtStringGrid::MarkStoredRowModified(TRealRow ARow)
{
    if (const int position = FRows.Hidden().Find(ARow); position >= 0)
        FRows.Hidden().Item(position).Flags.Modified = true;
    else
        SetRowModified(RealToDisplRow(ARow).Index(), true);
}

// The controls follow their cells' properties, which moved with the cells.
void TExtStringGrid::FollowMovedRows(TDisplRow AFromRow, int Count, TDisplRow AToRow)
{
    const TStoredCell edited = FEditSession.Cell();
    const bool editedShown = edited.Row >= TRealRow(0) && !FRows.IsHidden(edited.Row);
    const TDisplRow editedAt = editedShown ? RealToDisplRow(edited.Row) : TDisplRow(-1);
    FRows.Moved(AFromRow, Count, AToRow, SelectionCountsRealRows());
    if (editedShown) {
        const TLineMove displ{AFromRow.Index(), Count, AToRow.Index()};
        FollowEditedRow([&](TRealRow) { return DisplToRealRow(TDisplRow(displ.Map(editedAt.Index()))); });
    }
    if (FNumCellControls > 0) CellControlsUpdate(true);
}

void TExtStringGrid::ShiftRowSideData(int RowIndex, int RCount)
{
    std::vector<TRealRow> rows;
    std::vector<TFlagLine> lines;
    for (TDisplRow r(RowIndex); r < TDisplRow(RowIndex + RCount); r = r + 1) {
        rows.push_back(DisplToRealRow(r));
        lines.push_back(FlagLineOf(r));
    }
    FollowEditedRow([&](TRealRow Row) {
        const auto at = std::lower_bound(rows.begin(), rows.end(), Row);
        if (at != rows.end() && *at == Row) return TRealRow(-1);
        return Row - static_cast<int>(at - rows.begin());
    });
    FRows.Removed(rows, lines);
}

// The current row stays where it was while that is still a normal row; otherwise it goes
// to the last normal row, and with none left the selection is hidden.
void TExtStringGrid::RestoreRowAfterRemoval(int OldRow, int OldTopRow)
{
    const int normalEnd = RowCount() - FixedFooters;
    FForceSel = true;
    if (OldRow < normalEnd) {
        if (!MouseActions()->DisjunctRowSelect() && Row() != OldRow) SetRow(OldRow);
        SetTopRow(OldTopRow);
    } else if (normalEnd > FixedRows()) {
        SetRow(normalEnd - 1);
    } else {
        HideSelection();
    }
    FForceSel = false;
}

// Freed rows take their properties and graphics along in every real column, hidden ones
// too.
void TExtStringGrid::RemoveRowBlock(int RowIndex, int RCount, TRowRemoval How)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    const TRowsChange change(*this);
    const bool keepObjects = How == TRowRemoval::KeepObjects;
    // A removed row's control leaves with the row rather than stay over the row that moves up.
    std::vector<int> removedReal;
    for (int r = RowIndex; r < RowIndex + RCount; ++r)
        removedReal.push_back(RealRowIndex(r));
    DropCellControls(removedReal, true);
    if (!keepObjects) FreeCellPropertiesRange(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
    const int oldRow = Row();
    const int oldTop = TopRow();
    {
        TUpdateLock lock(*this);
        std::vector<int> heights;
        for (int r = RowIndex; keepObjects && r < RowCount(); ++r)
            heights.push_back(RowHeights(r));
        ShiftRowSideData(RowIndex, RCount);
        const int oldCount = RowCount();
        RemoveDisplayRows(TDisplRow(RowIndex), RCount);
        for (int i = 0; i < static_cast<int>(heights.size()) && RowIndex + i < RowCount(); ++i)
            SetRowHeights(RowIndex + i, heights[i]);
        FMaxRowCount = std::max(FMaxRowCount - RCount, RowCount());
        RestoreRowAfterRemoval(oldRow, oldTop);
        for (int k = 0; How == TRowRemoval::FreeAndNotify && OnRowMoved && k < RCount; ++k)
            OnRowMoved(this, RowIndex, oldCount - 1 - k);
    }
    CellControlsUpdate(false);
    DoCellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TExtStringGrid::RemoveRows(int RowIndex, int RCount)
{
    RemoveRowBlock(RowIndex, RCount, TRowRemoval::Free);
}

void TExtStringGrid::RemoveRowsInternal(int RowIndex, int RCount)
{
    RemoveRowBlock(RowIndex, RCount, TRowRemoval::FreeAndNotify);
}

void TExtStringGrid::RemoveRowsEx(int RowIndex, int RCount)
{
    RemoveRowBlock(RowIndex, RCount, TRowRemoval::KeepObjects);
}

void TExtStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0) return;
    RowIndex = std::clamp(RowIndex, 0, RowCount());
    const TRowsChange change(*this);
    // The floating footer's row stays the last one.
    if (FloatingFooter()->Visible() && RowCount() > 0) RowIndex = std::min(RowIndex, RowCount() - 1);
    InsertRowsAt(DisplToRealRow(TDisplRow(RowIndex)), RCount, UpdateCellControls);
}

// The rows open above the hidden rows from At on: a display row would put them below the
// hidden rows that follow the shown row before.
void TExtStringGrid::InsertRowsAt(TRealRow At, int RCount, bool UpdateCellControls)
{
    const TRowsChange change(*this);
    const TDisplRow at = RealToDisplRow(At);
    if (FSelHidden || Col() >= ColCount() || Row() >= RowCount()) UnHideSelection();
    {
        TUpdateLock lock(*this);
        if (UpdateCellControls) OpenCellControls(At.Index(), RCount, true);
        FollowEditedRow([&](TRealRow Row) { return Row >= At ? Row + RCount : Row; });
        FRows.Inserted(At, FlagLineOf(at), RCount);
        InsertDisplayRows(at, RCount);
    }
    CellControlsUpdate(false);
    if (!ComponentState().Contains(csDestroying))
        DoCellsChanged(TRect{0, at.Index(), ColCount() - 1, at.Index() + RCount});
}

// The fixed footers stay the last rows.
void TExtStringGrid::AddRow() { InsertRows(RowCount() - FixedFooters, 1, true); }

// The shown columns' widths follow the change at display columns; the hidden ones keep
// theirs in the column space, which follows the change at real columns.
void TExtStringGrid::ChangeColumns(const TColumnRemap& Real, const TColumnRemap& Displ, int NewColCount)
{
    std::vector<int> widths;
    for (int d = 0; d < ColCount(); ++d)
        widths.push_back(ColWidths(d));
    Displ.Apply(widths, DefaultColWidth());
    widths.resize(static_cast<size_t>(NewColCount), DefaultColWidth());
    FColumns.Remapped(Real);
    SetShownColCount(NewColCount);
    for (int d = 0; d < NewColCount; ++d)
        SetColWidths(d, widths[static_cast<size_t>(d)]);
}

// Hidden rows keep their cells in their own lists, which shift with the grid's.
void TExtStringGrid::ShiftColumnCells(int ARealCol, int CCount, bool Insert)
{
    const int total = TotalColCount();
    const auto cell = [this](int c, int r) { return std::make_pair(GridCells(c, r), GridObjects(c, r)); };
    const auto put = [this](int c, int r, const std::pair<std::string, TObject*>& v) {
        SetGridCells(c, r, v.first);
        SetGridObjects(c, r, v.second);
    };
    for (int r = 0; r < RowCount(); ++r) {
        if (Insert) {
            for (int c = total + CCount - 1; c >= ARealCol + CCount; --c)
                put(c, r, cell(c - CCount, r));
            for (int c = ARealCol; c < ARealCol + CCount; ++c)
                put(c, r, {"", nullptr});
        } else {
            for (int c = ARealCol; c < total; ++c)
                put(c, r, c + CCount < total ? cell(c + CCount, r) : std::make_pair(std::string(), nullptr));
        }
    }
    RemapHiddenRowCells(Insert ? TColumnRemap::Inserted(ARealCol, CCount)
                               : TColumnRemap::Removed(ARealCol, CCount));
}

// The one walk over the stored rows: the shown rows' cells are in the base grid's store,
// which the callers move, and every hidden row's own list follows here.
void TExtStringGrid::RemapHiddenRowCells(const TColumnRemap& Remap)
{
    const auto freeDropped = [](TObject* const& Object) { FreeCellObject(Object); };
    FRows.ForEachStoredRow(TotalRowCount(), [&](TRealRow, TGridItem* Item, TDisplRow) {
        if (!Item) return;
        Remap.Apply(Item->Items.Strings, std::string());
        Remap.Apply(Item->Items.Objects, static_cast<TObject*>(nullptr), freeDropped);
    });
}

void TExtStringGrid::RemapColumns(const TColumnRemap& Remap)
{
    FColumns.Remapped(Remap);
    RemapHiddenRowCells(Remap);
}

// ColCount loses the shown columns of the range, NumHiddenColumns the hidden ones.
void TExtStringGrid::RemoveCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    if (ColIndex < 0 || ColIndex >= total || CCount <= 0) return;
    CCount = std::min(CCount, total - ColIndex);
    EndEditBeforeLinesChange();
    TUpdateLock lock(*this);
    int shown = 0;
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        if (!IsHiddenColumn(c)) ++shown;
    const int displAt = RealToDisplCol(ColIndex);
    std::vector<int> removed(static_cast<size_t>(CCount));
    for (int k = 0; k < CCount; ++k)
        removed[static_cast<size_t>(k)] = ColIndex + k;
    DropCellControls(removed, false);
    FreeCellPropertiesRange(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
    ShiftColumnCells(ColIndex, CCount, false);
    ChangeColumns(TColumnRemap::Removed(ColIndex, CCount), TColumnRemap::Removed(displAt, shown), ColCount() - shown);
    CellControlsUpdate(false);
    DoCellsChanged(TRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

void TExtStringGrid::InsertCols(int ColIndex, int CCount)
{
    if (CCount <= 0) return;
    ColIndex = std::clamp(ColIndex, 0, TotalColCount());
    EndEditBeforeLinesChange();
    TUpdateLock lock(*this);
    // Only real columns up to MaxHideableCol can be hidden: one the insert pushes beyond
    // them is shown first.
    const int pushedFrom = std::max(ColIndex, MaxHideableCol + 1 - CCount);
    if (pushedFrom <= MaxHideableCol) UnHideColumns(pushedFrom, MaxHideableCol);
    const int displAt = RealToDisplCol(ColIndex);
    OpenCellControls(ColIndex, CCount, false);
    ShiftColumnCells(ColIndex, CCount, true);
    ChangeColumns(TColumnRemap::Inserted(ColIndex, CCount), TColumnRemap::Inserted(displAt, CCount), ColCount() + CCount);
    CellControlsUpdate(false);
}
