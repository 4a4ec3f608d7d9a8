#include <gtest/gtest.h>

#include "grid/foundation/text/TextUtils.h"

namespace {

struct ClampCase {
    int value, lower, upper, expected;
};

class ClampToLimitsCases : public testing::TestWithParam<ClampCase> {};

TEST_P(ClampToLimitsCases, RaisesAndLowersOnlyToPositiveBounds)
{
    const ClampCase c = GetParam();
    EXPECT_EQ(ClampToLimits(c.value, c.lower, c.upper), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClampToLimitsCases,
                         testing::Values(ClampCase{5, 10, 0, 10}, ClampCase{50, 10, 20, 20},
                                         ClampCase{50, 7, 7, 50}, ClampCase{-3, 0, 20, -3},
                                         ClampCase{15, 10, 20, 15}, ClampCase{30, 0, 0, 30}));

TEST(TextUtils, PositionsCountCharactersFromOne)
{
    int out = -1;
    EXPECT_EQ(PosInUpper("ÄB", "xxäb"), 3);
    EXPECT_EQ(PosInUpper("ab", "xxab"), 0); // the sub-text is not upper-cased
    EXPECT_EQ(PosWithOut("ö", "aöb", out), 2);
    EXPECT_EQ(out, 2);
    EXPECT_EQ(CharPosition(U'€', "12€"), 3);
    EXPECT_EQ(FirstCharPosOut('z', "abc", out), 0);
    EXPECT_EQ(out, 2); // unchanged when missing
    EXPECT_EQ(FirstCharPosOut('c', "abc", out), 3);
    EXPECT_EQ(out, 3);
    EXPECT_EQ(CountCharOccurrences(U'é', "éaéé"), 3);
    EXPECT_EQ(WidePos("ß", "großß"), 4);
    EXPECT_EQ(MaxOfTwo(-1, 4), 4);
    EXPECT_EQ(MinOfTwo(-1, 4), -1);
}

TEST(TextUtils, CutBeforeDelimiterTakesTheHeadOnlyWhenTheDelimiterIsThere)
{
    std::string s = "ab;cd;ef";
    EXPECT_EQ(CutBeforeDelimiter(s, ";"), "ab");
    EXPECT_EQ(s, "cd;ef");
    std::string none = "abc";
    EXPECT_EQ(CutBeforeDelimiter(none, ";"), "");
    EXPECT_EQ(none, "abc");
}

TEST(TextUtils, ExtractFirstLineDropsTheLineFeedAndKeepsTheRestOnRequest)
{
    std::string s = "one\r\ntwo\rthree";
    EXPECT_EQ(ExtractFirstLine(s, true), "one");
    EXPECT_EQ(s, "two\rthree");
    EXPECT_EQ(ExtractFirstLine(s, false), "two");
    EXPECT_EQ(s, "");
    std::string single = "only";
    EXPECT_EQ(ExtractFirstLine(single, true), "only");
    EXPECT_EQ(single, "");
}

TEST(TextUtils, LinesListsAndRectangles)
{
    EXPECT_EQ(CountLines("a\rb\r\nc", true), 3);
    EXPECT_EQ(CountLines("a\rb", false), 1);
    TStringList list;
    list.Add("a");
    list.Add("");
    list.Add("bc");
    EXPECT_EQ(JoinAllStrings(list), "abc");
    std::string s = "gräß";
    FillWithChar(s, '*');
    EXPECT_EQ(s, "****");
    const TRect cells = Rect(1, 2, 3, 4);
    EXPECT_TRUE(PointInGridRect(cells, 3, 4));
    EXPECT_TRUE(PointInGridRect(cells, 1, 2));
    EXPECT_FALSE(PointInGridRect(cells, 4, 2));
    EXPECT_FALSE(PointInGridRect(cells, 2, 1));
}

} // namespace
