#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/ui/Graphics.h"
#include "platform/ui/SystemIcons.h"
#include "support/TestFiles.h"

namespace {

// A white bitmap to draw on; probes read its pixels back.
class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() : bitmap(40, 30) {}
    TCanvas* Canvas() { return bitmap.Canvas(); }
    TColor At(int x, int y) { return Canvas()->Pixels(x, y); }
    // The columns of row y that hold the colour.
    std::string Row(int y, TColor color, int from, int to)
    {
        std::string s;
        for (int x = from; x < to; ++x) s += At(x, y) == color ? '#' : '.';
        return s;
    }
    std::string Column(int x, TColor color, int from, int to)
    {
        std::string s;
        for (int y = from; y < to; ++y) s += At(x, y) == color ? '#' : '.';
        return s;
    }
    TBitmap bitmap;
};

TEST_F(CanvasTest, FillRectLeavesOutTheRightAndBottomEdges)
{
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(Rect(2, 3, 6, 5));
    EXPECT_EQ(Row(3, clRed, 0, 8), "..####..");
    EXPECT_EQ(Column(2, clRed, 1, 7), "..##..");
}

TEST_F(CanvasTest, LineToLeavesOutItsEndPoint)
{
    Canvas()->Pen()->SetColor(clBlue);
    Canvas()->MoveTo(2, 4);
    Canvas()->LineTo(7, 4);
    EXPECT_EQ(Row(4, clBlue, 0, 9), "..#####..");
    Canvas()->MoveTo(10, 1);
    Canvas()->LineTo(10, 5);
    EXPECT_EQ(Column(10, clBlue, 0, 7), ".####..");
    Canvas()->MoveTo(20, 0);
    Canvas()->LineTo(24, 4);
    EXPECT_EQ(At(23, 3), clBlue);
    EXPECT_NE(At(24, 4), clBlue);
    EXPECT_EQ(Canvas()->PenPos(), Point(24, 4));
}

TEST_F(CanvasTest, LinesReachingBeyondTheBitmapDrawWhatFallsOnIt)
{
    const TPoint lines[][2] = {{{-150, -80}, {190, 95}}, {{200, 7}, {-300, 21}}, {{13, -500}, {17, 400}},
                               {{-60, 40}, {90, -35}},   {{5, 5}, {30, 12}},     {{39, 29}, {-1, -1}},
                               {{35, 8}, {-20, 8}},      {{6, 50}, {6, 3}},      {{3, 0}, {3, 30}},
                               {{0, 29}, {40, 29}}};
    for (const auto& line : lines) {
        const TPoint from = line[0];
        const TPoint to = line[1];
        Canvas()->Brush()->SetColor(clWhite);
        Canvas()->FillRect(Rect(0, 0, 40, 30));
        Canvas()->Pen()->SetColor(clBlue);
        Canvas()->MoveTo(from.X, from.Y);
        Canvas()->LineTo(to.X, to.Y);
        // Every step of the whole line, kept where it lands on the bitmap.
        std::vector<std::string> expected(30, std::string(40, '.'));
        const int dx = to.X - from.X, dy = to.Y - from.Y;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        for (int i = 0; i < steps; ++i) {
            const int x = from.X + static_cast<int>(std::lround(double(dx) * i / steps));
            const int y = from.Y + static_cast<int>(std::lround(double(dy) * i / steps));
            if (x >= 0 && x < 40 && y >= 0 && y < 30) expected[y][x] = '#';
        }
        for (int y = 0; y < 30; ++y)
            EXPECT_EQ(Row(y, clBlue, 0, 40), expected[y]) << from.X << "," << from.Y << " row " << y;
    }
}

TEST_F(CanvasTest, ALineAcrossTheWholeIntRangeCostsOnlyTheBitmap)
{
    // A point for each of its four billion pixels once asked for tens of gigabytes.
    Canvas()->Pen()->SetColor(clBlue);
    Canvas()->MoveTo(INT_MIN, 5);
    Canvas()->LineTo(INT_MAX, 5);
    EXPECT_EQ(Row(5, clBlue, 0, 40), std::string(40, '#'));
    EXPECT_EQ(Row(4, clBlue, 0, 40), std::string(40, '.'));
    Canvas()->Brush()->SetColor(clWhite);
    Canvas()->FillRect(Rect(0, 0, 40, 30));
    Canvas()->MoveTo(-1000000000, -1000000000);
    Canvas()->LineTo(1000000000, 1000000000);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(At(i, i), clBlue) << i;
        EXPECT_NE(At(i + 1, i), clBlue) << i;
    }
}

