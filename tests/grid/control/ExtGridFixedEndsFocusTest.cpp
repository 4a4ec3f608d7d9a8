#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GridShapes.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"

namespace {

// The fixed rows and columns at the grid's far ends never become the current cell: not by
// the keys, not by Ctrl+End, not by the Row and Col writers; so typing never reaches them.
class ExtGridFixedEndsFocusTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        FillInShape(*grid, TGridShape::Plain);
        grid->SetOptions(grid->Options() + goEditing);
        grid->SetFocus();
    }
};

TEST_F(ExtGridFixedEndsFocusTest, NoWayOfMovingMakesAFixedEndCurrent)
{
    const struct {
        const char* what;
        std::function<void(TExtStringGrid&)> shape;
        const char* endCell;  // a cell of the fixed end
        const char* nextCell; // the normal cell next to it
        std::function<void(TExtStringGrid&)> move;
    } cases[] = {
        {"Down into a fixed footer", [](TExtStringGrid& g) { g.SetFixedFooters(1); }, "2,11", "2,10",
         [](TExtStringGrid&) { SendKey(VK_DOWN); }},
        {"Ctrl+End onto a fixed footer", [](TExtStringGrid& g) { g.SetFixedFooters(1); }, "5,11", "5,10",
         [](TExtStringGrid&) { SendKey(VK_END, TShiftState{ssCtrl}); }},
        {"Row writer onto a fixed footer", [](TExtStringGrid& g) { g.SetFixedFooters(1); }, "2,11", "2,10",
         [](TExtStringGrid& g) { g.SetRow(11); }},
        {"Right into a fixed right column", [](TExtStringGrid& g) { g.SetFixedRightCols(1); }, "5,4", "4,4",
         [](TExtStringGrid&) { SendKey(VK_RIGHT); }},
        {"Col writer onto a fixed right column", [](TExtStringGrid& g) { g.SetFixedRightCols(1); }, "5,4", "4,4",
         [](TExtStringGrid& g) { g.SetCol(5); }},
        {"Down onto the floating footer's row",
         [](TExtStringGrid& g) {
             g.FloatingFooter()->SetFooterStyle(fsFixedLastRow);
             g.FloatingFooter()->SetVisible(true);
         },
         "2,11", "2,10", [](TExtStringGrid&) { SendKey(VK_DOWN); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid->SetParent(nullptr);
        SetUp();
        c.shape(*grid);
        StandOn(*grid, c.nextCell);
        const TPoint end = DisplayCellShowing(*grid, c.endCell);
        c.move(*grid);
        EXPECT_FALSE(grid->Col() == end.X && grid->Row() == end.Y);
        SendText("x");
        SendKey(VK_RETURN);
        EXPECT_NE(DisplayCellShowing(*grid, c.endCell).X, -1) << "the fixed end keeps its text";
    }
}

TEST_F(ExtGridFixedEndsFocusTest, EnterAtTheLastNormalRowAddsARowAboveTheFixedFooter)
{
    grid->SetFixedFooters(1);
    grid->Navigation()->AdvanceOnEnter = true;
    grid->Navigation()->SetAdvanceInsert(true);
    std::vector<int> added;
    grid->OnAutoAddRow = [&](TObject*, int ARow) { added.push_back(ARow); };
    StandOn(*grid, "5,10");
    SendText("x");
    SendKey(VK_RETURN);
    EXPECT_EQ(grid->RowCount(), 13);
    EXPECT_EQ(ShownColumn(*grid, 2).back(), "2,11") << "the footer stays the last row";
    EXPECT_EQ(ShownColumn(*grid, 2)[11], "");
    EXPECT_EQ(added, std::vector<int>{11});
    EXPECT_EQ(grid->Row(), 11);
}

} // namespace
