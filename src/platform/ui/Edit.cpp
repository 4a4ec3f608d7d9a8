#include <algorithm>

#include <QApplication>
#include <QLineEdit>
#include <QVariant>

#include "platform/ui/QtControls.h"
#include "platform/ui/QtEditWindow.h"
#include "platform/ui/StdCtrls.h"

namespace {

// Positions in characters (code points) and in the UTF-16 units of a QString.
int ToUtf16(const QString& s, int chars)
{
    int i = 0;
    for (; i < s.size() && chars > 0; --chars) i += (s[i].isHighSurrogate() && i + 1 < s.size()) ? 2 : 1;
    return i;
}

int ToChars(const QString& s, int utf16)
{
    int chars = 0;
    for (int i = 0; i < utf16 && i < s.size(); ++chars) i += (s[i].isHighSurrogate() && i + 1 < s.size()) ? 2 : 1;
    return chars;
}

// The clipboard keys of an edit, as the clipboard message each sends to the edit itself, so
// that an edit that handles the message (a paste checked by its own rules) sees the keys
// too; 0 for any other key.
UINT ClipboardMessageOfKey(Word key, TShiftState shift)
{
    const bool ctrl = shift == TShiftState{ssCtrl}, shifted = shift == TShiftState{ssShift};
    if ((ctrl && key == 'V') || (shifted && key == VK_INSERT)) return WM_PASTE;
    if ((ctrl && key == 'C') || (ctrl && key == VK_INSERT)) return WM_COPY;
    if ((ctrl && key == 'X') || (shifted && key == VK_DELETE)) return WM_CUT;
    return 0;
}

class TSingleLineWindow : public TEditWindow {
public:
    TSingleLineWindow(TControl* control, std::function<void()> onEdited) : w_(new TBridge<QLineEdit>(control))
    {
        w_->setFocusPolicy(Qt::StrongFocus);
        w_->setMaxLength(32767);
        QObject::connect(w_, &QLineEdit::textEdited, w_, std::move(onEdited));
    }

    QWidget* Widget() const override { return w_; }
    bool IsMultiLine() const override { return false; }
    QString Text() const override { return w_->text(); }
    void SetText(const QString& text) override { w_->setText(text); }
    int MaxLength() const override { return w_->maxLength(); }
    void SetMaxLength(int length) override { w_->setMaxLength(length); }
    bool ReadOnly() const override { return w_->isReadOnly(); }
    void SetReadOnly(bool readOnly) override { w_->setReadOnly(readOnly); }
    void SetPassword(bool password) override
    {
        w_->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    }
    void SetFrame(bool frame) override { w_->setFrame(frame); }
    // The line edit keeps a margin of 2 pixels beside its text and 1 above and below it.
    void SetTextPlacement(const QPoint& origin, Qt::Alignment alignment) override
    {
        Qt::Alignment vertical = alignment & Qt::AlignVertical_Mask;
        if (origin.isNull() && vertical == Qt::AlignTop) vertical = Qt::AlignVCenter;
        const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
        w_->setAlignment(horizontal | vertical);
        const int x = std::max(0, origin.x() - 2), y = std::max(0, origin.y() - 1);
        w_->setTextMargins(x, vertical == Qt::AlignTop ? y : 0, horizontal == Qt::AlignRight ? x : 0,
                           vertical == Qt::AlignBottom ? y : 0);
    }
    int CharAt(const QPoint& point) const override { return w_->cursorPositionAt(point); }
    // The line edit tells only where its caret is: the character's place is measured back
    // from there.
    QPoint CharPos(int offset) const override
    {
        const QRect caret = w_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QString text = w_->displayText();
        const int cursor = w_->cursorPosition();
        const int from = std::min(offset, cursor), to = std::max(offset, cursor);
        const int advance = w_->fontMetrics().horizontalAdvance(text.mid(from, to - from));
        return {caret.left() + (offset < cursor ? -advance : advance), caret.top()};
    }
    bool Modified() const override { return w_->isModified(); }
    void SetModified(bool modified) override { w_->setModified(modified); }
    int SelectionStart() const override
    {
        return w_->hasSelectedText() ? w_->selectionStart() : w_->cursorPosition();
    }
    int SelectionEnd() const override
    {
        return w_->hasSelectedText() ? w_->selectionEnd() : w_->cursorPosition();
    }
    void Select(int from, int to) override
    {
        if (from == to)
            w_->setCursorPosition(from);
        else
            w_->setSelection(from, to - from);
    }
    QString SelectedText() const override { return w_->selectedText(); }
    void Insert(const QString& text) override { w_->insert(text); }
    void SelectAll() override { w_->selectAll(); }
    bool Command(UINT msg) override { return EditCommand(w_, msg, [this] { w_->del(); }); }

private:
    QLineEdit* w_;
};

}  // namespace

