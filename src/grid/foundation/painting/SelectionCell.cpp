#include "grid/foundation/painting/SelectionCell.h"

#include "grid/foundation/painting/Gradients.h"

namespace {

void Line(TCanvas* Canvas, int X1, int Y1, int X2, int Y2)
{
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

// The rounded corners of one end: Inner is the column next to the frame, Outer the frame's.
void Corners(TCanvas* Canvas, int Inner, int Outer, int T, int B, TColor CornerColor, TColor OuterCornerColor)
{
    for (const TPoint p : {Point(Inner, T), Point(Inner, T + 1), Point(Outer, T + 1), Point(Inner, B),
                           Point(Inner, B - 1), Point(Outer, B - 1)})
        Canvas->SetPixels(p.X, p.Y, CornerColor);
    Canvas->SetPixels(Outer, T, OuterCornerColor);
    Canvas->SetPixels(Outer, B, OuterCornerColor);
}

} // namespace

void DrawSelectionCell(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor MirrorColor,
                       TColor MirrorColorTo, TColor UpperInnerColor, TColor LowerInnerColor,
                       TColor FrameColor, TColor CornerColor, TColor OuterCornerColor, TRect R, int Part)
{
    R.Bottom -= 2;
    R.Right -= 1;
    const int L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom;
    const bool leftSide = Part == spSingle || Part == spLeftEnd;
    const bool rightSide = Part == spSingle || Part == spRightEnd;
    const int l = leftSide ? 2 : 0;
    const int r = rightSide ? 2 : 0;
    const int mid = T + (B - T) / 2;

    Canvas->Pen()->SetColor(UpperInnerColor);
    Line(Canvas, L, T + 1, Rt, T + 1);
    if (leftSide) Line(Canvas, L + 1, T + 1, L + 1, mid);
    if (rightSide) Line(Canvas, Rt - 2, T + 1, Rt - 2, mid);

    Canvas->Pen()->SetColor(LowerInnerColor);
    Line(Canvas, L, B - 1, Rt, B - 1);
    if (leftSide) Line(Canvas, L + 1, mid, L + 1, B - 1);
    if (rightSide) Line(Canvas, Rt - 2, mid, Rt - 2, B - 1);

    Canvas->Pen()->SetColor(FrameColor);
    Line(Canvas, L + l, T, Rt - r, T);
    Line(Canvas, L + l, B, Rt - r, B);
    if (rightSide) Line(Canvas, Rt - 1, T + 2, Rt - 1, B - 1);
    if (leftSide) Line(Canvas, L, T + 2, L, B - 1);

    if (leftSide) Corners(Canvas, L + 1, L, T, B, CornerColor, OuterCornerColor);
    if (rightSide) Corners(Canvas, Rt - 2, Rt - 1, T, B, CornerColor, OuterCornerColor);

    constexpr int kSteps = 16;
    const TRect inner = Rect(L + l, T + 2, Rt - r, B - 1);
    if (ColorTo == clNone) {
        Canvas->Brush()->SetColor(Color);
        Canvas->FillRect(inner);
    } else if (MirrorColor == clNone) {
        DrawGradient(Canvas, Color, ColorTo, kSteps, inner, false);
    } else {
        const int half = inner.Top + inner.Height() / 2;
        DrawGradient(Canvas, Color, ColorTo, kSteps, Rect(inner.Left, inner.Top, inner.Right, half), false);
        DrawGradient(Canvas, MirrorColor, MirrorColorTo, kSteps,
                     Rect(inner.Left, half, inner.Right, inner.Bottom), false);
    }
}
