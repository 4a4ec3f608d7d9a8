#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "EditingShapedGrid.h"
#include "grid/control/ExtRichEdit.h"
#include "grid/control/settings/ControlLook.h"
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

// A radio group that stores its choice as the cell text: after a click and after Space the
// index the grid reports and passes to OnRadioClick names the option the text shows.
TEST_P(ExtGridShapedEditingTest, ARadioGroupStoringTextReportsTheOptionItsTextNames)
{
    grid->SetAllGridCells(2, 5, "low");
    TStringList* captions = grid->CreateRadio(2, home.Y, 0, -1);
    ASSERT_NE(captions, nullptr);
    for (const char* caption : {"low", "mid", "high"})
        captions->Add(caption);
    grid->ControlLook()->SetControlStyle(TControlLook::csClassic);
    grid->SetRowHeights(home.Y, 80);
    std::vector<int> clicked;
    grid->OnRadioClick = [&](TObject*, int, int, int AIdx) { clicked.push_back(AIdx); };
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(*grid->Font());
    const int item = std::max(grid->ControlLook()->RadioSize(), measure.Canvas()->TextHeight("gh"));
    const TRect cell = grid->CellRect(home.X, home.Y);
    const auto shownOption = [this] {
        int index = -1;
        EXPECT_TRUE(grid->GetRadioIdx(2, home.Y, index));
        return grid->AllGridCells(2, 5) + " " + std::to_string(index);
    };
    SendClick(grid, cell.Left + 5, cell.Top + item + item / 2);
    EXPECT_EQ(shownOption(), "mid 1");
    SendKey(VK_SPACE);
    EXPECT_EQ(shownOption(), "high 2");
    SendClick(grid, cell.Left + 5, cell.Top + item / 2);
    EXPECT_EQ(shownOption(), "low 0");
    EXPECT_EQ(clicked, (std::vector<int>{1, 2, 0}));
    ExpectOtherCellsUntouched();
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridShapedEditingTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