std::unique_ptr<TEditWindow> NewSingleLineWindow(TControl* control, std::function<void()> onEdited)
{
    return std::make_unique<TSingleLineWindow>(control, std::move(onEdited));
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    EnsureQtApplication();
    window_ = NewSingleLineWindow(this, EditedHandler());
    Impl().Attach(window_->Widget(), dynamic_cast<TBridgeBase*>(window_->Widget()));
    Impl().windowDefault = [this](TMessage& m) { return WindowDefault(m); };
    SetControlStyle({csClickEvents, csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

TCustomEdit::~TCustomEdit() = default;

std::function<void()> TCustomEdit::EditedHandler()
{
    return [this] { GuardedCall([this] { Change(); }); };
}

bool TCustomEdit::MultiLine() const { return window_->IsMultiLine(); }

void TCustomEdit::SetMultiLine(bool multiLine, bool wordWrap)
{
    if (multiLine == MultiLine() && (!multiLine || wordWrap == wordWrap_)) return;
    wordWrap_ = wordWrap;
    // The new window takes over everything the old one showed.
    const QString text = window_->Text();
    const int from = window_->SelectionStart(), to = window_->SelectionEnd();
    const bool hadFocus = window_->Widget()->hasFocus();
    std::unique_ptr<TEditWindow> old = std::move(window_);
    window_ = multiLine ? NewMultiLineWindow(this, wordWrap, EditedHandler())
                        : NewSingleLineWindow(this, EditedHandler());
    window_->SetMaxLength(old->MaxLength());
    window_->SetReadOnly(old->ReadOnly());
    window_->SetPassword(passwordChar_ != 0);
    window_->SetFrame(borderStyle_ != bsNone);
    ApplyTextPlacement();
    window_->SetModified(old->Modified());
    window_->SetText(text);
    window_->Select(from, to);
    Impl().Attach(window_->Widget(), dynamic_cast<TBridgeBase*>(window_->Widget()));
    ApplyBaseColor();
    if (hadFocus) window_->Widget()->setFocus();
}

void TCustomEdit::SetTextPlacement(TPoint origin, TAlignment horizontal, TTextLayout vertical)
{
    textOrigin_ = origin;
    textAlignment_ = horizontal;
    textLayout_ = vertical;
    ApplyTextPlacement();
}

void TCustomEdit::ApplyTextPlacement()
{
    static constexpr Qt::Alignment across[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    static constexpr Qt::Alignment upDown[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    window_->SetTextPlacement(QPoint(textOrigin_.X, textOrigin_.Y),
                              across[textAlignment_] | upDown[textLayout_]);
}

void TCustomEdit::SetWindowScrollBars(bool horizontal, bool vertical) { window_->SetScrollBars(horizontal, vertical); }

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner)
{
    SetMultiLine(true, true);
    SetBounds(Left(), Top(), 185, 89);
}

void TMemo::SetScrollBars(TScrollStyle style)
{
    scrollBars_ = style;
    SetWindowScrollBars(style == ssHorizontal || style == ssBoth, style == ssVertical || style == ssBoth);
}

// Enter breaks the line here instead of reaching the form's default button.
void TMemo::WMGetDlgCode(TMessage& m)
{
    TCustomEdit::WMGetDlgCode(m);
    if (wantReturns_) m.Result |= DLGC_WANTALLKEYS;
}

void TMemo::WMChar(TMessage& m)
{
    if (static_cast<char32_t>(m.WParam) == 13 && wantReturns_) {
        if (!ReadOnly()) {
            SetSelText("\r\n");
            Change();
        }
        return;
    }
    TCustomEdit::WMChar(m);
}

bool TCustomEdit::WindowDefault(TMessage& m)
{
    switch (m.Msg) {
    case WM_CHAR: {
        const auto ch = static_cast<char32_t>(m.WParam);
        if (numbersOnly_ && ch >= 32 && (ch < '0' || ch > '9')) {
            QApplication::beep();
            return true;
        }
        // Ctrl+Enter types a line feed, which breaks the line of a multi-line window.
        if (ch == 10 && MultiLine()) {
            if (!window_->ReadOnly()) {
                SetSelText("\r\n");
                Change();
            }
            return true;
        }
        break;
    }
    case WM_KEYDOWN:
        if (const UINT command = ClipboardMessageOfKey(static_cast<Word>(m.WParam), KeyDataToShiftState(m.LParam))) {
            Perform(command);
            return true;
        }
        break;
    default:
        if (window_->Command(m.Msg)) return true;
        break;
    }
    return NativeKeyDefault(Impl(), m, DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL);
}

std::string TCustomEdit::Text() const { return window_->Text().toStdString(); }

void TCustomEdit::SetText(const std::string& text)
{
    if (text == Text()) return;
    window_->SetText(QString::fromStdString(text));
    Perform(CM_TEXTCHANGED);
    Change();
}

int TCustomEdit::MaxLength() const
{
    const int max = window_->MaxLength();
    return max >= 32767 ? 0 : max;
}

void TCustomEdit::SetMaxLength(int length) { window_->SetMaxLength(length <= 0 ? 32767 : length); }

bool TCustomEdit::ReadOnly() const { return window_->ReadOnly(); }

void TCustomEdit::SetReadOnly(bool readOnly) { window_->SetReadOnly(readOnly); }

void TCustomEdit::SetPasswordChar(char32_t ch)
{
    passwordChar_ = ch;
    window_->SetPassword(ch != 0);
}

void TCustomEdit::SetBorderStyle(TFormBorderStyle style)
{
    borderStyle_ = style;
    window_->SetFrame(style != bsNone);
}

bool TCustomEdit::Modified() const { return window_->Modified(); }

void TCustomEdit::SetModified(bool modified) { window_->SetModified(modified); }

int TCustomEdit::CharAtPoint(TPoint clientPoint) const
{
    return ToChars(window_->Text(), window_->CharAt(QPoint(clientPoint.X, clientPoint.Y)));
}

TPoint TCustomEdit::PosFromChar(int index) const
{
    const QPoint at = window_->CharPos(ToUtf16(window_->Text(), index));
    return {at.x(), at.y()};
}

int TCustomEdit::SelStart() const { return ToChars(window_->Text(), window_->SelectionStart()); }

void TCustomEdit::SetSelStart(int start)
{
    const int at = ToUtf16(window_->Text(), start);
    window_->Select(at, at);
}

int TCustomEdit::SelLength() const
{
    const QString text = window_->Text();
    return ToChars(text, window_->SelectionEnd()) - ToChars(text, window_->SelectionStart());
}

void TCustomEdit::SetSelLength(int length)
{
    const QString text = window_->Text();
    const int start = SelStart();
    window_->Select(ToUtf16(text, start), ToUtf16(text, start + std::max(0, length)));
}

std::string TCustomEdit::SelText() const { return window_->SelectedText().toStdString(); }

void TCustomEdit::SetSelText(const std::string& text) { window_->Insert(QString::fromStdString(text)); }

void TCustomEdit::SelectAll() { window_->SelectAll(); }

void TCustomEdit::ClearSelection() { window_->Command(WM_CLEAR); }

void TCustomEdit::Change()
{
    if (OnChange && !Quiet()) OnChange(this);
}

void TCustomEdit::DoEnter()
{
    if (autoSelect_ && !(QApplication::mouseButtons() & Qt::LeftButton)) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::CMColorChanged(TMessage& message)
{
    TWinControl::CMColorChanged(message);
    ApplyBaseColor();
}

void TCustomEdit::ApplyBaseColor()
{
    QWidget* w = window_->Widget();
    QPalette p = w->palette();
    p.setColor(QPalette::Base, ToQColor(Color()));
    w->setPalette(p);
}
