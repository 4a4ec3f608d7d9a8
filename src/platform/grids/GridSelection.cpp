#include <algorithm>

#include "platform/grids/Grids.h"

// The current cell, the selection, the options and the notifications around them.

TGridRect TCustomGrid::Selection() const
{
    return {std::min(current_.X, anchor_.X), std::min(current_.Y, anchor_.Y), std::max(current_.X, anchor_.X),
            std::max(current_.Y, anchor_.Y)};
}

void TCustomGrid::SetSelection(const TGridRect& rect)
{
    const TGridRect old = Selection();
    anchor_ = rect.TopLeft();
    current_ = rect.BottomRight();
    SelectionMoved(old);
}

void TCustomGrid::SetCol(int col)
{
    if (col != current_.X) FocusCell(col, current_.Y, true);
}

void TCustomGrid::SetRow(int row)
{
    if (row != current_.Y) FocusCell(current_.X, row, true);
}

void TCustomGrid::SetOptions(TGridOptions options)
{
    if (options == options_) return;
    if (options.Contains(goRowSelect)) options -= goAlwaysShowEditor;
    options_ = options;
    // Without goEditing an open editor would keep taking text that nothing asked for.
    if (!options.Contains(goEditing) || options.Contains(goRowSelect))
        HideEditor();
    else if (options.Contains(goAlwaysShowEditor))
        ShowEditor();
    if (options.Contains(goRowSelect) && current_.X >= 0 && current_.Y >= 0 && current_.X < ColCount() &&
        current_.Y < RowCount())
        MoveCurrent(current_.X, current_.Y, true, false);
    Invalidate();
}

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor)
{
    MoveCurrent(ACol, ARow, MoveAnchor, true);
    UpdateEditor();
    Click();
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    MoveCurrent(ACol, ARow, MoveAnchor, Show);
}

void TCustomGrid::MoveCurrent(int col, int row, bool moveAnchor, bool show)
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        throw EInvalidGridOperation("Grid index out of range");
    if (!SelectCell(col, row)) return;
    const TGridRect old = Selection();
    current_ = {col, row};
    if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
    if (moveAnchor || !options_.Contains(goRangeSelect)) {
        anchor_ = current_;
        if (options_.Contains(goRowSelect)) anchor_.X = ColCount() - 1;
    }
    if (options_.Contains(goRowSelect)) current_.X = fixedCols_;
    if (show) ScrollCellIntoView(col, row);
    SelectionMoved(old);
}

void TCustomGrid::MoveAnchor(TGridCoord anchor)
{
    if (!options_.Contains(goRangeSelect)) {
        MoveCurrent(anchor.X, anchor.Y, true, true);
        return;
    }
    const TGridRect old = Selection();
    anchor_ = anchor;
    if (options_.Contains(goRowSelect)) anchor_.X = ColCount() - 1;
    ScrollCellIntoView(anchor.X, anchor.Y);
    SelectionMoved(old);
}

// The client pixels of the visible part of a block of cells; empty when none shows.
TRect TCustomGrid::GridRectPixels(const TGridRect& rect) const
{
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const auto span = [this](const TGridAxis& axis, const TGridAxisDrawInfo& ai, int from, int to, int& p0,
                             int& p1) {
        const int lastShown =
            axis.IndexAt(ai.FirstGridCell, ai.GridExtent - ai.FixedBoundary, gridLineWidth_);
        if (from >= ai.FixedCellCount) from = std::max(from, ai.FirstGridCell);
        to = std::min(to, std::min(lastShown, axis.Count() - 1));
        if (from < 0 || from > to) return false;
        p0 = AxisPos(axis, ai.FixedCellCount, ai.FirstGridCell, from);
        p1 = AxisPos(axis, ai.FixedCellCount, ai.FirstGridCell, to) + std::max(0, axis.Extent(to)) +
             gridLineWidth_;
        return true;
    };
    int x0, x1, y0, y1;
    if (!span(cols_, info.Horz, std::max(0, rect.Left), rect.Right, x0, x1) ||
        !span(rows_, info.Vert, std::max(0, rect.Top), rect.Bottom, y0, y1))
        return {};
    return MirrorRect(Rect(x0, y0, x1, y1));
}

void TCustomGrid::SelectionMoved(const TGridRect& old)
{
    const TGridRect now = Selection();
    if (old == now) return;
    InvalidateRect(GridRectPixels(old));
    InvalidateRect(GridRectPixels(now));
}

void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    if (!HoldsRepaintBack()) InvalidateRect(GridRectPixels({ACol, ARow, ACol, ARow}));
}

void TCustomGrid::InvalidateRow(int ARow)
{
    if (!HoldsRepaintBack()) InvalidateRect(GridRectPixels({0, ARow, ColCount() - 1, ARow}));
}

void TCustomGrid::InvalidateCol(int ACol)
{
    if (!HoldsRepaintBack()) InvalidateRect(GridRectPixels({ACol, 0, ACol, RowCount() - 1}));
}

// --- notifications with their standard behaviour ------------------------------------

void TCustomGrid::SizeChanged(int, int) {}

void TCustomGrid::SizesChanged()
{
    ClampTopLeft();
    UpdateScrollRange();
    UpdateEditor();
    Invalidate();
}

void TCustomGrid::ColWidthsChanged() { SizesChanged(); }
void TCustomGrid::RowHeightsChanged() { SizesChanged(); }

void TCustomGrid::TopLeftChanged()
{
    if (editorMode_ && inplaceEdit_) UpdateEditor();
}

void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}

namespace {

// Where an index goes when the item at `from` moves to `to`.
int Shifted(int index, int from, int to)
{
    if (index == from) return to;
    if (from < to && index > from && index <= to) return index - 1;
    if (from > to && index >= to && index < from) return index + 1;
    return index;
}

} // namespace

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) { MoveLine(true, FromIndex, ToIndex); }
void TCustomGrid::MoveRow(int FromIndex, int ToIndex) { MoveLine(false, FromIndex, ToIndex); }

void TCustomGrid::MoveLine(bool column, int from, int to)
{
    if (from == to) return;
    TGridAxis& axis = column ? cols_ : rows_;
    if (from < 0 || to < 0 || from >= axis.Count() || to >= axis.Count())
        throw EInvalidGridOperation("Grid index out of range");
    HideEditor();
    axis.Move(from, to);
    int& current = column ? current_.X : current_.Y;
    int& anchor = column ? anchor_.X : anchor_.Y;
    current = Shifted(current, from, to);
    anchor = Shifted(anchor, from, to);
    if (column) {
        ColumnMoved(from, to);
        ColWidthsChanged();
    } else {
        RowMoved(from, to);
        RowHeightsChanged();
    }
}
