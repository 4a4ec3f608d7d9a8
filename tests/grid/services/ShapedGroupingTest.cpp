#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "../control/GridShapes.h"
#include "../control/RowSpaceChecks.h"
#include "grid/control/settings/Grouping.h"

namespace {

// Grouping whatever hides rows or columns: every row, shown or out of the grid, goes under
// the header of its own value, and UnGroup gives every row its value back.
class ShapedGroupingTest : public ShapedGridTest {
protected:
    // The original rows that are out of the grid.
    std::set<int> HiddenOriginalRows() const
    {
        const std::vector<int> order = StoredRowOrder(*grid);
        std::set<int> hidden;
        for (int r = 0; r < grid->TotalRowCount(); ++r)
            if (grid->IsHiddenRow(r)) hidden.insert(order[r]);
        return hidden;
    }
    // The value of the header whose node holds each data row, by the row's original row;
    // "none" for a row no header holds. Headers show their value in column 1.
    std::map<int, std::string> HeaderOfEachRow() const
    {
        const std::vector<int> order = StoredRowOrder(*grid);
        std::map<int, std::string> headers;
        int header = -1, span = 0;
        for (int r = grid->FixedRows(); r < grid->TotalRowCount() - grid->FixedFooters; ++r) {
            const int shown = grid->IsHiddenRow(r) ? -1 : grid->DisplRowIndex(r);
            if (shown >= 0 && grid->IsNode(shown)) {
                header = r;
                span = grid->GetNodeSpan(shown);
                continue;
            }
            if (shown >= 0 && grid->IsSummary(shown)) continue;
            headers[order[r]] = header >= 0 && r < header + span ? grid->AllGridCells(1, header) : "none";
        }
        return headers;
    }
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
        const std::set<int> hidden = nodeHides ? std::set<int>{} : HiddenOriginalRows();
        const int cols = grid->ColCount();

        grid->Group(2);
        ExpectRowsConsistent(*grid, "grouped");
        std::map<int, std::string> expected;
        for (int r = 1; r < ShapedGridRows - grid->FixedFooters; ++r)
            expected[r] = ShapedCellText(2, r);
        EXPECT_EQ(HeaderOfEachRow(), expected);
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

} // namespace
