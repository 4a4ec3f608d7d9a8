#include <gtest/gtest.h>

#include "grid/dropdown/DropDownDrawing.h"

TEST(DropDownDrawing, GradientBandsOverlapByOnePixel)
{
    TBitmap Bitmap(10, 4);
    TCanvas* Canvas = Bitmap.Canvas();
    Canvas->Brush()->SetColor(clLime);
    Canvas->FillRect(TRect{0, 0, 10, 4});
    // Two bands over 10 pixels: the first covers 0-4, the second 4-8, the last column stays.
    DrawDropDownGradient(Canvas, clBlack, clWhite, true, TRect{0, 0, 10, 4}, 2);
    EXPECT_EQ(Canvas->Pixels(0, 1), clBlack);
    EXPECT_EQ(Canvas->Pixels(4, 1), RGB(128, 128, 128));
    EXPECT_EQ(Canvas->Pixels(8, 1), RGB(128, 128, 128));
    EXPECT_EQ(Canvas->Pixels(9, 1), clLime);
    // No steps counts as one band.
    DrawDropDownGradient(Canvas, clRed, clWhite, false, TRect{0, 0, 10, 4}, 0);
    EXPECT_EQ(Canvas->Pixels(5, 3), clRed);
}

TEST(DropDownDrawing, ColourArithmetic)
{
    EXPECT_EQ(BlendColors(clRed, clBlack, 50), RGB(128, 0, 0));
    EXPECT_EQ(BlendColors(clRed, clBlack, 120), clRed);
    EXPECT_EQ(BlendColors(clRed, clBlack, -5), clBlack);
    EXPECT_EQ(ScaleColorChannels(RGB(100, 0, 200), 10, 5, -50), RGB(100, 5, 100));
    EXPECT_EQ(ScaleColorChannels(RGB(0, 0, 0), -3, 0, 7), RGB(0, 0, 7));
}

TEST(DropDownDrawing, TextHelpers)
{
    TBitmap Bitmap(10, 10);
    TCanvas* Canvas = Bitmap.Canvas();
    EXPECT_EQ(MeasureText(Canvas, "").cx, 0);
    const std::string Long = "a rather long caption for a narrow button";
    const std::string Cut = TruncateText(Canvas, Long, 60, true);
    EXPECT_LT(Canvas->TextWidth(Cut), 60);
    EXPECT_EQ(Cut.substr(Cut.size() - 3), "...");
    EXPECT_EQ(TruncateText(Canvas, "ab", 500, true), "ab");
    EXPECT_EQ(UpperCaseUnless("ab", true), "ab");
    EXPECT_EQ(UpperCaseUnless("ab", false), "AB");
    const TSize Size = DrawHtmlCaption(Canvas, "<b>x</b>", TRect{0, 0, 100, 20}, true);
    EXPECT_GT(Size.cx, 0);
}