TEST_F(CanvasTest, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    Canvas()->Pen()->SetColor(clBlack);
    Canvas()->Brush()->SetColor(clLime);
    Canvas()->Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Row(1, clBlack, 0, 8), ".#####..");
    EXPECT_EQ(Row(2, clBlack, 0, 8), ".#...#..");
    EXPECT_EQ(Row(2, clLime, 0, 8), "..###...");
    EXPECT_EQ(Row(4, clBlack, 0, 8), ".#####..");
    EXPECT_EQ(Row(5, clBlack, 0, 8), "........");
}

TEST_F(CanvasTest, FrameRectUsesTheBrush)
{
    Canvas()->Brush()->SetColor(clNavy);
    Canvas()->FrameRect(Rect(0, 0, 4, 3));
    EXPECT_EQ(Row(0, clNavy, 0, 5), "####.");
    EXPECT_EQ(Row(1, clNavy, 0, 5), "#..#.");
    EXPECT_EQ(Row(2, clNavy, 0, 5), "####.");
}

TEST_F(CanvasTest, SystemColoursComeFromTheClassicTable)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(RGB(1, 2, 3)), RGB(1, 2, 3));
    Canvas()->Brush()->SetColor(clHighlight);
    Canvas()->FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(At(1, 1), RGB(10, 36, 106));
}

TEST_F(CanvasTest, ClipRectLimitsDrawing)
{
    Canvas()->SetClipRect(Rect(5, 5, 10, 10));
    EXPECT_EQ(Canvas()->ClipRect(), Rect(5, 5, 10, 10));
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(Rect(0, 0, 40, 30));
    EXPECT_EQ(Row(6, clRed, 3, 12), "..#####..");
    Canvas()->ResetClip();
    EXPECT_EQ(Canvas()->ClipRect(), Rect(0, 0, 40, 30));
}

TEST_F(CanvasTest, PenModeXorInvertsTwice)
{
    Canvas()->Pen()->SetMode(pmNot);
    Canvas()->MoveTo(0, 2);
    Canvas()->LineTo(5, 2);
    EXPECT_EQ(At(3, 2), clBlack);
    Canvas()->MoveTo(0, 2);
    Canvas()->LineTo(5, 2);
    EXPECT_EQ(At(3, 2), clWhite);
}

TEST_F(CanvasTest, TransparentBitmapLeavesOutItsKeyColour)
{
    TBitmap glyph(4, 4);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
    glyph.Canvas()->Brush()->SetColor(clGreen);
    glyph.Canvas()->FillRect(Rect(1, 1, 3, 3));
    glyph.SetTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    Canvas()->Draw(10, 10, &glyph);
    EXPECT_EQ(At(10, 10), clWhite);
    EXPECT_EQ(At(11, 11), clGreen);
}

TEST_F(CanvasTest, BitmapsGoToBmpFilesAndBack)
{
    TempDir dir;
    Canvas()->SetPixels(3, 4, RGB(1, 2, 3));
    bitmap.SaveToFile(dir.File("flag.bmp"));
    EXPECT_EQ(ReadTestFile(dir.File("flag.bmp")).substr(0, 2), "BM");
    TBitmap loaded;
    loaded.LoadFromFile(dir.File("flag.bmp"));
    EXPECT_EQ(loaded.Width(), 40);
    EXPECT_EQ(loaded.Height(), 30);
    EXPECT_EQ(loaded.Canvas()->Pixels(3, 4), RGB(1, 2, 3));
    WriteTestFile(dir.File("bad.bmp"), "not a picture");
    EXPECT_THROW(loaded.LoadFromFile(dir.File("bad.bmp")), EInvalidGraphic);
    EXPECT_EQ(loaded.Width(), 40);
}

