#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "grid/foundation/model/UndoRedo.h"

namespace {

// A grid of texts that records what the history does to it. Its display columns are the
// real ones shifted by one, so that the history's column mapping shows.
class FakeGrid : public TComponent, public TUndoRedoGrid {
public:
    FakeGrid() : TComponent(nullptr) {}

    std::string Cells(int ACol, int ARow) const override
    {
        const auto it = cells.find({ACol, ARow});
        return it == cells.end() ? std::string() : it->second;
    }
    void SetCells(int ACol, int ARow, const std::string& Value) override
    {
        cells[{ACol, ARow}] = Value;
        writes.push_back(Value);
    }
    int DisplColIndex(int ACol) const override { return ACol + 1; }
    int Col() const override { return col; }
    void SetCol(int ACol) override { col = ACol; }
    void SetRow(int ARow) override { row = ARow; }
    void RepaintCell(int, int) override { ++cellRepaints; }
    void RepaintGrid() override { ++gridRepaints; }

    // Changes a cell the way the grid control does: writes it and registers the change.
    void Edit(TExtGridUndoRedo& history, int ACol, int ARow, const std::string& Value)
    {
        const std::string old = Cells(ACol, ARow);
        cells[{ACol, ARow}] = Value;
        history.RegisterChange(ACol, ARow, old, Value);
    }

    std::map<std::pair<int, int>, std::string> cells;
    std::vector<std::string> writes;
    int col = 0, row = 0, cellRepaints = 0, gridRepaints = 0;
};

class UndoRedoTest : public testing::Test {
protected:
    UndoRedoTest() { history.SetGrid(&grid); }

