#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "EditingShapedGrid.h"
#include "RowSpaceChecks.h"
#include "grid/foundation/model/UndoRedo.h"

namespace {

// A cell typed over, then rows taken out of the grid or brought back before the undo: the
// undo and the redo write the row the text was typed in, wherever it stands by then.
class ShapedUndoTest : public EditingShapedGridTest {
protected:
    void SetUp() override
    {
        EditingShapedGridTest::SetUp();
        history = new TExtGridUndoRedo(&form);
        grid->SetUndoRedo(history);
    }
    // The stored rows as they were, with row 5 changed when Changed.
    std::vector<int> ExpectedOrder(bool Changed) const
    {
        std::vector<int> order = ShapedRowsExpected();
        if (Changed) order[5] = MixedStoredRow;
        return order;
    }
    TExtGridUndoRedo* history = nullptr;
};

TEST_P(ShapedUndoTest, UndoAndRedoWriteTheRowTheTextWasTypedIn)
{
    const auto nothing = [](TExtStringGrid&) {};
    const struct {
        const char* between;
        std::function<void(TExtStringGrid&)> change;
        std::function<void(TExtStringGrid&)> showAgain;
    } cases[] = {
        {"every row brought back",
         [](TExtStringGrid& g) {
             g.SetFilterActive(false);
             g.ExpandAll();
             g.UnHideRowsAll();
         },
         nothing},
        {"a row above hidden", [](TExtStringGrid& g) { g.HideRow(1); },
         [](TExtStringGrid& g) { g.UnHideRow(1); }},
        {"the typed row hidden", [](TExtStringGrid& g) { g.HideRow(5); },
         [](TExtStringGrid& g) { g.UnHideRow(5); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.between);
        grid->SetParent(nullptr);
        SetUp();
        SendText("x");
        SendKey(VK_RETURN);
        ASSERT_EQ(grid->AllGridCells(2, 5), "x");
        c.change(*grid);
        ExpectRowsConsistent(*grid, "rows changed");

        history->Undo();
        ExpectRowsConsistent(*grid, "undone");
        EXPECT_EQ(StoredRowOrder(*grid), ExpectedOrder(false)) << "the old text is back in row 5 only";
        if (!grid->IsHiddenRow(5)) {
            EXPECT_EQ(CurrentText(), "2,5") << "the undone cell is current";
        }

        history->Redo();
        ExpectRowsConsistent(*grid, "redone");
        EXPECT_EQ(grid->AllGridCells(2, 5), "x");
        EXPECT_EQ(StoredRowOrder(*grid), ExpectedOrder(true)) << "no other row changed";

        c.showAgain(*grid);
        ExpectRowsConsistent(*grid, "shown again");
        EXPECT_EQ(DisplayCellShowing(*grid, "x").Y, grid->DisplRowIndex(5));
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedUndoTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
