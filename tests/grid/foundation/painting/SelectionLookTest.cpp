#include <gtest/gtest.h>

#include "grid/foundation/painting/SelectionLook.h"

namespace {

TEST(SelectionLookTest, PartCodesAlongASelectedRow)
{
    struct {
        int Col, Left, Right;
        TSelectionPart Part;
    } const cases[] = {
        {2, 2, 2, spSingle},   {1, 1, 3, spLeftEnd},  {2, 1, 3, spMiddle},
        {3, 1, 3, spRightEnd}, {3, 3, 1, spRightEnd}, {1, 3, 1, spLeftEnd},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SelectionPartOf(c.Col, c.Left, c.Right), c.Part)
            << c.Col << " in " << c.Left << ".." << c.Right;
}

TEST(SelectionLookTest, UnfocusedSelectionIsGreyInEveryLook)
{
    for (TGridSelectionStyle style : {ssVista, ssWin7, ssOffice2007})
        EXPECT_EQ(SelectionColors(style, false).Fill, 0xF8F8F8u);
    EXPECT_EQ(SelectionColors(ssVista, true).Border, 0xFDDE99u);
    EXPECT_EQ(SelectionColors(ssWin7, true).Border, 0xCEA27Du);
    EXPECT_EQ(SelectionColors(ssOffice2007, true).Mirror, 0x58D4FCu);
}

} // namespace
