#pragma once
#include "platform/rtl/Sets.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/SpeedButton.h"

// A speed button that repeats its click while it is held down, and draws itself as one
// half of a spin button pair.

enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateFlag { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateFlag>;

// The coloured look of spin and drop-down buttons; clNone everywhere leaves it off.
struct TButtonColors {
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;
    TColor ButtonBorderColor = clNone;
};

// The filled arrow of a coloured spin button, its corners relative to the rectangle.
void DrawSpinArrow(TCanvas* canvas, const TRect& rect, TButtonDirection direction, TColor color);

class TExtTimerSpeedButton : public TSpeedButton {
public:
    // The colours are those of the spin button that holds this button.
    TExtTimerSpeedButton(TComponent* owner, const TButtonColors& colors);

    TTimeBtnState TimeBtnState() const { return timeBtnState_; }
    void SetTimeBtnState(TTimeBtnState state);
    TButtonDirection ButtonDirection() const { return direction_; }
    void SetButtonDirection(TButtonDirection direction);
    bool IsWinXP() const { return isWinXP_; }
    void SetIsWinXP(bool value);
    bool MouseOver() const { return mouseOver_; }
    // The repeat timer, made at the first press.
    TTimer* RepeatTimer() const { return repeatTimer_; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;

private:
    void TimerExpired();
    void RepaintParent();

    const TButtonColors& colors_;
    TTimeBtnState timeBtnState_;
    TButtonDirection direction_ = bdUp;
    bool isWinXP_ = false;
    bool mouseOver_ = false;
    TTimer* repeatTimer_ = nullptr;
};
