#include <gtest/gtest.h>

#include <vector>

#include "GridOnForm.h"

namespace {

class TSelectProbeGrid : public TExtStringGrid {
public:
    using TExtStringGrid::IsFixed;
    using TExtStringGrid::SelectCell;
    using TExtStringGrid::TExtStringGrid;
};

class ExtGridSelectionTest : public GridOnFormOf<TSelectProbeGrid> {
protected:
    void SetUp() override
    {
        GridOnFormOf::SetUp();
        FillCoordinates();
    }
    bool Editing() const { return grid->Options().Contains(goEditing); }
};

// Row 3: column 2 is read-only through its cell properties, column 3 through OnCanEditCell.
TEST_F(ExtGridSelectionTest, EditingFollowsTheCellsThatMayBeEdited)
{
    grid->GetCellProperties(2, 3)->ReadOnly = true;
    grid->OnCanEditCell = [](TObject*, int ARow, int ACol, bool& CanEdit) {
        if (ARow == 3 && ACol == 3) CanEdit = false;
    };
    const struct {
        int col;
        bool editing;
    } walk[] = {{1, true}, {2, false}, {3, false}, {4, true}, {2, false}, {1, true}};

    grid->SetOptions(grid->Options() + goEditing);
    grid->SetRow(3);
    for (const auto& step : walk) {
        grid->SetCol(step.col);
        EXPECT_EQ(grid->Col(), step.col);
        EXPECT_EQ(Editing(), step.editing) << "column " << step.col;
    }

    // Editing that was never on is not switched on by an editable cell.
    grid->SetOptions(grid->Options() - goEditing);
    grid->SetCol(4);
    grid->SetCol(1);
    EXPECT_FALSE(Editing());
}

TEST_F(ExtGridSelectionTest, MovingOnStoresTheEditedTextAndClosesTheEditor)
{
    grid->SetOptions(grid->Options() + goEditing);
    grid->EditCell(1, 2);
    ASSERT_TRUE(grid->EditorMode());
    grid->InplaceEditor()->SetText("typed");
    grid->SetCol(2);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 2), "typed");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->OriginalCellValue(), "2,2");
}

TEST_F(ExtGridSelectionTest, RefusedMovesKeepTheFocus)
{
    const struct {
        const char* what;
        std::function<void()> arrange;
        int col, row;
        bool answer;
    } cases[] = {
        {"fixed cell", [] {}, 0, 2, false},
        {"fixed cell with row selection", [this] { grid->SetOptions(grid->Options() + goRowSelect); }, 0, 2,
         true},
        {"negative index", [] {}, -1, 2, false},
        {"refused by OnRowChanging",
         [this] { grid->OnRowChanging = [](TObject*, int, int, bool& Allow) { Allow = false; }; }, 1, 5,
         false},
        {"disabled row", [this] { grid->SetRowEnabled(5, false); }, 1, 5, false},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        c.arrange();
        EXPECT_EQ(grid->SelectCell(c.col, c.row), c.answer) << c.what;
        EXPECT_EQ(grid->Row(), 1) << c.what;
    }
}

TEST_F(ExtGridSelectionTest, FixedCellsAreTheFixedRowsAndColumnsUnlessTheEventAddsMore)
{
    grid->OnIsFixedCell = [](TObject*, int ARow, int ACol, bool& IsFixed) {
        IsFixed = ARow == 5 && ACol == 2;
    };
    const struct {
        int col, row;
        bool fixed;
    } cases[] = {{0, 3, true}, {3, 0, true}, {1, 1, false}, {2, 5, true}, {3, 5, false}};
    for (const auto& c : cases)
        EXPECT_EQ(grid->IsFixed(c.col, c.row), c.fixed) << "cell " << c.col << "," << c.row;

    grid->OnIsFixedCell = nullptr;
    // Three fixed rows asked for on a grid of three rows: the platform keeps two.
    grid->FixedRowAlways = true;
    grid->SetRowCount(3);
    grid->SetFixedRows(3);
    EXPECT_EQ(grid->FixedRows(), 2);
    EXPECT_TRUE(grid->IsFixed(2, 2));
}

TEST_F(ExtGridSelectionTest, RightPartOfAMergedCellFocusesItsBase)
{
    grid->SetOptions(grid->Options() - goRangeSelect);
    grid->MergeCells(2, 4, 2, 1);
    grid->SetRow(4);
    EXPECT_FALSE(grid->SelectCell(3, 4));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 4);
}

TEST_F(ExtGridSelectionTest, RowChangesAreReportedOncePerRowWithTheOldRow)
{
    std::vector<std::pair<int, int>> changes;
    grid->OnRowChanged = [&changes](TObject*, int OldRow, int NewRow) {
        changes.emplace_back(OldRow, NewRow);
    };
    grid->SetRow(4);
    grid->SetCol(3);
    grid->GotoCell(2, 6);
    const std::vector<std::pair<int, int>> expected = {{-1, 4}, {4, 6}};
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(grid->OriginalCellValue(), "2,6");
}

TEST_F(ExtGridSelectionTest, HiddenSelectionComesBackOrFallsToTheFirstNormalCell)
{
    grid->SelectRange(2, 3, 4, 6);
    grid->HideSelection();
    EXPECT_TRUE(grid->SelectionHidden());
    EXPECT_EQ(grid->Selection().Top, grid->RowCount());
    grid->UnHideSelection();
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 4, 3, 6}));

    grid->HideSelection();
    grid->SetRowCount(3);
    grid->UnHideSelection();
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

} // namespace
