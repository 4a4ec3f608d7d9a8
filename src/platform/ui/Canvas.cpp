#include <QFontMetrics>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "platform/ui/QtGraphics.h"

namespace {

bool PenVisible(const TPen& pen) { return pen.Style() != psClear && pen.Mode() != pmNop; }

// GDI's binary raster operations as Qt composition modes; the colour is the one drawn.
QPainter::CompositionMode PenComposition(TPenMode mode)
{
    switch (mode) {
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case pmBlack:
    case pmWhite:
    case pmNotCopy: return QPainter::CompositionMode_Source;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

QColor PenColor(const TPen& pen)
{
    switch (pen.Mode()) {
    case pmBlack: return Qt::black;
    case pmWhite: return Qt::white;
    case pmNot: return Qt::white;
    case pmNotCopy: {
        const QColor c = ToQColor(pen.Color());
        return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
    }
    default: return ToQColor(pen.Color());
    }
}

QPen ToQPen(const TPen& pen)
{
    if (!PenVisible(pen)) return Qt::NoPen;
    QPen p(PenColor(pen), std::max(1, pen.Width()));
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    switch (pen.Style()) {
    case psDash: p.setStyle(Qt::DashLine); break;
    case psDot: p.setStyle(Qt::DotLine); break;
    case psDashDot: p.setStyle(Qt::DashDotLine); break;
    case psDashDotDot: p.setStyle(Qt::DashDotDotLine); break;
    default: break;
    }
    return p;
}

QBrush ToQBrush(const TBrush& brush)
{
    const QColor c = ToQColor(brush.Color());
    switch (brush.Style()) {
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return QBrush(c, Qt::HorPattern);
    case bsVertical: return QBrush(c, Qt::VerPattern);
    case bsFDiagonal: return QBrush(c, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(c, Qt::BDiagPattern);
    case bsCross: return QBrush(c, Qt::CrossPattern);
    case bsDiagCross: return QBrush(c, Qt::DiagCrossPattern);
    default: return QBrush(c);
    }
}

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// The rectangle whose outline a one-pixel pen draws from (x1, y1) to (x2 - 1, y2 - 1).
QRect OutlineRect(int x1, int y1, int x2, int y2) { return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1); }

}  // namespace

// The canvas clip on its active painter. A clip change keeps the painter going, since ending
// it would end a printer's document.
static void ApplyCanvasClip(TCanvas::TQtPainter& q)
{
    if (!q.painter.isActive()) return;
    std::optional<QRegion> clip = q.baseClip;
    if (q.userClip) clip = clip ? clip->intersected(*q.userClip) : *q.userClip;
    if (clip)
        q.painter.setClipRegion(*clip);
    else
        q.painter.setClipping(false);
}

QPainter* BeginCanvasPainter(TCanvas& canvas)
{
    TCanvas::TQtPainter& q = canvas.Qt();
    TCanvasSurface* surface = canvas.Surface();
    if (!surface || !surface->device) return nullptr;
    if (q.painter.isActive() && q.bound == surface) {
        ++surface->version;
        return &q.painter;
    }
    if (q.painter.isActive()) q.painter.end();
    if (surface->device->width() <= 0 || surface->device->height() <= 0) return nullptr;
    q.painter.begin(surface->device);
    q.bound = surface;
    q.painter.setRenderHint(QPainter::Antialiasing, false);
    q.painter.setRenderHint(QPainter::TextAntialiasing, true);
    ApplyCanvasClip(q);
    ++surface->version;
    return &q.painter;
}

void EndCanvasPainter(TCanvas& canvas)
{
    TCanvas::TQtPainter& q = canvas.Qt();
    if (q.painter.isActive()) q.painter.end();
    q.bound = nullptr;
}

void SetCanvasBaseClip(TCanvas& canvas, std::optional<QRegion> clip)
{
    EndCanvasPainter(canvas);
    canvas.Qt().baseClip = std::move(clip);
}

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>())
{
}

TCanvas::~TCanvas() = default;

TCanvas::TQtPainter& TCanvas::Qt() const
{
    if (!qt_) {
        EnsureQtApplication();
        qt_ = std::make_unique<TQtPainter>();
    }
    return *qt_;
}

// Pen and brush of the canvas on the painter, with the pen's raster operation.
static QPainter* ShapePainter(TCanvas& canvas, bool withBrush)
{
    QPainter* p = BeginCanvasPainter(canvas);
    if (!p) return nullptr;
    p->setPen(ToQPen(*canvas.Pen()));
    p->setBrush(withBrush ? ToQBrush(*canvas.Brush()) : QBrush(Qt::NoBrush));
    p->setCompositionMode(PenComposition(canvas.Pen()->Mode()));
    return p;
}

namespace {
// The pixels of a one-pixel line: step i of n lies at from + (to - from) * i / n, rounded.
// Both coordinates move monotonically with i, so the steps that land inside a rectangle
// form one range, found by bisection.
class TLineSteps {
public:
    TLineSteps(TPoint from, TPoint to)
        : from_(from), dx_(int64_t{to.X} - from.X), dy_(int64_t{to.Y} - from.Y),
          steps_(std::max(std::abs(dx_), std::abs(dy_)))
    {
    }

