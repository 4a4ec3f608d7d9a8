#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"
#include "platform/ui/Mouse.h"

namespace {

class ExtGridWheelTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 400, 200);
        grid->SetRowCount(60);
        grid->SetColWidths(2, 2);
    }
    std::vector<int> Widths() const
    {
        std::vector<int> w;
        for (int c = 0; c < grid->ColCount(); ++c)
            w.push_back(grid->ColWidths(c));
        return w;
    }
    void Wheel(int delta, TShiftState shift = {}) { SendWheel(grid, 50, 50, delta, shift); }
};

// Sizes that a step would make 0 or negative stay; more than 10 steps either way are ignored.
TEST_F(ExtGridWheelTest, ZoomGrowsAndShrinksWithinTenSteps)
{
    const std::vector<int> start = Widths();
    const int height = grid->RowHeights(5);
    const struct {
        int step, factor, growth;
    } cases[] = {{4, 4, 4}, {4, 8, 8}, {4, 8, 8}, {2, 10, 10}, {-10, 0, 0}, {-10, -10, -10}, {-1, -10, -10}};
    for (const auto& c : cases) {
        grid->Zoom(c.step);
        EXPECT_EQ(grid->ZoomFactor, c.factor) << "step " << c.step;
        EXPECT_EQ(grid->ColWidths(1), start[1] + c.growth) << "step " << c.step;
        EXPECT_EQ(grid->RowHeights(5), height + c.growth) << "step " << c.step;
    }
    // 2 + 10 came back to 2, and the step to -8 left it there.
    EXPECT_EQ(grid->ColWidths(2), 2);
}

TEST_F(ExtGridWheelTest, CtrlWheelZoomsByTheDesktopsWheelLines)
{
    const std::vector<int> start = Widths();
    const int lines = Mouse->WheelScrollLines();
    Wheel(-120, {ssCtrl});
    EXPECT_EQ(grid->ZoomFactor, lines);
    for (int c = 0; c < grid->ColCount(); ++c)
        EXPECT_EQ(grid->ColWidths(c), start[c] + lines) << "column " << c;
    Wheel(120, {ssCtrl});
    EXPECT_EQ(Widths(), start);

    grid->IntelliZoom = false;
    Wheel(-120, {ssCtrl});
    EXPECT_EQ(grid->ZoomFactor, 0);
}

TEST_F(ExtGridWheelTest, TheWheelMovesTheRowOrScrollsTheView)
{
    const int lines = Mouse->WheelScrollLines();
    const struct {
        TWheelAction action;
        int increment, delta;
        int rowAfter, topAfter;
    } cases[] = {
        {waMoveSelection, 0, -120, 10 + lines, -1},
        {waMoveSelection, 2, 120, 8, -1},
        {waScroll, 4, -120, 10, 14},
        {waScroll, 0, 120, 10, 10 - lines},
    };
    for (const auto& c : cases) {
        grid->MouseActions()->SetWheelAction(c.action);
        grid->MouseActions()->WheelIncrement = c.increment;
        grid->MoveCurrentCell(2, 10);
        grid->SetTopRow(10);
        const int top = grid->TopRow();
        Wheel(c.delta);
        EXPECT_EQ(grid->Row(), c.rowAfter) << "action " << c.action << " delta " << c.delta;
        if (c.topAfter >= 0) {
            EXPECT_EQ(grid->TopRow(), c.topAfter) << "from top " << top;
        }
    }
}

TEST_F(ExtGridWheelTest, AGridWithTheWheelOffIgnoresIt)
{
    grid->MoveCurrentCell(2, 10);
    grid->EnableWheel = false;
    Wheel(-120);
    EXPECT_EQ(grid->Row(), 10);
}

// The work of a typed key follows the cells it touches, not the grid's size.
TEST(ExtGridTypingCost, TypingCostsTheSameInSmallAndLargeGrids)
{
    const auto hooksPerKey = [](int rows) {
        TForm form(nullptr);
        form.SetClientSize(500, 300);
        auto* grid = new TExtStringGrid(&form);
        grid->SetParent(&form);
        form.Show();
        grid->SetRowCount(rows);
        grid->SetColCount(8);
        grid->SetOptions(grid->Options() + goEditing);
        grid->SetFocus();
        grid->MoveCurrentCell(2, 3);
        int calls = 0;
        grid->OnCanEditCell = [&](TObject*, int, int, bool&) { ++calls; };
        grid->OnGetDisplText = [&](TObject*, int, int, std::string&) { ++calls; };
        SendText("abc", grid);
        SendKey(VK_DOWN, {}, grid);
        SendText("d", grid);
        return calls;
    };
    EXPECT_EQ(hooksPerKey(500), hooksPerKey(20));
}

} // namespace
