#include "grid/foundation/editors/ExtDateTimePicker.h"

#include <cmath>

#include "grid/foundation/editors/TimeFieldPlacement.h"
#include "grid/foundation/painting/VisualStyles.h"
#include "platform/os/SystemProfile.h"

namespace {
constexpr int kTimeWidth = 90;
constexpr int kTimeHeight = 17;

TDateTime TimeOfDay(TDateTime value) { return std::fabs(value - std::trunc(value)); }

// The time of day in whole seconds.
TDateTime WholeSeconds(TDateTime value)
{
    int hour = 0, minute = 0, second = 0, ms = 0;
    DecodeTime(value, hour, minute, second, ms);
    return EncodeTime(hour, minute, second, 0);
}
}  // namespace

TExtDateTimePicker::TExtDateTimePicker(TComponent* owner)
    : TCustomDateTimePicker(owner, true),
      TAttachedLabelProperties(this, {.HidePrefix = false, .TakesControlFont = true})
{
    label_.OnCreate = [this](TLabel* label) {
        label->OnClick = [this](TObject*) {
            if (OnLabelClick) OnLabelClick(this);
        };
        label->OnDblClick = [this](TObject*) {
            if (OnLabelDblClick) OnLabelDblClick(this);
        };
    };
    TEsgDateTimePicker::SetBorderStyle(bsSingle);
    ApplyKind();
}

TExtDateTimePicker::~TExtDateTimePicker() = default;

void TExtDateTimePicker::SetKind(TExtDateTimeKind kind)
{
    if (kind == kind_) return;
    kind_ = kind;
    ApplyKind();
}

void TExtDateTimePicker::ApplyKind()
{
    TDateTimePicker::SetKind(kind_ == dkTime ? dtkTime : dtkDate);
    if (kind_ == dkDateTime) CreateTimePicker();
    LayoutTimePicker();
}

void TExtDateTimePicker::CreateWnd()
{
    TCustomDateTimePicker::CreateWnd();
    ApplyKind();
}

void TExtDateTimePicker::Loaded()
{
    TCustomDateTimePicker::Loaded();
    if (kind_ == dkDateTime) CreateTimePicker();
    LayoutTimePicker();
    if (!Checked()) SetChecked(false);
    if (timePicker_) timePicker_->SetEnabled(TimePickerEnabled());
    label_.Loaded();
}

void TExtDateTimePicker::CreateTimePicker()
{
    if (timePicker_ || kind_ != dkDateTime) return;
    timePicker_ = new TCustomDateTimePicker(this);
    timePicker_->SetParent(this);
    timePicker_->SetBounds(0, 0, kTimeWidth, kTimeHeight);
    timePicker_->SetVisible(false);
    timePicker_->SetEnabled(Enabled());
    timePicker_->SetKind(dtkTime);
    timePicker_->SetAutoTab(AutoTab());
    timePicker_->OnChange = [this](TObject*) {
        DoChange();
        if (OnTimeChange) OnTimeChange(this);
    };
    timePicker_->OnClick = [this](TObject*) { DoClick(); };
    timePicker_->OnKeyPress = [this](TObject* sender, char32_t& key) { TimePickerKeyPress(sender, key); };
    timePicker_->OnKeyDown = [this](TObject*, Word& key, TShiftState shift) { KeyDown(key, shift); };
}

