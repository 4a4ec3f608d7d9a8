#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../control/GridShapes.h"
#include "../control/RowSpaceChecks.h"
#include "grid/control/settings/Filter.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/SortSettings.h"

namespace {

// The value of the header whose node holds each data row, shown or out of the grid, by the
// row's key; "none" for a row no header holds. Headers show their value in column 1.
std::map<std::string, std::string> HeaderOfEachRow(const TExtStringGrid& Grid,
                                                   const std::function<std::string(int)>& RowKey)
{
    std::map<std::string, std::string> headers;
    int header = -1, span = 0;
    for (int r = Grid.FixedRows(); r < Grid.TotalRowCount() - Grid.FixedFooters; ++r) {
        const int shown = Grid.IsHiddenRow(r) ? -1 : Grid.DisplRowIndex(r);
        if (shown >= 0 && Grid.IsNode(shown)) {
            header = r;
            span = Grid.GetNodeSpan(shown);
            continue;
        }
        if (shown >= 0 && Grid.IsSummary(shown)) continue;
        headers[RowKey(r)] = header >= 0 && r < header + span ? Grid.AllGridCells(1, header) : "none";
    }
    return headers;
}

// The keys of the rows out of the grid.
std::set<std::string> HiddenRowKeys(const TExtStringGrid& Grid, const std::function<std::string(int)>& RowKey)
{
    std::set<std::string> hidden;
    for (int r = 0; r < Grid.TotalRowCount(); ++r)
        if (Grid.IsHiddenRow(r)) hidden.insert(RowKey(r));
    return hidden;
}

// Grouping whatever hides rows or columns: every row, shown or out of the grid, goes under
// the header of its own value, and UnGroup gives every row its value back.
class ShapedGroupingTest : public ShapedGridTest {
protected:
    // A stored row's key: its original row.
    std::function<std::string(int)> OriginalRow() const
    {
        return [order = StoredRowOrder(*grid)](int Row) {
            return std::to_string(order[static_cast<size_t>(Row)]);
        };
    }
    std::map<std::string, std::string> HeadersByOriginalRow() const
    {
        return HeaderOfEachRow(*grid, OriginalRow());
    }
    std::set<std::string> HiddenOriginalRows() const { return HiddenRowKeys(*grid, OriginalRow()); }
};

TEST_P(ShapedGroupingTest, GroupPutsEveryRowUnderItsValueAndUnGroupGivesAllBack)
{
    const struct {
        const char* grouping;
        bool summary;
    } cases[] = {{"headers only", false}, {"with summary rows", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grouping);
        grid->SetParent(nullptr);
        SetUp();
        grid->Grouping()->Summary = c.summary;
        // A node the grid had goes: its rows would be taken for a group.
        const bool nodeHides = GetParam() == TGridShape::ContractedNode;
        const std::set<std::string> hidden = nodeHides ? std::set<std::string>{} : HiddenOriginalRows();
        const int cols = grid->ColCount();

        grid->Group(2);
        ExpectRowsConsistent(*grid, "grouped");
        std::map<std::string, std::string> expected;
        for (int r = 1; r < ShapedGridRows - grid->FixedFooters; ++r)
            expected[std::to_string(r)] = ShapedCellText(2, r);
        EXPECT_EQ(HeadersByOriginalRow(), expected);
        EXPECT_EQ(HiddenOriginalRows(), hidden);
        EXPECT_EQ(grid->ColCount(), cols - 1);

        grid->UnGroup();
        ExpectRowsConsistent(*grid, "ungrouped");
        EXPECT_EQ(StoredRowOrder(*grid), ShapedRowsExpected()) << "every row whole, its group value back";
        EXPECT_EQ(HiddenOriginalRows(), hidden);
        EXPECT_EQ(grid->ColCount(), cols);
        EXPECT_FALSE(grid->HasNodes());
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedGroupingTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

// Rows of kinds B, A, B, A, B sorted into their groups while some are out of the grid: the
// sort moves the shown rows only, so a row out of the grid gets a header of its own kind
// where it stands, and no row loses its kind.
class GroupingRowsOutOfTheGridTest : public GridOnForm {};

TEST_F(GroupingRowsOutOfTheGridTest, EveryRowGoesUnderItsKindAndKeepsIt)
{
    const struct {
        const char* out;
        std::function<void(TExtStringGrid&)> takeOut;
    } cases[] = {
        {"row 2 hidden", [](TExtStringGrid& g) { g.HideRow(2); }},
        {"ids 1, 3 and 5 filtered in",
         [](TExtStringGrid& g) {
             TFilterData& item = g.Filter()->Add();
             item.Column = 1;
             item.Condition = "1|3|5";
             item.Data = fcNormal;
             g.SetFilterActive(true);
         }},
    };
    const auto id = [this](int Row) { return grid->AllGridCells(1, Row); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        grid->SetParent(nullptr);
        SetUp();
        FillPlain({{"", "id", "kind"},
                   {"", "1", "B"},
                   {"", "2", "A"},
                   {"", "3", "B"},
                   {"", "4", "A"},
                   {"", "5", "B"}});
        grid->SetFixedRows(1);
        grid->SetFixedCols(1);
        grid->SortSettings()->AutoSortForGrouping = true;
        c.takeOut(*grid);
        const std::set<std::string> hidden = HiddenRowKeys(*grid, id);
        ASSERT_FALSE(hidden.empty());

        grid->Group(2);
        ExpectRowsConsistent(*grid, "grouped");
        const std::map<std::string, std::string> kinds = {
            {"1", "B"}, {"2", "A"}, {"3", "B"}, {"4", "A"}, {"5", "B"}};
        EXPECT_EQ(HeaderOfEachRow(*grid, id), kinds);
        EXPECT_EQ(HiddenRowKeys(*grid, id), hidden);

        grid->UnGroup();
        ExpectRowsConsistent(*grid, "ungrouped");
        std::map<std::string, std::string> kindsAfter;
        for (int r = 1; r < grid->TotalRowCount(); ++r)
            kindsAfter[grid->AllGridCells(1, r)] = grid->AllGridCells(2, r);
        EXPECT_EQ(kindsAfter, kinds);
        EXPECT_EQ(grid->TotalRowCount(), 6) << "no header left behind";
        EXPECT_EQ(HiddenRowKeys(*grid, id), hidden);
    }
}

} // namespace
