#include <gtest/gtest.h>

#include <algorithm>

#include "grid/foundation/painting/ArrowShape.h"

namespace {

struct ArrowCase {
    TArrowDirection dir;
    TPoint tip;
    // Which coordinate of the tip is the polygon's extreme: 0 least y, 1 most y, 2 most x, 3 least x.
    int extreme;
};

class ArrowOutline : public testing::TestWithParam<ArrowCase> {};

TEST_P(ArrowOutline, HasItsTipAloneAtTheFarSideWithinElevenPixels)
{
    const ArrowCase c = GetParam();
    const TArrowPoints& points = ArrowPoints(c.dir);
    ASSERT_NE(std::find(points.begin(), points.end(), c.tip), points.end());
    const auto key = [&](const TPoint& p) {
        switch (c.extreme) {
        case 0:
            return -p.Y;
        case 1:
            return p.Y;
        case 2:
            return p.X;
        default:
            return -p.X;
        }
    };
    for (const TPoint& p : points) {
        EXPECT_TRUE(p.X >= 0 && p.X <= 10 && p.Y >= 0 && p.Y <= 10);
        if (!(p == c.tip)) {
            EXPECT_LT(key(p), key(c.tip)) << p.X << "," << p.Y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, ArrowOutline,
                         testing::Values(ArrowCase{arrUp, {5, 0}, 0}, ArrowCase{arrDown, {5, 8}, 1},
                                         ArrowCase{arrLeft, {8, 5}, 2}, ArrowCase{arrRight, {0, 5}, 3}));

} // namespace
