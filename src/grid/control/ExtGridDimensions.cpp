#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/markup/LineBreakText.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/rtl/Classes.h"

namespace {

// The classic desktop's horizontal scroll bar is as high as the vertical one is wide.
constexpr int kScrollBarHeight = 17;

} // namespace

// A request that cannot stretch anything does nothing: stretching off, a stretch already
// running, or a negative index other than -1.
void TExtStringGrid::StretchColumn(int Index)
{
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    if (Index == -1) Index = ColCount() - 1;
    if (Index >= ColCount()) throw Exception("Stretch column index out of range");
    if (Index < 0 || !FColumnSize->Stretch() || FIsColChanging) return;
    FIsColChanging = true;
    FColchgFlg = false;
    if (ColCount() == 1) {
        SetColWidths(0, ClientWidth());
    } else {
        int others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != Index) others += ColWidths(c);
        if (others < ClientWidth())
            SetColWidths(Index, ClientWidth() - others - 1);
        else if (LeftCol() == FixedCols())
            SetColWidths(Index, DefaultColWidth());
    }
    FColchgFlg = true;
    FIsColChanging = false;
}

// A stretch column that fewer columns left behind is not stretched: the change of the
// column count that left it behind must not fail over it.
void TExtStringGrid::Restretch()
{
    if (FColumnSize->StretchColumn < ColCount()) StretchColumn(FColumnSize->StretchColumn);
}

void TExtStringGrid::ColWidthsChanged()
{
    if (FColchgFlg) Restretch();
    TBaseGrid::ColWidthsChanged();
    if (ColSized >= 0) EndUserSizing(true);
    UpdateFooter();
    CellControlsUpdate(false);
}

void TExtStringGrid::RowHeightsChanged()
{
    TBaseGrid::RowHeightsChanged();
    if (Rowsized >= 0) EndUserSizing(false);
    UpdateFooter();
    CellControlsUpdate(false);
}

void TExtStringGrid::EndUserSizing(bool Cols)
{
    const int sized = std::exchange(Cols ? ColSized : Rowsized, -1);
    const int before = Cols ? Colclickedsize : Rowclickedsize;
    const TMouseActions& ma = *MouseActions();
    const auto sizeOf = [this, Cols](int i) { return Cols ? ColWidths(i) : RowHeights(i); };
    if ((Cols ? ma.AllColumnSize : ma.AllRowSize) && before > 0) {
        // The others keep their proportion to the sized one; ColSized (Rowsized) is clear
        // by now, so their changes are no sizing by the user.
        const double factor = static_cast<double>(sizeOf(sized)) / before;
        const int count = Cols ? ColCount() : RowCount();
        for (int i = Cols ? FixedCols() : FixedRows(); i < count; ++i) {
            if (i == sized) continue;
            const int size = static_cast<int>(std::nearbyint(sizeOf(i) * factor));
            if (Cols)
                SetColWidths(i, size);
            else
                SetRowHeights(i, size);
        }
    }
    if (Cols) {
        if (OnEndColumnSize) OnEndColumnSize(this, sized);
        int width = ColWidths(sized);
        UpdateColumnSize(sized, width);
        if (width != ColWidths(sized)) SetColWidths(sized, width);
    } else if (OnEndRowSize) {
        OnEndRowSize(this, sized);
    }
    Colclicked = Rowclicked = -1;
}

void TExtStringGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
    if (FColchgFlg) Restretch();
    // Hidden, shown, inserted and removed rows and columns move the cells under the controls.
    CellControlsUpdate(false);
}

// A smaller count cuts the grid below its new last row: the rows out of the grid past the
// cut go with the shown ones, so that none of them comes back later among other rows.
// Rows the grid moves itself (FShiftingRows) are accounted for by the one moving them.
void TExtStringGrid::SetRowCount(int Value)
{
    std::optional<TRowsChange> change;
    if (Value != RowCount()) change.emplace(*this);
    if (TBaseGrid::RowCount() == TBaseGrid::FixedRows() && FixedRowAlways && FSelHidden) UnHideSelection();
    const int oldCount = RowCount();
    if (!FShiftingRows && std::max(Value, 1) < oldCount) {
        const TDisplRow end(std::max(Value, 1));
        FreeStoredRows(FRows.CutFrom(end, FlagLineOf(end)));
    }
    TBaseGrid::SetRowCount(Value);
    if (FixedRowAlways && FFixedRowsMin < RowCount()) TBaseGrid::SetFixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, Value);
    FNormalRowCount = Value;
    ApplyScrollBarAlways(false);
    if (FloatingFooter()->Visible() && !FShiftingRows && oldCount > 0 && RowCount() != oldCount)
        MoveFooterRow(oldCount - 1);
}

