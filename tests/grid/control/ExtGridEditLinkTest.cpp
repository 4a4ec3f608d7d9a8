#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditBoxLink.h"
#include "GridOnForm.h"
#include "grid/control/EditLink.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {

class ExtGridEditLinkTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        SetBeeper([] {});
        link = new TEditBoxLink(&form);
        grid->SetEditLink(link);
        grid->SetOptions(grid->Options() + goEditing);
        grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edCustom; };
        grid->SetCells(1, 1, "before");
        grid->SetCells(2, 1, "next");
        grid->SetFocus();
        grid->MoveCurrentCell(1, 1);
    }
    void TearDown() override { SetBeeper(nullptr); }
    void Open()
    {
        SendKey(VK_F2);
        ASSERT_TRUE(grid->IsEditMode());
        ASSERT_TRUE(link->Edit()->Focused());
        link->Edit()->SetText("after");
    }
    TEditBoxLink* link = nullptr;
};

TEST_F(ExtGridEditLinkTest, TheLinkOpensOnTheCellWithItsText)
{
    SendKey(VK_F2);
    ASSERT_TRUE(grid->IsEditMode());
    EXPECT_EQ(link->Grid(), grid);
    EXPECT_EQ(link->EditCell(), (TPoint{1, 1}));
    EXPECT_EQ(link->Edit()->Text(), "before");
    EXPECT_EQ(grid->ActiveEditControl(), link->Edit());
    EXPECT_TRUE(link->SubClassed());
    const TRect cell = grid->CellRect(1, 1);
    EXPECT_EQ(link->Edit()->BoundsRect(), (TRect{cell.Left, cell.Top, cell.Right - grid->GridLineWidth(),
                                                 cell.Bottom - grid->GridLineWidth()}));
}

TEST_F(ExtGridEditLinkTest, WhichKeysLeaveTheEditor)
{
    const struct {
        Word key;
        TShiftState shift;
        bool wantUpDown;
        bool wantHomeEnd;
        bool leaves;
    } cases[] = {
        {VK_UP, {}, true, false, false},    {VK_DOWN, {}, true, false, false},
        {VK_LEFT, {}, true, false, true},   {VK_UP, {}, false, false, true},
        {VK_HOME, {}, false, false, false}, {VK_END, {}, false, false, true},
        {VK_END, {}, false, true, false},   {'A', {ssAlt}, false, false, true},
        {'A', {}, false, false, false},     {VK_RETURN, {}, false, false, true},
    };
    for (const auto& c : cases) {
        grid->MoveCurrentCell(1, 1);
        link->WantKeyUpDown = c.wantUpDown;
        link->WantKeyHomeEnd = c.wantHomeEnd;
        Open();
        SendKey(c.key, c.shift, link->Edit());
        EXPECT_EQ(!grid->IsEditMode(), c.leaves) << c.key;
        EXPECT_EQ(grid->Cells(1, 1), c.leaves ? "after" : "before") << c.key;
        if (grid->IsEditMode()) SendKey(VK_ESCAPE, {}, link->Edit());
        grid->SetCells(1, 1, "before");
    }
}

TEST_F(ExtGridEditLinkTest, EscapePutsTheValueFromBeforeEditingBack)
{
    Open();
    SendKey(VK_ESCAPE, {}, link->Edit());
    EXPECT_FALSE(grid->IsEditMode());
    EXPECT_EQ(grid->Cells(1, 1), "before");
    EXPECT_TRUE(grid->Focused());
    EXPECT_FALSE(link->SubClassed());
    EXPECT_FALSE(link->Edit()->Visible());
}

TEST_F(ExtGridEditLinkTest, TabAtTheEndOpensTheEditorOnTheNextCell)
{
    grid->Navigation()->TabToNextAtEnd = true;
    grid->SetOptions(grid->Options() + goTabs);
    Open();
    // As the control's key-down handler passes it on.
    Word key = VK_TAB;
    link->EditKeyDown(link->Edit(), key, {});
    EXPECT_EQ(key, 0);
    EXPECT_EQ(grid->Cells(1, 1), "after");
    EXPECT_EQ(grid->Col(), 2);
    Application->ProcessMessages();
    EXPECT_TRUE(grid->IsEditMode());
    EXPECT_EQ(link->Edit()->Text(), "next");
}

