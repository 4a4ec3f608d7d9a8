#include "grid/foundation/painting/RotatedTextPlacement.h"

#include <cmath>
#include <numbers>

namespace {

struct TRotatedParts {
    int A, B, C, D; // |h·cos|, |w·sin|, |h·sin|, |w·cos|
};

TRotatedParts RotatedParts(TSize Extent, int Angle)
{
    const double a = Angle * std::numbers::pi / 180.0;
    const auto part = [](double v) { return static_cast<int>(std::lround(std::fabs(v))); };
    return {part(Extent.cy * std::cos(a)), part(Extent.cx * std::sin(a)), part(Extent.cy * std::sin(a)),
            part(Extent.cx * std::cos(a))};
}

int RotatedQuadrant(int Angle) { return Angle <= 90 ? 0 : Angle <= 180 ? 1 : Angle <= 270 ? 2 : 3; }

} // namespace

TPoint PlaceRotatedText(const TRect& R, TSize Extent, int Angle, TAlignment HAlign, TVAlignment VAlign,
                        bool YUp)
{
    // Vertical lengths count downwards, which is negative on paper.
    const int down = YUp ? -1 : 1;
    const int left = R.Left + 2, right = R.Right - 2;
    const int top = R.Top + 2 * down, bottom = R.Bottom - 2 * down;
    const int width = right - left;
    const TRotatedParts p = RotatedParts(Extent, Angle);
    const int A = p.A * down, B = p.B * down, C = p.C, D = p.D;
    const int quadrant = RotatedQuadrant(Angle);

    static constexpr int kLeft = 0, kRight = 1, kCentre = 2;
    const int h = HAlign == taRightJustify ? kRight : HAlign == taCenter ? kCentre : kLeft;
    const int xs[4][3] = {{left, right - D - C, left + (width - C - D) / 2},
                          {left + D, right - C, right - (C + width - D) / 2},
                          {left + C + D, right, right - (width - C - D) / 2},
                          {left + C, right - D, left + (C + width - D) / 2}};

    const int overhang = top + A + B - bottom;
    const int v = VAlign == vtaBottom ? 1 : VAlign == vtaCenter ? 2 : 0;
    const int ys[4][3] = {{top + B, bottom - A, top + B - overhang / 2},
                          {top + A + B, bottom, top + A + B - overhang / 2},
                          {top + A, bottom - B, top + A - overhang / 2},
                          {top, bottom - A - B, top - overhang / 2}};
    return {xs[quadrant][h], ys[quadrant][v]};
}

TSize RotatedTextBounds(TSize Extent, int Angle)
{
    const TRotatedParts p = RotatedParts(Extent, Angle);
    return {p.D + p.C, p.B + p.A};
}
