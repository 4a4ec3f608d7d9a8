#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "grid/foundation/model/MergedCells.h"

namespace {

// A grid of cell properties without a window: the merge rules see only this.
class TFakePropsStore : public TCellPropsStore {
public:
    TFakePropsStore(int Cols, int Rows) : FCols(Cols), FRows(Rows) {}

    TCellProperties* FindCellProperties(int ACol, int ARow) const override
    {
        if (ACol < 0 || ARow < 0 || ACol >= FCols || ARow >= FRows) return nullptr;
        const auto it = FProps.find({ACol, ARow});
        return it == FProps.end() ? nullptr : it->second.get();
    }
    TCellProperties* GetCellProperties(int ACol, int ARow) override
    {
        auto& slot = FProps[{ACol, ARow}];
        if (!slot) slot = std::make_unique<TCellProperties>(this, ACol, ARow);
        return slot.get();
    }
    int TotalColCount() const override { return FCols; }
    int GridColCount() const override { return FCols; }
    int GridRowCount() const override { return FRows; }
    void RepaintCell(int ACol, int ARow) override { Repainted.push_back({ACol, ARow}); }

    void Free(int ACol, int ARow) { FProps.erase({ACol, ARow}); }
    int PropsCount() const { return static_cast<int>(FProps.size()); }
    bool AnyOutside() const
    {
        for (const auto& [cell, props] : FProps)
            if (cell.first >= FCols || cell.second >= FRows) return true;
        return false;
    }

    int FCols;
    int FRows;
    std::vector<std::pair<int, int>> Repainted;

private:
    std::map<std::pair<int, int>, std::unique_ptr<TCellProperties>> FProps;
};

class MergedCellsTest : public testing::Test {
protected:
    TFakePropsStore store{8, 8};
    TMergedCells merged{store};
};

TEST_F(MergedCellsTest, ThreeByTwoBlockEncodesSpansAndOffsets)
{
    merged.MergeCells(1, 1, 3, 2);
    const TCellProperties* base = store.FindCellProperties(1, 1);
    EXPECT_TRUE(base->IsBaseCell);
    EXPECT_EQ(base->CellSpanX, 2);
    EXPECT_EQ(base->CellSpanY, 1);
    const TCellProperties* corner = store.FindCellProperties(3, 2);
    EXPECT_FALSE(corner->IsBaseCell);
    EXPECT_EQ(corner->CellSpanX, 2);
    EXPECT_EQ(corner->CellSpanY, 1);
    EXPECT_EQ(store.Repainted.size(), 6u);
}

struct TPointCase {
    const char* Query;
    int Col, Row;
    TPoint Expected;
};

// The block (1, 1) .. (3, 2) of a 3 x 2 merge.
const TPointCase kPointCases[] = {
    {"BaseCell", 3, 2, {1, 1}}, {"BaseCell", 2, 1, {1, 1}}, {"BaseCell", 0, 0, {0, 0}},
    {"BaseCell", 4, 2, {4, 2}}, {"CellSpan", 3, 2, {2, 1}}, {"CellSpan", 1, 1, {2, 1}},
    {"CellSpan", 5, 5, {0, 0}}, {"CellExt", 2, 1, {1, 1}},  {"CellExt", 1, 1, {2, 1}},
    {"CellExt", 3, 2, {0, 0}},  {"CellExt", 6, 6, {0, 0}},
};

TEST_F(MergedCellsTest, PointQueriesOfABlock)
{
    merged.MergeCells(1, 1, 3, 2);
    for (const TPointCase& c : kPointCases) {
        const std::string query = c.Query;
        const TPoint got = query == "BaseCell"   ? merged.BaseCell(c.Col, c.Row)
                           : query == "CellSpan" ? merged.CellSpan(c.Col, c.Row)
                                                 : merged.CellExt(c.Col, c.Row);
        EXPECT_EQ(got, c.Expected) << c.Query << "(" << c.Col << ", " << c.Row << ")";
    }
    EXPECT_EQ(merged.FullCell(2, 2), Rect(1, 1, 3, 2));
    EXPECT_EQ(merged.FullCell(5, 5), Rect(5, 5, 5, 5));
}

struct TFlagCase {
    int Col, Row;
    bool Base, Merged, MergedNonBase, XMerged, YMerged;
};

const TFlagCase kFlagCases[] = {
    {1, 1, true, true, false, true, true},    // the base cell
    {2, 2, false, true, true, true, true},    // a covered cell
    {5, 5, true, false, false, false, false}, // a cell without properties
    {6, 1, true, false, false, false, false}, // merged as 1 x 1: spans (0, 0)
    {0, 4, true, true, false, false, true},   // base of a 1 x 2 block
    {0, 5, false, true, true, false, true},
};

TEST_F(MergedCellsTest, FlagQueries)
{
    merged.MergeCells(1, 1, 3, 2);
    merged.MergeCells(6, 1, 1, 1);
    merged.MergeCells(0, 4, 1, 2);
    for (const TFlagCase& c : kFlagCases) {
        SCOPED_TRACE(testing::Message() << "cell (" << c.Col << ", " << c.Row << ")");
        EXPECT_EQ(merged.IsBaseCell(c.Col, c.Row), c.Base);
        EXPECT_EQ(merged.IsMergedCell(c.Col, c.Row), c.Merged);
        EXPECT_EQ(merged.IsMergedNonBaseCell(c.Col, c.Row), c.MergedNonBase);
        EXPECT_EQ(merged.IsXMergedCell(c.Col, c.Row), c.XMerged);
        EXPECT_EQ(merged.IsYMergedCell(c.Col, c.Row), c.YMerged);
    }
    const TCellProperties* single = store.FindCellProperties(6, 1);
    EXPECT_TRUE(single->IsBaseCell);
    EXPECT_EQ(single->CellSpanX, 0);
    EXPECT_EQ(single->CellSpanY, 0);
}

TEST_F(MergedCellsTest, QueriesCreateNoPropertiesButMergeAndSplitDo)
{
    EXPECT_FALSE(merged.IsMergedCell(3, 3));
    EXPECT_EQ(merged.CellSpan(3, 3), TPoint{});
    EXPECT_EQ(store.PropsCount(), 0);
    merged.SplitCells(3, 3);
    EXPECT_NE(store.FindCellProperties(3, 3), nullptr);
}

TEST_F(MergedCellsTest, SplitOnAnyCellRestoresTheWholeBlock)
{
    merged.MergeCells(1, 1, 3, 2);
    store.Repainted.clear();
    merged.SplitCells(2, 2);
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r) {
            const TCellProperties* props = store.FindCellProperties(c, r);
            EXPECT_TRUE(props->IsBaseCell);
            EXPECT_EQ(props->CellSpanX, -1);
            EXPECT_EQ(props->CellSpanY, -1);
        }
    EXPECT_EQ(store.Repainted.size(), 6u);
}

