#include "platform/ui/Hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QScreen>
#include <QTimer>

#include <memory>
#include <utility>

#include "platform/ui/Forms.h"
#include "platform/ui/QtControls.h"

namespace {

// The hint shown now, and what ends it.
class THintManager : public QObject {
public:
    THintManager()
    {
        hideTimer_.setSingleShot(true);
        QObject::connect(&hideTimer_, &QTimer::timeout, [this] { Cancel(); });
    }

    bool showHints = true;
    int pause = 500;
    int hidePause = 2500;
    TColor color = clInfoBk;
    THintWindowClass windowClass;
    std::unique_ptr<TFont> font = std::make_unique<TFont>();

    void Show(const THintInfo& info);
    void Cancel();
    THintWindow* Shown() const
    {
        THintWindow* w = window_.Get();
        return w && w->Visible() ? w : nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    THintWindow* WindowOf(const THintWindowClass& windowClass);

    TWeakRef<THintWindow> window_;
    bool customWindow_ = false; // made by a class of the control's: made anew each time
    TWeakRef<TControl> control_;
    TRect cursorRect_; // screen coordinates
    QTimer hideTimer_;
    bool watching_ = false;
};

THintManager& Manager()
{
    static THintManager* const manager = [] {
        EnsureQtApplication();
        return new THintManager; // lives as long as the Qt application
    }();
    return *manager;
}

// Qt asks the style how long the mouse rests before a tooltip event: the application's
// hint pause.
class THintTimedStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay) return Application->HintPause();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

TRect ScreenRectOf(const TControl* control, const TRect& client)
{
    const TPoint topLeft = control->ClientToScreen({client.Left, client.Top});
    return Bounds(topLeft.X, topLeft.Y, client.Width(), client.Height());
}

} // namespace

QStyle* NewDesktopStyle(QStyle* base) { return new THintTimedStyle(base); }

THintWindow* THintManager::WindowOf(const THintWindowClass& windowClass)
{
    THintWindow* w = window_.Get();
    if (w && (customWindow_ || windowClass)) {
        delete w;
        w = nullptr;
    }
    if (!w) {
        w = windowClass ? windowClass(Application) : new THintWindow(Application);
        window_ = w;
        customWindow_ = static_cast<bool>(windowClass);
    }
    return w;
}

void THintManager::Show(const THintInfo& info)
{
    THintWindow* w = WindowOf(info.HintWindowClass);
    w->SetColor(info.HintColor);
    TRect rect = w->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    rect = OffsetRect(rect, info.HintPos.X, info.HintPos.Y);
    w->ActivateHintData(rect, info.HintStr, info.HintData);
    control_ = info.HintControl;
    cursorRect_ = ScreenRectOf(info.HintControl, info.CursorRect);
    hideTimer_.stop();
    if (info.HideTimeout >= 0) hideTimer_.start(info.HideTimeout);
    if (!watching_) qApp->installEventFilter(this);
    watching_ = true;
}

void THintManager::Cancel()
{
    hideTimer_.stop();
    if (watching_) qApp->removeEventFilter(this);
    watching_ = false;
    control_ = nullptr;
    if (THintWindow* w = window_.Get()) w->Hide();
}

bool THintManager::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint p = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (!control_ || !cursorRect_.Contains({p.x(), p.y()})) Cancel();
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::WindowDeactivate:
        Cancel();
        break;
    default:
        break;
    }
    return false;
}

