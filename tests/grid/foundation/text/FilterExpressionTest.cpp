#include <gtest/gtest.h>

#include <chrono>

#include "grid/foundation/text/FilterExpression.h"
#include "platform/rtl/SysUtils.h"

namespace {
struct TFilterCase {
    const char* condition;
    const char* value;
    bool caseSensitive;
    bool expected;
};

std::ostream& operator<<(std::ostream& out, const TFilterCase& c)
{
    return out << "'" << c.condition << "' on '" << c.value << "'";
}

// Runs every case of a table under one set of format settings.
class FilterLocale {
public:
    explicit FilterLocale(const TFormatSettings& settings) : saved_(FormatSettings())
    {
        FormatSettings() = settings;
    }
    ~FilterLocale() { FormatSettings() = saved_; }

private:
    TFormatSettings saved_;
};

TFormatSettings English() { return {'.', ',', '/', ':', "dd/mm/yyyy", "hh:nn:ss"}; }

TFormatSettings German() { return {',', '.', '.', ':', "dd.mm.yyyy", "hh:nn:ss"}; }

class FilterEnglish : public testing::TestWithParam<TFilterCase> {};
class FilterGerman : public testing::TestWithParam<TFilterCase> {};

TEST_P(FilterEnglish, Matches)
{
    FilterLocale locale(English());
    const TFilterCase& c = GetParam();
    EXPECT_EQ(MatchesFilterExpression(c.condition, c.value, c.caseSensitive), c.expected);
}

TEST_P(FilterGerman, Matches)
{
    FilterLocale locale(German());
    const TFilterCase& c = GetParam();
    EXPECT_EQ(MatchesFilterExpression(c.condition, c.value, c.caseSensitive), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    TruthTable, FilterEnglish,
    testing::Values(
        TFilterCase{">5", "7", false, true}, TFilterCase{">5", "3", false, false},
        TFilterCase{">=5", "5", false, true}, TFilterCase{"<=5", "5", false, true},
        TFilterCase{"<5", "5", false, false}, TFilterCase{">5", "10", false, true}, // numbers, not text
        TFilterCase{"<1,234.5", "999", false, true}, TFilterCase{">b", "c", false, true},
        TFilterCase{">b", "a", false, false}, TFilterCase{"A*", "Apple", false, true},
        TFilterCase{"A*", "A", false, true}, TFilterCase{"?b", "ab", false, true},
        TFilterCase{"?b", "b", false, false}, TFilterCase{"?b", "abc", false, false},
        TFilterCase{"*", "", false, true}, TFilterCase{"*", "anything", false, true},
        TFilterCase{"a**c", "abbc", false, true}, TFilterCase{"*é*", "café", false, true},
        TFilterCase{"caf?", "café", false, true}, TFilterCase{"!A*", "Banana", false, true},
        TFilterCase{"!A*", "Apple", false, false}, TFilterCase{">=10&<20", "15", false, true},
        TFilterCase{">=10&<20", "25", false, false}, TFilterCase{">= 10 & < 20", "15", false, true},
        TFilterCase{"<5|>10", "3", false, true}, TFilterCase{"<5|>10", "12", false, true},
        TFilterCase{"<5|>10", "7", false, false}, TFilterCase{"x;y", "y", false, true},
        TFilterCase{"x^y", "y", false, true}, TFilterCase{"(A*|B*)&*n*", "Ban", false, true},
        TFilterCase{"(A*|B*)&*n*", "Apple", false, false}, TFilterCase{"*n*&(A*|B*)", "Ban", false, true},
        TFilterCase{"a|b&c", "a", false, false}, // left to right: (a|b)&c
        TFilterCase{"a&b|a", "a", false, true}, TFilterCase{"\"New York\"", "New York", false, true},
        TFilterCase{"\"a&b\"", "a&b", false, true}, TFilterCase{"=abc", "abc", false, true},
        TFilterCase{"abc", "ABC", false, true}, TFilterCase{"abc", "ABC", true, false},
        TFilterCase{"é*", "ÉTÉ", false, true}, TFilterCase{"", "", false, true},
        TFilterCase{"", "x", false, false}, TFilterCase{">01/01/2012", "15/03/2012", false, true},
        TFilterCase{">01/01/2012", "15/03/2011", false, false},
        // A group that is never closed is an error: no match, and no endless loop.
        TFilterCase{"(A*|B*", "Apple", false, false}, TFilterCase{"((A*)", "Apple", false, false},
        TFilterCase{"x|(A*", "x", false, false}));

INSTANTIATE_TEST_SUITE_P(TruthTable, FilterGerman,
                         testing::Values(TFilterCase{">1.000", "1.234,5", false, true},
                                         TFilterCase{"<1.234,5", "999", false, true},
                                         TFilterCase{">2,5", "10", false, true},
                                         TFilterCase{">01.01.2012", "15.03.2012", false, true},
                                         TFilterCase{">01.01.2012", "15.03.2011", false, false},
                                         TFilterCase{"<01.01.2012", "31.12.2011 23:59", false, true}));

// A condition of `depth` groups, one inside the other, around the term A*.
std::string Nested(int depth) { return std::string(depth, '(') + "A*" + std::string(depth, ')'); }

struct TNestingCase {
    int depth;
    bool matches; // on "Apple"
};

class FilterNesting : public testing::TestWithParam<TNestingCase> {};

TEST_P(FilterNesting, ReadsSaneDepthsAndRefusesHugeOnes)
{
    // Copying the text inside each group took seconds and hundreds of megabytes at 20,000
    // levels and ran out of memory at 200,000.
    FilterLocale locale(English());
    const TNestingCase& c = GetParam();
    EXPECT_EQ(MatchesFilterExpression(Nested(c.depth), "Apple", false), c.matches) << c.depth;
    EXPECT_EQ(MatchesFilterExpression(Nested(c.depth) + "|x", "x", false), c.matches) << c.depth;
}

INSTANTIATE_TEST_SUITE_P(Depths, FilterNesting,
                         testing::Values(TNestingCase{1, true}, TNestingCase{100, true},
                                         TNestingCase{101, false}, TNestingCase{20000, false},
                                         TNestingCase{200000, false}));

TEST(FilterExpression, ReadsTwentyThousandTermsInOnePass)
{
    FilterLocale locale(English());
    std::string condition;
    for (int i = 0; i < 20000; ++i)
        condition += "(a" + std::to_string(i) + ")|";
    EXPECT_TRUE(MatchesFilterExpression(condition + "b", "b", false));
    EXPECT_TRUE(MatchesFilterExpression(condition + "b", "A19999", false));
    EXPECT_FALSE(MatchesFilterExpression(condition + "b", "a20000", false));
}

// Every term meets the same value, decoded and read as a number and a date once per
// evaluation: decoding it again for each term made thousands of terms against a long value
// take seconds, and minutes under the sanitizers.
TEST(FilterExpression, ManyTermsAgainstALongValueCostWhatTheTermsCost)
{
    FilterLocale locale(English());
    std::string wildcards;
    std::string comparisons;
    for (int i = 0; i < 10000; ++i) {
        wildcards += "(a" + std::to_string(i) + ")|";
        comparisons += "(>a" + std::to_string(i) + ")|";
    }
    std::string value;
    while (value.size() < 50000)
        value += "Pump station 4 valve \u00E9 ";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(MatchesFilterExpression(wildcards + "b", value, false));
    EXPECT_TRUE(MatchesFilterExpression(wildcards + "*VALVE*", value, false));
    EXPECT_FALSE(MatchesFilterExpression(comparisons + "b", value, true));
    EXPECT_TRUE(MatchesFilterExpression(comparisons + "<b", value, true));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

struct TDateCase {
    const char* text;
    bool valid;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class DateTimeText : public testing::TestWithParam<TDateCase> {};

TEST_P(DateTimeText, ReadsTheShortDateFormat)
{
    FilterLocale locale(German());
    const TDateCase& c = GetParam();
    TDateTime value = -1;
    ASSERT_EQ(ParseDateTimeText(c.text, value), c.valid) << c.text;
    if (c.valid) {
        EXPECT_DOUBLE_EQ(value,
                         EncodeDate(c.year, c.month, c.day) + EncodeTime(c.hour, c.minute, c.second, 0));
    }
}

INSTANTIATE_TEST_SUITE_P(German, DateTimeText,
                         testing::Values(TDateCase{"31.12.2024", true, 2024, 12, 31, 0, 0, 0},
                                         TDateCase{"15.03.2012 10:30", true, 2012, 3, 15, 10, 30, 0},
                                         TDateCase{"15.03.2012 10:30:59", true, 2012, 3, 15, 10, 30, 59},
                                         TDateCase{"1.2.2030", true, 2030, 2, 1, 0, 0, 0},
                                         TDateCase{"30.02.2024", false}, TDateCase{"32.01.2024", false},
                                         TDateCase{"01.13.2024", false}, TDateCase{"15.03.2012 10", false},
                                         TDateCase{"15.03.2012 24:00", false},
                                         TDateCase{"15.03.2012 10:00:60", false}, TDateCase{"15.03", false},
                                         TDateCase{"a.b.c", false}));

TEST(DateTimeText, TakesTwoDigitYearsAsTheyAre)
{
    FilterLocale locale(German());
    TDateTime value = 0;
    ASSERT_TRUE(ParseDateTimeText("15.03.24", value));
    int year = 0, month = 0, day = 0;
    DecodeDate(value, year, month, day);
    EXPECT_EQ(year, 24);
}

TEST(DateTimeText, FollowsTheOrderOfTheFormat)
{
    FilterLocale locale({'.', ',', '/', ':', "m/d/yyyy", "hh:nn:ss"});
    TDateTime value = 0;
    ASSERT_TRUE(ParseDateTimeText("12/31/2024", value));
    EXPECT_DOUBLE_EQ(value, EncodeDate(2024, 12, 31));
}
} // namespace

// A filter pass reads each item's condition once; an item whose text or case changed
// between rows is read again, so no row is tested against a condition it no longer has.
TEST(FilterExpression, TheConditionCacheReadsAChangedConditionAgain)
{
    TFilterConditionCache cache;
    EXPECT_TRUE(cache.For(0, ">5", true).Matches("7"));
    EXPECT_FALSE(cache.For(0, "<5", true).Matches("7"));
    EXPECT_TRUE(cache.For(1, "ab*", true).Matches("abc"));
    EXPECT_FALSE(cache.For(1, "AB*", true).Matches("abc"));
    EXPECT_TRUE(cache.For(1, "AB*", false).Matches("abc"));
    EXPECT_FALSE(cache.For(0, "<5", true).Matches("7"));
}
