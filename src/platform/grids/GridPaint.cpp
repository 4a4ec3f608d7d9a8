#include <algorithm>

#include "platform/grids/Grids.h"
#include "platform/os/SystemProfile.h"
#include "platform/ui/Themes.h"

// Painting: every visible cell that meets the clip rectangle goes to DrawCell once; with
// DefaultDrawing the grid also fills the cells, draws its lines, the focus frame and the
// fixed cells' look. The sizing or moving guide is drawn last, over the cells.

namespace {

constexpr TColor kFixedLineColor = clBlack;
constexpr TColor kLineColor = clSilver;

// The indexes of one direction that show: the fixed ones, then the scrolling ones from the
// first shown until the client extent ends. Hidden ones (extent below 0) are left out.
std::vector<int> ShownCells(const TGridAxis& axis, const TGridAxisDrawInfo& info, int lineWidth)
{
    std::vector<int> cells;
    int pos = 0;
    for (int i = 0; i < info.FixedCellCount && pos < info.GridExtent; ++i) {
        if (axis.Extent(i) >= 0) cells.push_back(i);
        pos += axis.Span(i, i + 1, lineWidth);
    }
    const int last = std::min(
        axis.Count() - 1, axis.IndexAt(info.FirstGridCell, info.GridExtent - info.FixedBoundary, lineWidth));
    for (int i = info.FirstGridCell; i <= last; ++i)
        if (axis.Extent(i) >= 0) cells.push_back(i);
    return cells;
}

bool StyledFixedCells() { return ThemesEnabled() && SystemProfile().ThemeActive; }

} // namespace

bool TCustomGrid::IsActiveControl() const
{
    const TWinControl* focused = FocusedControl();
    return focused && ContainsControl(focused);
}

TGridDrawState TCustomGrid::CellState(int col, int row, const TGridRect& sel, bool active) const
{
    TGridDrawState state;
    if (col < fixedCols_ || row < fixedRows_) return {gdFixed};
    if (active && col == current_.X && row == current_.Y) state += gdFocused;
    if (sel.Contains(col, row)) state += gdSelected;
    return state;
}

void TCustomGrid::PrepareCell(const TRect& where, TGridDrawState state)
{
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    if (state.Contains(gdFixed)) {
        canvas->Brush()->SetColor(fixedColor_);
        canvas->FillRect(where);
        if (StyledFixedCells()) {
            DrawThemedPart(canvas, tpHeaderItem, {}, where);
        } else {
            TRect edge = where;
            Frame3D(canvas, edge, clBtnHighlight, clBtnShadow, 1);
            canvas->Brush()->SetColor(fixedColor_);
        }
        return;
    }
    const bool highlight =
        state.Contains(gdSelected) && (!state.Contains(gdFocused) || options_.Contains(goDrawFocusSelected) ||
                                       options_.Contains(goRowSelect));
    canvas->Brush()->SetColor(highlight ? clHighlight : Color());
    if (highlight) canvas->Font()->SetColor(clHighlightText);
    canvas->FillRect(where);
}

void TCustomGrid::Paint()
{
    TCanvas* canvas = Canvas();
    const TRect clip = canvas->ClipRect();
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const std::vector<int> cols = ShownCells(cols_, info.Horz, gridLineWidth_);
    const std::vector<int> rows = ShownCells(rows_, info.Vert, gridLineWidth_);
    const TGridRect sel = Selection();
    const bool active = IsActiveControl();
    const bool focusFrame = !options_.Contains(goRowSelect) &&
                            !(options_.Contains(goEditing) && options_.Contains(goAlwaysShowEditor));
    for (int row : rows) {
        const int top = AxisPos(rows_, fixedRows_, topRow_, row);
        for (int col : cols) {
            const int left = AxisPos(cols_, fixedCols_, leftCol_, col);
            const TRect where = MirrorRect(Bounds(left, top, cols_.Extent(col), rows_.Extent(row)));
            TRect visible;
            if (!IntersectRect(visible, where, clip)) continue;
            const TGridDrawState state = CellState(col, row, sel, active);
            if (defaultDrawing_) PrepareCell(where, state);
            DrawCell(col, row, where, state);
            if (defaultDrawing_ && focusFrame && state.Contains(gdFocused)) canvas->DrawFocusRect(where);
        }
    }
    if (defaultDrawing_ && gridLineWidth_ > 0) DrawLines(info, cols, rows);
    // The guide is drawn over the cells instead of inverting pixels: it moves by repainting
    // the strips it leaves and enters.
    if (const TRect guide = GuideLineRect(); !guide.IsEmpty()) {
        canvas->Brush()->SetColor(clBlack);
        canvas->FillRect(guide);
    }
}

