#include <gtest/gtest.h>

#include "grid/foundation/text/NameText.h"

namespace {

struct NameCase {
    const char* text;
    const char* expected;
};

class CapitalizedName : public testing::TestWithParam<NameCase> {};

TEST_P(CapitalizedName, StartsEveryWordWithACapital)
{
    EXPECT_EQ(CapitalizeName(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CapitalizedName,
    testing::Values(NameCase{"john SMITH", "John Smith"}, NameCase{"mcdonald", "McDonald"},
                    NameCase{"ronald mcdonald", "Ronald McDonald"}, NameCase{"henry iii", "Henry III"},
                    NameCase{"henry ii", "Henry II"}, NameCase{"louis iv", "Louis IV"},
                    NameCase{"o'neil-smith jr.", "O'Neil-Smith Jr."}, NameCase{"élodie ÇA", "Élodie Ça"},
                    NameCase{"", ""}, NameCase{"mc", "Mc"}, NameCase{"anna ii", "Anna II"}));

TEST(OemText, ConvertsThroughTheOemCodePageAndBack)
{
    std::string s = "Ärger 5€";
    StringToOem(s);
    EXPECT_EQ(s, "Žrger 5?"); // 0x8E is Ä in the OEM code page and Ž in the ANSI one
    std::string oem = "\u017Drger";
    OemToString(oem);
    EXPECT_EQ(oem, "Ärger");
}

} // namespace