// The time picker stands at the right end, as wide as its text needs.
void TExtDateTimePicker::LayoutTimePicker()
{
    if (!timePicker_) return;
    if (kind_ != dkDateTime) {
        TCustomDateTimePicker* picker = timePicker_;
        timePicker_ = nullptr;
        delete picker;
        return;
    }
    timePicker_->SetColor(Color());
    timePicker_->SetFont(Font());
    timePicker_->SetFormat(timeFormat_);
    timePicker_->SetDateTime(TDateTimePicker::DateTime());
    timePicker_->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    timePicker_->SetVisible(true);
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(*Font());
    const int textWidth = measure.Canvas()->TextWidth(timePicker_->Text().substr(0, 255));
    TTimeFieldLook look;
    look.hasLocaleInfoEx = SystemProfile().HasLocaleInfoEx;
    look.commonControls6 = SystemProfile().ComCtlMajorVersion >= 6 && SystemProfile().ThemeLibraryLoaded;
    look.themeActive = IsThemeActive();
    look.metro = MetroLook();
    look.frame = Ctl3D() ? 2 : BorderStyle() == bsSingle ? 1 : 0;
    const TRect bounds = TimeFieldBounds(look, Width(), Height(), textWidth);
    timePicker_->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

TDateTime TExtDateTimePicker::Time() const
{
    if (kind_ == dkDateTime && timePicker_) return timePicker_->Time();
    return TDateTimePicker::Time();
}

void TExtDateTimePicker::SetTime(TDateTime value)
{
    TDateTimePicker::SetTime(value);
    LayoutTimePicker();
}

TDateTime TExtDateTimePicker::DateTime() const
{
    const TDateTime date = TDateTimePicker::Date();
    return timePicker_ ? date + TimeOfDay(timePicker_->DateTime()) : TDateTimePicker::DateTime();
}

void TExtDateTimePicker::SetDateTime(TDateTime value)
{
    const TDateTime whole = std::trunc(value) + WholeSeconds(value);
    TDateTimePicker::SetDateTime(whole);
    CreateTimePicker();
    if (timePicker_) timePicker_->SetDateTime(whole);
}

void TExtDateTimePicker::SetDate(TDateTime value) { SetDateTime(std::trunc(value) + WholeSeconds(Time())); }

void TExtDateTimePicker::SetTimeFormat(const std::string& format)
{
    if (timePicker_) timePicker_->SetFormat(format);
    if (kind_ == dkTime) SetFormat(format);
    timeFormat_ = format;
    LayoutTimePicker();
}

void TExtDateTimePicker::SetAutoTab(bool value)
{
    TCustomDateTimePicker::SetAutoTab(value);
    if (timePicker_) timePicker_->SetAutoTab(value);
}

void TExtDateTimePicker::SetBorderStyle(TFormBorderStyle style)
{
    TCustomDateTimePicker::SetBorderStyle(style);
    LayoutTimePicker();
}

bool TExtDateTimePicker::MsgSetDateTime(TDateTime value)
{
    const bool result = TCustomDateTimePicker::MsgSetDateTime(value);
    if (timePicker_) timePicker_->SetEnabled(TimePickerEnabled());
    return result;
}

void TExtDateTimePicker::CNNotify(TMessage& message)
{
    TCustomDateTimePicker::CNNotify(message);
    if (message.WParam != DTN_DATETIMECHANGE) return;
    if (timePicker_) timePicker_->SetEnabled(message.LParam != GDT_NONE && TimePickerEnabled());
}

void TExtDateTimePicker::WndProc(TMessage& message)
{
    TCustomDateTimePicker::WndProc(message);
    if (message.Msg == DTM_SETSYSTEMTIME && static_cast<LPARAM>(message.WParam) == GDT_NONE && timePicker_)
        timePicker_->SetEnabled(TimePickerEnabled());
    if (message.Msg == WM_PAINT && firstPaint_) {
        firstPaint_ = false;
        LayoutTimePicker();
    }
}

void TExtDateTimePicker::CMEnabledChanged(TMessage& message)
{
    TCustomDateTimePicker::CMEnabledChanged(message);
    if (timePicker_) timePicker_->SetEnabled(Enabled());
    label_.FollowEnabled(Enabled());
}

void TExtDateTimePicker::WMSize(TMessage& message)
{
    TCustomDateTimePicker::WMSize(message);
    LayoutTimePicker();
}

void TExtDateTimePicker::DoChange()
{
    if (OnChange) OnChange(this);
}

void TExtDateTimePicker::DoClick()
{
    if (OnClick) OnClick(this);
}

void TExtDateTimePicker::TimePickerKeyPress(TObject*, char32_t&) {}

void TExtDateTimePicker::RememberValue()
{
    TCustomDateTimePicker::RememberValue();
    DecodeDate(TDateTimePicker::DateTime(), oldYear_, oldMonth_, oldDay_);
}

// A date field completed by the last digit of the format gives the time picker the
// focus; any other changed field moves to the next one.
void TExtDateTimePicker::CheckAutoTab()
{
    if (kind_ == dkTime) {
        TCustomDateTimePicker::CheckAutoTab();
        return;
    }
    int year = 0, month = 0, day = 0;
    DecodeDate(TDateTimePicker::DateTime(), year, month, day);
    const bool dayChanged = day != oldDay_, monthChanged = month != oldMonth_, yearChanged = year != oldYear_;
    bool focusTime = false, moveRight = false;
    if (!Format().empty()) {
        const char last = static_cast<char>(std::tolower(static_cast<unsigned char>(Format().back())));
        focusTime = (dayChanged && last == 'd') || (monthChanged && last == 'm') || (yearChanged && last == 'y');
        moveRight = !focusTime && (dayChanged || monthChanged || yearChanged);
    } else {
        moveRight = dayChanged || monthChanged;
        focusTime = !moveRight && yearChanged;
    }
    if (focusTime && timePicker_ && timePicker_->CanFocus()) timePicker_->SetFocus();
    if (moveRight) PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
}
