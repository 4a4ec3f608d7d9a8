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

// The grid never keeps its editor over every cell it moves to, so the caret keys at the
// ends of the text, and with Ctrl, stay with the text rather than moving the current cell.
TEST_P(ExtGridShapedEditingTest, TheCaretKeysAtTheEndsOfTheTextStayInTheEditor)
{
    const struct {
        const char* what;
        bool caretAtStart; // else at the end, where F2 leaves it
        Word key;
        TShiftState shift;
        int caretAfter;
    } cases[] = {
        {"End at the end", false, VK_END, {}, 3},     {"Right at the end", false, VK_RIGHT, {}, 3},
        {"Ctrl+End", false, VK_END, {ssCtrl}, 3},     {"Ctrl+Right", false, VK_RIGHT, {ssCtrl}, 3},
        {"Home at the start", true, VK_HOME, {}, 0},  {"Left at the start", true, VK_LEFT, {}, 0},
        {"Ctrl+Home", false, VK_HOME, {ssCtrl}, 0},   {"Ctrl+Left", true, VK_LEFT, {ssCtrl}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid->SetAllGridCells(2, 5, "2,5");
        StandOn(*grid, "2,5");
        grid->SetAllGridCells(2, 5, "abc");
        SendKey(VK_F2);
        TInplaceEdit* editor = grid->InplaceEditor();
        ASSERT_TRUE(editor && editor->Focused());
        if (c.caretAtStart) SendKey(VK_HOME);
        const int col = grid->Col(), row = grid->Row();
        SendKey(c.key, c.shift);
        EXPECT_TRUE(grid->EditorMode());
        EXPECT_TRUE(editor->Focused());
        EXPECT_EQ(grid->Col(), col);
        EXPECT_EQ(grid->Row(), row);
        EXPECT_EQ(editor->SelStart(), c.caretAfter);
        SendText("x");
        SendKey(VK_RETURN);
        EXPECT_EQ(grid->AllGridCells(2, 5), c.caretAfter == 0 ? "xabc" : "abcx");
        ExpectOtherCellsUntouched();
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridShapedEditingTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
