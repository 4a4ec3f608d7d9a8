#include <gtest/gtest.h>

#include <string>

#include "EditingShapedGrid.h"
#include "grid/control/ExtRichEdit.h"
#include "platform/ui/Input.h"
#include "platform/ui/RichTextFormat.h"

namespace {

// Editing the cell that shows "2,5", whatever is hidden, filtered or contracted around it:
// what is typed lands in that cell and no other.
class ExtGridShapedEditingTest : public EditingShapedGridTest {
protected:
    // Every stored cell but (2, 5) still holds its "c,r".
    void ExpectOtherCellsUntouched()
    {
        for (int r = 0; r < grid->TotalRowCount(); ++r)
            for (int c = 0; c < grid->TotalColCount(); ++c)
                if (!(c == 2 && r == 5)) {
                    EXPECT_EQ(grid->AllGridCells(c, r), ShapedCellText(c, r));
                }
    }
};

TEST_P(ExtGridShapedEditingTest, TheTextEditorLoadsAndStoresTheCellItStandsOn)
{
    SendText("77");
    ASSERT_TRUE(grid->IsEditMode());
    SendKey(VK_RETURN);
    EXPECT_EQ(grid->AllGridCells(2, 5), "77");
    ExpectOtherCellsUntouched();
}

TEST_P(ExtGridShapedEditingTest, TheRichEditorLoadsAndStoresTheCellItStandsOn)
{
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edRichEdit; };
    grid->SetAllGridCells(2, 5, "");
    SendKey(VK_F2);
    ASSERT_TRUE(grid->IsEditMode());
    EXPECT_EQ(grid->InplaceRichEdit()->Runs(), TRichRuns{});
    SendText("own");
    SendKey(VK_RETURN);
    const std::optional<TRichRuns> runs = ReadRtf(grid->AllGridCells(2, 5));
    ASSERT_TRUE(runs.has_value());
    EXPECT_EQ(*runs, (TRichRuns{{u"own", {}}}));
    ExpectOtherCellsUntouched();
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridShapedEditingTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
