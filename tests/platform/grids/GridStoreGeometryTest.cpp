#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "platform/ui/Input.h"

namespace {

class GridStoreTest : public ::testing::Test, public GridFixture {};

TEST_F(GridStoreTest, CellsBeyondTheCountsAreKeptAndReadBack)
{
    TObject marker;
    grid->SetCells(7, 9, "hidden"); // beyond ColCount 5 and RowCount 5
    grid->SetObjects(12, 0, &marker);
    grid->SetCells(1, 1, "ä€");
    EXPECT_EQ(grid->Cells(7, 9), "hidden");
    EXPECT_EQ(grid->Objects(12, 0), &marker);
    EXPECT_EQ(grid->Cells(12, 0), "");
    EXPECT_EQ(grid->Cells(400, 400), ""); // never written
    EXPECT_EQ(grid->Objects(3, 3), nullptr);
    grid->SetRowCount(2);
    grid->SetColCount(1);
    grid->SetRowCount(10);
    grid->SetColCount(10);
    EXPECT_EQ(grid->Cells(1, 1), "ä€"); // lowering a count keeps the cells
    EXPECT_EQ(grid->Cells(7, 9), "hidden");
    EXPECT_EQ(grid->Objects(12, 0), &marker);
}

TEST_F(GridStoreTest, RowsAndColsCopyTextsAndObjects)
{
    TObject a, b;
    grid->SetCells(0, 1, "x");
    grid->SetObjects(2, 1, &a);
    const TGridStrings row = grid->Rows(1);
    ASSERT_EQ(row.Count(), 5);
    EXPECT_EQ(row.Strings[0], "x");
    EXPECT_EQ(row.Objects[2], &a);
    grid->SetRows(3, row);
    EXPECT_EQ(grid->Cells(0, 3), "x");
    EXPECT_EQ(grid->Objects(2, 3), &a);
    TGridStrings col;
    col.Add("h", &b);
    col.Add("i");
    grid->SetCols(4, col);
    EXPECT_EQ(grid->Cells(4, 0), "h");
    EXPECT_EQ(grid->Objects(4, 0), &b);
    EXPECT_EQ(grid->Cols(4).Strings[1], "i");
}

TEST_F(GridStoreTest, MovingColumnsAndRowsCarriesCellsWidthsAndCurrentCell)
{
    for (int c = 0; c < 5; ++c)
        grid->SetCells(c, 1, std::string(1, char('a' + c)));
    grid->SetCells(9, 1, "beyond");
    grid->SetColWidths(1, 30);
    grid->FocusCell(1, 2, true);
    grid->MoveColumn(1, 3);
    EXPECT_EQ(grid->Rows(1).Strings, (std::vector<std::string>{"a", "c", "d", "b", "e"}));
    EXPECT_EQ(grid->Cells(9, 1), "beyond");
    EXPECT_EQ(grid->ColWidths(3), 30);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Moves, (std::vector<std::pair<int, int>>{{1, 3}}));
    grid->SetCells(0, 4, "last");
    grid->MoveRow(4, 1);
    EXPECT_EQ(grid->Cells(0, 1), "last");
    EXPECT_EQ(grid->Cells(1, 2), "c");
    EXPECT_EQ(grid->Row(), 3);
}

// --- geometry --------------------------------------------------------------------------

class GridGeometryTest : public ::testing::Test, public GridFixture {};

TEST_F(GridGeometryTest, CellRectAndMouseToCellFollowSizesLinesAndScrolling)
{
    EXPECT_EQ(grid->CellRect(0, 0), Rect(0, 0, 64, 24));
    EXPECT_EQ(grid->CellRect(1, 1), Rect(65, 25, 129, 49));
    EXPECT_EQ(grid->CellRect(4, 4), Rect(260, 100, 324, 124)); // partly in view
    EXPECT_EQ(grid->VisibleColCount(), 3);
    EXPECT_EQ(grid->VisibleRowCount(), 3);
    EXPECT_EQ(grid->MouseCoord(70, 30), (TGridCoord{1, 1}));
    EXPECT_EQ(grid->MouseCoord(64, 30), (TGridCoord{-1, -1})); // on the grid line
    EXPECT_EQ(grid->MouseCoord(299, 105), (TGridCoord{4, 4}));
    grid->SetLeftCol(4); // no further than the last column needs
    EXPECT_EQ(grid->LeftCol(), 2);
    EXPECT_EQ(grid->TopLeftChanges, 1);
    EXPECT_TRUE(grid->CellRect(1, 1).IsEmpty());
    EXPECT_EQ(grid->CellRect(2, 1), Rect(65, 25, 129, 49));
    EXPECT_EQ(grid->CellRect(0, 1), Rect(0, 25, 64, 49)); // fixed columns stay
    int col = 0, row = 0;
    grid->MouseToCell(70, 30, col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 1);
}

