#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "grid/control/ColourImageList.h"
#include "grid/control/EditingShapedGrid.h"
#include "grid/dropdown/celleditors/DropDownCellEditors.h"
#include "grid/dropdown/celleditors/GridDropDownEditors.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Input.h"

namespace {

// The drop-down cell editors on the cell showing "2,5" of a shaped grid, driven by real key
// events.
class ExtGridDropDownEditorsTest : public EditingShapedGridTest {
protected:
    static void AddItems(TDropDownItems& Items, std::initializer_list<const char*> Texts)
    {
        for (const char* Text : Texts)
            Items.Add()->Text().Add(Text);
    }
};

TEST_P(ExtGridDropDownEditorsTest, TheValueGoesInAndComesBackByKind)
{
    struct Case {
        TEditorType Kind;
        std::string CellText;
        std::string Stored;
    };
    const Case Cases[] = {
        {edTrackbarDropDown, "7", "7"},
        {edTrackbarDropDown, "seven", "0"},
        {edMemoDropDown, "a\r\nb", "a\r\nb\r\n"},
        {edTimePickerDropDown, "12:34:56", "12:34:56"},
        {edDetailDropDown, "Ohm", "Ohm"},
        {edGridDropDown, "Banana", "Banana"},
        {edExtGridDropDown, "Bravo", "Bravo"},
    };
    DropDownCellEditors(*grid).DetailPicker()->Items()->Add()->Caption = "Ohm";
    // The application fills the list in its props, before the cell's value goes in.
    grid->OnGetEditorPropInt = [this](TObject*, int, int) {
        TGridGridDropDown& List = *DropDownCellEditors(*grid).GridPicker();
        if (List.Items()->Count() > 0) return;
        List.Columns()->Add();
        AddItems(*List.Items(), {"Apple", "Banana"});
    };
    DropDownCellEditors(*grid).ExtGridPicker()->Columns()->Add();
    AddItems(*DropDownCellEditors(*grid).ExtGridPicker()->Items(), {"Alpha", "Bravo"});
    for (const Case& C : Cases) {
        Open(C.CellText, C.Kind);
        SendKey(VK_RETURN);
        EXPECT_FALSE(grid->IsEditMode()) << C.CellText;
        EXPECT_EQ(HomeText(), C.Stored) << C.CellText;
        GoHome();
    }
    EXPECT_EQ(DropDownCellEditors(*grid).DetailPicker()->ItemIndex(), 0);
    EXPECT_EQ(DropDownCellEditors(*grid).GridPicker()->ItemIndex(), 1);
    EXPECT_EQ(DropDownCellEditors(*grid).ExtGridPicker()->ItemIndex(), 1);
}

TEST_P(ExtGridDropDownEditorsTest, EscapeClosesWithoutStoring)
{
    Open("a\r\nb", edMemoDropDown);
    TStringList Lines;
    Lines.SetText("changed");
    DropDownCellEditors(*grid).Memo()->SetMemoText(Lines);
    SendKey(VK_ESCAPE);
    EXPECT_FALSE(grid->IsEditMode());
    EXPECT_EQ(HomeText(), "a\r\nb");
    EXPECT_EQ(FocusedControl(), grid);
}

TEST_P(ExtGridDropDownEditorsTest, DownValidatesAndARefusedValueKeepsTheEditor)
{
    grid->OnCellValidate = [](TObject*, int, int, std::string& Value, bool& Valid) {
        Valid = Value != "9";
        if (!Valid) Value = "3";
    };
    Open("5", edTrackbarDropDown);
    DropDownCellEditors(*grid).TrackBar()->SetPosition(9);
    SendKey(VK_DOWN);
    EXPECT_TRUE(grid->IsEditMode()) << "a refused value keeps the editor open";
    EXPECT_EQ(grid->Row(), home.Y);
    EXPECT_EQ(DropDownCellEditors(*grid).TrackBar()->Text(), "5") << "a value the handler changed is refused with the old text";
    DropDownCellEditors(*grid).TrackBar()->SetPosition(4);
    SendKey(VK_DOWN);
    EXPECT_FALSE(grid->IsEditMode());
    EXPECT_EQ(HomeText(), "4");
    EXPECT_EQ(grid->Row(), home.Y + 1) << "an accepted Down moves on";
}

TEST_P(ExtGridDropDownEditorsTest, EnterStoresTheCalculatorsPendingResult)
{
    Open("2", edCalculatorDropDown);
    SendText("+3");
    SendKey(VK_RETURN);
    EXPECT_FALSE(grid->IsEditMode());
    double Value = 0;
    ASSERT_TRUE(TryStrToFloat(HomeText(), Value)) << HomeText();
    EXPECT_EQ(Value, 5);
}

TEST_P(ExtGridDropDownEditorsTest, TheColourPickerStoresTextAndColour)
{
    DropDownCellEditors(*grid).ColorPicker()->AddDefaultColors();
    grid->SetColors(2, home.Y, 0x008080);
    Open("", edColorPickerDropDown);
    EXPECT_EQ(DropDownCellEditors(*grid).ColorPicker()->SelectedColor(), TColor(0x008080));
    DropDownCellEditors(*grid).ColorPicker()->SetSelectedColor(0x000080);
    SendKey(VK_RETURN);
    EXPECT_EQ(HomeText(), "Maroon");
    EXPECT_EQ(grid->Colors(2, home.Y), TColor(0x000080));

    grid->OnColorSelected = [](TObject*, int, int, TColor& Color, std::string& Value) {
        Color = 0x00FF00;
        Value = "lime";
    };
    GoHome();
    Open("", edColorPickerDropDown);
    SendKey(VK_RETURN);
    EXPECT_EQ(HomeText(), "lime");
    EXPECT_EQ(grid->Colors(2, home.Y), TColor(0x00FF00));
}

TEST_P(ExtGridDropDownEditorsTest, AltDownOpensTheDropDownAndTheOpenPopupKeepsTheArrows)
{
    DropDownCellEditors(*grid).ColorPicker()->AddDefaultColors();
    grid->SetColors(2, home.Y, 0x008080);
    Open("", edColorPickerDropDown);
    TGridColorDropDown& Picker = *DropDownCellEditors(*grid).ColorPicker();
    SendKey(VK_DOWN, {ssAlt});
    ASSERT_TRUE(Picker.DroppedDown());
    SendKey(VK_DOWN);
    EXPECT_TRUE(grid->IsEditMode()) << "Down moves within the open panel";
    EXPECT_EQ(grid->Row(), home.Y);
}

TEST_P(ExtGridDropDownEditorsTest, LooksWithoutAStyleOfTheirOwnGiveTheEditorsTheXPStyle)
{
    TGridMemoDropDown& Memo = *DropDownCellEditors(*grid).Memo();
    for (TGridLook Look : {glStandard, glSoft, glClassic, glSuite, glXP, glListView}) {
        grid->SetLook(glOffice2007);
        Memo.SetComponentStyle(tsOffice2007Luna);
        grid->SetLook(Look);
        EXPECT_EQ(Memo.GetComponentStyle(), tsWindowsXP) << Look;
    }
}

// An opening editor takes the style of the grid's last look or style: a look without a style
// of its own shows the editors in the XP style, also those made or opened after it.
TEST_P(ExtGridDropDownEditorsTest, AnOpeningEditorTakesTheStyleOfTheLastLookOrStyle)
{
    struct Case {
        const char* What;
        std::function<void(TExtStringGrid&)> Set; // after the Office 2007 look, but for the new grid
        TSuiteStyle Opens;
    };
    const auto Look = [](TGridLook Look) { return [Look](TExtStringGrid& Grid) { Grid.SetLook(Look); }; };
    const Case Cases[] = {
        {"a new grid", nullptr, tsWindowsXP},
        {"the standard look", Look(glStandard), tsWindowsXP},
        {"the list-view look", Look(glListView), tsWindowsXP},
        {"the XP look", Look(glXP), tsWindowsXP},
        {"the Vista look", Look(glVista), tsWindowsVista},
        {"a style after the standard look",
         [](TExtStringGrid& Grid) {
             Grid.SetLook(glStandard);
             Grid.SetComponentStyle(tsOffice2007Obsidian);
         },
         tsOffice2007Obsidian},
    };
    TDropDownCellEditors& Editors = DropDownCellEditors(*grid);
    const std::pair<TEditorType, std::function<TExtCustomDropDown*()>> Kinds[] = {
        {edMemoDropDown, [&] { return Editors.Memo(); }},
        {edExtGridDropDown, [&] { return Editors.ExtGridPicker(); }},
    };
    for (const Case& C : Cases) {
        if (C.Set) {
            grid->SetLook(glOffice2007);
            C.Set(*grid);
        }
        for (const auto& [Kind, Editor] : Kinds) {
            Open("1", Kind);
            EXPECT_EQ(Editor()->GetComponentStyle(), C.Opens) << C.What << ", kind " << Kind;
            SendKey(VK_ESCAPE);
            ASSERT_FALSE(grid->IsEditMode()) << C.What;
        }
    }
}

// A style set on the grid reaches the editors it has made at once, not only at their next opening.
TEST_P(ExtGridDropDownEditorsTest, AStyleReachesTheEditorsAlreadyMade)
{
    Open("1", edMemoDropDown);
    SendKey(VK_ESCAPE);
    ASSERT_FALSE(grid->IsEditMode());
    grid->SetComponentStyle(tsWindows7);
    EXPECT_EQ(DropDownCellEditors(*grid).Memo()->GetComponentStyle(), tsWindows7);
    grid->SetLook(glStandard);
    EXPECT_EQ(DropDownCellEditors(*grid).Memo()->GetComponentStyle(), tsWindowsXP);
}

// The image editor offers the grid's images with the cell's own selected: leaving it without
// a pick keeps the cell's image and text, a pick in the popup stores the picked one.
TEST_P(ExtGridDropDownEditorsTest, TheImagePickerOffersTheGridsImagesWithTheCellsOwnSelected)
{
    grid->SetGridImages(NewColourImageList(&form));
    struct Case {
        const char* What;
        TCellType Type;
        std::function<void()> Leave;
        int Stored;
    };
    const auto enter = [] { SendKey(VK_RETURN); };
    const auto pickLast = [] {
        SendKey(VK_DOWN, {ssAlt});
        SendKey(VK_END);
        SendKey(VK_RETURN);
        SendKey(VK_RETURN);
    };
    const auto clickBelow = [this] {
        const TRect below = grid->CellRect(home.X, home.Y + 1);
        SendClick(grid, below.Left + 3, below.Top + 3);
    };
    const Case Cases[] = {
        {"Enter", ctImageList, enter, 1},
        {"Enter", ctDataImage, enter, 1},
        {"a click on another cell", ctImageList, clickBelow, 1},
        {"a click on another cell", ctDataImage, clickBelow, 1},
        {"the last image picked in the popup", ctImageList, pickLast, 2},
        {"the last image picked in the popup", ctDataImage, pickLast, 2},
    };
    TGridImageDropDown& Picker = *DropDownCellEditors(*grid).ImagePicker();
    for (const Case& C : Cases) {
        const std::string What = std::string(C.What) + (C.Type == ctImageList ? ", image cell" : ", data image cell");
        GoHome();
        grid->RemoveImageIdx(2, home.Y);
        grid->RemoveDataImage(2, home.Y);
        const std::string Text = C.Type == ctImageList ? "Sensor" : "1";
        grid->SetCells(2, home.Y, Text);
        if (C.Type == ctImageList)
            grid->AddImageIdx(2, home.Y, 1, haLeft, vaTop);
        else
            grid->AddDataImage(2, home.Y, 1, haLeft, vaTop);
        grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edImagePickerDropDown; };
        SendKey(VK_F2);
        ASSERT_TRUE(grid->IsEditMode()) << What;
        EXPECT_EQ(Picker.Items()->Count(), 3) << What;
        EXPECT_EQ(Picker.ImageIndex(), 1) << What;
        C.Leave();
        EXPECT_FALSE(grid->IsEditMode()) << What;
        if (C.Type == ctImageList) {
            int Index = -1;
            EXPECT_TRUE(grid->GetImageIdx(2, home.Y, Index)) << What;
            EXPECT_EQ(Index, C.Stored) << What;
            EXPECT_EQ(HomeText(), "Sensor") << What;
        } else {
            EXPECT_EQ(HomeText(), std::to_string(C.Stored)) << What;
        }
    }
}

