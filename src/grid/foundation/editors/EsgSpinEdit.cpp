#include "grid/foundation/editors/EsgSpinEdit.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Beep.h"

namespace {

constexpr int kButtonWidth = 15;
constexpr int kFrame = 2;              // the edit's own frame around its client area
constexpr LPARAM kKeypadKey = 0x400000;  // key data bit of the numeric keypad's decimal key

template <typename T>
T Clamp(T value, T minimum, T maximum)
{
    if (minimum == maximum) return value;
    return value < minimum ? minimum : value > maximum ? maximum : value;
}

// The date parts in the order of the short date format: true when the month comes first.
bool MonthFirst()
{
    const std::string format = UpperCase(FormatSettings().ShortDateFormat);
    const size_t month = format.find('M'), day = format.find('D');
    return month != std::string::npos && (day == std::string::npos || month < day);
}

}  // namespace

TEsgSpinEdit::TEsgSpinEdit(TComponent* owner) : TCustomMaskEdit(owner)
{
    button_ = new TEsgSpinButton(this);
    button_->SetBounds(0, 0, kButtonWidth, 17);
    button_->SetParent(this);
    button_->SetFocusControl(this);
    button_->OnUpClick = [this](TObject* sender) { UpClick(sender); };
    button_->OnDownClick = [this](TObject* sender) { DownClick(sender); };
    SetText("0");
    TControlStyle style = ControlStyle();
    style -= csSetCaption;
    SetControlStyle(style);
    TEsgSpinEdit::SetBounds(Left(), Top(), Width(), Height());
}

TEsgSpinEdit::~TEsgSpinEdit() { button_ = nullptr; }

void TEsgSpinEdit::Loaded()
{
    TCustomMaskEdit::Loaded();
    if (spinType_ == sptDate) SetText(DateToStr(dateValue_));
    if (spinType_ == sptTime) SetText(FormatDateTime(showSeconds_ ? FormatSettings().LongTimeFormat : "h:nn", timeValue_));
    SetSpinType(spinType_);
    LayoutButton();
}

