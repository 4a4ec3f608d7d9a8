#include <algorithm>

#include "grid/foundation/painting/CellGraphics.h"
#include "grid/foundation/painting/Gradients.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/RotatedText.h"

namespace {

struct TLevelColors {
    TColor Color;
    TColor ColorTo;
};

TLevelColors LevelColors(const ProgressLook& Look, int Level)
{
    switch (Level) {
    case 0:
        return {Look.Level0Color, Look.Level0ColorTo};
    case 1:
        return {Look.Level1Color, Look.Level1ColorTo};
    case 2:
        return {Look.Level2Color, Look.Level2ColorTo};
    default:
        return {Look.Level3Color, Look.Level3ColorTo};
    }
}

// Places parts along the bar: from the left, or from the bottom when vertical; Inset pixels
// are left free across the bar on each side.
class TBarLayout {
public:
    TBarLayout(const TRect& R, bool Vertical) : FR(R), FVertical(Vertical) {}

    int Length() const { return (FVertical ? FR.Height() : FR.Width()) - 2; }
    // The part from Start to Start + Size pixels, counted from Offset pixels inside the end.
    TRect Part(int Start, int Size, int Offset, int Inset) const
    {
        if (FVertical)
            return Rect(FR.Left + Inset, FR.Bottom - Offset - Start - Size, FR.Right - Inset,
                        FR.Bottom - Offset - Start);
        return Rect(FR.Left + Offset + Start, FR.Top + Inset, FR.Left + Offset + Start + Size,
                    FR.Bottom - Inset);
    }
    // Gradients run across the bar: the first half from the "to" colour inwards, then back.
    void Fill(TCanvas* Canvas, const TRect& Part, TLevelColors Colors, const ProgressLook& Look) const
    {
        if (Part.IsEmpty()) return;
        if (!Look.ShowGradient) {
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(Colors.Color);
            Canvas->FillRect(Part);
            return;
        }
        TRect first = Part, second = Part;
        if (FVertical)
            first.Right = second.Left = Part.Left + Part.Width() / 2;
        else
            first.Bottom = second.Top = Part.Top + Part.Height() / 2;
        DrawGradient(Canvas, Colors.ColorTo, Colors.Color, Look.Steps, first, FVertical);
        DrawGradient(Canvas, Colors.Color, Colors.ColorTo, Look.Steps, second, FVertical);
    }

private:
    TRect FR;
    bool FVertical;
};

int PartLength(int Length, int Share) { return static_cast<int>(Round(double(Length) * Share / 100)); }

void DrawStacked(TCanvas* Canvas, const TBarLayout& Bar, int Percent, const ProgressLook& Look)
{
    const int n = Bar.Length();
    const int ends[] = {std::min(Look.Level1Perc, Percent), std::min(Look.Level2Perc, Percent), Percent};
    int from = 0, start = 0;
    for (int part = 0; part < 3; ++part) {
        const int share = std::max(0, ends[part] - from);
        int size = PartLength(n, share);
        if (part == 2 && Percent == 100) size = n - start;
        Bar.Fill(Canvas, Bar.Part(start, size, 1, 1), LevelColors(Look, part == 2 ? 3 : part), Look);
        start += size;
        from = std::max(from, ends[part]);
    }
}

void DrawSingleLevel(TCanvas* Canvas, const TBarLayout& Bar, int Percent, const ProgressLook& Look)
{
    const int level = Percent < Look.Level1Perc ? 0 : Percent < Look.Level2Perc ? 1 : Percent >= 100 ? 3 : 2;
    const TLevelColors colors = LevelColors(Look, level);
    const int n = Bar.Length();
    if (Look.CompletionSmooth) {
        Bar.Fill(Canvas, Bar.Part(0, static_cast<int>(Round(Percent / 100.0 * n)), 1, 1), colors, Look);
        return;
    }
    const int t = PartLength(n, Percent);
    if (t > 9) {
        for (int block = 0; block < t / 9; ++block)
            Bar.Fill(Canvas, Bar.Part(block * 9, 7, 2, 2), colors, Look);
        if (t % 9 > 2) Bar.Fill(Canvas, Bar.Part(t / 9 * 9, t % 9 - 1, 2, 2), colors, Look);
    } else if (t >= 2) {
        Bar.Fill(Canvas, Bar.Part(0, t - 1, 2, 2), colors, Look);
    }
    Canvas->Brush()->SetStyle(bsClear);
}

void DrawPercentage(TCanvas* Canvas, const TRect& R, int Percent, const ProgressLook& Look)
{
    TFont* font = Canvas->Font();
    if (Look.Font) {
        font->SetName(Look.Font->Name());
        font->SetSize(Look.Font->Size());
        font->SetStyle(Look.Font->Style());
    }
    font->SetColor(Look.FontColor);
    Canvas->Brush()->SetStyle(bsClear);
    const std::string text = IntToStr(Percent) + "%";
    const TSize extent = Canvas->TextExtent(text);
    if (Look.Vertical)
        TextOutRotated(Canvas, R.Left + (R.Width() - extent.cy) / 2, R.Top + (R.Height() + extent.cx) / 2,
                       text, 900);
    else
        Canvas->TextOut(R.Left + (R.Width() - extent.cx) / 2, R.Top + (R.Height() - extent.cy) / 2, text);
}

} // namespace

void DrawLevelProgress(TCanvas* Canvas, const TRect& R, int Percent, const ProgressLook& Look)
{
    Percent = std::min(Percent, 100);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Look.BackgroundColor);
    Canvas->Pen()->SetColor(Look.ShowBorder ? Look.BorderColor : Look.BackgroundColor);
    Canvas->Rectangle(R);

    const TBarLayout bar(R, Look.Vertical);
    if (Percent > 0) {
        if (Look.Stacked)
            DrawStacked(Canvas, bar, Percent, Look);
        else
            DrawSingleLevel(Canvas, bar, Percent, Look);
    }
    if (Look.ShowPercentage) DrawPercentage(Canvas, R, Percent, Look);

    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetColor(Look.ShowBorder ? Look.BorderColor : Look.BackgroundColor);
    Canvas->Rectangle(R);
}
