#include <algorithm>

#include "grid/foundation/model/BaseGrid.h"

void TBaseGrid::MergeCells(int ACol, int ARow, int ColSpan, int RowSpan)
{
    ++FMergeCount;
    FMerged.MergeCells(ACol, ARow, ColSpan, RowSpan);
}

void TBaseGrid::SplitCells(int ACol, int ARow)
{
    FMerged.SplitCells(ACol, ARow);
    --FMergeCount;
}

bool TBaseGrid::FindBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const
{
    const TPoint base = BaseCell(ACol, ARow);
    BaseCol = base.X;
    BaseRow = base.Y;
    return base.X == ACol && base.Y == ARow;
}

void TBaseGrid::MoveToBaseCell()
{
    if (!HasCellProperties(Col(), Row())) return;
    const TPoint base = BaseCell(Col(), Row());
    SetCol(base.X);
    SetRow(base.Y);
}

// Hidden columns and rows (a negative extent) take no pixels.
int TBaseGrid::ShownWidths(int From, int To) const
{
    int width = 0;
    for (int c = From; c < To; ++c)
        width += std::max(0, ColWidths(c));
    return width;
}

int TBaseGrid::ShownHeights(int From, int To) const
{
    int height = 0;
    for (int r = From; r < To; ++r)
        height += std::max(0, RowHeights(r));
    return height;
}

int TBaseGrid::FixedColsWidth() const { return ShownWidths(0, FixedCols()); }

int TBaseGrid::FixedRowsHeight() const { return ShownHeights(0, FixedRows()); }

TRect TBaseGrid::CellRectUnclipped(int ACol, int ARow) const
{
    // The inherited grid lines are 0 wide, so the scrolling area begins right after the
    // fixed cells.
    int x = ShownWidths(0, ACol), y = ShownHeights(0, ARow);
    if (ACol >= FixedCols()) x -= ShownWidths(FixedCols(), LeftCol());
    if (ARow >= FixedRows()) y -= ShownHeights(FixedRows(), TopRow());
    const TRect r{x, y, x + ShownWidths(ACol, ACol + 1), y + ShownHeights(ARow, ARow + 1)};
    if (!UseRightToLeftAlignment()) return r;
    return {ClientWidth() - r.Right, r.Top, ClientWidth() - r.Left, r.Bottom};
}

TRect TBaseGrid::CellRect(int ACol, int ARow) const
{
    if (const auto block = FMerged.Block(ACol, ARow)) {
        TRect first = CellRectUnclipped(block->BaseCol, block->BaseRow);
        if (first.Width() == 0) ++first.Right;
        TRect last = CellRectUnclipped(block->BaseCol + block->SpanX, block->BaseRow + block->SpanY);
        if (last.Width() == 0) --last.Left;
        return UnionRect(first, last);
    }
    const TCellProperties* props = FindCellProperties(ACol, ARow);
    if (props && props->Control) return CellRectUnclipped(ACol, ARow);
    const TRect shown = TStringGrid::CellRect(ACol, ARow);
    return {shown.Left, shown.Top, shown.Left + ShownWidths(ACol, ACol + 1),
            shown.Top + ShownHeights(ARow, ARow + 1)};
}

TPoint TBaseGrid::CellSize(int ACol, int ARow) const
{
    const auto block = FMerged.Block(ACol, ARow);
    const TRect first =
        block ? CellRectUnclipped(block->BaseCol, block->BaseRow) : CellRectUnclipped(ACol, ARow);
    const TRect last =
        block ? CellRectUnclipped(block->BaseCol + block->SpanX, block->BaseRow + block->SpanY) : first;
    // Spans the corners directly, so that a zero-width column or row still counts.
    return {std::max(first.Right, last.Right) - std::min(first.Left, last.Left),
            std::max(first.Bottom, last.Bottom) - std::min(first.Top, last.Top)};
}

void TBaseGrid::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_NEXT && FHideLastRow && RowCount() > 1 &&
        TopRow() + VisibleRowCount() - FixedRows() == RowCount() - 1)
        SetRow(RowCount() - 2);
    if (const auto block = FMerged.Block(Col(), Row())) {
        const int bc = block->BaseCol, br = block->BaseRow;
        switch (Key) {
        case VK_LEFT:
            if (bc < Col() && Col() > FixedCols() && bc > 0) SetCol(bc);
            break;
        case VK_UP:
            if (br < Row() && Row() > FixedRows() && br > 0) SetRow(br);
            break;
        case VK_RIGHT: {
            const int last = bc + block->SpanX;
            if (last >= Col() && Col() < ColCount() - 1 && bc < ColCount() - 1 && last < ColCount())
                SetCol(last);
            break;
        }
        case VK_DOWN: {
            const int last = br + block->SpanY;
            if (last >= Row() && Row() < RowCount() - 1 && br < RowCount() - 1) SetRow(last);
            break;
        }
        default:
            break;
        }
    }
    TStringGrid::KeyDown(Key, Shift);
    MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    const bool result = TStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (FHideLastRow && VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1)
        SetTopRow(TopRow() + 1);
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool result = TStringGrid::DoMouseWheelUp(Shift, MousePos);
    MoveToBaseCell();
    return result;
}

void TBaseGrid::TopLeftChanged()
{
    TStringGrid::TopLeftChanged();
    RepaintMergedFixedColCells();
    RepaintMergedFixedRowCells();
}

void TBaseGrid::RepaintMergedFixedColCells()
{
    for (int c = 0; c < FixedCols(); ++c)
        for (int r = TopRow(); r <= TopRow() + VisibleRowCount(); ++r)
            if (IsMergedCell(c, r)) RepaintCell(c, r);
}

void TBaseGrid::RepaintMergedFixedRowCells()
{
    for (int r = 0; r < FixedRows(); ++r)
        for (int c = LeftCol(); c <= LeftCol() + VisibleColCount(); ++c)
            if (IsMergedCell(c, r)) RepaintCell(c, r);
}
