#include <gtest/gtest.h>

#include "GridOnForm.h"

namespace {

using ExtGridLineHooksTest = GridOnForm;

// The last normal row is only emptied, unless the grid may consist of fixed rows alone.
TEST_F(ExtGridLineHooksTest, AutoDeleteRowRemovesARowOrEmptiesTheLastOne)
{
    const struct {
        int rowCount;
        bool fixedRowAlways;
        int expectedRows;
    } cases[] = {{4, false, 3}, {2, false, 2}, {2, true, 1}};
    for (const auto& c : cases) {
        grid->FixedRowAlways = c.fixedRowAlways;
        grid->SetRowCount(c.rowCount);
        grid->SetCells(1, 1, "x");
        int reported = -1;
        grid->OnAutoDeleteRow = [&](TObject*, int ARow) { reported = ARow; };
        grid->AutoDeleteRow(1);
        EXPECT_EQ(grid->RowCount(), c.expectedRows) << c.rowCount << " " << c.fixedRowAlways;
        if (grid->RowCount() > 1) {
            EXPECT_EQ(grid->Cells(1, 1), "") << c.rowCount << " " << c.fixedRowAlways;
        }
        EXPECT_EQ(reported, 1);
    }
}

TEST_F(ExtGridLineHooksTest, SizingBorderIsNearTheEdgesOfFixedCellsOnly)
{
    grid->SetOptions(grid->Options() + goColSizing + goRowSizing);
    const TRect header = grid->CellRect(1, 0);
    const TRect rowHeader = grid->CellRect(0, 2);
    const TRect normal = grid->CellRect(2, 2);
    const struct {
        const char* what;
        int x, y;
        bool expected;
    } cases[] = {
        {"right edge of a column header", header.Right - 2, header.Top + 5, true},
        {"left edge of a column header", header.Left + 3, header.Top + 5, true},
        {"middle of a column header", (header.Left + header.Right) / 2, header.Top + 5, false},
        {"bottom edge of a row header", rowHeader.Left + 5, rowHeader.Bottom - 1, true},
        {"middle of a row header", rowHeader.Left + 5, (rowHeader.Top + rowHeader.Bottom) / 2, false},
        {"edge of a normal cell", normal.Right - 1, normal.Top + 5, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grid->IsOnSizingBorder(c.x, c.y), c.expected) << c.what;
    grid->SetOptions(grid->Options() - goColSizing);
    EXPECT_FALSE(grid->IsOnSizingBorder(header.Right - 2, header.Top + 5));
}

} // namespace
