#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/painting/FocusGlow.h"
#include "grid/foundation/painting/FocusHelper.h"
#include "grid/foundation/painting/OverlayWindows.h"
#include "platform/ui/LayeredWindow.h"
#include "platform/ui/WindowRegion.h"

// The translucent glow around the edited cell: an overlay window 4 pixels beyond the cell
// on every side, whose middle, over the cell, is cut away so the editor stays reachable.

namespace {

constexpr int kGlowMargin = 4;
constexpr int kGlowGrowth = 2 * kGlowMargin + 1;
constexpr TColor kGlowColor = RGB(151, 211, 253);
constexpr BYTE kGlowOpacity = 230;

// The grid whose glow is shown; there is one at a time.
TExtStringGrid* GlowingGrid = nullptr;

// The glow window forgets the grid it belongs to when it goes, so no reference outlives it.
class TCellGlowWindow : public TGridFocusWindow {
public:
    TCellGlowWindow(TExtStringGrid* AGrid) : TGridFocusWindow(AGrid), Grid(AGrid) {}
    ~TCellGlowWindow() override
    {
        if (GlowingGrid == Grid) GlowingGrid = nullptr;
    }

private:
    TExtStringGrid* Grid;
};

} // namespace

void TExtStringGrid::ShowFocusWindow(const TRect& ARect)
{
    if (!FocusHelper()->Enabled || ARect.IsEmpty()) return;
    if (!FFocusWindow) FFocusWindow = new TCellGlowWindow(this);
    FFocusWindow->SetVisible(false);
    const TSize size{ARect.Width() + kGlowGrowth, ARect.Height() + kGlowGrowth};
    TBitmap mask;
    MakeFocusMaskBitmap(mask, size.cx, size.cy, 4, 5, 3);
    TBitmap colour;
    colour.SetPixelFormat(pf24bit);
    colour.SetSize(size.cx, size.cy);
    colour.Canvas()->Brush()->SetColor(kGlowColor);
    colour.Canvas()->FillRect(Rect(0, 0, size.cx, size.cy));
    TGridAlphaMask glow;
    glow.MergeMask(mask, colour, kGlowColor);
    glow.Opacity = kGlowOpacity;
    TBlendFunction blend;
    blend.SourceConstantAlpha = kGlowOpacity;
    blend.AlphaFormat = AC_SRC_ALPHA;
    const TPoint corner = ClientToScreen({ARect.Left - kGlowMargin, ARect.Top - kGlowMargin});
    const TPoint origin{0, 0};
    CallUpdateLayeredWindow(FFocusWindow, &corner, &size, &glow, &origin, clNone, &blend, ULW_ALPHA);
    const int l = kGlowMargin, t = kGlowMargin, r = l + ARect.Width(), b = t + ARect.Height();
    SetWindowPolygonRegion(FFocusWindow, {{0, 0},
                                          {size.cx, 0},
                                          {size.cx, size.cy},
                                          {0, size.cy},
                                          {0, 0},
                                          {l, t},
                                          {l, b},
                                          {r, b},
                                          {r, t},
                                          {l, t}});
    FFocusWindow->SetVisible(true);
    GlowingGrid = this;
}

void TExtStringGrid::MoveFocusWindow()
{
    if (GlowingGrid != this || !FFocusWindow) return;
    const TRect cell = CellRect(Col(), Row());
    const TPoint corner = ClientToScreen({cell.Left - kGlowMargin, cell.Top - kGlowMargin});
    const TSize size{cell.Width() + kGlowGrowth, cell.Height() + kGlowGrowth};
    CallUpdateLayeredWindow(FFocusWindow, &corner, &size, nullptr, nullptr, clNone, nullptr, 0);
}

void TExtStringGrid::HideFocusWindow()
{
    if (GlowingGrid == this) GlowingGrid = nullptr;
    if (FFocusWindow) FFocusWindow->SetVisible(false);
}
