#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/Classes.h"

struct CommaCase {
    const char* text;
    std::vector<std::string> items;
};

class CommaText : public testing::TestWithParam<CommaCase> {};

TEST_P(CommaText, SplitsAtCommasAndBlanksAndKeepsQuotedItems)
{
    TStringList list;
    list.Add("old");
    list.SetCommaText(GetParam().text);
    EXPECT_EQ(list.Items(), GetParam().items) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, CommaText,
                         testing::Values(CommaCase{"", {}}, CommaCase{"4, 5", {"4", "5"}},
                                         CommaCase{"  a b,c ", {"a", "b", "c"}},
                                         CommaCase{"a,,b", {"a", "", "b"}}, CommaCase{"a,", {"a", ""}},
                                         CommaCase{"\"x, y\",z", {"x, y", "z"}},
                                         CommaCase{"\"say \"\"hi\"\"\"", {"say \"hi\""}},
                                         CommaCase{"\"a\"b", {"a", "b"}}, CommaCase{"\"open", {"open"}},
                                         CommaCase{"ä ö", {"ä", "ö"}}));
