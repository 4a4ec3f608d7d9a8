#include <gtest/gtest.h>

#include "../PixelMap.h"
#include "grid/foundation/painting/Gradients.h"

namespace {

using Rows = std::vector<std::string>;

class GradientsTest : public testing::Test {
protected:
    GradientsTest() { Blank(bitmap, 5, 4); }
    TCanvas* Canvas() { return bitmap.Canvas(); }
    TColor At(int x, int y) { return Canvas()->Pixels(x, y); }
    Rows Map() { return PixelMap(bitmap, {{clRed, 'R'}, {clBlue, 'B'}, {clLime, 'G'}, {clYellow, 'Y'}}); }
    TBitmap bitmap;
};

TEST_F(GradientsTest, BandsStepTheColoursRoundedHalvesToEven)
{
    DrawGradient(Canvas(), clBlack, RGB(6, 6, 6), 64, Rect(0, 0, 5, 4), true);
    const int expected[] = {0, 2, 3, 4, 6}; // 1.5 and 4.5 rounded to even
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(At(x, 0), RGB(expected[x], expected[x], expected[x])) << x;
        EXPECT_EQ(At(x, 3), At(x, 0)) << x;
    }
}

TEST_F(GradientsTest, ATwoPixelHighRectangleTakesOneStepAndTwoBands)
{
    DrawGradient(Canvas(), clRed, clBlue, 64, Rect(1, 3, 4, 1), false); // top and bottom swapped
    EXPECT_EQ(Map(), (Rows{".....", ".RRR.", ".BBB.", "....."}));
}

TEST_F(GradientsTest, OneColourNoneFillsWithTheOtherBothNoneDrawNothing)
{
    DrawGradient(Canvas(), clNone, clNone, 8, Rect(0, 0, 5, 4), true);
    DrawGradient(Canvas(), clNone, clBlue, 8, Rect(0, 0, 2, 2), true);
    DrawGradient(Canvas(), clRed, clNone, 8, Rect(3, 2, 5, 4), true);
    DrawGradient(Canvas(), clRed, clBlue, 8, Rect(0, 3, 5, 3), true); // no height
    EXPECT_EQ(Map(), (Rows{"BB...", "BB...", "...RR", "...RR"}));
}

TEST_F(GradientsTest, BackgroundSolidFillIsOnePixelTaller)
{
    DrawGradientBackground(Canvas(), Rect(0, 0, 5, 2), clRed, clNone, clNone, clNone, true, clNone, false,
                           true);
    EXPECT_EQ(Map(), (Rows{"RRRRR", "RRRRR", "RRRRR", "....."}));
}

TEST_F(GradientsTest, BackgroundMirrorFillsTwoHalves)
{
    DrawGradientBackground(Canvas(), Rect(0, 0, 5, 4), clRed, clRed, clBlue, clBlue, true, clNone, false,
                           true);
    EXPECT_EQ(Map(), (Rows{"RRRRR", "RRRRR", "BBBBB", "BBBBB"}));
    DrawGradientBackground(Canvas(), Rect(0, 0, 5, 4), clLime, clLime, clYellow, clYellow, false, clNone,
                           false, true);
    EXPECT_EQ(Map(), (Rows{"GGYYY", "GGYYY", "GGYYY", "GGYYY"}));
}

TEST_F(GradientsTest, BackgroundFramesWithoutFillAndSkipsAFrameOfNone)
{
    DrawGradientBackground(Canvas(), Rect(0, 0, 5, 4), clRed, clRed, clNone, clNone, true, clBlue, false,
                           false);
    EXPECT_EQ(Map(), (Rows{"BBBBB", "B...B", "B...B", "BBBBB"}));
    DrawGradientBackground(Canvas(), Rect(0, 0, 5, 4), clRed, clRed, clNone, clNone, true, clLime, true,
                           false);
    EXPECT_EQ(Map(), (Rows{"GBBBG", "G...G", "G...G", "GBBBG"}));
    DrawGradientBackground(Canvas(), Rect(0, 0, 5, 4), clNone, clRed, clNone, clNone, true, clNone, false,
                           true);
    EXPECT_EQ(Map(), (Rows{"GBBBG", "G...G", "G...G", "GBBBG"}));
    DrawGradientBackground(Canvas(), Rect(1, 1, 4, 3), clRed, clRed, clNone, clNone, true, clNone, false,
                           true);
    EXPECT_EQ(Map(), (Rows{"GBBBG", "GRRRG", "GRRRG", "GBBBG"}));
}

} // namespace
