#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/settings/ColumnSize.h"
#include "platform/rtl/Classes.h"

namespace {

using ExtGridDimensionsTest = GridOnForm;

// The list ColumnHeaders() gives may be edited in place: the header row follows each edit.
TEST_F(ExtGridDimensionsTest, EditingTheColumnHeaderListShowsTheNewHeaders)
{
    TStringList& headers = *grid->ColumnHeaders();
    headers.Add("Id");
    headers.Add("Name");
    EXPECT_EQ(grid->Cells(0, 0), "Id");
    EXPECT_EQ(grid->Cells(1, 0), "Name");
    headers.Put(1, "Név");
    EXPECT_EQ(grid->Cells(1, 0), "Név");
    headers.Delete(0);
    EXPECT_EQ(grid->Cells(0, 0), "Név");
    EXPECT_EQ(grid->Cells(1, 0), "");
}

TEST_F(ExtGridDimensionsTest, StretchingFillsTheClientWidthAndIgnoresWhatItCannotStretch)
{
    grid->SetColCount(3);
    const struct {
        const char* what;
        bool stretch;
        int index;
        int lastWidth;
    } cases[] = {
        {"stretching off", false, -1, 64},
        // Switched on, the last column is stretched at once and follows every width set.
        {"negative index", true, -5, grid->ClientWidth() - 128 - 1},
        {"last column", true, -1, grid->ClientWidth() - 128 - 1},
    };
    for (const auto& c : cases) {
        grid->ColumnSize()->SetStretch(c.stretch);
        grid->SetColWidths(2, 64);
        EXPECT_NO_THROW(grid->StretchColumn(c.index)) << c.what;
        EXPECT_EQ(grid->ColWidths(2), c.lastWidth) << c.what;
    }
}

TEST_F(ExtGridDimensionsTest, StretchingAColumnTheGridDoesNotHaveRaises)
{
    grid->SetColCount(3);
    for (const bool stretch : {false, true})
        for (const int index : {3, 99}) {
            grid->ColumnSize()->SetStretch(stretch);
            grid->SetColWidths(2, 64);
            const int width = grid->ColWidths(2);
            try {
                grid->StretchColumn(index);
                ADD_FAILURE() << index << " did not raise";
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message(), "Stretch column index out of range");
            }
            EXPECT_EQ(grid->ColWidths(2), width);
        }
}

TEST_F(ExtGridDimensionsTest, SwitchingStretchOnStretchesAtOnceAndFewerColumnsDoNotRaise)
{
    grid->SetColCount(3);
    grid->ColumnSize()->StretchColumn = 1;
    grid->ColumnSize()->SetStretch(true);
    EXPECT_EQ(grid->ColWidths(1), grid->ClientWidth() - 128 - 1);
    grid->ColumnSize()->SetStretch(false);
    grid->SetColWidths(1, 64);
    EXPECT_EQ(grid->ColWidths(1), 64) << "off: nothing follows";
    grid->ColumnSize()->StretchColumn = 2;
    grid->ColumnSize()->SetStretch(true);
    EXPECT_NO_THROW(grid->SetColCount(2)) << "the stretch column is left behind";
    EXPECT_EQ(grid->ColCount(), 2);
}

TEST_F(ExtGridDimensionsTest, StretchedColumnFollowsWidthAndCountChanges)
{
    grid->ColumnSize()->SetStretch(true);
    grid->ColumnSize()->StretchColumn = 1;
    grid->SetColCount(3);
    EXPECT_EQ(grid->ColWidths(1), grid->ClientWidth() - 128 - 1);
    grid->SetColWidths(0, 100);
    EXPECT_EQ(grid->ColWidths(1), grid->ClientWidth() - 164 - 1);
}

TEST_F(ExtGridDimensionsTest, IntegralHeightShowsWholeRowsOnly)
{
    grid->IntegralHeight = true;
    const struct {
        int colCount, asked, height;
    } cases[] = {{5, 100, 92}, {5, 112, 114}, {20, 100, 87}};
    for (const auto& c : cases) {
        grid->SetColCount(c.colCount);
        grid->SetHeight(c.asked);
        EXPECT_EQ(grid->Height(), c.height) << c.colCount << " columns, asked " << c.asked;
    }
}

