#include <gtest/gtest.h>

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
