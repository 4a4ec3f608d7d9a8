#include <gtest/gtest.h>

#include "controls/LbButtonFace.h"

namespace {
constexpr TColor Face = 15595512; // (248, 247, 237)
constexpr TColor Hot = RGB(255, 255, 0);
constexpr TColor Down = 33023; // (255, 128, 0)
constexpr TColor Light = RGB(255, 255, 255);
constexpr TColor Shadow = RGB(128, 128, 128);
constexpr TColor Magenta = RGB(255, 0, 255);
constexpr int W = 100;
constexpr int H = 23;

class LbFace : public testing::Test {
protected:
    LbFace()
    {
        p.Font = &font;
        p.Color = Face;
        p.HotTrackColor = Hot;
        p.ColorWhenDown = Down;
        p.LightColor = Light;
        p.ShadowColor = Shadow;
        p.Style = bsEncarta;
    }

    // Paints the face on a magenta bitmap, as the button does for its transparent shapes.
    TColor Pixel(int x, int y)
    {
        Paint();
        return bitmap.Canvas()->Pixels(x, y);
    }

    void Paint()
    {
        bitmap.SetSize(W, H);
        bitmap.Canvas()->Brush()->SetColor(Magenta);
        bitmap.Canvas()->FillRect(Rect(0, 0, W, H));
        DrawLbButtonFace(*bitmap.Canvas(), W, H, p);
    }

    // A glyph of square 16-pixel frames in the given colours, each with a white bottom-left
    // pixel as its transparent colour.
    void SetGlyph(std::initializer_list<TColor> frames)
    {
        glyph.SetSize(16 * static_cast<int>(frames.size()), 16);
        int left = 0;
        for (TColor colour : frames) {
            glyph.Canvas()->Brush()->SetColor(colour);
            glyph.Canvas()->FillRect(Rect(left, 0, left + 16, 16));
            glyph.Canvas()->SetPixels(left, 15, clWhite);
            left += 16;
        }
        p.Glyph = &glyph;
        p.NumGlyphs = static_cast<int>(frames.size());
    }

    int InkPixels(TColor background)
    {
        Paint();
        int count = 0;
        for (int y = 2; y < H - 2; ++y)
            for (int x = 2; x < W - 2; ++x)
                count += bitmap.Canvas()->Pixels(x, y) != background;
        return count;
    }

