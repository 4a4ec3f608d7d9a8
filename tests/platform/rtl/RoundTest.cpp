#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/rtl/SysUtils.h"

TEST(Round, TakesHalvesToEven)
{
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(127.5), 128);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(2.4999), 2);
    EXPECT_EQ(Round(-3.6), -4);
}

TEST(Round, GivesTheNearestEndBeyondTheRange)
{
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    EXPECT_EQ(Round(1.9e280), kMax);
    EXPECT_EQ(Round(9223372036854775808.0), kMax);
    EXPECT_EQ(Round(-9223372036854775808.0), kMin);
    EXPECT_EQ(Round(-1e300), kMin);
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), kMax);
    EXPECT_EQ(Round(std::nan("")), 0);
    EXPECT_EQ(Round(9223372036854774784.0), 9223372036854774784LL);
}
