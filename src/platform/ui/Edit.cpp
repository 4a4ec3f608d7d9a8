#include <QApplication>
#include <QLineEdit>

#include "platform/ui/QtControls.h"
#include "platform/ui/StdCtrls.h"

namespace {

QLineEdit* LineEdit(const TControl* control) { return static_cast<QLineEdit*>(control->Impl().widget); }

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

}  // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    EnsureQtApplication();
    auto* w = new TBridge<QLineEdit>(this);
    w->setFocusPolicy(Qt::StrongFocus);
    w->setMaxLength(32767);
    Impl().Attach(w, w);
    Impl().windowDefault = [this](TMessage& m) { return WindowDefault(m); };
    QObject::connect(w, &QLineEdit::textEdited, w, [this] { GuardedCall([this] { Change(); }); });
    SetControlStyle({csClickEvents, csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

bool TCustomEdit::WindowDefault(TMessage& m)
{
    QLineEdit* w = LineEdit(this);
    switch (m.Msg) {
    case WM_CHAR: {
        const auto ch = static_cast<char32_t>(m.WParam);
        if (numbersOnly_ && ch >= 32 && (ch < '0' || ch > '9')) {
            QApplication::beep();
            return true;
        }
        break;
    }
    case WM_CUT: w->cut(); return true;
    case WM_COPY: w->copy(); return true;
    case WM_PASTE: w->paste(); return true;
    case WM_CLEAR: w->del(); return true;
    default: break;
    }
    return NativeKeyDefault(Impl(), m, DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL);
}

std::string TCustomEdit::Text() const { return LineEdit(this)->text().toStdString(); }

void TCustomEdit::SetText(const std::string& text)
{
    if (text == Text()) return;
    LineEdit(this)->setText(QString::fromStdString(text));
    Perform(CM_TEXTCHANGED);
    Change();
}

int TCustomEdit::MaxLength() const
{
    const int max = LineEdit(this)->maxLength();
    return max >= 32767 ? 0 : max;
}

void TCustomEdit::SetMaxLength(int length) { LineEdit(this)->setMaxLength(length <= 0 ? 32767 : length); }

bool TCustomEdit::ReadOnly() const { return LineEdit(this)->isReadOnly(); }

void TCustomEdit::SetReadOnly(bool readOnly) { LineEdit(this)->setReadOnly(readOnly); }

void TCustomEdit::SetPasswordChar(char32_t ch)
{
    passwordChar_ = ch;
    LineEdit(this)->setEchoMode(ch ? QLineEdit::Password : QLineEdit::Normal);
}

void TCustomEdit::SetBorderStyle(TFormBorderStyle style)
{
    borderStyle_ = style;
    LineEdit(this)->setFrame(style != bsNone);
}

bool TCustomEdit::Modified() const { return LineEdit(this)->isModified(); }

void TCustomEdit::SetModified(bool modified) { LineEdit(this)->setModified(modified); }

int TCustomEdit::SelStart() const
{
    const QLineEdit* w = LineEdit(this);
    const int start = w->hasSelectedText() ? w->selectionStart() : w->cursorPosition();
    return ToChars(w->text(), start);
}

void TCustomEdit::SetSelStart(int start)
{
    QLineEdit* w = LineEdit(this);
    w->setCursorPosition(ToUtf16(w->text(), start));
}

int TCustomEdit::SelLength() const
{
    const QLineEdit* w = LineEdit(this);
    if (!w->hasSelectedText()) return 0;
    const QString text = w->text();
    return ToChars(text, w->selectionEnd()) - ToChars(text, w->selectionStart());
}

void TCustomEdit::SetSelLength(int length)
{
    QLineEdit* w = LineEdit(this);
    const QString text = w->text();
    const int start = SelStart();
    const int from = ToUtf16(text, start);
    w->setSelection(from, ToUtf16(text, start + std::max(0, length)) - from);
}

std::string TCustomEdit::SelText() const { return LineEdit(this)->selectedText().toStdString(); }

void TCustomEdit::SetSelText(const std::string& text) { LineEdit(this)->insert(QString::fromStdString(text)); }

void TCustomEdit::SelectAll() { LineEdit(this)->selectAll(); }

void TCustomEdit::ClearSelection() { LineEdit(this)->del(); }

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
    QLineEdit* w = LineEdit(this);
    QPalette p = w->palette();
    p.setColor(QPalette::Base, ToQColor(Color()));
    w->setPalette(p);
}