void TExtStringGrid::SetRowCountShifted(int Value)
{
    FShiftingRows = true;
    SetRowCount(Value);
    FShiftingRows = false;
}

void TExtStringGrid::SetDefaultRowHeight(int Value)
{
    TBaseGrid::SetDefaultRowHeight(Value);
    FloatingFooter()->SetHeight(Value);
}

// A smaller count cuts the grid right of its new last column: the hidden columns past the
// cut go with the shown ones, so that none of them comes back later as an extra column.
void TExtStringGrid::SetColCount(int Value)
{
    if (std::max(Value, 1) < ColCount()) FColumns.CutFrom(TDisplCol(std::max(Value, 1)));
    SetShownColCount(Value);
}

// The columns the grid hides, shows, inserts or removes itself are already accounted for
// in the column space.
void TExtStringGrid::SetShownColCount(int Value)
{
    TBaseGrid::SetColCount(Value);
    if (FixedColAlways && FFixedColsMin < ColCount()) TBaseGrid::SetFixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, Value);
    UpdateFooter();
    // A horizontal scroll bar coming or going changes the whole rows that fit.
    SetBounds(Left(), Top(), Width(), Height());
    ApplyScrollBarAlways(false);
}

int TExtStringGrid::FixedRows() const
{
    const int fixed = TBaseGrid::FixedRows();
    return fixed == 0 && FixedRowAlways ? 1 : fixed;
}

void TExtStringGrid::SetFixedRows(int Value)
{
    TBaseGrid::SetFixedRows(FixedRowAlways ? std::min(Value, RowCount() - 1) : Value);
    if (!ComponentState().Contains(csLoading)) FFixedRowsMin = Value;
}

int TExtStringGrid::FixedCols() const
{
    const int fixed = TBaseGrid::FixedCols();
    return fixed == 0 && FixedColAlways ? 1 : fixed;
}

void TExtStringGrid::SetFixedCols(int Value)
{
    TBaseGrid::SetFixedCols(FixedColAlways ? std::min(Value, ColCount() - 1) : Value);
    if (!ComponentState().Contains(csLoading)) FFixedColsMin = Value;
}

void TExtStringGrid::SetFixedRowHeight(int Value)
{
    FFixedRowHeight = Value;
    if (ComponentState().Contains(csLoading)) return;
    if (Value == DefaultRowHeight()) {
        SetDefaultRowHeight(Value);
        return;
    }
    for (int r = 0; r < FixedRows(); ++r)
        SetRowHeights(r, Value);
}

void TExtStringGrid::SetFixedColWidth(int Value)
{
    if (ComponentState().Contains(csLoading) || Value == DefaultColWidth()) return;
    for (int c = 0; c < FixedCols(); ++c)
        SetColWidths(c, Value);
}

