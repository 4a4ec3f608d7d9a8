#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "../control/GridShapes.h"
#include "../control/RowSpaceChecks.h"
#include "grid/control/settings/SortSettings.h"
#include "platform/ui/Input.h"

namespace {

// The sorts an application calls leave the rows as a click on the column's header does,
// whatever hides rows: a contracted node keeps its rows under it.
class ShapedSortTest : public ShapedGridTest {
protected:
    // A second grid in the same shape, below the first, sorted by two clicks on the header
    // of real column 2: the second turns the rows around, the first leaves them in order.
    TExtStringGrid* SortedByClick()
    {
        TExtStringGrid* clicked = SecondGrid();
        FillInShape(*clicked, GetParam());
        clicked->SortSettings()->SetShow(true);
        clicked->SortSettings()->AutoFormat = false;
        const TRect header = clicked->CellRect(clicked->DisplColIndex(2), 0);
        for (int click = 0; click < 2; ++click)
            SendClick(clicked, (header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2, mbLeft,
                      {});
        return clicked;
    }
};

TEST_P(ShapedSortTest, ApiSortsLeaveTheRowsAsTheHeaderClickDoes)
{
    const TSortDirection direction =
        grid->SortSettings()->InitSortDirection == sdAscending ? sdDescending : sdAscending;
    const struct {
        const char* sort;
        std::function<void(TExtStringGrid&)> apply;
    } cases[] = {
        {"Sort", [&](TExtStringGrid& g) { g.Sort(2, direction); }},
        {"SortByColumn",
         [&](TExtStringGrid& g) {
             g.SortSettings()->Direction = direction;
             g.SortByColumn(2);
         }},
        {"QSort",
         [&](TExtStringGrid& g) {
             g.SortSettings()->Column = 2;
             g.SortSettings()->Direction = direction;
             g.QSort();
         }},
        {"sort settings restored",
         [&](TExtStringGrid& g) {
             g.SortSettings()->LoadFromString((direction == sdAscending ? "u" : "d") + std::string("2"));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sort);
        grid->SetParent(nullptr);
        SetUp();
        // The texts "c,r" read as numbers would all be alike.
        grid->SortSettings()->AutoFormat = false;
        TExtStringGrid* clicked = SortedByClick();
        ExpectRowsConsistent(*clicked, "clicked");
        c.apply(*grid);
        ExpectRowsConsistent(*grid, "sorted");
        EXPECT_EQ(ShownRowGroups(*grid), ShownRowGroups(*clicked));

        grid->ExpandAll();
        ExpectRowsConsistent(*grid, "expanded");
        const std::vector<int> order = StoredRowOrder(*grid);
        if (GetParam() == TGridShape::ContractedNode) {
            EXPECT_EQ(grid->NumHiddenRows(), 0) << "every row of the node came back";
            const auto node = std::find(order.begin(), order.end(), 2);
            ASSERT_LE(node + 3, order.end());
            EXPECT_EQ(std::vector<int>(node, node + 3), (std::vector<int>{2, 3, 4})) << "under their node";
        }
        clicked->SetParent(nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedSortTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