    QPoint At(int64_t i) const { return QPoint(static_cast<int>(X(i)), static_cast<int>(Y(i))); }

    // The steps [first, last) that land inside the rectangle.
    std::pair<int64_t, int64_t> StepsWithin(const QRect& area) const
    {
        int64_t first = 0;
        int64_t last = steps_;
        Narrow([this](int64_t i) { return X(i); }, dx_ >= 0, area.left(), area.right(), first, last);
        Narrow([this](int64_t i) { return Y(i); }, dy_ >= 0, area.top(), area.bottom(), first, last);
        return {first, std::max(first, last)};
    }

private:
    int64_t X(int64_t i) const { return from_.X + Offset(dx_, i); }
    int64_t Y(int64_t i) const { return from_.Y + Offset(dy_, i); }
    int64_t Offset(int64_t delta, int64_t i) const
    {
        return std::llround(double(delta) * double(i) / double(steps_));
    }

    // Keeps the steps whose coordinate lies within [low, high]: the steps before them lie
    // on one side of that band and the steps after them on the other.
    template <typename Coordinate>
    static void Narrow(Coordinate coordinate, bool rising, int low, int high, int64_t& first, int64_t& last)
    {
        first = FirstWhere(first, last,
                           [&](int64_t i) { return rising ? coordinate(i) >= low : coordinate(i) <= high; });
        last = FirstWhere(first, last,
                          [&](int64_t i) { return rising ? coordinate(i) > high : coordinate(i) < low; });
    }

    // The first i in [begin, end) that passes a test which, once passed, stays passed; end
    // when none does.
    template <typename Test> static int64_t FirstWhere(int64_t begin, int64_t end, Test test)
    {
        while (begin < end) {
            const int64_t middle = begin + (end - begin) / 2;
            if (test(middle))
                end = middle;
            else
                begin = middle + 1;
        }
        return begin;
    }

