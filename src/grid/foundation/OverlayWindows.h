#pragma once
#include "grid/foundation/ArrowShape.h"
#include "grid/foundation/GridEnums.h"
#include "platform/ui/ExtCtrls.h"

// The small windows the grid shows above itself. The grid makes them at run time with
// itself as owner and parent, places them and shows them; they start hidden.

// A lime arrow marking where a moved column or row will land, shaped by its polygon.
class TArrowWindow : public TPanel {
public:
    TArrowWindow(TWinControl* AOwner, TArrowDirection Direction);

    TArrowDirection Dir() const { return FDir; }

protected:
    void CreateWnd() override;
    void Paint() override;

private:
    TArrowDirection FDir;
};

// The window that carries the glow around the focused cell. It never takes the mouse;
// the grid gives it its place, shape and picture.
class TGridFocusWindow : public TCustomControl {
public:
    explicit TGridFocusWindow(TWinControl* AOwner);
};
