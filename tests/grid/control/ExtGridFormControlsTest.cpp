#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/CellFormControls.h"
#include "grid/foundation/markup/HtmlControlTags.h"
#include "grid/foundation/markup/HtmlDraw.h"
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

// A cell with a check box, two radio buttons and an edit control, pressed with real clicks.
class FormControlClickTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColWidths(1, 400);
        grid->SetRowHeights(1, 40);
        grid->SetOptions(grid->Options() + TGridOptions{goEditing});
        grid->SetCells(1, 1, kText);
        grid->OnControlClick = [this](TObject*, int ARow, int ACol, const std::string& ID, const std::string& Type,
                                      const std::string& Value) {
            clicks.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + ID + " " + Type + " " + Value);
        };
    }
    // A point on a control of cell (1, 1), found by walking the markup's hit test along
    // the cell's rows.
    TPoint ControlCentre(const std::string& ID)
    {
        const TRect cell = grid->CellRect(1, 1);
        TBitmap measure(1, 1);
        measure.Canvas()->Font()->Assign(*grid->Font());
        const TRect area{cell.Left + grid->XYOffset.X + 1, cell.Top + grid->XYOffset.Y + 1, cell.Right, cell.Bottom};
        for (int y = cell.Top + 2; y < cell.Bottom; y += 2)
            for (int x = cell.Left; x < cell.Right; ++x) {
                THtmlDrawParams params;
                params.HitTestOnly = true;
                params.X = x;
                params.Y = y;
                const THtmlDrawResult hit = HtmlDraw(measure.Canvas(), grid->Cells(1, 1), area, params);
                if (hit.Hit && hit.ControlID == ID)
                    return {(hit.HitControlRect.Left + hit.HitControlRect.Right) / 2,
                            (hit.HitControlRect.Top + hit.HitControlRect.Bottom) / 2};
            }
        ADD_FAILURE() << "no control " << ID;
        return {0, 0};
    }
    void Press(const std::string& ID)
    {
        const TPoint at = ControlCentre(ID);
        SendClick(grid, at.X, at.Y);
    }
    std::string Value(const std::string& ID) { return ControlValue(grid->Cells(1, 1), ID); }

    static constexpr const char* kText =
        "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"20\"> "
        "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"20\"> "
        "<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\" WIDTH=\"20\"> "
        "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"abc\" WIDTH=\"80\">";
    std::vector<std::string> clicks;
};

TEST_F(FormControlClickTest, PressesChangeTheControlsAndReportTheValueBefore)
{
    Press("c");
    EXPECT_EQ(Value("c"), "TRUE");
    Press("c");
    EXPECT_EQ(Value("c"), "FALSE");
    Press("r2");
    EXPECT_EQ(Value("r1"), "FALSE");
    EXPECT_EQ(Value("r2"), "TRUE");
    EXPECT_FALSE(grid->ControlEditing());
    Press("e");
    EXPECT_TRUE(grid->ControlEditing());
    EXPECT_TRUE(grid->EditControlBox()->Visible());
    EXPECT_EQ(grid->EditControlBox()->Text(), "abc");
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(clicks, (std::vector<std::string>{"1,1 c CHECK FALSE", "1,1 c CHECK TRUE", "1,1 r2 RADIO FALSE",
                                                "1,1 e EDIT abc"}));
}

// Without editing, or in a read-only cell, a press changes nothing and only selects the
// cell; a press beside the controls selects it too, without opening the text editor.
TEST_F(FormControlClickTest, ACellThatMayNotBeEditedKeepsItsControls)
{
    const struct {
        const char* what;
        bool editing, readOnly;
        bool beside;
    } cases[] = {
        {"no editing", false, false, false},
        {"read-only", true, true, false},
        {"beside the controls", true, false, true},
    };
    for (const auto& c : cases) {
        grid->SetOptions(c.editing ? grid->Options() + TGridOptions{goEditing}
                                   : grid->Options() - TGridOptions{goEditing});
        grid->SetReadOnly(1, 1, c.readOnly);
        grid->FocusCell(2, 2);
        clicks.clear();
        int cellClicks = 0;
        grid->OnClickCell = [&](TObject*, int ARow, int ACol) {
            EXPECT_EQ(ARow, 1);
            EXPECT_EQ(ACol, 1);
            ++cellClicks;
        };
        const TRect cell = grid->CellRect(1, 1);
        const TPoint at = c.beside ? TPoint{cell.Left + 5, cell.Bottom - 3} : ControlCentre("c");
        SendClick(grid, at.X, at.Y);
        EXPECT_EQ(Value("c"), "FALSE") << c.what;
        EXPECT_TRUE(clicks.empty()) << c.what;
        EXPECT_GE(cellClicks, 1) << c.what;
        EXPECT_EQ(grid->Col(), 1) << c.what;
        EXPECT_EQ(grid->Row(), 1) << c.what;
        EXPECT_FALSE(grid->EditorMode()) << c.what;
        EXPECT_FALSE(grid->ControlEditing()) << c.what;
    }
}

// Enter or F2 on a cell with form controls opens its first editable control.
TEST_F(FormControlClickTest, EnterAndF2OpenTheFirstEditableControl)
{
    grid->SetOptions(grid->Options() - TGridOptions{goEditing});
    for (const Word key : {Word(VK_RETURN), Word(VK_F2)}) {
        grid->FocusCell(1, 1);
        grid->SetFocus();
        SendKey(key, {}, grid);
        EXPECT_TRUE(grid->ControlEditing()) << key;
        EXPECT_EQ(grid->EditControlBox()->Text(), "abc") << key;
        grid->EndControlEdit();
    }
    grid->FocusCell(2, 1);
    SendKey(VK_RETURN, {}, grid);
    EXPECT_FALSE(grid->ControlEditing());
}

} // namespace
