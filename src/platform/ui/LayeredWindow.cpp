#include <QPainter>

#include <algorithm>

#include "platform/ui/BitmapBits.h"
#include "platform/ui/LayeredWindow.h"
#include "platform/ui/QtControls.h"

namespace {

// Paints the window from its picture instead of its control's own painting.
class TLayeredPainter : public QObject {
public:
    explicit TLayeredPainter(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }

    QImage picture; // ARGB32 premultiplied
    BYTE alpha = 255;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || picture.isNull()) return false;
        QPainter painter(static_cast<QWidget*>(watched));
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, picture);
        return true;
    }
};

TLayeredPainter* PainterOf(const TWinControl* window)
{
    QWidget* w = window ? window->Impl().widget : nullptr;
    if (!w || !w->isWindow()) return nullptr;
    return w->findChild<TLayeredPainter*>(QString(), Qt::FindDirectChildrenOnly);
}

// The picture's pixels as they are: premultiplied when they carry per-pixel alpha,
// otherwise opaque colours.
QImage PictureOf(const TBitmap& source, bool perPixelAlpha)
{
    QImage image(source.Width(), source.Height(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < source.Height(); ++y) {
        const uint32_t* from = BitmapScanLine(source, y);
        auto* to = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int x = 0; x < source.Width(); ++x)
            to[x] = perPixelAlpha ? from[x] : from[x] | 0xFF000000u;
    }
    return image;
}

} // namespace

void MakeOverlayWindow(TWinControl* control)
{
    QWidget* w = control->Impl().widget;
    const bool visible = control->Visible() && control->Parent();
    w->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                      Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
    w->setAttribute(Qt::WA_TranslucentBackground);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!PainterOf(control)) new TLayeredPainter(w);
    w->setVisible(visible);
}

bool UpdateLayeredWindow(TWinControl* window, const TPoint* screenPos, const TSize* size,
                         const TBitmap* source, const TPoint* sourcePos, TColor, const TBlendFunction* blend,
                         DWORD flags)
{
    TLayeredPainter* painter = PainterOf(window);
    if (!painter || (flags & ULW_COLORKEY)) return false;
    QWidget* w = window->Impl().widget;
    if (size) window->SetBounds(window->Left(), window->Top(), size->cx, size->cy);
    if (screenPos) w->move(screenPos->X, screenPos->Y);
    if (source) {
        const bool perPixel = (flags & ULW_ALPHA) && blend && (blend->AlphaFormat & AC_SRC_ALPHA);
        const TPoint from = sourcePos ? *sourcePos : TPoint{0, 0};
        painter->picture = PictureOf(*source, perPixel).copy(from.X, from.Y, w->width(), w->height());
    }
    if ((flags & ULW_ALPHA) && blend) {
        painter->alpha = blend->SourceConstantAlpha;
        w->setWindowOpacity(painter->alpha / 255.0);
    }
    w->update();
    return true;
}

bool SetLayeredWindowAttributes(TWinControl* window, TColor, BYTE alpha, DWORD flags)
{
    TLayeredPainter* painter = PainterOf(window);
    if (!painter || (flags & LWA_COLORKEY)) return false;
    if (flags & LWA_ALPHA) {
        painter->alpha = alpha;
        window->Impl().widget->setWindowOpacity(alpha / 255.0);
    }
    return true;
}

bool LayeredWindowPicture(const TWinControl* window, TBitmap& picture)
{
    const TLayeredPainter* painter = PainterOf(window);
    if (!painter || painter->picture.isNull()) return false;
    picture.SetPixelFormat(pf32bit);
    picture.SetSize(painter->picture.width(), painter->picture.height());
    for (int y = 0; y < picture.Height(); ++y) {
        const auto* from = reinterpret_cast<const uint32_t*>(painter->picture.constScanLine(y));
        std::copy(from, from + picture.Width(), BitmapScanLine(picture, y));
    }
    return true;
}

BYTE LayeredWindowAlpha(const TWinControl* window)
{
    const TLayeredPainter* painter = PainterOf(window);
    return painter ? painter->alpha : 255;
}