TEST_F(ExtGridDimensionsTest, HeadersGoToTheFixedRowAndColumnWithLineBreaks)
{
    grid->HideColumn(2);
    TStringList headers;
    headers.SetCommaText("Name,Value\\nunit,Hidden,Last,Beyond");
    grid->SetColumnHeaders(headers);
    EXPECT_EQ(grid->Cells(0, 0), "Name");
    EXPECT_EQ(grid->Cells(1, 0), "Value\runit");
    EXPECT_EQ(grid->Cells(2, 0), "Hidden");
    EXPECT_EQ(grid->Cells(4, 0), "Beyond");
    EXPECT_EQ(grid->Cells(5, 0), "");

    headers.SetCommaText("Top,First");
    grid->SetRowHeaders(headers);
    EXPECT_EQ(grid->Cells(0, 1), "First");
    grid->ClearColumnHeaders();
    EXPECT_EQ(grid->Cells(1, 0), "");
}

TEST_F(ExtGridDimensionsTest, MovedRowsLandBeforeTheTarget)
{
    for (int r = 0; r < 10; ++r)
        grid->SetCells(1, r, std::to_string(r));
    grid->SetRowHeights(3, 40);
    grid->MoveRows(2, 8, 3);
    const char* expected[] = {"0", "1", "5", "6", "7", "2", "3", "4", "8", "9"};
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(grid->Cells(1, r), expected[r]) << "row " << r;
    EXPECT_EQ(grid->RowHeights(6), 40);
}

TEST_F(ExtGridDimensionsTest, SaveRangeLeavesFixedCellsOutOnlyWhenAsked)
{
    grid->SetRowCount(20);
    grid->FixedFooters = 1;
    EXPECT_EQ(grid->SaveRowCount(), 20);
    grid->SaveFixedCells = false;
    EXPECT_EQ(grid->SaveRowCount(), 18);
    EXPECT_EQ(grid->SaveStartCol(), 1);
    EXPECT_EQ(grid->SaveColCount(), 4);
}

TEST_F(ExtGridDimensionsTest, UsedCellsSpanEveryNonEmptyCell)
{
    EXPECT_EQ(grid->GetUsedCells(), TGridRect{});
    grid->SetCells(3, 2, "a");
    grid->SetCells(1, 6, "b");
    EXPECT_EQ(grid->GetUsedCells(), (TGridRect{1, 2, 3, 6}));
}

TEST_F(ExtGridDimensionsTest, FixedSizesFollowTheirWritersRules)
{
    grid->SetColWidths(0, 30);
    grid->SetFixedColWidth(64);
    EXPECT_EQ(grid->ColWidths(0), 30);
    grid->SetFixedColWidth(50);
    EXPECT_EQ(grid->FixedColWidth(), 50);

    grid->SetFixedRowHeight(30);
    EXPECT_EQ(grid->FixedRowHeight(), 30);
    EXPECT_EQ(grid->RowHeights(0), 30);
    EXPECT_EQ(grid->RowHeights(1), 22);
    grid->SetFixedRowHeight(22);
    EXPECT_EQ(grid->RowHeights(0), 22);
}

TEST_F(ExtGridDimensionsTest, TopRowAcceptsNormalRowsOnlyAndScreenPointsFindTheirCell)
{
    grid->SetRowCount(40);
    grid->SetTopRow(0);
    EXPECT_EQ(grid->TopRow(), 1);
    grid->SetTopRow(40);
    EXPECT_EQ(grid->TopRow(), 1);
    grid->SetTopRow(5);
    EXPECT_EQ(grid->TopRow(), 5);

    const TRect cell = grid->CellRect(2, 7);
    int col = -1, row = -1;
    grid->ScreenToCell(grid->ClientToScreen({cell.Left + 3, cell.Top + 3}), col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 7);
}

TEST_F(ExtGridDimensionsTest, GridOfFixedRowsOnlyGetsItsFixedRowsBackWhenRowsAreAdded)
{
    grid->FixedRowAlways = true;
    grid->SetRowCount(2);
    grid->SetFixedRows(3);
    EXPECT_EQ(grid->FixedRows(), 1);
    grid->SetRowCount(10);
    EXPECT_EQ(grid->FixedRows(), 3);
    grid->SetFixedRows(0);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->MaxRowCount(), 10);
}

TEST_F(ExtGridDimensionsTest, DisplayTextHooksReachEveryRowOfTheCount)
{
    grid->OnGetDisplText = [](TObject*, int, int, std::string& Value) { Value = "<" + Value + ">"; };
    grid->SetRowCount(30);
    grid->SetCells(1, 29, "last");
    EXPECT_EQ(grid->Cells(1, 29), "<last>");
}

} // namespace
