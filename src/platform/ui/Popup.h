#pragma once
#include <functional>

#include "platform/ui/FloatingWindow.h"

// The pop-up of a drop-down: a borderless window over the others that never takes the
// focus (the keyboard stays with the drop-down's edit). While it is open it holds the mouse
// capture: a press outside it closes it as cancelled, and the mouse inside reaches the
// control under it, as if nothing were captured. A control inside that takes the capture
// for itself gives it back to the pop-up when it releases it; the capture taken by any
// other control closes the pop-up.
class TPopupWindow : public TFloatingWindow {
public:
    explicit TPopupWindow(TComponent* owner);

    // Shows the pop-up with its top-left corner at the screen point and captures the mouse.
    void Popup(int x, int y);
    // Hides it and releases the capture, then fires OnCloseUp; nothing when it is closed.
    void CloseUp(bool cancelled);
    bool IsOpen() const { return Visible(); }

    std::function<void(TObject* Sender, bool Cancelled)> OnCloseUp;

    void WndProc(TMessage& message) override;

private:
    // Hands a mouse message to the control under the mouse; true when one took it.
    bool RouteToChild(const TMessage& message);

    TWeakRef<TControl> pressTarget_; // the child that got the press gets the release too
    bool routing_ = false;
};
