#include "grid/control/GridBackground.h"

#include "grid/control/settings/BackGround.h"
#include "grid/foundation/painting/ColorUtils.h"
#include "grid/foundation/painting/Gradients.h"

namespace {

constexpr int kGradientSteps = 128;

} // namespace

void DrawPlacedPicture(TCanvas* Canvas, TBitmap& Picture, TPoint At, const TRect& Area)
{
    TRect dest;
    if (Picture.Empty() || !IntersectRect(dest, Area, Bounds(At.X, At.Y, Picture.Width(), Picture.Height())))
        return;
    Canvas->CopyRect(dest, Picture.Canvas(), OffsetRect(dest, -At.X, -At.Y));
}

void DrawTiledPicture(TCanvas* Canvas, TBitmap& Picture, TPoint Origin, const TRect& Area)
{
    const int w = Picture.Width(), h = Picture.Height();
    if (Picture.Empty() || w <= 0 || h <= 0) return;
    // The first tile that reaches into the area, whichever side of it the origin lies.
    const auto firstTile = [](int Origin, int Edge, int Size) {
        const int steps = (Edge - Origin) / Size - (Edge < Origin && (Edge - Origin) % Size != 0 ? 1 : 0);
        return Origin + steps * Size;
    };
    for (int y = firstTile(Origin.Y, Area.Top, h); y < Area.Bottom; y += h)
        for (int x = firstTile(Origin.X, Area.Left, w); x < Area.Right; x += w)
            DrawPlacedPicture(Canvas, Picture, {x, y}, Area);
}

void DrawBackgroundGradient(TCanvas* Canvas, const TBackGround& Back, int Extent, const TRect& Area)
{
    const bool horizontal = Back.Display() == bdGradientHorz;
    const int from = horizontal ? Area.Left : Area.Top;
    const int to = horizontal ? Area.Right : Area.Bottom;
    // A control of no size has no gradient to take colours from.
    if (Extent <= 0) return;
    const TColor start = BlendColorStep(Back.Color(), Back.ColorTo(), 0, Extent, from);
    const TColor end = BlendColorStep(Back.Color(), Back.ColorTo(), 0, Extent, to);
    Canvas->Brush()->SetColor(end);
    Canvas->Pen()->SetColor(end);
    DrawGradient(Canvas, start, end, kGradientSteps, Area, horizontal);
}
