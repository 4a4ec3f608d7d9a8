#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <cmath>
#include <cstring>

#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/QtControls.h"

namespace {

// The canvas of a self-painting control draws into the control's buffer.
class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControlPrivate* d) : d_(d) {}
    TCanvasSurface* Surface() const override
    {
        d_->ResizeBuffer();
        if (!d_->painting) d_->ScheduleFlush();
        return &d_->surface;
    }

private:
    TControlPrivate* d_;
};

bool IsGraphic(const TControl* control) { return dynamic_cast<const TWinControl*>(control) == nullptr; }

// Moves the pixels of `area` by (dx, dy) inside it, in place; those shifted out are lost.
void ShiftPixels(QImage& image, const QRect& area, int dx, int dy)
{
    const QRect source = area.translated(-dx, -dy).intersected(area);
    if (source.isEmpty()) return;
    constexpr int bytesPerPixel = 4;
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const size_t rowBytes = static_cast<size_t>(source.width()) * bytesPerPixel;
    const auto moveRow = [&](int y) {
        std::memmove(bits + (y + dy) * stride + (source.x() + dx) * bytesPerPixel,
                     bits + y * stride + source.x() * bytesPerPixel, rowBytes);
    };
    // Rows are copied away from the side they move to, so none is overwritten before it moved.
    if (dy > 0)
        for (int y = source.bottom(); y >= source.top(); --y)
            moveRow(y);
    else
        for (int y = source.top(); y <= source.bottom(); ++y)
            moveRow(y);
}

}  // namespace

TControlPrivate::~TControlPrivate()
{
    if (canvas) EndCanvasPainter(*canvas);
    timers.clear();
    if (bridge) bridge->Detach();
    delete widget;
}

QWidget* TControlPrivate::Widget()
{
    if (!widget) {
        EnsureQtApplication();
        auto* w = new TBridge<QWidget>(control);
        w->setFocusPolicy(Qt::NoFocus);
        Attach(w, w);
    }
    return widget;
}

void TControlPrivate::Attach(QWidget* w, TBridgeBase* b)
{
    if (bridge) bridge->Detach();
    delete widget;
    widget = w;
    bridge = b;
    if (TWinControl* parent = control->Parent()) widget->setParent(parent->Impl().Widget());
    ApplyGeometry();
    // A child still without its parent takes the parent's font when it gets one; resolving
    // the default font first would only cost a font look-up.
    if (control->Parent() || !control->ParentFont() || widget->isWindow()) ApplyFont();
    ApplyCursor();
    widget->setEnabled(control->Enabled());
    if (control->Parent() && !widget->isWindow()) widget->setVisible(control->Visible());
}

void TControlPrivate::ApplyGeometry()
{
    if (!widget) return;
    if (widget->isWindow()) {
        widget->resize(std::max(1, control->Width()), std::max(1, control->Height()));
    } else {
        widget->setGeometry(control->Left(), control->Top(), std::max(0, control->Width()),
                            std::max(0, control->Height()));
    }
    LayoutScrollBars();
}

void TControlPrivate::MovedTo(int left, int top)
{
    control->left_ = left;
    control->top_ = top;
}

void TControlPrivate::ApplyFont()
{
    if (!widget || canvas) return;
    // Most controls inherit the font their widget already has from its parent: setting it
    // again costs a font resolution and a cascade of change events per widget. A font of
    // the control's own is set all the same, so that Qt never passes the parent's on to it.
    const bool inherited = control->ParentFont();
    const QFont font = ToQFont(*control->Font());
    if (!inherited || widget->font() != font) widget->setFont(font);
    QPalette palette = widget->palette();
    const QColor color = ToQColor(control->Font()->Color());
    bool changed = false;
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            if (palette.color(group, role) != color) {
                palette.setColor(group, role, color);
                changed = true;
            }
    if (!inherited || changed) widget->setPalette(palette);
}

void TControlPrivate::ApplyCursor()
{
    if (!widget) return;
    if (control->VisibleCursor() == crDefault)
        widget->unsetCursor();
    else
        widget->setCursor(QtCursorOf(control->VisibleCursor()));
}

