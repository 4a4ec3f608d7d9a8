#include "grid/foundation/model/MergedCells.h"

#include <algorithm>
#include <climits>

bool TMergedCells::Inside(int ACol, int ARow) const
{
    return ACol >= 0 && ARow >= 0 && ACol < FStore.TotalColCount() && ARow < FStore.GridRowCount();
}

std::optional<TMergeBlock> TMergedCells::Block(int ACol, int ARow) const
{
    const TCellProperties* props = FStore.FindCellProperties(ACol, ARow);
    if (!props || props->CellSpanX < 0 || props->CellSpanY < 0) return std::nullopt;
    if (props->IsBaseCell) return TMergeBlock{ACol, ARow, props->CellSpanX, props->CellSpanY};
    const TPoint base = props->BaseCell(ACol, ARow);
    const TCellProperties* baseProps = FStore.FindCellProperties(base.X, base.Y);
    if (!baseProps || !baseProps->IsBaseCell || baseProps->CellSpanX < 0 || baseProps->CellSpanY < 0)
        return std::nullopt;
    const TMergeBlock block{base.X, base.Y, baseProps->CellSpanX, baseProps->CellSpanY};
    if (!block.Contains(ACol, ARow)) return std::nullopt;
    return block;
}

bool TMergedCells::IsBaseCell(int ACol, int ARow) const
{
    const auto block = Block(ACol, ARow);
    return !block || (block->BaseCol == ACol && block->BaseRow == ARow);
}

bool TMergedCells::IsMergedCell(int ACol, int ARow) const
{
    const auto block = Block(ACol, ARow);
    return block && block->IsMerged();
}

bool TMergedCells::IsMergedNonBaseCell(int ACol, int ARow) const
{
    return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

bool TMergedCells::IsXMergedCell(int ACol, int ARow) const { return CellSpan(ACol, ARow).X > 0; }

bool TMergedCells::IsYMergedCell(int ACol, int ARow) const { return CellSpan(ACol, ARow).Y > 0; }

TPoint TMergedCells::BaseCell(int ACol, int ARow) const
{
    const auto block = Block(ACol, ARow);
    return block ? TPoint{block->BaseCol, block->BaseRow} : TPoint{ACol, ARow};
}

TPoint TMergedCells::CellSpan(int ACol, int ARow) const
{
    const auto block = Block(ACol, ARow);
    return block ? TPoint{block->SpanX, block->SpanY} : TPoint{};
}

TPoint TMergedCells::CellExt(int ACol, int ARow) const
{
    const auto block = Block(ACol, ARow);
    if (!block) return {};
    return {block->BaseCol + block->SpanX - ACol, block->BaseRow + block->SpanY - ARow};
}

TRect TMergedCells::FullCell(int ACol, int ARow) const
{
    const TPoint base = BaseCell(ACol, ARow);
    const TPoint span = CellSpan(ACol, ARow);
    return {base.X, base.Y, base.X + span.X, base.Y + span.Y};
}

int TMergedCells::MinRowSpan(int ARow) const
{
    int result = INT_MAX;
    for (int c = 0; c < FStore.GridColCount(); ++c) {
        const int span = CellSpan(c, ARow).Y;
        if (span > 0) result = std::min(result, span);
    }
    return result == INT_MAX ? FStore.GridRowCount() : result;
}

int TMergedCells::MaxRowSpan(int ARow) const
{
    int result = 0;
    for (int c = 0; c < FStore.GridColCount(); ++c)
        result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TMergedCells::RowSpanIdentical(int ARow1, int ARow2) const
{
    return SpansIdentical(false, ARow1, ARow2);
}

bool TMergedCells::ColSpanIdentical(int ACol1, int ACol2) const { return SpansIdentical(true, ACol1, ACol2); }

bool TMergedCells::SpansIdentical(bool Columns, int Line1, int Line2) const
{
    // Along the other direction: the rows of two columns, or the columns of two rows.
    const auto cell = [Columns](int Line, int Along) {
        return Columns ? TPoint{Line, Along} : TPoint{Along, Line};
    };
    const auto span = [&](TPoint c) { return Columns ? CellSpan(c.X, c.Y).X : CellSpan(c.X, c.Y).Y; };
    const auto base = [&](TPoint c) { return Columns ? BaseCell(c.X, c.Y).X : BaseCell(c.X, c.Y).Y; };
    bool found = false;
    const int count = Columns ? FStore.GridRowCount() : FStore.GridColCount();
    for (int along = 0; along < count; ++along) {
        const TPoint first = cell(Line1, along), second = cell(Line2, along);
        if (span(first) <= 0 || span(second) <= 0) continue;
        found = true;
        if (base(first) != base(second)) return false;
    }
    return found;
}

void TMergedCells::MergeCells(int ACol, int ARow, int ColSpan, int RowSpan)
{
    if (!Inside(ACol, ARow)) return;
    ColSpan = std::min(ColSpan, FStore.TotalColCount() - ACol);
    RowSpan = std::min(RowSpan, FStore.GridRowCount() - ARow);
    for (int c = ACol; c < ACol + ColSpan; ++c)
        for (int r = ARow; r < ARow + RowSpan; ++r) {
            TCellProperties* props = FStore.GetCellProperties(c, r);
            props->IsBaseCell = c == ACol && r == ARow;
            props->CellSpanX = props->IsBaseCell ? ColSpan - 1 : c - ACol;
            props->CellSpanY = props->IsBaseCell ? RowSpan - 1 : r - ARow;
        }
    for (int c = ACol; c < ACol + ColSpan; ++c)
        for (int r = ARow; r < ARow + RowSpan; ++r)
            FStore.RepaintCell(c, r);
}

void TMergedCells::SplitCells(int ACol, int ARow)
{
    if (!Inside(ACol, ARow)) return;
    FStore.GetCellProperties(ACol, ARow);
    const auto block = Block(ACol, ARow);
    if (!block) return;
    const int lastCol = std::min(block->BaseCol + block->SpanX, FStore.TotalColCount() - 1);
    const int lastRow = std::min(block->BaseRow + block->SpanY, FStore.GridRowCount() - 1);
    // The base cell goes last: until then the others can still be checked against it, so
    // that a cell of another, overlapping block is left alone.
    const auto makeSingle = [](TCellProperties* props) {
        props->IsBaseCell = true;
        props->CellSpanX = -1;
        props->CellSpanY = -1;
    };
    for (int c = block->BaseCol; c <= lastCol; ++c)
        for (int r = block->BaseRow; r <= lastRow; ++r) {
            const TPoint base = BaseCell(c, r);
            if ((c != base.X || r != base.Y) && base.X == block->BaseCol && base.Y == block->BaseRow)
                makeSingle(FStore.FindCellProperties(c, r));
        }
    makeSingle(FStore.FindCellProperties(block->BaseCol, block->BaseRow));
    for (int c = block->BaseCol; c <= lastCol; ++c)
        for (int r = block->BaseRow; r <= lastRow; ++r)
            FStore.RepaintCell(c, r);
}
