#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditingShapedGrid.h"
#include "grid/control/GridCombo.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"
#include "support/EventLoop.h"

namespace {

struct ComboChange {
    int col, row, index;
    std::string selection;
};

// A list combo in real column 2 on the cell that showed "2,5" of a shaped grid; the cell
// holds "X", which is not among the items A and B.
class ExtGridComboEditorTest : public EditingShapedGridTest {
protected:
    void SetUp() override
    {
        EditingShapedGridTest::SetUp();
        other = new TEdit(&form);
        other->SetParent(&form);
        other->SetBounds(0, 270, 100, 20);
        grid->SetCells(2, home.Y, "X");
        grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
            if (ACol == 2) AEditor = edComboList;
        };
        grid->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
            grid->EditCombo()->Items()->Clear();
            grid->EditCombo()->Items()->Add("A");
            grid->EditCombo()->Items()->Add("B");
            grid->EditCombo()->Items()->Add("Beta");
        };
        grid->OnComboChange = [this](TObject*, int ACol, int ARow, int AIndex,
                                     const std::string& ASelection) {
            changes.push_back({ACol, ARow, AIndex, ASelection});
        };
        grid->OnEditingDone = [this](TObject*) { ++editingDone; };
        grid->OnEditCellDone = [this](TObject*, int ACol, int ARow) { cellDone.push_back({ACol, ARow}); };
        grid->SetFocus();
    }
    TGridCombo* OpenCombo()
    {
        SendKey(VK_F2);
        EXPECT_EQ(grid->ActiveEditControl(), grid->EditCombo());
        EXPECT_TRUE(grid->EditCombo()->Focused());
        return grid->EditCombo();
    }

    TEdit* other = nullptr;
    std::vector<ComboChange> changes;
    int editingDone = 0;
    std::vector<TPoint> cellDone;
};

TEST_P(ExtGridComboEditorTest, AValueOutsideTheListChangesNothingUntilAPick)
{
    const struct {
        const char* what;
        std::function<void()> leave;
    } exits[] = {
        {"Escape", [] { SendKey(VK_ESCAPE); }},
        {"focus loss", [this] { other->SetFocus(); }},
    };
    for (const auto& exit : exits) {
        SCOPED_TRACE(exit.what);
        changes.clear();
        grid->SetFocus();
        TGridCombo* combo = OpenCombo();
        EXPECT_EQ(combo->ItemIndex(), -1);
        exit.leave();
        EXPECT_FALSE(combo->Visible());
        EXPECT_FALSE(grid->IsEditMode());
        EXPECT_EQ(HomeText(), "X");
        EXPECT_TRUE(changes.empty());
        EXPECT_FALSE(grid->Modified());
    }
}

TEST_P(ExtGridComboEditorTest, APickIsStoredOnEnterAndEditingDoneFollowsTheEventLoop)
{
    TGridCombo* combo = OpenCombo();
    SendText("B");
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].col, 2);
    EXPECT_EQ(changes[0].row, home.Y);
    EXPECT_EQ(changes[0].index, 1);
    EXPECT_EQ(changes[0].selection, "B");
    EXPECT_EQ(HomeText(), "X");

    SendKey(VK_RETURN);
    EXPECT_FALSE(combo->Visible());
    EXPECT_EQ(HomeText(), "B");
    EXPECT_TRUE(grid->Modified());
    EXPECT_EQ(editingDone, 1);
    EXPECT_TRUE(cellDone.empty());
    ASSERT_TRUE(Run_Loop_Until([this] { return !cellDone.empty(); }));
    EXPECT_EQ(cellDone, (std::vector<TPoint>{{2, home.Y}}));
    EXPECT_EQ(editingDone, 1);
}

// A pick by the arrow keys reports each item once, and Enter stores the last one.
TEST_P(ExtGridComboEditorTest, ArrowKeyPicksAreReportedAndStored)
{
    grid->Navigation()->ComboGetUpDown = true;
    OpenCombo();
    SendKey(VK_DOWN);
    SendKey(VK_DOWN);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].selection, "A");
    EXPECT_EQ(changes[1].index, 1);
    EXPECT_EQ(changes[1].selection, "B");
    SendKey(VK_RETURN);
    EXPECT_EQ(HomeText(), "B");
}

// An editable combo opened by a typed character starts with that character alone, or,
// without Navigation.EditSelectAll, with the character after the cell's text.
TEST_P(ExtGridComboEditorTest, ATypedCharacterReplacesTheTextOfAnEditableCombo)
{
    grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        if (ACol == 2) AEditor = edComboEdit;
    };
    for (const bool selectAll : {true, false}) {
        SCOPED_TRACE(selectAll);
        const std::string want = selectAll ? "D" : "efD";
        grid->Navigation()->EditSelectAll = selectAll;
        grid->SetCells(2, home.Y, "ef");
        SendText("D");
        ASSERT_TRUE(Run_Loop_Until([&] { return grid->EditCombo()->Text() == want; }));
        SendKey(VK_RETURN);
        EXPECT_EQ(HomeText(), want);
        GoHome();
    }
}

