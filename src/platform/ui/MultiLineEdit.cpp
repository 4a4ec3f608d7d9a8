#include <QApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextDocument>
#include <QtMath>

#include "platform/ui/QtControls.h"
#include "platform/ui/QtEditWindow.h"

namespace {

// The document keeps a line break as one '\n'; callers see CR LF, two characters.
int ExternalOf(const QString& doc, int docPos) { return docPos + doc.left(docPos).count(u'\n'); }

int DocumentOf(const QString& doc, int external)
{
    int i = 0;
    for (int e = 0; i < doc.size() && e < external; ++i)
        e += doc[i] == u'\n' ? 2 : 1;
    return i;
}

QString DocumentText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

int ExternalLength(const QString& doc) { return doc.size() + doc.count(u'\n'); }

// A plain-text window that keeps to a length limit when typing and pasting.
class TLimitedPlainTextEdit : public QPlainTextEdit {
public:
    int maxLength = 32767;
    // The margins around the text take the text's background, as the inside of an edit does.
    void SetTextPlacement(const QPoint& origin, Qt::Alignment alignment)
    {
        origin_ = origin;
        alignment_ = alignment;
        // Lines that are not wrapped have no width to be aligned in.
        QTextOption option = document()->defaultTextOption();
        option.setAlignment(lineWrapMode() == NoWrap ? Qt::AlignLeft : alignment & Qt::AlignHorizontal_Mask);
        document()->setDefaultTextOption(option);
        document()->setDocumentMargin(origin.isNull() ? 1 : 0);
        Place();
    }
    // Text centred or at the bottom moves as its lines come and go.
    void Place()
    {
        int top = origin_.y();
        const Qt::Alignment vertical = alignment_ & Qt::AlignVertical_Mask;
        if (vertical != Qt::AlignTop) {
            const int room = height() - ContentHeight();
            top = std::max(0, vertical == Qt::AlignBottom ? room - origin_.y() : room / 2);
        }
        const QMargins margins(origin_.x(), top, 0, 0);
        if (viewportMargins() != margins) setViewportMargins(margins);
    }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QPlainTextEdit::resizeEvent(e);
        Place();
    }
    int ContentHeight() const
    {
        qreal h = 2 * document()->documentMargin();
        for (QTextBlock b = document()->firstBlock(); b.isValid(); b = b.next())
            h += blockBoundingRect(b).height();
        return qCeil(h);
    }
    // How much of `incoming` fits in place of the selection.
    int Room() const
    {
        const QTextCursor c = textCursor();
        const QString doc = toPlainText();
        const int selected = ExternalOf(doc, c.selectionEnd()) - ExternalOf(doc, c.selectionStart());
        return maxLength - (ExternalLength(doc) - selected);
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        const QString typed = e->text();
        const bool inserts = !typed.isEmpty() && (typed[0].isPrint() || e->key() == Qt::Key_Return);
        if (inserts && !isReadOnly() &&
            Room() < ExternalLength(DocumentText(typed)) + (e->key() == Qt::Key_Return)) {
            QApplication::beep();
            return;
        }
        QPlainTextEdit::keyPressEvent(e);
    }
    void insertFromMimeData(const QMimeData* source) override
    {
        QString text = DocumentText(source->text());
        const int room = std::max(0, Room());
        while (ExternalLength(text) > room)
            text.chop(1);
        textCursor().insertText(text);
    }

private:
    QPoint origin_;
    Qt::Alignment alignment_ = Qt::AlignTop | Qt::AlignLeft;
};

class TMultiLineWindow : public TEditWindow {
public:
    TMultiLineWindow(TControl* control, bool wordWrap, std::function<void()> onEdited)
        : w_(new TBridge<TLimitedPlainTextEdit>(control))
    {
        w_->setFocusPolicy(Qt::StrongFocus);
        w_->setTabChangesFocus(true);
        w_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        w_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        w_->setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        w_->document()->setDocumentMargin(1);
        w_->setBackgroundRole(QPalette::Base);
        w_->setAutoFillBackground(true);
        QObject::connect(w_, &QPlainTextEdit::textChanged, w_, std::move(onEdited));
        auto* w = w_;
        QObject::connect(w_->document(), &QTextDocument::contentsChanged, w_, [w] { w->Place(); });
    }

    QWidget* Widget() const override { return w_; }
    bool IsMultiLine() const override { return true; }
    QString Text() const override { return w_->toPlainText().replace(u'\n', QStringLiteral("\r\n")); }
    void SetText(const QString& text) override
    {
        const QSignalBlocker quiet(w_);
        w_->setPlainText(DocumentText(text));
        w_->moveCursor(QTextCursor::End);
    }
    int MaxLength() const override { return w_->maxLength; }
    void SetMaxLength(int length) override { w_->maxLength = length; }
    bool ReadOnly() const override { return w_->isReadOnly(); }
    void SetReadOnly(bool readOnly) override { w_->setReadOnly(readOnly); }
    void SetTextPlacement(const QPoint& origin, Qt::Alignment alignment) override
    {
        w_->SetTextPlacement(origin, alignment);
    }
    QPoint CharPos(int offset) const override
    {
        QTextCursor at(w_->document());
        at.setPosition(DocumentOf(w_->toPlainText(), offset));
        return w_->viewport()->mapTo(w_, w_->cursorRect(at).topLeft());
    }
    int CharAt(const QPoint& point) const override
    {
        const QPoint inText = w_->viewport()->mapFrom(w_, point);
        return ExternalOf(w_->toPlainText(), w_->cursorForPosition(inText).position());
    }
    // A password is never shown in several lines: the owner switches to one line for it.
    void SetPassword(bool) override {}
    void SetFrame(bool frame) override
    {
        w_->setFrameStyle(frame ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    }
    void SetScrollBars(bool horizontal, bool vertical) override
    {
        w_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        w_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }
    bool Modified() const override { return w_->document()->isModified(); }
    void SetModified(bool modified) override { w_->document()->setModified(modified); }
    int SelectionStart() const override
    {
        return ExternalOf(w_->toPlainText(), w_->textCursor().selectionStart());
    }
    int SelectionEnd() const override
    {
        return ExternalOf(w_->toPlainText(), w_->textCursor().selectionEnd());
    }
    void Select(int from, int to) override
    {
        const QString doc = w_->toPlainText();
        QTextCursor c = w_->textCursor();
        c.setPosition(DocumentOf(doc, from));
        c.setPosition(DocumentOf(doc, to), QTextCursor::KeepAnchor);
        w_->setTextCursor(c);
    }
    QString SelectedText() const override
    {
        return w_->textCursor().selectedText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    }
    void Insert(const QString& text) override
    {
        const QSignalBlocker quiet(w_);
        w_->textCursor().insertText(DocumentText(text));
    }
    void SelectAll() override { w_->selectAll(); }
    bool Command(UINT msg) override
    {
        return EditCommand(w_, msg, [this] {
            QTextCursor c = w_->textCursor();
            c.deleteChar();
            w_->setTextCursor(c);
        });
    }

private:
    TBridge<TLimitedPlainTextEdit>* w_;
};

} // namespace

std::unique_ptr<TEditWindow> NewMultiLineWindow(TControl* control, bool wordWrap,
                                                std::function<void()> onEdited)
{
    return std::make_unique<TMultiLineWindow>(control, wordWrap, std::move(onEdited));
}
