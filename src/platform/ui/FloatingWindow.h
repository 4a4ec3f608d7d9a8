#pragma once
#include "platform/ui/Controls.h"

// A window of its own over every other window that never takes the focus: the base of hint
// windows and drop-down pop-ups. It paints itself on its Canvas; Left and Top are screen
// coordinates. It is created hidden and shown with Show or ShowAt.
class TFloatingWindow : public TCustomControl {
public:
    enum TKind {
        fwHint,  // lets the mouse through to the windows below
        fwPopup, // takes the mouse, as the list of a drop-down
    };
    TFloatingWindow(TComponent* owner, TKind kind);

    void SetBounds(int left, int top, int width, int height) override;
    // Places the window on the screen rectangle and shows it on top, without activating it.
    void ShowAt(const TRect& screenRect);

protected:
    void CMVisibleChanged(TMessage& message) override;
};
