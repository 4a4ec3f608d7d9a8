#include <QAbstractItemView>
#include <QComboBox>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>

#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/CustomComboBox.h"
#include "platform/ui/QtControls.h"
#include "platform/ui/QtSimpleComboList.h"
#include "platform/ui/WindowCanvas.h"

namespace {

// The list of a combo box drops below the box, as the desktop's does, also where the style
// would lay it over the box. A style sheet could ask the same, but it would take over the
// colours the box is given.
class TComboListBelowStyle : public QProxyStyle {
public:
    TComboListBelowStyle() { setParent(qApp); }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* ComboListBelowStyle()
{
    static QPointer<TComboListBelowStyle> style;
    if (!style) style = new TComboListBelowStyle;
    return style;
}

QComboBox* Combo(const TControl* control) { return static_cast<QComboBox*>(control->Impl().widget); }

int CharsBefore(const QString& s, int utf16)
{
    return static_cast<int>(s.left(utf16).toStdU32String().size());
}

int Utf16Of(const QString& s, int chars)
{
    return static_cast<int>(
        QString::fromStdU32String(s.toStdU32String().substr(0, std::max(0, chars))).size());
}

constexpr TDateTime kFilterPause = 0.5 / 86400.0; // typed letters of a list box gather this long

// Owner-drawn items: each is painted by the control into an image of the item's size.
class TOwnerDrawDelegate : public QStyledItemDelegate {
public:
    TOwnerDrawDelegate(TCustomComboBox* combo, QObject* parent) : QStyledItemDelegate(parent), combo_(combo)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        TBitmap item(option.rect.width(), option.rect.height());
        TOwnerDrawState state;
        if (option.state & QStyle::State_Selected) state = state + odSelected + odFocused;
        if (!(option.state & QStyle::State_Enabled)) state = state + odDisabled;
        GuardedCall([&] { combo_->PaintItem(index.row(), item, state); });
        painter->drawImage(option.rect.topLeft(), item.Qt().image);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        int height = 0;
        GuardedCall([&] { height = combo_->MeasuredItemHeight(index.row()); });
        return {QStyledItemDelegate::sizeHint(option, index).width(), height};
    }

private:
    TCustomComboBox* combo_;
};

} // namespace

// Tells the control when its list opens and closes.
struct TComboListWatch : QObject {
    explicit TComboListWatch(TCustomComboBox* combo) : combo(combo) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            const Word code = event->type() == QEvent::Show ? CBN_DROPDOWN : CBN_CLOSEUP;
            GuardedCall([&] { combo->Perform(CN_COMMAND, static_cast<WPARAM>(code) << 16, 0); });
        }
        return QObject::eventFilter(watched, event);
    }

    TCustomComboBox* combo;
};

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TComboBox(owner), itemBitmap_(std::make_unique<TBitmap>(1, 1)),
      listWatch_(std::make_unique<TComboListWatch>(this))
{
    // The list drops below the box and shows DropDownCount items.
    Combo(this)->setStyle(ComboListBelowStyle());
    Combo(this)->view()->parentWidget()->installEventFilter(listWatch_.get());
}

TCustomComboBox::~TCustomComboBox()
{
    simpleList_.reset();
    if (QComboBox* w = Combo(this)) w->view()->parentWidget()->removeEventFilter(listWatch_.get());
}

void TCustomComboBox::SetStyle(TComboBoxStyle style)
{
    TComboBox::SetStyle(style);
    QComboBox* w = Combo(this);
    if (IsOwnerDrawn())
        w->setItemDelegate(new TOwnerDrawDelegate(this, w));
    else if (dynamic_cast<TOwnerDrawDelegate*>(w->itemDelegate()))
        w->setItemDelegate(new QStyledItemDelegate(w));
    SetMaxLength(maxLength_);
    if (style != csSimple)
        simpleList_.reset();
    else if (!simpleList_)
        simpleList_ = std::make_unique<TSimpleComboList>(this);
}

void TCustomComboBox::SetCharCase(TEditCharCase charCase)
{
    charCase_ = charCase;
    if (charCase == ecNormal || !IsEditable()) return;
    SetText(charCase == ecUpperCase ? AnsiUpperCase(Text()) : AnsiLowerCase(Text()));
}

