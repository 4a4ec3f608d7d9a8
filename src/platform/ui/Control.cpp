#include "platform/rtl/Utf8.h"
#include "platform/ui/Capture.h"
#include "platform/ui/Forms.h"
#include "platform/ui/QtControls.h"

TControl::TControl(TComponent* owner)
    : TComponent(owner), d_(std::make_unique<TControlPrivate>(this)), font_(std::make_unique<TFont>())
{
    font_->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl()
{
    TControl::Destroying();
    if (parent_) parent_->RemoveControl(this);
    d_.reset();
}

void TControl::Destroying()
{
    TComponent::Destroying();
    if (d_ && d_->bridge) d_->bridge->Detach();
}

bool TControl::Quiet() const
{
    const TComponentState state = ComponentState();
    return state.Contains(csLoading) || state.Contains(csDestroying);
}

void TControl::Loaded()
{
    TComponent::Loaded();
    UpdateAnchorRules();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    const bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    d_->ApplyGeometry();
    UpdateAnchorRules();
    // The paint buffer follows the size when it is next drawn on: windows built at start-up
    // and never shown cost no pixels.
    if (resized) {
        Perform(WM_SIZE, 0, MAKELPARAM(ClientWidth(), ClientHeight()));
    }
    if (align_ != alNone) RealignParent();
}

void TControl::UpdateAnchorRules()
{
    if (!parent_ || ComponentState().Contains(csLoading) || parent_->aligning_) return;
    d_->anchorParentSize = {parent_->ClientWidth(), parent_->ClientHeight()};
    d_->anchorBounds = BoundsRect();
    d_->anchorKnown = true;
}

void TControl::RealignParent()
{
    if (parent_) parent_->Realign();
}

TRect TControl::ClientRect() const { return Rect(0, 0, width_, height_); }

void TControl::SetClientSize(int width, int height)
{
    const TRect client = ClientRect();
    SetBounds(left_, top_, width + width_ - client.Width(), height + height_ - client.Height());
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    const QPoint g = d_->Widget()->mapToGlobal(QPoint(p.X, p.Y));
    return {g.x(), g.y()};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    const QPoint l = d_->Widget()->mapFromGlobal(QPoint(p.X, p.Y));
    return {l.x(), l.y()};
}

void TControl::SetAlign(TAlign align)
{
    if (align == align_) return;
    align_ = align;
    RealignParent();
}

void TControl::SetAnchors(TAnchors anchors)
{
    anchors_ = anchors;
    UpdateAnchorRules();
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_) return;
    for (const TControl* p = parent; p; p = p->Parent())
        if (p == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
    QWidget* w = d_->Widget();
    w->setParent(parent ? parent->Impl().Widget() : nullptr);
    if (parent) {
        if (!dynamic_cast<TWinControl*>(this)) {
            // Windowless controls lie below the windowed ones of their parent.
            for (int i = 0; i < parent->ControlCount(); ++i)
                if (auto* sibling = dynamic_cast<TWinControl*>(parent->Controls(i))) {
                    w->stackUnder(sibling->Impl().Widget());
                    break;
                }
        }
        d_->ApplyGeometry();
        w->setVisible(visible_);
        if (parentFont_) Perform(CM_PARENTFONTCHANGED);
        if (parentColor_) Perform(CM_PARENTCOLORCHANGED);
        if (auto* win = dynamic_cast<TWinControl*>(this); win && parent->HandleAllocated()) win->HandleNeeded();
    }
    UpdateAnchorRules();
    if (parent && align_ != alNone) parent->Realign();
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_) return;
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible);
    RealignParent();
}

bool TControl::Showing() const
{
    if (!visible_) return false;
    if (parent_) return parent_->Showing();
    return dynamic_cast<const TCustomForm*>(this) != nullptr;
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (d_->widget) d_->widget->setEnabled(enabled);
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& text)
{
    if (text == text_) return;
    text_ = text;
    if (d_->widget && d_->widget->isWindow()) d_->widget->setWindowTitle(QString::fromStdString(text));
    Perform(CM_TEXTCHANGED);
}

