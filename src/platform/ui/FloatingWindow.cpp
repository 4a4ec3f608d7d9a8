#include "platform/ui/FloatingWindow.h"

#include "platform/ui/QtControls.h"

TFloatingWindow::TFloatingWindow(TComponent* owner, TKind kind) : TCustomControl(owner)
{
    visible_ = false;
    EnsureQtApplication();
    Qt::WindowFlags flags = Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
    flags |= kind == fwHint ? Qt::ToolTip | Qt::WindowTransparentForInput : Qt::Tool;
    auto* window = new TBridge<QWidget>(this, nullptr, flags);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setFocusPolicy(Qt::NoFocus);
    if (kind == fwHint) window->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The window is never the active one; the controls on a pop-up still show their hints.
    if (kind == fwPopup) window->setAttribute(Qt::WA_AlwaysShowToolTips);
    Impl().Attach(window, window);
    CreateControlCanvas();
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks});
}

void TFloatingWindow::SetBounds(int left, int top, int width, int height)
{
    TCustomControl::SetBounds(left, top, width, height);
    Impl().Widget()->move(Left(), Top());
}

void TFloatingWindow::ShowAt(const TRect& screenRect)
{
    SetBoundsRect(screenRect);
    if (Visible())
        Impl().Widget()->raise();
    else
        Show();
    Invalidate();
}

void TFloatingWindow::CMVisibleChanged(TMessage&)
{
    QWidget* w = Impl().Widget();
    if (!Visible()) {
        w->hide();
        return;
    }
    HandleNeeded();
    w->show();
    w->raise();
}
