#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>

#include <array>
#include <optional>
#include <unordered_map>

#include "platform/ui/QtGraphics.h"

namespace {

// A text shaped once in one font: its glyphs placed on a line whose top is at 0.
struct TShapedText {
    QList<QGlyphRun> runs;
    qreal ascent = 0;
};

// What has been measured and shaped in one font. The stores are emptied when they grow past
// their limits, so that a long session measuring ever new texts keeps them bounded.
struct TFontMeasures {
    static constexpr size_t kWidthLimit = 8192;
    static constexpr size_t kShapedLimit = 4096;
    int lineHeight = -1;
    int ascent = -1;
    int averageCharWidth = -1;
    std::unordered_map<QString, int> widths;
    std::unordered_map<QString, TShapedText> shaped;
};

struct TFontHash {
    size_t operator()(const QFont& font) const { return qHash(font); }
};

TFontMeasures& MeasuresOf(const QFont& font)
{
    static constexpr size_t kFontLimit = 64;
    static std::unordered_map<QFont, TFontMeasures, TFontHash> fonts;
    // A cell's text switches between a few fonts many times over: the last ones found are
    // kept, and comparing a font with them is much cheaper than hashing it.
    struct TRecent {
        QFont font;
        TFontMeasures* measures = nullptr;
    };
    static std::array<TRecent, 4> recent;
    static size_t nextRecent = 0;
    for (const TRecent& r : recent)
        if (r.measures && r.font == font) return *r.measures;
    auto it = fonts.find(font);
    if (it == fonts.end()) {
        if (fonts.size() >= kFontLimit) {
            fonts.clear();
            recent = {};
        }
        it = fonts.emplace(font, TFontMeasures{}).first;
    }
    recent[nextRecent] = {font, &it->second};
    nextRecent = (nextRecent + 1) % recent.size();
    return it->second;
}

const TShapedText& ShapedText(const QFont& font, const QString& text)
{
    std::unordered_map<QString, TShapedText>& shaped = MeasuresOf(font).shaped;
    if (const auto it = shaped.find(text); it != shaped.end()) return it->second;
    if (shaped.size() >= TFontMeasures::kShapedLimit) shaped.clear();
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    return shaped.emplace(text, TShapedText{layout.glyphRuns(), line.ascent()}).first->second;
}

// Shaping a text costs far more than drawing its glyphs, and a grid paints the same texts
// again and again: the glyphs are placed once per font and text. Decorated fonts and
// right-to-left text go through the painter's own text drawing.
void DrawTextRun(QPainter& p, int x, int baseline, const QString& text, unsigned flags)
{
    const QFont& font = p.font();
    if ((flags & DT_RTLREADING) || font.underline() || font.strikeOut() || font.overline()) {
        p.drawText(x, baseline, text);
        return;
    }
    const TShapedText& shaped = ShapedText(font, text);
    const QPointF origin(x, baseline - shaped.ascent);
    for (const QGlyphRun& run : shaped.runs)
        p.drawGlyphRun(origin, run);
}

// One of a font's own measures, taken from its metrics the first time it is asked for.
int FontMeasure(const QFont& font, int TFontMeasures::*field, int (QFontMetrics::*measure)() const)
{
    int& value = MeasuresOf(font).*field;
    if (value < 0) value = (QFontMetrics(font).*measure)();
    return value;
}

// One line of text ready to draw, with the position of its underlined character (-1: none).
struct TTextLine {
    QString text;
    int underline = -1;
};

// Removes the "&" prefixes: "&&" stands for "&", a single "&" marks the next character.
TTextLine StripPrefixes(const QString& text, bool markUnderline)
{
    TTextLine line;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                line.text += u'&';
                ++i;
            } else if (i + 1 < text.size() && markUnderline) {
                line.underline = static_cast<int>(line.text.size());
            }
            continue;
        }
        line.text += text[i];
    }
    return line;
}

