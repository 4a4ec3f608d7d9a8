#include "platform/ui/Capture.h"

#include "platform/ui/Popup.h"
#include "platform/ui/QtControls.h"

// Qt's mouse grab is the capture: Qt routes every mouse event of the program to the
// grabbing widget, and the window system does the same for the pointer outside the program.

namespace {

// The open pop-up that holds the control: the capture goes back to it when the control
// releases it.
TPopupWindow* OpenPopupHolding(TControl* control)
{
    for (TControl* c = control ? control->Parent() : nullptr; c; c = c->Parent())
        if (auto* popup = dynamic_cast<TPopupWindow*>(c); popup && popup->IsOpen()) return popup;
    return nullptr;
}

} // namespace

TControl* GetCapture()
{
    QWidget* grabber = QWidget::mouseGrabber();
    auto* bridge = dynamic_cast<TBridgeBase*>(grabber);
    if (!bridge || !bridge->Control()) return nullptr;
    if (!grabber->isVisible()) { // a hidden window hears no mouse
        grabber->releaseMouse();
        return nullptr;
    }
    return bridge->Control();
}

TControl* SetCapture(TControl* control)
{
    TControl* previous = GetCapture();
    if (!control) control = OpenPopupHolding(previous);
    if (control == previous) return previous;
    if (previous) previous->Impl().widget->releaseMouse();
    if (control) control->Impl().Widget()->grabMouse();
    if (previous) previous->Perform(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(control));
    return previous;
}

bool ReleaseCapture() { return SetCapture(nullptr) != nullptr; }
