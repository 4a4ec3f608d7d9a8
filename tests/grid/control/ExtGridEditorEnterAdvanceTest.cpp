#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Input.h"

namespace {

// The check box and unit editors on cell (1, 1), left with Enter.
class ExtGridEditorEnterAdvanceTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        SetBeeper([] {});
        grid->SetOptions(grid->Options() + goEditing);
        grid->SetFocus();
        grid->MoveCurrentCell(1, 1);
    }
    void TearDown() override { SetBeeper(nullptr); }
};

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
