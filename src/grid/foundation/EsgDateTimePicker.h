#pragma once
#include <string>

#include "grid/foundation/ExtTimerSpeedButton.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Forms.h"

// The date and time pickers behind the grid's date and time editors: the platform picker
// with the frame colours of the grid's own look, and (TCustomDateTimePicker) a move to the
// next field once typed digits have changed the current one (AutoTab).

class TEsgDateTimePicker : public TDateTimePicker {
public:
    explicit TEsgDateTimePicker(TComponent* owner);

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TButtonColors& Colors() { return colors_; }
    bool MetroStyle() const { return metroStyle_; }
    void SetMetroStyle(bool value);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    virtual void SetBorderStyle(TFormBorderStyle style);
    std::string Version() const { return "1.0.0.0"; }

protected:
    TEsgDateTimePicker(TComponent* owner, TColor borderColor);

private:
    TColor borderColor_;
    TButtonColors colors_;
    bool metroStyle_ = false;
    TFormBorderStyle borderStyle_ = bsNone;
};

// The message a picker posts to itself after a typed digit, to decide on the field move.
UINT DTPShiftFocusMessage();

class TCustomDateTimePicker : public TEsgDateTimePicker {
public:
    explicit TCustomDateTimePicker(TComponent* owner);

    bool AutoTab() const { return autoTab_; }
    virtual void SetAutoTab(bool value);
    void WndProc(TMessage& message) override;

protected:
    void KeyPress(char32_t& key) override;
    // Runs when the posted field-move message arrives.
    virtual void CheckAutoTab();
    // Remembers the value before a typed digit changes it.
    virtual void RememberValue();
    bool TimeChangedSinceDigit() const;

    int oldHour_ = 0, oldMinute_ = 0, oldSecond_ = 0;

private:
    bool autoTab_ = false;
};
