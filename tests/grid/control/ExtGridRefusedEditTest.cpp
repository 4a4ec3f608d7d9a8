#include <gtest/gtest.h>

#include <string>

#include "EditingShapedGrid.h"

namespace {

using ExtGridRefusedEditTest = EditingShapedGridTest;

// A handler that changes the value and refuses it puts the old text back, in the cell and
// in the editor that opens again, whichever editor the value came from.
TEST_P(ExtGridRefusedEditTest, AChangedAndRefusedValueBringsBackTheOldText)
{
    const struct {
        const char* what;
        TEditorType kind;
        bool changes;
    } cases[] = {
        {"text editor, changed", edNormal, true},          {"text editor, only refused", edNormal, false},
        {"edit with button, changed", edEditBtn, true},    {"edit with button, only refused", edEditBtn, false},
        {"combo, changed", edComboEdit, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        int validations = 0;
        grid->OnCellValidate = [&](TObject*, int, int, std::string& Value, bool& Valid) {
            ++validations;
            if (c.changes) Value = "handler";
            Valid = false;
        };
        Open("old", c.kind);
        SendText("x");
        const std::string typed = FocusedControl()->Text();
        SendKey(VK_RETURN);
        EXPECT_EQ(validations, 1);
        EXPECT_TRUE(grid->IsEditMode());
        const std::string shown = c.changes ? "old" : typed;
        EXPECT_EQ(FocusedControl()->Text(), shown);
        EXPECT_EQ(CurrentText(), shown);
        grid->OnCellValidate = nullptr;
        SendKey(VK_ESCAPE);
        EXPECT_FALSE(grid->IsEditMode());
        EXPECT_EQ(CurrentText(), "old");
        EXPECT_EQ(grid->Col(), grid->DisplColIndex(2));
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridRefusedEditTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
