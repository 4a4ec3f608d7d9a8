#include <gtest/gtest.h>

#include "grid/foundation/painting/FocusGlow.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/BitmapBits.h"

namespace {

void Fill24(TBitmap& bitmap, int width, int height, TColor color)
{
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
}

uint32_t PixelWord(const TBitmap& bitmap, int x, int y) { return BitmapScanLine(bitmap, y)[x]; }
int Red(const TBitmap& bitmap, int x, int y) { return (PixelWord(bitmap, x, y) >> 16) & 0xFF; }

TEST(FocusGlowTest, MergeMaskPremultipliesByTheMaskRed)
{
    TBitmap source, mask;
    Fill24(source, 3, 1, RGB(200, 100, 50));
    Fill24(mask, 3, 1, clBlack);
    mask.Canvas()->SetPixels(1, 0, RGB(255, 0, 0));
    mask.Canvas()->SetPixels(2, 0, RGB(128, 7, 9)); // only red counts
    TGridAlphaMask alpha;
    alpha.MergeMask(mask, source, clRed);
    EXPECT_EQ(alpha.PixelFormat(), pf32bit);
    EXPECT_EQ(PixelWord(alpha, 0, 0), 0x00000000u); // transparent and black
    EXPECT_EQ(PixelWord(alpha, 1, 0), 0xFFC86432u); // the source colour, opaque
    EXPECT_EQ(PixelWord(alpha, 2, 0), 0x80643219u); // 200, 100, 50 x 128 / 255, rounded
}

TEST(FocusGlowTest, MergeMaskIgnoresSourcesOtherThan24Bit)
{
    TBitmap source, mask;
    source.SetPixelFormat(pf32bit);
    source.SetSize(4, 4);
    Fill24(mask, 4, 4, clWhite);
    TGridAlphaMask alpha;
    alpha.SetSize(2, 3);
    alpha.MergeMask(mask, source, clNone);
    EXPECT_EQ(alpha.Width(), 2);
    EXPECT_EQ(alpha.Height(), 3);
}

// A mask smaller than the picture covers only their common part; the rest is transparent.
TEST(FocusGlowTest, MergeMaskWorksOnTheCommonPartOfDifferentSizes)
{
    TBitmap source, mask;
    Fill24(source, 4, 3, clWhite);
    Fill24(mask, 2, 2, clWhite);
    TGridAlphaMask alpha;
    alpha.MergeMask(mask, source, clNone);
    ASSERT_EQ(alpha.Width(), 4);
    ASSERT_EQ(alpha.Height(), 3);
    EXPECT_EQ(PixelWord(alpha, 1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(PixelWord(alpha, 2, 1), 0u);
    EXPECT_EQ(PixelWord(alpha, 1, 2), 0u);
}

TEST(FocusGlowTest, AssignCopiesOpacityAndPixels)
{
    TBitmap source, mask;
    Fill24(source, 2, 2, clWhite);
    Fill24(mask, 2, 2, clWhite);
    TGridAlphaMask first, second;
    first.MergeMask(mask, source, clNone);
    first.Opacity = 90;
    second.Assign(first);
    EXPECT_EQ(second.Opacity, 90);
    EXPECT_EQ(second.Width(), 2);
    EXPECT_EQ(PixelWord(second, 1, 1), 0xFFFFFFFFu);
    TGridAlphaMask fromBitmap;
    fromBitmap.Assign(source);
    EXPECT_EQ(fromBitmap.PixelFormat(), pf32bit);
}

TEST(FocusGlowTest, FilledFocusMaskIsAWhiteRectangleInsetByTwo)
{
    TBitmap bitmap;
    MakeFocusMaskBitmap(bitmap, 20, 16, 0, 0, 0);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    TCanvas* canvas = bitmap.Canvas();
    for (const TPoint p : {Point(1, 1), Point(18, 8), Point(10, 14), Point(0, 15)})
        EXPECT_EQ(canvas->Pixels(p.X, p.Y), clBlack) << p.X << "," << p.Y;
    for (const TPoint p : {Point(2, 2), Point(17, 13), Point(10, 8)})
        EXPECT_EQ(canvas->Pixels(p.X, p.Y), clWhite) << p.X << "," << p.Y;
}

TEST(FocusGlowTest, OutlinedFocusMaskIsHollow)
{
    TBitmap bitmap;
    MakeFocusMaskBitmap(bitmap, 30, 20, 2, 6, 0);
    TCanvas* canvas = bitmap.Canvas();
    EXPECT_EQ(canvas->Pixels(15, 10), clBlack);
    EXPECT_EQ(canvas->Pixels(15, 3), clWhite);
    EXPECT_EQ(canvas->Pixels(0, 0), clBlack);
}

TEST(FocusGlowTest, BlurLeavesBlackBlackAndRefusesOtherBitmaps)
{
    TBitmap black;
    Fill24(black, 50, 50, clBlack);
    GaussianBlur24(black, 2.5);
    for (const TPoint p : {Point(0, 0), Point(25, 25), Point(49, 3)})
        EXPECT_EQ(PixelWord(black, p.X, p.Y), 0xFF000000u);

    TBitmap device(5, 5);
    device.Canvas()->SetPixels(2, 2, clBlack);
    try {
        GaussianBlur24(device, 1);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Blur only works for 24-bit bitmaps");
    }
    EXPECT_EQ(device.Canvas()->Pixels(2, 2), clBlack);
    EXPECT_EQ(device.Canvas()->Pixels(1, 2), clWhite);
}

// With radius 1 the kernel keeps the taps -2..2: the weights beyond add up to less than
// one step of an 8-bit channel. A single white pixel spreads exactly two pixels each way.
TEST(FocusGlowTest, BlurSpreadsAPixelByTheTrimmedKernel)
{
    TBitmap bitmap;
    Fill24(bitmap, 9, 9, clBlack);
    bitmap.Canvas()->SetPixels(4, 4, clWhite);
    GaussianBlur24(bitmap, 1);
    EXPECT_EQ(Red(bitmap, 4, 4), 41); // trunc(trunc(255 x 0.4026) x 0.4026)
    EXPECT_EQ(Red(bitmap, 5, 4), 24); // trunc(trunc(255 x 0.2442) x 0.4026)
    EXPECT_EQ(Red(bitmap, 3, 4), Red(bitmap, 5, 4));
    EXPECT_GT(Red(bitmap, 2, 4), 0);
    EXPECT_EQ(Red(bitmap, 1, 4), 0);
    EXPECT_EQ(Red(bitmap, 4, 1), 0);
}

} // namespace
