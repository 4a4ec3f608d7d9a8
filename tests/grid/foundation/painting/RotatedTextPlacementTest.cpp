#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "grid/foundation/painting/RotatedTextPlacement.h"

namespace {

struct PlacementCase {
    int Angle;
    TAlignment HAlign;
    TVAlignment VAlign;
    TPoint Expected;
};

// A 40 x 10 text in a 100 x 50 cell, shrunk to (2, 2)-(98, 48).
TEST(RotatedTextPlacement, OriginPerQuadrantAndAlignment)
{
    const TRect cell{0, 0, 100, 50};
    const PlacementCase cases[] = {
        {0, taLeftJustify, vtaTop, {2, 2}},        {0, taRightJustify, vtaBottom, {58, 38}},
        {0, taCenter, vtaCenter, {30, 20}},        {90, taLeftJustify, vtaTop, {2, 42}},
        {90, taRightJustify, vtaBottom, {88, 48}}, {180, taLeftJustify, vtaTop, {42, 12}},
        {270, taLeftJustify, vtaBottom, {12, 8}},  {360, taLeftJustify, vtaTop, {2, 2}},
    };
    for (const PlacementCase& c : cases) {
        const TPoint at = PlaceRotatedText(cell, {40, 10}, c.Angle, c.HAlign, c.VAlign);
        EXPECT_EQ(at.X, c.Expected.X) << c.Angle << " " << c.HAlign << " " << c.VAlign;
        EXPECT_EQ(at.Y, c.Expected.Y) << c.Angle << " " << c.HAlign << " " << c.VAlign;
    }
}

// The turned text's corners, from the origin a font with that escapement draws from.
TRect TurnedBox(TPoint Origin, TSize Extent, int Angle, int Down)
{
    const double a = Angle * std::numbers::pi / 180.0;
    const double run[2] = {std::cos(a), -std::sin(a) * Down};
    const double descend[2] = {std::sin(a), std::cos(a) * Down};
    double xs[4], ys[4];
    for (int i = 0; i < 4; ++i) {
        const double along = (i & 1) ? Extent.cx : 0, across = (i & 2) ? Extent.cy : 0;
        xs[i] = Origin.X + along * run[0] + across * descend[0];
        ys[i] = Origin.Y + along * run[1] + across * descend[1];
    }
    const auto [minX, maxX] = std::minmax_element(xs, xs + 4);
    const auto [minY, maxY] = std::minmax_element(ys, ys + 4);
    return {static_cast<int>(std::lround(*minX)), static_cast<int>(std::lround(*minY)),
            static_cast<int>(std::lround(*maxX)), static_cast<int>(std::lround(*maxY))};
}

// Whatever the angle, the turned text touches the side it is aligned to and stays inside
// the shrunk cell, on screen and on paper, where y grows upwards.
TEST(RotatedTextPlacement, TurnedTextLandsOnItsAlignedSides)
{
    const TSize extent{60, 14};
    for (const bool yUp : {false, true}) {
        const int down = yUp ? -1 : 1;
        const TRect cell = yUp ? TRect{10, -10, 210, -210} : TRect{10, 10, 210, 210};
        const int top = cell.Top + 2 * down, bottom = cell.Bottom - 2 * down;
        for (int angle = 0; angle <= 360; angle += 15) {
            for (const TAlignment h : {taLeftJustify, taRightJustify, taCenter}) {
                for (const TVAlignment v : {vtaTop, vtaCenter, vtaBottom}) {
                    const TPoint at = PlaceRotatedText(cell, extent, angle, h, v, yUp);
                    const TRect box = TurnedBox(at, extent, angle, down);
                    const int upper = yUp ? box.Bottom : box.Top, lower = yUp ? box.Top : box.Bottom;
                    const auto where = [&] {
                        return testing::Message() << angle << " " << h << " " << v << " " << yUp;
                    };
                    const int offX = h == taLeftJustify ? box.Left - (cell.Left + 2)
                                     : h == taRightJustify
                                         ? box.Right - (cell.Right - 2)
                                         : (box.Left + box.Right - cell.Left - cell.Right) / 2;
                    const int offY = v == vtaTop      ? upper - top
                                     : v == vtaBottom ? lower - bottom
                                                      : (upper + lower - top - bottom) / 2;
                    EXPECT_NEAR(offX, 0, 1) << where();
                    EXPECT_NEAR(offY, 0, 1) << where();
                }
            }
        }
    }
}

TEST(RotatedTextPlacement, BoundsOfTurnedText)
{
    EXPECT_EQ(RotatedTextBounds({40, 10}, 0).cx, 40);
    EXPECT_EQ(RotatedTextBounds({40, 10}, 0).cy, 10);
    EXPECT_EQ(RotatedTextBounds({40, 10}, 90).cx, 10);
    EXPECT_EQ(RotatedTextBounds({40, 10}, 90).cy, 40);
    EXPECT_EQ(RotatedTextBounds({40, 10}, 45).cx, 35);
    EXPECT_EQ(RotatedTextBounds({40, 10}, 45).cy, 35);
}

} // namespace
