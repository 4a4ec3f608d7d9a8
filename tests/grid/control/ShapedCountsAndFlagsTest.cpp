#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "GridShapes.h"
#include "RowSpaceChecks.h"
#include "grid/control/FindParameters.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"

// The grid's counts, a copied grid and the per-row flags over the grid's shapes: whatever
// rows or columns are out of the grid, each stored row stays whole, in its place, with its
// own flags, and comes back so.

namespace {

class ShapedCountsTest : public ShapedGridTest {};

// The rows that have flags, by original row.
std::map<int, std::string> RowsWithFlags(const TExtStringGrid& Grid)
{
    std::map<int, std::string> flags = RowFlagsByOriginalRow(Grid);
    std::erase_if(flags, [](const auto& Entry) { return Entry.second.empty(); });
    return flags;
}

// The stored rows from the first row to the one before Row.
std::vector<int> StoredRowsAbove(const TExtStringGrid& Grid, int RealRow)
{
    const std::vector<int> order = StoredRowOrder(Grid);
    return std::vector<int>(order.begin(), order.begin() + RealRow);
}

TEST_P(ShapedCountsTest, ASmallerRowCountTakesTheRowsPastTheCutWithItAndNoOther)
{
    const struct {
        const char* cut;
        std::function<int(const TExtStringGrid&)> newCount;
    } cases[] = {
        {"the last two rows", [](const TExtStringGrid& g) { return g.RowCount() - 2; }},
        {"from the row showing 2,5 on", [](const TExtStringGrid& g) { return DisplayCellShowing(g, "2,5").Y; }},
        {"below the first normal row", [](const TExtStringGrid&) { return 2; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cut);
        grid->SetParent(nullptr);
        SetUp();
        const int count = c.newCount(*grid);
        // Every stored row above the first row cut stays: a contracted node keeps its
        // children, a hidden row its place.
        const std::vector<int> expected = StoredRowsAbove(*grid, grid->RealRowIndex(count));
        grid->SetRowCount(count);
        ExpectRowsConsistent(*grid, "cut");
        EXPECT_EQ(grid->RowCount(), count);
        EXPECT_EQ(StoredRowOrder(*grid), expected);
        BringEverythingBack(*grid);
        ExpectRowsConsistent(*grid, "everything back");
        EXPECT_EQ(StoredRowOrder(*grid), expected);
        EXPECT_EQ(grid->NumHiddenRows(), 0);
        EXPECT_EQ(grid->Cells(1, 0), "1,0") << "the header stays on top";
    }
}

TEST_P(ShapedCountsTest, ASmallerColCountTakesTheHiddenColumnsPastTheCutWithIt)
{
    grid->HideColumn(4);
    const int keptHidden = grid->NumHiddenColumns() - 1;
    // Real columns 0..2 stay, column 1 hidden in its shape; 3 is the first column cut and
    // the hidden column 4 lies past it.
    grid->SetColCount(grid->DisplColIndex(3));
    ExpectRowsConsistent(*grid, "cut");
    EXPECT_EQ(grid->TotalColCount(), 3);
    EXPECT_EQ(grid->NumHiddenColumns(), keptHidden);
    BringEverythingBack(*grid);
    ExpectRowsConsistent(*grid, "everything back");
    EXPECT_EQ(grid->ColCount(), 3) << "no column past the cut comes back";
    for (int c = 0; c < grid->ColCount(); ++c)
        EXPECT_EQ(grid->Cells(c, 0), ShapedCellText(c, 0));
    EXPECT_EQ(StoredRowOrder(*grid), ShapedRowsExpected());
}

TEST_P(ShapedCountsTest, AssignReplacesEveryRowAndColumnOfTheGrid)
{
    const struct {
        TGridShape source;
        int hiddenCols;
    } cases[] = {{TGridShape::Plain, 0}, {TGridShape::HiddenColumnLeft, 1}};
    constexpr int kSourceRows = 8;
    for (const auto& c : cases) {
        SCOPED_TRACE(GridShapeName(c.source));
        grid->SetParent(nullptr);
        SetUp();
        auto* source = new TExtStringGrid(&form);
        FillInShape(*source, c.source);
        source->SetRowCount(kSourceRows);
        grid->Assign(*source);
        ExpectRowsConsistent(*grid, "assigned");
        EXPECT_EQ(grid->NumHiddenRows(), 0) << "none of the grid's old rows stays out of it";
        EXPECT_EQ(grid->RowCount(), kSourceRows);
        EXPECT_EQ(grid->NumHiddenColumns(), c.hiddenCols);
        EXPECT_EQ(grid->TotalColCount(), ShapedGridCols);
        EXPECT_EQ(StoredRowOrder(*grid), StoredRowOrder(*source));
        EXPECT_EQ(ShownColumn(*grid, 1), ShownColumn(*source, 1));
        BringEverythingBack(*grid);
        ExpectRowsConsistent(*grid, "everything back");
        EXPECT_EQ(StoredRowOrder(*grid), StoredRowOrder(*source));
        EXPECT_EQ(grid->RowCount(), kSourceRows);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedCountsTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

// What a user does to a row marks that row modified, and the mark shows on it.
class ShapedModifiedMarkTest : public ShapedGridTest {
protected:
    void SetUp() override
    {
        ShapedGridTest::SetUp();
        grid->SetBounds(0, 0, 480, 300);
        grid->SetDefaultRowHeight(20);
        grid->SetOptions(grid->Options() + goEditing);
        grid->ShowModified()->Enabled = true;
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            grid->AddCheckBox(3, r, false, false);
        grid->SetFocus();
    }
    // The display rows whose fixed cell shows the modified mark at its right edge.
    std::vector<int> RowsShowingTheMark()
    {
        TBitmap bitmap;
        bitmap.SetSize(grid->Width(), grid->Height());
        grid->PaintTo(bitmap.Canvas(), 0, 0);
        const TColor mark = ColorToRGB(grid->ShowModified()->Color());
        std::vector<int> rows;
        for (int r = 0; r < grid->RowCount(); ++r) {
            const TRect cell = grid->CellRect(0, r);
            if (bitmap.Canvas()->Pixels(cell.Right - 2, (cell.Top + cell.Bottom) / 2) == mark) rows.push_back(r);
        }
        return rows;
    }
    // A point inside the check box of the cell that shows Text.
    TPoint InCheckBoxShowing(const std::string& Text)
    {
        const TPoint at = DisplayCellShowing(*grid, Text);
        const TRect r = grid->CellRect(at.X, at.Y);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (grid->IsInCheckBox(3, at.Y, x, y)) return {x, y};
        ADD_FAILURE() << "no check box showing " << Text;
        return {};
    }
};

TEST_P(ShapedModifiedMarkTest, TheRowActedOnIsMarkedAndShowsTheMark)
{
    const struct {
        const char* action;
        const char* on; // the cell acted on
        std::function<void()> act;
    } cases[] = {
        {"typing", "2,5",
         [] {
             // The new text still names its row, so the flags can be told by row.
             SendText("2,05");
             SendKey(VK_RETURN);
         }},
        {"Space on a check box", "3,7", [] { SendKey(VK_SPACE); }},
        {"a click on a check box", "3,7",
         [this] {
             const TPoint box = InCheckBoxShowing("3,7");
             SendClick(grid, box.X, box.Y);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        grid->SetParent(nullptr);
        SetUp();
        StandOn(*grid, c.on);
        const int row = grid->Row();
        const int original = std::stoi(std::string(c.on).substr(2));
        c.act();
        ExpectRowsConsistent(*grid, c.action);
        EXPECT_EQ(grid->ModifiedRowCount(), 1);
        EXPECT_TRUE(grid->RowModified(row));
        EXPECT_EQ(RowsShowingTheMark(), std::vector<int>{row});
        BringEverythingBack(*grid);
        ExpectRowsConsistent(*grid, "everything back");
        std::vector<int> marked;
        for (const auto& [r, flags] : RowsWithFlags(*grid))
            if (flags.find('m') != std::string::npos) marked.push_back(r);
        EXPECT_EQ(marked, std::vector<int>{original}) << "the mark stays with its row";
    }
}

TEST_P(ShapedModifiedMarkTest, AReplaceOverTheRowsOutOfTheGridMarksTheRowItChanged)
{
    // The new text still names its row, so the flags can be told by row.
    EXPECT_EQ(grid->Replace("4,3", "4,03", {fnIncludeHiddenRows}), 1);
    ExpectRowsConsistent(*grid, "replaced");
    BringEverythingBack(*grid);
    EXPECT_EQ(grid->AllGridCells(4, 3), "4,03");
    EXPECT_EQ(RowsWithFlags(*grid)[3], "m");
    EXPECT_EQ(grid->ModifiedRowCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedModifiedMarkTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

// A row's flags stay with it when rows above it leave the grid, and a row that leaves takes
// its own flags out with it and brings them back.
class ShapedRowOwnFlagsTest : public ShapedGridTest {};

TEST_P(ShapedRowOwnFlagsTest, FlagsStayOnTheirRowsWhenRowsAboveComeAndGo)
{
    const struct {
        const char* change;
        std::function<void(TExtStringGrid&, int)> hide, bringBack; // given the display row of "2,7"
    } cases[] = {
        {"rows hidden", [](TExtStringGrid& g, int at) { g.HideRows(g.RealRowIndex(at - 2), g.RealRowIndex(at - 1)); },
         [](TExtStringGrid& g, int) { g.UnHideRowsAll(); }},
        {"rows filtered", [](TExtStringGrid& g, int at) { g.HideRowList({at - 2, at - 1}); },
         [](TExtStringGrid& g, int) {
             g.UnHideRowList();
             g.SetFilterLevel(g.FilterLevel() - 1);
         }},
        {"a node contracted",
         [](TExtStringGrid& g, int at) {
             const int node = g.RealRowIndex(at - 2);
             g.AddNode(node, g.RealRowIndex(at) - node);
             g.ContractNode(node);
         },
         [](TExtStringGrid& g, int at) { g.ExpandNode(g.RealRowIndex(at - 2)); }},
    };
    for (const bool byReal : {false, true})
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.change) + (byReal ? ", selection by real row" : ", selection by display row"));
            grid->SetParent(nullptr);
            SetUp();
            grid->MouseActions()->SetDisjunctRowSelect(true);
            grid->MouseActions()->SetDisjunctCellSelect(true);
            grid->MouseActions()->RowSelectPersistent = byReal;
            grid->Navigation()->SkipDisabledRows = true;
            const int at = DisplayCellShowing(*grid, "2,7").Y;
            const int leaving = grid->RealRowIndex(at - 1);
            grid->SetRowModified(at - 1, true);
            grid->SetRowEnabled(at, false);
            grid->SetRowModified(at + 1, true);
            grid->SetSelectedCells(grid->DisplColIndex(3), at + 1, true);
            grid->SetRowSelect(byReal ? grid->RealRowIndex(at + 2) : at + 2, true);
            const std::map<int, std::string> flags = RowsWithFlags(*grid);
            std::map<int, std::string> shownFlags = flags;
            ASSERT_EQ(shownFlags.erase(StoredRowOrder(*grid)[leaving]), 1u);

            c.hide(*grid, at);
            ExpectRowsConsistent(*grid, "hidden");
            EXPECT_EQ(RowsWithFlags(*grid), shownFlags);
            EXPECT_EQ(grid->ModifiedRowCount(), 1) << "the hidden row's mark is out with it";

            c.bringBack(*grid, at);
            ExpectRowsConsistent(*grid, "brought back");
            EXPECT_EQ(RowsWithFlags(*grid), flags);
            EXPECT_EQ(StoredRowOrder(*grid), ShapedRowsExpected());

            // With the rows out again, the disabled row is still the one a Down from above
            // skips (the key moves the row selection, so it comes last).
            c.hide(*grid, at);
            const int disabled = DisplayCellShowing(*grid, "2,7").Y;
            grid->SetFocus();
            grid->FocusCell(grid->DisplColIndex(2), disabled - 1);
            SendKey(VK_DOWN);
            EXPECT_EQ(grid->Row(), disabled + 1);
        }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedRowOwnFlagsTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

// A node's rows end above the fixed footers; a row removal never takes a footer.
class ShapedNodeAndFooterTest : public ShapedGridTest {
protected:
    void SetUp() override
    {
        ShapedGridTest::SetUp();
        grid->SetBounds(0, 0, 480, 300);
        grid->SetDefaultRowHeight(20);
        grid->SetFocus();
    }
    // The shown texts of column 1, top to bottom.
    std::vector<std::string> Shown() const { return ShownColumn(*grid, grid->DisplColIndex(2)); }
};

TEST_P(ShapedNodeAndFooterTest, ANodeReachingToTheEndLeavesTheFootersShown)
{
    const struct {
        const char* how;
        std::function<void(TExtStringGrid&, int)> contract; // given the node's display row
    } cases[] = {
        {"ContractNode", [](TExtStringGrid& g, int at) { g.ContractNode(g.RealRowIndex(at)); }},
        {"ContractAll", [](TExtStringGrid& g, int) { g.ContractAll(); }},
        {"a click on the node",
         [](TExtStringGrid& g, int at) {
             const TRect r = g.CellRect(0, at);
             SendClick(&g, r.Left + 6, (r.Top + r.Bottom) / 2);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        grid->SetParent(nullptr);
        SetUp();
        const int at = DisplayCellShowing(*grid, "2,7").Y;
        grid->AddNode(grid->RealRowIndex(at), 0);
        const std::vector<std::string> before = Shown();
        std::vector<std::string> expected(before.begin(), before.begin() + at + 1);
        expected.insert(expected.end(), before.end() - grid->FixedFooters, before.end());
        c.contract(*grid, at);
        ExpectRowsConsistent(*grid, "contracted");
        EXPECT_TRUE(grid->GetNodeState(at));
        EXPECT_EQ(Shown(), expected);
        grid->ExpandNode(grid->RealRowIndex(at));
        ExpectRowsConsistent(*grid, "expanded");
        EXPECT_EQ(Shown(), before);
        EXPECT_EQ(StoredRowOrder(*grid), ShapedRowsExpected());
    }
}

TEST_P(ShapedNodeAndFooterTest, RemovingCheckedRowsKeepsTheFooters)
{
    for (int r = grid->FixedRows(); r < grid->RowCount() - grid->FixedFooters; ++r)
        grid->AddCheckBox(3, r, false, false);
    grid->SetOptions(grid->Options() + goEditing);
    for (const char* text : {"3,5", "3,7"}) {
        const TPoint at = DisplayCellShowing(*grid, text);
        const TRect r = grid->CellRect(at.X, at.Y);
        TPoint box{-1, -1};
        for (int y = r.Top; y < r.Bottom && box.X < 0; ++y)
            for (int x = r.Left; x < r.Right && box.X < 0; ++x)
                if (grid->IsInCheckBox(3, at.Y, x, y)) box = {x, y};
        ASSERT_GE(box.X, 0) << text;
        SendClick(grid, box.X, box.Y);
        ASSERT_TRUE(grid->IsChecked(3, at.Y)) << text;
    }
    // The unchecked normal rows go; the rows out of the grid, the fixed rows and the footers
    // stay.
    std::vector<int> expected;
    const std::vector<int> order = StoredRowOrder(*grid);
    for (int real = 0; real < grid->TotalRowCount(); ++real) {
        const int d = grid->DisplRowIndex(real);
        const bool normal = !grid->IsHiddenRow(real) && d >= grid->FixedRows() &&
                            d < grid->RowCount() - grid->FixedFooters;
        if (!normal || order[real] == 5 || order[real] == 7) expected.push_back(order[real]);
    }
    grid->RemoveCheckedRows(3, false);
    ExpectRowsConsistent(*grid, "removed");
    EXPECT_EQ(StoredRowOrder(*grid), expected);
    if (grid->FixedFooters > 0) {
        EXPECT_EQ(Shown().back(), "2,11") << "the footer stays the last row";
    }
    BringEverythingBack(*grid);
    ExpectRowsConsistent(*grid, "everything back");
    EXPECT_EQ(StoredRowOrder(*grid), expected);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedNodeAndFooterTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
