#include "platform/ui/RichEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/ui/QtApp.h"
#include "platform/ui/QtControls.h"
#include "platform/ui/QtGraphics.h"

namespace {

// The formatting rectangle is kept as margins around the viewport.
class TRichTextWindow : public QTextEdit {
public:
    using QTextEdit::setViewportMargins;
};

TRichTextWindow* RichWindow(const TControl* control)
{
    return static_cast<TRichTextWindow*>(control->Impl().widget);
}

constexpr int kRaisedTwips = 40;

TRichCharFormat RichFormatOf(const QTextCharFormat& f)
{
    TRichCharFormat r;
    r.Bold = f.fontWeight() >= QFont::Bold;
    r.Italic = f.fontItalic();
    r.Underline = f.fontUnderline();
    r.StrikeOut = f.fontStrikeOut();
    if (f.hasProperty(QTextFormat::FontPointSize)) r.Size = qRound(f.fontPointSize());
    if (f.hasProperty(QTextFormat::ForegroundBrush)) r.Color = FromQColor(f.foreground().color());
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) r.Offset = kRaisedTwips;
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) r.Offset = -kRaisedTwips;
    return r;
}

QTextCharFormat QtFormatOf(const TRichCharFormat& r)
{
    QTextCharFormat f;
    f.setFontWeight(r.Bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(r.Italic);
    f.setFontUnderline(r.Underline);
    f.setFontStrikeOut(r.StrikeOut);
    if (r.Size > 0) f.setFontPointSize(r.Size);
    if (r.Color != clNone) f.setForeground(ToQColor(r.Color));
    f.setVerticalAlignment(r.Offset > 0   ? QTextCharFormat::AlignSuperScript
                           : r.Offset < 0 ? QTextCharFormat::AlignSubScript
                                          : QTextCharFormat::AlignNormal);
    return f;
}

void LoadRichRuns(QTextEdit* w, const TRichRuns& runs)
{
    QTextDocument* doc = w->document();
    doc->clear();
    QTextCursor cursor(doc);
    cursor.setCharFormat(QTextCharFormat());
    for (const TRichRun& run : runs)
        cursor.insertText(QString::fromStdU16String(run.Text), QtFormatOf(run.Format));
    w->moveCursor(QTextCursor::Start);
    doc->setModified(false);
}

// Paragraph ends inside the document show as U+2029; runs keep them as '\n'.
std::u16string RichRunText(const QString& fragment)
{
    std::u16string text = fragment.toStdU16String();
    for (char16_t& c : text)
        if (c == 0x2029 || c == 0x2028) c = '\n';
    return text;
}

// Multiplies every size that the document's text gives itself.
void ScaleOwnSizes(QTextDocument& doc, double scale)
{
    // The stretches are collected first: formatting one merges and splits fragments.
    struct TSized {
        int From, Length;
        qreal Points;
    };
    std::vector<TSized> sized;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const qreal points = fragment.charFormat().fontPointSize();
            if (points > 0) sized.push_back({fragment.position(), fragment.length(), points});
        }
    QTextCursor cursor(&doc);
    for (const TSized& piece : sized) {
        cursor.setPosition(piece.From);
        cursor.setPosition(piece.From + piece.Length, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setFontPointSize(std::max(1.0, piece.Points * scale));
        cursor.mergeCharFormat(format);
    }
}

// A copy of the edit's document laid out for a painter's device.
std::unique_ptr<QTextDocument> DocumentFor(const TRichEdit& edit, QPaintDevice* device, double scale)
{
    std::unique_ptr<QTextDocument> doc(RichWindow(&edit)->document()->clone());
    // Point sizes keep their size on a printer page, whose pixels are finer than the screen's.
    doc->documentLayout()->setPaintDevice(device);
    doc->setDefaultFont(ToQFont(*edit.Font()));
    doc->setDocumentMargin(0);
    if (scale != 1.0) ScaleOwnSizes(*doc, scale);
    return doc;
}

} // namespace

TRichEdit::TRichEdit(TComponent* owner) : TWinControl(owner)
{
    EnsureQtApplication();
    auto* w = new TBridge<TRichTextWindow>(this);
    w->setAcceptRichText(false);
    w->setFocusPolicy(Qt::StrongFocus);
    w->setTabChangesFocus(false);
    w->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w->setLineWrapMode(QTextEdit::WidgetWidth);
    w->document()->setDocumentMargin(1);
    Impl().Attach(w, w);
    Impl().windowDefault = [this](TMessage& m) {
        const LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL | (wantReturns_ ? DLGC_WANTALLKEYS : 0);
        return NativeKeyDefault(Impl(), m, code);
    };
    QObject::connect(w, &QTextEdit::textChanged, w, [this] {
        GuardedCall([this] {
            if (!loading_ && OnChange && !Quiet()) OnChange(this);
        });
    });
    // Both signals come for most moves: the selection is reported once per change.
    const auto selectionMoved = [this] {
        GuardedCall([this] {
            const std::pair<int, int> now{SelStart(), SelLength()};
            if (now == reportedSelection_) return;
            reportedSelection_ = now;
            SelectionChange();
        });
    };
    QObject::connect(w, &QTextEdit::selectionChanged, w, selectionMoved);
    QObject::connect(w, &QTextEdit::cursorPositionChanged, w, selectionMoved);
    QObject::connect(w->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, w,
                     [this](const QSizeF&) { GuardedCall([this] { RequestSize(); }); });
    SetControlStyle({csClickEvents, csDoubleClicks});
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
}

