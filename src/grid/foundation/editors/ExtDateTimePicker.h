#pragma once
#include "grid/foundation/editors/EsgDateTimePicker.h"
#include "grid/foundation/editors/LabelPlacement.h"

// The date-and-time picker: a date picker with a second, embedded time picker at its right
// end (Kind dkDateTime), whose check box, when shown, switches both, and a caption label
// placed beside it.

enum TExtDateTimeKind { dkDate, dkTime, dkDateTime };

class TExtDateTimePicker : public TCustomDateTimePicker, public TAttachedLabelProperties {
public:
    explicit TExtDateTimePicker(TComponent* owner);
    ~TExtDateTimePicker() override;

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

    // Also repaints the label.
    void SetLabelAlwaysEnabled(bool on);
    // The caption label, or nullptr.
    TLabel* PickerLabel() const { return label_.Label(); }
    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;

    TNotifyEvent OnTimeChange;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;
    void WndProc(TMessage& message) override;

protected:
    bool NoOwnBorder() const override { return false; }
    void CMEnter(TMessage& message) override;
    void CMExit(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
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
    void LabelFocusChanged(bool focused);

    TExtDateTimeKind kind_ = dkDateTime;
    std::string timeFormat_;
    TCustomDateTimePicker* timePicker_ = nullptr;
    bool firstPaint_ = true;
    int oldYear_ = 0, oldMonth_ = 0, oldDay_ = 0;
};
