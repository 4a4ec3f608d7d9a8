#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/foundation/painting/FocusHelper.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Input.h"

namespace {

class ExtGridEditGlowTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        SetBeeper([] {});
        grid->FocusHelper()->Enabled = true;
        grid->SetOptions(grid->Options() + goEditing);
        grid->SetFocus();
        grid->MoveCurrentCell(2, 2);
    }
    void TearDown() override { SetBeeper(nullptr); }
    bool Glowing() const { return grid->FocusWindow() && grid->FocusWindow()->Visible(); }
};

// The glow marks the cell while its editor is open, for the text editor and the special
// ones alike, and goes with an accepted value.
TEST_F(ExtGridEditGlowTest, TheEditedCellGlowsUntilItsValueIsAccepted)
{
    for (TEditorType kind : {edNormal, edSpinEdit}) {
        TearDown();
        SetUp();
        grid->SetCells(2, 2, "5");
        grid->OnGetEditorType = [kind](TObject*, int, int, TEditorType& AEditor) { AEditor = kind; };
        SendKey(VK_F2);
        ASSERT_TRUE(grid->IsEditMode()) << kind;
        ASSERT_TRUE(Glowing()) << kind;
        EXPECT_EQ(grid->FocusWindow()->Width(), grid->CellRect(2, 2).Width() + 9) << kind;
        SendText("7");
        SendKey(VK_RETURN);
        EXPECT_FALSE(Glowing()) << kind;
    }
}

} // namespace