    TPoint from_;
    int64_t dx_;
    int64_t dy_;
    int64_t steps_;
};
} // namespace

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = penPos_;
    penPos_ = {x, y};
    if (!PenVisible(*pen_) || from == penPos_) return;
    QPainter* p = ShapePainter(*this, false);
    if (!p) return;
    if (pen_->Width() <= 1 && pen_->Style() == psSolid) {
        // A one-pixel line steps from pixel to pixel and stops before its end point. Only the
        // steps that land on the surface become points, so a line far longer than the
        // surface costs no more than one across it.
        const TLineSteps line(from, penPos_);
        const auto [first, last] = line.StepsWithin(QRect(0, 0, p->device()->width(), p->device()->height()));
        if (last <= first) return;
        // Grid lines run straight across or down: their pixels form one rectangle, which the
        // painter fills far faster than it plots the same pixels one by one.
        const QPoint a = line.At(first), b = line.At(last - 1);
        if ((a.x() == b.x() || a.y() == b.y()) && p->deviceTransform().isIdentity()) {
            p->fillRect(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                              QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))),
                        p->pen().color());
            return;
        }
        QPolygon pixels;
        pixels.reserve(static_cast<int>(std::max<int64_t>(last - first, 0)));
        for (int64_t i = first; i < last; ++i)
            pixels << line.At(i);
        QPen dot = p->pen();
        dot.setCapStyle(Qt::SquareCap);
        dot.setWidth(0);
        p->setPen(dot);
        p->drawPoints(pixels);
        return;
    }
    p->drawLine(QPoint(from.X, from.Y), QPoint(x, y));
}

void TCanvas::FillRect(const TRect& rect)
{
    if (brush_->Style() == bsClear || rect.IsEmpty()) return;
    QPainter* p = BeginCanvasPainter(*this);
    if (!p) return;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->fillRect(ToQRect(rect), ToQBrush(*brush_));
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.IsEmpty()) return;
    FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
    FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
    FillRect(Rect(r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1));
    FillRect(Rect(r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1) return;
    if (!PenVisible(*pen_)) {
        // Without a pen GDI fills one pixel less on the right and at the bottom.
        FillRect(Rect(x1, y1, x2 - 1, y2 - 1));
        return;
    }
    if (QPainter* p = ShapePainter(*this, true)) p->drawRect(OutlineRect(x1, y1, x2, y2));
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    if (x2 <= x1 || y2 <= y1) return;
    if (QPainter* p = ShapePainter(*this, true))
        p->drawRoundedRect(OutlineRect(x1, y1, x2, y2), cornerWidth / 2.0, cornerHeight / 2.0);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1) return;
    if (QPainter* p = ShapePainter(*this, true)) p->drawEllipse(OutlineRect(x1, y1, x2, y2));
}

static QPolygon ToQPolygon(const std::vector<TPoint>& points)
{
    QPolygon polygon;
    for (const TPoint& pt : points) polygon << QPoint(pt.X, pt.Y);
    return polygon;
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    if (points.size() < 2) return;
    if (QPainter* p = ShapePainter(*this, true)) p->drawPolygon(ToQPolygon(points));
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    if (points.empty()) return;
    MoveTo(points[0].X, points[0].Y);
    for (size_t i = 1; i < points.size(); ++i) LineTo(points[i].X, points[i].Y);
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    if (r.IsEmpty()) return;
    QPainter* p = BeginCanvasPainter(*this);
    if (!p) return;
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p->setPen(Qt::NoPen);
    p->setBrush(Qt::NoBrush);
    // Every other pixel of the frame, counted around it, is inverted.
    QPolygon dots;
    int n = 0;
    auto dot = [&](int x, int y) {
        if (n++ % 2 == 0) dots << QPoint(x, y);
    };
    for (int x = r.Left; x < r.Right; ++x) dot(x, r.Top);
    for (int y = r.Top + 1; y < r.Bottom; ++y) dot(r.Right - 1, y);
    for (int x = r.Right - 2; x >= r.Left; --x) dot(x, r.Bottom - 1);
    for (int y = r.Bottom - 2; y > r.Top; --y) dot(r.Left, y);
    QPen pen(Qt::white, 0);
    p->setPen(pen);
    p->drawPoints(dots);
}

