#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/CellFormControls.h"
#include "grid/control/GridCombo.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

namespace {

using ExtGridCellOperationsTest = GridOnForm;

TEST_F(ExtGridCellOperationsTest, TheComboItemListIsOneListForTheGrid)
{
    grid->AddComboString("old");
    grid->ClearComboString();
    for (const char* item : {"red", "green", "blue"})
        grid->AddComboString(item);
    EXPECT_EQ(grid->GetComboCount(), 3);
    EXPECT_FALSE(grid->RemoveComboString("black"));
    EXPECT_TRUE(grid->RemoveComboString("green"));
    EXPECT_EQ(grid->GetComboCount(), 2);
    EXPECT_EQ(grid->ComboItems().Strings(1), "blue");

    EXPECT_EQ(grid->ComboIdx, -1);
    EXPECT_FALSE(grid->SetComboSelectionString("green"));
    EXPECT_EQ(grid->ComboIdx, -1);
    EXPECT_TRUE(grid->SetComboSelectionString("blue"));
    EXPECT_EQ(grid->ComboIdx, 1);

    TObject tag;
    grid->AddComboStringObject("white", &tag);
    EXPECT_EQ(grid->ComboItems().Objects(2), &tag);
    EXPECT_EQ(grid->ComboItems().Objects(0), nullptr);
}

// What the grid's list holds is what its combo editor offers, objects included.
TEST_F(ExtGridCellOperationsTest, TheComboEditorOffersTheGridsItems)
{
    TObject tag;
    grid->AddComboString("red");
    grid->AddComboString("green");
    grid->AddComboStringObject("blue", &tag);
    std::vector<TObject*> objects;
    grid->OnComboObjectChange = [&](TObject*, int, int, int, const std::string&, TObject* AObject) {
        objects.push_back(AObject);
    };
    grid->SetOptions(grid->Options() + goEditing);
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edComboList; };
    grid->SetFocus();
    grid->MoveCurrentCell(1, 1);
    SendKey(VK_F2);
    TGridCombo* combo = grid->EditCombo();
    ASSERT_EQ(grid->ActiveEditControl(), combo);
    ASSERT_EQ(combo->Items()->Count(), 3);
    EXPECT_EQ(combo->Items()->Strings(2), "blue");
    for (int notch = 0; notch < 3; ++notch)
        SendWheel(combo, 5, 5, -120);
    EXPECT_EQ(objects, (std::vector<TObject*>{nullptr, nullptr, &tag}));
    SendKey(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "blue");
    grid->ClearComboString();
    EXPECT_EQ(combo->Items()->Count(), 0);
}

TEST_F(ExtGridCellOperationsTest, ComboIndexReadsAndWritesTheCellText)
{
    for (const char* item : {"red", "green", "blue"})
        grid->AddComboString(item);
    const struct {
        const char* text;
        int index;
    } cases[] = {{"green", 1}, {"red", 0}, {"purple", -1}, {"", -1}};
    for (const auto& c : cases) {
        grid->SetCells(1, 1, c.text);
        EXPECT_EQ(grid->ComboIndex(1, 1), c.index) << c.text;
    }
    grid->SetComboIndex(1, 1, 2);
    EXPECT_EQ(grid->Cells(1, 1), "blue");
    for (int outside : {3, -1}) {
        EXPECT_THROW(grid->SetComboIndex(1, 1, outside), Exception);
        EXPECT_EQ(grid->Cells(1, 1), "blue");
    }
}

TEST_F(ExtGridCellOperationsTest, RotatedCellsKeepTheirAngle)
{
    int angle = -1;
    EXPECT_FALSE(grid->IsRotated(1, 1, angle));
    grid->AddRotated(1, 1, 90, "x");
    EXPECT_TRUE(grid->IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 90);
    EXPECT_EQ(grid->Cells(1, 1), "x");
    grid->SetRotated(1, 1, -45);
    EXPECT_TRUE(grid->IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 315);
    EXPECT_FALSE(grid->RemoveRotated(1, 2));
    EXPECT_TRUE(grid->RemoveRotated(1, 1));
    EXPECT_FALSE(grid->IsRotated(1, 1, angle));
    grid->SetRotated(2, 2, 30);
    EXPECT_TRUE(grid->IsRotated(2, 2, angle));
    EXPECT_EQ(angle, 30);
}

