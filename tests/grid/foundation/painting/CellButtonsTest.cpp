#include <gtest/gtest.h>

#include "../PixelMap.h"
#include "grid/foundation/painting/CellButtons.h"
#include "platform/os/SystemProfile.h"

namespace {

class CellButtonsTest : public testing::Test {
protected:
    void SetUp() override { Blank(bitmap, 60, 20); }
    TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
    // Whether anything was drawn inside the rectangle and nothing outside it.
    void ExpectDrawnOnlyIn(const TRect& area)
    {
        bool inside = false;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x) {
                const bool drawn = At(x, y) != clWhite;
                if (area.Contains({x, y}))
                    inside = inside || drawn;
                else
                    EXPECT_FALSE(drawn) << "outside at " << x << "," << y;
            }
        EXPECT_TRUE(inside);
    }

    TBitmap bitmap;
    TCellButtonLook look;
};

TEST_F(CellButtonsTest, CustomComboButtonInTheStatesColours)
{
    look.Color = clRed;
    look.BorderColor = clBlue;
    look.ArrowColor = clLime;
    look.ColorHot = clYellow;
    DrawThemedComboButton(bitmap.Canvas(), nullptr, Rect(0, 0, 60, 20), btkCustom, btsNormal, look);
    // The area is columns 41..57, rows 1..18, its custom part starting at column 44.
    EXPECT_EQ(At(43, 5), clWhite);
    EXPECT_EQ(At(44, 5), clRed);
    EXPECT_EQ(At(45, 5), clBlue);
    EXPECT_EQ(At(52, 10), clLime);
    EXPECT_EQ(At(57, 17), clRed);
    EXPECT_EQ(At(58, 5), clWhite);
    EXPECT_EQ(At(50, 0), clWhite);
    DrawThemedComboButton(bitmap.Canvas(), nullptr, Rect(0, 0, 60, 20), btkCustom, btsHot, look);
    EXPECT_EQ(At(44, 5), clYellow);
}

TEST_F(CellButtonsTest, CustomSpinButtonsLeaveARowBetweenTheHalves)
{
    look.Color = clAqua;
    DrawThemedSpinButtons(bitmap.Canvas(), nullptr, Rect(0, 0, 40, 20), btkCustom, btsNormal, look);
    // Area 24..38 x -1..18; upper half to row 8, lower half from row 10.
    EXPECT_EQ(At(26, 5), clAqua);
    EXPECT_EQ(At(26, 9), clWhite);
    EXPECT_EQ(At(26, 12), clAqua);
    EXPECT_EQ(At(31, 3), clBlack);
    EXPECT_EQ(At(31, 12), clBlack);
    EXPECT_EQ(At(23, 5), clWhite);
    EXPECT_EQ(At(39, 5), clWhite);
}

TEST_F(CellButtonsTest, CustomPushButtonIsFilledAndFramed)
{
    look.ColorDown = clRed;
    look.BorderColorDown = clBlue;
    DrawThemedButton(bitmap.Canvas(), nullptr, Rect(10, 2, 30, 12), btkCustom, btsDown, look);
    EXPECT_EQ(At(10, 2), clBlue);
    EXPECT_EQ(At(29, 11), clBlue);
    EXPECT_EQ(At(20, 7), clRed);
    EXPECT_EQ(At(30, 7), clWhite);
}

TEST_F(CellButtonsTest, ClassicComboButtonHasAFaceAndABlackArrow)
{
    DrawThemedComboButton(bitmap.Canvas(), nullptr, Rect(0, 0, 60, 20), btkClassic, btsNormal, look);
    EXPECT_EQ(At(43, 3), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(41, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(49, 9), clBlack);
    ExpectDrawnOnlyIn(Rect(41, 1, 58, 19));
}

TEST_F(CellButtonsTest, DisabledClassicButtonsHaveNoBlackArrow)
{
    DrawThemedSpinButtons(bitmap.Canvas(), nullptr, Rect(0, 0, 60, 20), btkFlat, btsDisabled, look);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            EXPECT_NE(At(x, y), clBlack);
}

TEST_F(CellButtonsTest, StyledButtonsDrawOnlyInTheirArea)
{
    DrawThemedComboButton(bitmap.Canvas(), nullptr, Rect(0, 0, 60, 20), btkVisualStyles, btsNormal, look);
    ExpectDrawnOnlyIn(Rect(41, 1, 58, 19));
    Blank(bitmap, 60, 20);
    DrawThemedSpinButtons(bitmap.Canvas(), nullptr, Rect(0, 0, 60, 20), btkVisualStyles, btsNormal, look);
    ExpectDrawnOnlyIn(Rect(44, 0, 59, 19));
}

TEST_F(CellButtonsTest, StyledKindFallsBackToClassicWithoutTheStyleLibrary)
{
    const TSystemProfile saved = SystemProfile();
    SystemProfile().ThemeLibraryLoaded = false;
    DrawThemedButton(bitmap.Canvas(), nullptr, Rect(0, 0, 20, 20), btkVisualStyles, btsNormal, look);
    SystemProfile() = saved;
    EXPECT_EQ(At(0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(19, 19), ColorToRGB(cl3DDkShadow));
}

} // namespace
