#include <algorithm>

#include "platform/grids/Grids.h"

// Counts, sizes, scrolling and the mapping between cells and client pixels.

namespace {

int Scaled(int value, int m, int d)
{
    return d == 0 ? value : static_cast<int>((static_cast<long long>(value) * m) / d);
}

} // namespace

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner)
{
    cols_.SetDefaultExtent(64);
    rows_.SetDefaultExtent(24);
    cols_.SetCount(5);
    rows_.SetCount(5);
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks});
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 320, 120);
    UpdateScrollRange();
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::SetColCount(int count)
{
    count = std::max(1, count);
    if (count == ColCount()) return;
    if (count <= fixedCols_) fixedCols_ = count - 1;
    ChangeSize(count, RowCount());
}

void TCustomGrid::SetRowCount(int count)
{
    count = std::max(1, count);
    if (count == RowCount()) return;
    if (count <= fixedRows_) fixedRows_ = count - 1;
    ChangeSize(ColCount(), count);
}

void TCustomGrid::ChangeSize(int newColCount, int newRowCount)
{
    const int oldCols = ColCount(), oldRows = RowCount();
    if (editorMode_ && (Col() >= newColCount || Row() >= newRowCount)) HideEditor();
    cols_.SetCount(newColCount);
    rows_.SetCount(newRowCount);
    SizeChanged(oldCols, oldRows);
    // The current cell and the anchor stay inside the grid and out of the fixed cells.
    const auto clampCoord = [this](TGridCoord c) {
        return TGridCoord{std::clamp(c.X, std::min(fixedCols_, ColCount() - 1), ColCount() - 1),
                          std::clamp(c.Y, std::min(fixedRows_, RowCount() - 1), RowCount() - 1)};
    };
    current_ = clampCoord(current_);
    anchor_ = clampCoord(anchor_);
    SizesChanged();
}

void TCustomGrid::SetFixedCols(int count)
{
    SetFixedCount(fixedCols_, count, ColCount(), "Fixed column count must be less than column count");
}

void TCustomGrid::SetFixedRows(int count)
{
    SetFixedCount(fixedRows_, count, RowCount(), "Fixed row count must be less than row count");
}

void TCustomGrid::SetFixedCount(int& fixed, int count, int total, const char* tooBig)
{
    if (count < 0) throw EInvalidGridOperation("Grid index out of range");
    if (count >= total) throw EInvalidGridOperation(tooBig);
    if (count == fixed) return;
    fixed = count;
    // The current cell, the anchor and the first scrolling cell leave the fixed cells.
    current_ = {std::max(current_.X, fixedCols_), std::max(current_.Y, fixedRows_)};
    anchor_ = {options_.Contains(goRowSelect) ? ColCount() - 1 : std::max(anchor_.X, fixedCols_),
               std::max(anchor_.Y, fixedRows_)};
    leftCol_ = std::max(leftCol_, fixedCols_);
    topRow_ = std::max(topRow_, fixedRows_);
    SizesChanged();
}

void TCustomGrid::SetDefaultColWidth(int width)
{
    cols_.SetDefaultExtent(width);
    ColWidthsChanged();
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int height)
{
    rows_.SetDefaultExtent(height);
    RowHeightsChanged();
    Invalidate();
}

void TCustomGrid::SetColWidths(int index, int width)
{
    if (index < 0 || index >= ColCount()) throw EInvalidGridOperation("Grid index out of range");
    if (cols_.Extent(index) == width) return;
    cols_.SetExtent(index, width);
    ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int index, int height)
{
    if (index < 0 || index >= RowCount()) throw EInvalidGridOperation("Grid index out of range");
    if (rows_.Extent(index) == height) return;
    rows_.SetExtent(index, height);
    RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int width)
{
    width = std::max(0, width);
    if (width == gridLineWidth_) return;
    gridLineWidth_ = width;
    SizesChanged();
}

void TCustomGrid::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_) return;
    borderStyle_ = style;
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor color)
{
    if (color == fixedColor_) return;
    fixedColor_ = color;
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle bars)
{
    if (bars == scrollBars_) return;
    scrollBars_ = bars;
    UpdateScrollRange();
}

void TCustomGrid::SetDefaultDrawing(bool on)
{
    if (on == defaultDrawing_) return;
    defaultDrawing_ = on;
    Invalidate();
}

