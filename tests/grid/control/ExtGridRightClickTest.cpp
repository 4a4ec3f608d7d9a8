#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/Input.h"

// Right presses with MouseActions.SelectOnRightClick: the cell under the pointer becomes the
// selected, current cell, through the grid's own right-click handler or as a left click.

namespace {

class ExtGridRightClickTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 480, 280);
        grid->SetOptions(grid->Options() + TGridOptions{goRangeSelect});
        grid->MouseActions()->SelectOnRightClick = true;
        grid->OnClickCell = [this](TObject*, int ARow, int ACol) { leftClicks.push_back({ACol, ARow}); };
        grid->OnRightClickCell = [this](TObject*, int ARow, int ACol) { rightClicks.push_back({ACol, ARow}); };
    }
    void RightClick(int ACol, int ARow)
    {
        const TRect r = grid->CellRect(ACol, ARow);
        SendClick(grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, mbRight);
    }
    // (column, row) of each click.
    std::vector<std::pair<int, int>> leftClicks, rightClicks;
};

TEST_F(ExtGridRightClickTest, ARightPressFocusesItsCellWithoutALeftClick)
{
    grid->SetSelection({1, 1, 2, 2});
    RightClick(2, 2);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 2, 2}));
    RightClick(3, 4);
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 4, 3, 4}));
    EXPECT_EQ(rightClicks, (std::vector<std::pair<int, int>>{{2, 2}, {3, 4}}));
    EXPECT_TRUE(leftClicks.empty()) << "with its own handler a right press is no left click";

    grid->MouseActions()->SelectOnRightClick = false;
    RightClick(1, 1);
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 4, 3, 4}));
    EXPECT_EQ(rightClicks.back(), (std::pair<int, int>{1, 1}));
}

TEST_F(ExtGridRightClickTest, WithoutARightClickHandlerTheRightPressIsALeftClick)
{
    grid->OnRightClickCell = nullptr;
    RightClick(3, 4);
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 4, 3, 4}));
    EXPECT_EQ(leftClicks, (std::vector<std::pair<int, int>>{{3, 4}}));
}

TEST_F(ExtGridRightClickTest, WithURLEditARightPressEditsALink)
{
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->SetURLShow(true);
    grid->URLEdit = true;
    grid->SetCells(2, 3, "http://www.example.com");
    RightClick(2, 3);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_TRUE(grid->EditorMode());
}

} // namespace
