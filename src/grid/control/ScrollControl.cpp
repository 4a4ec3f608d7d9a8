#include "grid/control/ScrollControl.h"

#include <algorithm>
#include <cmath>

#include "grid/control/ExtStringGrid.h"

namespace {

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

} // namespace

TScrollAxis TScrollControl::AxisOf(const TExtStringGrid& g, TScrollDirection d)
{
    const bool vert = d == sdVertical;
    const int count = vert ? g.RowCount() : g.ColCount();
    const int fixed = vert ? g.FixedRows() : g.FixedCols();
    const int endFixed = vert ? g.FixedFooters : g.FixedRightCols;
    const auto extent = [&](int i) { return vert ? g.RowHeights(i) : g.ColWidths(i); };
    TScrollAxis a{count,
                  fixed,
                  vert ? g.VisibleRowCount() : g.VisibleColCount(),
                  vert ? g.TopRow() : g.LeftCol(),
                  0,
                  0,
                  count > 0 ? extent(0) : 0};
    for (int i = 0; i < fixed && i < count; ++i)
        a.FixedExtent += extent(i);
    for (int i = std::max(0, count - endFixed); i < count; ++i)
        a.EndExtent += extent(i);
    return a;
}

TScrollControl::TScrollControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() + csParentBackground);
}

void TScrollControl::SetColor(TColor Value)
{
    if (Value == FColor) return;
    FColor = Value;
    Invalidate();
}

TScrollThumb TScrollControl::ThumbFor(const TScrollAxis& a, int Length)
{
    if (a.Count <= a.Fixed || a.Visible >= a.Count - a.Fixed) return {};
    const int track = Length - a.FixedExtent - a.EndExtent;
    const double visible = static_cast<double>(a.Visible) / a.Count;
    const double position = static_cast<double>(a.First - a.Fixed) / (a.Count - a.Fixed);
    TScrollThumb t{true, a.FixedExtent + RoundHalfEven(track * position),
                   std::max(MinThumbSize, RoundHalfEven(track * visible))};
    if (t.Position + t.Size > Length) t.Position = Length - t.Size;
    return t;
}

TExtStringGrid* TScrollControl::Grid() const { return dynamic_cast<TExtStringGrid*>(Parent()); }

TScrollThumb TScrollControl::Thumb() const
{
    const TExtStringGrid* grid = Grid();
    return grid ? ThumbFor(AxisOf(*grid, Direction), Length()) : TScrollThumb{};
}

int TScrollControl::First() const
{
    const TExtStringGrid* grid = Grid();
    return Direction == sdVertical ? grid->TopRow() : grid->LeftCol();
}

void TScrollControl::SetFirst(int Value)
{
    TExtStringGrid* grid = Grid();
    if (Direction == sdVertical)
        grid->SetTopRow(Value);
    else
        grid->SetLeftCol(Value);
}

void TScrollControl::Paint()
{
    const TScrollThumb t = Thumb();
    if (!t.Shown) return;
    TCanvas& c = *Canvas();
    c.Pen()->SetColor(FColor);
    c.Brush()->SetColor(FColor);
    if (Direction == sdVertical)
        c.Rectangle(0, t.Position, ScrollWidth, t.Position + t.Size);
    else
        c.Rectangle(t.Position, 0, t.Position + t.Size, ScrollWidth);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const TScrollThumb t = Thumb();
    if (!t.Shown) return;
    const TScrollAxis a = AxisOf(*Grid(), Direction);
    const int at = Along(X, Y);
    if (at < t.Position)
        SetFirst(std::max(a.Fixed, a.First - a.Visible));
    else if (at > t.Position + t.Size)
        SetFirst(std::min(a.First + a.Visible, a.Count - a.Visible));
    else {
        FDownOnScroller = true;
        FDownPos = at;
        FDownRow = First();
    }
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FDownOnScroller || !Grid()) return;
    const TScrollAxis a = AxisOf(*Grid(), Direction);
    const int track = Length() - a.FirstExtent;
    if (track <= 0) return;
    const int moved = RoundHalfEven(static_cast<double>(Along(X, Y) - FDownPos) / track * a.Count);
    SetFirst(std::max(a.Fixed, std::min(moved + FDownRow, a.Count - a.Visible)));
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FDownOnScroller = false;
}