    TFont font;
    TBitmap bitmap;
    TBitmap glyph;
    TLbFaceParams p;
};

TEST_F(LbFace, EncartaAtRestHasTheFaceColourAndARaisedBevel)
{
    EXPECT_EQ(Pixel(50, 10), Face);
    EXPECT_EQ(Pixel(0, 10), Light);
    EXPECT_EQ(Pixel(98, 0), Light);
    EXPECT_EQ(Pixel(0, H - 1), Light); // where the bevel starts
    EXPECT_EQ(Pixel(W - 1, 0), Shadow);
    EXPECT_EQ(Pixel(W - 1, 10), Shadow);
    EXPECT_EQ(Pixel(50, H - 1), Shadow);
}

TEST_F(LbFace, HotTrackColourFollowsTheStep)
{
    p.HotTrackStep = 8;
    EXPECT_EQ(Pixel(50, 10), Hot);
    p.HotTrackStep = 4;
    EXPECT_EQ(Pixel(50, 10), RGB(252, 251, 119));
    p.HotTrackColor = clNone;
    p.HotTrackStep = 8;
    EXPECT_EQ(Pixel(50, 10), Face);
}

TEST_F(LbFace, PressedEncartaInvertsTheBevelWithoutSinkingAndTurnsBold)
{
    p.Caption = "WWWW";
    const int restInk = InkPixels(Face);
    p.Pressed = true;
    p.HotTrackStep = 8;
    EXPECT_EQ(Pixel(50, 2), Down);
    EXPECT_EQ(Pixel(0, 10), Shadow);
    EXPECT_EQ(Pixel(W - 1, 10), Light);
    EXPECT_GT(InkPixels(Down), restInk);
}

TEST_F(LbFace, DisabledButtonIsNeverDrawnPressedOrHot)
{
    p.Enabled = false;
    p.Pressed = true;
    p.HotTrackStep = 8;
    EXPECT_EQ(Pixel(50, 10), Face);
    EXPECT_EQ(Pixel(0, 10), Light);
}

TEST_F(LbFace, FlatButtonShowsItsBevelOnlyWhenHotOrPressed)
{
    p.Flat = true;
    EXPECT_EQ(Pixel(0, 10), Face);
    p.Hot = true;
    EXPECT_EQ(Pixel(0, 10), Light);
    p.Enabled = false;
    EXPECT_EQ(Pixel(0, 10), Face);
}

TEST_F(LbFace, OldStyleHasAnInnerShadowAndADarkOuterEdge)
{
    p.Style = bsOld;
    const TColor dark = ColorToRGB(cl3DDkShadow);
    EXPECT_EQ(Pixel(W - 2, 10), Shadow);
    EXPECT_EQ(Pixel(W - 1, 10), dark);
    EXPECT_EQ(Pixel(0, H - 1), dark); // the bottom edge runs on to x = -1
    EXPECT_EQ(Pixel(0, 10), Light);
    p.Pressed = true;
    EXPECT_EQ(Pixel(1, 10), Shadow);
    EXPECT_EQ(Pixel(0, 10), dark);
    EXPECT_EQ(Pixel(W - 1, 10), Light);
}

TEST_F(LbFace, ModernShadesTowardsTheLightColourAndRoundsItsCorners)
{
    p.Style = bsModern;
    EXPECT_EQ(Pixel(0, 0), Magenta);
    EXPECT_EQ(Pixel(50, 0), Shadow);
    EXPECT_EQ(Pixel(50, 1), Face);
    EXPECT_EQ(Pixel(50, H - 2), Face);
    EXPECT_EQ(Pixel(50, H - 1), Shadow);
    // Row 20 is band 29 of the lower gradient: 248 + 7 * 29 / 31, 247 + 8 * 29 / 31, 237 + 18 * 29 / 31.
    EXPECT_EQ(Pixel(50, 20), RGB(255, 254, 254));
    p.Pressed = true;
    EXPECT_EQ(Pixel(50, 1), Shadow);
}

TEST_F(LbFace, QuickenAndShapeLeaveTheirBackgroundTransparent)
{
    p.Style = bsQuicken;
    EXPECT_EQ(Pixel(2, 0), Magenta);
    EXPECT_EQ(Pixel(50, 0), Shadow);
    EXPECT_EQ(Pixel(50, 10), Face);
    p.Style = bsShape;
    EXPECT_EQ(Pixel(50, 10), Magenta);
    EXPECT_EQ(Pixel(0, 0), Magenta);
}

TEST_F(LbFace, GlyphShowsTheFrameOfTheStateAndFallsBackToTheFirst)
{
    // Centred without a caption: the 16-pixel cell stands at (42, 3).
    SetGlyph({clBlue});
    EXPECT_EQ(Pixel(50, 10), clBlue);
    EXPECT_EQ(Pixel(42, 18), Face); // the transparent colour
    p.Enabled = false;
    EXPECT_EQ(Pixel(50, 10), clBlue);

    SetGlyph({clBlue, clGreen, clRed, clBlack});
    EXPECT_EQ(Pixel(50, 10), clGreen);
    p.Enabled = true;
    p.Hot = true;
    EXPECT_EQ(Pixel(50, 10), clBlack);
    p.Pressed = true; // sunk by one pixel
    EXPECT_EQ(Pixel(51, 11), clRed);
}

TEST_F(LbFace, DisabledCaptionIsGrey)
{
    p.Caption = "IIIIIIII";
    p.Enabled = false;
    Paint();
    bool grey = false, black = false;
    for (int y = 0; y < H; ++y)
        for (int x = 2; x < W - 2; ++x) {
            grey |= bitmap.Canvas()->Pixels(x, y) == RGB(128, 128, 128);
            black |= bitmap.Canvas()->Pixels(x, y) == clBlack;
        }
    EXPECT_TRUE(grey);
    EXPECT_FALSE(black);
}

TEST_F(LbFace, PopupMenuAddsTheArrowAtTheRight)
{
    p.HasPopupMenu = true;
    EXPECT_EQ(Pixel(W - 11, H / 2 - 1), clBlack);
    EXPECT_EQ(Pixel(W - 11, H / 2 + 1), Face);
    EXPECT_EQ(Pixel(W - 9, H / 2 + 1), clBlack);
}
} // namespace
