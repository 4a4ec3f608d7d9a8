#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/control/rows/RowSpace.h"

namespace {

TGridItem HiddenItem(int Row, THideReason Reason = THideReason::Hidden, int Level = -1)
{
    TGridItem item;
    item.Row = TRealRow(Row);
    item.Reason = Reason;
    item.Level = Level;
    return item;
}

// A space with the given real rows hidden.
TRowSpace SpaceHiding(const std::vector<int>& Hidden)
{
    TRowSpace space;
    for (int row : Hidden)
        space.Hidden().Add(HiddenItem(row));
    return space;
}

std::vector<int> HiddenRows(const TRowSpace& Space)
{
    return Space.Hidden().SortedIndexes();
}

TEST(RowSpaceTest, RealAndDisplayRowsMapBothWays)
{
    const TRowSpace space = SpaceHiding({5, 2, 6});
    const struct {
        int real, displ;
    } toDispl[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {9, 6}};
    for (const auto& c : toDispl)
        EXPECT_EQ(space.ToDispl(TRealRow(c.real)), TDisplRow(c.displ)) << "real " << c.real;
    const struct {
        int displ, real;
    } toReal[] = {{-3, -1}, {-1, -1}, {0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 7}, {6, 9}};
    for (const auto& c : toReal)
        EXPECT_EQ(space.ToReal(TDisplRow(c.displ)), TRealRow(c.real)) << "display " << c.displ;
    EXPECT_EQ(space.CheckConsistency(7), "");
}

TEST(RowSpaceTest, RowsComingAndGoingRenumberTheHiddenRowsAndTheFlags)
{
    const struct {
        const char* what;
        std::vector<int> removed; // real rows, with their display rows as flag lines
        int insertedAt, inserted;
        std::vector<int> hiddenAfter;
        int modifiedAfter; // the display row of real row 4's flag
    } cases[] = {
        {"rows inserted above every hidden row", {}, 1, 2, {4, 7, 8}, 5},
        {"rows inserted between hidden rows", {}, 4, 1, {2, 6, 7}, 4},
        {"rows inserted below every hidden row", {}, 8, 3, {2, 5, 6}, 3},
        {"a row removed above", {1}, 0, 0, {1, 4, 5}, 2},
        {"rows removed around", {0, 3, 7}, 0, 0, {1, 3, 4}, 1},
    };
    for (const auto& c : cases) {
        TRowSpace space = SpaceHiding({2, 5, 6});
        space.Flags().SetModified(3, true); // display row 3: real row 4
        if (c.inserted > 0) {
            const TDisplRow at = space.ToDispl(TRealRow(c.insertedAt));
            space.Inserted(TRealRow(c.insertedAt), TFlagLine{at.Index(), at.Index()}, c.inserted);
        } else {
            std::vector<TRealRow> rows;
            std::vector<TFlagLine> lines;
            for (int r : c.removed) {
                rows.push_back(TRealRow(r));
                const int d = space.ToDispl(TRealRow(r)).Index();
                lines.push_back({d, d});
            }
            space.Removed(rows, lines);
        }
        EXPECT_EQ(HiddenRows(space), c.hiddenAfter) << c.what;
        EXPECT_EQ(space.CheckConsistency(10), "") << c.what;
        std::vector<int> modified;
        for (int d = 0; d < 12; ++d)
            if (space.Flags().Modified(d)) modified.push_back(d);
        EXPECT_EQ(modified, std::vector<int>{c.modifiedAfter}) << c.what;
    }
}

TEST(RowSpaceTest, MovedRowsTakeTheHiddenRowsBelowThemAlong)
{
    // Real rows 3 and 4 hide below display (and real) row 2; display rows 0..7 show the
    // real rows 0, 1, 2, 5, 6, 7, 8, 9. Row 2 is modified by display row and selected by
    // the selection's line, as is line 6.
    const struct {
        const char* what;
        int from, count, to;
        bool selectByReal;
        std::vector<int> hiddenAfter;
        int modifiedAfter;
        std::vector<int> selectedAfter;
    } cases[] = {
        {"a row with hidden rows below it moved down", 2, 1, 4, true, {5, 6}, 4, {4, 3}},
        {"a row moved up over the hidden rows", 3, 1, 1, true, {4, 5}, 3, {3, 6}},
        {"a block with hidden rows inside moved down", 1, 2, 4, true, {6, 7}, 5, {5, 2}},
        {"a row moved down past a row with hidden rows", 1, 1, 2, true, {2, 3}, 1, {1, 6}},
        {"a block moved with the selection by display row", 1, 2, 4, false, {6, 7}, 5, {5, 6}},
    };
    for (const auto& c : cases) {
        TRowSpace space = SpaceHiding({3, 4});
        space.Flags().SetModified(2, true);
        space.Flags().SetSelected(2, true, 0);
        space.Flags().SetSelected(6, true, 0);
        space.Moved(TDisplRow(c.from), c.count, TDisplRow(c.to), c.selectByReal);
        EXPECT_EQ(HiddenRows(space), c.hiddenAfter) << c.what;
        std::vector<int> modified;
        for (int d = 0; d < 10; ++d)
            if (space.Flags().Modified(d)) modified.push_back(d);
        EXPECT_EQ(modified, std::vector<int>{c.modifiedAfter}) << c.what;
        EXPECT_EQ(space.Flags().SelectionOrder(), c.selectedAfter) << c.what;
        EXPECT_EQ(space.CheckConsistency(8), "") << c.what;
    }
}

TEST(RowSpaceTest, EveryStoredRowIsVisitedOnceInRealOrder)
{
    TRowSpace space = SpaceHiding({0, 3, 4});
    std::vector<std::string> visits;
    space.ForEachStoredRow(7, [&](TRealRow Row, TGridItem* Hidden, TDisplRow Shown) {
        visits.push_back(std::to_string(Row.Index()) +
                         (Hidden ? "h" + std::to_string(Hidden->Row.Index()) : "d" + std::to_string(Shown.Index())));
    });
    EXPECT_EQ(visits, (std::vector<std::string>{"0h0", "1d0", "2d1", "3h3", "4h4", "5d2", "6d3"}));
}

TEST(RowSpaceTest, TheConsistencyCheckNamesWhatIsWrong)
{
    const struct {
        const char* what;
        std::vector<TGridItem> items;
        int shownRows;
        const char* found;
    } cases[] = {
        {"a row hidden twice", {HiddenItem(2), HiddenItem(2)}, 5, "row 2 hidden twice"},
        {"a row beyond the grid", {HiddenItem(9)}, 5, "hidden row 9 outside the 6 rows"},
        {"a filtered row without its level", {HiddenItem(1, THideReason::FilterLevel)}, 5,
         "row 1 has a filter level without being filtered, or none"},
        {"a level on a node row", {HiddenItem(1, THideReason::Node, 0)}, 5,
         "row 1 has a filter level without being filtered, or none"},
    };
    for (const auto& c : cases) {
        TRowSpace space;
        for (const TGridItem& item : c.items)
            space.Hidden().Add(item);
        EXPECT_EQ(space.CheckConsistency(c.shownRows), c.found) << c.what;
    }
    TRowSpace flags;
    flags.Flags().SetEnabled(8, false);
    EXPECT_EQ(flags.CheckConsistency(5), "a disabled flag beyond the rows");
}

TEST(RowFlagsTest, FlagsFollowTheirRowsThroughMovesAndSwaps)
{
    const struct {
        const char* what;
        std::function<void(TRowFlags&)> change;
        std::vector<int> modified, disabled, selectionOrder;
        std::vector<TFlagCell> cells;
    } cases[] = {
        {"moved down", [](TRowFlags& f) { f.Moved({1, 1, 4}, {1, 1, 4}); }, {4}, {1}, {4, 1}, {{3, 4}, {5, 1}}},
        {"moved up", [](TRowFlags& f) { f.Moved({2, 1, 0}, {2, 1, 0}); }, {2}, {0}, {2, 0}, {{3, 2}, {5, 0}}},
        {"moved past the lists' end", [](TRowFlags& f) { f.Moved({1, 1, 9}, {1, 1, 9}); }, {9}, {1}, {9, 1},
         {{3, 9}, {5, 1}}},
        {"a block moved down", [](TRowFlags& f) { f.Moved({1, 2, 3}, {1, 2, 3}); }, {3}, {4}, {3, 4}, {{3, 3}, {5, 4}}},
        {"a block moved up", [](TRowFlags& f) { f.Moved({1, 2, 0}, {1, 2, 0}); }, {0}, {1}, {0, 1}, {{3, 0}, {5, 1}}},
        {"swapped",
         [](TRowFlags& f) { f.SwapModified(1, 2), f.SwapEnabled(1, 2), f.SwapSelected(1, 2), f.SwapCells(1, 2); },
         {2}, {1}, {2, 1}, {{3, 2}, {5, 1}}},
        {"inserted above", [](TRowFlags& f) { f.Inserted({0, 0}, 2); }, {3}, {4}, {3, 4}, {{3, 3}, {5, 4}}},
        {"removed", [](TRowFlags& f) { f.Removed({{0, 0}, {2, 2}}); }, {0}, {}, {0}, {{3, 0}}},
    };
    for (const auto& c : cases) {
        TRowFlags flags;
        flags.SetModified(1, true);
        flags.SetEnabled(2, false);
        flags.SetSelected(1, true, 0);
        flags.SetSelected(2, true, 0);
        flags.SetCellSelected(3, 1, true);
        flags.SetCellSelected(5, 2, true);
        c.change(flags);
        std::vector<int> modified, disabled;
        for (int line = 0; line < 12; ++line) {
            if (flags.Modified(line)) modified.push_back(line);
            if (!flags.Enabled(line)) disabled.push_back(line);
        }
        EXPECT_EQ(modified, c.modified) << c.what;
        EXPECT_EQ(disabled, c.disabled) << c.what;
        EXPECT_EQ(flags.SelectionOrder(), c.selectionOrder) << c.what;
        EXPECT_EQ(flags.SelectedCells(), c.cells) << c.what;
        EXPECT_EQ(flags.CheckConsistency(12), "") << c.what;
    }
}

} // namespace
