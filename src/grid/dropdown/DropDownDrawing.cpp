#include "grid/dropdown/DropDownDrawing.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/markup/HtmlDraw.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/ImgList.h"

int RoundEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

namespace {

int BandChannel(int From, int To, int Band, int Steps)
{
    return From + RoundEven(static_cast<double>(Band) * (To - From) / Steps);
}
} // namespace

void DrawDropDownGradient(TCanvas* Canvas, TColor Color, TColor ColorTo, bool Horizontal, const TRect& R, int Steps)
{
    Steps = std::max(Steps, 1);
    const TColor From = ColorToRGB(Color), To = ColorToRGB(ColorTo);
    const double Span = Horizontal ? R.Right - 1 - R.Left : R.Bottom - 1 - R.Top;
    const double Step = Span / Steps;
    for (int Band = 0; Band < Steps; ++Band) {
        const TColor BandColor = RGB(BandChannel(GetRValue(From), GetRValue(To), Band, Steps),
                                     BandChannel(GetGValue(From), GetGValue(To), Band, Steps),
                                     BandChannel(GetBValue(From), GetBValue(To), Band, Steps));
        Canvas->Pen()->SetColor(BandColor);
        Canvas->Brush()->SetColor(BandColor);
        const int Start = RoundEven(Band * Step), Size = RoundEven(Step) + 1;
        if (Horizontal) Canvas->Rectangle(R.Left + Start, R.Top, R.Left + Start + Size, R.Bottom);
        else Canvas->Rectangle(R.Left, R.Top + Start, R.Right, R.Top + Start + Size);
    }
}

TColor BlendColors(TColor A, TColor B, int Percent)
{
    if (Percent >= 100) return A;
    if (Percent <= 0) return B;
    const TColor X = ColorToRGB(A), Y = ColorToRGB(B);
    const double P = Percent / 100.0;
    const auto Mix = [P](int U, int V) { return RoundEven(P * U + (1 - P) * V); };
    return RGB(Mix(GetRValue(X), GetRValue(Y)), Mix(GetGValue(X), GetGValue(Y)), Mix(GetBValue(X), GetBValue(Y)));
}

TColor ScaleColorChannels(TColor Color, int DR, int DG, int DB)
{
    const TColor C = ColorToRGB(Color);
    const auto Scale = [](int Channel, int D) {
        if (Channel == 0) return std::max(0, D);
        return RoundEven(std::min(100, D + 100) / 100.0 * Channel);
    };
    return RGB(Scale(GetRValue(C), DR), Scale(GetGValue(C), DG), Scale(GetBValue(C), DB));
}

void DrawFilledRect(TCanvas* Canvas, const TRect& R, TColor Color, bool Vertical, int BorderWidth,
                    TColor BorderColor, TColor ColorTo)
{
    if (!Canvas) return;
    if (ColorTo != clNone) {
        DrawDropDownGradient(Canvas, Color, ColorTo, !Vertical, R, 80);
    } else if (Color != clNone) {
        Canvas->Brush()->SetColor(Color);
        Canvas->FillRect(R);
    }
    if (BorderColor != clNone && BorderWidth > 0) {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Pen()->SetColor(BorderColor);
        Canvas->Pen()->SetWidth(BorderWidth);
        Canvas->Rectangle(R);
        Canvas->Pen()->SetWidth(1);
        Canvas->Brush()->SetStyle(bsSolid);
    }
}

void DrawImageAndCaption(TCanvas* Canvas, const TRect& R, const std::string& Caption, int ImageIndex,
                         const TCustomImageList* Images)
{
    TRect Text = R;
    unsigned Flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (Images && ImageIndex >= 0) {
        const int Top = std::max(R.Top, R.Top + (R.Height() - Images->Height()) / 2);
        Images->Draw(Canvas, R.Left + 4, Top, ImageIndex);
        Text.Left = R.Left + Images->Width() + 8;
    } else {
        Flags |= DT_CENTER;
    }
    DrawText(Canvas, Caption, Text, Flags);
}

void DrawTransparentGlyph(TCanvas* Canvas, const TBitmap& Glyph, TColor Background, const TRect& R)
{
    if (Glyph.Empty()) return;
    TBitmap Copy;
    Copy.Assign(Glyph);
    const TColor Key = Copy.Canvas()->Pixels(0, 0);
    for (int Y = 0; Y < Copy.Height(); ++Y)
        for (int X = 0; X < Copy.Width(); ++X)
            if (Copy.Canvas()->Pixels(X, Y) == Key) Copy.Canvas()->SetPixels(X, Y, ColorToRGB(Background));
    Canvas->Draw(R.Left, R.Top, &Copy);
}

TSize MeasureText(TCanvas* Canvas, const std::string& Text)
{
    if (Text.empty()) return {0, 0};
    return Canvas->TextExtent(Text);
}

std::string TruncateText(TCanvas* Canvas, const std::string& Text, int MaxWidth, bool Ellipsis)
{
    if (Canvas->TextWidth(Text) < MaxWidth) return Text;
    std::u32string Kept = utf8::Decode(Text);
    const std::string Tail = Ellipsis ? "..." : "";
    std::string Candidate;
    do {
        if (!Kept.empty()) Kept.pop_back();
        Candidate = utf8::Encode(Kept) + Tail;
    } while (!Kept.empty() && Canvas->TextWidth(Candidate) >= MaxWidth);
    return Candidate;
}

TSize DrawHtmlCaption(TCanvas* Canvas, const std::string& Text, const TRect& R, bool Measure, THtmlPictureSource* Pictures)
{
    THtmlDrawParams Params;
    Params.Pictures = Pictures;
    Params.MeasureOnly = Measure;
    Params.ShadowColor = 0x808080;
    Params.HoverBackColor = clNone;
    Params.HoverTextColor = clNone;
    Params.LinkColor = 0xFF0000;
    const THtmlDrawResult Result = HtmlDraw(Canvas, Text, R, Params);
    return {Result.MeasuredWidth, Result.MeasuredHeight};
}

std::string UpperCaseUnless(const std::string& Text, bool Keep) { return Keep ? Text : AnsiUpperCase(Text); }
