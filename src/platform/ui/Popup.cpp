#include "platform/ui/Popup.h"

#include <QApplication>
#include <QMouseEvent>

#include "platform/ui/Capture.h"
#include "platform/ui/QtControls.h"

namespace {

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

bool IsPress(UINT msg)
{
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
           msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsRelease(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

// The innermost visible child of `parent` at the client point, or nullptr.
TControl* ChildAt(TWinControl* parent, TPoint p)
{
    for (int i = parent->ControlCount() - 1; i >= 0; --i) {
        TControl* child = parent->Controls(i);
        if (!child->Visible() || !child->BoundsRect().Contains(p)) continue;
        if (auto* win = dynamic_cast<TWinControl*>(child))
            if (TControl* inner = ChildAt(win, {p.X - child->Left(), p.Y - child->Top()})) return inner;
        return child;
    }
    return nullptr;
}

// The mouse message again as the Qt event that the control's window would have had.
void SendAsQtEvent(TControl* target, const TMessage& m, QPoint global)
{
    const UINT msg = m.Msg;
    const int which = msg == WM_MOUSEMOVE ? -1 : (msg - WM_LBUTTONDOWN) / 3;
    const int kind = msg == WM_MOUSEMOVE ? -1 : (msg - WM_LBUTTONDOWN) % 3;
    const Qt::MouseButton button = which == 0   ? Qt::LeftButton
                                   : which == 1 ? Qt::RightButton
                                   : which == 2 ? Qt::MiddleButton
                                                : Qt::NoButton;
    const QEvent::Type type = kind == 0   ? QEvent::MouseButtonPress
                              : kind == 1 ? QEvent::MouseButtonRelease
                              : kind == 2 ? QEvent::MouseButtonDblClick
                                          : QEvent::MouseMove;
    const Qt::MouseButtons buttons = QtButtonsOf(MouseKeysToShiftState(m.WParam));
    QWidget* widget = target->Impl().Widget();
    const QPointF local = widget->mapFromGlobal(QPointF(global));
    QMouseEvent event(type, local, QPointF(global), button, buttons, QApplication::keyboardModifiers());
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

TPopupWindow::TPopupWindow(TComponent* owner) : TFloatingWindow(owner, fwPopup)
{
    SetControlStyle(ControlStyle() + csAcceptsControls);
}

void TPopupWindow::Popup(int x, int y)
{
    ShowAt(Bounds(x, y, Width(), Height()));
    SetCapture(this);
}

void TPopupWindow::CloseUp(bool cancelled)
{
    if (!Visible()) return;
    pressTarget_ = nullptr;
    TWeakRef<TControl> self(this);
    Hide();
    if (TControl* holder = GetCapture(); holder && (holder == this || ContainsControl(holder)))
        ReleaseCapture();
    if (self && OnCloseUp && !Quiet()) OnCloseUp(this, cancelled);
}

bool TPopupWindow::RouteToChild(const TMessage& m)
{
    const TPoint p = LParamToPoint(m.LParam);
    TControl* target = pressTarget_.Get();
    if (!target) target = ChildAt(this, p);
    if (IsPress(m.Msg)) pressTarget_ = target;
    if (IsRelease(m.Msg)) pressTarget_ = nullptr;
    if (!target) return false;
    const TPoint global = ClientToScreen(p);
    routing_ = true;
    TWeakRef<TControl> self(this);
    SendAsQtEvent(target, m, QPoint(global.X, global.Y));
    if (self) routing_ = false;
    return true;
}

void TPopupWindow::WndProc(TMessage& m)
{
    if (m.Msg == WM_CAPTURECHANGED) {
        auto* taker = reinterpret_cast<TControl*>(m.LParam);
        if (!taker || !ContainsControl(taker)) CloseUp(true);
        return;
    }
    // A routed event that the control leaves alone comes back up from it: it was handled.
    if (IsMouseMessage(m.Msg) && routing_) return;
    if (IsMouseMessage(m.Msg) && GetCapture() == this) {
        if (IsPress(m.Msg) && !ClientRect().Contains(LParamToPoint(m.LParam))) {
            CloseUp(true);
            return;
        }
        if (RouteToChild(m)) return;
    }
    TFloatingWindow::WndProc(m);
}
