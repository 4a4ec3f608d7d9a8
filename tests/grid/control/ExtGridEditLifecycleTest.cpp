#include <gtest/gtest.h>

#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"
#include "platform/ui/Messages.h"

namespace {

class ExtGridEditLifecycleTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetRowCount(6);
        grid->SetFocus();
        grid->OnAutoAddRow = [this](TObject*, int ARow) { added.push_back(ARow); };
    }
    std::vector<int> added;
};

// Down in the last normal row appends a row and lands in it, from the editor or the grid.
TEST_F(ExtGridEditLifecycleTest, DownInTheLastRowAppendsWithAppendOnArrowDown)
{
    grid->Navigation()->AppendOnArrowDown = true;
    grid->SetOptions(grid->Options() + goEditing);
    grid->MoveCurrentCell(2, 5);
    grid->ShowInplaceEdit();
    ASSERT_TRUE(grid->EditorMode());
    grid->DoneInplaceEdit(VK_DOWN, {});
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->Row(), 6);

    SendKey(VK_DOWN, {}, grid);
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(grid->Row(), 7);
    EXPECT_EQ(added, (std::vector<int>{6, 7}));

    grid->OnCanAddRow = [](TObject*, bool& CanAdd) { CanAdd = false; };
    SendKey(VK_DOWN, {}, grid);
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(grid->Row(), 7);
}

TEST_F(ExtGridEditLifecycleTest, EditingOnDoubleClickOnlyEndsWithTheEdit)
{
    grid->MouseActions()->SetEditOnDblClickOnly(true);
    grid->SetOptions(grid->Options() + goEditing);
    grid->Perform(RegisterWindowMessage("GridEditDone"), 2, 3);
    EXPECT_FALSE(grid->Options().Contains(goEditing));

    grid->MouseActions()->SetEditOnDblClickOnly(false);
    grid->SetOptions(grid->Options() + goEditing);
    grid->Perform(RegisterWindowMessage("GridEditDone"), 2, 3);
    EXPECT_TRUE(grid->Options().Contains(goEditing));
}

TEST_F(ExtGridEditLifecycleTest, AlwaysEditOpensTheEditorAfterAnArrow)
{
    grid->SetOptions(grid->Options() + goEditing);
    grid->MoveCurrentCell(2, 2);
    SendKey(VK_DOWN, {}, grid);
    EXPECT_FALSE(grid->EditorMode());
    grid->Navigation()->AlwaysEdit = true;
    SendKey(VK_DOWN, {}, grid);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_TRUE(grid->EditorMode());
}

} // namespace