// The buffer has the widget's size in device pixels, so that a scaled desktop stays sharp;
// the canvas draws in the control's own pixels all the same.
void TControlPrivate::ResizeBuffer()
{
    const QSize size(std::max(1, control->Width()), std::max(1, control->Height()));
    const qreal ratio = widget ? widget->devicePixelRatioF() : 1.0;
    if (buffer.deviceIndependentSize().toSize() == size && buffer.devicePixelRatio() == ratio) return;
    if (canvas) EndCanvasPainter(*canvas);
    buffer = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
    buffer.setDevicePixelRatio(ratio);
    buffer.fill(Qt::transparent);
    surface.device = &buffer;
    surface.image = &buffer;
    dirty = QRegion(QRect(QPoint(), size));
}

void TControlPrivate::ScheduleFlush()
{
    if (flushPending || !widget) return;
    flushPending = true;
    TWeakRef<TControl> ref(control);
    QTimer::singleShot(0, [ref] {
        TControl* c = ref.Get();
        if (!c) return;
        TControlPrivate& d = c->Impl();
        d.flushPending = false;
        if (d.canvas) EndCanvasPainter(*d.canvas);
        if (d.widget) d.widget->update();
    });
}

void TControlPrivate::ScrollBuffer(const QRect& area, int dx, int dy)
{
    const QRect r = area.intersected(QRect(0, 0, control->Width(), control->Height()));
    if (r.isEmpty() || (dx == 0 && dy == 0)) return;
    const qreal ratio = buffer.devicePixelRatio();
    const bool shiftable =
        canvas && buffer.depth() == 32 && ratio == std::floor(ratio) &&
        buffer.deviceIndependentSize().toSize() == QSize(control->Width(), control->Height()) &&
        std::abs(dx) < r.width() && std::abs(dy) < r.height();
    if (!shiftable) {
        dirty += r;
        if (widget) widget->update(r);
        return;
    }
    EndCanvasPainter(*canvas);
    const int scale = static_cast<int>(ratio);
    ShiftPixels(buffer, QRect(r.topLeft() * scale, r.size() * scale), dx * scale, dy * scale);
    const QRegion waiting = dirty.intersected(r).translated(dx, dy).intersected(r);
    const QRegion uncovered = QRegion(r).subtracted(r.translated(dx, dy));
    dirty = dirty.subtracted(r).united(waiting).united(uncovered);
    if (!widget) return;
    // Qt shifts what the screen shows as well, and asks to paint only the uncovered strip,
    // when the widget covers its whole area itself: a control whose background is erased.
    const TControlStyle style = control->ControlStyle();
    widget->setAttribute(Qt::WA_OpaquePaintEvent,
                         !style.Contains(csParentBackground) && !style.Contains(csOpaque));
    widget->scroll(dx, dy, r);
}

