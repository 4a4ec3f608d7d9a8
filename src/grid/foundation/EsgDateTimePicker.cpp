#include "grid/foundation/EsgDateTimePicker.h"

TEsgDateTimePicker::TEsgDateTimePicker(TComponent* owner) : TEsgDateTimePicker(owner, clNone) {}

TEsgDateTimePicker::TEsgDateTimePicker(TComponent* owner, TColor borderColor)
    : TDateTimePicker(owner), borderColor_(borderColor)
{
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

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* owner) : TEsgDateTimePicker(owner, clBlack)
{
    DTPShiftFocusMessage();
}

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