class TTextLayouter {
public:
    TTextLayouter(const QFont& font, unsigned flags) : font_(font), flags_(flags)
    {
        const int averageCharWidth =
            FontMeasure(font, &TFontMeasures::averageCharWidth, &QFontMetrics::averageCharWidth);
        tabWidth_ = (flags & DT_EXPANDTABS) ? 8 * averageCharWidth : 0;
    }

    int Width(const QString& s) const
    {
        if (!(flags_ & DT_EXPANDTABS) || !s.contains(u'\t')) return TextAdvance(font_, s);
        const QStringList parts = s.split(u'\t');
        int x = 0;
        for (int k = 0; k < parts.size(); ++k) {
            if (k > 0) x = NextTab(x);
            x += TextAdvance(font_, parts[k]);
        }
        return x;
    }

    int LineHeight() const { return TextLineHeight(font_); }
    int Ascent() const { return FontMeasure(font_, &TFontMeasures::ascent, &QFontMetrics::ascent); }

    int NextTab(int x) const { return tabWidth_ > 0 ? (x / tabWidth_ + 1) * tabWidth_ : x; }

    // The lines of a paragraph, broken at blanks to fit `width` with DT_WORDBREAK; a word
    // wider than the width stands alone on its line.
    void Break(const TTextLine& paragraph, int width, std::vector<TTextLine>& lines) const
    {
        const QString& s = paragraph.text;
        if (!(flags_ & DT_WORDBREAK) || Width(s) <= width) {
            lines.push_back(paragraph);
            return;
        }
        const int n = static_cast<int>(s.size());
        int start = 0;
        while (start < n) {
            int end = start;
            for (int i = start; i < n;) {
                int wordEnd = i;
                while (wordEnd < n && s[wordEnd] != u' ') ++wordEnd;
                if (end > start && Width(s.mid(start, wordEnd - start)) > width) break;
                end = wordEnd;
                i = wordEnd;
                while (i < n && s[i] == u' ') ++i;
            }
            TTextLine line{s.mid(start, end - start), -1};
            if (paragraph.underline >= start && paragraph.underline < end) line.underline = paragraph.underline - start;
            lines.push_back(line);
            start = end;
            while (start < n && s[start] == u' ') ++start;
        }
    }

    QString Elide(const QString& s, int width) const
    {
        if (Width(s) <= width) return s;
        // The longest beginning that fits with the dots, found by halving: chopping one
        // character at a time measures the whole text once per character.
        const QString dots = QStringLiteral("...");
        qsizetype fits = 0;
        qsizetype tooLong = s.size();
        while (tooLong - fits > 1) {
            const qsizetype middle = fits + (tooLong - fits) / 2;
            (Width(s.left(middle) + dots) <= width ? fits : tooLong) = middle;
        }
        return s.left(fits) + dots;
    }

    // Only an underlined prefix character needs the full metrics.
    const QFontMetrics& Metrics() const
    {
        if (!metrics_) metrics_.emplace(font_);
        return *metrics_;
    }

private:
    const QFont& font_;
    mutable std::optional<QFontMetrics> metrics_;
    unsigned flags_;
    int tabWidth_;
};

void DrawLine(QPainter& p, const TTextLayouter& layout, const TTextLine& line, int x, int baseline, unsigned flags)
{
    const QStringList parts = (flags & DT_EXPANDTABS) ? line.text.split(u'\t') : QStringList{line.text};
    int pos = 0, cx = 0;
    for (int k = 0; k < parts.size(); ++k) {
        if (k > 0) cx = layout.NextTab(cx);
        const QString& part = parts[k];
        DrawTextRun(p, x + cx, baseline, part, flags);
        if (line.underline >= pos && line.underline < pos + part.size()) {
            const int u = line.underline - pos;
            const int ux = x + cx + layout.Metrics().horizontalAdvance(part.left(u));
            const int uw = layout.Metrics().horizontalAdvance(part.mid(u, 1));
            const int uy = baseline + layout.Metrics().underlinePos();
            p.fillRect(QRect(ux, uy, std::max(1, uw), std::max(1, layout.Metrics().lineWidth())), p.pen().color());
        }
        cx += layout.Width(part);
        pos += static_cast<int>(part.size()) + 1;
    }
}

}  // namespace

