#include "platform/ui/DateTimePicker.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/QtControls.h"
#include "platform/ui/QtGraphics.h"

namespace {

constexpr int kCheckboxWidth = 18;

QDateTime ToQDateTime(TDateTime value)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, ms);
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms));
}

TDateTime FromQDateTime(const QDateTime& value)
{
    const QDate d = value.date();
    const QTime t = value.time();
    return EncodeDate(d.year(), d.month(), d.day()) + EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
}

// Our display format in Qt's letters: n is the minute, m the month, "/" and ":" the
// separators of the format settings.
QString QtFormatOf(const std::string& format)
{
    QString out;
    for (char c : format) {
        switch (c) {
        case 'm':
        case 'M': out += 'M'; break;
        case 'n':
        case 'N': out += 'm'; break;
        case 'h':
        case 'H': out += 'H'; break;
        case 'D': out += 'd'; break;
        case 'Y': out += 'y'; break;
        case 'S': out += 's'; break;
        case '/': out += QString("'%1'").arg(QChar(FormatSettings().DateSeparator)); break;
        case ':': out += QString("'%1'").arg(QChar(FormatSettings().TimeSeparator)); break;
        case '"': out += '\''; break;
        default: out += QChar(c); break;
        }
    }
    return out;
}

// The value as the fields show it. A numeric field that is still being typed ("2" of a
// day that may become "25") counts with the digits typed so far, as the desktop's picker
// takes each digit at once; a field whose digits do not yet make a valid date keeps the
// last value.
QDateTime ShownDateTime(const QDateTimeEdit* edit)
{
    const QDateTime value = edit->dateTime();
    int year = value.date().year(), month = value.date().month(), day = value.date().day();
    int hour = value.time().hour(), minute = value.time().minute(), second = value.time().second();
    const bool fullYear = edit->displayFormat().contains("yyyy");
    for (int i = 0; i < edit->sectionCount(); ++i) {
        const QDateTimeEdit::Section section = edit->sectionAt(i);
        bool ok = false;
        const int number = edit->sectionText(section).trimmed().toInt(&ok);
        if (!ok) continue;
        switch (section) {
        case QDateTimeEdit::YearSection: if (fullYear) year = number; break;
        case QDateTimeEdit::MonthSection: month = number; break;
        case QDateTimeEdit::DaySection: day = number; break;
        case QDateTimeEdit::HourSection: hour = number; break;
        case QDateTimeEdit::MinuteSection: minute = number; break;
        case QDateTimeEdit::SecondSection: second = number; break;
        default: break;
        }
    }
    const QDate date(year, month, day);
    const QTime time(hour, minute, second, value.time().msec());
    if (!date.isValid() || !time.isValid()) return value;
    const QDateTime shown(date, time);
    if (shown < edit->minimumDateTime() || shown > edit->maximumDateTime()) return value;
    return shown;
}

void SetFullRange(QDateTimeEdit* edit)
{
    edit->setDateTimeRange(ToQDateTime(EncodeDate(1752, 9, 14)), ToQDateTime(EncodeDate(9999, 12, 31) + 0.99998));
}

// Today as the clock of the program says it.
QDate Today() { return ToQDateTime(std::trunc(Now())).date(); }

// The mark of today: the red ring the desktop's calendar draws around today's day and, small,
// in front of its today line.
void DrawTodayRing(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 0, 0), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(rect);
    painter.restore();
}

class TPickerCalendar;

// The line under the month that names today's date; a click on it picks today.
class TTodayLine : public QWidget {
public:
    explicit TTodayLine(TPickerCalendar* calendar);
    QSize sizeHint() const override
    {
        const QFontMetrics metrics(font());
        return {metrics.horizontalAdvance(Text()) + RingWidth() + 16, metrics.height() + 8};
    }
    QString Text() const
    {
        return QString::fromStdString("Today: " +
                                      FormatDateTime(FormatSettings().ShortDateFormat, std::trunc(Now())));
    }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int RingWidth() const { return fontMetrics().height() + 4; }
    TPickerCalendar* calendar_;
};