void TControlPrivate::PaintCycle(const QRegion& region, QPainter& target, QPoint offset)
{
    ResizeBuffer();
    const QRegion toPaint = region.intersected(dirty);
    if (!toPaint.isEmpty()) {
        EndCanvasPainter(*canvas);
        {
            QPainter eraser(&buffer);
            eraser.setCompositionMode(QPainter::CompositionMode_Source);
            eraser.setClipRegion(toPaint);
            const TControlStyle style = control->ControlStyle();
            const QRect all(QPoint(), buffer.deviceIndependentSize().toSize());
            if (IsGraphic(control) || style.Contains(csParentBackground))
                eraser.fillRect(all, Qt::transparent);
            else if (!style.Contains(csOpaque))
                eraser.fillRect(all, ToQColor(control->Color()));
        }
        painting = true;
        SetCanvasBaseClip(*canvas, toPaint);
        GuardedCall([&] { control->Perform(WM_PAINT); });
        SetCanvasBaseClip(*canvas, std::nullopt);
        painting = false;
        dirty -= toPaint;
    }
    EndCanvasPainter(*canvas);
    target.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const qreal ratio = buffer.devicePixelRatio();
    for (const QRect& r : region)
        target.drawImage(QRectF(r.translated(offset)), buffer,
                         QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
}

void TControlPrivate::LayoutScrollBars()
{
    if (!widget) return;
    const int thickness =
        barThickness > 0 ? barThickness : QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const bool h = bars[SB_HORZ] && barShown[SB_HORZ];
    const bool v = bars[SB_VERT] && barShown[SB_VERT];
    const int w = control->Width(), hgt = control->Height();
    if (h) bars[SB_HORZ]->setGeometry(0, hgt - thickness, w - (v ? thickness : 0), thickness);
    if (v) bars[SB_VERT]->setGeometry(w - thickness, 0, thickness, hgt - (h ? thickness : 0));
    if (h && v && !barCorner) {
        barCorner = new QWidget(widget);
        barCorner->setAutoFillBackground(true);
        QPalette face = barCorner->palette();
        face.setColor(QPalette::Window, ToQColor(clBtnFace));
        barCorner->setPalette(face);
    }
    if (!barCorner) return;
    barCorner->setGeometry(w - thickness, hgt - thickness, thickness, thickness);
    barCorner->setVisible(h && v);
    barCorner->raise();
}

bool TBridgeBase::Live() const
{
    return control_ && !control_->ComponentState().Contains(csDestroying);
}

LRESULT PerformWithNative(TControl* control, UINT msg, WPARAM wParam, LPARAM lParam,
                          const std::function<void()>& native)
{
    TControlPrivate::TNativeCall call{msg, native};
    TControlPrivate& d = control->Impl();
    TControlPrivate::TNativeCall* outer = d.native;
    d.native = &call;
    TWeakRef<TControl> ref(control);
    LRESULT result = 0;
    try {
        result = control->Perform(msg, wParam, lParam);
    } catch (...) {
        if (ref) d.native = outer;
        throw;
    }
    if (ref) d.native = outer;
    return result;
}

bool TBridgeBase::OnKey(QKeyEvent* event)
{
    if (!Live()) return false;
    event->accept();
    auto* own = dynamic_cast<TWinControl*>(control_);
    TWinControl* target = FocusedControl();
    if (!target || GetParentForm(target) != GetParentForm(control_)) target = own;
    if (!target) return true;
    const TShiftState shift = ShiftStateOf(event->modifiers());
    const Word key = VirtualKeyOf(event->key(), event->modifiers());
    GuardedCall([&] {
        if (event->type() == QEvent::KeyRelease) {
            if (!event->isAutoRepeat()) DeliverKeyUp(target, key, shift);
            return;
        }
        std::u32string chars;
        for (char32_t ch : event->text().toStdU32String())
            if (ch != 0x7F) chars += ch;
        if (key == VK_RETURN && shift.Contains(ssCtrl)) chars.assign(1, U'\n');  // a line feed, as on Windows
        DeliverKeyDown(target, key, shift, chars);
    });
    return true;
}

bool TBridgeBase::OnInputMethod(QInputMethodEvent* event, const std::function<void(QInputMethodEvent*)>& native)
{
    if (!Live()) return false;
    if (!event->preeditString().isEmpty() || event->commitString().isEmpty()) {
        native(event);
        return true;
    }
    // A composed text arrives as typed characters; the composition shown so far is cleared.
    QInputMethodEvent clear;
    native(&clear);
    auto* target = dynamic_cast<TWinControl*>(control_);
    if (!target) return true;
    const std::u32string chars = event->commitString().toStdU32String();
    GuardedCall([&] { DeliverKeyDown(target, VK_PACKET, {}, chars); });
    return true;
}

bool TBridgeBase::OnMouse(QMouseEvent* event, const std::function<void()>& native)
{
    if (!Live()) return false;
    TControl* control = control_;
    const QPoint pos = event->position().toPoint();
    const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
    const LPARAM where = MAKELPARAM(pos.x(), pos.y());
    const WPARAM keys = ShiftStateToMouseKeys(shift);
    UINT msg = WM_MOUSEMOVE;
    const int button = event->button() == Qt::RightButton ? 1 : event->button() == Qt::MiddleButton ? 2 : 0;
    switch (event->type()) {
    case QEvent::MouseButtonPress: msg = WM_LBUTTONDOWN + 3 * button; break;
    case QEvent::MouseButtonRelease: msg = WM_LBUTTONUP + 3 * button; break;
    case QEvent::MouseButtonDblClick: msg = WM_LBUTTONDBLCLK + 3 * button; break;
    default: break;
    }
    GuardedCall([&] { PerformWithNative(control, msg, keys, where, native); });
    // The message was this control's alone: a plain widget's own handling ignores the event,
    // and Qt would hand it on to the parent's window as a second press.
    event->accept();
    return true;
}

bool TBridgeBase::OnWheel(QWheelEvent* event, const std::function<void()>& native)
{
    if (!Live()) return false;
    const QPoint global = event->globalPosition().toPoint();
    const int delta = event->angleDelta().y();
    const WPARAM w = (static_cast<WPARAM>(static_cast<Word>(delta)) << 16) |
                     ShiftStateToMouseKeys(ShiftStateOf(event->modifiers(), event->buttons()));
    TControl* control = control_;
    GuardedCall([&] { PerformWithNative(control, WM_MOUSEWHEEL, w, MAKELPARAM(global.x(), global.y()), native); });
    event->accept();
    return true;
}

bool TBridgeBase::OnCrossing(bool enter)
{
    if (!Live()) return false;
    TControl* control = control_;
    GuardedCall([&] { control->Perform(enter ? CM_MOUSEENTER : CM_MOUSELEAVE); });
    return true;
}

bool TBridgeBase::OnFocusIn(QFocusEvent* event, const std::function<void()>& native)
{
    if (!Live()) return false;
    auto* control = dynamic_cast<TWinControl*>(control_);
    if (!control || event->reason() == Qt::PopupFocusReason || FocusedControl() == control) return false;
    TCustomForm* form = GetParentForm(control);
    if (form && !form->Visible()) return false;
    GuardedCall([&] {
        TControlPrivate& d = control->Impl();
        TControlPrivate::TNativeCall call{WM_SETFOCUS, native};
        d.native = &call;
        TWeakRef<TControl> ref(control);
        SetKeyboardFocus(control);
        if (ref) d.native = nullptr;
        if (!call.done) native();
    });
    return true;
}

bool TBridgeBase::OnPaint(QWidget* widget, QPaintEvent* event, const std::function<void()>& native)
{
    if (!Live()) return false;
    TControlPrivate& d = control_->Impl();
    if (d.canvas) {
        QPainter target(widget);
        d.PaintCycle(event->region(), target, QPoint());
        return true;
    }
    TControl* control = control_;
    GuardedCall([&] { PerformWithNative(control, WM_PAINT, 0, 0, native); });
    return true;
}

bool TBridgeBase::OnResize(QWidget* widget)
{
    if (!Live()) return false;
    TControl* control = control_;
    const QSize size = widget->size();
    TControlPrivate& d = control->Impl();
    d.LayoutScrollBars();
    if (size.width() == control->Width() && size.height() == control->Height()) return true;
    GuardedCall([&] { control->SetBounds(control->Left(), control->Top(), size.width(), size.height()); });
    return true;
}

// The user moved a window: its position is kept without moving it again.
bool TBridgeBase::OnMove(QWidget* widget)
{
    if (!Live() || !widget->isWindow()) return false;
    control_->Impl().MovedTo(widget->pos().x(), widget->pos().y());
    return true;
}

bool TBridgeBase::OnClose(QCloseEvent* event)
{
    if (!Live()) return false;
    event->ignore();
    if (auto* form = dynamic_cast<TCustomForm*>(control_)) GuardedCall([&] { form->Close(); });
    return true;
}

bool TBridgeBase::OnActivation(QWidget* widget)
{
    if (!Live()) return false;
    auto* form = dynamic_cast<TCustomForm*>(control_);
    if (form && widget->isActiveWindow() && form->Visible()) GuardedCall([&] { form->Activate(); });
    return true;
}

QCursor QtCursorOf(TCursor cursor)
{
    TPoint hotSpot;
    if (const TBitmap* image = Screen->CursorImage(cursor, hotSpot))
        return QCursor(QPixmap::fromImage(DrawnImage(*image)), hotSpot.X, hotSpot.Y);
    switch (cursor) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

TCanvas* TControl::ControlCanvas() const { return d_->canvas.get(); }

void TControl::CreateControlCanvas()
{
    if (!d_->canvas) d_->canvas = std::make_unique<TControlCanvas>(d_.get());
}
