#include <QFontDatabase>
#include <QFontMetrics>

#include <cmath>
#include <map>
#include <tuple>

#include "platform/ui/QtGraphics.h"

namespace {

// The classic Windows colours, by system colour index.
constexpr TColor SystemColors[] = {
    RGB(212, 208, 200),  // 0 scroll bar
    RGB(58, 110, 165),   // 1 desktop
    RGB(10, 36, 106),    // 2 active caption
    RGB(128, 128, 128),  // 3 inactive caption
    RGB(212, 208, 200),  // 4 menu
    RGB(255, 255, 255),  // 5 window
    RGB(0, 0, 0),        // 6 window frame
    RGB(0, 0, 0),        // 7 menu text
    RGB(0, 0, 0),        // 8 window text
    RGB(255, 255, 255),  // 9 caption text
    RGB(212, 208, 200),  // 10 active border
    RGB(212, 208, 200),  // 11 inactive border
    RGB(128, 128, 128),  // 12 application workspace
    RGB(10, 36, 106),    // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(212, 208, 200),  // 15 button face
    RGB(128, 128, 128),  // 16 button shadow
    RGB(128, 128, 128),  // 17 grey text
    RGB(0, 0, 0),        // 18 button text
    RGB(212, 208, 200),  // 19 inactive caption text
    RGB(255, 255, 255),  // 20 button highlight
    RGB(64, 64, 64),     // 21 3D dark shadow
    RGB(212, 208, 200),  // 22 3D light
    RGB(0, 0, 0),        // 23 info text
    RGB(255, 255, 225),  // 24 info background
    RGB(0, 0, 0),        // 25 (unused)
    RGB(0, 0, 128),      // 26 hot light
    RGB(166, 202, 240),  // 27 gradient active caption
    RGB(192, 192, 192),  // 28 gradient inactive caption
    RGB(10, 36, 106),    // 29 menu highlight
    RGB(212, 208, 200),  // 30 menu bar
};

// Rounds a * b / c to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) { return static_cast<int>(std::lround(static_cast<double>(a) * b / c)); }

}  // namespace

TColor ColorToRGB(TColor color)
{
    if ((color & 0xFF000000) != clSystemColor) return color;
    const unsigned index = color & 0xFF;
    return index < std::size(SystemColors) ? SystemColors[index] : clBlack;
}

void TGraphicsObject::Changed()
{
    if (OnChange) OnChange(this);
}

TFont::TFont() = default;
TFont::~TFont() = default;

void TFont::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TFont*>(&source);
    if (!other) return TPersistent::Assign(source);
    name_ = other->name_;
    height_ = other->height_;
    color_ = other->color_;
    style_ = other->style_;
    qt_.reset();
    Changed();
}

void TFont::SetName(const std::string& name)
{
    if (name.empty() || name == name_) return;
    name_ = name;
    qt_.reset();
    Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, 96); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, 96, 72)); }

void TFont::SetHeight(int pixels)
{
    if (pixels == height_) return;
    height_ = pixels;
    qt_.reset();
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == style_) return;
    style_ = style;
    qt_.reset();
    Changed();
}

static const QString& DesktopSansFamily()
{
    static const QString family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return family;
}

namespace {

QFont BuildQFont(const std::string& name, TFontStyles style, int height)
{
    QFont f;
    f.setFamilies({QString::fromStdString(name), DesktopSansFamily()});
    f.setStyleHint(QFont::SansSerif);
    f.setBold(style.Contains(fsBold));
    f.setItalic(style.Contains(fsItalic));
    f.setUnderline(style.Contains(fsUnderline));
    f.setStrikeOut(style.Contains(fsStrikeOut));
    if (height < 0) {
        f.setPixelSize(-height);
    } else if (height > 0) {
        // A cell height: scale the character height by the family's cell-to-character ratio.
        QFont probe = f;
        probe.setPixelSize(100);
        const int cell = QFontMetrics(probe).height();
        f.setPixelSize(std::max(1, cell > 0 ? MulDiv(height, 100, cell) : height));
    } else {
        f.setPixelSize(11);
    }
    return f;
}

// Painting switches a font between a few looks many times over. Equal looks share one
// Qt font, so that every measure kept for it is found at once, and the font is built once.
const QFont& SharedQFont(const std::string& name, TFontStyles style, int height)
{
    static constexpr size_t kLimit = 256;
    using TKey = std::tuple<std::string, bool, bool, bool, bool, int>;
    static std::map<TKey, QFont> fonts;
    const TKey key{name,
                   style.Contains(fsBold),
                   style.Contains(fsItalic),
                   style.Contains(fsUnderline),
                   style.Contains(fsStrikeOut),
                   height};
    if (const auto it = fonts.find(key); it != fonts.end()) return it->second;
    if (fonts.size() >= kLimit) fonts.clear();
    return fonts.emplace(key, BuildQFont(name, style, height)).first->second;
}

} // namespace

const TFont::TQtFont& TFont::Qt() const
{
    if (qt_) return *qt_;
    EnsureQtApplication();
    qt_ = std::make_unique<TQtFont>();
    qt_->font = SharedQFont(name_, style_, height_);
    return *qt_;
}

const QFont& ToQFont(const TFont& font) { return font.Qt().font; }


void TPen::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TPen*>(&source);
    if (!other) return TPersistent::Assign(source);
    color_ = other->color_;
    width_ = other->width_;
    style_ = other->style_;
    mode_ = other->mode_;
    Changed();
}

void TPen::SetColor(TColor color)
{
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TPen::SetWidth(int width)
{
    if (width < 0) width = 0;
    if (width == width_) return;
    width_ = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TPen::SetMode(TPenMode mode)
{
    if (mode == mode_) return;
    mode_ = mode;
    Changed();
}

void TBrush::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TBrush*>(&source);
    if (!other) return TPersistent::Assign(source);
    color_ = other->color_;
    style_ = other->style_;
    Changed();
}

void TBrush::SetColor(TColor color)
{
    // As in GDI, choosing a colour makes a clear brush solid again.
    if (color == color_ && style_ != bsClear) return;
    color_ = color;
    if (style_ == bsClear) style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TGraphic::Changed()
{
    if (OnChange) OnChange(this);
}

void GradientFillCanvas(TCanvas* canvas, TColor start, TColor end, const TRect& rect, TGradientDirection direction)
{
    if (rect.IsEmpty()) return;
    QPainter* p = BeginCanvasPainter(*canvas);
    if (!p) return;
    const QRect r(rect.Left, rect.Top, rect.Width(), rect.Height());
    QLinearGradient g(r.topLeft(), direction == gdHorizontal ? QPointF(r.right() + 1, r.top())
                                                             : QPointF(r.left(), r.bottom() + 1));
    g.setColorAt(0, ToQColor(start));
    g.setColorAt(1, ToQColor(end));
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->fillRect(r, g);
}

void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width)
{
    TBrush* brush = canvas->Brush();
    const TColor saved = brush->Color();
    const TBrushStyle savedStyle = brush->Style();
    for (int i = 0; i < width; ++i) {
        brush->SetColor(topColor);
        canvas->FillRect(Rect(rect.Left, rect.Top, rect.Right - 1, rect.Top + 1));
        canvas->FillRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1));
        brush->SetColor(bottomColor);
        canvas->FillRect(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom));
        canvas->FillRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom));
        rect = InflateRect(rect, -1, -1);
    }
    brush->SetColor(saved);
    brush->SetStyle(savedStyle);
}
