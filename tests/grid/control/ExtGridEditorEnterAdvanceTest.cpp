#include <gtest/gtest.h>

#include "EditingGridOnForm.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"

namespace {

// The check box and unit editors on cell (1, 1), left with Enter.
class ExtGridEditorEnterAdvanceTest : public EditingGridOnForm {};

TEST_F(ExtGridEditorEnterAdvanceTest, EnterInASpecialEditorAdvancesOnlyWithAdvanceOnEnter)
{
    const TEditorType kinds[] = {edCheckBox, edUnitEditBtn};
    for (TEditorType kind : kinds) {
        for (bool advance : {false, true}) {
            TearDown();
            SetUp();
            grid->Navigation()->AdvanceOnEnter = advance;
            grid->SetCells(1, 1, "12");
            grid->OnGetEditorType = [kind](TObject*, int, int, TEditorType& AEditor) { AEditor = kind; };
            SendKey(VK_F2);
            ASSERT_TRUE(grid->IsEditMode()) << kind;
            SendKey(VK_RETURN);
            EXPECT_FALSE(grid->ActiveEditControl() && grid->ActiveEditControl()->Visible() && grid->Row() == 1)
                << kind;
            EXPECT_EQ(grid->Row() != 1 || grid->Col() != 1, advance) << kind << " advance " << advance;
        }
    }
}

} // namespace

namespace {

// Tab out of an editor takes the grid's Tab advance, which passes over cells that may not be
// edited, forwards and with Shift backwards.
TEST_F(ExtGridEditorEnterAdvanceTest, TabOutOfAnEditorSkipsCellsThatMayNotBeEdited)
{
    const struct {
        TEditorType kind;
        TShiftState shift;
        int from, to;
    } cases[] = {{edNormal, {}, 1, 3}, {edEditBtn, {}, 1, 3}, {edNormal, {ssShift}, 3, 1},
                 {edSpinEdit, {ssShift}, 3, 1}};
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        grid->SetOptions(grid->Options() + goTabs);
        grid->OnCanEditCell = [](TObject*, int, int ACol, bool& CanEdit) { CanEdit = ACol != 2; };
        grid->OnGetEditorType = [&c](TObject*, int, int, TEditorType& AEditor) { AEditor = c.kind; };
        grid->MoveCurrentCell(c.from, 1);
        grid->SetCells(c.from, 1, "4");
        SendKey(VK_F2);
        ASSERT_TRUE(grid->IsEditMode()) << c.kind;
        SendKey(VK_TAB, c.shift);
        EXPECT_EQ(grid->Col(), c.to) << c.kind << " from " << c.from;
        EXPECT_EQ(grid->Row(), 1) << c.kind << " from " << c.from;
    }
}

} // namespace

namespace {

// A row appended by Tab past the last cell goes before a shown floating footer.
TEST_F(ExtGridEditorEnterAdvanceTest, TabAppendsARowBeforeTheFloatingFooter)
{
    grid->SetColCount(3);
    grid->SetRowCount(4);
    grid->FloatingFooter()->SetVisible(true);
    grid->SetCells(1, 3, "footer");
    grid->SetOptions(grid->Options() + goTabs);
    grid->Navigation()->SetAdvanceInsert(true);
    grid->MoveCurrentCell(2, 2);
    SendKey(VK_TAB);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->Cells(1, 4), "footer");
    EXPECT_EQ(grid->Row(), 3);
}

} // namespace