TEST_F(MergedCellsTest, SplitLeavesAnOverlappingBlockAlone)
{
    merged.MergeCells(1, 1, 2, 2);
    merged.MergeCells(2, 2, 2, 2); // wrongly over the first block's corner
    merged.SplitCells(1, 1);
    EXPECT_TRUE(merged.IsMergedCell(3, 3));
    EXPECT_EQ(merged.BaseCell(3, 3), (TPoint{2, 2}));
}

TEST_F(MergedCellsTest, RowSpans)
{
    EXPECT_EQ(merged.MinRowSpan(1), 8);
    EXPECT_EQ(merged.MaxRowSpan(1), 0);
    EXPECT_FALSE(merged.RowSpanIdentical(1, 2));
    merged.MergeCells(0, 1, 1, 3);
    merged.MergeCells(2, 1, 1, 2);
    EXPECT_EQ(merged.MinRowSpan(1), 1);
    EXPECT_EQ(merged.MaxRowSpan(1), 2);
    EXPECT_TRUE(merged.RowSpanIdentical(1, 2));
    EXPECT_TRUE(merged.RowSpanIdentical(2, 3)); // column 0 only: same base row
    merged.MergeCells(2, 3, 1, 2);
    EXPECT_FALSE(merged.RowSpanIdentical(2, 3)); // column 2: base rows 1 and 3
}

TEST_F(MergedCellsTest, ColSpans)
{
    EXPECT_FALSE(merged.ColSpanIdentical(1, 2));
    merged.MergeCells(1, 0, 3, 1);
    merged.MergeCells(1, 2, 2, 1);
    EXPECT_TRUE(merged.ColSpanIdentical(1, 2));
    EXPECT_TRUE(merged.ColSpanIdentical(2, 3)); // row 0 only: same base column
    merged.MergeCells(3, 2, 2, 1);
    EXPECT_FALSE(merged.ColSpanIdentical(2, 3)); // row 2: base columns 1 and 3
}

TEST_F(MergedCellsTest, MergeIsClippedToTheGrid)
{
    merged.MergeCells(6, 6, 4, 5);
    EXPECT_FALSE(store.AnyOutside());
    EXPECT_EQ(merged.CellSpan(7, 7), (TPoint{1, 1}));
    merged.MergeCells(9, 2, 2, 2);
    EXPECT_FALSE(store.AnyOutside());
}

// A block whose base cell is gone, outside the grid, no base cell, or too small to reach
// the cell is no block: its cells are single.
TEST_F(MergedCellsTest, BrokenBlocksCountAsSingleCells)
{
    merged.MergeCells(1, 1, 2, 2);
    store.Free(1, 1);
    EXPECT_FALSE(merged.IsMergedCell(2, 2));
    EXPECT_TRUE(merged.IsBaseCell(2, 2));
    EXPECT_EQ(merged.BaseCell(2, 2), (TPoint{2, 2}));

    merged.MergeCells(4, 4, 3, 3);
    store.FRows = 5; // the grid shrinks below the base cell's block: the base stays
    EXPECT_TRUE(merged.IsMergedCell(5, 4));
    store.FRows = 8;
    store.FindCellProperties(4, 4)->CellSpanX = 0; // the block no longer reaches column 6
    EXPECT_FALSE(merged.IsMergedCell(6, 5));
    EXPECT_TRUE(merged.IsMergedCell(4, 5));

    TCellProperties* stray = store.GetCellProperties(0, 7);
    stray->IsBaseCell = false;
    stray->CellSpanX = 3; // points at column -3
    stray->CellSpanY = 0;
    EXPECT_EQ(merged.BaseCell(0, 7), (TPoint{0, 7}));
    EXPECT_EQ(merged.CellExt(0, 7), TPoint{});

    TCellProperties* orphan = store.GetCellProperties(7, 7);
    orphan->IsBaseCell = false;
    orphan->CellSpanX = 1; // points at (6, 7), which has no properties
    orphan->CellSpanY = 0;
    EXPECT_FALSE(merged.IsMergedCell(7, 7));
    merged.SplitCells(7, 7); // nothing to follow
    EXPECT_FALSE(store.FindCellProperties(7, 7)->IsBaseCell);
}

} // namespace
