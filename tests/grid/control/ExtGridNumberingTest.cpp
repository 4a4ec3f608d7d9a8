#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"

namespace {

using ExtGridNumberingTest = GridOnForm;

TEST_F(ExtGridNumberingTest, AutoNumberingWritesRunningNumbersFromTheStartOn)
{
    grid->SetRowCount(6);
    grid->SetColCount(6);
    const struct {
        int start, offset;
        TSortDirection direction;
        std::vector<std::string> texts; // normal rows or columns 1 to 5
    } cases[] = {
        {0, 0, sdAscending, {"1", "2", "3", "4", "5"}},
        {2, 0, sdAscending, {"", "", "3", "4", "5"}},
        {2, 0, sdDescending, {"5", "4", "3", "", ""}},
        {0, 10, sdAscending, {"11", "12", "13", "14", "15"}},
    };
    for (const auto& c : cases) {
        grid->ClearNormalCells();
        grid->AutoNumberStart = c.start;
        grid->AutoNumberOffset = c.offset;
        grid->AutoNumberDirection = c.direction;
        grid->AutoNumberCol(2);
        grid->AutoNumberRow(3);
        for (int i = 1; i <= 5; ++i) {
            if (i != 3) {
                EXPECT_EQ(grid->Cells(2, i), c.texts[i - 1]) << "row " << i << " start " << c.start;
            }
            if (i != 2) {
                EXPECT_EQ(grid->Cells(i, 3), c.texts[i - 1]) << "column " << i << " start " << c.start;
            }
        }
    }
}

// Cells change places with their colours; widths, heights and the sort column follow them.
TEST_F(ExtGridNumberingTest, SwapsKeepCellColoursWithTheirTexts)
{
    const struct {
        const char* what;
        bool columns;
    } cases[] = {{"columns", true}, {"rows", false}};
    for (const auto& c : cases) {
        grid->SetCells(1, 1, "a");
        grid->SetColors(1, 1, clRed);
        grid->SetCells(3, 3, "b");
        grid->SetFontColors(3, 3, clBlue);
        grid->SetColWidths(1, 40);
        grid->SetRowHeights(1, 40);
        grid->SortSettings()->Column = 1;
        if (c.columns)
            grid->SwapColumns(1, 3);
        else
            grid->SwapRows(1, 3);
        const int aCol = c.columns ? 3 : 1, aRow = c.columns ? 1 : 3;
        const int bCol = c.columns ? 1 : 3, bRow = c.columns ? 3 : 1;
        EXPECT_EQ(grid->Cells(aCol, aRow), "a") << c.what;
        EXPECT_EQ(grid->Colors(aCol, aRow), clRed) << c.what;
        EXPECT_EQ(grid->Cells(bCol, bRow), "b") << c.what;
        EXPECT_EQ(grid->FontColors(bCol, bRow), clBlue) << c.what;
        EXPECT_EQ(grid->Colors(1, 1), clNone) << c.what;
        EXPECT_EQ(c.columns ? grid->ColWidths(3) : grid->RowHeights(3), 40) << c.what;
        EXPECT_EQ(grid->SortSettings()->Column, c.columns ? 3 : 1) << c.what;
        grid->Clear();
    }
}

TEST_F(ExtGridNumberingTest, SwappedColumnsTakeTheirHiddenRowCellsAlong)
{
    FillCoordinates();
    grid->HideRow(2);
    grid->SwapColumns(1, 2);
    grid->UnHideRow(2);
    EXPECT_EQ(grid->Cells(1, 2), "2,2");
    EXPECT_EQ(grid->Cells(2, 2), "1,2");
}

TEST_F(ExtGridNumberingTest, SortSwapsMoveFlagsAndTheSortRowWithTheirRows)
{
    FillCoordinates();
    grid->ShowModified()->Enabled = true;
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->Navigation()->MoveRowOnSort = true;
    grid->SetRowModified(1, true);
    grid->SetRowSelect(3, true);
    grid->SetRowHeights(1, 40);
    grid->SortRow = 1;
    grid->SortSwapRows(1, 3);
    EXPECT_EQ(grid->Cells(2, 3), "2,1");
    EXPECT_EQ(grid->RowHeights(3), 40);
    EXPECT_TRUE(grid->RowModified(3));
    EXPECT_FALSE(grid->RowModified(1));
    EXPECT_TRUE(grid->RowSelect(1));
    EXPECT_FALSE(grid->RowSelect(3));
    EXPECT_EQ(grid->SortRow, 3);
    EXPECT_EQ(grid->Swaps, 1);

    grid->SortSettings()->SingleColumn = true;
    grid->SortSettings()->Column = 2;
    grid->SortSwapRows(1, 3);
    EXPECT_EQ(grid->Cells(2, 1), "2,1");
    EXPECT_EQ(grid->Cells(1, 1), "1,3");
    EXPECT_EQ(grid->RowHeights(3), 40);
    EXPECT_EQ(grid->Swaps, 2);
}

} // namespace
