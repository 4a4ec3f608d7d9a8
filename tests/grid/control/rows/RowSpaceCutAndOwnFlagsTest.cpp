#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/control/rows/RowSpace.h"

namespace {

// A space with the given real rows hidden, each hidden row's first cell naming its row.
TRowSpace SpaceHidingNamedRows(const std::vector<int>& Hidden)
{
    TRowSpace space;
    for (int row : Hidden) {
        TGridItem item;
        item.Row = TRealRow(row);
        item.Items.Add(std::to_string(row));
        space.Hidden().Add(std::move(item));
    }
    return space;
}

std::vector<int> RowsOfItems(const std::vector<TGridItem>& Items)
{
    std::vector<int> rows;
    for (const TGridItem& item : Items)
        rows.push_back(item.Row.Index());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<int> FlagLines(const TRowFlags& Flags, bool (TRowFlags::*Read)(int) const, bool Set)
{
    std::vector<int> lines;
    for (int line = 0; line < 16; ++line)
        if ((Flags.*Read)(line) == Set) lines.push_back(line);
    return lines;
}

TEST(RowSpaceCutTest, ACutTakesTheShownRowsFromItAndTheHiddenRowsPastTheFirstOfThem)
{
    // Real rows 2, 5, 6 and 9 are hidden: display rows 0..7 show the real rows 0, 1, 3, 4,
    // 7, 8, 10, 11. Display rows 1 and 5 are modified, and the selection counts real rows
    // 3 and 10.
    const struct {
        const char* what;
        int end;
        std::vector<int> hiddenAfter, gone, modifiedAfter, selectedAfter;
    } cases[] = {
        {"below a contracted block", 4, {2, 5, 6}, {9}, {1}, {3}},
        {"right below a hidden row", 3, {2}, {5, 6, 9}, {1}, {3}},
        {"at the last shown row", 7, {2, 5, 6, 9}, {}, {1, 5}, {3, 10}},
        {"at the end", 8, {2, 5, 6, 9}, {}, {1, 5}, {3, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TRowSpace space = SpaceHidingNamedRows({2, 5, 6, 9});
        space.Flags().SetModified(1, true);
        space.Flags().SetModified(5, true);
        space.Flags().SetSelected(3, true, 1);
        space.Flags().SetSelected(10, true, 1);
        const TDisplRow end(c.end);
        const std::vector<TGridItem> gone = space.CutFrom(end, TFlagLine{c.end, space.ToReal(end).Index()});
        EXPECT_EQ(RowsOfItems(gone), c.gone);
        for (const TGridItem& item : gone)
            EXPECT_EQ(item.Items.Strings.front(), std::to_string(item.Row.Index())) << "the items keep their cells";
        EXPECT_EQ(space.Hidden().SortedIndexes(), c.hiddenAfter);
        EXPECT_EQ(FlagLines(space.Flags(), &TRowFlags::Modified, true), c.modifiedAfter);
        EXPECT_EQ(space.Flags().SelectionOrder(), c.selectedAfter);
        EXPECT_EQ(space.CheckConsistency(c.end), "");
    }
}

TEST(RowSpaceCutTest, ReplacingEveryRowLeavesNoHiddenRowAndNoFlag)
{
    TRowSpace space = SpaceHidingNamedRows({1, 4});
    space.Flags().SetModified(2, true);
    space.Flags().SetEnabled(3, false);
    space.Flags().SetSelected(2, true, 1);
    space.Flags().SetCellSelected(1, 2, true);
    EXPECT_EQ(RowsOfItems(space.Replaced()), (std::vector<int>{1, 4}));
    EXPECT_EQ(space.HiddenCount(), 0);
    EXPECT_EQ(space.Flags().ModifiedCount(), 0);
    EXPECT_TRUE(space.Flags().Enabled(3));
    EXPECT_TRUE(space.Flags().SelectionOrder().empty());
    EXPECT_TRUE(space.Flags().SelectedCells().empty());
    EXPECT_EQ(space.CheckConsistency(0), "");
}

// Lines 1..4 carry: 1 modified and selected, 2 disabled with a selected cell in column 5,
// 3 selected with a selected cell in column 2, 4 modified.
TRowFlags FlagsOnLinesOneToFour()
{
    TRowFlags flags;
    flags.SetModified(1, true);
    flags.SetSelected(1, true, 1);
    flags.SetEnabled(2, false);
    flags.SetCellSelected(5, 2, true);
    flags.SetSelected(3, true, 1);
    flags.SetCellSelected(2, 3, true);
    flags.SetModified(4, true);
    return flags;
}

TEST(RowOwnFlagsTest, ARowLeavingTheGridTakesItsFlagsOutAndBringsThemBack)
{
    const struct {
        const char* what;
        int line;
        bool withSelection;
        TRowOwnFlags own;
        std::vector<int> modifiedOut, disabledOut, selectionOut;
        std::vector<TFlagCell> cellsOut;
    } cases[] = {
        {"a modified, selected row", 1, true, {true, false, true, true, {}}, {3}, {1}, {2}, {{5, 1}, {2, 2}}},
        {"a disabled row with a selected cell", 2, true, {false, true, false, false, {5}}, {1, 3}, {}, {1, 2},
         {{2, 2}}},
        {"a selected row, the selection by real row", 3, false, {false, false, false, false, {2}}, {1, 3}, {2},
         {1, 3}, {{5, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TRowFlags flags = FlagsOnLinesOneToFour();
        const TRowFlags before = flags;
        const TRowOwnFlags own = flags.TakeOut(TFlagLine{c.line, c.line}, c.withSelection);
        EXPECT_EQ(own.Modified, c.own.Modified);
        EXPECT_EQ(own.Disabled, c.own.Disabled);
        EXPECT_EQ(own.Selected, c.own.Selected);
        EXPECT_EQ(own.InSelectionOrder, c.own.InSelectionOrder);
        EXPECT_EQ(own.SelectedCellCols, c.own.SelectedCellCols);
        EXPECT_EQ(FlagLines(flags, &TRowFlags::Modified, true), c.modifiedOut);
        EXPECT_EQ(FlagLines(flags, &TRowFlags::Enabled, false), c.disabledOut);
        EXPECT_EQ(flags.SelectionOrder(), c.selectionOut);
        EXPECT_EQ(flags.SelectedCells(), c.cellsOut);
        EXPECT_EQ(flags.CheckConsistency(4, 5), "");

        flags.PutBack(TFlagLine{c.line, c.line}, own, c.withSelection);
        EXPECT_EQ(FlagLines(flags, &TRowFlags::Modified, true), FlagLines(before, &TRowFlags::Modified, true));
        EXPECT_EQ(FlagLines(flags, &TRowFlags::Enabled, false), FlagLines(before, &TRowFlags::Enabled, false));
        EXPECT_EQ(FlagLines(flags, &TRowFlags::Selected, true), FlagLines(before, &TRowFlags::Selected, true));
        for (const TFlagCell& cell : before.SelectedCells())
            EXPECT_TRUE(flags.CellSelected(cell.Col, cell.Line)) << cell.Col << "," << cell.Line;
        EXPECT_EQ(flags.SelectedCells().size(), before.SelectedCells().size());
        EXPECT_EQ(flags.CheckConsistency(5), "");
    }
}

TEST(RowOwnFlagsTest, ACutDropsTheFlagsFromItsLineOn)
{
    TRowFlags flags = FlagsOnLinesOneToFour();
    flags.Truncated(TFlagLine{2, 3});
    EXPECT_EQ(FlagLines(flags, &TRowFlags::Modified, true), std::vector<int>{1});
    EXPECT_EQ(FlagLines(flags, &TRowFlags::Enabled, false), std::vector<int>{});
    EXPECT_EQ(flags.SelectionOrder(), std::vector<int>{1});
    EXPECT_TRUE(flags.SelectedCells().empty());
    EXPECT_EQ(flags.CheckConsistency(2, 3), "");
    EXPECT_EQ(FlagsOnLinesOneToFour().CheckConsistency(2, 3), "a modified flag beyond the rows");
}

} // namespace
