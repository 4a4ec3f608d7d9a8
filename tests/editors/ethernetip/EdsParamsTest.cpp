#include <gtest/gtest.h>

#include <limits>

#include "editors/ethernetip/EdsParams.h"
#include "platform/rtl/SysUtils.h"

namespace {
struct DecimalCase {
    const char* dataType;
    const char* written; // the default field
    bool reads;
    double value; // 0 when it does not read
};

class FloatDefault : public testing::TestWithParam<DecimalCase> {};

TEST_P(FloatDefault, ReadsAsEdsFilesWriteItWhateverTheFormatSettings)
{
    const DecimalCase c = GetParam();
    const std::string entry = std::string("0,,,0,") + c.dataType + ",4,\"Gain\",\"\",\"\",,," + c.written;
    // A user whose decimal separator is a comma reads the same file.
    for (const char separator : {'.', ','}) {
        FormatSettings().DecimalSeparator = separator;
        const TEdsParam param = DecodeParamEntry(entry);
        FormatSettings().DecimalSeparator = '.';
        EXPECT_EQ(param.HasDefault, c.reads) << c.written << " " << separator;
        EXPECT_EQ(FloatOfBits(param.DataType, param.Default), c.value) << c.written << " " << separator;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FloatDefault,
    testing::Values(DecimalCase{"0xCA", "1.5", true, 1.5}, DecimalCase{"0xCA", " +2 ", true, 2},
                    DecimalCase{"0xCA", "-3.25E+2", true, -325}, DecimalCase{"0xCA", ".5", true, 0.5},
                    DecimalCase{"0xCA", "0x10", true, 16}, DecimalCase{"0xCB", "0.1", true, 0.1},
                    DecimalCase{"203", "1e39", true, 1e39},
                    // The largest REAL, written with more digits than it holds.
                    DecimalCase{"0xCA", "-3.4028235E+38", true, -std::numeric_limits<float>::max()},
                    // Beyond what a REAL holds, or no number at all.
                    DecimalCase{"0xCA", "1e39", false, 0}, DecimalCase{"0xCA", "1.5.2", false, 0},
                    DecimalCase{"0xCA", "+-1", false, 0}, DecimalCase{"0xCB", "inf", false, 0},
                    DecimalCase{"0xCB", "", false, 0}));

TEST(FloatBits, AreTheIeeeNumbersOfTheirPrecision)
{
    EXPECT_EQ(FloatBitsOf(0xCA, 1.5), 0x3FC00000);
    EXPECT_EQ(FloatBitsOf(0xCA, -1.0), 0xBF800000); // no sign spread beyond the REAL's 32 bits
    EXPECT_EQ(FloatBitsOf(0xCB, -0.25), static_cast<int64_t>(0xBFD0000000000000));
    EXPECT_EQ(FloatOfBits(0xCA, 0x3FC00000), 1.5);
    EXPECT_FLOAT_EQ(FloatOfBits(0xCA, FloatBitsOf(0xCA, 0.1)), 0.1f);
    EXPECT_TRUE(IsFloatType(0xCA) && IsFloatType(0xCB));
    EXPECT_FALSE(IsFloatType(0xC8) || IsFloatType(0xC9));
}
} // namespace
