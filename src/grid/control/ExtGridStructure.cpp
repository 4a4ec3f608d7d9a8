#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"

namespace {

template <typename T> void EraseEntry(std::vector<T>& List, int Index)
{
    if (Index >= 0 && Index < static_cast<int>(List.size())) List.erase(List.begin() + Index);
}

// Entries past the end of a list read as cleared already; only a list reaching the place
// needs the new entries.
template <typename T> void InsertEntries(std::vector<T>& List, int Index, int Count)
{
    if (Index >= 0 && Index < static_cast<int>(List.size())) List.insert(List.begin() + Index, Count, T{});
}

// A list of row numbers after the rows Removed (ascending) left.
void RenumberAfterRemoval(std::vector<int>& Lines, const std::vector<int>& Removed)
{
    std::erase_if(Lines, [&](int l) { return std::binary_search(Removed.begin(), Removed.end(), l); });
    for (int& l : Lines)
        l -= static_cast<int>(std::lower_bound(Removed.begin(), Removed.end(), l) - Removed.begin());
}

// A list of row numbers after Count rows opened at Index.
void RenumberAfterInsertion(std::vector<int>& Lines, int Index, int Count)
{
    for (int& l : Lines)
        if (l >= Index) l += Count;
}

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
void TExtStringGrid::ShiftRowSideData(int RowIndex, int RCount, bool Insert)
{
    const bool persistent = MouseActions()->RowSelectPersistent;
    if (Insert) {
        const int real = RealRowIndex(RowIndex);
        for (int i = 0; i < FGridItems.Count(); ++i)
            if (FGridItems.Item(i).Idx >= real) FGridItems.Item(i).Idx += RCount;
        InsertEntries(FModifiedRows, RowIndex, RCount);
        InsertEntries(FEnabledRows, RowIndex, RCount);
        const int selIndex = persistent ? real : RowIndex;
        InsertEntries(FRowSelect, selIndex, RCount);
        RenumberAfterInsertion(FSelectedRows, selIndex, RCount);
        return;
    }
    std::vector<int> displ, real;
    for (int r = RowIndex; r < RowIndex + RCount; ++r) {
        displ.push_back(r);
        real.push_back(RealRowIndex(r));
    }
    for (int i = 0; i < FGridItems.Count(); ++i) {
        const int idx = FGridItems.Item(i).Idx;
        FGridItems.Item(i).Idx -=
            static_cast<int>(std::lower_bound(real.begin(), real.end(), idx) - real.begin());
    }
    const std::vector<int>& selRows = persistent ? real : displ;
    for (int k = RCount - 1; k >= 0; --k) {
        EraseEntry(FModifiedRows, displ[k]);
        EraseEntry(FEnabledRows, displ[k]);
        EraseEntry(FRowSelect, selRows[k]);
    }
    RenumberAfterRemoval(FSelectedRows, selRows);
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
    const bool keepObjects = How == TRowRemoval::KeepObjects;
    if (!keepObjects) FreeCellPropertiesRange(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
    // Rows carry no in-cell control items here: the grid places no child controls in cells.
    const int oldRow = Row();
    const int oldTop = TopRow();
    {
        TUpdateLock lock(*this);
        std::vector<int> heights;
        for (int r = RowIndex; keepObjects && r < RowCount(); ++r)
            heights.push_back(RowHeights(r));
        ShiftRowSideData(RowIndex, RCount, false);
        const int oldCount = RowCount();
        RemoveDisplayRows(RowIndex, RCount);
        for (int i = 0; i < static_cast<int>(heights.size()) && RowIndex + i < RowCount(); ++i)
            SetRowHeights(RowIndex + i, heights[i]);
        FMaxRowCount = std::max(FMaxRowCount - RCount, RowCount());
        RestoreRowAfterRemoval(oldRow, oldTop);
        for (int k = 0; How == TRowRemoval::FreeAndNotify && OnRowMoved && k < RCount; ++k)
            OnRowMoved(this, RowIndex, oldCount - 1 - k);
    }
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
    // The floating footer's row stays the last one.
    if (FloatingFooter()->Visible() && RowCount() > 0) RowIndex = std::min(RowIndex, RowCount() - 1);
    if (FSelHidden || Col() >= ColCount() || Row() >= RowCount()) UnHideSelection();
    const int realIndex = RowIndex < RowCount() ? RealRowIndex(RowIndex) : RowCount() + NumHiddenRows();
    {
        TUpdateLock lock(*this);
        ShiftRowSideData(RowIndex, RCount, true);
        InsertDisplayRows(RowIndex, RCount);
    }
    if (UpdateCellControls && FNumCellControls > 0) ShiftCellControlRows(realIndex, RCount);
    if (!ComponentState().Contains(csDestroying))
        DoCellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TExtStringGrid::AddRow() { InsertRows(RowCount(), 1, true); }

std::vector<TExtStringGrid::TColumnSlot> TExtStringGrid::TakeColumnLayout() const
{
    std::vector<TColumnSlot> layout;
    for (int c = 0; c < TotalColCount(); ++c) {
        const bool visible = !IsHiddenColumn(c);
        layout.push_back({visible, visible ? ColWidths(RealToDisplCol(c)) : FAllColWidths[c]});
    }
    return layout;
}

// Only real columns up to MaxHideableCol can be hidden: one pushed beyond them is shown.
void TExtStringGrid::PutColumnLayout(const std::vector<TColumnSlot>& Layout)
{
    FVisibleCol.fill(true);
    FAllColWidths.fill(0);
    FNumHidden = 0;
    std::vector<int> shownWidths;
    for (int c = 0; c < static_cast<int>(Layout.size()); ++c) {
        if (c <= MaxHideableCol) FAllColWidths[c] = static_cast<int16_t>(Layout[c].Width);
        if (Layout[c].Visible || c > MaxHideableCol) {
            shownWidths.push_back(Layout[c].Width);
            continue;
        }
        FVisibleCol[c] = false;
        ++FNumHidden;
    }
    SetColCount(static_cast<int>(shownWidths.size()));
    for (int d = 0; d < static_cast<int>(shownWidths.size()); ++d)
        SetColWidths(d, shownWidths[d]);
}

// Hidden rows keep their cells in their own lists, which shift with the grid's.
void TExtStringGrid::ShiftColumnCells(int ColIndex, int CCount, bool Insert)
{
    const int total = TotalColCount();
    const auto cell = [this](int c, int r) { return std::make_pair(GridCells(c, r), GridObjects(c, r)); };
    const auto put = [this](int c, int r, const std::pair<std::string, TObject*>& v) {
        SetGridCells(c, r, v.first);
        SetGridObjects(c, r, v.second);
    };
    for (int r = 0; r < RowCount(); ++r) {
        if (Insert) {
            for (int c = total + CCount - 1; c >= ColIndex + CCount; --c)
                put(c, r, cell(c - CCount, r));
            for (int c = ColIndex; c < ColIndex + CCount; ++c)
                put(c, r, {"", nullptr});
        } else {
            for (int c = ColIndex; c < total; ++c)
                put(c, r, c + CCount < total ? cell(c + CCount, r) : std::make_pair(std::string(), nullptr));
        }
    }
    for (int i = 0; i < FGridItems.Count(); ++i) {
        TGridStrings& items = FGridItems.Item(i).Items;
        if (ColIndex >= items.Count()) continue;
        if (Insert) {
            items.Strings.insert(items.Strings.begin() + ColIndex, CCount, std::string());
            items.Objects.insert(items.Objects.begin() + ColIndex, CCount, nullptr);
            continue;
        }
        const int end = std::min(ColIndex + CCount, items.Count());
        for (int c = ColIndex; c < end; ++c)
            FreeCellObject(items.Objects[c]);
        items.Strings.erase(items.Strings.begin() + ColIndex, items.Strings.begin() + end);
        items.Objects.erase(items.Objects.begin() + ColIndex, items.Objects.begin() + end);
    }
}

// ColCount loses the shown columns of the range, NumHiddenColumns the hidden ones.
void TExtStringGrid::RemoveCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    if (ColIndex < 0 || ColIndex >= total || CCount <= 0) return;
    CCount = std::min(CCount, total - ColIndex);
    HideInplaceEdit();
    TUpdateLock lock(*this);
    std::vector<TColumnSlot> layout = TakeColumnLayout();
    for (int c = ColIndex + CCount - 1; c >= ColIndex; --c)
        if (layout[c].Visible) EraseEntry(FColSelect, RealToDisplCol(c));
    FreeCellPropertiesRange(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
    ShiftColumnCells(ColIndex, CCount, false);
    layout.erase(layout.begin() + ColIndex, layout.begin() + ColIndex + CCount);
    PutColumnLayout(layout);
    DoCellsChanged(TRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

void TExtStringGrid::InsertCols(int ColIndex, int CCount)
{
    if (CCount <= 0) return;
    ColIndex = std::clamp(ColIndex, 0, TotalColCount());
    HideInplaceEdit();
    TUpdateLock lock(*this);
    std::vector<TColumnSlot> layout = TakeColumnLayout();
    InsertEntries(FColSelect, RealToDisplCol(ColIndex), CCount);
    ShiftColumnCells(ColIndex, CCount, true);
    layout.insert(layout.begin() + ColIndex, CCount, TColumnSlot{true, DefaultColWidth()});
    PutColumnLayout(layout);
}
