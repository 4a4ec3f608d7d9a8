#include <gtest/gtest.h>

#include "controls/LbButtonColors.h"

namespace {
// The face colour of the system's windows and their two hot-track colours.
constexpr TColor WindowFace = 15595512; // (248, 247, 237)
constexpr TColor Yellow = RGB(255, 255, 0);
constexpr TColor Orange = 33023; // (255, 128, 0)

struct FaceCase {
    const char* name;
    TColor hotTrack;
    TColor whenDown;
    int step;
    bool enabled;
    bool pressed;
    TColor expected;
};

class LbFaceColorRule : public testing::TestWithParam<FaceCase> {};

TEST_P(LbFaceColorRule, BlendsTowardsTheHotTrackColourAndShowsThePressedColour)
{
    const FaceCase& c = GetParam();
    EXPECT_EQ(LbFaceColor({WindowFace, c.hotTrack, c.whenDown}, c.step, c.enabled, c.pressed), c.expected)
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LbFaceColorRule,
    testing::Values(FaceCase{"rest", Yellow, Orange, 0, true, false, WindowFace},
                    FaceCase{"hot", Yellow, Orange, 8, true, false, Yellow},
                    // 248 + 7 * 4 / 8 = 251.5, 247 + 8 * 4 / 8 = 251, 237 - 237 * 4 / 8 = 118.5
                    FaceCase{"half faded", Yellow, Orange, 4, true, false, RGB(252, 251, 119)},
                    FaceCase{"no hover colour", clNone, Orange, 8, true, false, WindowFace},
                    FaceCase{"disabled shows no hover colour", Yellow, Orange, 8, false, false, WindowFace},
                    FaceCase{"pressed", Yellow, Orange, 8, true, true, Orange},
                    FaceCase{"pressed without a pressed colour", Yellow, clNone, 8, true, true, Yellow}),
    [](const testing::TestParamInfo<FaceCase>& info) { return "case" + std::to_string(info.index); });

TEST(LbFaceColor, FadesFromTheHotTrackColourToTheFaceInEightSteps)
{
    const TLbFaceColors colors{RGB(0, 0, 0), RGB(255, 8, 16), clNone};
    std::vector<TColor> steps;
    for (int step = LbHotTrackSteps; step >= 0; --step)
        steps.push_back(LbFaceColor(colors, step, true, false));
    // 255 * k / 8 rounded: 255, 223.125, 191.25, 159.375, 127.5, 95.625, 63.75, 31.875, 0
    EXPECT_EQ(steps, (std::vector<TColor>{RGB(255, 8, 16), RGB(223, 7, 14), RGB(191, 6, 12), RGB(159, 5, 10),
                                          RGB(128, 4, 8), RGB(96, 3, 6), RGB(64, 2, 4), RGB(32, 1, 2),
                                          RGB(0, 0, 0)}));
}

struct GradientCase {
    int top;
    int bottom;
    TLbGradientBand first;
    TLbGradientBand last; // band 30: band 31 starts at the bottom and is always clipped away
};

class LbGradient : public testing::TestWithParam<GradientCase> {};

// From white to (192, 0, 64): band 30 is 255 - 63 * 30 / 31 = 194.03, 255 - 255 * 30 / 31 = 8.23,
// 255 - 191 * 30 / 31 = 70.16.
constexpr TColor Band30 = RGB(194, 8, 70);

TEST_P(LbGradient, CutsTheSpanIntoBandsOfOneThirtyFirst)
{
    const GradientCase& c = GetParam();
    const auto bands = LbGradientBands(c.top, c.bottom, RGB(255, 255, 255), RGB(192, 0, 64));
    ASSERT_EQ(bands.size(), 31u);
    EXPECT_EQ(bands.front(), c.first);
    EXPECT_EQ(bands.back(), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LbGradient,
    testing::Values(GradientCase{2, 5, {2, 3, RGB(255, 255, 255)}, {4, 5, Band30}}, // 3 rows: 1-pixel bands
                    GradientCase{9, 35, {9, 10, RGB(255, 255, 255)}, {34, 35, Band30}}, // 26 rows
                    GradientCase{0, 62, {0, 3, RGB(255, 255, 255)}, {60, 62, Band30}},  // clipped band
                    GradientCase{0, 100, {0, 4, RGB(255, 255, 255)}, {96, 100, Band30}}));

TEST(LbGradient, IsEmptyWithoutRows)
{
    EXPECT_TRUE(LbGradientBands(5, 5, clWhite, clBlack).empty());
    EXPECT_TRUE(LbGradientBands(5, 3, clWhite, clBlack).empty());
}

TEST(LbColorPresets, CustomChangesNothingAndQuickenHasItsOwnShapeAndFont)
{
    EXPECT_EQ(FindLbColorPreset(lcsCustom), nullptr);
    const TLbColorPreset* quicken = FindLbColorPreset(lcsQuicken);
    ASSERT_NE(quicken, nullptr);
    EXPECT_EQ(quicken->Shape, bsQuicken);
    EXPECT_EQ(quicken->FontColor, clWhite);
    EXPECT_EQ(quicken->ColorWhenDown, RGB(41, 101, 173));
    for (TLbColorStyle style = lcsGold; style <= lcsQuicken; style = TLbColorStyle(style + 1))
        EXPECT_NE(FindLbColorPreset(style), nullptr) << style;
}
} // namespace
