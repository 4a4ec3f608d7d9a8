#include "grid/foundation/painting/Gradients.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/rtl/SysUtils.h"

namespace {

void FillBand(TCanvas* Canvas, TColor Color, const TRect& Band)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    // A plain one-pixel pen in the brush colour covers exactly the filled area, which is
    // filled far faster than a rectangle is outlined and filled.
    const TPen& pen = *Canvas->Pen();
    const bool plainPen = pen.Style() == psSolid && pen.Width() <= 1 && pen.Mode() == pmCopy;
    if (plainPen && Canvas->Brush()->Style() == bsSolid)
        Canvas->FillRect(Band);
    else
        Canvas->Rectangle(Band);
}

int Step(int From, int To, int I, int Steps)
{
    return From + static_cast<int>(Round(static_cast<double>(I) * (To - From) / Steps));
}

} // namespace

void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal)
{
    if (R.Top == R.Bottom) return;
    if (R.Bottom < R.Top) std::swap(R.Top, R.Bottom);
    if (FromColor == clNone && ToColor == clNone) return;
    if (FromColor == clNone || ToColor == clNone) {
        FillBand(Canvas, FromColor == clNone ? ToColor : FromColor, R);
        return;
    }
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    const int extent = (Horizontal ? R.Width() : R.Height()) - 1;
    Steps = std::max(1, std::min(Steps, extent));
    const double stepSize = static_cast<double>(extent) / Steps;
    const int end = Horizontal ? R.Right : R.Bottom;
    for (int i = 0; i <= Steps; ++i) {
        const TColor band = RGB(Step(GetRValue(from), GetRValue(to), i, Steps),
                                Step(GetGValue(from), GetGValue(to), i, Steps),
                                Step(GetBValue(from), GetBValue(to), i, Steps));
        const int start = (Horizontal ? R.Left : R.Top) + static_cast<int>(i * stepSize);
        const int stop = std::min(end, start + static_cast<int>(stepSize + 1));
        FillBand(Canvas, band,
                 Horizontal ? Rect(start, R.Top, stop, R.Bottom) : Rect(R.Left, start, R.Right, stop));
    }
}

void DrawGradientBackground(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor MirrorColor,
                            TColor MirrorColorTo, bool Vertical, TColor FrameColor, bool SidesOnly, bool Fill)
{
    constexpr int kSteps = 128;
    if (Fill && Color != clNone) {
        if (MirrorColor != clNone) {
            TRect first = R, second = R;
            if (Vertical)
                first.Bottom = second.Top = R.Top + R.Height() / 2;
            else
                first.Right = second.Left = R.Left + R.Width() / 2;
            DrawGradient(Canvas, Color, ColorTo, kSteps, first, !Vertical);
            DrawGradient(Canvas, MirrorColor, MirrorColorTo, kSteps, second, !Vertical);
        } else if (ColorTo == clNone) {
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Pen()->SetStyle(psSolid);
            Canvas->Pen()->SetWidth(1);
            FillBand(Canvas, Color, Rect(R.Left, R.Top, R.Right, R.Bottom + 1));
        } else {
            DrawGradient(Canvas, Color, ColorTo, kSteps, R, !Vertical);
        }
    }
    if (FrameColor == clNone) return;
    Canvas->Pen()->SetColor(FrameColor);
    if (SidesOnly) {
        Canvas->MoveTo(R.Left, R.Top);
        Canvas->LineTo(R.Left, R.Bottom);
        Canvas->MoveTo(R.Right - 1, R.Top);
        Canvas->LineTo(R.Right - 1, R.Bottom);
    } else {
        Canvas->Brush()->SetColor(FrameColor);
        Canvas->FrameRect(R);
    }
}