TRichEdit::~TRichEdit() = default;

std::string TRichEdit::Text() const { return RichPlainText(Runs()); }

void TRichEdit::SetText(const std::string& text)
{
    QString plain = QString::fromStdString(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    SetRtfText(WriteRtf({{plain.toStdU16String(), {}}}));
}

TRichRuns TRichEdit::Runs() const
{
    TRichRuns runs;
    const QTextDocument* doc = RichWindow(this)->document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (block != doc->begin()) {
            const TRichCharFormat last = runs.empty() ? TRichCharFormat{} : runs.back().Format;
            if (runs.empty()) runs.push_back({u"", last});
            runs.back().Text += u'\n';
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const TRichCharFormat format = RichFormatOf(fragment.charFormat());
            if (runs.empty() || runs.back().Format != format) runs.push_back({{}, format});
            runs.back().Text += RichRunText(fragment.text());
        }
    }
    return runs;
}

bool TRichEdit::Modified() const { return RichWindow(this)->document()->isModified(); }

std::string TRichEdit::RtfText() const { return WriteRtf(Runs()); }

void TRichEdit::SetRtfText(const std::string& rtf)
{
    const std::optional<TRichRuns> runs = ReadRtf(rtf);
    QString plain = QString::fromStdString(rtf);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    loading_ = true;
    LoadRichRuns(RichWindow(this), runs ? *runs : TRichRuns{{plain.toStdU16String(), {}}});
    loading_ = false;
    if (OnChange && !Quiet()) OnChange(this);
}

int TRichEdit::SelStart() const { return RichWindow(this)->textCursor().selectionStart(); }

