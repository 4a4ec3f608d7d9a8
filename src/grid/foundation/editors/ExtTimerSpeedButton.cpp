#include "grid/foundation/editors/ExtTimerSpeedButton.h"

#include "platform/ui/Themes.h"

namespace {
constexpr unsigned kFirstRepeat = 400;
constexpr unsigned kNextRepeat = 100;
}  // namespace

void DrawSpinArrow(TCanvas* canvas, const TRect& rect, TButtonDirection direction, TColor color)
{
    const int l = rect.Left, t = rect.Top;
    std::vector<TPoint> points;
    switch (direction) {
    case bdLeft: points = {{l + 5, t + 5}, {l + 3, t + 7}, {l + 5, t + 9}}; break;
    case bdRight: points = {{l + 3, t + 5}, {l + 5, t + 7}, {l + 3, t + 9}}; break;
    case bdUp: points = {{l + 4, t + 4}, {l + 8, t + 4}, {l + 6, t + 2}}; break;
    case bdDown: points = {{l + 4, t + 2}, {l + 8, t + 2}, {l + 6, t + 4}}; break;
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->Pen()->SetColor(color);
    canvas->Polygon(points);
}

TExtTimerSpeedButton::TExtTimerSpeedButton(TComponent* owner, const TButtonColors& colors)
    : TSpeedButton(owner), colors_(colors)
{
}

void TExtTimerSpeedButton::SetTimeBtnState(TTimeBtnState state)
{
    timeBtnState_ = state;
    Invalidate();
}

void TExtTimerSpeedButton::SetButtonDirection(TButtonDirection direction)
{
    direction_ = direction;
    Invalidate();
}

void TExtTimerSpeedButton::SetIsWinXP(bool value)
{
    isWinXP_ = value;
    Invalidate();
}

void TExtTimerSpeedButton::Paint()
{
    TCanvas* canvas = Canvas();
    const TRect rect = ClientRect();
    const bool down = State() == bsDown;
    if (colors_.ButtonColor != clNone) {
        const TColor fill = down ? colors_.ButtonColorDown : mouseOver_ ? colors_.ButtonColorHot : colors_.ButtonColor;
        canvas->Brush()->SetColor(fill);
        canvas->Pen()->SetColor(fill);
        canvas->Rectangle(rect);
        DrawSpinArrow(canvas, rect, direction_, clBlack);
    } else if ((isWinXP_ && ThemesEnabled()) || direction_ == bdLeft || direction_ == bdRight) {
        // Themed and sideways buttons: a push button face with the arrow centred on it.
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(rect);
        TThemedState state;
        if (down) state += tsPressed;
        if (mouseOver_) state += tsHot;
        if (!Enabled()) state += tsDisabled;
        if (!Flat() || down || mouseOver_) DrawThemedPart(canvas, tpPushButton, state, rect);
        const bool sideways = direction_ == bdLeft || direction_ == bdRight;
        const int dx = (rect.Width() - (sideways ? 9 : 13)) / 2, dy = (rect.Height() - (sideways ? 14 : 7)) / 2;
        DrawSpinArrow(canvas, OffsetRect(rect, dx + (down ? 1 : 0), dy + (down ? 1 : 0)), direction_,
                      Enabled() ? clBlack : clGray);
    } else {
        TSpeedButton::Paint();
    }
    if (timeBtnState_.Contains(tbFocusRect)) canvas->DrawFocusRect(InflateRect(rect, -3, -3));
}

void TExtTimerSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TSpeedButton::MouseDown(button, shift, x, y);
    if (timeBtnState_.Contains(tbAllowTimer) && Enabled()) {
        if (!repeatTimer_) {
            repeatTimer_ = new TTimer(this);
            repeatTimer_->SetEnabled(false);
            repeatTimer_->OnTimer = [this](TObject*) { TimerExpired(); };
        }
        repeatTimer_->SetInterval(kFirstRepeat);
        repeatTimer_->SetEnabled(true);
    }
    RepaintParent();
}

void TExtTimerSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TSpeedButton::MouseUp(button, shift, x, y);
    if (repeatTimer_) repeatTimer_->SetEnabled(false);
    RepaintParent();
}

void TExtTimerSpeedButton::TimerExpired()
{
    repeatTimer_->SetInterval(kNextRepeat);
    if (State() != bsDown || !MouseCapture()) return;
    try {
        Click();
    } catch (...) {
        repeatTimer_->SetEnabled(false);
        throw;
    }
}

void TExtTimerSpeedButton::RepaintParent()
{
    if (Parent()) Parent()->Repaint();
}

void TExtTimerSpeedButton::CMMouseEnter(TMessage& message)
{
    TSpeedButton::CMMouseEnter(message);
    mouseOver_ = true;
    Repaint();
}

void TExtTimerSpeedButton::CMMouseLeave(TMessage& message)
{
    TSpeedButton::CMMouseLeave(message);
    mouseOver_ = false;
    Repaint();
}
