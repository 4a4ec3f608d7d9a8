#include <gtest/gtest.h>

#include "grid/foundation/editors/TimeFieldPlacement.h"

namespace {

struct TPlacementCase {
    const char* name;
    TTimeFieldLook look;
    TRect expected; // a 200 x 21 control, time text 40 pixels wide: the field is 71 wide
};

class TimeFieldPlacementTest : public ::testing::TestWithParam<TPlacementCase> {};

TEST_P(TimeFieldPlacementTest, PlacesTheFieldForTheLook)
{
    EXPECT_EQ(TimeFieldBounds(GetParam().look, 200, 21, 40), GetParam().expected) << GetParam().name;
}

TTimeFieldLook Look(bool locale, bool cc6, bool theme, bool metro, bool bevel, int frame)
{
    return {locale, cc6, theme, metro, bevel, frame};
}

INSTANTIATE_TEST_SUITE_P(
    Looks, TimeFieldPlacementTest,
    ::testing::Values(
        TPlacementCase{"themed, no frame", Look(true, true, true, false, false, 0), Rect(95, 1, 166, 20)},
        // The frame moves the field in and clips it at the frame's inner edge.
        TPlacementCase{"themed, sunken frame", Look(true, true, true, false, false, 2), Rect(97, 3, 168, 19)},
        TPlacementCase{"metro, single line", Look(true, true, true, true, false, 1), Rect(109, 2, 180, 20)},
        TPlacementCase{"no theme", Look(true, true, false, false, false, 2), Rect(110, 4, 181, 19)},
        TPlacementCase{"classic controls", Look(true, false, true, false, false, 2), Rect(108, 2, 179, 19)},
        TPlacementCase{"classic, bevelled", Look(true, false, false, false, true, 0), Rect(102, 0, 173, 15)},
        // Without the locale function a bevel is not counted.
        TPlacementCase{"no locale function", Look(false, true, true, true, true, 0), Rect(108, 0, 179, 19)}));

} // namespace
