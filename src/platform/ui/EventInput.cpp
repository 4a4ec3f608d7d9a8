// Input sent as Qt events, the way QTest sends it: through QCoreApplication's dispatch to
// the widget, so that event filters, propagation to parents and the bridge all run.
#include <QAbstractScrollArea>
#include <QApplication>

#include "platform/ui/Input.h"
#include "platform/ui/QtControls.h"

namespace {

bool IsKeypadKey(Word key)
{
    return (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) || key == VK_MULTIPLY || key == VK_ADD || key == VK_SUBTRACT ||
           key == VK_DECIMAL || key == VK_DIVIDE;
}

// The widget that receives the mouse at a client point: a scrolling control's client area
// is its viewport, as on the desktop (a list box selects the item under the point there).
QWidget* ClientWidget(TControl* control)
{
    QWidget* widget = control->Impl().Widget();
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) return area->viewport();
    return widget;
}

void SendMouse(TControl* control, QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held,
               TShiftState shift)
{
    const QPoint point(x, y);
    QWidget* widget = ClientWidget(control);
    QMouseEvent event(type, point, widget->mapToGlobal(point), button, held, QtModifiersOf(shift));
    QCoreApplication::sendEvent(widget, &event);
}

// A key stroke as the window system gives it: the shortcut check, the press with the text
// it types, the release. A control freed by the press gets no release.
void SendStroke(TWinControl* target, Word key, TShiftState shift, char32_t ch)
{
    if (!target) target = FocusedControl();
    if (!target) return;
    TWeakRef<TWinControl> ref(target);
    const int qtKey = QtKeyOf(key);
    Qt::KeyboardModifiers modifiers = QtModifiersOf(shift);
    if (IsKeypadKey(key)) modifiers |= Qt::KeypadModifier;
    const QString text = ch ? QString::fromUcs4(&ch, 1) : QString();
    QWidget* widget = target->Impl().Widget();
    QKeyEvent shortcut(QEvent::ShortcutOverride, qtKey, modifiers, text);
    QCoreApplication::sendEvent(widget, &shortcut);
    if (!ref) return;
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QCoreApplication::sendEvent(widget, &press);
    if (!ref) return;
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
    QCoreApplication::sendEvent(target->Impl().Widget(), &release);
}

}  // namespace

void SendKey(Word key, TShiftState shift, TWinControl* target) { SendStroke(target, key, shift, CharOfKey(key, shift)); }

void SendText(const std::string& text, TWinControl* target)
{
    StrokesOfText(text, [target](Word key, TShiftState shift, char32_t ch) { SendStroke(target, key, shift, ch); });
}

void SendClick(TControl* control, int x, int y, TMouseButton button, TShiftState shift)
{
    TWeakRef<TControl> ref(control);
    const Qt::MouseButton qtButton = QtButtonOf(button);
    SendMouse(control, QEvent::MouseButtonPress, x, y, qtButton, qtButton, shift);
    if (ref) SendMouse(control, QEvent::MouseButtonRelease, x, y, qtButton, Qt::NoButton, shift);
}

// Qt's order for a double click: press, release, double-click, release.
void SendDoubleClick(TControl* control, int x, int y)
{
    TWeakRef<TControl> ref(control);
    SendClick(control, x, y);
    if (ref) SendMouse(control, QEvent::MouseButtonDblClick, x, y, Qt::LeftButton, Qt::LeftButton, {});
    if (ref) SendMouse(control, QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton, {});
}

void SendMouseMove(TControl* control, int x, int y, TShiftState shift)
{
    SendMouse(control, QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoButton, shift);
}

void SendDrag(TControl* control, int fromX, int fromY, int toX, int toY, TMouseButton button)
{
    TWeakRef<TControl> ref(control);
    const Qt::MouseButton qtButton = QtButtonOf(button);
    SendMouse(control, QEvent::MouseButtonPress, fromX, fromY, qtButton, qtButton, {});
    if (ref) SendMouse(control, QEvent::MouseMove, toX, toY, Qt::NoButton, qtButton, {});
    if (ref) SendMouse(control, QEvent::MouseButtonRelease, toX, toY, qtButton, Qt::NoButton, {});
}

void SendWheel(TControl* control, int x, int y, int delta, TShiftState shift)
{
    const QPoint point(x, y);
    QWidget* widget = control->Impl().Widget();
    QWheelEvent event(point, widget->mapToGlobal(point), QPoint(), QPoint(0, delta), Qt::NoButton,
                      QtModifiersOf(shift), Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}
