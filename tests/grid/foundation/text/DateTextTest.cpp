#include <gtest/gtest.h>

#include "../Locale.h"
#include "grid/foundation/text/DateText.h"
#include "platform/rtl/Exceptions.h"

namespace {

struct ParseCase {
    const char* text;
    bool monthFirst;
    int year, month, day; // year 0: the parser gives 0
};

class ParseDate : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseDate, ReadsDayMonthAndYear)
{
    const ParseCase c = GetParam();
    const TDateTime parsed = c.monthFirst ? ParseDateMDY(c.text) : ParseDateDMY(c.text);
    EXPECT_EQ(parsed, c.year ? EncodeDate(c.year, c.month, c.day) : 0) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDate,
    testing::Values(ParseCase{"31.12.99", false, 1999, 12, 31}, ParseCase{"1/2/24", false, 2024, 2, 1},
                    ParseCase{"1/2/24", true, 2024, 1, 2}, ParseCase{"12-25-26", true, 1926, 12, 25},
                    ParseCase{"5.6.25", false, 2025, 6, 5}, ParseCase{"5-6-2031", false, 2031, 6, 5},
                    ParseCase{"5-6-125", false, 125, 6, 5}, ParseCase{"1/x/24", false, 0, 0, 0},
                    ParseCase{"1/2", false, 0, 0, 0}, ParseCase{"1.2/3", false, 0, 0, 0},
                    ParseCase{"", true, 0, 0, 0}));

TEST(ParseDate, AnImpossibleDateIsAConversionError)
{
    EXPECT_THROW(ParseDateMDY("13/1/20"), EConvertError);
    EXPECT_THROW(ParseDateDMY("30.2.20"), EConvertError);
}

TEST(IsDateText, WantsTwoSeparatorsApartInTheLocale)
{
    for (const TestLocale& locale : {kEnglish, kGerman}) {
        LocaleScope scope(locale);
        const std::string sep(1, locale.DateSeparator);
        EXPECT_TRUE(IsDateText("1" + sep + "2" + sep + "3")) << locale.Name;
        EXPECT_TRUE(IsDateText("12" + sep + "2" + sep)) << locale.Name;
        EXPECT_FALSE(IsDateText(sep + "2" + sep + "3")) << locale.Name;
        EXPECT_FALSE(IsDateText("1" + sep + sep + "3")) << locale.Name;
        EXPECT_FALSE(IsDateText("1" + sep + "23")) << locale.Name;
    }
}

struct AddCase {
    int years, months, days, step;
    int fromYear, fromMonth, fromDay;
    int year, month, day;
};

class AddToDateCases : public testing::TestWithParam<AddCase> {};

TEST_P(AddToDateCases, StepsTheDateAndKeepsTheTimeOfDay)
{
    const AddCase c = GetParam();
    const TDateTime noon = 0.5;
    const TDateTime from = EncodeDate(c.fromYear, c.fromMonth, c.fromDay) + noon;
    EXPECT_EQ(AddToDate(c.years, c.months, c.days, from, c.step), EncodeDate(c.year, c.month, c.day) + noon);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddToDateCases,
    testing::Values(AddCase{0, 0, 3, 9, 2024, 2, 27, 2024, 3, 1},  // days only
                    AddCase{0, 0, 0, 9, 2024, 2, 27, 2024, 3, 7},  // nothing given: the step
                    AddCase{1, 1, 0, 2, 2024, 2, 27, 2024, 2, 29}, // two given: the step
                    AddCase{2, 0, 0, 9, 2024, 5, 6, 2026, 5, 6},   // years only
                    AddCase{1, 0, 0, 9, 2024, 2, 29, 2025, 2, 28}, // a day the year lacks
                    AddCase{0, 1, 0, 9, 2024, 1, 31, 2024, 2, 29}, // a day the month lacks
                    AddCase{0, 1, 0, 9, 2023, 1, 31, 2023, 2, 28},
                    AddCase{0, 14, 0, 9, 2023, 11, 15, 2025, 1, 15}, // more than one year ahead
                    AddCase{0, -1, 0, 9, 2024, 1, 10, 2023, 12, 10},
                    AddCase{0, -25, 0, 9, 2024, 3, 31, 2022, 2, 28}));

TEST(AddToDate, AStepOutOfTheCalendarIsAConversionError)
{
    // Stepping back past year 1 read the day table before its start; a year step whose
    // months overflow an int counted them wrong.
    const TDateTime from = EncodeDate(2024, 1, 15);
    EXPECT_THROW(AddToDate(0, -24289, 0, from, 9), EConvertError);
    EXPECT_THROW(AddToDate(0, 95905, 0, from, 9), EConvertError);
    EXPECT_THROW(AddToDate(-2024, 0, 0, from, 9), EConvertError);
    EXPECT_THROW(AddToDate(2147483647, 0, 0, from, 9), EConvertError);
    EXPECT_THROW(AddToDate(-2147483647 - 1, 0, 0, from, 9), EConvertError);
}

} // namespace