// Qt's month calendar with the two marks of the desktop's: today's day circled, and today's
// date named on a line below the month. Either can be switched off.
class TPickerCalendar : public QCalendarWidget {
public:
    TPickerCalendar() : todayLine_(new TTodayLine(this)) { layout()->addWidget(todayLine_); }

    void SetMarks(bool showToday, bool circleToday)
    {
        circleToday_ = circleToday;
        todayLine_->setVisible(showToday);
        updateGeometry();
        updateCells();
        todayLine_->update();
        // Marks set while the calendar drops down size the drop-down anew.
        if (QWidget* popup = window(); popup != this && popup->isVisible()) popup->resize(popup->sizeHint());
    }
    bool ShowsToday() const { return !todayLine_->isHidden(); }
    bool CirclesToday() const { return circleToday_; }
    std::string TodayLineText() const { return ShowsToday() ? todayLine_->Text().toStdString() : std::string(); }

    // Qt's calendar measures its month and navigation bar alone.
    QSize sizeHint() const override { return WithTodayLine(QCalendarWidget::sizeHint()); }
    QSize minimumSizeHint() const override { return WithTodayLine(QCalendarWidget::minimumSizeHint()); }

    void PickToday()
    {
        const QDate today = Today();
        setSelectedDate(today);
        // The drop-down takes a clicked day as the picked value and closes.
        emit clicked(today);
    }

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override
    {
        QCalendarWidget::paintCell(painter, rect, date);
        if (!circleToday_ || date != Today()) return;
        const int side = std::min(rect.width(), rect.height()) - 2;
        DrawTodayRing(*painter, QRectF(rect.center().x() - side / 2.0 + 0.5, rect.center().y() - side / 2.0 + 0.5,
                                       side, side));
    }

private:
    QSize WithTodayLine(QSize size) const
    {
        if (!ShowsToday()) return size;
        const QSize line = todayLine_->sizeHint();
        return {std::max(size.width(), line.width()), size.height() + line.height()};
    }

    TTodayLine* todayLine_;
    bool circleToday_ = true;
};

TTodayLine::TTodayLine(TPickerCalendar* calendar) : QWidget(calendar), calendar_(calendar)
{
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TTodayLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const int ring = RingWidth();
    int left = 6;
    if (calendar_->CirclesToday()) {
        const int side = fontMetrics().height() - 2;
        DrawTodayRing(painter, QRectF(left + 0.5, (height() - side) / 2.0, ring - 4, side));
        left += ring;
    }
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(left, 0, width() - left, height()), Qt::AlignLeft | Qt::AlignVCenter, Text());
}

void TTodayLine::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) calendar_->PickToday();
}

}  // namespace

struct TDateTimePickerPrivate {
    QDateTimeEdit* edit = nullptr;
    QCheckBox* box = nullptr;
    TPickerCalendar* calendar = nullptr;
    bool settingByProgram = false;
    bool droppedDown = false;
    bool changeNotified = false;
    // The edit outlives the picker by a moment and still sees its focus leave and its
    // calendar close; the watchers go with the picker, so that neither reaches it half gone.
    std::unique_ptr<QObject> focusWatcher;
    std::unique_ptr<QObject> calendarWatcher;

    // Makes the digits typed so far the edit's own value, so that leaving the field or
    // the control does not throw them away.
    void CommitShownValue()
    {
        const QDateTime shown = ShownDateTime(edit);
        if (shown == edit->dateTime()) return;
        const int section = edit->currentSectionIndex();
        settingByProgram = true;
        edit->setDateTime(shown);
        settingByProgram = false;
        edit->setCurrentSectionIndex(section);
    }
};

// Keeps typed digits when the focus leaves or comes back (the window was activated): the
// edit alone would go back to its last complete value.
class TFocusOutWatcher : public QObject {
public:
    explicit TFocusOutWatcher(TDateTimePickerPrivate* picker) : picker_(picker) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn) picker_->CommitShownValue();
        return QObject::eventFilter(watched, event);
    }

