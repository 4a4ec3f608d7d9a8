#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridShapes.h"
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

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedRowKeysTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