    FakeGrid grid;
    TExtGridUndoRedo history{nullptr};
};

TEST_F(UndoRedoTest, UndoAndRedoOneChangeMoveToItsCell)
{
    grid.Edit(history, 2, 3, "new");
    EXPECT_TRUE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    history.Undo();
    EXPECT_EQ(grid.Cells(2, 3), "");
    EXPECT_EQ(history.Level(), 0);
    EXPECT_EQ(grid.col, 3);
    EXPECT_EQ(grid.row, 3);
    EXPECT_EQ(grid.cellRepaints, 1);
    history.Undo();
    EXPECT_EQ(history.Level(), 0);
    history.Redo();
    EXPECT_EQ(grid.Cells(2, 3), "new");
    EXPECT_EQ(history.Level(), 1);
    EXPECT_FALSE(history.CanRedo());
}

TEST_F(UndoRedoTest, EventsSeeTheCurrentTextAndTheTextAboutToBeWritten)
{
    std::vector<std::string> seen;
    const auto record = [&seen](TObject*, TUndoRedoGrid*, int col, int row, const std::string& orig,
                                const std::string& now) {
        seen.push_back(std::to_string(col) + "," + std::to_string(row) + ":" + orig + ">" + now);
    };
    history.OnUndo = record;
    history.OnRedo = record;
    grid.cells[{1, 1}] = "a";
    grid.Edit(history, 1, 1, "b");
    grid.cells[{1, 1}] = "edited outside";
    history.Undo();
    history.Redo();
    EXPECT_EQ(seen, (std::vector<std::string>{"1,1:edited outside>a", "1,1:a>b"}));
}

TEST_F(UndoRedoTest, ASequenceIsUndoneAndRedoneInOneStep)
{
    grid.cells[{0, 0}] = "a0";
    grid.cells[{0, 1}] = "b0";
    history.StartSequence();
    grid.Edit(history, 0, 0, "a1");
    grid.Edit(history, 0, 1, "b1");
    history.StopSequence();
    history.Undo();
    EXPECT_EQ(grid.writes, (std::vector<std::string>{"b0", "a0"}));
    EXPECT_EQ(history.Level(), 0);
    EXPECT_EQ(grid.gridRepaints, 1);
    history.Redo();
    EXPECT_EQ(grid.writes, (std::vector<std::string>{"b0", "a0", "a1", "b1"}));
    EXPECT_EQ(history.Level(), 4);
    EXPECT_EQ(grid.gridRepaints, 2);
}

TEST_F(UndoRedoTest, ANewChangeAfterAnUndoIsUndoneFirstThenTheEarlierEntriesAgain)
{
    grid.Edit(history, 0, 0, "x");
    history.Undo();
    grid.Edit(history, 1, 0, "y");
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Level(), 2);
    history.Undo();
    history.Undo();
    EXPECT_EQ(grid.writes, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(grid.row, 0);
    EXPECT_EQ(grid.col, 1);
}

TEST_F(UndoRedoTest, MaxLevelKeepsTheNewestEntries)
{
    history.MaxLevel = 2;
    for (const char* v : {"1", "2", "3"})
        grid.Edit(history, 0, 0, v);
    EXPECT_EQ(history.Items().Count(), 2);
    EXPECT_EQ(history.Level(), 2);
    EXPECT_EQ(history.Items().Items(0).Value, "2");
}

TEST_F(UndoRedoTest, MaxLevelDropsASequenceAsAWhole)
{
    history.MaxLevel = 3;
    history.StartSequence();
    grid.Edit(history, 0, 0, "a");
    history.StopSequence();
    grid.Edit(history, 0, 1, "b");
    ASSERT_EQ(history.Items().Count(), 1);
    EXPECT_EQ(history.Items().Items(0).Value, "b");
}

TEST_F(UndoRedoTest, OrphanMarkersAreSkippedAndNeverWrittenToACell)
{
    // A sequence left open, then a stop whose start was never recorded.
    grid.Edit(history, 0, 0, "a");
    history.StartSequence();
    grid.Edit(history, 0, 1, "b");
    grid.Edit(history, 0, 2, "c");
    history.StopSequence();
    history.StopSequence();
    history.StartSequence();
    EXPECT_EQ(history.Level(), 7);

    history.Undo(); // the open start and the unmatched stop are passed: the sequence b, c
    EXPECT_EQ(grid.writes, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(history.Level(), 1);
    history.Undo();
    EXPECT_EQ(history.Level(), 0);
    EXPECT_EQ(grid.writes.size(), 3u);

    history.Redo();
    history.Redo();
    EXPECT_EQ(history.Level(), 5);
    history.Redo(); // only orphan markers are left: no cell is touched
    EXPECT_EQ(history.Level(), 7);
    EXPECT_EQ(grid.writes, (std::vector<std::string>{"", "", "", "a", "b", "c"}));
    EXPECT_EQ(grid.cells.count({-1, -1}), 0u);
}

TEST_F(UndoRedoTest, AnUnclosedSequenceIsUndoneChangeByChange)
{
    history.StartSequence();
    grid.Edit(history, 0, 0, "a");
    grid.Edit(history, 0, 1, "b");
    history.Undo();
    EXPECT_EQ(history.Level(), 2);
    history.Undo();
    history.Undo();
    EXPECT_EQ(history.Level(), 0);
    EXPECT_EQ(grid.writes.size(), 2u);
    history.Redo();
    EXPECT_EQ(history.Level(), 2);
    EXPECT_EQ(grid.Cells(0, 0), "a");
}

TEST_F(UndoRedoTest, WithoutAGridNothingChanges)
{
    grid.Edit(history, 0, 0, "a");
    history.SetGrid(nullptr);
    history.Undo();
    EXPECT_EQ(history.Level(), 1);
    history.Reset();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Items().Count(), 0);
}

TEST(UndoRedoLink, AFreedGridIsForgotten)
{
    TExtGridUndoRedo history(nullptr);
    auto grid = std::make_unique<FakeGrid>();
    history.SetGrid(grid.get());
    grid->Edit(history, 0, 0, "a");
    grid.reset();
    EXPECT_EQ(history.Grid(), nullptr);
    history.Undo();
    EXPECT_EQ(history.Level(), 1);
}

} // namespace