// One notch towards the user picks the next item, away the previous; the ends hold, and
// every notch is reported. The editor stays and the cell waits for Enter.
TEST_P(ExtGridComboEditorTest, TheWheelPicksWithinTheListAndReportsEveryNotch)
{
    std::vector<std::string> edits;
    grid->OnEditChange = [&](TObject*, int, int, const std::string& Value) { edits.push_back(Value); };
    TGridCombo* combo = OpenCombo();
    changes.clear();
    edits.clear();
    const struct {
        int delta;
        int index;
    } notches[] = {{-120, 0}, {-120, 1}, {-120, 2}, {-120, 2}, {120, 1}};
    for (const auto& notch : notches) {
        SendWheel(combo, combo->Width() / 2, combo->Height() / 2, notch.delta);
        EXPECT_TRUE(combo->Visible());
        EXPECT_EQ(combo->ItemIndex(), notch.index);
    }
    EXPECT_EQ(grid->Row(), home.Y);
    EXPECT_EQ(HomeText(), "X");
    ASSERT_EQ(changes.size(), 5u);
    EXPECT_EQ(changes[3].index, 2) << "the last item is reported again";
    EXPECT_EQ(changes[3].selection, "Beta");
    EXPECT_EQ(changes[4].col, 2);
    EXPECT_EQ(changes[4].selection, "B");
    EXPECT_EQ(edits, (std::vector<std::string>{"A", "B", "Beta", "Beta", "B"}));
    SendKey(VK_RETURN);
    EXPECT_EQ(HomeText(), "B");
    EXPECT_EQ(grid->Row(), home.Y);
}

// A handler that changes the value it refuses gets the old text back, in the cell and in
// the combo: X is no item, so nothing is picked.
TEST_P(ExtGridComboEditorTest, RefusedPickKeepsTheComboOpenOnTheOldText)
{
    grid->OnCellValidate = [](TObject*, int, int, std::string& Value, bool& Valid) {
        if (Value == "B") {
            Value = "A";
            Valid = false;
        }
    };
    TGridCombo* combo = OpenCombo();
    SendText("B");
    SendKey(VK_RETURN);
    EXPECT_TRUE(combo->Visible());
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Value(), "X");
    EXPECT_EQ(HomeText(), "X");
    EXPECT_EQ(editingDone, 0);
}

} // namespace

namespace {

TEST_P(ExtGridComboEditorTest, EditableComboCompletesFromItsItemsThenFromTheLookupItems)
{
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edComboEdit; };
    grid->Lookup = true;
    grid->LookupItems()->Add("Gamma");
    grid->SetCells(2, home.Y, "");
    const struct {
        const char* typed;
        const char* shown; // typed as typed, the rest as the item has it
        int itemIndex;
    } cases[] = {{"be", "beta", 2}, {"G", "Gamma", -1}, {"x", "x", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        TGridCombo* combo = OpenCombo();
        combo->SetItemIndex(-1);
        combo->SetText("");
        SendText(c.typed);
        EXPECT_EQ(combo->Text(), c.shown);
        EXPECT_EQ(combo->ItemIndex(), c.itemIndex);
        SendKey(VK_ESCAPE);
        EXPECT_EQ(HomeText(), "");
    }
}

} // namespace

namespace {

TEST(ExtGridEditorLifetimeTest, GridFreedWithAnEditorOpenFreesItQuietly)
{
    const TEditorType kinds[] = {edNormal, edComboList, edEditBtn, edSpinEdit};
    for (const TEditorType kind : kinds) {
        SCOPED_TRACE(kind);
        TForm form(nullptr);
        auto* grid = new TExtStringGrid(&form);
        grid->SetParent(&form);
        form.Show();
        grid->SetOptions(grid->Options() + goEditing);
        grid->OnGetEditorType = [kind](TObject*, int, int, TEditorType& AEditor) { AEditor = kind; };
        int editingDone = 0;
        grid->OnEditingDone = [&](TObject*) { ++editingDone; };
        grid->SetFocus();
        grid->MoveCurrentCell(1, 1);
        SendKey(VK_F2);
        ASSERT_TRUE(grid->IsEditMode());
        delete grid;
        EXPECT_EQ(editingDone, 0);
    }
}

} // namespace

namespace {

// Editors take the look of the cell they open on: its colour and its font.
TEST_P(ExtGridComboEditorTest, EditorsShowTheColourAndFontOfTheirCell)
{
    grid->Font()->SetHeight(-11);
    grid->SetColors(2, home.Y, 0x80FFFF);
    grid->SetColors(3, home.Y, 0xFFE0C0);
    grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        if (ACol == 2) AEditor = edComboEdit;
    };
    TGridCombo* combo = OpenCombo();
    EXPECT_EQ(combo->Color(), static_cast<TColor>(0x80FFFF));
    EXPECT_EQ(combo->Font()->Height(), -11);
    // The colour reaches the field the text is typed in, not only the control.
    combo->SetSelLength(0);
    TBitmap shot(combo->Width(), combo->Height());
    combo->PaintTo(shot.Canvas(), 0, 0);
    EXPECT_EQ(shot.Canvas()->Pixels(combo->Width() / 3, 3), static_cast<TColor>(0x80FFFF));
    SendKey(VK_ESCAPE);

    grid->MoveCurrentCell(home.X + 1, home.Y);
    SendKey(VK_F2);
    TInplaceEdit* editor = grid->InplaceEditor();
    ASSERT_TRUE(editor && editor->Visible());
    EXPECT_EQ(editor->Color(), static_cast<TColor>(0xFFE0C0));
    EXPECT_EQ(editor->Font()->Height(), -11);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridComboEditorTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