TEST_F(GridGeometryTest, WidthsLineWidthAndHiddenColumns)
{
    grid->SetColWidths(2, -1); // hidden: no pixels, no line
    grid->SetColWidths(3, 10);
    grid->SetGridLineWidth(2);
    EXPECT_EQ(grid->CellRect(1, 1), Rect(66, 26, 130, 50));
    EXPECT_TRUE(grid->CellRect(2, 1).IsEmpty());
    EXPECT_EQ(grid->CellRect(3, 1), Rect(132, 26, 142, 50));
    EXPECT_EQ(grid->MouseCoord(135, 30), (TGridCoord{3, 1}));
    EXPECT_EQ(grid->GridWidth(), 66 + 66 + 12 + 66);
    grid->SetDefaultColWidth(40); // every column takes the new default
    EXPECT_EQ(grid->ColWidths(2), 40);
    EXPECT_THROW(grid->SetColWidths(5, 10), EInvalidGridOperation);
    EXPECT_THROW(grid->SetFixedCols(5), EInvalidGridOperation);
}

TEST_F(GridGeometryTest, RightToLeftMirrorsColumns)
{
    grid->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(grid->CellRect(0, 0), Rect(236, 0, 300, 24));
    EXPECT_EQ(grid->CellRect(1, 1), Rect(171, 25, 235, 49));
    EXPECT_EQ(grid->MouseCoord(200, 30), (TGridCoord{1, 1}));
    EXPECT_EQ(grid->MouseCoord(290, 30), (TGridCoord{0, 1}));
}

TEST_F(GridGeometryTest, CurrentCellScrollsIntoViewAndScrollBarsTellTheRealRange)
{
    grid->SetScrollBars(ssBoth);
    grid->SetRowCount(100000); // default heights: nothing here walks all rows
    grid->SetRow(99999);
    EXPECT_EQ(grid->Row(), 99999);
    const int visible = grid->VisibleRowCount();
    EXPECT_EQ(grid->TopRow(), 99999 - visible + 1);
    EXPECT_EQ(grid->CellRect(1, 99999).Top, 25 + (visible - 1) * 25);
    const TScrollInfo bar = grid->GetScrollInfo(SB_VERT);
    EXPECT_EQ(bar.Min, 1);
    EXPECT_EQ(bar.Page, visible);
    EXPECT_EQ(bar.Max - bar.Page + 1, 99999 - visible + 1); // the last TopRow
    EXPECT_EQ(bar.Pos, grid->TopRow());
    grid->SetRow(5);
    EXPECT_EQ(grid->TopRow(), 5);
    grid->Perform(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(grid->TopRow(), 5 + visible);
    grid->Perform(WM_VSCROLL, (WPARAM(7) << 16) | SB_THUMBTRACK); // only with goThumbTracking
    EXPECT_EQ(grid->TopRow(), 5 + visible);
    grid->Perform(WM_VSCROLL, (WPARAM(7) << 16) | SB_THUMBPOSITION);
    EXPECT_EQ(grid->TopRow(), 7);
    EXPECT_EQ(grid->Row(), 5); // scrolling leaves the current cell
}

// Scroll positions are full integers: a thumb dragged far beyond 32767 rows or columns
// lands there, and the message's 16-bit field does not cut it short.
TEST_F(GridGeometryTest, ThumbDraggedBeyondSixteenBitsShowsThatPlace)
{
    struct TCase {
        int bar;
        bool release;
        int position;
    };
    grid->SetScrollBars(ssBoth);
    grid->SetOptions(grid->Options() + goThumbTracking);
    grid->SetColCount(70000);
    grid->SetRowCount(50000);
    for (const TCase c :
         {TCase{SB_VERT, true, 40000}, TCase{SB_VERT, false, 45000}, TCase{SB_VERT, true, 100},
          TCase{SB_HORZ, true, 65536 + 7}, TCase{SB_HORZ, false, 40000}}) {
        DragThumb(grid, c.bar, c.position, c.release);
        const int shown = c.bar == SB_VERT ? grid->TopRow() : grid->LeftCol();
        EXPECT_EQ(shown, c.position) << "bar " << c.bar << " at " << c.position;
        EXPECT_EQ(grid->GetScrollInfo(c.bar).Pos, c.position);
    }
}

TEST_F(GridGeometryTest, ChangeScaleScalesSizes)
{
    grid->SetColWidths(1, 100);
    grid->ChangeScale(3, 2);
    EXPECT_EQ(grid->DefaultColWidth(), 96);
    EXPECT_EQ(grid->DefaultRowHeight(), 36);
    EXPECT_EQ(grid->ColWidths(1), 150);
    EXPECT_EQ(grid->ColWidths(2), 96);
    EXPECT_EQ(grid->Width(), 450);
}

} // namespace