int TextAdvance(const QFont& font, const QString& text)
{
    std::unordered_map<QString, int>& widths = MeasuresOf(font).widths;
    if (const auto it = widths.find(text); it != widths.end()) return it->second;
    if (widths.size() >= TFontMeasures::kWidthLimit) widths.clear();
    return widths.emplace(text, QFontMetrics(font).horizontalAdvance(text)).first->second;
}

int TextLineHeight(const QFont& font)
{
    return FontMeasure(font, &TFontMeasures::lineHeight, &QFontMetrics::height);
}

int DrawText(TCanvas* canvas, const std::string& text, TRect& rect, unsigned flags)
{
    const QFont& font = ToQFont(*canvas->Font());
    const TTextLayouter layout(font, flags);
    const int lineHeight = layout.LineHeight();

    QString source = QString::fromStdString(text);
    std::vector<TTextLine> lines;
    if (flags & DT_SINGLELINE) {
        source.remove(u'\r');
        source.remove(u'\n');
        TTextLine line = (flags & DT_NOPREFIX) ? TTextLine{source, -1} : StripPrefixes(source, !(flags & DT_HIDEPREFIX));
        lines.push_back(line);
    } else {
        source.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        source.replace(u'\r', u'\n');
        for (const QString& paragraph : source.split(u'\n')) {
            TTextLine line =
                (flags & DT_NOPREFIX) ? TTextLine{paragraph, -1} : StripPrefixes(paragraph, !(flags & DT_HIDEPREFIX));
            layout.Break(line, rect.Width(), lines);
        }
    }
    if (flags & DT_END_ELLIPSIS)
        for (TTextLine& line : lines) {
            const QString elided = layout.Elide(line.text, rect.Width());
            if (elided != line.text) {
                line.text = elided;
                if (line.underline >= line.text.size() - 3) line.underline = -1;
            }
        }

    int widest = 0;
    for (const TTextLine& line : lines) widest = std::max(widest, layout.Width(line.text));
    const int textHeight = static_cast<int>(lines.size()) * lineHeight;

    if (flags & DT_CALCRECT) {
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + textHeight;
        return textHeight;
    }

    int top = rect.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER)
            top = rect.Top + (rect.Height() - lineHeight) / 2;
        else if (flags & DT_BOTTOM)
            top = rect.Bottom - lineHeight;
    }

    QPainter* p = BeginCanvasPainter(*canvas);
    if (!p) return textHeight;
    // A clip costs the painter more than the text it draws: it is set only for text that
    // reaches out of its rectangle. Only a clip or a reading direction must be undone
    // afterwards (every canvas operation sets its own pen, brush, font and composition), and
    // saving the painter's whole state costs more than the run of a cell's text.
    const bool fits = widest <= rect.Width() && top >= rect.Top && top + textHeight <= rect.Bottom;
    const bool clip = !(flags & DT_NOCLIP) && !fits;
    const bool restore = clip || (flags & DT_RTLREADING);
    if (restore) p->save();
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (clip) p->setClipRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), Qt::IntersectClip);
    p->setFont(font);
    if (flags & DT_RTLREADING) p->setLayoutDirection(Qt::RightToLeft);
    const bool opaque = canvas->Brush()->Style() != bsClear;
    const QColor background = ToQColor(canvas->Brush()->Color());
    int y = top;
    for (const TTextLine& line : lines) {
        const int w = layout.Width(line.text);
        int x = rect.Left;
        if (flags & DT_CENTER)
            x = rect.Left + (rect.Width() - w) / 2;
        else if (flags & DT_RIGHT)
            x = rect.Right - w;
        if (opaque && w > 0) p->fillRect(QRect(x, y, w, lineHeight), background);
        p->setPen(ToQColor(canvas->Font()->Color()));
        DrawLine(*p, layout, line, x, y + layout.Ascent(), flags);
        y += lineHeight;
    }
    if (restore) p->restore();
    return (flags & (DT_VCENTER | DT_BOTTOM)) && (flags & DT_SINGLELINE) ? top - rect.Top + textHeight : textHeight;
}
