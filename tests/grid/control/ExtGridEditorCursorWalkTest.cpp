#include <gtest/gtest.h>

#include <string>

#include "EditingShapedGrid.h"
#include "grid/control/GridCombo.h"
#include "grid/foundation/model/Navigation.h"

namespace {

// With Navigation.CursorWalkEditor, Right at the end of the text (Left at its start) takes
// the editor to the neighbouring cell, storing the value, in every editor with a text.
class ExtGridEditorCursorWalkTest : public EditingShapedGridTest {
protected:
    void SetUp() override
    {
        EditingShapedGridTest::SetUp();
        grid->Navigation()->CursorWalkEditor = true;
    }
};

TEST_P(ExtGridEditorCursorWalkTest, TheCaretWalksOutOfTheComboAndTheEditWithButton)
{
    const struct {
        const char* what;
        TEditorType kind;
        Word home, key;
        const char* from;
        const char* to;
    } cases[] = {
        {"editable combo, Right at the end", edComboEdit, VK_END, VK_RIGHT, "2,5", "3,5"},
        {"editable combo, Left at the start", edComboEdit, VK_HOME, VK_LEFT, "3,5", "2,5"},
        {"edit with button, Right at the end", edEditBtn, VK_END, VK_RIGHT, "2,5", "3,5"},
        {"edit with button, Left at the start", edEditBtn, VK_HOME, VK_LEFT, "3,5", "2,5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StandOn(*grid, c.from);
        const int realCol = grid->RealCol(), row = grid->Row();
        Open("ab", c.kind);
        SendKey(c.home);
        SendText("x");
        SendKey(c.home);
        SendKey(c.key);
        EXPECT_FALSE(grid->IsEditMode());
        EXPECT_EQ(CurrentText(), c.to);
        EXPECT_EQ(grid->Row(), row);
        EXPECT_EQ(grid->Cells(realCol, row), c.key == VK_RIGHT ? "abx" : "xab");
        grid->SetCells(realCol, row, c.from);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridEditorCursorWalkTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
