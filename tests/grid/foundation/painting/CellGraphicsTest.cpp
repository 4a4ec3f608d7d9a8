#include <gtest/gtest.h>

#include <cstdlib>

#include "../PixelMap.h"
#include "grid/foundation/painting/CellGraphics.h"

namespace {

class CellGraphics : public testing::Test {
protected:
    void SetUp() override { Blank(bitmap_, 100, 30); }
    TCanvas* Canvas() { return bitmap_.Canvas(); }
    TColor At(int x, int y) { return Canvas()->Pixels(x, y); }
    // Pixels of the colour in the area; with near, also those close to it, as the edges of
    // smoothed text are.
    int Count(TColor color, const TRect& area, bool near = false)
    {
        const auto close = [&](TColor pixel) {
            for (int shift : {0, 8, 16})
                if (std::abs(int((pixel >> shift) & 0xFF) - int((color >> shift) & 0xFF)) > (near ? 80 : 0))
                    return false;
            return true;
        };
        int count = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                count += close(At(x, y));
        return count;
    }
    // The columns of one pixel row as characters after the legend.
    std::string Row(int y, const std::vector<std::pair<TColor, char>>& legend)
    {
        return PixelMap(bitmap_, legend).at(y);
    }

    TBitmap bitmap_;
};

struct ShapeCase {
    const char* Name;
    TCellShape Shape;
    TPoint Inside;
    TPoint Outside;
};

class CellShapes : public CellGraphics, public testing::WithParamInterface<ShapeCase> {};

// Shapes in a 20 x 10 box at (10, 10).
TEST_P(CellShapes, FillTheirOwnOutline)
{
    DrawCellShape(Canvas(), 10, 10, 20, 10, GetParam().Shape, clLime, clBlue);
    EXPECT_EQ(At(GetParam().Inside.X, GetParam().Inside.Y), clLime);
    EXPECT_EQ(At(GetParam().Outside.X, GetParam().Outside.Y), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Shapes, CellShapes,
                         testing::Values(ShapeCase{"Circle", csCircle, {15, 15}, {25, 15}},
                                         ShapeCase{"Ellips", csEllips, {25, 15}, {11, 10}},
                                         ShapeCase{"Square", csSquare, {15, 15}, {25, 15}},
                                         ShapeCase{"Rectangle", csRectangle, {27, 17}, {10, 10}},
                                         ShapeCase{"TriangleLeft", csTriangleLeft, {26, 15}, {11, 11}},
                                         ShapeCase{"TriangleUp", csTriangleUp, {20, 17}, {12, 11}},
                                         ShapeCase{"Diamond", csDiamond, {20, 15}, {11, 11}},
                                         ShapeCase{"Star", csStar, {20, 15}, {11, 11}},
                                         ShapeCase{"HalfStar", csHalfStar, {18, 16}, {23, 16}},
                                         ShapeCase{"ArrowUp", csArrowUp, {20, 18}, {12, 18}},
                                         ShapeCase{"ArrowRight", csArrowRight, {15, 15}, {15, 11}}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(CellGraphics, UnknownShapeDrawsNothing)
{
    DrawCellShape(Canvas(), 10, 10, 20, 10, TCellShape(csHalfStar + 1), clLime, clBlue);
    EXPECT_EQ(Count(clWhite, Rect(0, 0, 100, 30)), 3000);
}

struct BarCase {
    const char* Name;
    double Value;
    int Minimum;
    int Maximum;
    const char* Format;
    int DoneWidth; // of the 80 pixels inside the margins
};

class ProgressBars : public CellGraphics, public testing::WithParamInterface<BarCase> {};

// A bar in (0, 0, 100, 30) with margins 10 and 5: its parts lie in (10, 5, 90, 25).
TEST_P(ProgressBars, SplitAtTheirPercentage)
{
    const BarCase& c = GetParam();
    Canvas()->Brush()->SetColor(clYellow);
    DrawProgressBar(Canvas(), Rect(0, 0, 100, 30), clRed, clWhite, clLime, clBlack, c.Value, 10, 5, c.Minimum,
                    c.Maximum, c.Format, clBlue, false);
    // Row 6 lies above the text.
    EXPECT_EQ(Row(6, {{clRed, 'D'}, {clLime, 'R'}, {clBlue, 'F'}, {clYellow, 'Y'}}).substr(8, 84),
              "YF" + std::string(c.DoneWidth, 'D') + std::string(80 - c.DoneWidth, 'R') + "FY");
    EXPECT_EQ(At(10, 3), clYellow); // the outer frame in the brush colour it found
    EXPECT_EQ(At(10, 4), clBlue);
}

INSTANTIATE_TEST_SUITE_P(Values, ProgressBars,
                         testing::Values(BarCase{"PercentOver100", 150, 0, 100, "", 80},
                                         BarCase{"PercentBelow0", -5, 0, 100, "", 0},
                                         BarCase{"IntegerFormat", 50, 0, 200, "%d items", 20},
                                         BarCase{"RealFormat", 50, 0, 200, "%.1f", 20},
                                         BarCase{"EmptyRangeBelow", 4, 5, 5, "%d", 0},
                                         BarCase{"EmptyRangeAt", 5, 5, 5, "%d", 80},
                                         BarCase{"EmptyRangePast", 6, 5, 5, "%.0f", 80}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(CellGraphics, ProgressTextChangesColourWhereTheBarEnds)
{
    DrawProgressBar(Canvas(), Rect(0, 0, 100, 30), clRed, clWhite, clLime, clBlack, 50, 0, 0, 0, 100, "",
                    clNone, false);
    EXPECT_GT(Count(clWhite, Rect(0, 0, 50, 30), true), 0);
    EXPECT_EQ(Count(clBlack, Rect(0, 0, 50, 30), true), 0);
    EXPECT_GT(Count(clBlack, Rect(50, 0, 100, 30), true), 0);
    EXPECT_EQ(Count(clWhite, Rect(50, 0, 100, 30), true), 0);
}

struct LevelCase {
    int Percent;
    TColor Color;
};

class LevelProgress : public CellGraphics, public testing::WithParamInterface<LevelCase> {
protected:
    void SetUp() override { Blank(bitmap_, 110, 30); }
    ProgressLook Plain()
    {
        ProgressLook look;
        look.Level1Perc = 50;
        look.Level2Perc = 80;
        look.Level0Color = clLime;
        look.Level1Color = clYellow;
        look.Level2Color = clFuchsia;
        look.Level3Color = clRed;
        look.ShowGradient = false;
        look.ShowPercentage = false;
        look.BackgroundColor = clWhite;
        look.ShowBorder = true;
        look.BorderColor = clBlack;
        return look;
    }
};

// A bar of (0, 0, 102, 10): 100 pixels inside its frame.
TEST_P(LevelProgress, TakesTheColourOfItsLevel)
{
    DrawLevelProgress(Canvas(), Rect(0, 0, 102, 10), GetParam().Percent, Plain());
    const int end = GetParam().Percent;
    EXPECT_EQ(Row(5, {{GetParam().Color, 'L'}, {clWhite, '_'}, {clBlack, '|'}}).substr(0, 102),
              "|" + std::string(end, 'L') + std::string(100 - end, '_') + "|");
    EXPECT_EQ(At(50, 0), clBlack);
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelProgress,
                         testing::Values(LevelCase{30, clLime}, LevelCase{60, clYellow},
                                         LevelCase{90, clFuchsia}, LevelCase{100, clRed}));

TEST_F(LevelProgress, StackedPartsShowEveryLevelReached)
{
    ProgressLook look = Plain();
    look.Stacked = true;
    DrawLevelProgress(Canvas(), Rect(0, 0, 102, 10), 90, look);
    EXPECT_EQ(
        Row(5, {{clLime, '0'}, {clYellow, '1'}, {clRed, '3'}, {clWhite, '_'}, {clBlack, '|'}}).substr(0, 102),
        "|" + std::string(50, '0') + std::string(30, '1') + std::string(10, '3') + std::string(10, '_') +
            "|");
}

TEST_F(LevelProgress, BlocksOfSevenWithGaps)
{
    ProgressLook look = Plain();
    look.CompletionSmooth = false;
    DrawLevelProgress(Canvas(), Rect(0, 0, 102, 10), 22, look);
    // t = 22: two blocks of 7 and a last one of 22 mod 9 - 1 = 3, from 2 pixels inside.
    EXPECT_EQ(Row(5, {{clLime, 'L'}, {clWhite, '_'}, {clBlack, '|'}}).substr(0, 30),
              "|_LLLLLLL__LLLLLLL__LLL_______");
    EXPECT_EQ(At(5, 1), clWhite); // blocks leave 2 pixels free across
    EXPECT_EQ(At(5, 2), clLime);
}

TEST_F(LevelProgress, VerticalBarsGrowFromTheBottom)
{
    ProgressLook look = Plain();
    look.Vertical = true;
    DrawLevelProgress(Canvas(), Rect(10, 0, 20, 22), 50, look);
    EXPECT_EQ(At(15, 20), clYellow);
    EXPECT_EQ(At(15, 11), clYellow);
    EXPECT_EQ(At(15, 10), clWhite);
}

TEST_F(CellGraphics, ProgressPieFillsClockwiseFromTheTop)
{
    const TRect r = Rect(0, 0, 21, 21);
    DrawProgressPie(Canvas(), r, clRed, 0, false);
    EXPECT_EQ(Count(clRed, Rect(0, 0, 100, 30)), 0);
    EXPECT_EQ(At(10, 3), clGray); // the radius to the top

    Blank(bitmap_, 100, 30);
    DrawProgressPie(Canvas(), r, clRed, 25, false);
    EXPECT_EQ(At(14, 6), clRed);
    EXPECT_EQ(At(6, 6), clWhite);
    EXPECT_EQ(At(14, 14), clWhite);
    EXPECT_EQ(Count(clRed, Rect(21, 0, 100, 30)) + Count(clRed, Rect(0, 21, 21, 30)), 0);

    Blank(bitmap_, 100, 30);
    DrawProgressPie(Canvas(), r, clRed, 75, false);
    EXPECT_EQ(At(14, 14), clRed);
    EXPECT_EQ(At(6, 14), clRed);
    EXPECT_EQ(At(6, 6), clWhite);
}

struct BalanceCase {
    const char* Name;
    double Value;
    double Maximum;
    int From; // the filled columns of the bar (2, 2, 98, 28)
    int To;
    TColor Color;
};

class BalanceBars : public CellGraphics, public testing::WithParamInterface<BalanceCase> {};

TEST_P(BalanceBars, FillFromTheMiddle)
{
    const BalanceCase& c = GetParam();
    DrawBalanceBar(Canvas(), Rect(0, 0, 100, 30), c.Value, c.Maximum, false, clRed, clLime);
    std::string expected(100, '_');
    for (int x = c.From; x < c.To; ++x)
        expected[x] = 'X';
    EXPECT_EQ(Row(15, {{c.Color, 'X'}, {clWhite, '_'}}), expected);
    EXPECT_EQ(At(50, 1), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Values, BalanceBars,
                         testing::Values(BalanceCase{"Half", 50, 100, 50, 74, clLime},
                                         BalanceCase{"Negative", -100, 100, 2, 50, clRed},
                                         BalanceCase{"BeyondMaximum", 150, 100, 50, 98, clLime},
                                         BalanceCase{"Zero", 0, 100, 0, 0, clLime},
                                         BalanceCase{"NoRangeAtMaximum", 0, 0, 50, 98, clLime},
                                         BalanceCase{"NoRangeBelow", -3, 0, 0, 0, clRed}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(CellGraphics, BalanceValueIsWrittenOverTheBar)
{
    DrawBalanceBar(Canvas(), Rect(0, 0, 100, 30), 50, 100, true, clRed, clLime);
    EXPECT_GT(Count(clBlack, Rect(40, 2, 60, 28), true), 0);
    EXPECT_EQ(At(72, 3), clLime); // no background behind the text
}

TEST_F(CellGraphics, WavyUnderlineRunsUnderTheChosenCharacters)
{
    const std::string text = "abc wrng xyz";
    const int from = Canvas()->TextWidth("abc ");
    const int to = Canvas()->TextWidth("abc wrn");
    DrawWavyUnderline(Canvas(), text, Rect(5, 5, 100, 30), 10, 4, 4);
    EXPECT_EQ(Count(clRed, Rect(0, 0, 5 + from - 1, 30)), 0);
    EXPECT_GT(Count(clRed, Rect(5 + from, 14, 5 + to, 20)), 10);
    EXPECT_EQ(Count(clRed, Rect(5 + to + 8, 0, 100, 30)), 0);
    EXPECT_EQ(Count(clRed, Rect(0, 0, 100, 14)), 0);
    EXPECT_EQ(Canvas()->Pen()->Width(), 1);
}

} // namespace
