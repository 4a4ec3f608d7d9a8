#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/settings/SortSettings.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

// Controls placed over cells stay on their cells while the grid scrolls, hides columns and
// inserts rows, and hide while their cell is out of sight.

namespace {

class ExtGridCellControlsTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 400, 200);
        grid->SetColCount(5);
        grid->SetRowCount(40);
        grid->SetCellControls(2, 3, &button);
    }
    // The button goes before the grid: the grid lets go of it first.
    void TearDown() override
    {
        for (int r = 0; r < grid->RowCount(); ++r)
            if (grid->CellControls(2, r) == &button) grid->SetCellControls(2, r, nullptr);
    }
    // The cell's rectangle with the grid lines at its left and top.
    TRect Covered(int ACol, int ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {r.Left - 1, r.Top - 1, r.Right, r.Bottom};
    }

    TButton button{nullptr};
};

TEST_F(ExtGridCellControlsTest, AControlCoversItsCellWhereverTheCellGoes)
{
    EXPECT_EQ(button.Parent(), grid);
    EXPECT_EQ(grid->CellControls(2, 3), &button);
    EXPECT_EQ(button.BoundsRect(), Covered(2, 3));

    grid->SetTopRow(20);
    EXPECT_FALSE(button.Visible()) << "scrolled out of sight";
    grid->SetTopRow(2);
    EXPECT_TRUE(button.Visible());
    EXPECT_EQ(button.BoundsRect(), Covered(2, 3));
    grid->SetTopRow(1);

    grid->HideColumn(2);
    EXPECT_FALSE(button.Visible()) << "its column hidden";
    grid->SetTopRow(2);
    EXPECT_FALSE(button.Visible()) << "a scroll does not show it in another column";
    grid->SetTopRow(1);
    grid->UnHideColumn(2);
    EXPECT_TRUE(button.Visible());
    EXPECT_EQ(button.BoundsRect(), Covered(2, 3));

    grid->SetColWidths(1, grid->ColWidths(1) + 30);
    EXPECT_EQ(button.BoundsRect(), Covered(2, 3)) << "a wider column before it";

    grid->InsertRows(1, 2);
    EXPECT_EQ(grid->CellControls(2, 5), &button);
    EXPECT_EQ(button.BoundsRect(), Covered(2, 5)) << "two rows inserted above it";
}

TEST_F(ExtGridCellControlsTest, TakenOffItsCellAControlStaysWhereItIs)
{
    grid->SetCellControls(2, 3, nullptr);
    EXPECT_EQ(grid->CellControls(2, 3), nullptr);
    const TRect where = button.BoundsRect();
    grid->SetTopRow(20);
    EXPECT_TRUE(button.Visible());
    EXPECT_EQ(button.BoundsRect(), where);

    // Cells outside the grid take no control.
    TButton other{nullptr};
    grid->SetCellControls(-1, 3, &other);
    grid->SetCellControls(2, grid->RowCount(), &other);
    EXPECT_EQ(other.Parent(), nullptr);
}

TEST_F(ExtGridCellControlsTest, AHeaderClickSortTakesTheControlAlongWithItsRow)
{
    grid->SetRowCount(5);
    const char* names[] = {"", "d", "c", "b", "a"};
    for (int r = 1; r < 5; ++r)
        grid->SetCells(1, r, names[r]);
    grid->SortSettings()->SetShow(true);
    const TRect header = grid->CellRect(1, 0);
    SendClick(grid, (header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2);
    ASSERT_EQ(grid->Cells(1, 2), "b") << "the button's row (b) went up one";
    EXPECT_EQ(grid->CellControls(2, 2), &button);
    EXPECT_EQ(button.BoundsRect(), Covered(2, 2));
}

} // namespace
