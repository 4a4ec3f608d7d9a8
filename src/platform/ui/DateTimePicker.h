#pragma once
#include <string>

#include "platform/rtl/DateUtils.h"
#include "platform/ui/Controls.h"

// The date-time picker: a date or a time in fields that are typed or stepped, with a
// calendar that drops down (F4, Alt+Down or the arrow) and an optional check box whose
// cleared state means "no date". The Right and Left keys move between the fields.

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

// Notifications of the picker to itself (CN_NOTIFY, the code in WParam). A change carries
// GDT_VALID or GDT_NONE (the box was cleared) in LParam.
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr WPARAM DTN_DATETIMECHANGE = 0xFD09;
constexpr WPARAM DTN_DROPDOWN = 0xFD0A;
constexpr WPARAM DTN_CLOSEUP = 0xFD0B;
constexpr LPARAM GDT_VALID = 0;
constexpr LPARAM GDT_NONE = 1;
// Sets the value: WParam GDT_VALID with LParam pointing at a TDateTime, or GDT_NONE.
constexpr UINT DTM_SETSYSTEMTIME = 0x1002;

struct TDateTimePickerPrivate;

class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* owner);
    ~TDateTimePicker() override;

    TDateTime DateTime() const;
    void SetDateTime(TDateTime value);
    TDateTime Date() const;
    void SetDate(TDateTime value);
    TDateTime Time() const;
    void SetTime(TDateTime value);
    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind kind);
    TDTDateMode DateMode() const { return dateMode_; }
    void SetDateMode(TDTDateMode mode);
    // The display format (d, m, y, h, n, s as FormatDateTime knows them); empty: the
    // short date or long time format of the format settings.
    const std::string& Format() const { return format_; }
    void SetFormat(const std::string& format);
    // The sunken frame around the fields (shown by default); without it the fields fill
    // the window and the owner draws any border itself.
    void SetFrame(bool show);
    bool ShowCheckbox() const { return showCheckbox_; }
    void SetShowCheckbox(bool show);
    bool Checked() const;
    void SetChecked(bool checked);
    bool DroppedDown() const;
    void SetDroppedDown(bool down);
    // How the calendar looks: the weeks' numbers beside them, a line below the month that
    // names today's date ("Today: " and the short date; a click on it picks today), and a
    // circle around today's day.
    void SetCalendarMarks(bool weekNumbers, bool showToday, bool circleToday);
    bool CalendarWeekNumbers() const;
    bool CalendarCirclesToday() const;
    // The today line's text; empty while the line is off.
    std::string CalendarTodayLine() const;
    // Draws the calendar, as it looks when dropped, with its top-left corner at (0, 0).
    void PaintCalendarTo(TCanvas* canvas) const;
    // The field being typed in, from 0, and how many there are.
    int CurrentField() const;
    void SetCurrentField(int index);
    int FieldCount() const;
    std::string Text() const override;

    TNotifyEvent OnChange;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

protected:
    // Passes a value set by program to the window.
    virtual bool MsgSetDateTime(TDateTime value);
    virtual void Change();
    virtual void CNNotify(TMessage& message);
    void CMEnabledChanged(TMessage& message) override;

private:
    void ApplyFormat();
    bool WindowDefault(TMessage& message);
    bool TypeCharacter(TMessage& message);

    std::unique_ptr<TDateTimePickerPrivate> p_;
    TDateTimeKind kind_ = dtkDate;
    TDTDateMode dateMode_ = dmComboBox;
    std::string format_;
    bool showCheckbox_ = false;
};
