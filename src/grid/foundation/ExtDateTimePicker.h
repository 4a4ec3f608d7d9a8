#pragma once
#include "grid/foundation/EsgDateTimePicker.h"

// The date-and-time picker: a date picker with a second, embedded time picker at its right
// end (Kind dkDateTime), whose check box, when shown, switches both.

enum TExtDateTimeKind { dkDate, dkTime, dkDateTime };

class TExtDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TExtDateTimePicker(TComponent* owner);

    TExtDateTimeKind Kind() const { return kind_; }
    void SetKind(TExtDateTimeKind kind);
    TDateTime Time() const;
    void SetTime(TDateTime value);
    TDateTime DateTime() const;
    // Keeps hours, minutes and seconds and drops the milliseconds.
    virtual void SetDateTime(TDateTime value);
    void SetDate(TDateTime value);
    const std::string& TimeFormat() const { return timeFormat_; }
    void SetTimeFormat(const std::string& format);
    void SetAutoTab(bool value) override;
    void SetBorderStyle(TFormBorderStyle style) override;
    std::string Version() const { return "1.2.0.0"; }
    // The embedded time picker, or nullptr.
    TCustomDateTimePicker* TimePicker() const { return timePicker_; }

    TNotifyEvent OnTimeChange;
    void WndProc(TMessage& message) override;

protected:
    void Loaded() override;
    void CreateWnd() override;
    bool MsgSetDateTime(TDateTime value) override;
    void CNNotify(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void WMSize(TMessage& message) override;
    void CheckAutoTab() override;
    void RememberValue() override;
    virtual void DoChange();
    virtual void DoClick();
    virtual void TimePickerKeyPress(TObject* sender, char32_t& key);

private:
    void CreateTimePicker();
    void LayoutTimePicker();
    void ApplyKind();
    bool TimePickerEnabled() const { return Enabled() && Checked(); }

    TExtDateTimeKind kind_ = dkDateTime;
    std::string timeFormat_;
    TCustomDateTimePicker* timePicker_ = nullptr;
    bool firstPaint_ = true;
    int oldYear_ = 0, oldMonth_ = 0, oldDay_ = 0;
};
