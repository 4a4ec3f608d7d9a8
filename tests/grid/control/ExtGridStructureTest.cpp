#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/CellGraphic.h"
#include "grid/foundation/model/CellProperties.h"
#include "grid/foundation/model/MouseActions.h"

namespace {

std::string Coord(int c, int r) { return std::to_string(c) + "," + std::to_string(r); }

// A grid set up by Prepare, which a table of cases sets up afresh for each case.
class PreparedGrid : public GridOnForm {
protected:
    virtual void Prepare() = 0;
    void SetUp() override
    {
        GridOnForm::SetUp();
        Prepare();
    }
    void FreshGrid()
    {
        delete grid;
        grid = new TExtStringGrid(&form);
        grid->SetParent(&form);
        Prepare();
    }
};

// Rows keep everything that belongs to them through every structure operation: their
// cells in shown and hidden columns, height, colours, modified and selection flags, and a
// hidden row its place between its neighbours.
class ExtGridRowStructureTest : public PreparedGrid {
protected:
    static constexpr int kHiddenCol = 2;
    static constexpr int kHiddenRow = 5;
    static constexpr int kNew = -1;

    void Prepare() override
    {
        grid->SetColCount(4);
        grid->SetRowCount(8);
        FillCoordinates();
        for (int r = 0; r < grid->RowCount(); ++r) {
            grid->SetRowHeights(r, 20 + r);
            grid->SetColors(kHiddenCol, r, 0x100 + r);
            auto* graphic = new TCellGraphic;
            graphic->CellIndex = r;
            grid->GetCellProperties(kHiddenCol, r)->GraphicObject = graphic;
        }
        grid->HideColumn(kHiddenCol);
        grid->HideRow(kHiddenRow);
        grid->MouseActions()->SetDisjunctRowSelect(true);
        for (int d = 0; d < grid->RowCount(); ++d) {
            const int real = grid->RealRowIndex(d);
            if (real % 2 == 1) grid->SetRowModified(d, true);
            if (real == 3 || real == 6) grid->SetRowSelect(d, true);
        }
    }

    // Display rows: the flags are kept by display row.
    void ExpectFlags(const std::vector<int>& RealOrder, const std::string& What)
    {
        std::vector<int> shown;
        std::copy_if(RealOrder.begin(), RealOrder.end(), std::back_inserter(shown),
                     [](int r) { return r != kHiddenRow; });
        ASSERT_EQ(grid->RowCount(), static_cast<int>(shown.size())) << What;
        std::vector<int> selected;
        for (int d = 0; d < grid->RowCount(); ++d) {
            EXPECT_EQ(grid->RowModified(d), shown[d] != kNew && shown[d] % 2 == 1) << What << ", row " << d;
            EXPECT_EQ(grid->RowSelect(d), shown[d] == 3 || shown[d] == 6) << What << ", row " << d;
            if (shown[d] == 3 || shown[d] == 6) selected.push_back(d);
        }
        EXPECT_EQ(grid->SelectedRows(), selected) << What;
    }

