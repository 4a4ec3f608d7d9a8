#include "grid/dropdown/ExtWatch.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "grid/dropdown/DropDownDrawing.h"
#include "grid/dropdown/WatchGeometry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/ExtCtrls.h"

namespace {

bool Colour(TColor C) { return C != clNone; }

void Line(TCanvas* Canvas, TPoint From, TPoint To)
{
    Canvas->MoveTo(From.X, From.Y);
    Canvas->LineTo(To.X, To.Y);
}

TPoint Shifted(TPoint P, int Dx, int Dy) { return TPoint{P.X + Dx, P.Y + Dy}; }
} // namespace

TClockTime SplitClockTime(TDateTime Value)
{
    TClockTime T;
    DecodeTime(Value, T.Hour, T.Minute, T.Second, T.Millisecond);
    return T;
}

TDateTime JoinClockTime(const TClockTime& T) { return EncodeTime(T.Hour, T.Minute, T.Second, T.Millisecond); }

TExtWatch::TExtWatch(TComponent* owner)
    : TCustomControl(owner), FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>()), FBKGCache(std::make_unique<TBitmap>())
{
    SetBounds(Left(), Top(), 180, 180);
    FAppearance->OnChange = [this](TObject*) { PaintWatch(); };
    FSettings->OnChange = [this](TObject*) { SettingsChanged(); };
    FWatchTimer = new TTimer(this);
    FWatchTimer->SetInterval(100);
    FWatchTimer->SetEnabled(false);
    FWatchTimer->OnTimer = [this](TObject*) { RepaintPointers(); };
    FAnimationTimer = new TTimer(this);
    FAnimationTimer->SetInterval(1);
    FAnimationTimer->SetEnabled(false);
    FAnimationTimer->OnTimer = [this](TObject*) { AnimationTimerTick(); };
}

TExtWatch::~TExtWatch() = default;

bool TExtWatch::Animating() const { return FAnimationTimer->Enabled(); }

bool TExtWatch::Quick() const
{
    const TComponentState State = ComponentState();
    return !Animation || FInternalCall || State.Contains(csDesigning) || State.Contains(csLoading);
}

// ---- geometry ----

TRect TExtWatch::GetWatchRect() const { return WatchDialRect(TSize{ClientWidth(), ClientHeight()}, FAppearance->Size()); }

TPoint TExtWatch::GetCenterPoint() const
{
    const TRect R = GetWatchRect();
    return TPoint{R.Left + R.Width() / 2, R.Top + R.Width() / 2};
}

int TExtWatch::GetRadius() const { return GetWatchRect().Width() / 2; }

TDateTime TExtWatch::GetDisplayTime() const
{
    if (!FSettings->Auto()) return FTime;
    return Now() + FSettings->TimeOffset() / 1440.0;
}

TRect TExtWatch::GetAMPMRect() const
{
    if (!FShowAMPM) return TRect{-1, -1, -1, -1};
    TBitmap Measure(1, 1);
    Measure.Canvas()->Font()->Assign(*FAppearance->AMPMFont());
    return AMPMBoxRect(GetCenterPoint(), GetRadius(), Measure.Canvas()->TextExtent("AM"));
}

// ---- properties ----

void TExtWatch::SetTime(TDateTime Value)
{
    if (Value == FTime) return;
    SetTimeInternal(Value);
    RepaintPointers();
}

void TExtWatch::SetShowAMPM(bool Value)
{
    if (Value == FShowAMPM) return;
    FShowAMPM = Value;
    PaintWatch();
}

void TExtWatch::SetShowNumbers(bool Value)
{
    if (Value == FShowNumbers) return;
    FShowNumbers = Value;
    PaintWatch();
}

void TExtWatch::SetStyle(TWatchStyle Value)
{
    if (Value == FStyle) return;
    FStyle = Value;
    const TWatchPresetFlags Flags = ApplyWatchPreset(*FAppearance, Value, TSize{Width(), Height()});
    if (Flags.Animation) Animation = *Flags.Animation;
    if (Flags.AnimationFactor) SetAnimationFactor(*Flags.AnimationFactor);
    if (Flags.ShowNumbers) SetShowNumbers(*Flags.ShowNumbers);
    if (Flags.ShowAMPM) SetShowAMPM(*Flags.ShowAMPM);
}

void TExtWatch::SetComponentStyle(TSuiteStyle AStyle) { ApplyWatchColorStyle(*FAppearance, AStyle); }

