#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"

namespace {

class ExtGridEnterAdvanceTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(6);
        grid->SetRowCount(20);
        FillCoordinates();
    }
    void Advance(bool Forward = true)
    {
        grid->AdvanceEditPosition(grid->Col(), grid->Row(), false, false, Forward, false, true);
    }
    std::string Cell() const
    {
        return "(" + std::to_string(grid->Col()) + "," + std::to_string(grid->Row()) + ")";
    }
    TNavigation& Nav() { return *grid->Navigation(); }
};

TEST_F(ExtGridEnterAdvanceTest, EnterMovesInTheConfiguredDirection)
{
    const struct {
        TAdvanceDirection direction;
        bool forward, loop, insert;
        TPoint from;
        const char* expected;
        int rowCount;
    } cases[] = {
        {adLeftRight, true, true, false, {2, 3}, "(3,3)", 20},
        {adLeftRight, true, true, false, {5, 3}, "(1,4)", 20},
        {adLeftRight, true, true, false, {5, 19}, "(1,1)", 20},
        {adLeftRight, true, false, false, {5, 19}, "(5,19)", 20},
        {adLeftRight, true, false, true, {5, 19}, "(1,20)", 21},
        {adLeftRightInRow, true, true, false, {5, 3}, "(1,3)", 20},
        {adLeftRightInRow, true, false, false, {5, 3}, "(5,3)", 20},
        {adTopBottom, true, true, false, {3, 7}, "(3,8)", 20},
        {adTopBottom, true, true, false, {3, 19}, "(4,1)", 20},
        {adTopBottomInCol, true, true, false, {3, 19}, "(3,1)", 20},
        {adLeftRight, false, true, false, {1, 3}, "(5,2)", 20},
        {adTopBottom, false, true, false, {3, 1}, "(2,19)", 20},
    };
    for (const auto& c : cases) {
        grid->SetRowCount(20);
        Nav().SetAdvanceDirection(c.direction);
        Nav().AdvanceOnEnterLoop = c.loop;
        Nav().SetAdvanceInsert(c.insert);
        // An appended row must offer a cell to edit.
        grid->SetOptions(c.insert ? grid->Options() + goEditing : grid->Options() - goEditing);
        grid->MoveCurrentCell(c.from.X, c.from.Y);
        Advance(c.forward);
        const std::string label = "direction " + std::to_string(c.direction) + " from " +
                                  std::to_string(c.from.X) + "," + std::to_string(c.from.Y);
        EXPECT_EQ(Cell(), c.expected) << label;
        EXPECT_EQ(grid->RowCount(), c.rowCount) << label;
    }
}

TEST_F(ExtGridEnterAdvanceTest, AnAppendedRowIsAnnouncedWithItsIndex)
{
    Nav().SetAdvanceInsert(true);
    grid->SetOptions(grid->Options() + goEditing);
    std::vector<int> added;
    grid->OnAutoAddRow = [&](TObject*, int ARow) { added.push_back(ARow); };
    bool refuse = true;
    grid->OnCanAddRow = [&](TObject*, bool& CanAdd) { CanAdd = !refuse; };
    grid->MoveCurrentCell(5, 19);
    Advance();
    EXPECT_EQ(grid->RowCount(), 20);
    EXPECT_TRUE(added.empty());
    refuse = false;
    grid->MoveCurrentCell(5, 19);
    Advance();
    EXPECT_EQ(Cell(), "(1,20)");
    EXPECT_EQ(added, std::vector<int>{20});
}

TEST_F(ExtGridEnterAdvanceTest, EnterStepsOverAMergedCell)
{
    grid->MergeCells(2, 3, 2, 1);
    grid->MoveCurrentCell(2, 3);
    Advance();
    EXPECT_EQ(Cell(), "(4,3)");
}

TEST_F(ExtGridEnterAdvanceTest, AutoAdvanceMayMoveOrRefuseTheTarget)
{
    grid->OnAutoAdvance = [](TObject*, int, int OldCol, int& NewRow, int&, bool& Allow) {
        if (OldCol == 2) NewRow = 9;
        if (OldCol == 4) Allow = false;
    };
    grid->MoveCurrentCell(2, 3);
    Advance();
    EXPECT_EQ(Cell(), "(3,9)");
    grid->MoveCurrentCell(4, 3);
    Advance();
    EXPECT_EQ(Cell(), "(4,3)");
}

// Every following cell is read-only: the skipping walk ends and the focus stays.
TEST_F(ExtGridEnterAdvanceTest, SkippingReadOnlyCellsEndsWhenNothingIsEditable)
{
    grid->OnCanEditCell = [](TObject*, int ARow, int ACol, bool& CanEdit) {
        CanEdit = ARow == 3 && ACol == 2;
    };
    grid->SetOptions(grid->Options() + goEditing);
    grid->MoveCurrentCell(2, 3);
    Advance();
    EXPECT_EQ(Cell(), "(2,3)");
    grid->OnCanEditCell = [](TObject*, int ARow, int ACol, bool& CanEdit) {
        CanEdit = ARow == 3 && ACol == 5;
    };
    Advance();
    EXPECT_EQ(Cell(), "(5,3)");
}

TEST_F(ExtGridEnterAdvanceTest, NothingHappensWithoutAdvanceOnEnterUnlessForced)
{
    grid->MoveCurrentCell(2, 3);
    grid->AdvanceEditPosition(2, 3, false, false, true, false, false);
    EXPECT_EQ(Cell(), "(2,3)");
    Nav().AdvanceOnEnter = true;
    grid->AdvanceEditPosition(2, 3, false, false, true, false, false);
    EXPECT_EQ(Cell(), "(3,3)");
}

} // namespace