int TRichEdit::SelLength() const
{
    const QTextCursor c = RichWindow(this)->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TRichEdit::SetSelStart(int start)
{
    QTextEdit* w = RichWindow(this);
    QTextCursor c = w->textCursor();
    const int end = w->document()->characterCount() - 1;
    c.setPosition(std::clamp(start, 0, end));
    w->setTextCursor(c);
}

void TRichEdit::SetSelLength(int length)
{
    QTextEdit* w = RichWindow(this);
    QTextCursor c = w->textCursor();
    const int start = c.selectionStart();
    const int end = w->document()->characterCount() - 1;
    c.setPosition(start);
    c.setPosition(std::clamp(start + std::max(0, length), start, end), QTextCursor::KeepAnchor);
    w->setTextCursor(c);
}

std::string TRichEdit::SelText() const
{
    QString s = RichWindow(this)->textCursor().selectedText();
    s.replace(QChar(0x2029), QStringLiteral("\r\n"));
    return s.toStdString();
}

void TRichEdit::SetSelText(const std::string& text)
{
    QString plain = QString::fromStdString(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    RichWindow(this)->textCursor().insertText(plain);
}

void TRichEdit::SelectAll() { RichWindow(this)->selectAll(); }

void TRichEdit::SetWordWrap(bool wordWrap)
{
    wordWrap_ = wordWrap;
    RichWindow(this)->setLineWrapMode(wordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TRichEdit::SetHideSelection(bool hide)
{
    hideSelection_ = hide;
    // An unfocused window shows its selection in the inactive colours unless it hides it.
    QPalette palette = RichWindow(this)->palette();
    const QPalette::ColorGroup active = QPalette::Active, inactive = QPalette::Inactive;
    palette.setColor(inactive, QPalette::Highlight,
                     hide ? palette.color(inactive, QPalette::Base) : palette.color(active, QPalette::Highlight));
    palette.setColor(inactive, QPalette::HighlightedText,
                     hide ? palette.color(inactive, QPalette::Text)
                          : palette.color(active, QPalette::HighlightedText));
    RichWindow(this)->setPalette(palette);
}

void TRichEdit::SetBorderStyle(TFormBorderStyle style)
{
    borderStyle_ = style;
    RichWindow(this)->setFrameStyle(style == bsNone ? QFrame::NoFrame : QFrame::StyledPanel | QFrame::Sunken);
}

void TRichEdit::SetFormattingRect(const TRect& rect)
{
    TRichTextWindow* w = RichWindow(this);
    w->setViewportMargins(std::max(0, rect.Left), std::max(0, rect.Top), std::max(0, w->width() - rect.Right),
                          std::max(0, w->height() - rect.Bottom));
}

void TRichEdit::RequestSize()
{
    QTextDocument* doc = RichWindow(this)->document();
    const QSizeF size = doc->documentLayout()->documentSize();
    const int width = wordWrap_ ? Width() : qCeil(doc->idealWidth() + 2 * doc->documentMargin());
    RequestResize({0, 0, width, qCeil(size.height())});
}

void TRichEdit::RequestResize(const TRect& rect)
{
    if (OnResizeRequest && !Quiet()) OnResizeRequest(this, rect);
}

void TRichEdit::SelectionChange()
{
    if (OnSelectionChange && !Quiet()) OnSelectionChange(this);
}

TSize TRichEdit::DrawnExtent(TCanvas& canvas, double scale)
{
    QPainter* p = BeginCanvasPainter(canvas);
    if (!p) return {0, 0};
    const std::unique_ptr<QTextDocument> doc = DocumentFor(*this, p->device(), scale);
    doc->setTextWidth(-1);
    return {static_cast<int>(std::ceil(doc->idealWidth())), static_cast<int>(std::ceil(doc->size().height()))};
}

void TRichEdit::DrawTo(TCanvas& canvas, const TRect& rect, const TRichDrawing& how)
{
    QPainter* p = BeginCanvasPainter(canvas);
    if (!p || rect.Width() <= 0 || rect.Height() <= 0) return;
    const std::unique_ptr<QTextDocument> doc = DocumentFor(*this, p->device(), how.Scale);
    doc->setTextWidth(rect.Width());
    p->save();
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->translate(rect.Left, rect.Top);
    p->rotate(-how.Escapement / 10.0);
    const QRectF clip(0, 0, rect.Width(), rect.Height());
    p->setClipRect(clip, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    context.palette.setColor(QPalette::Text, ToQColor(Font()->Color()));
    doc->documentLayout()->draw(p, context);
    p->restore();
}

void TRichEdit::MergeSelectionFormat(const std::function<void(TRichCharFormat&)>& change)
{
    QTextEdit* w = RichWindow(this);
    QTextCursor cursor = w->textCursor();
    if (!cursor.hasSelection()) {
        TRichCharFormat typed = RichFormatOf(w->currentCharFormat());
        change(typed);
        w->setCurrentCharFormat(QtFormatOf(typed));
        return;
    }
    // Each run keeps what the change leaves alone.
    const int from = cursor.selectionStart(), to = cursor.selectionEnd();
    QTextCursor piece(w->document());
    for (int pos = from; pos < to; ++pos) {
        piece.setPosition(pos);
        piece.setPosition(pos + 1, QTextCursor::KeepAnchor);
        TRichCharFormat format = RichFormatOf(piece.charFormat());
        change(format);
        piece.setCharFormat(QtFormatOf(format));
    }
}

TRichCharFormat TTextAttributes::Format() const
{
    const QTextEdit* w = RichWindow(&edit_);
    QTextCursor cursor = w->textCursor();
    if (!cursor.hasSelection()) return RichFormatOf(w->currentCharFormat());
    // A cursor's format is that of the character before it: the selection's first one.
    cursor.setPosition(cursor.selectionStart() + 1);
    return RichFormatOf(cursor.charFormat());
}

void TTextAttributes::SetBold(bool bold) { edit_.MergeSelectionFormat([bold](TRichCharFormat& f) { f.Bold = bold; }); }
void TTextAttributes::SetItalic(bool italic)
{
    edit_.MergeSelectionFormat([italic](TRichCharFormat& f) { f.Italic = italic; });
}
void TTextAttributes::SetUnderline(bool underline)
{
    edit_.MergeSelectionFormat([underline](TRichCharFormat& f) { f.Underline = underline; });
}
void TTextAttributes::SetStrikeOut(bool strikeOut)
{
    edit_.MergeSelectionFormat([strikeOut](TRichCharFormat& f) { f.StrikeOut = strikeOut; });
}
void TTextAttributes::SetSize(int points)
{
    edit_.MergeSelectionFormat([points](TRichCharFormat& f) { f.Size = std::max(0, points); });
}
void TTextAttributes::SetColor(TColor color)
{
    edit_.MergeSelectionFormat([color](TRichCharFormat& f) { f.Color = color; });
}
void TTextAttributes::SetOffset(int twips)
{
    edit_.MergeSelectionFormat([twips](TRichCharFormat& f) { f.Offset = twips; });
}