void TExtWatch::SettingsChanged()
{
    FWatchTimer->SetEnabled(FSettings->Auto());
    if (FSettings->Auto()) {
        FTime = Now();
        FInternalSet = true;
        SetAM(SplitClockTime(FTime).Hour < 12);
        FInternalSet = false;
    }
    PaintWatch();
}

// ---- time changes ----

void TExtWatch::SetTimeInternal(TDateTime Value)
{
    if (Value == FTime) return;
    FTime = Value;
    FInternalSet = true;
    SetAM(SplitClockTime(Value).Hour < 12);
    FInternalSet = false;
}

void TExtWatch::ChangeDone(bool Reached)
{
    if (Reached && OnChange) OnChange(this);
}

void TExtWatch::SetHour(int Value)
{
    const TClockTime Now = SplitClockTime(GetDisplayTime());
    if (Value == Now.Hour) return;
    if (Quick()) {
        SetTimeInternal(JoinClockTime({Value, Now.Minute, Now.Second, Now.Millisecond}));
        RepaintPointers();
        ChangeDone(!FAnimationTimer->Enabled() || Value == FCurrentHourTo);
        return;
    }
    FCurrentHourTo = Value;
    FHourAnimating = true;
    FAnimationTimer->SetEnabled(true);
}

void TExtWatch::SetMinute(int Value)
{
    if (Value >= 60) throw Exception("Invalid time");
    TClockTime Now = SplitClockTime(GetDisplayTime());
    if (Value == Now.Minute) return;
    if (!Quick()) {
        FCurrentMinuteTo = Value;
        FHourAnimating = false;
        FMinuteFrom = Now.Minute;
        FAnimationTimer->SetEnabled(true);
        return;
    }
    if (!Animation) FMinuteFrom = Now.Minute;
    // Past the full hour forward: the hour moves on.
    if (Value == 0 && FMinuteFrom > 30) {
        Now.Hour = (Now.Hour + 1) % 24;
        FMinuteFrom = 0;
    }
    Now.Minute = Value;
    SetTimeInternal(JoinClockTime(Now));
    RepaintPointers();
    ChangeDone(!FAnimationTimer->Enabled() || Value == FCurrentMinuteTo);
}

void TExtWatch::InternalHour(int Value)
{
    FInternalCall = true;
    SetHour(Value);
    FInternalCall = false;
}

void TExtWatch::InternalMinute(int Value)
{
    FInternalCall = true;
    SetMinute(Value);
    FInternalCall = false;
}

void TExtWatch::AnimationTimerTick()
{
    const TComponentState State = ComponentState();
    if (!Animation || State.Contains(csDesigning) || State.Contains(csLoading)) return;
    const TClockTime Now = SplitClockTime(GetDisplayTime());
    if (FHourAnimating) {
        const int Target = FCurrentHourTo;
        if (Now.Hour == Target) {
            FAnimationTimer->SetEnabled(false);
            InternalHour(Target);
            return;
        }
        const int Step = std::max(1, RoundEven(std::abs(Target - Now.Hour) / static_cast<double>(FAnimationFactor)));
        InternalHour(Now.Hour < Target ? Now.Hour + Step : Now.Hour - Step);
        return;
    }
    const int Target = FCurrentMinuteTo, M = Now.Minute;
    const bool Backward = Target != 0 || M <= 30;
    const int Distance = Backward ? std::abs(Target - M) : 60 - M;
    if (M == Target) {
        FAnimationTimer->SetEnabled(false);
        InternalMinute(Target);
        return;
    }
    const int Step = std::max(1, RoundEven(Distance / static_cast<double>(FAnimationFactor)));
    int Next = M >= Target && Backward ? M - Step : M + Step;
    if (Next >= 60) Next = 0;
    InternalMinute(Next);
}

// ---- AM and PM ----

void TExtWatch::SetAM(bool Value)
{
    if (Value == FAM) return;
    FAM = Value;
    if (Animation && FShowAMPM && Colour(FAppearance->AMPMColor()) && !FInternalSet) FlipAMPM(Value);
    PaintWatch();
}