// With IntegralHeight the grid shows whole rows only, below its border and above a
// horizontal scroll bar when the columns do not all fit.
void TExtStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (IntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
        const int scroll = VisibleColCount() + FixedCols() < ColCount() ? kScrollBarHeight : 0;
        const int border = BorderStyle() == bsSingle ? 2 : 0;
        const int rows = std::max(AHeight - scroll - border, 0) / DefaultRowHeight();
        AHeight = scroll + 2 * border + rows * DefaultRowHeight();
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TExtStringGrid::SetColumnHeaders(const TStringList& Value)
{
    const bool changing = FColumnHeadersChanging;
    FColumnHeadersChanging = true;
    *FColumnHeaders = Value;
    FColumnHeadersChanging = changing;
    if (FixedRows() > 0) ClearColumnHeaders();
    ShowColumnHeaders();
}

// Entries are by real column, hidden ones included; "\n" in an entry breaks the line.
void TExtStringGrid::ShowColumnHeaders()
{
    if (FixedRows() <= 0) return;
    for (int i = 0; i < std::min(FColumnHeaders->Count(), TotalColCount()); ++i)
        SetCells(i, 0, DecodeEscapedNewlines((*FColumnHeaders)[i]));
}

void TExtStringGrid::ClearColumnHeaders()
{
    for (int c = 0; c < ColCount(); ++c)
        SetCells(c, 0, "");
}

void TExtStringGrid::SetRowHeaders(const TStringList& Value)
{
    *FRowHeaders = Value;
    ShowRowHeaders();
}

void TExtStringGrid::ShowRowHeaders()
{
    if (FixedCols() <= 0) return;
    for (int i = 0; i < std::min(FRowHeaders->Count(), RowCount()); ++i)
        SetCells(0, i, DecodeEscapedNewlines((*FRowHeaders)[i]));
}

void TExtStringGrid::ClearRowHeaders()
{
    for (int r = 0; r < RowCount(); ++r)
        SetCells(0, r, "");
}

// The rows keep their cells over every real column, their objects, heights and flags, as a
// row moved by the mouse does; the rows they pass shift the other way.
void TExtStringGrid::MoveRows(int FromIndex, int ToIndex, int Count)
{
    if (FromIndex == ToIndex || Count <= 0) return;
    Count = std::min(Count, RowCount() - FromIndex);
    if (FromIndex < 0 || Count <= 0) return;
    const int target = FromIndex + Count < ToIndex ? ToIndex - Count : ToIndex;
    const TDisplRow from(FromIndex), to(std::clamp(target, 0, RowCount() - Count));
    const TRowsChange change(*this);
    MoveDisplayRows(from, Count, to);
    FollowMovedRows(from, Count, to);
}

void TExtStringGrid::SwapCells(TPoint FromCell, TPoint ToCell)
{
    const std::string text = GridCells(FromCell.X, FromCell.Y);
    TObject* object = GridObjects(FromCell.X, FromCell.Y);
    SetGridCells(FromCell.X, FromCell.Y, GridCells(ToCell.X, ToCell.Y));
    SetGridObjects(FromCell.X, FromCell.Y, GridObjects(ToCell.X, ToCell.Y));
    SetGridCells(ToCell.X, ToCell.Y, text);
    SetGridObjects(ToCell.X, ToCell.Y, object);
}

TGridRect TExtStringGrid::GetUsedCells() const
{
    TGridRect used{ColCount(), RowCount(), -1, -1};
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c) {
            if (Cells(c, r).empty()) continue;
            used = {std::min(used.Left, c), std::min(used.Top, r), std::max(used.Right, c),
                    std::max(used.Bottom, r)};
        }
    return used.Right < 0 ? TGridRect{} : used;
}

bool TExtStringGrid::IsIgnoredColumn(int ACol) const
{
    return std::find(IgnoreColumns.begin(), IgnoreColumns.end(), ACol) != IgnoreColumns.end();
}

bool TExtStringGrid::SavesAllCols() const { return SaveFixedCells || SaveFixedCols; }
bool TExtStringGrid::SavesAllRows() const { return SaveFixedCells || SaveFixedRows; }
int TExtStringGrid::SaveStartCol() const { return SavesAllCols() ? 0 : FixedCols(); }
int TExtStringGrid::SaveEndCol() const
{
    return SavesAllCols() ? ColCount() - 1 : ColCount() - FixedRightCols - 1;
}
int TExtStringGrid::SaveColCount() const { return SaveEndCol() - SaveStartCol() + 1; }
int TExtStringGrid::SaveStartRow() const { return SavesAllRows() ? 0 : FixedRows(); }
int TExtStringGrid::SaveEndRow() const
{
    return SavesAllRows() ? RowCount() - 1 : RowCount() - FixedFooters - 1;
}
int TExtStringGrid::SaveRowCount() const { return SaveEndRow() - SaveStartRow() + 1; }
