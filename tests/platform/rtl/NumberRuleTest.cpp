#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

struct IntCase {
    const char* text;
    bool reads;
    int32_t value;
};

class NumberRule32 : public testing::TestWithParam<IntCase> {};

TEST_P(NumberRule32, ReadsAsTheRuleSays)
{
    const IntCase c = GetParam();
    int32_t v = -7;
    EXPECT_EQ(TryStrToInt(c.text, v), c.reads) << c.text;
    if (c.reads) {
        EXPECT_EQ(v, c.value) << c.text;
    }
    EXPECT_EQ(StrToIntDef(c.text, -1), c.reads ? c.value : -1) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberRule32,
    testing::Values(IntCase{"16", true, 16}, IntCase{" 16", true, 16}, IntCase{"+16", true, 16},
                    IntCase{"-16", true, -16}, IntCase{"0x10", true, 16}, IntCase{"0X10", true, 16},
                    IntCase{"$10", true, 16}, IntCase{"x10", true, 16}, IntCase{"X1f", true, 31},
                    IntCase{"-$10", true, -16}, IntCase{"$FFFFFFFF", true, -1},
                    IntCase{"0x80000000", true, INT32_MIN}, IntCase{"2147483647", true, INT32_MAX},
                    IntCase{"-2147483648", true, INT32_MIN}, IntCase{"2147483648", false, 0},
                    IntCase{"$100000000", false, 0}, IntCase{"0x000002000", false, 0},
                    IntCase{"0x000000010", false, 0}, IntCase{"$000000010", false, 0},
                    IntCase{"x000000000", false, 0}, IntCase{"0x00000010", true, 16},
                    IntCase{"-0x80000000", false, 0}, IntCase{"-0x80000001", true, INT32_MAX},
                    IntCase{"16 ", false, 0}, IntCase{"", false, 0}, IntCase{" ", false, 0},
                    IntCase{"$", false, 0}, IntCase{"0x", false, 0}, IntCase{"1a", false, 0},
                    IntCase{"--1", false, 0}, IntCase{"\t1", false, 0}));

TEST(NumberRule64, TakesTheSameFormsInTheWiderRange)
{
    int64_t v = 0;
    EXPECT_TRUE(TryStrToInt64("9223372036854775807", v));
    EXPECT_EQ(v, INT64_MAX);
    EXPECT_TRUE(TryStrToInt64("$FFFFFFFFFFFFFFFF", v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(TryStrToInt64("4294967296", v));
    EXPECT_EQ(v, 4294967296LL);
    EXPECT_FALSE(TryStrToInt64("9223372036854775808", v));
    // Sixteen hexadecimal digits at most, leading zeros counted.
    EXPECT_TRUE(TryStrToInt64("0x0000000000000010", v));
    EXPECT_EQ(v, 16);
    EXPECT_FALSE(TryStrToInt64("0x00000000000000010", v));
    // The lowest value written as a pattern reads; negating it has no 64-bit result.
    EXPECT_TRUE(TryStrToInt64("0x8000000000000000", v));
    EXPECT_EQ(v, INT64_MIN);
    EXPECT_FALSE(TryStrToInt64("-0x8000000000000000", v));
    EXPECT_TRUE(TryStrToInt64("-0x8000000000000001", v));
    EXPECT_EQ(v, INT64_MAX);
    EXPECT_TRUE(TryStrToInt64("-9223372036854775808", v));
    EXPECT_EQ(v, INT64_MIN);
    EXPECT_EQ(StrToInt64Def("x", 5), 5);
    EXPECT_THROW(StrToInt("abc"), EConvertError);
}
