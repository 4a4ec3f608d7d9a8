#include <gtest/gtest.h>

#include "artefacts/descriptions/UEdsStamp.h"

namespace {
struct TimeCase {
    int hour, minute;
    const char* text;
};

class EdsTime : public ::testing::TestWithParam<TimeCase> {};

// Hours 01 to 12: midnight's hour is 12 AM and noon's 12 PM.
TEST_P(EdsTime, IsWrittenOnATwelveHourClock)
{
    const TimeCase& c = GetParam();
    EXPECT_EQ(EDS_Time_Text(EncodeDate(2024, 3, 7) + EncodeTime(c.hour, c.minute, 59, 999)), c.text);
}

INSTANTIATE_TEST_SUITE_P(Hours, EdsTime,
                         ::testing::Values(TimeCase{0, 0, "12:00AM"}, TimeCase{0, 40, "12:40AM"},
                                           TimeCase{1, 5, "01:05AM"}, TimeCase{9, 30, "09:30AM"},
                                           TimeCase{11, 59, "11:59AM"}, TimeCase{12, 0, "12:00PM"},
                                           TimeCase{12, 5, "12:05PM"}, TimeCase{13, 10, "01:10PM"},
                                           TimeCase{23, 59, "11:59PM"}));

TEST(EdsDate, IsMonthDayYear)
{
    EXPECT_EQ(EDS_Date_Text(EncodeDate(2024, 3, 7) + EncodeTime(23, 59, 59, 999)), "03-07-2024");
    EXPECT_EQ(EDS_Date_Text(EncodeDate(1999, 12, 31)), "12-31-1999");
    EXPECT_EQ(EDS_Date_Text(EncodeDate(2025, 10, 1)), "10-01-2025");
}
} // namespace
