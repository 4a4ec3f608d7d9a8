#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScreenInput.h"

// Cells picked one by one with the mouse (MouseActions.DisjunctCellSelect).

namespace {

class ExtGridDisjunctCellsTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 480, 280);
        grid->SetOptions(grid->Options() + TGridOptions{goRangeSelect});
        grid->MouseActions()->SetDisjunctCellSelect(true);
    }
    TPoint Centre(int ACol, int ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void Click(int ACol, int ARow, TShiftState Shift = {})
    {
        const TPoint p = Centre(ACol, ARow);
        SendClick(grid, p.X, p.Y, mbLeft, Shift);
    }
    // (column, row) of every selected cell.
    std::set<std::pair<int, int>> Selected()
    {
        std::set<std::pair<int, int>> cells;
        for (int i = 0; i < grid->SelectedCellsCount(); ++i)
            cells.insert({grid->SelectedCell(i).X, grid->SelectedCell(i).Y});
        return cells;
    }
};

TEST_F(ExtGridDisjunctCellsTest, CtrlPicksCellsOneByOneAndAPlainClickStartsAgain)
{
    const struct {
        int Col, Row;
        TShiftState Shift;
        std::set<std::pair<int, int>> Cells;
    } clicks[] = {
        {1, 1, {}, {{1, 1}}},
        {3, 2, {ssCtrl}, {{1, 1}, {3, 2}}},
        {2, 4, {ssCtrl}, {{1, 1}, {3, 2}, {2, 4}}},
        {3, 2, {ssCtrl}, {{1, 1}, {2, 4}}},
        {2, 2, {}, {{2, 2}}},
    };
    for (const auto& c : clicks) {
        Click(c.Col, c.Row, c.Shift);
        EXPECT_EQ(Selected(), c.Cells) << "after " << c.Col << "," << c.Row;
    }
    EXPECT_TRUE(grid->SelectedCells(2, 2));
    EXPECT_FALSE(grid->SelectedCells(1, 1));
}

TEST_F(ExtGridDisjunctCellsTest, ADraggedRangeJoinsTheCellsAndARefusedCellIsNotTaken)
{
    Click(4, 4);
    ScreenMouse(smPress, grid->ClientToScreen(Centre(1, 1)));
    ScreenMouse(smMove, grid->ClientToScreen(Centre(2, 2)));
    ScreenMouse(smRelease, grid->ClientToScreen(Centre(2, 2)));
    EXPECT_EQ(Selected(), (std::set<std::pair<int, int>>{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));

    grid->OnSelectCell = [](TObject*, int ACol, int ARow, bool& CanSelect) { CanSelect = !(ACol == 3 && ARow == 3); };
    Click(3, 3, {ssCtrl});
    EXPECT_FALSE(grid->SelectedCells(3, 3));
    Click(4, 1, {ssCtrl});
    EXPECT_TRUE(grid->SelectedCells(4, 1));
    EXPECT_TRUE(grid->SelectedCells(1, 1)) << "Ctrl keeps the cells picked before";
}

TEST_F(ExtGridDisjunctCellsTest, SpaceAndShiftPickCellsFromTheKeyboard)
{
    Click(1, 1);
    grid->SetFocus();
    const struct {
        const char* step;
        Word key;
        TShiftState shift;
        std::set<std::pair<int, int>> cells;
    } steps[] = {
        {"Right moves only", VK_RIGHT, {}, {{1, 1}}},
        {"Ctrl+Space adds the cell", VK_SPACE, {ssCtrl}, {{1, 1}, {2, 1}}},
        {"Down moves only", VK_DOWN, {}, {{1, 1}, {2, 1}}},
        {"Ctrl+Space again", VK_SPACE, {ssCtrl}, {{1, 1}, {2, 1}, {2, 2}}},
        {"Ctrl+Space takes it away", VK_SPACE, {ssCtrl}, {{1, 1}, {2, 1}}},
        {"Space alone starts again", VK_SPACE, {}, {{2, 2}}},
        {"Shift+Down extends, the current cell aside", VK_DOWN, {ssShift}, {{2, 2}}},
        {"Shift+Down again", VK_DOWN, {ssShift}, {{2, 2}, {2, 3}}},
    };
    for (const auto& s : steps) {
        SendKey(s.key, s.shift);
        EXPECT_EQ(Selected(), s.cells) << s.step;
    }
}

} // namespace