void TCustomGrid::SetBiDiMode(TBiDiMode mode)
{
    if (mode == biDiMode_) return;
    biDiMode_ = mode;
    UpdateEditor();
    Invalidate();
}

int TCustomGrid::GridWidth() const { return cols_.Span(0, ColCount(), gridLineWidth_); }
int TCustomGrid::GridHeight() const { return rows_.Span(0, RowCount(), gridLineWidth_); }

// --- where the cells lie --------------------------------------------------------------

namespace {

void CalcAxis(const TGridAxis& axis, int fixed, int first, int extent, int lineWidth, TGridAxisDrawInfo& info)
{
    info.EffectiveLineWidth = lineWidth;
    info.GridExtent = extent;
    info.FixedCellCount = fixed;
    info.FirstGridCell = first;
    info.GridCellCount = axis.Count();
    info.FixedBoundary = axis.Span(0, fixed, lineWidth);
    // Cells from `first` on fit while their end, less the last line, stays in the extent.
    const int avail = extent + lineWidth - info.FixedBoundary;
    const int end = axis.IndexAt(first, avail, lineWidth);
    info.LastFullVisibleCell = std::max(first, end - 1);
    info.FullVisBoundary = info.FixedBoundary + axis.Span(first, end, lineWidth);
    info.GridBoundary = end < axis.Count() ? extent : info.FullVisBoundary;
}

} // namespace

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& info) const
{
    const TRect client = ClientRect();
    CalcAxis(cols_, fixedCols_, leftCol_, client.Width(), gridLineWidth_, info.Horz);
    CalcAxis(rows_, fixedRows_, topRow_, client.Height(), gridLineWidth_, info.Vert);
}

int TCustomGrid::AxisPos(const TGridAxis& axis, int fixed, int first, int index) const
{
    if (index < fixed) return axis.Span(0, index, gridLineWidth_);
    return axis.Span(0, fixed, gridLineWidth_) + axis.Span(first, index, gridLineWidth_);
}

void TCustomGrid::AxisCell(const TGridAxis& axis, int fixed, int first, int pos, int extent, int& cell) const
{
    cell = -1;
    if (pos < 0 || pos >= extent) return;
    const int fixedEnd = axis.Span(0, fixed, gridLineWidth_);
    const int index = pos < fixedEnd ? axis.IndexAt(0, pos, gridLineWidth_)
                                     : axis.IndexAt(first, pos - fixedEnd, gridLineWidth_);
    if (index < axis.Count()) cell = index;
}

int TCustomGrid::MirrorX(int x) const { return ClientWidth() - 1 - x; }

TRect TCustomGrid::MirrorRect(const TRect& r) const
{
    if (!UseRightToLeftAlignment()) return r;
    const int w = ClientWidth();
    return {w - r.Right, r.Top, w - r.Left, r.Bottom};
}

TRect TCustomGrid::BoxRect(int col, int row) const
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return {};
    if ((col >= fixedCols_ && col < leftCol_) || (row >= fixedRows_ && row < topRow_)) return {};
    const int left = AxisPos(cols_, fixedCols_, leftCol_, col);
    const int top = AxisPos(rows_, fixedRows_, topRow_, row);
    const TRect client = ClientRect();
    if (left >= client.Width() || top >= client.Height()) return {};
    const int width = std::max(0, cols_.Extent(col)), height = std::max(0, rows_.Extent(row));
    if (width == 0 || height == 0) return {};
    return MirrorRect(Bounds(left, top, width, height));
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const { return BoxRect(ACol, ARow); }

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const
{
    const TRect client = ClientRect();
    if (UseRightToLeftAlignment()) X = MirrorX(X);
    TGridCoord c;
    AxisCell(cols_, fixedCols_, leftCol_, X, client.Width(), c.X);
    AxisCell(rows_, fixedRows_, topRow_, Y, client.Height(), c.Y);
    // A point on the grid line after a cell belongs to no cell of that direction.
    if (c.X >= 0 && X >= AxisPos(cols_, fixedCols_, leftCol_, c.X) + std::max(0, cols_.Extent(c.X))) c.X = -1;
    if (c.Y >= 0 && Y >= AxisPos(rows_, fixedRows_, topRow_, c.Y) + std::max(0, rows_.Extent(c.Y))) c.Y = -1;
    if (c.X < 0 || c.Y < 0) return {-1, -1};
    return c;
}