    // Real rows, once every row and column is shown again.
    void ExpectRows(const std::vector<int>& RealOrder, const std::string& What)
    {
        grid->UnHideRowsAll();
        grid->UnHideColumnsAll();
        ASSERT_EQ(grid->RowCount(), static_cast<int>(RealOrder.size())) << What;
        for (int r = 0; r < grid->RowCount(); ++r) {
            const int was = RealOrder[r];
            for (int c = 0; c < grid->ColCount(); ++c)
                EXPECT_EQ(grid->Cells(c, r), was == kNew ? "" : Coord(c, was))
                    << What << ", cell " << c << "," << r;
            EXPECT_EQ(grid->RowHeights(r), was == kNew ? grid->DefaultRowHeight() : 20 + was)
                << What << ", row " << r;
            EXPECT_EQ(grid->Colors(kHiddenCol, r), was == kNew ? clNone : TColor(0x100 + was))
                << What << ", row " << r;
            const TCellGraphic* graphic = grid->GetCellGraphic(kHiddenCol, r);
            EXPECT_EQ(graphic ? graphic->CellIndex : kNew, was) << What << ", graphic of row " << r;
        }
        EXPECT_EQ(grid->Cells(0, grid->RowCount()), "") << What << ": the freed tail is empty";
    }
};

TEST_F(ExtGridRowStructureTest, RowsKeepEverythingOfTheirsInStep)
{
    const struct {
        const char* what;
        std::function<void(TExtStringGrid&)> op;
        std::vector<int> realOrder;
    } cases[] = {
        {"remove above the hidden row", [](TExtStringGrid& g) { g.RemoveRows(2, 2); }, {0, 1, 4, 5, 6, 7}},
        {"remove around the hidden row", [](TExtStringGrid& g) { g.RemoveRows(4, 2); }, {0, 1, 2, 3, 5, 7}},
        {"remove past the end", [](TExtStringGrid& g) { g.RemoveRows(5, 9); }, {0, 1, 2, 3, 4, 5}},
        {"remove from beyond the grid",
         [](TExtStringGrid& g) { g.RemoveRows(7, 1); },
         {0, 1, 2, 3, 4, 5, 6, 7}},
        {"internal removal", [](TExtStringGrid& g) { g.RemoveRowsInternal(1, 1); }, {0, 2, 3, 4, 5, 6, 7}},
        {"insert above the hidden row",
         [](TExtStringGrid& g) { g.InsertRows(2, 2); },
         {0, 1, kNew, kNew, 2, 3, 4, 5, 6, 7}},
        {"insert below the hidden row",
         [](TExtStringGrid& g) { g.InsertRows(6, 1); },
         {0, 1, 2, 3, 4, 5, 6, kNew, 7}},
        {"append", [](TExtStringGrid& g) { g.AddRow(); }, {0, 1, 2, 3, 4, 5, 6, 7, kNew}},
    };
    for (const auto& c : cases) {
        FreshGrid();
        c.op(*grid);
        ExpectFlags(c.realOrder, c.what);
        ExpectRows(c.realOrder, c.what);
    }
}

// Heights stay with the row positions; the removed rows' objects are the caller's.
TEST_F(ExtGridRowStructureTest, FastRemovalMovesCellsButNotHeights)
{
    TCellProperties* removed = grid->FindCellProperties(kHiddenCol, 1);
    grid->RemoveRowsEx(1, 1);
    EXPECT_EQ(grid->Cells(0, 1), Coord(0, 2));
    EXPECT_EQ(grid->Colors(kHiddenCol, 1), TColor(0x102));
    EXPECT_EQ(grid->RowHeights(1), 21);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->Cells(0, 6), "");
    grid->UnHideRowsAll();
    EXPECT_EQ(grid->Cells(0, 4), Coord(0, 5));
    // Still alive: the caller owns it.
    EXPECT_EQ(removed->BrushColor(), TColor(0x101));
    delete removed; // with its graphic
}

TEST_F(ExtGridRowStructureTest, InternalRemovalReportsEachRowLeaving)
{
    std::vector<std::pair<int, int>> moves;
    grid->OnRowMoved = [&](TObject*, int From, int To) { moves.emplace_back(From, To); };
    grid->RemoveRowsInternal(2, 2);
    EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{2, 6}, {2, 5}}));
    moves.clear();
    grid->RemoveRows(1, 1);
    EXPECT_TRUE(moves.empty());
}

using ExtGridStructureTest = GridOnForm;