void TCustomComboBox::SetMaxLength(int length)
{
    maxLength_ = std::max(0, length);
    if (QLineEdit* edit = Combo(this)->lineEdit()) edit->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

void TCustomComboBox::SetItemHeight(int height)
{
    if (height <= 0) return;
    itemHeight_ = height;
    Invalidate();
}

int TCustomComboBox::SelStart() const
{
    const QLineEdit* edit = Combo(this)->lineEdit();
    if (!edit) return 0;
    return CharsBefore(edit->text(),
                       edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition());
}

void TCustomComboBox::SetSelStart(int start)
{
    if (QLineEdit* edit = Combo(this)->lineEdit()) edit->setCursorPosition(Utf16Of(edit->text(), start));
}

int TCustomComboBox::SelLength() const
{
    const QLineEdit* edit = Combo(this)->lineEdit();
    if (!edit || !edit->hasSelectedText()) return 0;
    return CharsBefore(edit->text(), edit->selectionEnd()) -
           CharsBefore(edit->text(), edit->selectionStart());
}

void TCustomComboBox::SetSelLength(int length)
{
    QLineEdit* edit = Combo(this)->lineEdit();
    if (!edit) return;
    const int start = SelStart();
    const int from = Utf16Of(edit->text(), start);
    edit->setSelection(from, Utf16Of(edit->text(), start + std::max(0, length)) - from);
}

void TCustomComboBox::SelectAll()
{
    if (QLineEdit* edit = Combo(this)->lineEdit()) edit->selectAll();
}

int TCustomComboBox::CharAtPoint(TPoint clientPoint) const
{
    QLineEdit* edit = Combo(this)->lineEdit();
    if (!edit) return 0;
    const QPoint inEdit = edit->mapFrom(Combo(this), QPoint(clientPoint.X, clientPoint.Y));
    return CharsBefore(edit->text(), edit->cursorPositionAt(inEdit));
}

TCanvas* TCustomComboBox::Canvas() const { return paintCanvas_ ? paintCanvas_ : itemBitmap_->Canvas(); }

void TCustomComboBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        CNCommand(message);
        return;
    case CB_SETDROPPEDWIDTH:
        droppedWidth_ = static_cast<int>(message.WParam);
        Combo(this)->view()->setMinimumWidth(droppedWidth_);
        message.Result = std::max(Width(), droppedWidth_);
        return;
    case CB_GETDROPPEDWIDTH:
        message.Result = std::max(Width(), droppedWidth_);
        return;
    case WM_LBUTTONDOWN: {
        TComboBox::WndProc(message);
        const TPoint at = LParamToPoint(message.LParam);
        if (simpleList_) simpleList_->PickAt(at.X, at.Y);
        return;
    }
    default:
        TComboBox::WndProc(message);
    }
}

void TCustomComboBox::CNCommand(TMessage& message)
{
    switch (HIWORD(message.WParam)) {
    case CBN_DROPDOWN:
        DropDown();
        break;
    case CBN_CLOSEUP:
        CloseUp();
        break;
    default:
        break;
    }
}

void TCustomComboBox::DropDown()
{
    if (OnDropDown && !Quiet()) OnDropDown(this);
}

void TCustomComboBox::CloseUp()
{
    if (OnCloseUp && !Quiet()) OnCloseUp(this);
}

char32_t TCustomComboBox::FoldCase(char32_t key) const
{
    if (charCase_ == ecNormal || key < 32) return key;
    const std::string one = utf8::Encode(std::u32string(1, key));
    const std::u32string folded =
        utf8::Decode(charCase_ == ecUpperCase ? AnsiUpperCase(one) : AnsiLowerCase(one));
    return folded.size() == 1 ? folded[0] : key;
}

