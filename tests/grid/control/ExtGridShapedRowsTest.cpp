#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "GridShapes.h"
#include "RowSpaceChecks.h"
#include "grid/control/settings/BalloonSettings.h"
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

// After each structure change every stored row, shown or hidden, is still whole, keeps its
// flags and stands where the change puts it.
class ShapedRowsInPlaceTest : public ShapedGridTest {};

// The stored rows' order once the shown normal rows are sorted on their texts in column 2,
// highest first: "2,9" .. "2,2", "2,11", "2,10", "2,1". The hidden rows keep their places.
// A grid with nodes sorts inside its expanded groups only: the shapes' one node is
// contracted, so every row keeps its place, the node's rows under it.
std::vector<int> OrderSortedDescendingOnColumn2(const TExtStringGrid& Grid)
{
    std::vector<int> order = StoredRowOrder(Grid);
    if (Grid.HasNodes()) return order;
    std::vector<int> places, rows;
    for (int d = Grid.FixedRows(); d < Grid.RowCount() - Grid.FixedFooters; ++d) {
        places.push_back(Grid.RealRowIndex(d));
        rows.push_back(order[places.back()]);
    }
    std::sort(rows.begin(), rows.end(), [](int A, int B) { return ShapedCellText(2, A) > ShapedCellText(2, B); });
    for (size_t i = 0; i < places.size(); ++i)
        order[places[i]] = rows[i];
    return order;
}

TEST_P(ShapedRowsInPlaceTest, StructureChangesKeepEveryRowWholeAndInPlace)
{
    const auto unchanged = [](const TExtStringGrid& g) { return StoredRowOrder(g); };
    const struct {
        const char* change;
        std::function<void(TExtStringGrid&)> apply;
        std::function<std::vector<int>(const TExtStringGrid&)> orderAfter; // asked before the change
    } cases[] = {
        {"rows sorted",
         [](TExtStringGrid& g) {
             // The sort carries the modified and the row selection flags only when asked to.
             g.ShowModified()->Enabled = true;
             g.MouseActions()->SetDisjunctRowSelect(true);
             g.Navigation()->MoveRowOnSort = true;
             g.SortSettings()->AutoFormat = false;
             g.Sort(g.RealColIndex(2), sdDescending);
         },
         OrderSortedDescendingOnColumn2},
        {"column moved", [](TExtStringGrid& g) { g.MoveColumn(2, g.ColCount() - 1); }, unchanged},
        {"node contracted and expanded",
         [](TExtStringGrid& g) {
             const int row = g.RealRowIndex(DisplayCellShowing(g, "2,7").Y);
             g.AddNode(row, 3);
             g.ContractNode(row);
             ExpectRowsConsistent(g, "contracted");
             g.ExpandNode(row);
         },
         unchanged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        grid->SetParent(nullptr);
        SetUp();
        FlagRowsAround(*grid, DisplayCellShowing(*grid, "2,5").Y);
        const std::map<int, std::string> flags = RowFlagsByOriginalRow(*grid);
        const std::vector<int> expected = c.orderAfter(*grid);
        c.apply(*grid);
        ExpectRowsConsistent(*grid, c.change);
        EXPECT_EQ(StoredRowOrder(*grid), expected);
        EXPECT_EQ(RowFlagsByOriginalRow(*grid), flags);
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
        grid->SetFocus();
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
        FlagRowsAround(*grid, at);
        const std::map<int, std::string> flags = RowFlagsByOriginalRow(*grid);
        std::vector<std::vector<int>> groups = ShownRowGroups(*grid);
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
        EXPECT_EQ(RowFlagsByOriginalRow(*grid), flags);
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
