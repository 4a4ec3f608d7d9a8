#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "platform/ui/StdCtrls.h"

namespace {

// The width of an in-cell scroll bar: that of the desktop's vertical scroll bars.
constexpr int kInCellScrollBarWidth = 17;
constexpr int kInCellLineStep = 10;
constexpr int kInCellPageStep = 100;

// A bar is worth showing only when the page leaves something to scroll.
bool ScrollsWithin(const TScrollProp& Prop) { return Prop.PageSize < Prop.Range; }

void ApplyCellBarRange(TScrollBar& Bar, const TScrollProp& Prop, int Position)
{
    Bar.SetMin(0);
    Bar.SetMax(Prop.Range);
    Bar.SetPageSize(Prop.PageSize);
    Bar.SetPosition(Position);
}

} // namespace

TScrollBar* TExtStringGrid::MakeCellScrollBar()
{
    auto* bar = new TScrollBar(this);
    bar->SetKind(sbVertical);
    bar->SetVisible(false);
    bar->SetParent(this);
    return bar;
}

int TExtStringGrid::PaintCellScrollBar(TCanvas* ACanvas, int ARealCol, int ADisplRow, TRect& ARect)
{
    if (!HasScrollBar(ARealCol, ADisplRow)) return 0;
    const TScrollProp prop = GetScrollProp(ARealCol, ADisplRow);
    if (!ScrollsWithin(prop)) return 0;
    // One hidden bar paints the bars of all cells, set up anew for each.
    if (!FPaintScrollBar) FPaintScrollBar = MakeCellScrollBar();
    ApplyCellBarRange(*FPaintScrollBar, prop, GetScrollPosition(ARealCol, ADisplRow));
    FPaintScrollBar->SetBounds(0, 0, kInCellScrollBarWidth, std::max(0, ARect.Height()));
    ARect.Right -= FPaintScrollBar->Width();
    FPaintScrollBar->PaintTo(ACanvas, ARect.Right, ARect.Top);
    return FPaintScrollBar->Position();
}

void TExtStringGrid::PlaceCellScrollBar(int ADisplCol, int ADisplRow)
{
    const int realCol = RealColIndex(ADisplCol);
    if (!HasScrollBar(realCol, ADisplRow)) {
        if (FScrollBar) FScrollBar->SetVisible(false);
        return;
    }
    FScrollCol = realCol;
    FScrollRow = ADisplRow;
    const TScrollProp prop = GetScrollProp(realCol, ADisplRow);
    if (!ScrollsWithin(prop)) return;
    if (!FScrollBar) FScrollBar = MakeCellScrollBar();
    const TRect cell = CellRect(ADisplCol, ADisplRow);
    const int lineWidth = GridLineWidth();
    const int top = cell.Top + lineWidth;
    const int left = cell.Right - kInCellScrollBarWidth - lineWidth;
    if (FScrollBar->Visible() && FScrollBar->Top() == top && FScrollBar->Left() == left) return;
    ApplyCellBarRange(*FScrollBar, prop, GetScrollPosition(realCol, ADisplRow));
    FScrollBar->SetBounds(left, top, kInCellScrollBarWidth, std::max(0, cell.Height() - 2 * lineWidth));
    FScrollBar->SetVisible(true);
}

bool TExtStringGrid::ScrollCellBar(TMessage& Message)
{
    if (!FScrollBar || Message.LParam != reinterpret_cast<LPARAM>(FScrollBar)) return false;
    TScrollBar& bar = *FScrollBar;
    const int old = bar.Position();
    int position = old;
    switch (LOWORD(Message.WParam)) {
    case SB_LINEUP:
        position = std::max(bar.Min(), old - kInCellLineStep);
        break;
    case SB_LINEDOWN:
        position = std::min(bar.Max(), old + kInCellLineStep);
        break;
    case SB_PAGEUP:
        position = old - kInCellPageStep;
        break;
    case SB_PAGEDOWN:
        position = old + kInCellPageStep;
        break;
    case SB_THUMBTRACK:
        position = HIWORD(Message.WParam);
        break;
    default:
        break;
    }
    bar.SetPosition(position);
    if (bar.Position() == old) return true;
    Message.Result = 1;
    // The cell keeps its own position: the bar serves whichever cell the mouse is over.
    SetScrollPosition(FScrollCol, FScrollRow, bar.Position());
    if (OnScrollCell) OnScrollCell(this, FScrollCol, FScrollRow, bar.Position(), bar.Min(), bar.Max());
    return true;
}