void TCustomComboBox::KeyPress(char32_t& key)
{
    TComboBox::KeyPress(key);
    key = FoldCase(key);
    if (!autoComplete_ || key < 32) return;
    std::string typed;
    if (IsEditable()) {
        // Completion applies to text typed at the end; typing inside the text is plain typing.
        const int length = Length(Text());
        if (SelStart() + SelLength() < length) return;
        typed = Copy(Text(), 1, SelStart());
    } else {
        if (Now() - lastTyped_ >= kFilterPause) filter_.clear();
        lastTyped_ = Now();
        typed = filter_;
    }
    utf8::Append(typed, key);
    if (CompleteTo(typed) || !IsEditable()) key = 0;
}

bool TCustomComboBox::CompleteTo(const std::string& typed)
{
    const int length = Length(typed);
    int index = -1;
    for (int i = 0; i < Items()->Count() && index < 0; ++i)
        if (AnsiCompareText(Copy(Items()->Strings(i), 1, length), typed) == 0) index = i;
    if (index < 0) return false;
    const bool changed = index != ItemIndex();
    const std::string before = Text();
    SetItemIndex(index);
    if (IsEditable()) {
        const std::string completed = typed + Copy(Items()->Strings(index), length + 1, INT32_MAX);
        SetText(completed);
        SetSelStart(length);
        SetSelLength(Length(completed) - length);
    } else {
        filter_ = typed;
    }
    if (changed) {
        Click();
        Select();
    } else if (Text() != before) {
        Change();
    }
    return true;
}

void TCustomComboBox::PaintItem(int index, TBitmap& target, TOwnerDrawState state)
{
    TCanvas* canvas = target.Canvas();
    const bool selected = state.Contains(odSelected);
    canvas->Font()->Assign(*Font());
    canvas->Font()->SetColor(selected ? clHighlightText : Font()->Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(selected ? clHighlight : Color());
    struct TRestore {
        TCanvas*& current;
        TCanvas* saved;
        ~TRestore() { current = saved; }
    } restore{paintCanvas_, paintCanvas_};
    paintCanvas_ = canvas;
    DrawItem(index, Rect(0, 0, target.Width(), target.Height()), state);
}

int TCustomComboBox::MeasuredItemHeight(int index)
{
    int height = itemHeight_;
    if (Style() == csOwnerDrawVariable) MeasureItem(index, height);
    return std::max(1, height);
}

void TCustomComboBox::DrawItem(int index, TRect rect, TOwnerDrawState state)
{
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    Canvas()->FillRect(rect);
    if (index >= 0 && index < Items()->Count())
        Canvas()->TextOut(rect.Left + 2, rect.Top, Items()->Strings(index));
}

void TCustomComboBox::MeasureItem(int index, int& height)
{
    if (OnMeasureItem) OnMeasureItem(this, index, height);
}

// A simple box has no list to open: its list is always there.
void TCustomComboBox::KeyDown(Word& key, TShiftState shift)
{
    TComboBox::KeyDown(key, shift);
    if (simpleList_ && (key == VK_F4 || (shift.Contains(ssAlt) && (key == VK_UP || key == VK_DOWN)))) key = 0;
}

void TCustomComboBox::WMPaint(TMessage& message)
{
    if (simpleList_) simpleList_->ShowCurrent();
    DefaultHandler(message);
    if (IsOwnerDrawn()) PaintOwnerDrawnEdit();
}

// The colour is the background of the typed text and of the list.
void TCustomComboBox::CMColorChanged(TMessage& message)
{
    TComboBox::CMColorChanged(message);
    QComboBox* w = Combo(this);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    w->setPalette(palette);
    if (QLineEdit* edit = w->lineEdit()) edit->setPalette(palette);
    if (simpleList_) simpleList_->FollowColor();
}

// The picked item stands in the box drawn the way the list draws it.
void TCustomComboBox::PaintOwnerDrawnEdit()
{
    QComboBox* w = Combo(this);
    QStyleOptionComboBox option;
    option.initFrom(w);
    option.editable = false;
    const QRect field =
        w->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, w);
    if (field.isEmpty()) return;
    TBitmap item(field.width(), field.height());
    TOwnerDrawState state{odComboBoxEdit};
    if (Focused()) state = state + odSelected + odFocused;
    if (!Enabled()) state = state + odDisabled;
    PaintItem(ItemIndex(), item, state);
    TWindowCanvas canvas(this);
    canvas.Draw(field.x(), field.y(), &item);
}
