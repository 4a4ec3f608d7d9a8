#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/settings/SortSettings.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {

// An edit box placed over cell (2, 2) of a 6 x 8 grid.
class ExtGridCellControlsTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(6);
        grid->SetRowCount(8);
        edit = new TEdit(&form);
        grid->SetCellControls(2, 2, edit);
    }
    // The bounds a control over the shown cell gets: the cell grown by its left and top lines.
    TRect Over(int c, int r) const
    {
        const TRect cell = grid->CellRect(c, r);
        return {cell.Left - 1, cell.Top - 1, cell.Right, cell.Bottom};
    }

    TEdit* edit = nullptr;
};

TEST_F(ExtGridCellControlsTest, AControlCoversItsCellAndLeavesItAlive)
{
    EXPECT_EQ(grid->CellControls(2, 2), edit);
    EXPECT_EQ(edit->Parent(), grid);
    EXPECT_EQ(edit->BoundsRect(), Over(2, 2));
    EXPECT_EQ(grid->CellControls(3, 2), nullptr);

    grid->SetCellControls(2, 2, nullptr);
    EXPECT_EQ(grid->CellControls(2, 2), nullptr);
    const TRect left = edit->BoundsRect();
    grid->InsertRows(1, 1);
    // The grid no longer moves it.
    EXPECT_EQ(edit->BoundsRect(), left);
    EXPECT_EQ(edit->Owner(), &form);
}

// Rows and columns that come, go, hide or scroll away take the control with its cell.
TEST_F(ExtGridCellControlsTest, TheControlStaysOnItsCellThroughStructureChanges)
{
    const struct {
        const char* change;
        void (*apply)(TExtStringGrid&);
        int col, row; // where the cell is shown afterwards; -1: not shown
    } cases[] = {
        {"row inserted above", [](TExtStringGrid& g) { g.InsertRows(1, 2); }, 2, 4},
        {"row inserted below", [](TExtStringGrid& g) { g.InsertRows(3, 1); }, 2, 2},
        {"row removed above", [](TExtStringGrid& g) { g.RemoveRows(1, 1); }, 2, 1},
        {"column inserted before", [](TExtStringGrid& g) { g.InsertCols(1, 1); }, 3, 2},
        {"column removed before", [](TExtStringGrid& g) { g.RemoveCols(1, 1); }, 1, 2},
        {"column hidden before", [](TExtStringGrid& g) { g.HideColumn(1); }, 1, 2},
        {"row hidden above", [](TExtStringGrid& g) { g.HideRow(1); }, 2, 1},
        {"own row hidden", [](TExtStringGrid& g) { g.HideRow(2); }, -1, -1},
        {"own column hidden", [](TExtStringGrid& g) { g.HideColumn(2); }, -1, -1},
        {"scrolled away", [](TExtStringGrid& g) { g.SetRowCount(40); g.SetTopRow(10); }, -1, -1},
        {"column widened", [](TExtStringGrid& g) { g.SetColWidths(1, 120); }, 2, 2},
        {"columns swapped", [](TExtStringGrid& g) { g.SwapColumns(2, 4); }, 4, 2},
        {"rows swapped", [](TExtStringGrid& g) { g.SwapRows(5, 2); }, 2, 5},
        {"row moved", [](TExtStringGrid& g) { g.MoveRow(2, 5); }, 2, 5},
        {"column moved", [](TExtStringGrid& g) { g.MoveColumn(2, 4); }, 4, 2},
        {"rows sorted",
         [](TExtStringGrid& g) {
             for (int r = 1; r < 8; ++r)
                 g.SetCells(1, r, std::string(1, char('h' - r)));
             g.SortByColumn(1);
         },
         2, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        SetUp();
        c.apply(*grid);
        if (c.col < 0) {
            EXPECT_FALSE(edit->Visible());
            continue;
        }
        EXPECT_TRUE(edit->Visible());
        EXPECT_EQ(edit->BoundsRect(), Over(c.col, c.row));
        EXPECT_EQ(grid->CellControls(grid->RealColIndex(c.col), c.row), edit);
    }
}

TEST_F(ExtGridCellControlsTest, HiddenOrScrolledCellsGiveTheControlBackWhenShown)
{
    grid->SetRowCount(40);
    grid->SetTopRow(10);
    grid->SetTopRow(1);
    grid->HideRow(2);
    grid->HideColumn(1);
    grid->UnHideRow(2);
    grid->UnHideColumn(1);
    EXPECT_TRUE(edit->Visible());
    EXPECT_EQ(edit->BoundsRect(), Over(2, 2));
}

TEST_F(ExtGridCellControlsTest, ARemovedRowOrColumnTakesItsControlAlong)
{
    grid->RemoveRows(2, 1);
    EXPECT_FALSE(edit->Visible());
    grid->InsertRows(1, 3);
    for (int r = 0; r < grid->RowCount(); ++r)
        EXPECT_EQ(grid->CellControls(2, r), nullptr) << r;
    EXPECT_FALSE(edit->Visible());

    TEdit* other = new TEdit(&form);
    grid->SetCellControls(3, 1, other);
    grid->RemoveCols(3, 1);
    grid->SetColWidths(1, 90);
    EXPECT_FALSE(other->Visible());
}

TEST_F(ExtGridCellControlsTest, AFreedControlLeavesItsCell)
{
    grid->HideRow(2);
    delete edit;
    grid->UnHideRow(2);
    EXPECT_EQ(grid->CellControls(2, 2), nullptr);
    grid->InsertRows(1, 1);
    grid->SetTopRow(3);
    grid->CellControlsUpdate(true);
    EXPECT_EQ(grid->CellControls(2, 3), nullptr);
}

// Rebuilding collects the controls from the cells again.
TEST_F(ExtGridCellControlsTest, RebuildingFindsTheControlsOfTheCells)
{
    TEdit* other = new TEdit(&form);
    grid->SetCellControls(4, 5, other);
    grid->CellControlsUpdate(true);
    grid->SetColWidths(0, 30);
    EXPECT_EQ(edit->BoundsRect(), Over(2, 2));
    EXPECT_EQ(other->BoundsRect(), Over(4, 5));
}

TEST_F(ExtGridCellControlsTest, AHeaderClickSortTakesTheControlAlongWithItsRow)
{
    grid->SetRowCount(5);
    const char* names[] = {"", "d", "a", "c", "b"};
    for (int r = 1; r < 5; ++r)
        grid->SetCells(1, r, names[r]);
    grid->SortSettings()->SetShow(true);
    const TRect header = grid->CellRect(1, 0);
    SendClick(grid, (header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2);
    ASSERT_EQ(grid->Cells(1, 1), "a") << "the edit box's row (a) went up one";
    EXPECT_EQ(grid->CellControls(2, 1), edit);
    EXPECT_EQ(edit->BoundsRect(), Over(2, 1));
}

} // namespace
