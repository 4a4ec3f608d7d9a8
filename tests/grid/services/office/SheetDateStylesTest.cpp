#include <gtest/gtest.h>

#include "grid/services/office/SheetDateStyles.h"

TEST(SheetDateStyles, FormatCodesThatShowDatesOrTimes)
{
    const struct {
        const char* code;
        bool date;
    } cases[] = {{"yyyy-mm-dd", true},      {"d/m/yy h:mm", true}, {"[h]:mm:ss", true},
                 {"mmm yyyy", true},        {"General", false},    {"0.00", false},
                 {"#,##0", false},          {"0.00E+00", false},   {"\"day\" 0", false},
                 {"[Red]0.0", false},       {"\\d0", false},       {"_(* #,##0_)", false},
                 {"[$-409]d-mmm-yy", true}, {"@", false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsDateFormatCode(c.code), c.date) << c.code;
}