TEST_F(CanvasTest, FontSizeAndHeightAgreeAt96Dpi)
{
    TFont font;
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11);
    font.SetHeight(-32);
    EXPECT_EQ(font.Size(), 24);
    font.SetName("Verdana");
    EXPECT_EQ(font.Name(), "Verdana");
}

// Measures are kept per font: a changed font, or another canvas with another font,
// measures afresh, and the same font measures the same on every canvas.
TEST_F(CanvasTest, TextMeasuresFollowTheFont)
{
    TBitmap other(10, 10);
    const struct {
        int Size;
        TFontStyles Style;
    } fonts[] = {{8, {}}, {20, {}}, {20, {fsBold}}, {8, {}}};
    std::vector<TSize> extents;
    for (const auto& f : fonts) {
        Canvas()->Font()->SetSize(f.Size);
        Canvas()->Font()->SetStyle(f.Style);
        const TSize extent = Canvas()->TextExtent("Measure me");
        other.Canvas()->Font()->Assign(*Canvas()->Font());
        EXPECT_EQ(other.Canvas()->TextExtent("Measure me").cx, extent.cx) << f.Size;
        EXPECT_EQ(Canvas()->TextHeight("x"), extent.cy) << f.Size;
        TRect calc;
        DrawText(Canvas(), "Measure me", calc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        EXPECT_EQ(calc.Width(), extent.cx) << f.Size;
        extents.push_back(extent);
    }
    EXPECT_LT(extents[0].cx, extents[1].cx);
    EXPECT_LT(extents[0].cy, extents[1].cy);
    EXPECT_LT(extents[1].cx, extents[2].cx);
    EXPECT_EQ(extents[3].cx, extents[0].cx);
}

// The text of DrawText lies where its flags put it: ink only inside the expected columns.
class DrawTextTest : public CanvasTest {
protected:
    // The first and last column (or row) holding ink (not white) in the rectangle.
    std::pair<int, int> InkSpan(const TRect& r, bool columns)
    {
        int first = -1, last = -1;
        const int from = columns ? r.Left : r.Top, to = columns ? r.Right : r.Bottom;
        for (int i = from; i < to; ++i)
            for (int j = columns ? r.Top : r.Left; j < (columns ? r.Bottom : r.Right); ++j)
                if (At(columns ? i : j, columns ? j : i) != clWhite) {
                    if (first < 0) first = i;
                    last = i;
                    break;
                }
        return {first, last};
    }
    std::pair<int, int> InkColumns(const TRect& r) { return InkSpan(r, true); }
    std::pair<int, int> InkRows(const TRect& r) { return InkSpan(r, false); }
    void Draw(const std::string& text, TRect r, unsigned flags)
    {
        Canvas()->Brush()->SetStyle(bsClear);
        Canvas()->Font()->SetColor(clBlack);
        DrawText(Canvas(), text, r, flags);
    }
};

TEST_F(DrawTextTest, AlignsHorizontally)
{
    bitmap.SetSize(200, 20);
    const int w = Canvas()->TextWidth("Hi");
    Draw("Hi", Rect(0, 0, 200, 20), DT_LEFT | DT_SINGLELINE);
    EXPECT_LT(InkColumns(Rect(0, 0, 200, 20)).first, 3);
    bitmap.SetSize(0, 0);
    bitmap.SetSize(200, 20);
    Draw("Hi", Rect(0, 0, 200, 20), DT_RIGHT | DT_SINGLELINE);
    EXPECT_GT(InkColumns(Rect(0, 0, 200, 20)).first, 200 - w - 3);
    bitmap.SetSize(0, 0);
    bitmap.SetSize(200, 20);
    Draw("Hi", Rect(0, 0, 200, 20), DT_CENTER | DT_SINGLELINE);
    const auto [first, last] = InkColumns(Rect(0, 0, 200, 20));
    EXPECT_NEAR((first + last) / 2, 100, 3);
}

TEST_F(DrawTextTest, CentresVerticallyOnASingleLine)
{
    bitmap.SetSize(60, 60);
    Draw("X", Rect(0, 0, 60, 60), DT_SINGLELINE | DT_VCENTER);
    const auto [top, bottom] = InkRows(Rect(0, 0, 60, 60));
    EXPECT_NEAR((top + bottom) / 2, 30, 4);
}

TEST_F(DrawTextTest, PrefixUnderlinesTheNextCharacterUnlessNoPrefix)
{
    bitmap.SetSize(100, 30);
    TRect calc = Rect(0, 0, 100, 30);
    DrawText(Canvas(), "&&x", calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.Width(), Canvas()->TextWidth("&x"));
    calc = Rect(0, 0, 100, 30);
    DrawText(Canvas(), "&Ok", calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.Width(), Canvas()->TextWidth("Ok"));
    calc = Rect(0, 0, 100, 30);
    DrawText(Canvas(), "&Ok", calc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(calc.Width(), Canvas()->TextWidth("&Ok"));

    // The underline lies below the baseline, under the first character only.
    const int h = Canvas()->TextHeight("O");
    Draw("&Ok", Rect(0, 0, 100, 30), DT_SINGLELINE);
    const int wO = Canvas()->TextWidth("O");
    const auto [top, bottom] = InkRows(Rect(0, 0, wO, 30));
    const auto [topK, bottomK] = InkRows(Rect(wO + 1, 0, 100, 30));
    EXPECT_GT(bottom, bottomK);
    EXPECT_LT(bottom, h + 2);
    (void)top, (void)topK;
}

TEST_F(DrawTextTest, WordBreakWrapsAndCalcRectMeasures)
{
    const int lineHeight = Canvas()->TextHeight("A");
    const int wordWidth = Canvas()->TextWidth("word");
    TRect r = Rect(0, 0, wordWidth + 2, 0);
    const int height = DrawText(Canvas(), "word word word", r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(height, 3 * lineHeight);
    EXPECT_EQ(r.Bottom, 3 * lineHeight);
    EXPECT_EQ(r.Right, wordWidth);
}

TEST_F(DrawTextTest, EndEllipsisShortensAWideLine)
{
    bitmap.SetSize(200, 20);
    const int limit = Canvas()->TextWidth("abcdef");
    Draw("abcdefghijklmnop", Rect(0, 0, limit, 20), DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LT(InkColumns(Rect(0, 0, 200, 20)).second, limit);
}

// Read from the right, a closing mark goes to the left end of the text, which keeps its place.
TEST_F(DrawTextTest, RightToLeftReadingReordersTheTextInItsPlace)
{
    bitmap.SetSize(100, 20);
    Draw("ab!", Rect(0, 0, 100, 20), DT_SINGLELINE);
    TBitmap leftToRight;
    leftToRight.Assign(bitmap);
    const auto ltrInk = InkColumns(Rect(0, 0, 100, 20));
    bitmap.SetSize(0, 0);
    bitmap.SetSize(100, 20);
    Draw("ab!", Rect(0, 0, 100, 20), DT_SINGLELINE | DT_RTLREADING);
    const auto rtlInk = InkColumns(Rect(0, 0, 100, 20));
    EXPECT_NEAR(rtlInk.first, ltrInk.first, 2);
    EXPECT_NEAR(rtlInk.second, ltrInk.second, 2);
    int differing = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            differing += At(x, y) != leftToRight.Canvas()->Pixels(x, y);
    EXPECT_GT(differing, 0);
}

// Small and large system icons have the desktop's two icon sizes, show something on a
// transparent ground, and are drawn once; a number the list lacks has no icon.
TEST_F(CanvasTest, SystemIconsComeInTwoSizes)
{
    for (bool large : {false, true}) {
        const TBitmap* icon = SystemIcon(3, large);
        ASSERT_NE(icon, nullptr);
        const int size = large ? 32 : 16;
        EXPECT_EQ(icon->Width(), size);
        EXPECT_EQ(icon->Height(), size);
        EXPECT_EQ(icon->PixelFormat(), pf32bit);
        EXPECT_EQ(SystemIcon(3, large), icon);
        bitmap.SetSize(0, 0);
        bitmap.SetSize(size, size);
        Canvas()->Draw(0, 0, icon);
        int ink = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ink += At(x, y) != clWhite;
        EXPECT_GT(ink, 0);
        EXPECT_LT(ink, size * size);
    }
    EXPECT_EQ(SystemIcon(-1, false), nullptr);
    EXPECT_EQ(SystemIcon(999, true), nullptr);
}

}  // namespace
