#include <gtest/gtest.h>

#include "GridShapes.h"

namespace {

// Each shape leaves the cell tests stand on in view and takes out what it says.
TEST_P(ShapedGridTest, TheShapeShowsTheCellsTestsStandOnAndHidesWhatItNames)
{
    StandOn(*grid, "2,5");
    const struct {
        TGridShape shape;
        int shownRows, shownCols;
        const char* hiddenText;
    } cases[] = {
        {TGridShape::Plain, 12, 6, nullptr},           {TGridShape::HiddenColumnLeft, 12, 5, "1,5"},
        {TGridShape::HiddenRowsAbove, 10, 6, "2,3"},   {TGridShape::FilterActive, 7, 6, "2,4"},
        {TGridShape::ContractedNode, 10, 6, "2,4"},    {TGridShape::FixedFooter, 12, 6, nullptr},
    };
    for (const auto& c : cases) {
        if (c.shape != GetParam()) continue;
        EXPECT_EQ(grid->RowCount(), c.shownRows);
        EXPECT_EQ(grid->ColCount(), c.shownCols);
        if (c.hiddenText) {
            EXPECT_EQ(DisplayCellShowing(*grid, c.hiddenText).X, -1);
        }
    }
    EXPECT_EQ(grid->FixedFooters, GetParam() == TGridShape::FixedFooter ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedGridTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
