#include <gtest/gtest.h>

#include "ColumnGridOnForm.h"
#include "EditBoxLink.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Input.h"

namespace {

// Columns 2 and 3 edit through links of their own, column 4 is a custom column without one.
class ExtColumnGridEditLinkTest : public ColumnGridOnForm {
protected:
    void SetUp() override
    {
        ColumnGridOnForm::SetUp();
        SetBeeper([] {});
        first = new TEditBoxLink(&form);
        second = new TEditBoxLink(&form);
        grid->SetOptions(grid->Options() + goEditing);
        for (int c : {2, 3, 4})
            grid->Columns()->Items(c)->SetEditor(edCustom);
        grid->Columns()->Items(2)->SetEditLink(first);
        grid->Columns()->Items(3)->SetEditLink(second);
        FillCoordinates();
        grid->SetFocus();
    }
    void TearDown() override { SetBeeper(nullptr); }
    // Opens the editor on a shown cell; true when one opened.
    bool OpenAt(int c, int r)
    {
        grid->MoveCurrentCell(c, r);
        SendKey(VK_F2);
        return grid->IsEditMode();
    }

    TEditBoxLink* first = nullptr;
    TEditBoxLink* second = nullptr;
};

TEST_F(ExtColumnGridEditLinkTest, EachColumnEditsThroughItsOwnLink)
{
    ASSERT_TRUE(OpenAt(2, 1));
    EXPECT_EQ(first->Edit()->Text(), "2,1");
    EXPECT_EQ(second->created, 0);
    first->Edit()->SetText("typed");
    SendKey(VK_RETURN, {}, first->Edit());
    EXPECT_EQ(grid->Cells(2, 1), "typed");

    ASSERT_TRUE(OpenAt(3, 2));
    EXPECT_EQ(second->Edit()->Text(), "3,2");
    EXPECT_EQ(grid->EditLink(), second);
    SendKey(VK_ESCAPE, {}, second->Edit());

    // A custom column without a link of its own does not borrow the last column's.
    EXPECT_FALSE(OpenAt(4, 1));
    EXPECT_EQ(grid->EditLink(), nullptr);
}

TEST_F(ExtColumnGridEditLinkTest, BehindAHiddenColumnTheShownCellsColumnLinkOpens)
{
    grid->HideColumn(1);
    ASSERT_TRUE(OpenAt(1, 1));
    EXPECT_EQ(grid->EditLink(), first);
    EXPECT_EQ(first->Edit()->Text(), "2,1");
    SendKey(VK_ESCAPE, {}, first->Edit());
}

TEST_F(ExtColumnGridEditLinkTest, AFreedLinkIsForgottenByItsColumnAndTheGrid)
{
    ASSERT_TRUE(OpenAt(3, 1));
    SendKey(VK_ESCAPE, {}, second->Edit());
    ASSERT_EQ(grid->EditLink(), second);
    delete second;
    EXPECT_EQ(grid->Columns()->Items(3)->EditLink(), nullptr);
    EXPECT_EQ(grid->EditLink(), nullptr);
    EXPECT_FALSE(OpenAt(3, 1));
    EXPECT_EQ(grid->Cells(3, 1), "3,1");
    // A copy of a column takes its link along.
    grid->Columns()->Items(4)->Assign(*grid->Columns()->Items(2));
    EXPECT_EQ(grid->Columns()->Items(4)->EditLink(), first);
}

} // namespace