TEST_F(ExtGridCellOperationsTest, TaggingMarksTheStoredTextAndUntaggingRestoresIt)
{
    // A display hook must not leak into the stored texts.
    grid->OnGetDisplText = [](TObject*, int, int, std::string& Value) { Value = "shown " + Value; };
    const struct {
        const char* text;
        bool doCase;
        const char* tagged;
    } cases[] = {
        {"an Apple", false, "an <hi>Apple</hi>"},
        {"an Apple", true, "an Apple"},
        {"<b>apple</b> pie", true, "<hi><b>apple</hi></b> pie"},
        {"pear", false, "pear"},
    };
    for (const auto& c : cases) {
        grid->SetCells(1, 1, c.text);
        grid->TagTextInRange("apple", "hi", {1, 1, 2, 2}, c.doCase);
        EXPECT_EQ(grid->GridCells(1, 1), c.tagged) << c.text;
        grid->UnTagTextInRange("hi", {0, 0, 3, 3});
        EXPECT_EQ(grid->GridCells(1, 1), c.text);
    }
}

TEST_F(ExtGridCellOperationsTest, TaggingSkipsTheMergedCellsOutsideTheBase)
{
    grid->SetCells(1, 1, "apple");
    grid->MergeCells(1, 1, 2, 1);
    grid->SetGridCells(2, 1, "apple");
    grid->TagTextInRange("apple", "e", {1, 1, 2, 1}, false);
    EXPECT_EQ(grid->GridCells(1, 1), "<e>apple</e>");
    EXPECT_EQ(grid->GridCells(2, 1), "apple");
}

TEST_F(ExtGridCellOperationsTest, SaveCellGivesCheckTextsMarkupAndTheEventsSay)
{
    grid->AddCheckBox(1, 1, true, false);
    grid->SetGridCells(1, 1, "");
    std::string value;
    grid->SaveCell(1, 1, value);
    EXPECT_EQ(value, "Y");
    grid->AddCheckBox(1, 2, cbGrayed);
    grid->SaveCell(1, 2, value);
    EXPECT_EQ(value, "N");

    grid->SetCells(2, 1, "<B>bold</B>");
    grid->SaveCell(2, 1, value);
    EXPECT_EQ(value, "<B>bold</B>");
    grid->SaveWithHTML = false;
    grid->SaveCell(2, 1, value);
    EXPECT_EQ(value, "bold");

    grid->OnSaveCell = [](TObject*, int ACol, int ARow, std::string& Value) {
        Value += "@" + std::to_string(ACol) + "," + std::to_string(ARow);
    };
    grid->SaveCell(2, 1, value);
    EXPECT_EQ(value, "bold@2,1");
}

TEST_F(ExtGridCellOperationsTest, LoadCellStoresWhatTheEventMakesOfTheText)
{
    grid->LoadCell(1, 1, "plain");
    EXPECT_EQ(grid->Cells(1, 1), "plain");
    grid->OnLoadCell = [](TObject*, int, int, std::string& Value) { Value = "[" + Value + "]"; };
    grid->LoadCell(1, 2, "loaded");
    EXPECT_EQ(grid->Cells(1, 2), "[loaded]");
}

TEST_F(ExtGridCellOperationsTest, PasswordCellsAreThoseTheEventNames)
{
    EXPECT_FALSE(grid->IsPasswordCellFlag(1, 1));
    grid->OnIsPasswordCell = [](TObject*, int ARow, int ACol, bool& IsPassword) {
        IsPassword = ACol == 2 && ARow == 3;
    };
    EXPECT_TRUE(grid->IsPasswordCellFlag(2, 3));
    EXPECT_FALSE(grid->IsPasswordCellFlag(3, 2));
}

TEST_F(ExtGridCellOperationsTest, StepsThroughTheEditableInlineControlsThenTheGridTakesTheFocus)
{
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    grid->SetColWidths(1, 200);
    grid->SetRowHeights(1, 40);
    grid->SetCells(1, 1,
                   "Name <CONTROL TYPE=\"EDIT\" ID=\"n\" VALUE=\"x\" WIDTH=\"40\"> "
                   "<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"16\">");
    other->SetFocus();
    grid->FocusNextCellControl(1, 1, ""); // the edit "n" is next
    ASSERT_TRUE(grid->ControlEditing());
    EXPECT_TRUE(grid->EditControlBox()->Focused());
    EXPECT_EQ(grid->EditControlBox()->Text(), "x");
    grid->FocusNextCellControl(1, 1, "n"); // a check box is no editable control
    EXPECT_TRUE(grid->Focused());
    EXPECT_FALSE(grid->ControlEditing());
}

} // namespace