// Each drop-down kind opens in the grid's editor property of that name, and SetDropDownStyles
// hands a style to the editors made so far.
TEST_P(ExtGridDropDownEditorsTest, EachKindOpensInTheGridsEditorOfThatName)
{
    const std::pair<TEditorType, std::function<TExtCustomDropDown*()>> Kinds[] = {
        {edTrackbarDropDown, [this] { return grid->TrackbarDropDown(); }},
        {edMemoDropDown, [this] { return grid->MemoDropDown(); }},
        {edCalculatorDropDown, [this] { return grid->CalculatorDropDown(); }},
        {edTimePickerDropDown, [this] { return grid->TimePickerDropDown(); }},
        {edDetailDropDown, [this] { return grid->DetailPickerDropDown(); }},
        {edGridDropDown, [this] { return grid->GridDropDown(); }},
        {edColorPickerDropDown, [this] { return grid->ColorPickerDropDown(); }},
        {edImagePickerDropDown, [this] { return grid->ImagePickerDropDown(); }},
        {edExtGridDropDown, [this] { return grid->ExtGridDropDown(); }},
    };
    for (const auto& [Kind, Editor] : Kinds) {
        Open("1", Kind);
        EXPECT_TRUE(Editor()->Visible()) << "kind " << Kind;
        SendKey(VK_ESCAPE);
        ASSERT_FALSE(grid->IsEditMode()) << "kind " << Kind;
        EXPECT_FALSE(Editor()->Visible()) << "kind " << Kind;
    }
    grid->SetDropDownStyles(tsOffice2010Silver);
    EXPECT_EQ(grid->MemoDropDown()->GetComponentStyle(), tsOffice2010Silver);
    EXPECT_EQ(grid->ColorPickerDropDown()->GetComponentStyle(), tsOffice2010Silver);
    EXPECT_EQ(grid->GridDropDown()->GetComponentStyle(), tsOffice2010Silver);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtGridDropDownEditorsTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