int TCustomGrid::VisibleColCount() const
{
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return std::min(ColCount() - leftCol_, info.Horz.LastFullVisibleCell - leftCol_ + 1);
}

int TCustomGrid::VisibleRowCount() const
{
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return std::min(RowCount() - topRow_, info.Vert.LastFullVisibleCell - topRow_ + 1);
}

// --- scrolling -------------------------------------------------------------------------

// The largest first scrolling index that still shows the last cell whole.
int TCustomGrid::MaxTopLeft(const TGridAxis& axis, int fixed, int extent) const
{
    const int avail = extent + gridLineWidth_ - axis.Span(0, fixed, gridLineWidth_);
    int lo = fixed, hi = std::max(fixed, axis.Count() - 1);
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (axis.Span(mid, axis.Count(), gridLineWidth_) <= avail)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

void TCustomGrid::ClampTopLeft()
{
    const TRect client = ClientRect();
    const int col = std::clamp(leftCol_, fixedCols_, MaxTopLeft(cols_, fixedCols_, client.Width()));
    const int row = std::clamp(topRow_, fixedRows_, MaxTopLeft(rows_, fixedRows_, client.Height()));
    if (col == leftCol_ && row == topRow_) return;
    leftCol_ = col;
    topRow_ = row;
    TopLeftChanged();
}

void TCustomGrid::SetTopLeft(int col, int row)
{
    const TRect client = ClientRect();
    col = std::clamp(col, fixedCols_, MaxTopLeft(cols_, fixedCols_, client.Width()));
    row = std::clamp(row, fixedRows_, MaxTopLeft(rows_, fixedRows_, client.Height()));
    if (col == leftCol_ && row == topRow_) return;
    const int oldCol = leftCol_, oldRow = topRow_;
    leftCol_ = col;
    topRow_ = row;
    UpdateScrollRange();
    UpdateEditor();
    ScrollContents(oldCol, oldRow);
    TopLeftChanged();
}

// The cells already painted move with the scroll; only those coming into view are painted,
// so a scroll costs the new strip, not the whole grid.
void TCustomGrid::ScrollContents(int oldCol, int oldRow)
{
    const TRect area = ScrolledArea();
    const auto shift = [this](const TGridAxis& axis, int from, int to) {
        return from < to ? -axis.Span(from, to, gridLineWidth_) : axis.Span(to, from, gridLineWidth_);
    };
    if (topRow_ != oldRow) {
        const int fixedEnd = std::max(area.Top, rows_.Span(0, fixedRows_, gridLineWidth_));
        ScrollWindow(0, shift(rows_, oldRow, topRow_), Rect(area.Left, fixedEnd, area.Right, area.Bottom));
    }
    if (leftCol_ != oldCol) {
        const int fixedEnd = std::max(area.Left, cols_.Span(0, fixedCols_, gridLineWidth_));
        const int dx = shift(cols_, oldCol, leftCol_);
        ScrollWindow(UseRightToLeftAlignment() ? -dx : dx, 0,
                     MirrorRect(Rect(fixedEnd, area.Top, area.Right, area.Bottom)));
    }
}

void TCustomGrid::SetLeftCol(int col) { SetTopLeft(col, topRow_); }
void TCustomGrid::SetTopRow(int row) { SetTopLeft(leftCol_, row); }

void TCustomGrid::ScrollCellIntoView(int ACol, int ARow)
{
    TGridDrawInfo info;
    CalcDrawInfo(info);
    int col = leftCol_, row = topRow_;
    if (ACol >= fixedCols_ && ACol < ColCount()) {
        if (ACol < leftCol_)
            col = ACol;
        else if (ACol > info.Horz.LastFullVisibleCell)
            col = ACol - VisibleCountFor(cols_, ACol, info.Horz) + 1;
    }
    if (ARow >= fixedRows_ && ARow < RowCount()) {
        if (ARow < topRow_)
            row = ARow;
        else if (ARow > info.Vert.LastFullVisibleCell)
            row = ARow - VisibleCountFor(rows_, ARow, info.Vert) + 1;
    }
    SetTopLeft(col, row);
}

// How many cells ending with `last` fit after the fixed cells (at least 1).
int TCustomGrid::VisibleCountFor(const TGridAxis& axis, int last, const TGridAxisDrawInfo& info) const
{
    const int avail = info.GridExtent + gridLineWidth_ - info.FixedBoundary;
    int first = last;
    while (first > info.FixedCellCount && axis.Span(first - 1, last + 1, gridLineWidth_) <= avail)
        --first;
    return last - first + 1;
}

void TCustomGrid::UpdateScrollRange()
{
    // Showing one bar narrows the room for the other: settle in two rounds.
    for (int round = 0; round < 2; ++round) {
        const TRect client = ClientRect();
        const int maxLeft = MaxTopLeft(cols_, fixedCols_, client.Width());
        const int maxTop = MaxTopLeft(rows_, fixedRows_, client.Height());
        const bool horz = (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) && maxLeft > fixedCols_;
        const bool vert = (scrollBars_ == ssVertical || scrollBars_ == ssBoth) && maxTop > fixedRows_;
        ShowScrollBar(SB_HORZ, horz);
        ShowScrollBar(SB_VERT, vert);
        if (horz) {
            const int page = std::max(1, VisibleColCount());
            SetScrollInfo(SB_HORZ, {fixedCols_, maxLeft + page - 1, page, leftCol_, leftCol_});
        }
        if (vert) {
            const int page = std::max(1, VisibleRowCount());
            SetScrollInfo(SB_VERT, {fixedRows_, maxTop + page - 1, page, topRow_, topRow_});
        }
    }
}

void TCustomGrid::ScrollBy(int bar, Word code, int pos)
{
    const bool horz = bar == SB_HORZ;
    const int first = horz ? leftCol_ : topRow_;
    const int page = std::max(1, horz ? VisibleColCount() : VisibleRowCount());
    const int fixed = horz ? fixedCols_ : fixedRows_;
    const int count = horz ? ColCount() : RowCount();
    int next = first;
    switch (code) {
    case SB_LINEUP:
        next = first - 1;
        break;
    case SB_LINEDOWN:
        next = first + 1;
        break;
    case SB_PAGEUP:
        next = first - page;
        break;
    case SB_PAGEDOWN:
        next = first + page;
        break;
    case SB_THUMBTRACK:
        if (options_.Contains(goThumbTracking)) next = pos;
        break;
    case SB_THUMBPOSITION:
        next = pos;
        break;
    case SB_TOP:
        next = fixed;
        break;
    case SB_BOTTOM:
        next = count - 1;
        break;
    default:
        return;
    }
    if (horz)
        SetLeftCol(next);
    else
        SetTopRow(next);
}

void TCustomGrid::WMHScroll(TMessage& message)
{
    ScrollBy(SB_HORZ, LOWORD(message.WParam), ScrollMessagePos(message));
}

void TCustomGrid::WMVScroll(TMessage& message)
{
    ScrollBy(SB_VERT, LOWORD(message.WParam), ScrollMessagePos(message));
}

void TCustomGrid::Resize()
{
    SizesChanged();
    TCustomControl::Resize();
}

void TCustomGrid::ChangeScale(int M, int D)
{
    if (M == D || D == 0) return;
    SetBounds(Scaled(Left(), M, D), Scaled(Top(), M, D), Scaled(Width(), M, D), Scaled(Height(), M, D));
    std::vector<int> widths, heights;
    for (int i = 0; i < ColCount(); ++i)
        widths.push_back(cols_.Extent(i));
    for (int i = 0; i < RowCount(); ++i)
        heights.push_back(rows_.Extent(i));
    cols_.SetDefaultExtent(Scaled(cols_.DefaultExtent(), M, D));
    rows_.SetDefaultExtent(Scaled(rows_.DefaultExtent(), M, D));
    for (int i = 0; i < ColCount(); ++i)
        cols_.SetExtent(i, widths[i] < 0 ? widths[i] : Scaled(widths[i], M, D));
    for (int i = 0; i < RowCount(); ++i)
        rows_.SetExtent(i, heights[i] < 0 ? heights[i] : Scaled(heights[i], M, D));
    Font()->SetHeight(Scaled(Font()->Height(), M, D));
    ColWidthsChanged();
    RowHeightsChanged();
}
