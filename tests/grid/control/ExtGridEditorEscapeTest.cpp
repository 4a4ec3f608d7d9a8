#include <gtest/gtest.h>

#include <string>

#include "EditingShapedGrid.h"
#include "grid/control/GridCombo.h"
#include "grid/control/GridUnitEditBtn.h"
#include "platform/rtl/Classes.h"

namespace {

// Every editor kind, opened by F2 on the cell that shows "2,5" of a shaped grid, given a
// text of its own and maybe typed in, then left by Escape.
class ExtGridEditorEscapeTest : public EditingShapedGridTest {
protected:
    void SetUp() override
    {
        EditingShapedGridTest::SetUp();
        grid->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
            grid->EditCombo()->Items()->Clear();
            grid->EditCombo()->Items()->Add("A");
            grid->EditCombo()->Items()->Add("B");
            TStringList units;
            units.Add("mm");
            grid->UnitEditBtn()->SetUnits(&units);
        };
    }
};

TEST_P(ExtGridEditorEscapeTest, EscapeLeavesTheCellAsItWasInEveryEditorKind)
{
    grid->OnEllipsClick = [](TObject*, int, int, std::string& S) { S = "changed"; };
    const struct {
        const char* what;
        TEditorType kind;
        const char* cell;
        const char* typed;
        Word key; // pressed after typing, 0 for none
    } cases[] = {
        {"text", edNormal, "1,234.50", "9", 0},
        {"numeric text", edNumeric, "abc", "5", 0},
        {"spin, a grouped number", edFloatSpinEdit, "1,234.50", "", 0},
        {"spin, a short float", edFloatSpinEdit, "7.5", "", 0},
        {"spin, no number", edSpinEdit, "abc", "", 0},
        {"spin, empty", edSpinEdit, "", "", 0},
        {"spin, typed in", edSpinEdit, "42", "7", 0},
        {"spin, paged up", edSpinEdit, "42", "", VK_PRIOR},
        {"time spin", edTimeSpinEdit, "soon", "", 0},
        {"date spin", edDateSpinEdit, "someday", "", 0},
        {"editable combo", edComboEdit, "X", "q", 0},
        {"list combo", edComboList, "X", "", VK_DOWN},
        {"edit with button", edEditBtn, "abc", "z", 0},
        {"unit edit", edUnitEditBtn, "12mm", "5", 0},
        {"check box", edCheckBox, "Y", " ", 0},
        {"push button clicked", edButton, "Press", " ", 0},
        {"date picker", edDateEdit, "not a date", "", 0},
        {"date and time picker", edDateTimeEdit, "not a time", "", VK_UP},
        {"rich text", edRichEdit, "plain", "z", 0},
        {"track bar", edTrackbarDropDown, "abc", "", VK_RIGHT},
        {"memo", edMemoDropDown, "abc", "z", 0},
        {"calculator", edCalculatorDropDown, "abc", "7", 0},
        {"time picker", edTimePickerDropDown, "abc", "", 0},
        {"detail list", edDetailDropDown, "abc", "", 0},
        {"multi-column list", edGridDropDown, "abc", "", 0},
        {"colour picker", edColorPickerDropDown, "abc", "", 0},
        {"image picker", edImagePickerDropDown, "abc", "", 0},
        {"grid drop-down", edExtGridDropDown, "abc", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.cell, c.kind);
        SendText(c.typed);
        if (c.key != 0) SendKey(c.key);
        SendKey(VK_ESCAPE);
        EXPECT_FALSE(grid->IsEditMode());
        EXPECT_EQ(CurrentText(), c.cell);
        EXPECT_EQ(grid->Cells(2, grid->Row()), c.cell);
        EXPECT_EQ(grid->Col(), grid->DisplColIndex(2));
        EXPECT_FALSE(grid->Modified());
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridEditorEscapeTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
