#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/rtl/DateFormat.h"
#include "platform/rtl/Exceptions.h"

namespace {
class ValuesBeyondTheCalendar : public testing::TestWithParam<double> {};

// Values read from damaged files: converting them to whole days overflowed.
TEST_P(ValuesBeyondTheCalendar, DecodeAsZeros)
{
    const double value = GetParam();
    int year = -1, month = -1, day = -1;
    DecodeDate(value, year, month, day);
    EXPECT_EQ(year, 0) << value;
    EXPECT_EQ(month, 0) << value;
    EXPECT_EQ(day, 0) << value;
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", value), "0000-00-00 00:00:00") << value;
}

INSTANTIATE_TEST_SUITE_P(Cases, ValuesBeyondTheCalendar,
                         testing::Values(1.9e280, -1.9e280, 2958466.0, -693594.0,
                                         std::numeric_limits<double>::infinity(),
                                         std::numeric_limits<double>::quiet_NaN()));

TEST(DecodeDate, ReadsTheFirstAndLastDaysOfTheCalendar)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(EncodeDate(1, 1, 1), year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 10101);
    DecodeDate(EncodeDate(9999, 12, 31) + 0.999, year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 99991231);
}

struct MonthStepCase {
    int year, month, day;
    int months;
    int toYear, toMonth, toDay; // toYear 0: no such date
};

class IncMonthSteps : public testing::TestWithParam<MonthStepCase> {};

TEST_P(IncMonthSteps, LandOnAMonthOrRaise)
{
    const MonthStepCase c = GetParam();
    const TDateTime from = EncodeDate(c.year, c.month, c.day);
    if (c.toYear == 0) {
        EXPECT_THROW(IncMonth(from, c.months), EConvertError) << c.months;
        return;
    }
    EXPECT_EQ(IncMonth(from, c.months), EncodeDate(c.toYear, c.toMonth, c.toDay)) << c.months;
}

// Steps back past year 1 computed a month of 0 or less and read the day table before its
// start.
INSTANTIATE_TEST_SUITE_P(
    Cases, IncMonthSteps,
    testing::Values(MonthStepCase{2024, 3, 31, -1, 2024, 2, 29},
                    MonthStepCase{2024, 1, 15, -13, 2022, 12, 15}, MonthStepCase{2, 1, 31, -12, 1, 1, 31},
                    MonthStepCase{2024, 1, 15, -24289, 0, 0, 0}, MonthStepCase{2024, 1, 15, -24288, 0, 0, 0},
                    MonthStepCase{2024, 1, 15, std::numeric_limits<int>::min(), 0, 0, 0},
                    MonthStepCase{9999, 12, 1, 1, 0, 0, 0},
                    MonthStepCase{2024, 1, 15, std::numeric_limits<int>::max(), 0, 0, 0}));

TEST(IncMonth, RefusesADateThatDecodesAsNone) { EXPECT_THROW(IncMonth(1.9e280, 1), EConvertError); }
} // namespace