THintWindow::THintWindow(TComponent* owner) : TFloatingWindow(owner, fwHint)
{
    Font()->Assign(*Screen->HintFont());
    SetColor(clInfoBk);
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint, void*)
{
    TRect rect = Rect(0, 0, std::max(1, maxWidth), 0);
    Canvas()->Font()->Assign(*Font());
    DrawText(Canvas(), hint, rect, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    return Rect(0, 0, rect.Right + 6, rect.Bottom + 4);
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint)
{
    SetCaption(hint);
    TRect placed = rect;
    EnsureQtApplication();
    const QScreen* screen = QGuiApplication::screenAt(QPoint(rect.Left, rect.Top));
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        const int dx = std::max(area.left() - placed.Left, std::min(0, area.right() + 1 - placed.Right));
        const int dy = std::max(area.top() - placed.Top, std::min(0, area.bottom() + 1 - placed.Bottom));
        placed = OffsetRect(placed, dx, dy);
    }
    ShowAt(placed);
}

void THintWindow::ActivateHintData(const TRect& rect, const std::string& hint, void*)
{
    ActivateHint(rect, hint);
}

void THintWindow::Paint()
{
    TCanvas* canvas = Canvas();
    TRect client = ClientRect();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
    canvas->Brush()->SetColor(clWindowFrame);
    canvas->FrameRect(client);
    canvas->Font()->Assign(*Font());
    canvas->Brush()->SetStyle(bsClear);
    TRect text = Rect(client.Left + 3, client.Top + 2, client.Right - 3, client.Bottom - 2);
    DrawText(canvas, Caption(), text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    canvas->Brush()->SetStyle(bsSolid);
}

TRect MonitorRectAt(TPoint screenPoint)
{
    EnsureQtApplication();
    const QScreen* screen = QGuiApplication::screenAt(QPoint(screenPoint.X, screenPoint.Y));
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return Rect(0, 0, Screen->Width(), Screen->Height());
    const QRect area = screen->geometry();
    return Rect(area.left(), area.top(), area.right() + 1, area.bottom() + 1);
}

std::string GetShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

bool ShowControlHint(TControl* control, TPoint clientPoint)
{
    THintManager& manager = Manager();
    if (!control->ShowHint()) return false;
    if (!manager.showHints) return true;
    THintInfo info;
    info.HintControl = control;
    info.CursorPos = clientPoint;
    info.CursorRect = control->ClientRect();
    const TPoint screen = control->ClientToScreen(clientPoint);
    info.HintPos = {screen.X, screen.Y + 20}; // below the mouse pointer
    info.HintMaxWidth = Screen->Width();
    info.HintColor = manager.color;
    info.HintWindowClass = manager.windowClass;
    info.HideTimeout = manager.hidePause;
    info.HintStr = GetShortHint(control->Hint());
    TWeakRef<TControl> ref(control);
    if (control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 || !ref ||
        info.HintStr.empty()) {
        manager.Cancel();
        return true;
    }
    manager.Show(info);
    return true;
}

THintWindow* ShownHintWindow() { return Manager().Shown(); }

bool TBridgeBase::OnToolTip(QHelpEvent* event)
{
    if (!Live()) return false;
    bool shown = false;
    TControl* control = control_;
    GuardedCall([&] { shown = ShowControlHint(control, {event->pos().x(), event->pos().y()}); });
    return shown;
}

bool TApplication::ShowHint() const { return Manager().showHints; }
void TApplication::SetShowHint(bool show)
{
    Manager().showHints = show;
    if (!show) CancelHint();
}
int TApplication::HintPause() const { return Manager().pause; }
void TApplication::SetHintPause(int milliseconds) { Manager().pause = std::max(0, milliseconds); }
int TApplication::HintHidePause() const { return Manager().hidePause; }
void TApplication::SetHintHidePause(int milliseconds) { Manager().hidePause = milliseconds; }
TColor TApplication::HintColor() const { return Manager().color; }
void TApplication::SetHintColor(TColor color) { Manager().color = color; }
void TApplication::CancelHint() { Manager().Cancel(); }
const THintWindowClass& TApplication::HintWindowClass() const { return Manager().windowClass; }
void TApplication::SetHintWindowClass(THintWindowClass windowClass)
{
    Manager().windowClass = std::move(windowClass);
}

TFont* TScreen::HintFont() const { return Manager().font.get(); }
