#include "grid/foundation/painting/CellGraphics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/rtl/SysUtils.h"
#include "platform/ui/FloodFill.h"

namespace {

// The share of the range Minimum..Maximum that Value has reached, in percent. An empty
// range has nothing to divide by: below Maximum nothing is reached, from it on all.
int64_t RangePercent(double Value, double Minimum, double Maximum)
{
    if (Maximum == Minimum) return Value >= Maximum ? 100 : 0;
    return Round((Value - Minimum) * 100 / (Maximum - Minimum));
}

void ProgressText(double Value, int Minimum, int Maximum, const std::string& Format, std::string& Text,
                  int& Percent)
{
    int64_t percent;
    if (Format.empty()) {
        Text = IntToStr(Round(Value)) + "%";
        percent = Round(Value);
    } else {
        if (Format.find_first_of("du") != std::string::npos)
            Text = ::Format(Format, {static_cast<long long>(Round(Value))});
        else
            Text = ::Format(Format, {Value});
        percent = RangePercent(Value, Minimum, Maximum);
    }
    Percent = static_cast<int>(std::clamp<int64_t>(percent, 0, 100));
}

// Fills the part and writes the text clipped to it, in the part's own colours.
void ProgressPart(TCanvas* Canvas, const TRect& Part, TColor Color, TColor TextColor, int X, int Y,
                  const std::string& Text)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    Canvas->Font()->SetColor(TextColor);
    Canvas->TextRect(Part, X, Y, Text);
}

} // namespace

void DrawProgressBar(TCanvas* Canvas, TRect R, TColor Color, TColor TextColor, TColor RestColor,
                     TColor RestTextColor, double Value, int MarginX, int MarginY, int Minimum, int Maximum,
                     const std::string& Format, TColor FrameColor, bool YAxisUp)
{
    const TColor savedBrush = Canvas->Brush()->Color();
    std::string text;
    int percent = 0;
    ProgressText(Value, Minimum, Maximum, Format, text, percent);

    R = InflateRect(R, -MarginX, -MarginY);
    const int split = R.Left + static_cast<int>(Round(double(percent) * R.Width() / 100));
    const TSize extent = Canvas->TextExtent(text);
    const int x = R.Left + (R.Width() - extent.cx) / 2;
    const int y = R.Top + (R.Height() - (YAxisUp ? -1 : 1) * extent.cy) / 2;
    Canvas->Brush()->SetStyle(bsSolid);
    ProgressPart(Canvas, Rect(R.Left, R.Top, split, R.Bottom), Color, TextColor, x, y, text);
    ProgressPart(Canvas, Rect(split, R.Top, R.Right, R.Bottom), RestColor, RestTextColor, x, y, text);

    R = InflateRect(R, 1, 1);
    if (FrameColor != clNone) {
        Canvas->Brush()->SetColor(FrameColor);
        Canvas->FrameRect(R);
    }
    Canvas->Brush()->SetColor(savedBrush);
    Canvas->FrameRect(InflateRect(R, 1, 1));
}

void DrawProgressPie(TCanvas* Canvas, const TRect& R, TColor FillColor, int Percent, bool YAxisUp)
{
    const int w = R.Width(), h = R.Height();
    const int centerX = R.Left + w / 2, centerY = R.Top + h / 2;
    const double angle = Percent / 100.0 * 2 * std::numbers::pi;
    TPen* pen = Canvas->Pen();
    TBrush* brush = Canvas->Brush();
    pen->SetColor(clGray);
    pen->SetWidth(1);
    const TBrushStyle style = brush->Style();
    brush->SetStyle(bsClear);
    Canvas->Ellipse(R);
    brush->SetStyle(style);
    Canvas->MoveTo(centerX, R.Top);
    Canvas->LineTo(centerX, centerY);
    Canvas->LineTo(centerX + static_cast<int>(Round(std::sin(angle) * (w + 1) / 2)),
                   centerY - static_cast<int>(Round(std::cos(angle) * (h + 1) / 2)));
    if (Percent == 0) return;
    brush->SetColor(FillColor);
    FloodFill(Canvas, centerX + 1, YAxisUp ? R.Top - 2 : R.Top + 2, clGray);
}

void DrawBalanceBar(TCanvas* Canvas, const TRect& R, double Value, double Maximum, bool ShowValue,
                    TColor NegativeColor, TColor PositiveColor)
{
    const TRect bar = InflateRect(R, -2, -2);
    const int half = bar.Width() / 2;
    const int middle = bar.Left + half;
    const double share = Maximum > 0 ? std::clamp(Value, -Maximum, Maximum) / Maximum
                                     : RangePercent(Value, Maximum, Maximum) / 100.0;
    const int x = static_cast<int>(Round(half * share));
    const TColor color = x < 0 ? NegativeColor : PositiveColor;
    Canvas->Pen()->SetColor(color);
    Canvas->Brush()->SetColor(color);
    Canvas->Rectangle(std::min(middle, middle + x), bar.Top, std::max(middle, middle + x), bar.Bottom);
    if (!ShowValue) return;

    // The value is centred in the bar, over both halves.
    const std::string text = IntToStr(Round(Value));
    const TSize extent = Canvas->TextExtent(text);
    const TBrushStyle style = Canvas->Brush()->Style();
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextOut(bar.Left + (bar.Width() - extent.cx) / 2, bar.Top + (bar.Height() - extent.cy) / 2, text);
    Canvas->Brush()->SetStyle(style);
}

void DrawWavyUnderline(TCanvas* Canvas, const std::string& Text, const TRect& R, int YOffset, int FirstChar,
                       int Count)
{
    const int length = Length(Text);
    const auto position = [&](int index) {
        if (index >= length) return Canvas->TextWidth(Text) + 4;
        return Canvas->TextWidth(Copy(Text, 1, std::max(0, index)));
    };
    const int first = R.Left + position(FirstChar);
    const int last = R.Left + position(FirstChar + Count - 1) + 3;
    const int base = R.Top + YOffset;

    TPen saved;
    saved.Assign(*Canvas->Pen());
    Canvas->Pen()->SetColor(clRed);
    Canvas->Pen()->SetWidth(2);
    int level = 3;
    Canvas->MoveTo(first, base + level);
    for (int x = first; x < last;) {
        x += 3;
        level = 3 - level;
        Canvas->LineTo(x, base + level);
    }
    Canvas->Pen()->Assign(saved);
}