// With goTabs the grid keeps Tab in the link's control for the link, instead of the form
// moving the focus on; the control has its own keys back once the edit ends.
TEST_F(ExtGridEditLinkTest, WithGoTabsARealTabInTheLinksControlMovesThroughTheGrid)
{
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    other->SetBounds(0, 260, 80, 20);
    const auto wantsTab = [this] { return (link->Edit()->Perform(WM_GETDLGCODE) & DLGC_WANTTAB) != 0; };
    grid->Navigation()->TabToNextAtEnd = true;

    Open();
    EXPECT_FALSE(wantsTab()) << "without goTabs the form takes Tab";
    grid->HideInplaceEdit();
    grid->SetFocus();

    grid->SetOptions(grid->Options() + goTabs);
    Open();
    EXPECT_TRUE(wantsTab());
    SendKey(VK_TAB, {}, link->Edit());
    EXPECT_EQ(grid->Cells(1, 1), "after");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_FALSE(other->Focused());
    Application->ProcessMessages();
    ASSERT_TRUE(grid->IsEditMode());
    EXPECT_EQ(link->Edit()->Text(), "next");
    grid->HideInplaceEdit();
    EXPECT_FALSE(link->Edit()->WindowProc);
    EXPECT_FALSE(wantsTab());
}

TEST_F(ExtGridEditLinkTest, TabAtTheEndOpensNoEditorOnACellWithAControl)
{
    grid->Navigation()->TabToNextAtEnd = true;
    grid->SetOptions(grid->Options() + goTabs);
    grid->AddCheckBox(2, 1, false, false);
    Open();
    Word key = VK_TAB;
    link->EditKeyDown(link->Edit(), key, {});
    EXPECT_EQ(grid->Cells(1, 1), "after");
    EXPECT_EQ(grid->Col(), 2);
    Application->ProcessMessages();
    EXPECT_FALSE(grid->IsEditMode());
    EXPECT_TRUE(grid->Focused());
}

TEST_F(ExtGridEditLinkTest, EachLinkHasItsOwnPopupWindow)
{
    link->EditStyle = esPopup;
    link->PopupWidth = 120;
    link->PopupHeight = 80;
    auto* other = new TEditBoxLink(&form);
    other->EditStyle = esPopup;
    TForm bystander(nullptr);
    bystander.SetName("gridform");
    Open();
    EXPECT_EQ(link->Edit()->Parent(), link->PopupForm());
    EXPECT_EQ(link->PopupForm()->Width(), 120);
    EXPECT_NE(link->PopupForm(), other->PopupForm());
    EXPECT_EQ(link->Edit()->BoundsRect(),
              (TRect{0, 0, 120 - grid->GridLineWidth(), 80 - grid->GridLineWidth()}));
    SendKey(VK_RETURN, {}, link->Edit());
    EXPECT_EQ(grid->Cells(1, 1), "after");
    EXPECT_FALSE(link->PopupForm()->Visible());
    EXPECT_EQ(link->destroyed, 1);
    // A component of that name belongs to someone else and is left alone.
    EXPECT_EQ(bystander.Name(), "gridform");
}

// A refused value ends the edit as refused: the link opens again on the cell, which keeps
// its text, and Escape still brings back the text from before editing.
TEST_F(ExtGridEditLinkTest, ARefusedValueOpensTheLinkAgainOnTheKeptCell)
{
    int validations = 0;
    grid->OnCellValidate = [&](TObject*, int, int, std::string& Value, bool& Valid) {
        ++validations;
        Valid = Value != "after";
    };
    Open();
    SendKey(VK_RETURN, {}, link->Edit());
    EXPECT_EQ(validations, 1);
    EXPECT_FALSE(grid->LastValidation());
    EXPECT_TRUE(grid->IsEditMode());
    EXPECT_TRUE(link->Edit()->Visible());
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    SendKey(VK_ESCAPE, {}, link->Edit());
    EXPECT_FALSE(grid->IsEditMode());
    EXPECT_EQ(grid->Cells(1, 1), "before");
    EXPECT_TRUE(grid->LastValidation());
}

// The pop-up edit link that closes as it loses its activation tells the grid the focus
// change came from the editor only while it closes: later arrivals of the focus are the
// grid's own again, so an always-edit grid opens its text editor on them.
TEST_F(ExtGridEditLinkTest, AfterAPopupEditTheGridStillOpensItsEditorWhenTheFocusArrives)
{
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    link->EditStyle = esPopup;
    Open();
    ASSERT_TRUE(link->PopupForm()->Visible());
    other->SetFocus();
    Application->ProcessMessages();
    ASSERT_FALSE(link->PopupForm()->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "after");

    grid->OnGetEditorType = nullptr;
    grid->Navigation()->AlwaysEdit = true;
    grid->SetFocus();
    grid->SetEditorMode(true); // the text editor exists from here on
    grid->SetEditorMode(false);
    other->SetFocus();
    grid->SetFocus();
    EXPECT_TRUE(grid->EditorMode());
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(grid->InplaceEditor()->Visible());
}

} // namespace
