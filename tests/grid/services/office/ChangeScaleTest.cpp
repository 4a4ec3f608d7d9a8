#include <gtest/gtest.h>

#include "../../control/GridOnForm.h"

namespace {

using ChangeScaleTest = GridOnForm;

TEST_F(ChangeScaleTest, FixedAndActiveCellFontsScaleRoundingHalvesAway)
{
    const struct {
        int size, m, d, scaled;
    } cases[] = {{10, 3, 2, 15}, {9, 3, 2, 14},   {-9, 3, 2, -14}, {8, 96, 96, 8},
                 {11, 1, 2, 6},  {9, -3, 2, -14}, {7, 5, 2, 18}};
    for (const auto& c : cases) {
        grid->FixedFont()->SetSize(c.size);
        grid->ActiveCellFont()->SetSize(c.size);
        grid->ChangeScale(c.m, c.d);
        EXPECT_EQ(grid->FixedFont()->Size(), c.scaled) << c.size << "*" << c.m << "/" << c.d;
        EXPECT_EQ(grid->ActiveCellFont()->Size(), c.scaled) << c.size << "*" << c.m << "/" << c.d;
    }
}

} // namespace