TEST_F(ExtGridStructureTest, CurrentRowAfterRemovalStaysOrGoesToTheLastNormalRow)
{
    const struct {
        int row, removeAt, removeCount, fixedFooters;
        int expectedRow;
        bool hidden;
    } cases[] = {
        {2, 4, 2, 0, 2, false}, {6, 4, 2, 0, 5, false}, {7, 6, 2, 0, 5, false},
        {6, 5, 1, 1, 5, false}, {3, 1, 6, 1, 0, true},
    };
    for (const auto& c : cases) {
        grid->SetRowCount(8);
        grid->FixedFooters = c.fixedFooters;
        grid->SetRow(c.row);
        grid->RemoveRows(c.removeAt, c.removeCount);
        EXPECT_EQ(grid->SelectionHidden(), c.hidden) << "row " << c.row << " removing " << c.removeAt;
        if (!c.hidden) {
            EXPECT_EQ(grid->Row(), c.expectedRow) << "row " << c.row << " removing " << c.removeAt;
        }
    }
}

// Real columns: ColCount counts the shown ones, NumHiddenColumns the hidden ones.
class ExtGridColumnStructureTest : public PreparedGrid {
protected:
    static constexpr int kHiddenCol = 2;
    static constexpr int kHiddenRow = 3;
    static constexpr int kNew = -1;

    void Prepare() override
    {
        grid->SetColCount(6);
        grid->SetRowCount(5);
        FillCoordinates();
        for (int c = 0; c < grid->ColCount(); ++c) {
            grid->SetColWidths(c, 30 + c);
            grid->SetColors(c, 1, 0x200 + c);
            grid->SetColors(c, kHiddenRow, 0x300 + c);
        }
        grid->HideColumn(kHiddenCol);
        grid->HideRow(kHiddenRow);
    }

    void ExpectColumns(const std::vector<int>& RealOrder, const std::string& What)
    {
        const int hidden = static_cast<int>(std::count(RealOrder.begin(), RealOrder.end(), kHiddenCol));
        EXPECT_EQ(grid->NumHiddenColumns(), hidden) << What;
        EXPECT_EQ(grid->ColCount(), static_cast<int>(RealOrder.size()) - hidden) << What;
        grid->UnHideRowsAll();
        ASSERT_EQ(grid->TotalColCount(), static_cast<int>(RealOrder.size())) << What;
        for (int i = 0; i < grid->TotalColCount(); ++i) {
            const int was = RealOrder[i];
            const std::string where = What + ", column " + std::to_string(i);
            EXPECT_EQ(grid->IsHiddenColumn(i), was == kHiddenCol) << where;
            EXPECT_EQ(grid->AllColWidths(i), was == kNew ? grid->DefaultColWidth() : 30 + was) << where;
            EXPECT_EQ(grid->GridCells(i, 1), was == kNew ? "" : Coord(was, 1)) << where;
            EXPECT_EQ(grid->GridCells(i, kHiddenRow), was == kNew ? "" : Coord(was, kHiddenRow)) << where;
            EXPECT_EQ(grid->Colors(i, 1), was == kNew ? clNone : TColor(0x200 + was)) << where;
            EXPECT_EQ(grid->Colors(i, kHiddenRow), was == kNew ? clNone : TColor(0x300 + was)) << where;
        }
        EXPECT_EQ(grid->GridCells(grid->TotalColCount(), 1), "") << What << ": the freed tail is empty";
    }
};

TEST_F(ExtGridColumnStructureTest, ColumnsKeepEverythingOfTheirsInStep)
{
    const struct {
        const char* what;
        std::function<void(TExtStringGrid&)> op;
        std::vector<int> realOrder;
    } cases[] = {
        {"remove across the hidden column", [](TExtStringGrid& g) { g.RemoveCols(1, 3); }, {0, 4, 5}},
        {"remove the hidden column only", [](TExtStringGrid& g) { g.RemoveCols(2, 1); }, {0, 1, 3, 4, 5}},
        {"remove past the end", [](TExtStringGrid& g) { g.RemoveCols(4, 10); }, {0, 1, 2, 3}},
        {"remove beyond the columns", [](TExtStringGrid& g) { g.RemoveCols(6, 1); }, {0, 1, 2, 3, 4, 5}},
        {"insert before the hidden column",
         [](TExtStringGrid& g) { g.InsertCols(1, 2); },
         {0, kNew, kNew, 1, 2, 3, 4, 5}},
        {"insert after the hidden column",
         [](TExtStringGrid& g) { g.InsertCols(3, 1); },
         {0, 1, 2, kNew, 3, 4, 5}},
        {"append", [](TExtStringGrid& g) { g.AddColumn(); }, {0, 1, 2, 3, 4, 5, kNew}},
    };
    for (const auto& c : cases) {
        FreshGrid();
        c.op(*grid);
        ExpectColumns(c.realOrder, c.what);
    }
}