// The label rolls from the old text to the new one, a pixel row at a time.
void TExtWatch::FlipAMPM(bool ToAM)
{
    const TRect Box = InflateRect(GetAMPMRect(), -1, -1);
    const int W = Box.Width(), H = Box.Height();
    if (W <= 0 || H <= 0) return;
    FFlipStrip = std::make_unique<TBitmap>(W, 2 * H);
    TCanvas* Strip = FFlipStrip->Canvas();
    Strip->Brush()->SetColor(FAppearance->AMPMColor());
    Strip->FillRect(TRect{0, 0, W, 2 * H});
    Strip->Font()->Assign(*FAppearance->AMPMFont());
    Strip->Brush()->SetStyle(bsClear);
    TRect Upper{0, 0, W, H}, Lower{0, H, W, 2 * H};
    DrawText(Strip, "AM", Upper, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    DrawText(Strip, "PM", Lower, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    for (int Step = 1; Step <= H; ++Step) {
        FFlipRow = ToAM ? H - Step : Step;
        Repaint();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    FFlipRow = -1;
    FFlipStrip.reset();
}

// ---- input ----

void TExtWatch::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (FSettings->Auto()) return;
    const TPoint C = GetCenterPoint();
    const int R = GetRadius();
    const double Dx = x - C.X, Dy = y - C.Y;
    if (R <= 0 || Dx * Dx + Dy * Dy > static_cast<double>(R) * R) {
        SetMinute(MinuteAtPoint(C, x, y));
        return;
    }
    if (GetAMPMRect().Contains(TPoint{x, y})) {
        if (Animation) SetAM(!FAM);
        const int Hour = SplitClockTime(GetDisplayTime()).Hour;
        FCurrentHourTo = Hour < 12 ? Hour + 12 : Hour - 12;
        InternalHour(FCurrentHourTo);
        return;
    }
    SetHour(HourAtPoint(C, x, y, FAM));
}

void TExtWatch::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    SetCursor(GetAMPMRect().Contains(TPoint{x, y}) ? crHandPoint : crDefault);
}

void TExtWatch::WMGetDlgCode(TMessage& message) { message.Result = TabStop() ? DLGC_WANTARROWS | DLGC_WANTALLKEYS : 0; }

void TExtWatch::WatchKeyDown(Word Key)
{
    if (FSettings->Auto()) return;
    const TClockTime Now = SplitClockTime(GetDisplayTime());
    const int H = Now.Hour, M = Now.Minute;
    switch (Key) {
    case 'A':
        if (H > 11) SetHour(H - 12);
        break;
    case 'P':
        if (H < 12) SetHour(H + 12);
        break;
    case VK_PRIOR:
        if (H <= 22) SetHour(H + 1);
        else InternalHour(0);
        break;
    case VK_NEXT:
        if (H > 0) SetHour(H - 1);
        else InternalHour(23);
        break;
    case VK_HOME: InternalHour(12); break;
    case VK_END: SetMinute(0); break;
    case VK_LEFT:
        if (M > 0) SetMinute(M - 1);
        else SetTime(JoinClockTime({H == 0 ? 23 : H - 1, 59, Now.Second, Now.Millisecond}));
        break;
    case VK_RIGHT: SetMinute(M < 59 ? M + 1 : 0); break;
    default: break;
    }
}

// ---- painting ----

void TExtWatch::PaintWatch()
{
    FCacheValid = false;
    Invalidate();
}

void TExtWatch::Resize()
{
    TCustomControl::Resize();
    PaintWatch();
}

void TExtWatch::Paint()
{
    if (!FCacheValid) RebuildCache();
    TCanvas* Canvas = this->Canvas();
    Canvas->Draw(0, 0, FBKGCache.get());
    if (FFlipStrip && FFlipRow >= 0) {
        const TRect Box = GetAMPMRect();
        const TRect Inner = InflateRect(Box, -1, -1);
        Canvas->CopyRect(Inner, FFlipStrip->Canvas(), TRect{0, FFlipRow, Inner.Width(), FFlipRow + Inner.Height()});
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Pen()->SetColor(FAppearance->AMPMBorderColor());
        if (FAppearance->AMPMFrame() == apRect) Canvas->Rectangle(Box);
        else Canvas->RoundRect(Box.Left, Box.Top, Box.Right, Box.Bottom, 5, 5);
        Canvas->Brush()->SetStyle(bsSolid);
    }
    DrawPointers(Canvas);
}

void TExtWatch::RebuildCache()
{
    FBKGCache->SetSize(ClientWidth(), ClientHeight());
    TCanvas* Cache = FBKGCache->Canvas();
    Cache->Brush()->SetColor(Color());
    Cache->FillRect(TRect{0, 0, ClientWidth(), ClientHeight()});
    DrawBackground(Cache);
    DrawTickMarks(Cache);
    DrawNumbers(Cache);
    DrawAMPM(Cache, FAM ? "AM" : "PM");
    FCacheValid = true;
}

void TExtWatch::DrawBackground(TCanvas* Canvas)
{
    const TWatchAppearance& A = *FAppearance;
    const TRect Client{0, 0, ClientWidth(), ClientHeight()};
    const TRect Area = A.Shape() == wsCircle ? GetWatchRect() : Client;
    // The fill is made on its own bitmap and copied row by row inside the dial's outline.
    TBitmap Fill(Client.Width(), Client.Height());
    TCanvas* F = Fill.Canvas();
    if (Colour(A.BackgroundColor()) && Colour(A.BackgroundColorTo())) {
        DrawDropDownGradient(F, A.BackgroundColor(), A.BackgroundColorTo(), A.BackgroundGradient() == wgRadial, Area, 80);
    } else if (Colour(A.BackgroundColor())) {
        F->Brush()->SetColor(A.BackgroundColor());
        F->FillRect(Area);
    }
    if (Colour(A.BackgroundColor())) {
        const TRect Clip{Area.Left - 1, Area.Top - 1, Area.Right + 2, Area.Bottom + 2};
        const double Rx = Clip.Width() / 2.0, Ry = Clip.Height() / 2.0;
        const double Cx = Clip.Left + Rx, Cy = Clip.Top + Ry;
        constexpr int kCorner = 10; // half of the 20-pixel corner arcs
        for (int Y = std::max(Clip.Top, 0); Y < std::min(Clip.Bottom, Client.Bottom); ++Y) {
            int From = Clip.Left, To = Clip.Right;
            if (A.Shape() == wsCircle) {
                const double Dy = (Y + 0.5 - Cy) / Ry;
                if (Dy * Dy >= 1) continue;
                const double Half = Rx * std::sqrt(1 - Dy * Dy);
                From = static_cast<int>(std::ceil(Cx - Half - 0.5));
                To = static_cast<int>(std::floor(Cx + Half - 0.5)) + 1;
            } else if (A.Shape() == wsRoundRect) {
                const int Edge = std::min(Y - Clip.Top, Clip.Bottom - 1 - Y);
                if (Edge < kCorner) {
                    const double D = kCorner - Edge - 0.5;
                    const int Inset = static_cast<int>(std::ceil(kCorner - std::sqrt(std::max(0.0, kCorner * kCorner - D * D))));
                    From += Inset;
                    To -= Inset;
                }
            }
            From = std::max(From, 0);
            To = std::min(To, Client.Right);
            if (From < To) Canvas->CopyRect(TRect{From, Y, To, Y + 1}, F, TRect{From, Y, To, Y + 1});
        }
    }
    if (Colour(A.BorderColor()) && A.BorderWidth() > 0) {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Pen()->SetColor(A.BorderColor());
        Canvas->Pen()->SetWidth(A.BorderWidth());
        if (A.Shape() == wsCircle) Canvas->Ellipse(GetWatchRect());
        else if (A.Shape() == wsRect) Canvas->Rectangle(Client);
        else Canvas->RoundRect(Client.Left, Client.Top, Client.Right, Client.Bottom, 20, 20);
        Canvas->Pen()->SetWidth(1);
        Canvas->Brush()->SetStyle(bsSolid);
    }
    const TGraphic* Picture = A.Picture()->Graphic();
    if (Picture && !Picture->Empty()) {
        TBitmap Layer(Client.Width(), Client.Height());
        Layer.Canvas()->Draw(0, 0, Picture);
        Layer.SetTransparentColor(Layer.Canvas()->Pixels(0, Client.Height() - 1));
        Layer.SetTransparent(true);
        Canvas->Draw(0, 0, &Layer);
    }
}

void TExtWatch::DrawTickMarks(TCanvas* Canvas)
{
    const TWatchAppearance& A = *FAppearance;
    if (A.TickMarks() == tmNone) return;
    const TPoint C = GetCenterPoint();
    const double Ro = GetRadius() - A.BorderWidth() / 2;
    const double Ri = A.HourMarkLength() ? Ro - A.HourMarkLength() : 0.9 * Ro;
    Canvas->Pen()->SetColor(A.HourColor());
    Canvas->Pen()->SetWidth(A.HourMarkWidth());
    // Angles from 12 o'clock, clockwise: a quarter mark every 90 degrees.
    for (int Angle = 0; Angle < 360; Angle += 30) {
        const bool Quarter = Angle % 90 == 0;
        if (!Quarter && A.TickMarks() != tmAll && A.TickMarks() != tmHours) continue;
        const TPoint In = PointAt(C, Angle, Ri), Out = PointAt(C, Angle, Ro);
        if (Quarter && A.HourMarkStyle() == hmsQuartDblLine) {
            const bool Horizontal = Angle == 90 || Angle == 270; // the 3 and 9 o'clock marks
            const int Dx = Horizontal ? 0 : 2, Dy = Horizontal ? 2 : 0;
            Line(Canvas, Shifted(In, -Dx, -Dy), Shifted(Out, -Dx, -Dy));
            Line(Canvas, Shifted(In, Dx, Dy), Shifted(Out, Dx, Dy));
        } else {
            Line(Canvas, In, Out);
        }
    }
    if (A.TickMarks() == tmAll) {
        const double Rm = A.MinuteMarkLength() ? Ro - A.MinuteMarkLength() : 0.95 * Ro;
        Canvas->Pen()->SetColor(A.MinuteColor());
        Canvas->Pen()->SetWidth(A.MinuteMarkWidth());
        for (int Angle = 0; Angle < 360; Angle += 6)
            if (Angle % 30 != 0) Line(Canvas, PointAt(C, Angle, Rm), PointAt(C, Angle, Ro));
    }
    Canvas->Pen()->SetWidth(1);
}

void TExtWatch::DrawNumbers(TCanvas* Canvas)
{
    const TWatchAppearance& A = *FAppearance;
    if (!FShowNumbers || A.TickMarks() == tmNone || A.TickMarks() == tmHours) return;
    const TPoint C = GetCenterPoint();
    const double Ro = GetRadius() - A.BorderWidth() / 2;
    const int B = A.HourMarkLength() ? A.HourMarkLength() : RoundEven(Ro - 0.9 * Ro) + 2;
    const double Rn = Ro - 2 * B - 2;
    Canvas->Font()->Assign(*A.HourFont());
    Canvas->Brush()->SetStyle(bsClear);
    for (int I = 1; I <= 12; ++I) {
        if (A.TickMarks() == tmQuartHours && I % 3 != 0) continue;
        const std::string Text = std::to_string(I);
        const TSize Size = Canvas->TextExtent(Text);
        const int K = I == 10 ? RoundEven(0.2 * Size.cy) : I == 11 ? RoundEven(0.15 * Size.cy) : 0;
        const TPoint P = Shifted(PointAt(C, I * 30, Rn - K + B / 2), 1, 1);
        Canvas->TextOut(P.X - Size.cx / 2 - 1, P.Y - Size.cy / 2 - 1, Text);
    }
    Canvas->Brush()->SetStyle(bsSolid);
}

void TExtWatch::DrawAMPM(TCanvas* Canvas, const char* Label)
{
    if (!FShowAMPM) return;
    const TWatchAppearance& A = *FAppearance;
    TRect Box = GetAMPMRect();
    if (Colour(A.AMPMColor()) || Colour(A.AMPMBorderColor())) {
        Canvas->Brush()->SetStyle(Colour(A.AMPMColor()) ? bsSolid : bsClear);
        Canvas->Brush()->SetColor(A.AMPMColor());
        Canvas->Pen()->SetStyle(Colour(A.AMPMBorderColor()) ? psSolid : psClear);
        Canvas->Pen()->SetColor(A.AMPMBorderColor());
        if (A.AMPMFrame() == apRect) Canvas->Rectangle(Box);
        else Canvas->RoundRect(Box.Left, Box.Top, Box.Right, Box.Bottom, 5, 5);
        Canvas->Pen()->SetStyle(psSolid);
    }
    Canvas->Font()->Assign(*A.AMPMFont());
    Canvas->Brush()->SetStyle(bsClear);
    DrawText(Canvas, Label, Box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    Canvas->Brush()->SetStyle(bsSolid);
}

void TExtWatch::DrawPointers(TCanvas* Canvas)
{
    const TWatchAppearance& A = *FAppearance;
    const TPoint C = GetCenterPoint();
    const double R = GetRadius();
    const TClockTime T = SplitClockTime(GetDisplayTime());
    if (FSettings->Auto()) {
        FInternalSet = true;
        SetAM(T.Hour < 12);
        FInternalSet = false;
    }
    const double HourAngle = (T.Hour % 12) * 30 + T.Minute / 12.0 * 6, MinuteAngle = T.Minute * 6.0;
    const auto LineHand = [&](double Angle, double Tip, TColor Colour, int Width, int Dx, int Dy) {
        Canvas->Pen()->SetColor(Colour);
        Canvas->Pen()->SetWidth(Width);
        Line(Canvas, Shifted(PointAt(C, Angle, -0.1 * R), Dx, Dy), Shifted(PointAt(C, Angle, Tip * R), Dx, Dy));
    };
    const auto PolygonHand = [&](double Angle, double Tip, TColor Colour, int Dx, int Dy) {
        Canvas->Pen()->SetColor(Colour);
        Canvas->Pen()->SetWidth(1);
        Canvas->Brush()->SetColor(Colour);
        Canvas->Polygon({Shifted(PointAt(C, Angle, -0.1 * R), Dx, Dy), Shifted(PointAt(C, Angle - 90, 0.05 * R), Dx, Dy),
                         Shifted(PointAt(C, Angle, Tip * R), Dx, Dy), Shifted(PointAt(C, Angle + 90, 0.05 * R), Dx, Dy)});
    };
    if (A.PointerStyle() == psLine) {
        if (Colour(A.HourPointerShadow())) LineHand(HourAngle, 0.46, A.HourPointerShadow(), A.HourPointerSize(), -1, 3);
        if (Colour(A.MinutePointerShadow())) LineHand(MinuteAngle, 0.65, A.MinutePointerShadow(), A.MinutePointerSize(), 0, 3);
        LineHand(HourAngle, 0.5, A.HourPointer(), A.HourPointerSize(), 0, 0);
        LineHand(MinuteAngle, 0.7, A.MinutePointer(), A.MinutePointerSize(), 0, 0);
    } else if (A.PointerStyle() == psPointer) {
        if (Colour(A.HourPointerShadow())) PolygonHand(HourAngle, 0.5, A.HourPointerShadow(), 1, 3);
        PolygonHand(HourAngle, 0.5, A.HourPointer(), 0, 0);
        if (Colour(A.MinutePointerShadow())) PolygonHand(MinuteAngle, 0.7, A.MinutePointerShadow(), 1, 3);
        PolygonHand(MinuteAngle, 0.7, A.MinutePointer(), 0, 0);
    }
    if (FSettings->Auto() && FSettings->Second()) {
        Canvas->Pen()->SetColor(A.SecondPointer());
        Canvas->Pen()->SetWidth(A.SecondPointerSize());
        Line(Canvas, PointAt(C, T.Second * 6.0, -0.2 * R), PointAt(C, T.Second * 6.0, 0.9 * R));
    }
    Canvas->Pen()->SetWidth(1);
    const int S = A.CenterPointSize();
    if (S == 0) return;
    const TRect Box{RoundEven(C.X - S / 2.0), RoundEven(C.Y - S / 2.0), RoundEven(C.X - S / 2.0) + S, RoundEven(C.Y - S / 2.0) + S};
    if (Colour(A.CenterPointColor())) {
        Canvas->Pen()->SetColor(A.CenterPointColor());
        Canvas->Brush()->SetColor(A.CenterPointColor());
        Canvas->Ellipse(Box);
    }
    int W = 0;
    Canvas->Brush()->SetStyle(bsClear);
    if (Colour(A.CenterPointOuterBorderColor())) {
        W = RoundEven(0.2 * S);
        Canvas->Pen()->SetColor(A.CenterPointOuterBorderColor());
        Canvas->Pen()->SetWidth(W);
        Canvas->Ellipse(Box);
    }
    if (Colour(A.CenterPointBorderColor())) {
        const int Inner = S - W;
        const TRect Ring{RoundEven(C.X - Inner / 2.0), RoundEven(C.Y - Inner / 2.0), RoundEven(C.X - Inner / 2.0) + Inner,
                         RoundEven(C.Y - Inner / 2.0) + Inner};
        Canvas->Pen()->SetColor(A.CenterPointBorderColor());
        Canvas->Pen()->SetWidth(RoundEven(0.1 * S));
        Canvas->Ellipse(Ring);
    }
    Canvas->Pen()->SetWidth(1);
    Canvas->Brush()->SetStyle(bsSolid);
}
