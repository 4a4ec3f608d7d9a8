#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/CellFormControls.h"
#include "grid/foundation/markup/HtmlControlTags.h"
#include "platform/ui/Input.h"

namespace {

using ExtGridFormControlsTest = GridOnForm;

const TRect kControlRect{10, 10, 90, 35};

std::string ControlValue(const std::string& text, const std::string& id)
{
    std::string value;
    FindControlValue(text, id, value);
    return value;
}

TEST_F(ExtGridFormControlsTest, APasswordEditsWithStarsAndWritesThePlainTextBack)
{
    const std::string text =
        "Key <CONTROL TYPE=\"PASSWORD\" ID=\"pw\" VALUE=\"old\" WIDTH=\"60\" MAXLEN=\"6\">";
    grid->SetCells(1, 1, text);
    std::vector<std::string> done;
    grid->OnControlEditDone = [&](TObject*, int ARow, int ACol, const std::string& ID,
                                  const std::string& Type, const std::string& Value) {
        done.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + ID + " " + Type + " " +
                       Value);
    };
    grid->StartControlEdit(text, "PASSWORD", 1, 1, 1, kControlRect, "old", "pw");
    TControlEdit* edit = grid->EditControlBox();
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->PasswordChar(), U'*');
    EXPECT_EQ(edit->MaxLength(), 6);
    EXPECT_EQ(edit->BoundsRect(), (TRect{11, 18, 87, 32}));
    edit->SetText("s3cr\xC3\xA9t");
    grid->EndControlEdit();
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(ControlValue(grid->Cells(1, 1), "pw"), "s3cr\xC3\xA9t");
    EXPECT_EQ(done, (std::vector<std::string>{"1,1 pw PASSWORD s3cr\xC3\xA9t"}));
    // Closed once, the editor is not closed again.
    grid->EndControlEdit();
    EXPECT_EQ(done.size(), 1u);
}

TEST_F(ExtGridFormControlsTest, EnterClosesTheEditAndLeavesTheFocusWithTheGrid)
{
    const std::string text = "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"a\" WIDTH=\"60\">";
    grid->SetCells(2, 1, text);
    grid->StartControlEdit(text, "EDIT", 1, 2, 2, kControlRect, "a", "e");
    EXPECT_EQ(grid->EditControlBox()->PasswordChar(), 0u);
    grid->EditControlBox()->SetSelStart(1);
    SendText("b", grid->EditControlBox());
    SendKey(VK_RETURN, {}, grid->EditControlBox());
    EXPECT_FALSE(grid->ControlEditing());
    EXPECT_TRUE(grid->Focused());
    EXPECT_EQ(ControlValue(grid->Cells(2, 1), "e"), "ab");
}

TEST_F(ExtGridFormControlsTest, AComboShowsAValueOutsideItsItemsAsTextWithNoItemChosen)
{
    const std::string text = "<CONTROL TYPE=\"COMBO\" ID=\"c\" VALUE=\"violet\" WIDTH=\"80\">";
    grid->SetCells(1, 2, text);
    grid->OnControlComboList = [](TObject*, int, int, const std::string& ID, const std::string&,
                                  const std::string&, TItemStrings* Values, bool& Edit, int& DropCount) {
        EXPECT_EQ(ID, "c");
        Values->Add("red");
        Values->Add("green");
        Edit = true;
        DropCount = 4;
    };
    grid->StartControlEdit(text, "COMBO", 2, 1, 1, kControlRect, "violet", "c");
    TControlCombo* combo = grid->ComboControlBox();
    ASSERT_TRUE(combo->Visible());
    EXPECT_EQ(combo->Style(), csDropDown);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "violet");
    EXPECT_EQ(combo->DropDownCount(), 4);

    std::vector<std::string> picked;
    grid->OnControlComboSelect = [&](TObject*, int, int, int ItemIndex, const std::string& ID,
                                     const std::string& Value) {
        picked.push_back(ID + std::to_string(ItemIndex) + Value);
    };
    combo->SetItemIndex(1);
    grid->ControlComboSelect(combo);
    EXPECT_EQ(picked, (std::vector<std::string>{"c1green"}));
    grid->EndControlEdit();
    EXPECT_EQ(ControlValue(grid->Cells(1, 2), "c"), "green");
}

TEST_F(ExtGridFormControlsTest, AComboWithItsValueAmongTheItemsChoosesIt)
{
    const std::string text = "<CONTROL TYPE=\"COMBO\" ID=\"c\" VALUE=\"green\" WIDTH=\"80\">";
    grid->OnControlComboList = [](TObject*, int, int, const std::string&, const std::string&,
                                  const std::string&, TItemStrings* Values, bool& Edit, int&) {
        Values->Add("red");
        Values->Add("green");
        Edit = false;
    };
    grid->StartControlEdit(text, "COMBO", 2, 1, 1, kControlRect, "green", "c");
    EXPECT_EQ(grid->ComboControlBox()->Style(), csDropDownList);
    EXPECT_EQ(grid->ComboControlBox()->ItemIndex(), 1);
}

TEST_F(ExtGridFormControlsTest, ControlsOfOtherTypesOpenNothing)
{
    for (const char* type : {"CHECK", "RADIO", "BUTTON", "edit", ""}) {
        grid->StartControlEdit("", type, 1, 1, 1, kControlRect, "v", "x");
        EXPECT_FALSE(grid->ControlEditing()) << type;
    }
}

} // namespace
