#include "grid/foundation/painting/OverlayWindows.h"

#include <algorithm>
#include <vector>

#include "platform/ui/WindowRegion.h"

TArrowWindow::TArrowWindow(TWinControl* AOwner, TArrowDirection Direction) : TPanel(AOwner), FDir(Direction)
{
    int width = 0, height = 0;
    for (const TPoint& p : ArrowPoints(FDir)) {
        width = std::max(width, p.X + 1);
        height = std::max(height, p.Y + 1);
    }
    SetVisible(false);
    SetParentBackground(false);
    SetBevelOuter(bvNone);
    SetColor(clLime);
    SetBounds(0, 0, width, height);
    SetParent(AOwner);
}

void TArrowWindow::CreateWnd()
{
    TPanel::CreateWnd();
    const TArrowPoints& points = ArrowPoints(FDir);
    SetWindowPolygonRegion(this, std::vector<TPoint>(points.begin(), points.end()));
}

void TArrowWindow::Paint()
{
    Canvas()->Brush()->SetColor(Color());
    Canvas()->Pen()->SetColor(Color());
    Canvas()->Rectangle(ClientRect());
}

TGridFocusWindow::TGridFocusWindow(TWinControl* AOwner) : TCustomControl(AOwner)
{
    SetVisible(false);
    SetEnabled(false);
    SetColor(clRed);
    SetBounds(0, 0, 0, 0);
    SetParent(AOwner);
    MakeOverlayWindow(this);
}

bool CallUpdateLayeredWindow(TWinControl* Window, const TPoint* ScreenPos, const TSize* Size,
                             const TBitmap* Source, const TPoint* SourcePos, TColor Key,
                             const TBlendFunction* Blend, DWORD Flags)
{
    return UpdateLayeredWindow(Window, ScreenPos, Size, Source, SourcePos, Key, Blend, Flags);
}

bool CallSetLayeredWindowAttributes(TWinControl* Window, TColor Key, BYTE Alpha, DWORD Flags)
{
    return SetLayeredWindowAttributes(Window, Key, Alpha, Flags);
}
