#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QMouseEvent>

#include "platform/ui/Input.h"
#include "platform/ui/QtControls.h"

namespace {
// The widget that receives the mouse at a client point: a scrolling control's client area
// is its viewport, as on the desktop.
QWidget* ClientWidget(TControl* control)
{
    QWidget* widget = control->Impl().Widget();
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) return area->viewport();
    return widget;
}

void SendButton(QWidget* target, QEvent::Type type, QPointF local, Qt::MouseButtons held)
{
    const QPointF global = target->mapToGlobal(local);
    const QPointF scene = target->window()->mapFromGlobal(global);
    QMouseEvent event(type, local, scene, global, Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}
} // namespace

void SystemClickAt(TControl* control, int x, int y)
{
    TWeakRef<TControl> ref(control);
    QWidget* target = ClientWidget(control);
    const QPointF local(x, y);
    SendButton(target, QEvent::MouseButtonPress, local, Qt::LeftButton);
    if (ref) SendButton(ClientWidget(control), QEvent::MouseButtonRelease, local, Qt::NoButton);
}
