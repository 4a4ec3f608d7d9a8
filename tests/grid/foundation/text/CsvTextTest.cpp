#include <gtest/gtest.h>

#include "grid/foundation/text/CsvText.h"

namespace {

struct QuoteCase {
    const char* text; // a quoted field after its opening quote
    int closing;
    int count;
};

class ClosingQuote : public testing::TestWithParam<QuoteCase> {};

TEST_P(ClosingQuote, IsFoundPastDoubledQuotes)
{
    const QuoteCase c = GetParam();
    int out = -1;
    EXPECT_EQ(FindClosingQuote('"', c.text, out), c.closing) << c.text;
    EXPECT_EQ(out, c.closing) << c.text;
    EXPECT_EQ(CountClosingQuotes('"', c.text), c.count) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ClosingQuote,
                         testing::Values(QuoteCase{"abc\",def", 4, 1},
                                         QuoteCase{"a\"\"b\",x", 5, 1}, // a doubled quote does not close
                                         QuoteCase{"abc\"", 4, 1},      // a quote that ends the text
                                         QuoteCase{"abc\"\"\"", 6,
                                                   1}, // a doubled quote and then the closing one
                                         QuoteCase{"abc", 0, 0}, QuoteCase{"", 0, 0},
                                         QuoteCase{"ä\",\"ö\",x", 2, 3}, // positions count characters
                                         QuoteCase{"\"x", 1, 1}));

TEST(CsvText, DoublingAndCollapsingAreReverse)
{
    EXPECT_EQ(DoubleQuoteChars("say \"hi\""), "say \"\"hi\"\"");
    EXPECT_EQ(CollapseDoubledChar('"', "say \"\"hi\"\""), "say \"hi\"");
    EXPECT_EQ(CollapseDoubledChar('"', "a\"b"), "a\"b");
    EXPECT_EQ(CollapseDoubledChar('"', "none"), "none");
    EXPECT_EQ(CollapseDoubledChar(U'§', "a§§b§"), "a§b§");
}

} // namespace
