#include "platform/ui/ScreenInput.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QWindow>

#include "platform/ui/QtControls.h"

// Qt's entry for input from the window system, exported for its own test library.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

namespace {

QWindow* WindowReceiving(QPoint global)
{
    if (QWidget* grabber = QWidget::mouseGrabber()) return grabber->window()->windowHandle();
    return QGuiApplication::topLevelAt(global);
}

} // namespace

void ScreenMouse(TScreenMouseAction action, TPoint screenPoint, TMouseButton button)
{
    EnsureQtApplication();
    static Qt::MouseButtons held;
    static int timestamp = 0;
    const QPoint global(screenPoint.X, screenPoint.Y);
    QWindow* window = WindowReceiving(global);
    const Qt::MouseButton qtButton = QtButtonOf(button);
    QEvent::Type type = QEvent::MouseMove;
    if (action == smPress) type = QEvent::MouseButtonPress, held |= qtButton;
    if (action == smRelease) type = QEvent::MouseButtonRelease, held &= ~qtButton;
    // Far apart in time, so that two clicks never make a double click.
    timestamp += 10000;
    if (!window) return; // nothing of the program is there to hear it
    qt_handleMouseEvent(window, window->mapFromGlobal(QPointF(global)), QPointF(global), held,
                        action == smMove ? Qt::NoButton : qtButton, type, Qt::NoModifier, timestamp);
    QCoreApplication::processEvents();
}

void ScreenClick(TPoint screenPoint, TMouseButton button)
{
    ScreenMouse(smPress, screenPoint, button);
    ScreenMouse(smRelease, screenPoint, button);
}

void RestMouseOver(TControl* control, TPoint clientPoint)
{
    QWidget* widget = control->Impl().Widget();
    const QPoint local(clientPoint.X, clientPoint.Y);
    QHelpEvent event(QEvent::ToolTip, local, widget->mapToGlobal(local));
    QCoreApplication::sendEvent(widget, &event);
}