void TCustomGrid::DrawLines(const TGridDrawInfo& info, const std::vector<int>& cols,
                            const std::vector<int>& rows)
{
    TCanvas* canvas = Canvas();
    const int vertEnd = info.Vert.GridBoundary, horzEnd = info.Horz.GridBoundary;
    const auto fill = [&](const TRect& r, TColor color) {
        if (r.IsEmpty()) return;
        canvas->Brush()->SetColor(color);
        canvas->FillRect(MirrorRect(r));
    };
    // Each line runs through the fixed part with the fixed look and through the rest with
    // the look of its own column or row.
    for (int col : cols) {
        const int x = AxisPos(cols_, fixedCols_, leftCol_, col) + cols_.Extent(col);
        const bool fixedCol = col < fixedCols_;
        if (options_.Contains(goFixedVertLine))
            fill(Rect(x, 0, x + gridLineWidth_, info.Vert.FixedBoundary), kFixedLineColor);
        if (options_.Contains(fixedCol ? goFixedVertLine : goVertLine))
            fill(Rect(x, info.Vert.FixedBoundary, x + gridLineWidth_, vertEnd),
                 fixedCol ? kFixedLineColor : kLineColor);
    }
    for (int row : rows) {
        const int y = AxisPos(rows_, fixedRows_, topRow_, row) + rows_.Extent(row);
        const bool fixedRow = row < fixedRows_;
        if (options_.Contains(goFixedHorzLine))
            fill(Rect(0, y, info.Horz.FixedBoundary, y + gridLineWidth_), kFixedLineColor);
        if (options_.Contains(fixedRow ? goFixedHorzLine : goHorzLine))
            fill(Rect(info.Horz.FixedBoundary, y, horzEnd, y + gridLineWidth_),
                 fixedRow ? kFixedLineColor : kLineColor);
    }
}

// The guide shown while a column or row is sized (its new edge) or moved (where it will
// land), in client pixels; empty in any other state.
TRect TCustomGrid::GuideLineRect() const
{
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const int width = std::max(1, gridLineWidth_);
    switch (gridState_) {
    case gsColSizing:
        return MirrorRect(Rect(sizingPos_, 0, sizingPos_ + width, info.Vert.GridBoundary));
    case gsRowSizing:
        return MirrorRect(Rect(0, sizingPos_, info.Horz.GridBoundary, sizingPos_ + width));
    case gsColMoving: {
        const int left = AxisPos(cols_, fixedCols_, leftCol_, movePos_);
        const int x = movePos_ > moveIndex_ ? left + cols_.Extent(movePos_) : left;
        return MirrorRect(Rect(x - 1, 0, x + 1, info.Vert.GridBoundary));
    }
    case gsRowMoving: {
        const int top = AxisPos(rows_, fixedRows_, topRow_, movePos_);
        const int y = movePos_ > moveIndex_ ? top + rows_.Extent(movePos_) : top;
        return MirrorRect(Rect(0, y - 1, info.Horz.GridBoundary, y + 1));
    }
    default:
        return {};
    }
}

// --- the draw grid and the string grid -----------------------------------------------

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell && !Quiet()) OnDrawCell(this, ACol, ARow, ARect, AState);
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    // The text belongs to this grid's own drawing, whatever flag a descendant keeps.
    if (TCustomGrid::DefaultDrawing()) {
        const std::string text = Cells(ACol, ARow);
        TCanvas* canvas = Canvas();
        const int x = UseRightToLeftAlignment() ? ARect.Right - 2 - canvas->TextWidth(text) : ARect.Left + 2;
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextRect(ARect, x, ARect.Top + 2, text);
        canvas->Brush()->SetStyle(bsSolid);
    }
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}
