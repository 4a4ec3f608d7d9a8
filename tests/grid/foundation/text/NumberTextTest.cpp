#include <gtest/gtest.h>

#include "../Locale.h"
#include "grid/foundation/text/NumberText.h"
#include "grid/foundation/text/TextUtils.h"

namespace {

struct NumberCase {
    const char* text; // "{d}" decimal separator, "{t}" thousands separator
    const char* normalized;
    int kind;
};

// Every case holds in both locales once the separators are put in.
const NumberCase kNumberCases[] = {
    {"", "", ntNotANumber},
    {"123", "123", ntInteger},
    {"-123", "-123", ntInteger},
    {"1{d}5", "1.5", ntSeparated},
    {"1{t}000{t}000{d}25", "1000000.25", ntSeparated},
    {"1{t}00{t}0", "1000", ntNotANumber}, // thousands separators too close
    {"1e5", "1e5", ntExponent},
    {"-1e-5", "-1e-5", ntExponent},
    {"2{d}5E+3", "2.5E+3", ntExponent},
    {"1e", "1e", ntNotANumber},
    {"e5", "e5", ntNotANumber},
    {"1e5e", "1e5e", ntNotANumber},
    {"1{d}2{d}3", "1.2.3", ntNotANumber},
    {"12-3", "12-3", ntNotANumber},
    {"--1", "-1", ntNotANumber},
    {"  -12abc", "-12", ntNotANumber},
    {"$ 1{t}000{d}50", "1000.50", ntNotANumber},
    {"(1{t}234{d}5)", "-1234.5", ntNotANumber},
    {"€ 7", "7", ntNotANumber},
};

class NumberText : public testing::TestWithParam<TestLocale> {};

TEST_P(NumberText, NormalizesAndClassifiesInTheLocale)
{
    LocaleScope scope(GetParam());
    for (const NumberCase& c : kNumberCases) {
        const std::string text = InLocale(c.text);
        EXPECT_EQ(NormalizeNumberText(text), c.normalized) << text;
        EXPECT_EQ(ClassifyNumberText(text), c.kind) << text;
    }
}

TEST_P(NumberText, CharacterTestsFollowTheSeparators)
{
    LocaleScope scope(GetParam());
    const char32_t decimal = static_cast<unsigned char>(GetParam().Decimal);
    const char32_t thousand = static_cast<unsigned char>(GetParam().Thousand);
    EXPECT_TRUE(IsNumberChar(decimal));
    EXPECT_TRUE(IsNumberChar(thousand));
    EXPECT_TRUE(IsNumberChar('E'));
    EXPECT_FALSE(IsNumberChar('-'));
    EXPECT_TRUE(IsSignedNumberChar('-'));
    EXPECT_TRUE(IsSignedNumberChar(thousand));
    EXPECT_FALSE(IsSignedNumberChar('x'));
    // IsFloatChar knows "." whatever the locale.
    EXPECT_TRUE(IsFloatChar('.'));
    EXPECT_FALSE(IsFloatChar(','));
    EXPECT_TRUE(IsDigitOrMinus('-'));
    EXPECT_FALSE(IsDigitChar(U'٣'));
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberText, testing::Values(kEnglish, kGerman),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
