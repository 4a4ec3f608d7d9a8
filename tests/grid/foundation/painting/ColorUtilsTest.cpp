#include <gtest/gtest.h>

#include "grid/foundation/painting/ColorUtils.h"

namespace {

TEST(ColorUtils, LightenColorPercentStaysInTheChannelRange)
{
    EXPECT_EQ(LightenColorPercent(clWhite, 7), clWhite);
    EXPECT_EQ(LightenColorPercent(RGB(100, 100, 100), 7), RGB(107, 107, 107));
    EXPECT_EQ(LightenColorPercent(RGB(100, 100, 100), -20), RGB(80, 80, 80));
    EXPECT_EQ(LightenColorPercent(RGB(10, 30, 50), 5), RGB(10, 32, 52)); // 10.5 and 52.5 to even
    EXPECT_EQ(LightenColorPercent(RGB(200, 0, 9), -150), RGB(0, 0, 0));
    EXPECT_EQ(LightenColorPercent(clBtnFace, 0), RGB(212, 208, 200));
}

TEST(ColorUtils, BlendColorStepRoundsHalvesToEven)
{
    EXPECT_EQ(BlendColorStep(clBlack, clWhite, 0, 10, 5), RGB(128, 128, 128));
    EXPECT_EQ(BlendColorStep(RGB(0, 100, 200), RGB(10, 0, 200), 0, 4, 1), RGB(2, 75, 200)); // 2.5 to 2
    EXPECT_EQ(BlendColorStep(clRed, clBlue, 0, 10, 10), clBlue);
    EXPECT_EQ(BlendColorStep(clRed, clNone, 0, 10, 5), clRed);
    EXPECT_EQ(BlendColorStep(clBtnFace, clNone, 0, 10, 5), clBtnFace);
    EXPECT_EQ(BlendColorStep(clBlack, clWhite, 0, 10, 20), clWhite); // beyond the range: clamped
}

TEST(ColorUtils, BlendColorStepOverAnEmptyRangeGivesTheFromColour)
{
    EXPECT_EQ(BlendColorStep(RGB(1, 2, 3), clWhite, 5, 5, 5), RGB(1, 2, 3));
}

TEST(ColorUtils, HalvingAndHexText)
{
    EXPECT_EQ(HalveColor(RGB(255, 3, 128)), RGB(127, 1, 64));
    EXPECT_EQ(HalveColor(clInfoBk), RGB(127, 127, 112));
    EXPECT_EQ(IntToHexText(RGB(0x12, 0xAB, 0x0F)), "12AB0F");
    EXPECT_EQ(IntToHexText(clInfoBk), "FFFFE1");
}

} // namespace
