#pragma once
#include "grid/foundation/painting/ArrowShape.h"
#include "grid/foundation/model/GridEnums.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/LayeredWindow.h"

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

// The window that carries the glow around the focused cell: a top-level tool window above
// the grid's window that never takes the focus or the mouse; the grid gives it its place,
// shape and layered picture.
class TGridFocusWindow : public TCustomControl {
public:
    explicit TGridFocusWindow(TWinControl* AOwner);
};

// The layered-window calls the grid makes for its overlays, passed to the platform.
bool CallUpdateLayeredWindow(TWinControl* Window, const TPoint* ScreenPos, const TSize* Size,
                             const TBitmap* Source, const TPoint* SourcePos, TColor Key,
                             const TBlendFunction* Blend, DWORD Flags);
bool CallSetLayeredWindowAttributes(TWinControl* Window, TColor Key, BYTE Alpha, DWORD Flags);