void TControl::SetHint(const std::string& hint) { hint_ = hint; }

bool TControl::ShowHint() const { return parentShowHint_ && parent_ ? parent_->ShowHint() : showHint_; }

void TControl::SetShowHint(bool show)
{
    showHint_ = show;
    parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool parent) { parentShowHint_ = parent; }

void TControl::FontChanged()
{
    if (!changingFontFromParent_) parentFont_ = false;
    d_->ApplyFont();
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool parent)
{
    parentFont_ = parent;
    if (parent && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor color)
{
    if (color == color_ && !parentColor_) return;
    color_ = color;
    parentColor_ = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parent)
{
    parentColor_ = parent;
    if (parent && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetCursor(TCursor cursor)
{
    cursor_ = cursor;
    ShowCursor(cursor);
}

void TControl::ShowCursor(TCursor cursor)
{
    if (visibleCursor_ == cursor) return;
    visibleCursor_ = cursor;
    d_->ApplyCursor();
}

void TControl::Invalidate()
{
    if (d_->canvas) d_->dirty = QRegion(0, 0, std::max(1, width_), std::max(1, height_));
    if (d_->widget) d_->widget->update();
}

void TControl::InvalidateRect(const TRect& rect)
{
    const QRect r(rect.Left, rect.Top, rect.Width(), rect.Height());
    if (d_->canvas) d_->dirty += r;
    if (d_->widget) d_->widget->update(r);
}

// A self-painted control paints just its invalid part: the rest of its buffer is on the
// screen already, and copying all of it again would cost a full repaint's blit.
void TControl::Update()
{
    if (!d_->widget || !d_->widget->isVisible()) return;
    if (!d_->canvas)
        d_->widget->repaint();
    else if (!d_->dirty.isEmpty())
        d_->widget->repaint(d_->dirty);
}

void TControl::PaintTo(TCanvas* canvas, int x, int y)
{
    Invalidate();
    QPainter* p = BeginCanvasPainter(*canvas);
    if (!p) return;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    d_->Widget()->render(p, QPoint(x, y), QRegion(), QWidget::DrawChildren);
}

void TControl::BringToFront()
{
    d_->Widget()->raise();
    if (parent_) {
        auto& list = parent_->controls_;
        std::erase(list, this);
        list.push_back(this);
    }
}

void TControl::SendToBack()
{
    d_->Widget()->lower();
    if (parent_) {
        auto& list = parent_->controls_;
        std::erase(list, this);
        list.insert(list.begin(), this);
    }
}

bool TControl::MouseCapture() const { return d_->pressed || GetCapture() == this; }

void TControl::SetMouseCapture(bool capture)
{
    d_->pressed = capture;
    if (capture)
        SetCapture(this);
    else if (GetCapture() == this)
        ReleaseCapture();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Whether the pointer is inside, however the crossing came: the form ends it on hiding.
    if (msg == CM_MOUSEENTER) d_->mouseInside = true;
    if (msg == CM_MOUSELEAVE) d_->mouseInside = false;
    TMessage message{msg, wParam, lParam, 0};
    const TEventScope event(this);
    if (WindowProc)
        WindowProc(message);
    else
        WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message)
{
    // Without double clicks a second click is just another press.
    if (!controlStyle_.Contains(csDoubleClicks)) {
        if (message.Msg == WM_LBUTTONDBLCLK) message.Msg = WM_LBUTTONDOWN;
        if (message.Msg == WM_RBUTTONDBLCLK) message.Msg = WM_RBUTTONDOWN;
        if (message.Msg == WM_MBUTTONDBLCLK) message.Msg = WM_MBUTTONDOWN;
    }
    Dispatch(message);
}

void TControl::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case WM_MOUSEMOVE: return WMMouseMove(m);
    case WM_LBUTTONDOWN: return WMLButtonDown(m);
    case WM_LBUTTONUP: return WMLButtonUp(m);
    case WM_LBUTTONDBLCLK: return WMLButtonDblClk(m);
    case WM_RBUTTONDOWN: return WMRButtonDown(m);
    case WM_RBUTTONUP: return WMRButtonUp(m);
    case WM_RBUTTONDBLCLK: return WMRButtonDblClk(m);
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: return WMMButtonDown(m);
    case WM_MBUTTONUP: return WMMButtonUp(m);
    case WM_MOUSEWHEEL: return WMMouseWheel(m);
    case WM_PAINT: return WMPaint(m);
    case WM_SIZE: return WMSize(m);
    case CM_MOUSEENTER: return CMMouseEnter(m);
    case CM_MOUSELEAVE: return CMMouseLeave(m);
    case CM_ENABLEDCHANGED: return CMEnabledChanged(m);
    case CM_VISIBLECHANGED: return CMVisibleChanged(m);
    case CM_TEXTCHANGED: return CMTextChanged(m);
    case CM_FONTCHANGED: return CMFontChanged(m);
    case CM_COLORCHANGED: return CMColorChanged(m);
    case CM_PARENTFONTCHANGED: return CMParentFontChanged(m);
    case CM_PARENTCOLORCHANGED: return CMParentColorChanged(m);
    case CM_MOUSEWHEEL: return CMMouseWheel(m);
    default: return DefaultHandler(m);
    }
}

void TControl::DefaultHandler(TMessage& message)
{
    TControlPrivate::TNativeCall* native = d_->native;
    if (native && native->msg == message.Msg && !native->done) {
        native->done = true;
        native->call();
        return;
    }
    if (d_->windowDefault) d_->windowDefault(message);
}

void TControl::DoMouseDown(TMessage& m, TMouseButton button, TShiftState extra)
{
    if (controlStyle_.Contains(csNoStdEvents)) return;
    const TPoint p = LParamToPoint(m.LParam);
    MouseDown(button, MouseKeysToShiftState(m.WParam) + extra, p.X, p.Y);
}

void TControl::DoMouseUp(TMessage& m, TMouseButton button)
{
    if (controlStyle_.Contains(csNoStdEvents)) return;
    const TPoint p = LParamToPoint(m.LParam);
    MouseUp(button, MouseKeysToShiftState(m.WParam), p.X, p.Y);
}

void TControl::WMMouseMove(TMessage& m)
{
    DefaultHandler(m);
    if (controlStyle_.Contains(csNoStdEvents)) return;
    const TPoint p = LParamToPoint(m.LParam);
    MouseMove(MouseKeysToShiftState(m.WParam), p.X, p.Y);
}

void TControl::WMLButtonDown(TMessage& m)
{
    DefaultHandler(m);
    d_->pressed = true;
    if (controlStyle_.Contains(csClickEvents)) clicked_ = true;
    DoMouseDown(m, mbLeft, {});
}

void TControl::WMLButtonUp(TMessage& m)
{
    DefaultHandler(m);
    d_->pressed = false;
    if (clicked_) {
        clicked_ = false;
        if (ClientRect().Contains(LParamToPoint(m.LParam))) Click();
    }
    DoMouseUp(m, mbLeft);
}

void TControl::WMLButtonDblClk(TMessage& m)
{
    DefaultHandler(m);
    d_->pressed = true;
    if (controlStyle_.Contains(csClickEvents)) DblClick();
    DoMouseDown(m, mbLeft, {ssDouble});
}

void TControl::WMRButtonDown(TMessage& m)
{
    DefaultHandler(m);
    DoMouseDown(m, mbRight, {});
}

void TControl::WMRButtonUp(TMessage& m)
{
    DefaultHandler(m);
    DoMouseUp(m, mbRight);
}

void TControl::WMRButtonDblClk(TMessage& m)
{
    DefaultHandler(m);
    DoMouseDown(m, mbRight, {ssDouble});
}

void TControl::WMMButtonDown(TMessage& m)
{
    DefaultHandler(m);
    DoMouseDown(m, mbMiddle, m.Msg == WM_MBUTTONDBLCLK ? TShiftState{ssDouble} : TShiftState{});
}

void TControl::WMMButtonUp(TMessage& m)
{
    DefaultHandler(m);
    DoMouseUp(m, mbMiddle);
}

// The wheel turns the control under the mouse first, then its parents, until one of them
// takes it; only then does the window scroll by itself.
void TControl::WMMouseWheel(TMessage& m)
{
    m.Result = Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
    if (m.Result == 0) DefaultHandler(m);
}

void TControl::CMMouseWheel(TMessage& m)
{
    const int delta = static_cast<int16_t>(HIWORD(m.WParam));
    const TShiftState shift = MouseKeysToShiftState(LOWORD(m.WParam));
    m.Result = 0;
    if (DoMouseWheel(shift, delta, LParamToPoint(m.LParam)))
        m.Result = 1;
    else if (parent_)
        m.Result = parent_->Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
}

void TControl::WMPaint(TMessage& m)
{
    if (d_->canvas)
        Paint();
    else
        DefaultHandler(m);
}

void TControl::WMSize(TMessage&)
{
    if (!ComponentState().Contains(csLoading)) Resize();
}

void TControl::CMMouseEnter(TMessage&)
{
    if (OnMouseEnter && !Quiet()) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&)
{
    if (OnMouseLeave && !Quiet()) OnMouseLeave(this);
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::CMVisibleChanged(TMessage&)
{
    if (d_->widget && parent_) d_->widget->setVisible(visible_);
}

void TControl::CMTextChanged(TMessage&) { Invalidate(); }

void TControl::CMFontChanged(TMessage&) { Invalidate(); }

void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage&)
{
    if (!parentFont_ || !parent_) return;
    changingFontFromParent_ = true;
    font_->Assign(*parent_->Font());
    changingFontFromParent_ = false;
}

void TControl::CMParentColorChanged(TMessage&)
{
    if (!parentColor_ || !parent_) return;
    SetColor(parent_->Color());
    parentColor_ = true;
}

void TControl::Click()
{
    if (OnClick && !Quiet()) OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick && !Quiet()) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown && !Quiet()) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove && !Quiet()) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp && !Quiet()) OnMouseUp(this, button, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    constexpr int WheelDelta = 120;
    bool handled = false;
    if (OnMouseWheel && !Quiet()) OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    if (handled) return true;
    int& acc = d_->wheelAccumulator;
    acc += wheelDelta;
    while (std::abs(acc) >= WheelDelta) {
        const bool down = acc < 0;
        acc += down ? WheelDelta : -WheelDelta;
        handled = down ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos);
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheelDown && !Quiet()) OnMouseWheelDown(this, shift, mousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheelUp && !Quiet()) OnMouseWheelUp(this, shift, mousePos, handled);
    return handled;
}

void TControl::Resize()
{
    if (OnResize && !Quiet()) OnResize(this);
}

TCustomForm* GetParentForm(const TControl* control)
{
    if (!control) return nullptr;
    while (control->Parent()) control = control->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

char32_t GetAccelChar(const std::string& caption)
{
    const std::u32string s = utf8::Decode(caption);
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != U'&') continue;
        if (s[i + 1] == U'&') {
            ++i;
            continue;
        }
        const char32_t c = s[i + 1];
        return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : QChar::toUpper(c);
    }
    return 0;
}

bool IsAccel(char32_t key, const std::string& caption)
{
    const char32_t accel = GetAccelChar(caption);
    return accel != 0 && QChar::toUpper(key) == accel;
}
