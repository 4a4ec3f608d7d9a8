#include <cmath>
#include <numbers>
#include <vector>

#include "grid/foundation/painting/CellGraphics.h"
#include "platform/rtl/SysUtils.h"

namespace {

// Point k of a five-pointed star in the box: tips at even k, inner corners at odd k,
// clockwise from the top in steps of 36 degrees.
TPoint StarPoint(int x, int y, int w, int h, int k)
{
    const double angle = k * 36 * std::numbers::pi / 180;
    const int rx = k % 2 == 0 ? w / 2 : w / 2 / 3;
    const int ry = k % 2 == 0 ? h / 2 : h / 2 / 3;
    return {x + w / 2 + static_cast<int>(Round(std::sin(angle) * rx)),
            y + h / 2 - static_cast<int>(Round(std::cos(angle) * ry))};
}

std::vector<TPoint> StarPoints(int x, int y, int w, int h, std::initializer_list<int> corners)
{
    std::vector<TPoint> points;
    for (int k : corners)
        points.push_back(StarPoint(x, y, w, h, k));
    return points;
}

} // namespace

void DrawCellShape(TCanvas* Canvas, int X, int Y, int Width, int Height, TCellShape Shape, TColor BrushColor,
                   TColor PenColor)
{
    Canvas->Brush()->SetColor(BrushColor);
    Canvas->Pen()->SetColor(PenColor);
    if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare)
        Width = Height = std::min(Width, Height);
    const int x = X, y = Y, w = Width, h = Height;
    const int w2 = w & ~1, h2 = h & ~1;
    const int q = h2 / 4, q3 = 3 * q, p = w2 / 4, p3 = 3 * p;
    switch (Shape) {
    case csRectangle:
    case csSquare:
        Canvas->Rectangle(x + 1, y + 1, x + w - 1, y + h - 1);
        break;
    case csCircle:
    case csEllips:
        Canvas->Ellipse(x, y, x + w, y + h);
        break;
    case csRoundRect:
    case csRoundSquare:
        Canvas->RoundRect(x, y, x + w, y + h, 10, 10);
        break;
    case csTriangleLeft:
        Canvas->Polygon({{x + w, y}, {x + w, y + h}, {x, y + h / 2}});
        break;
    case csTriangleRight:
        Canvas->Polygon({{x, y}, {x, y + h}, {x + w, y + h / 2}});
        break;
    case csTriangleUp:
        Canvas->Polygon({{x, y + h}, {x + w, y + h}, {x + w / 2, y}});
        break;
    case csTriangleDown:
        Canvas->Polygon({{x, y}, {x + w, y}, {x + w / 2, y + h}});
        break;
    case csDiamond:
        Canvas->Polygon(
            {{x, y + h / 2}, {x + w / 2, y}, {x + 2 * (w / 2), y + h / 2}, {x + w / 2, y + 2 * (h / 2)}});
        break;
    case csLineVert:
        Canvas->Rectangle(x + w / 2, y, x + w / 2 + 1, y + h);
        break;
    case csLineHorz:
        Canvas->Rectangle(x, y + h / 2, x + w, y + h / 2 + 1);
        break;
    case csStar:
        Canvas->Polygon(StarPoints(x, y, w, h, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        break;
    case csHalfStar:
        Canvas->Polygon(StarPoints(x, y, w, h, {0, 5, 6, 7, 8, 9, 0}));
        break;
    case csArrowUp:
        Canvas->Polygon({{x, y + h / 2},
                         {x + w2 / 2, y},
                         {x + w2, y + h / 2},
                         {x + p3, y + h / 2},
                         {x + p3, y + h},
                         {x + p, y + h},
                         {x + p, y + h / 2}});
        break;
    case csArrowDown:
        Canvas->Polygon({{x, y + h / 2},
                         {x + w2 / 2, y + h},
                         {x + w2, y + h / 2},
                         {x + p3, y + h / 2},
                         {x + p3, y},
                         {x + p, y},
                         {x + p, y + h / 2}});
        break;
    case csArrowLeft:
        Canvas->Polygon({{x, y + h2 / 2},
                         {x + w / 2, y},
                         {x + w / 2, y + q},
                         {x + w, y + q},
                         {x + w, y + q3},
                         {x + w / 2, y + q3},
                         {x + w / 2, y + h2}});
        break;
    case csArrowRight:
        Canvas->Polygon({{x + w, y + h2 / 2},
                         {x + w / 2, y},
                         {x + w / 2, y + q},
                         {x, y + q},
                         {x, y + q3},
                         {x + w / 2, y + q3},
                         {x + w / 2, y + h2}});
        break;
    default:
        break;
    }
}
