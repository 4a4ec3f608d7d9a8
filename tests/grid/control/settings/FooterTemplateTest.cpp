#include <gtest/gtest.h>

#include "grid/control/settings/FooterTemplate.h"

namespace {

TEST(FooterTemplateTest, ColumnTagsBecomeTheCellTexts)
{
    const auto cell = [](int ACol) { return "c" + std::to_string(ACol); };
    const struct {
        const char* text;
        const char* expanded;
    } cases[] = {
        {"a<#3>b", "ac3b"},
        {"<#0><#1>", "c0c1"},
        {"<b>Total:</b> <#2> of <#4>", "<b>Total:</b> c2 of c4"},
        {"plain text without tags", "plain text without tags"},
        {"", ""},
        {"<#x>", ""},
        {"a<#>b", "ab"},
        {"a<# 3>b", "ac3b"},
        {"a<#3 >b", "ab"},
        {"a<#$A>b", "ab"},
        // columns outside the grid show nothing
        {"a<#5>b<#-1>c<#99999999999>d", "abcd"},
        // an unclosed tag is kept as it is
        {"a<#3", "a<#3"},
        {"a<#3>b<#4", "ac3b<#4"},
        {"<#", "<#"},
        {"x<#1>>y", "xc1>y"},
        {"ä<#1>ö", "äc1ö"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandFooterTemplate(c.text, 5, cell), c.expanded) << c.text;
}

} // namespace
