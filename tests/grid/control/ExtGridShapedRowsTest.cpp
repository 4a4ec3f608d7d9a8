#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "GridShapes.h"
#include "RowSpaceChecks.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"

namespace {

// The row keys act on the row the user stands on whatever hides rows or columns around
// it, and every other row, shown or hidden, stays where it was.
class ShapedRowKeysTest : public ShapedGridTest {
protected:
    void SetUp() override
    {
        ShapedGridTest::SetUp();
        grid->Navigation()->AllowInsertRow = true;
        grid->Navigation()->AllowDeleteRow = true;
        grid->SetFocus();
    }
};

TEST_P(ShapedRowKeysTest, DeleteRemovesTheRowStoodOnAndKeepsTheOthersInPlace)
{
    std::vector<int> asked;
    grid->OnCanDeleteRow = [&](TObject*, int ARow, bool&) { asked.push_back(ARow); };
    StandOn(*grid, "2,5");
    SendKey(VK_DELETE);
    EXPECT_EQ(asked, std::vector<int>{5}) << "the event names the real row";
    EXPECT_EQ(DisplayCellShowing(*grid, "2,5").X, -1);
    EXPECT_EQ(StoredRowOrder(*grid), ShapedRowsExpected(5));
    EXPECT_EQ(grid->FilterActive(), GetParam() == TGridShape::FilterActive);
}

TEST_P(ShapedRowKeysTest, InsertPutsAnEmptyRowBeforeTheRowStoodOn)
{
    std::vector<int> announced;
    grid->OnAutoInsertRow = [&](TObject*, int ARow) { announced.push_back(ARow); };
    grid->Navigation()->InsertPosition = pInsertBefore;
    StandOn(*grid, "2,5");
    const int shownAt = grid->Row();
    SendKey(VK_INSERT);
    EXPECT_EQ(announced, std::vector<int>{5}) << "the event names the real row";
    EXPECT_EQ(StoredRowOrder(*grid), ShapedRowsExpected(-1, 5));
    // The filter, applied again, takes the empty row out with the other rows it fails.
    if (GetParam() == TGridShape::FilterActive) return;
    EXPECT_EQ(grid->Row(), shownAt) << "the current row is the new one";
    EXPECT_EQ(grid->Cells(2, shownAt + 1), "2,5");
}

TEST_P(ShapedRowKeysTest, ArrowsStepToTheNextShownCell)
{
    const TGridShape shape = GetParam();
    const char* up = shape == TGridShape::FilterActive     ? "2,3"
                     : shape == TGridShape::ContractedNode ? "2,2"
                                                           : "2,4";
    // Left of column 2 stands the hidden column, then the fixed one: the cell stays.
    const char* left = shape == TGridShape::HiddenColumnLeft ? "2,5" : "1,5";
    const struct {
        Word key;
        const char* reached;
    } cases[] = {
        {VK_DOWN, shape == TGridShape::FilterActive ? "2,7" : "2,6"}, {VK_UP, up}, {VK_RIGHT, "3,5"}, {VK_LEFT, left}};
    for (const auto& c : cases) {
        StandOn(*grid, "2,5");
        SendKey(c.key);
        EXPECT_EQ(grid->Cells(grid->RealColIndex(grid->Col()), grid->Row()), c.reached) << c.key;
    }
}

TEST_P(ShapedRowKeysTest, TypingChangesTheCellStoodOnOnly)
{
    grid->SetOptions(grid->Options() + goEditing);
    StandOn(*grid, "2,5");
    SendText("x");
    SendKey(VK_RETURN);
    EXPECT_EQ(grid->AllGridCells(2, 5), "x");
    std::vector<int> order = StoredRowOrder(*grid);
    EXPECT_EQ(order[5], MixedStoredRow) << "row 5 changed";
    order[5] = 5;
    EXPECT_EQ(order, ShapedRowsExpected()) << "no other row changed";
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedRowKeysTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

// After each structure change every stored row, shown or hidden, is still whole and, where
// the change does not reorder rows, in its place.
class ShapedRowsInPlaceTest : public ShapedGridTest {};

TEST_P(ShapedRowsInPlaceTest, StructureChangesKeepEveryRowWholeAndInPlace)
{
    const struct {
        const char* change;
        std::function<void(TExtStringGrid&)> apply;
        bool reorders;
    } cases[] = {
        {"rows sorted", [](TExtStringGrid& g) { g.Sort(g.RealColIndex(2), sdDescending); }, true},
        {"column moved", [](TExtStringGrid& g) { g.MoveColumn(2, g.ColCount() - 1); }, false},
        {"node contracted and expanded",
         [](TExtStringGrid& g) {
             const int row = g.RealRowIndex(DisplayCellShowing(g, "2,7").Y);
             g.AddNode(row, 3);
             g.ContractNode(row);
             ExpectRowsConsistent(g, "contracted");
             g.ExpandNode(row);
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        grid->SetParent(nullptr);
        SetUp();
        c.apply(*grid);
        ExpectRowsConsistent(*grid, c.change);
        std::vector<int> order = StoredRowOrder(*grid);
        if (c.reorders) {
            EXPECT_EQ(order.front(), 0) << "the fixed row stays first";
            std::sort(order.begin(), order.end());
        }
        EXPECT_EQ(order, ShapedRowsExpected());
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedRowsInPlaceTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

// A row moved by the keyboard, or a block of rows moved by MoveRows, takes along what is
// keyed by it: its flags and the hidden rows below it (a contracted node's children, the
// rows a filter or HideRows took out), which come back under it.
class ShapedRowMoveTest : public ShapedGridTest {
protected:
    void SetUp() override
    {
        ShapedGridTest::SetUp();
        grid->Navigation()->CursorMoveRows = true;
        grid->MouseActions()->RowSelectPersistent = true;
        grid->MouseActions()->SetDisjunctCellSelect(true);
        grid->SetFocus();
    }

    // The original rows of the stored rows, grouped by shown row: each shown row with the
    // hidden rows below it.
    std::vector<std::vector<int>> ShownRowGroups() const
    {
        const std::vector<int> order = StoredRowOrder(*grid);
        std::vector<std::vector<int>> groups;
        for (int r = 0; r < grid->TotalRowCount(); ++r) {
            if (grid->IsHiddenRow(r))
                groups.back().push_back(order[r]);
            else
                groups.push_back({order[r]});
        }
        return groups;
    }

    // The flags of every stored row by its original row: "m" modified, "d" disabled and
    // "c" a selected cell in column 3 for the shown rows, "s" selected for every row.
    std::map<int, std::string> FlagsByOriginalRow() const
    {
        const std::vector<int> order = StoredRowOrder(*grid);
        std::map<int, std::string> flags;
        for (int d = 0; d < grid->RowCount(); ++d) {
            std::string& f = flags[order[grid->RealRowIndex(d)]];
            if (grid->RowModified(d)) f += "m";
            if (!grid->RowEnabled(d)) f += "d";
            if (grid->SelectedCells(grid->DisplColIndex(3), d)) f += "c";
        }
        for (int real : grid->SelectedRows())
            flags[order[real]] += "s";
        return flags;
    }
};

TEST_P(ShapedRowMoveTest, MovedRowsTakeTheirFlagsAndTheHiddenRowsBelowThem)
{
    const struct {
        const char* move;
        std::function<void(TExtStringGrid&, int)> apply; // given the display row of "2,5"
        int from, count, to;                              // relative to that row
    } cases[] = {
        {"Ctrl+Down on one row", [](TExtStringGrid&, int) { SendKey(VK_DOWN, {ssCtrl}); }, 0, 1, 1},
        {"Ctrl+Up on two rows",
         [](TExtStringGrid&, int) {
             SendKey(VK_DOWN, {ssShift});
             SendKey(VK_UP, {ssCtrl});
         },
         0, 2, -1},
        {"MoveRows of two rows", [](TExtStringGrid& g, int at) { g.MoveRows(at, at + 4, 2); }, 0, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.move);
        grid->SetParent(nullptr);
        SetUp();
        StandOn(*grid, "2,5");
        const int at = grid->Row();
        grid->SetRowModified(at, true);
        grid->SetRowEnabled(at - 1, false);
        grid->SetSelectedCells(grid->DisplColIndex(3), at + 1, true);
        grid->SetRowSelect(grid->RealRowIndex(at), true);
        // A hidden row's selection stays with it.
        for (int r = 0; r < grid->TotalRowCount(); ++r)
            if (grid->IsHiddenRow(r)) {
                grid->SetRowSelect(r, true);
                break;
            }
        const std::map<int, std::string> flags = FlagsByOriginalRow();
        std::vector<std::vector<int>> groups = ShownRowGroups();
        const auto block = groups.begin() + at + c.from;
        std::vector<std::vector<int>> moved(block, block + c.count);
        groups.erase(block, block + c.count);
        groups.insert(groups.begin() + at + c.to, moved.begin(), moved.end());
        std::vector<int> expected;
        for (const std::vector<int>& g : groups)
            expected.insert(expected.end(), g.begin(), g.end());

        c.apply(*grid, at);
        ExpectRowsConsistent(*grid, c.move);
        EXPECT_EQ(StoredRowOrder(*grid), expected);
        EXPECT_EQ(FlagsByOriginalRow(), flags);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedRowMoveTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

// Disjunctly selected cells stay on the cells they were selected on when rows come, go or
// are sorted around them.
class ShapedDisjunctCellsTest : public ShapedGridTest {};

TEST_P(ShapedDisjunctCellsTest, SelectedCellsFollowTheirRows)
{
    const auto rowShowing = [](TExtStringGrid& g, const char* Text) { return DisplayCellShowing(g, Text).Y; };
    const struct {
        const char* change;
        std::function<void(TExtStringGrid&)> apply;
    } cases[] = {
        {"row inserted above", [&](TExtStringGrid& g) { g.InsertRows(rowShowing(g, "2,3"), 1); }},
        {"row removed above", [&](TExtStringGrid& g) { g.RemoveRows(rowShowing(g, "2,3"), 1); }},
        {"rows sorted the other way round",
         [](TExtStringGrid& g) {
             const int last = g.ColCount() - 1;
             for (int r = g.FixedRows(); r < g.RowCount(); ++r)
                 g.SetCells(last, r, std::to_string(100 - r));
             g.Sort(g.RealColIndex(last), sdAscending);
         }},
    };
    const std::vector<std::string> selected = {"2,5", "3,7"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        grid->SetParent(nullptr);
        SetUp();
        grid->MouseActions()->SetDisjunctCellSelect(true);
        for (const std::string& text : selected) {
            const TPoint at = DisplayCellShowing(*grid, text);
            grid->SetSelectedCells(at.X, at.Y, true);
        }
        c.apply(*grid);
        ExpectRowsConsistent(*grid, c.change);
        std::vector<std::string> shown;
        for (int i = 0; i < grid->SelectedCellsCount(); ++i) {
            const TGridCoord cell = grid->SelectedCell(i);
            shown.push_back(grid->Cells(grid->RealColIndex(cell.X), cell.Y));
        }
        EXPECT_EQ(shown, selected);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedDisjunctCellsTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