void TEsgSpinEdit::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    LayoutButton();
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType type)
{
    spinType_ = type;
    switch (type) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

int TEsgSpinEdit::ClampValue(int value) const { return Clamp(value, minValue_, maxValue_); }

double TEsgSpinEdit::ClampFloat(double value) const { return Clamp(value, minFloatValue_, maxFloatValue_); }

TDateTime TEsgSpinEdit::ClampDate(TDateTime value) const { return Clamp(value, minDateValue_, maxDateValue_); }

int TEsgSpinEdit::Value() const
{
    const std::string text = Trim(Text());
    if (text.empty()) return 0;
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : minValue_;
}

void TEsgSpinEdit::SetValue(int value)
{
    SetText(IntToStr(ClampValue(value)));
    if (!editorEnabled_) SelectAll();
}

double TEsgSpinEdit::FloatValue() const
{
    // An unreadable text falls back to the integer minimum, as the integer reading does:
    // both kinds of the edit read a broken text the same way.
    double value = 0;
    return TryStrToFloat(Text(), value) ? value : minValue_;
}

void TEsgSpinEdit::SetFloatValue(double value)
{
    const double clamped = ClampFloat(value);
    SetText(precision_ != 0 ? FloatToStrFixed(clamped, precision_) : FloatToStr(clamped));
}

void TEsgSpinEdit::SetPrecision(int precision)
{
    precision_ = precision;
    if (spinType_ == sptFloat) SetFloatValue(FloatValue());
}

TDateTime TEsgSpinEdit::DateValue() const
{
    const std::string text = Text();
    if (text.empty() || text == "0") return Now();
    TDateTime value = 0;
    return TryStrToDate(text, value) ? value : minDateValue_;
}

TDateTime TEsgSpinEdit::TimeValue() const
{
    TDateTime value = 0;
    return TryStrToTime(Text(), value) ? value : 0;
}

void TEsgSpinEdit::WriteDateTimeText(const std::string& text)
{
    const int caret = SelStart();
    SetText(text);
    SetSelStart(caret);
}

void TEsgSpinEdit::SetDateValue(TDateTime value)
{
    dateValue_ = value;
    if (ComponentState().Contains(csLoading)) return;
    WriteDateTimeText(DateToStr(ClampDate(value)));
}

void TEsgSpinEdit::SetTimeValue(TDateTime value)
{
    timeValue_ = value;
    if (ComponentState().Contains(csLoading)) return;
    const std::string format = showSeconds_ ? FormatSettings().LongTimeFormat : "h:nn";
    WriteDateTimeText(FormatDateTime(format, ClampDate(value)));
}

void TEsgSpinEdit::StepUp(bool page) { Step(+1, page); }

void TEsgSpinEdit::StepDown(bool page) { Step(-1, page); }

void TEsgSpinEdit::Step(int sign, bool page)
{
    if (ReadOnly()) {
        Beep();
        return;
    }
    switch (spinType_) {
    case sptNormal: SetValue(Value() + sign * increment_); break;
    case sptFloat: SetFloatValue(FloatValue() + sign * (page ? incrementFloatPage_ : incrementFloat_)); break;
    case sptDate: SetDateValue(StepDate(sign)); break;
    case sptTime: SetTimeValue(StepTime(sign)); break;
    }
}

// The field under the caret steps: the parts before the first and the second date
// separator, in the order of the short date format.
TDateTime TEsgSpinEdit::StepDate(int sign) const
{
    const std::string text = Text();
    const std::string separator(1, FormatSettings().DateSeparator);
    const int caret = SelStart();
    const int s1 = Pos(separator, text);
    const int s2 = s1 > 0 ? Pos(separator, text, s1 + 1) : 0;
    const TDateTime date = DateValue();
    enum { Day, Month, Year } field = Year;
    if (caret < s1) field = MonthFirst() ? Month : Day;
    else if (caret < s2) field = MonthFirst() ? Day : Month;
    if (field == Day) return date + sign;
    if (field == Month) return IncMonth(date, sign);
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    return EncodeDate(year + sign, month, day) + std::fabs(date - std::trunc(date));
}

// Stepping below midnight wraps to the evening; the text shows the time of day only.
TDateTime TEsgSpinEdit::StepTime(int sign) const
{
    const std::string text = Text();
    const std::string separator(1, FormatSettings().TimeSeparator);
    const int caret = SelStart();
    const int t1 = Pos(separator, text);
    const int t2 = t1 > 0 ? Pos(separator, text, t1 + 1) : 0;
    TDateTime step = 0;
    if (caret < t1) step = EncodeTime(incrementHours_, 0, 0, 0);
    else if (showSeconds_ && caret >= t2 && t2 > 0) step = EncodeTime(0, 0, incrementSeconds_, 0);
    else step = EncodeTime(0, incrementMinutes_, 0, 0);
    const TDateTime time = TimeValue();
    if (sign > 0) return time + step;
    TDateTime result = time + 1 - step;
    if (result > 1) result -= 1;
    return result;
}

void TEsgSpinEdit::UpClick(TObject*) { StepUp(false); }

void TEsgSpinEdit::DownClick(TObject*) { StepDown(false); }

bool TEsgSpinEdit::IsValidChar(char32_t& key)
{
    TSpinCharContext context;
    context.Kind = spinType_;
    context.Text = Text();
    context.SelStart = SelStart();
    context.SelLength = SelLength();
    context.Precision = precision_;
    context.EditorEnabled = editorEnabled_;
    return IsValidSpinChar(key, context);
}

void TEsgSpinEdit::KeyPress(char32_t& key)
{
    if (!IsValidChar(key)) {
        key = 0;
        Beep();
    }
    if (key != 0) TCustomMaskEdit::KeyPress(key);
}

void TEsgSpinEdit::KeyDown(Word& key, TShiftState shift)
{
    switch (key) {
    case VK_UP: StepUp(false); key = 0; return;
    case VK_DOWN: StepDown(false); key = 0; return;
    case VK_PRIOR: StepUp(true); key = 0; return;
    case VK_NEXT: StepDown(true); key = 0; return;
    case VK_RETURN:
        if (returnIsTab_) {
            key = VK_TAB;
            PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
        }
        break;
    case VK_DELETE:
        if (!editorEnabled_) key = 0;
        break;
    default: break;
    }
    TCustomMaskEdit::KeyDown(key, shift);
}

void TEsgSpinEdit::WMChar(TMessage& message)
{
    if (excelStyleDecimalSeparator_ && message.WParam == '.' && (message.LParam & kKeypadKey))
        message.WParam = static_cast<unsigned char>(FormatSettings().DecimalSeparator);
    TCustomMaskEdit::WMChar(message);
}

void TEsgSpinEdit::WndProc(TMessage& message)
{
    if ((message.Msg == WM_CUT || message.Msg == WM_PASTE) && (!editorEnabled_ || ReadOnly())) return;
    TCustomMaskEdit::WndProc(message);
}

void TEsgSpinEdit::DoExit()
{
    switch (spinType_) {
    case sptNormal:
        if (ClampValue(Value()) != Value()) SetValue(Value());
        break;
    case sptFloat:
        if (ClampFloat(FloatValue()) != FloatValue()) SetFloatValue(FloatValue());
        break;
    case sptDate:
        if (ClampDate(DateValue()) != DateValue()) SetDateValue(DateValue());
        break;
    case sptTime:
        if (ClampDate(TimeValue()) != TimeValue()) SetTimeValue(TimeValue());
        break;
    }
    TCustomMaskEdit::DoExit();
}

void TEsgSpinEdit::SetDirection(TSpinDirection direction)
{
    if (direction == button_->Direction()) return;
    button_->SetDirection(direction);
    NudgeWidth();
}

void TEsgSpinEdit::SetEditAlign(TEditAlign align)
{
    editAlign_ = align;
    SetAlignment(align == eaRight ? taRightJustify : align == eaCenter ? taCenter : taLeftJustify);
}

void TEsgSpinEdit::SetSpinFlat(bool flat)
{
    spinFlat_ = flat;
    button_->UpButton()->SetFlat(flat);
    button_->DownButton()->SetFlat(flat);
}

void TEsgSpinEdit::SetSpinTransparent(bool transparent)
{
    spinTransparent_ = transparent;
    TControlStyle style = button_->ControlStyle();
    if (transparent) style += csParentBackground;
    else style -= csParentBackground;
    button_->SetControlStyle(style);
    NudgeWidth();
}

// A width change of one pixel and back lays the buttons and the text out again.
void TEsgSpinEdit::NudgeWidth()
{
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

// The control's font height plus a quarter of the smaller of it and the system font's,
// and the frame.
int TEsgSpinEdit::MinHeight() const
{
    TBitmap measure(1, 1);
    const int systemHeight = measure.Canvas()->TextHeight("0");
    measure.Canvas()->Font()->Assign(*Font());
    const int fontHeight = measure.Canvas()->TextHeight("0");
    const int border = BorderStyle() == bsSingle ? 4 : 0;
    return fontHeight + std::min(systemHeight, fontHeight) / 4 + 2 + border;
}

void TEsgSpinEdit::SetBounds(int left, int top, int width, int height)
{
    TCustomMaskEdit::SetBounds(left, top, width, button_ ? std::max(height, MinHeight()) : height);
    if (button_) LayoutButton();
}

// The buttons stand inside the frame at the right edge; the text keeps left of them.
void TEsgSpinEdit::LayoutButton()
{
    const bool border = BorderStyle() != bsNone;
    const int frame = border ? kFrame : 0;
    const int width = Width() - 2 * frame, height = Height() - 2 * frame;
    const int buttonWidth = button_->Width();
    // One pixel clear of the client area's right and bottom edges, with or without a frame.
    button_->SetBounds(frame + width - buttonWidth - 1, frame, buttonWidth, height - 1);
    const int right = width - buttonWidth - 2 - (border ? 0 : 3);
    SetEditRect(Rect(border ? 0 : 3, border ? 0 : 3, frame + right, height + 1));
}
