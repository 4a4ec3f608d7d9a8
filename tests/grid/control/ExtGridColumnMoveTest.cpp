#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GridShapes.h"
#include "RowSpaceChecks.h"
#include "grid/control/settings/Filter.h"

namespace {

// The real column each stored row's cell came from (the c of its "c,r"), and -1 for a row
// whose cell at a real column came from another row than its other cells.
std::vector<std::vector<int>> OriginalColumnsOfEveryStoredRow(const TExtStringGrid& Grid)
{
    std::vector<std::vector<int>> rows;
    for (int r = 0; r < Grid.TotalRowCount(); ++r) {
        std::vector<int> cols;
        std::string rowPart;
        for (int c = 0; c < Grid.TotalColCount(); ++c) {
            const std::string text = Grid.AllGridCells(c, r);
            const size_t comma = text.find(',');
            if (comma == std::string::npos) {
                cols.push_back(-1);
                continue;
            }
            if (c == 0) rowPart = text.substr(comma);
            cols.push_back(text.substr(comma) == rowPart ? std::stoi(text.substr(0, comma)) : -1);
        }
        rows.push_back(cols);
    }
    return rows;
}

class ExtGridColumnMoveShapesTest : public ShapedGridTest {};

TEST_P(ExtGridColumnMoveShapesTest, AMovedColumnTakesTheCellsOfEveryStoredRowAlong)
{
    // Display column 1 to display column 4: real 1 to 4, or real 2 to 5 behind the hidden
    // column 1.
    const bool hiddenLeft = GetParam() == TGridShape::HiddenColumnLeft;
    const std::vector<int> expected = hiddenLeft ? std::vector<int>{0, 1, 3, 4, 5, 2} : std::vector<int>{0, 2, 3, 4, 1, 5};
    grid->MoveColumn(1, 4);
    const std::vector<std::vector<int>> rows = OriginalColumnsOfEveryStoredRow(*grid);
    ASSERT_EQ(static_cast<int>(rows.size()), ShapedGridRows);
    for (int r = 0; r < ShapedGridRows; ++r)
        EXPECT_EQ(rows[r], expected) << "stored row " << r;
    EXPECT_EQ(grid->IsHiddenColumn(1), hiddenLeft);
    EXPECT_EQ(grid->Cells(grid->RealColIndex(4), 0), hiddenLeft ? "2,0" : "1,0");
    ExpectRowsConsistent(*grid, "after the move");
    EXPECT_EQ(grid->ColumnSpace().CheckConsistency(grid->TotalColCount()), "");
}

TEST_P(ExtGridColumnMoveShapesTest, AnInsertedOrRemovedColumnOpensOrClosesInEveryStoredRow)
{
    grid->InsertCols(2, 1);
    std::vector<std::vector<int>> rows = OriginalColumnsOfEveryStoredRow(*grid);
    ASSERT_EQ(static_cast<int>(rows.size()), ShapedGridRows);
    for (int r = 0; r < ShapedGridRows; ++r)
        EXPECT_EQ(rows[r], (std::vector<int>{0, 1, -1, 2, 3, 4, 5})) << "stored row " << r;
    grid->RemoveCols(3, 2);
    rows = OriginalColumnsOfEveryStoredRow(*grid);
    for (int r = 0; r < ShapedGridRows; ++r)
        EXPECT_EQ(rows[r], (std::vector<int>{0, 1, -1, 4, 5})) << "stored row " << r;
    EXPECT_EQ(grid->IsHiddenColumn(1), GetParam() == TGridShape::HiddenColumnLeft);
    ExpectRowsConsistent(*grid, "after the insert and the remove");
    EXPECT_EQ(grid->ColumnSpace().CheckConsistency(grid->TotalColCount()), "");
}

// The display columns whose disjunct selection flag is set.
std::vector<int> SelectedColumns(const TExtStringGrid& Grid)
{
    std::vector<int> cols;
    for (int c = 0; c < Grid.ColCount(); ++c)
        if (Grid.ColSelect(c)) cols.push_back(c);
    return cols;
}

TEST_P(ExtGridColumnMoveShapesTest, ASelectedColumnKeepsItsSelectionWhereverItGoes)
{
    grid->MouseActions()->SetDisjunctColSelect(true);
    grid->SetColSelect(2, true);
    const std::string header = grid->Cells(grid->RealColIndex(2), 0);
    const auto last = [this] { return grid->ColCount() - 1; };
    const struct {
        const char* step;
        std::function<void()> act;
        std::function<int()> selected;
    } steps[] = {
        {"moved to the end", [&] { grid->MoveColumn(2, last()); }, last},
        {"a column inserted before it", [&] { grid->InsertCols(grid->RealColIndex(last()), 1); }, last},
        {"swapped with column 1", [&] { grid->SwapColumns(grid->RealColIndex(last()), grid->RealColIndex(1)); },
         [] { return 1; }},
        {"moved right by one", [&] { grid->MoveColumn(1, 2); }, [] { return 2; }},
        {"a column removed before it", [&] { grid->RemoveCols(grid->RealColIndex(1), 1); }, [] { return 1; }},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(SelectedColumns(*grid), std::vector<int>{s.selected()}) << s.step;
        EXPECT_EQ(grid->Cells(grid->RealColIndex(s.selected()), 0), header) << s.step;
        EXPECT_EQ(grid->ColSelectCount(), 1) << s.step;
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridColumnMoveShapesTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

using ExtGridColumnMoveTest = GridOnForm;

TEST_F(ExtGridColumnMoveTest, AHiddenOrFilteredRowComesBackUnderTheMovedHeaders)
{
    const std::vector<std::string> moved = {"0,3", "2,3", "3,3", "4,3", "1,3", "5,3"};
    for (const bool filtered : {false, true}) {
        SCOPED_TRACE(filtered ? "filtered" : "hidden");
        FillInShape(*grid, TGridShape::Plain);
        if (filtered) {
            TFilterData& item = grid->Filter()->Add();
            item.Column = 1;
            item.Condition = "!*,3";
            item.Data = fcNormal;
            grid->SetFilterActive(true);
        } else {
            grid->HideRow(3);
        }
        ASSERT_EQ(grid->RowCount(), ShapedGridRows - 1);
        grid->MoveColumn(1, 4);
        if (filtered) {
            grid->SetFilterActive(false);
            grid->Filter()->Clear();
        } else {
            grid->UnHideRow(3);
        }
        std::vector<std::string> row3;
        for (int c = 0; c < grid->ColCount(); ++c)
            row3.push_back(grid->Cells(c, 3));
        EXPECT_EQ(row3, moved);
        grid->MoveColumn(4, 1);
    }
}

TEST_F(ExtGridColumnMoveTest, AHiddenColumnStaysHiddenWithItsCellsWhenAColumnMovesOverIt)
{
    FillInShape(*grid, TGridShape::Plain);
    grid->HideColumn(2);
    grid->MoveColumn(1, 3);
    std::vector<std::string> shown;
    for (int c = 0; c < grid->ColCount(); ++c)
        shown.push_back(grid->Cells(grid->RealColIndex(c), 0));
    EXPECT_EQ(shown, (std::vector<std::string>{"0,0", "3,0", "4,0", "1,0", "5,0"}));
    EXPECT_EQ(grid->NumHiddenColumns(), 1);
    EXPECT_EQ(grid->ColumnSpace().CheckConsistency(grid->TotalColCount()), "");
    grid->UnHideColumnsAll();
    EXPECT_EQ(grid->Cells(1, 0), "2,0") << "the hidden column's cells, still where the flag is";
}

TEST_F(ExtGridColumnMoveTest, ASwapReachesAHiddenRowThatEndsBeforeTheSwappedColumn)
{
    FillInShape(*grid, TGridShape::Plain);
    grid->HideRow(3);
    // The hidden row's cells end before the added column.
    grid->AddColumn();
    grid->SwapColumns(1, 6);
    grid->UnHideRow(3);
    for (const int r : {0, 3}) {
        EXPECT_EQ(grid->Cells(6, r), "1," + std::to_string(r));
        EXPECT_EQ(grid->Cells(1, r), "");
    }
}

} // namespace
