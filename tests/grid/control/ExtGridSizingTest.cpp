#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/settings/ColumnSize.h"
#include "platform/ui/Messages.h"

namespace {

using ExtGridSizingTest = GridOnForm;

TEST_F(ExtGridSizingTest, SynchronisedColumnsScaleWithTheGridCuttingFractions)
{
    grid->SetBorderStyle(bsNone);
    grid->SetBounds(0, 0, 400, 200);
    grid->SetColWidths(1, 50);
    grid->SetColWidths(2, 33);
    grid->InitOrigColSizes();
    grid->ColumnSize()->SynchWithGrid = true;
    grid->Perform(WM_SIZE, 0, MAKELPARAM(600, 200));
    EXPECT_EQ(grid->ColWidths(1), 75);
    EXPECT_EQ(grid->ColWidths(2), 49);
}

TEST_F(ExtGridSizingTest, AStretchThatFillsTheWidthEndsTheResizeWithOnResize)
{
    int resized = 0;
    grid->OnResize = [&](TObject*) { ++resized; };
    grid->ColumnSize()->SetStretch(true);
    grid->Perform(WM_SIZE, 0, MAKELPARAM(grid->ClientWidth(), grid->ClientHeight()));
    EXPECT_EQ(resized, 1);
    int total = 0;
    for (int c = 0; c < grid->ColCount(); ++c)
        total += grid->ColWidths(c);
    EXPECT_GE(total, grid->ClientWidth() - grid->ColCount()) << "the last column fills the client width";
}

TEST_F(ExtGridSizingTest, ForcedScrollBarsStayShownButDisabledWhileEverythingFits)
{
    const struct {
        TScrollBarAlways always;
        bool vert, horz;
    } cases[] = {{saVert, true, false}, {saHorz, false, true}, {saBoth, true, true}, {saNone, false, false}};
    for (const auto& c : cases) {
        grid->SetScrollBarAlways(c.always);
        EXPECT_EQ(grid->ScrollBarShown(SB_VERT), c.vert) << c.always;
        EXPECT_EQ(grid->ScrollBarShown(SB_HORZ), c.horz) << c.always;
        EXPECT_FALSE(grid->ScrollBarEnabled(SB_VERT) && c.vert) << c.always;
    }
    grid->SetScrollBarAlways(saVert);
    grid->SetRowCount(60);
    EXPECT_TRUE(grid->ScrollBarEnabled(SB_VERT)) << "rows that do not fit scroll";
}

} // namespace
