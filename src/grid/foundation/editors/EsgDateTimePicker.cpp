#include "grid/foundation/editors/EsgDateTimePicker.h"

#include "grid/foundation/editors/StyleQueries.h"
#include "platform/os/SystemProfile.h"

TEsgDateTimePicker::TEsgDateTimePicker(TComponent* owner) : TEsgDateTimePicker(owner, clNone, true, 15) {}

TEsgDateTimePicker::TEsgDateTimePicker(TComponent* owner, TColor borderColor, bool ctl3D, int stripMargin)
    : TDateTimePicker(owner), borderColor_(borderColor), ctl3D_(ctl3D), stripMargin_(stripMargin),
      isThemed_(SystemProfile().ComCtlMajorVersion > 5),
      isWinXP_(IsWinXPOrLater())
{
    SetFrame(ctl3D);
}

void TEsgDateTimePicker::SetCtl3D(bool value)
{
    if (value == ctl3D_) return;
    ctl3D_ = value;
    SetFrame(value);
    Invalidate();
}

void TEsgDateTimePicker::SetBorderColor(TColor color)
{
    if (color == borderColor_) return;
    borderColor_ = color;
    Invalidate();
}

void TEsgDateTimePicker::SetMetroStyle(bool value)
{
    if (value == metroStyle_) return;
    metroStyle_ = value;
    Invalidate();
}

void TEsgDateTimePicker::SetBorderStyle(TFormBorderStyle style)
{
    if (style == borderStyle_) return;
    borderStyle_ = style;
    Invalidate();
}

UINT DTPShiftFocusMessage()
{
    static const UINT message = RegisterWindowMessage("DTPShiftFocus");
    return message;
}

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* owner) : TCustomDateTimePicker(owner, false) {}

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* owner, bool ctl3D)
    : TEsgDateTimePicker(owner, clBlack, ctl3D, 4)
{
    DTPShiftFocusMessage();
}

bool TCustomDateTimePicker::MetroLook() const { return MetroStyle() && !NoOwnBorder(); }

void TCustomDateTimePicker::SetAutoTab(bool value) { autoTab_ = value; }

void TCustomDateTimePicker::RememberValue()
{
    int ms = 0;
    DecodeTime(DateTime(), oldHour_, oldMinute_, oldSecond_, ms);
}

bool TCustomDateTimePicker::TimeChangedSinceDigit() const
{
    int hour = 0, minute = 0, second = 0, ms = 0;
    DecodeTime(DateTime(), hour, minute, second, ms);
    return hour != oldHour_ || minute != oldMinute_ || second != oldSecond_;
}

void TCustomDateTimePicker::KeyPress(char32_t& key)
{
    const bool digit = key >= '0' && key <= '9';
    if (autoTab_ && digit) RememberValue();
    TEsgDateTimePicker::KeyPress(key);
    if (autoTab_ && digit) PostMessage(this, DTPShiftFocusMessage(), 0, 0);
}

void TCustomDateTimePicker::CheckAutoTab()
{
    if (Kind() == dtkTime && TimeChangedSinceDigit()) PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
}

void TCustomDateTimePicker::WndProc(TMessage& message)
{
    if (message.Msg == DTPShiftFocusMessage()) CheckAutoTab();
    TEsgDateTimePicker::WndProc(message);
}
