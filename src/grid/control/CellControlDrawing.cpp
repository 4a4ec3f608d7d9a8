#include "grid/control/CellControlDrawing.h"

namespace {

constexpr TColor DisabledGrey = 0x808080;

void Line(TCanvas* Canvas, int X1, int Y1, int X2, int Y2)
{
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

// A tick three pixels thick from the left third down to the bottom and up to the right.
void DrawTick(TCanvas* Canvas, const TRect& Inner, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Pen()->SetWidth(1);
    const int w = Inner.Width();
    const int h = Inner.Height();
    const int x0 = Inner.Left + w / 5;
    const int xm = Inner.Left + (2 * w) / 5;
    const int x1 = Inner.Right - w / 5;
    const int ym = Inner.Top + (3 * h) / 5;
    for (int d = 0; d < 3; ++d) {
        Line(Canvas, x0, ym - 2 + d, xm, ym + h / 5 - 1 + d);
        Line(Canvas, xm, ym + h / 5 - 1 + d, x1 + 1, Inner.Top + h / 5 - 1 + d);
    }
}

} // namespace

void DrawCodedCheckBox(TCanvas* Canvas, const TRect& Box, TCellControlState State, bool Flat)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(State.Enabled && !State.Grayed ? clWindow : clBtnFace);
    Canvas->FillRect(Box);
    TRect inner = Box;
    if (Flat) {
        Canvas->Brush()->SetColor(State.Enabled ? clBtnShadow : DisabledGrey);
        Canvas->FrameRect(inner);
        inner = {inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1};
    } else {
        Frame3D(Canvas, inner, clBtnShadow, clBtnHighlight, 1);
        Frame3D(Canvas, inner, cl3DDkShadow, clBtnFace, 1);
    }
    if (State.Checked || State.Grayed)
        DrawTick(Canvas, inner, State.Enabled && !State.Grayed ? clWindowText : clBtnShadow);
}

void DrawBorlandCheckBox(TCanvas* Canvas, const TRect& Box, TCellControlState State, int Size,
                         TColor TickColor)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(State.Enabled ? clBtnFace : clBtnShadow);
    Canvas->Pen()->SetColor(clBtnFace);
    Canvas->Pen()->SetWidth(1);
    Canvas->Rectangle(Box);
    const int l = Box.Left, t = Box.Top, r = Box.Right - 1, b = Box.Bottom - 1;
    Canvas->Pen()->SetColor(clBtnHighlight);
    Line(Canvas, l, b, l, t);
    Line(Canvas, l, t, r, t);
    Canvas->Pen()->SetColor(clBtnShadow);
    Line(Canvas, r, t, r, b);
    Line(Canvas, r, b, l, b);
    if (!State.Checked) return;
    Canvas->Pen()->SetColor(State.Enabled ? TickColor : DisabledGrey);
    const int right = Box.Right, bottom = Box.Bottom;
    Line(Canvas, l + 2, t + Size / 2, l + 2, bottom - 2);
    Line(Canvas, l + 3, t - 1 + Size / 2, l + 3, bottom - 3);
    Line(Canvas, l + 2, bottom - 2, right - 2, t + 2);
    Line(Canvas, l + 3, bottom - 2, right - 1, t + 2);
}

void DrawCodedRadio(TCanvas* Canvas, const TRect& Box, TCellControlState State, bool Flat)
{
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(State.Enabled ? (Flat ? clBtnShadow : cl3DDkShadow) : DisabledGrey);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(State.Enabled ? clWindow : clBtnFace);
    Canvas->Ellipse(Box);
    if (!State.Checked) return;
    const int inset = Box.Width() / 3;
    const TColor dot = State.Enabled ? clWindowText : clBtnShadow;
    Canvas->Pen()->SetColor(dot);
    Canvas->Brush()->SetColor(dot);
    Canvas->Ellipse(Box.Left + inset, Box.Top + inset, Box.Right - inset, Box.Bottom - inset);
}

void DrawBorlandRadio(TCanvas* Canvas, int X, int Y, bool Checked, TColor DotColor)
{
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(clBtnFace);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->Polygon({{X + 2, Y + 8}, {X + 8, Y + 2}, {X + 14, Y + 8}, {X + 8, Y + 14}});
    Canvas->Pen()->SetColor(Checked ? DisabledGrey : clWhite);
    Line(Canvas, X + 2, Y + 8, X + 8, Y + 2);
    Line(Canvas, X + 8, Y + 2, X + 14, Y + 8);
    Canvas->Pen()->SetColor(Checked ? clWhite : DisabledGrey);
    Line(Canvas, X + 14, Y + 8, X + 8, Y + 14);
    Line(Canvas, X + 8, Y + 14, X + 2, Y + 8);
    if (!Checked) return;
    Canvas->Pen()->SetColor(DotColor);
    Canvas->Brush()->SetColor(DotColor);
    Canvas->Polygon({{X + 6, Y + 8}, {X + 8, Y + 6}, {X + 10, Y + 8}, {X + 8, Y + 10}});
}