private:
    TDateTimePickerPrivate* picker_;
};

// Tells the picker when its calendar opens and closes.
class TCalendarWatcher : public QObject {
public:
    explicit TCalendarWatcher(TDateTimePicker* picker) : picker_(picker) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            const WPARAM code = event->type() == QEvent::Show ? DTN_DROPDOWN : DTN_CLOSEUP;
            TWeakRef<TDateTimePicker> picker(picker_);
            GuardedCall([&] {
                if (TDateTimePicker* p = picker.Get()) p->Perform(CN_NOTIFY, code, 0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TDateTimePicker* picker_;
};

TDateTimePicker::TDateTimePicker(TComponent* owner)
    : TWinControl(owner), p_(std::make_unique<TDateTimePickerPrivate>())
{
    EnsureQtApplication();
    auto* w = new TBridge<QDateTimeEdit>(this);
    w->setFocusPolicy(Qt::StrongFocus);
    w->setCalendarPopup(true);
    p_->calendar = new TPickerCalendar;
    w->setCalendarWidget(p_->calendar);
    p_->calendarWatcher = std::make_unique<TCalendarWatcher>(this);
    w->calendarWidget()->window()->installEventFilter(p_->calendarWatcher.get());
    SetFullRange(w);
    p_->edit = w;
    p_->focusWatcher = std::make_unique<TFocusOutWatcher>(p_.get());
    w->installEventFilter(p_->focusWatcher.get());
    p_->box = new QCheckBox(w);
    p_->box->setFocusPolicy(Qt::NoFocus);
    p_->box->setChecked(true);
    p_->box->hide();
    Impl().Attach(w, w);
    Impl().windowDefault = [this](TMessage& m) { return WindowDefault(m); };
    QObject::connect(w, &QDateTimeEdit::dateTimeChanged, w, [this] {
        if (p_->settingByProgram) return;
        p_->changeNotified = true;
        GuardedCall([this] { Perform(CN_NOTIFY, DTN_DATETIMECHANGE, GDT_VALID); });
    });
    QObject::connect(p_->box, &QCheckBox::clicked, w, [this](bool checked) {
        p_->edit->findChild<QLineEdit*>()->setEnabled(checked);
        GuardedCall([this, checked] { Perform(CN_NOTIFY, DTN_DATETIMECHANGE, checked ? GDT_VALID : GDT_NONE); });
    });
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 186, 21);
    TDateTimePicker::MsgSetDateTime(std::trunc(Now()));
    ApplyFormat();
}

TDateTimePicker::~TDateTimePicker() = default;

TDateTime TDateTimePicker::DateTime() const { return FromQDateTime(ShownDateTime(p_->edit)); }

void TDateTimePicker::SetDateTime(TDateTime value) { MsgSetDateTime(value); }

bool TDateTimePicker::MsgSetDateTime(TDateTime value)
{
    return Perform(DTM_SETSYSTEMTIME, static_cast<WPARAM>(GDT_VALID), reinterpret_cast<LPARAM>(&value)) != 0;
}

TDateTime TDateTimePicker::Date() const { return std::trunc(DateTime()); }

void TDateTimePicker::SetDate(TDateTime value)
{
    const TDateTime current = DateTime();
    SetDateTime(std::trunc(value) + std::fabs(current - std::trunc(current)));
}

TDateTime TDateTimePicker::Time() const
{
    const TDateTime value = DateTime();
    return std::fabs(value - std::trunc(value));
}

void TDateTimePicker::SetTime(TDateTime value)
{
    SetDateTime(Date() + std::fabs(value - std::trunc(value)));
}

void TDateTimePicker::SetKind(TDateTimeKind kind)
{
    kind_ = kind;
    ApplyFormat();
}

void TDateTimePicker::SetDateMode(TDTDateMode mode)
{
    dateMode_ = mode;
    p_->edit->setCalendarPopup(mode == dmComboBox && kind_ == dtkDate);
}

void TDateTimePicker::SetFormat(const std::string& format)
{
    format_ = format;
    ApplyFormat();
}

void TDateTimePicker::ApplyFormat()
{
    std::string format = format_;
    if (format.empty()) format = kind_ == dtkTime ? FormatSettings().LongTimeFormat : FormatSettings().ShortDateFormat;
    // The edit drops the time of day when given a date-only format and pins its range to
    // the current day for a time-only one; the picker keeps its whole value in any format.
    const QDateTime value = p_->edit->dateTime();
    p_->settingByProgram = true;
    p_->edit->setDisplayFormat(QtFormatOf(format));
    SetFullRange(p_->edit);
    p_->edit->setDateTime(value);
    p_->edit->setCalendarPopup(dateMode_ == dmComboBox && kind_ == dtkDate);
    p_->settingByProgram = false;
}

void TDateTimePicker::SetFrame(bool show) { p_->edit->setFrame(show); }

void TDateTimePicker::SetShowCheckbox(bool show)
{
    showCheckbox_ = show;
    p_->box->setVisible(show);
    p_->box->setGeometry(3, 0, kCheckboxWidth, Height());
    p_->edit->findChild<QLineEdit*>()->setTextMargins(show ? kCheckboxWidth : 0, 0, 0, 0);
}

bool TDateTimePicker::Checked() const { return !showCheckbox_ || p_->box->isChecked(); }

void TDateTimePicker::SetChecked(bool checked)
{
    if (!showCheckbox_) return;
    if (checked) {
        MsgSetDateTime(DateTime());
        return;
    }
    Perform(DTM_SETSYSTEMTIME, static_cast<WPARAM>(GDT_NONE), 0);
}

bool TDateTimePicker::DroppedDown() const { return p_->droppedDown; }

// The calendar opens as a click on the drop-down arrow opens it.
void TDateTimePicker::SetDroppedDown(bool down)
{
    if (down == p_->droppedDown || !p_->edit->calendarPopup()) return;
    if (!down) {
        p_->edit->calendarWidget()->window()->hide();
        return;
    }
    QStyleOptionComboBox option;
    option.initFrom(p_->edit);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow =
        p_->edit->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, p_->edit);
    const QPointF at = arrow.center();
    QMouseEvent press(QEvent::MouseButtonPress, at, p_->edit->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    static_cast<TBridgeBase*>(Impl().bridge)->NativeEvent(&press);
}

int TDateTimePicker::CurrentField() const { return p_->edit->currentSectionIndex(); }

void TDateTimePicker::SetCurrentField(int index)
{
    p_->CommitShownValue();
    p_->edit->setCurrentSectionIndex(std::clamp(index, 0, FieldCount() - 1));
    // The whole field selected, so that typing replaces it.
    p_->edit->setSelectedSection(p_->edit->currentSection());
}

int TDateTimePicker::FieldCount() const { return p_->edit->sectionCount(); }

std::string TDateTimePicker::Text() const { return p_->edit->text().toStdString(); }

void TDateTimePicker::Change()
{
    if (OnChange && !Quiet()) OnChange(this);
}

void TDateTimePicker::SetCalendarMarks(bool weekNumbers, bool showToday, bool circleToday)
{
    p_->calendar->setVerticalHeaderFormat(weekNumbers ? QCalendarWidget::ISOWeekNumbers
                                                      : QCalendarWidget::NoVerticalHeader);
    p_->calendar->SetMarks(showToday, circleToday);
}

bool TDateTimePicker::CalendarWeekNumbers() const
{
    return p_->calendar->verticalHeaderFormat() != QCalendarWidget::NoVerticalHeader;
}

bool TDateTimePicker::CalendarCirclesToday() const { return p_->calendar->CirclesToday(); }

std::string TDateTimePicker::CalendarTodayLine() const { return p_->calendar->TodayLineText(); }

void TDateTimePicker::PaintCalendarTo(TCanvas* canvas) const
{
    QPainter* painter = BeginCanvasPainter(*canvas);
    if (!painter) return;
    p_->calendar->layout()->activate();  // the drop-down lays it out only when the event loop runs
    p_->calendar->render(painter, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
}

void TDateTimePicker::CNNotify(TMessage& m)
{
    switch (m.WParam) {
    case DTN_DATETIMECHANGE: Change(); break;
    case DTN_DROPDOWN:
        p_->droppedDown = true;
        if (OnDropDown && !Quiet()) OnDropDown(this);
        break;
    case DTN_CLOSEUP:
        p_->droppedDown = false;
        if (OnCloseUp && !Quiet()) OnCloseUp(this);
        break;
    default: break;
    }
}

void TDateTimePicker::CMEnabledChanged(TMessage& message)
{
    TWinControl::CMEnabledChanged(message);
    p_->box->setEnabled(Enabled());
}

void TDateTimePicker::WndProc(TMessage& m)
{
    if (m.Msg == CN_NOTIFY) {
        CNNotify(m);
        return;
    }
    TWinControl::WndProc(m);
}

// Right and Left move to the next and the previous field; F4 and Alt+Down open the calendar.
void TDateTimePicker::DefaultHandler(TMessage& m)
{
    const bool keyDown = m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN;
    const auto key = static_cast<Word>(m.WParam);
    const bool altDown = key == VK_DOWN && KeyDataToShiftState(m.LParam).Contains(ssAlt);
    if (keyDown && (key == VK_RIGHT || key == VK_LEFT || key == VK_F4 || altDown)) {
        if (Impl().native && Impl().native->msg == m.Msg) Impl().native->done = true;
        if (key == VK_RIGHT || key == VK_LEFT) SetCurrentField(CurrentField() + (key == VK_RIGHT ? 1 : -1));
        else SetDroppedDown(!DroppedDown());
        return;
    }
    TWinControl::DefaultHandler(m);
}

bool TDateTimePicker::WindowDefault(TMessage& m)
{
    if (m.Msg == DTM_SETSYSTEMTIME) {
        if (static_cast<LPARAM>(m.WParam) == GDT_NONE) {
            if (!showCheckbox_) return true;
            p_->box->setChecked(false);
            p_->edit->findChild<QLineEdit*>()->setEnabled(false);
        } else {
            const auto* value = reinterpret_cast<const TDateTime*>(m.LParam);
            p_->settingByProgram = true;
            p_->edit->setDateTime(ToQDateTime(*value));
            p_->settingByProgram = false;
            p_->box->setChecked(true);
            p_->edit->findChild<QLineEdit*>()->setEnabled(true);
        }
        m.Result = 1;
        return true;
    }
    if (m.Msg == WM_CHAR) return TypeCharacter(m);
    return NativeKeyDefault(Impl(), m, DLGC_WANTCHARS | DLGC_WANTARROWS);
}

// A typed character stays in its field: the edit would jump to the next field once one is
// full, which the desktop's picker leaves to its owner (a field advance of its own would
// move twice). Each digit changes the value at once, and says so.
bool TDateTimePicker::TypeCharacter(TMessage& m)
{
    const int field = p_->edit->currentSectionIndex();
    const QDateTime before = ShownDateTime(p_->edit);
    p_->changeNotified = false;
    const bool handled = NativeKeyDefault(Impl(), m, DLGC_WANTCHARS | DLGC_WANTARROWS);
    if (p_->edit->currentSectionIndex() != field) {
        p_->edit->setCurrentSectionIndex(field);
        p_->edit->setSelectedSection(p_->edit->currentSection());
    }
    if (!p_->changeNotified && ShownDateTime(p_->edit) != before) Perform(CN_NOTIFY, DTN_DATETIMECHANGE, GDT_VALID);
    return handled;
}