// A surface may hold more device pixels than canvas pixels (a scaled desktop).
static QPoint DevicePoint(const QImage& image, int x, int y)
{
    const qreal ratio = image.devicePixelRatio();
    return QPoint(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

TColor TCanvas::Pixels(int x, int y) const
{
    TCanvasSurface* s = Surface();
    if (!s || !s->image) return clNone;
    const QPoint p = DevicePoint(*s->image, x, y);
    if (!s->image->valid(p)) return clNone;
    return FromQColor(QColor(s->image->pixel(p)));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    TCanvasSurface* s = Surface();
    if (!s || !s->image || !ClipRect().Contains({x, y})) return;
    ++s->version;
    if (s->image->devicePixelRatio() == 1.0) return s->image->setPixel(x, y, ToQColor(color).rgb());
    EndCanvasPainter(*this);
    QPainter p(s->image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

static QPainter* TextPainter(TCanvas& canvas)
{
    QPainter* p = BeginCanvasPainter(canvas);
    if (!p) return nullptr;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (p->font() != ToQFont(*canvas.Font())) p->setFont(ToQFont(*canvas.Font()));
    p->setPen(ToQColor(canvas.Font()->Color()));
    p->setBrush(Qt::NoBrush);
    return p;
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    const TSize size = TextExtent(text);
    penPos_ = {x + size.cx, y};
    if (text.empty()) return;
    if (brush_->Style() != bsClear) FillRect(Bounds(x, y, size.cx, size.cy));
    QPainter* p = TextPainter(*this);
    if (!p) return;
    p->drawText(x, y + QFontMetrics(ToQFont(*font_)).ascent(), QString::fromStdString(text));
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text)
{
    if (rect.IsEmpty()) return;
    if (brush_->Style() != bsClear) FillRect(rect);
    QPainter* p = TextPainter(*this);
    if (!p) return;
    p->save();
    p->setClipRect(ToQRect(rect), Qt::IntersectClip);
    p->drawText(x, y + QFontMetrics(ToQFont(*font_)).ascent(), QString::fromStdString(text));
    p->restore();
}

int TCanvas::TextWidth(const std::string& text) const { return TextExtent(text).cx; }

// Every line of a font is as high, whatever its text.
int TCanvas::TextHeight(const std::string&) const { return TextLineHeight(ToQFont(*font_)); }

TSize TCanvas::TextExtent(const std::string& text) const
{
    const QFont& font = ToQFont(*font_);
    return {TextAdvance(font, QString::fromStdString(text)), TextLineHeight(font)};
}

void TCanvas::Draw(int x, int y, const TGraphic* graphic)
{
    if (!graphic || graphic->Empty()) return;
    graphic->DrawOn(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic* graphic)
{
    if (!graphic || graphic->Empty() || rect.IsEmpty()) return;
    graphic->DrawOn(*this, rect);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect)
{
    TCanvasSurface* from = source ? source->Surface() : nullptr;
    if (!from || !from->image || dest.IsEmpty()) return;
    const qreal ratio = from->image->devicePixelRatio();
    const QRect r = ToQRect(sourceRect);
    const QImage copy = from->image->copy(QRect(DevicePoint(*from->image, r.x(), r.y()), r.size() * ratio));
    QPainter* p = BeginCanvasPainter(*this);
    if (!p) return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(ToQRect(dest), copy);
}

TRect TCanvas::ClipRect() const
{
    TCanvasSurface* s = Surface();
    if (!s || !s->device) return {};
    const qreal ratio = s->device->devicePixelRatioF();
    QRect r(0, 0, static_cast<int>(s->device->width() / ratio), static_cast<int>(s->device->height() / ratio));
    const TQtPainter& q = Qt();
    if (q.baseClip) r &= q.baseClip->boundingRect();
    if (q.userClip) r &= q.userClip->boundingRect();
    return r.isEmpty() ? TRect{} : Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

void TCanvas::SetClipRect(const TRect& rect)
{
    Qt().userClip = QRegion(ToQRect(rect));
    ApplyCanvasClip(Qt());
}

void TCanvas::IntersectClipRect(const TRect& rect)
{
    TQtPainter& q = Qt();
    q.userClip = q.userClip ? q.userClip->intersected(ToQRect(rect)) : QRegion(ToQRect(rect));
    ApplyCanvasClip(q);
}

void TCanvas::ResetClip()
{
    Qt().userClip.reset();
    ApplyCanvasClip(Qt());
}