TEST_F(ExtGridStructureTest, ClearingKeepsPropertiesOnlyWhenAskedToClearTextOnly)
{
    grid->SetColCount(4);
    for (bool textOnly : {false, true}) {
        FillCoordinates();
        grid->SetColors(1, 1, clRed);
        grid->SetReadOnly(2, 2, true);
        grid->ClearTextOnly = textOnly;
        grid->ClearRect(1, 1, 2, 2);
        EXPECT_EQ(grid->Cells(1, 1), "") << textOnly;
        EXPECT_EQ(grid->Cells(3, 1), Coord(3, 1)) << textOnly;
        EXPECT_EQ(grid->Colors(1, 1), textOnly ? clRed : clNone) << textOnly;
        EXPECT_EQ(grid->ReadOnly(2, 2), textOnly) << textOnly;
    }
}

// With SaveHiddenCells a hidden column between the cleared ones keeps its text.
TEST_F(ExtGridStructureTest, ClearingRowsReachesHiddenColumnsUnlessTheyAreSaved)
{
    grid->SetColCount(4);
    for (bool save : {false, true}) {
        FillCoordinates();
        grid->HideColumn(1);
        grid->SaveHiddenCells = save;
        grid->ClearRows(2, 1);
        EXPECT_EQ(grid->GridCells(0, 2), "") << save;
        EXPECT_EQ(grid->GridCells(2, 2), "") << save;
        EXPECT_EQ(grid->GridCells(1, 2), save ? Coord(1, 2) : "") << save;
        EXPECT_EQ(grid->GridCells(1, 3), Coord(1, 3)) << save;
        grid->UnHideColumn(1);
    }
}

TEST_F(ExtGridStructureTest, ClearAllEmptiesHiddenRowsToo)
{
    FillCoordinates();
    grid->SetColors(1, 3, clRed);
    grid->HideRow(3);
    grid->ClearAll();
    grid->UnHideRowsAll();
    EXPECT_EQ(grid->Cells(1, 3), "");
    EXPECT_EQ(grid->Colors(1, 3), clNone);
    EXPECT_EQ(grid->Cells(1, 4), "");
}

// A lowered count keeps the cells beyond it with their properties; clearing the smaller
// grid must not forget them, so that a clear after the count is raised again still frees
// them, and the grid frees them at its end.
TEST_F(ExtGridStructureTest, ClearingASmallerGridRemembersThePropertiesBeyondIt)
{
    grid->SetColCount(6);
    grid->SetRowCount(6);
    grid->SetColors(5, 5, clRed);
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->Clear();
    grid->SetColCount(6);
    grid->SetRowCount(6);
    EXPECT_EQ(grid->Colors(5, 5), clRed) << "kept beyond the counts";
    grid->Clear();
    EXPECT_EQ(grid->Colors(5, 5), clNone);
    EXPECT_EQ(grid->FindCellProperties(5, 5), nullptr);
}

// More columns than fit bring a horizontal bar, which leaves room for fewer whole rows.
TEST_F(ExtGridStructureTest, ColumnCountReappliesTheWholeRowHeight)
{
    grid->IntegralHeight = true;
    grid->SetColCount(5);
    grid->SetHeight(100);
    ASSERT_EQ(grid->Height(), 92);
    grid->SetColCount(20);
    EXPECT_EQ(grid->Height(), 87);
}

} // namespace
