#include <gtest/gtest.h>

#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/UndoRedo.h"
#include "platform/rtl/Exceptions.h"

namespace {

using ExtGridCheckBoxesTest = GridOnForm;

struct DataCheckCase {
    std::string Text;
    std::string ColumnCheckTrue; // empty: the grid's own "Y"
    bool Checked;
};

// A data check box is checked exactly when its text is the check-true text; a toggle
// writes exactly the check-true or check-false text.
TEST_F(ExtGridCheckBoxesTest, ADataCheckBoxIsItsText)
{
    const std::vector<DataCheckCase> cases = {
        {"Y", "", true},    {"N", "", false}, {"y", "", false},  {"", "", false},
        {"YES", "", false}, {"T", "T", true}, {"Y", "T", false},
    };
    grid->CheckTrue = "Y";
    for (const DataCheckCase& c : cases) {
        grid->OnGetCheckTrue = nullptr;
        if (!c.ColumnCheckTrue.empty())
            grid->OnGetCheckTrue = [&c](TObject*, int ACol, int, std::string& Value) {
                if (ACol == 1) Value = c.ColumnCheckTrue;
            };
        const std::string checkTrue = c.ColumnCheckTrue.empty() ? "Y" : c.ColumnCheckTrue;
        grid->AddCheckBox(1, 1, false, true);
        grid->SetCells(1, 1, c.Text);
        bool state = !c.Checked;
        EXPECT_TRUE(grid->GetCheckBoxState(1, 1, state));
        EXPECT_EQ(state, c.Checked) << c.Text;
        EXPECT_EQ(grid->IsChecked(1, 1), c.Checked) << c.Text;
        EXPECT_TRUE(grid->ToggleCheckBox(1, 1));
        EXPECT_EQ(grid->Cells(1, 1), c.Checked ? "N" : checkTrue) << c.Text;
        EXPECT_TRUE(grid->ToggleCheckBox(1, 1));
        EXPECT_EQ(grid->Cells(1, 1), c.Checked ? checkTrue : "N") << c.Text;
    }
}

TEST_F(ExtGridCheckBoxesTest, AddingADataCheckBoxKeepsACheckTextAndReplacesAnyOther)
{
    const std::vector<std::tuple<std::string, bool, std::string>> cases = {
        {"N", true, "N"}, {"Y", false, "Y"}, {"maybe", true, "Y"}, {"", false, "N"}, {"", true, "Y"},
    };
    for (const auto& [text, state, after] : cases) {
        grid->SetCells(2, 2, text);
        grid->AddCheckBox(2, 2, state, true);
        EXPECT_EQ(grid->Cells(2, 2), after) << text;
        EXPECT_EQ(grid->GetCellType(2, 2), ctDataCheckBox);
    }
    grid->SetCells(3, 2, "text");
    grid->AddCheckBox(3, 2, true, false);
    EXPECT_EQ(grid->Cells(3, 2), "text");
    EXPECT_TRUE(grid->IsChecked(3, 2));
}

TEST_F(ExtGridCheckBoxesTest, CellsOutsideTheGridAreInvalid)
{
    grid->HideColumn(4);
    const std::vector<TPoint> outside = {
        {-1, 1}, {1, -1}, {grid->TotalColCount(), 1}, {1, grid->TotalRowCount()}};
    for (const TPoint& cell : outside) {
        EXPECT_THROW(grid->AddCheckBox(cell.X, cell.Y, true, false), Exception) << cell.X << "," << cell.Y;
        EXPECT_THROW(grid->AddCheckBox(cell.X, cell.Y, cbGrayed), Exception);
        EXPECT_THROW(grid->AddRadioButton(cell.X, cell.Y, true), Exception);
        bool state = false;
        EXPECT_FALSE(grid->GetCheckBoxState(cell.X, cell.Y, state));
        EXPECT_FALSE(grid->SetCheckBoxState(cell.X, cell.Y, true));
        EXPECT_FALSE(grid->ToggleCheckBox(cell.X, cell.Y));
    }
    try {
        grid->AddCheckBox(-1, 0, true, false);
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid cell");
    }
    grid->AddCheckBox(4, 1, true, false); // a hidden column is still in the grid
    EXPECT_TRUE(grid->IsChecked(4, 1));
}

TEST_F(ExtGridCheckBoxesTest, TogglesFireTheChangeWithTheNewState)
{
    std::vector<std::tuple<int, int, bool>> changes;
    grid->OnCheckBoxChange = [&](TObject*, int ACol, int ARow, bool State) {
        changes.emplace_back(ACol, ARow, State);
    };
    grid->AddCheckBox(1, 1, false, false);
    EXPECT_TRUE(grid->ToggleCheckBoxCell(1, 1, false));
    EXPECT_TRUE(grid->IsChecked(1, 1));
    EXPECT_FALSE(grid->ToggleCheckBox(2, 2)); // no check box
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], std::make_tuple(1, 1, true));

    // A tri-state box cycles unchecked, grayed, checked; the event tells whether it is checked.
    grid->AddCheckBox(2, 1, cbUnchecked);
    const std::vector<TCheckBoxState> cycle = {cbGrayed, cbChecked, cbUnchecked};
    for (TCheckBoxState expected : cycle) {
        grid->ToggleCheckBox(2, 1);
        TCheckBoxState state = cbUnchecked;
        EXPECT_TRUE(grid->GetCheckBoxState(2, 1, state));
        EXPECT_EQ(state, expected);
        EXPECT_EQ(std::get<2>(changes.back()), expected == cbChecked);
    }
}

TEST_F(ExtGridCheckBoxesTest, AUserMayToggleOnlyAnEditableCellUnlessChecksAreAlwaysActive)
{
    int changes = 0;
    grid->OnCheckBoxChange = [&](TObject*, int, int, bool) { ++changes; };
    grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    grid->AddCheckBox(1, 1, false, true);
    EXPECT_FALSE(grid->ToggleCheckBoxCell(1, 1, true));
    EXPECT_EQ(grid->Cells(1, 1), "N");
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(grid->ToggleCheckBoxCell(1, 1, false));
    grid->ControlLook()->CheckAlwaysActive = true;
    EXPECT_TRUE(grid->ToggleCheckBoxCell(1, 1, true));
    EXPECT_EQ(changes, 2);
}

TEST_F(ExtGridCheckBoxesTest, OnlyTextStateTogglesAreUndoable)
{
    auto* history = new TExtGridUndoRedo(&form);
    grid->SetUndoRedo(history);
    grid->AddCheckBox(1, 1, false, true);
    grid->AddCheckBox(2, 1, false, false);
    grid->AddCheckBox(3, 1, cbUnchecked);
    grid->ToggleCheckBox(1, 1);
    grid->ToggleCheckBox(2, 1);
    grid->ToggleCheckBox(3, 1);
    ASSERT_EQ(history->Items().Count(), 1);
    EXPECT_EQ(history->Items().Items(0).Col, 1);
    EXPECT_EQ(history->Items().Items(0).OrigValue, "N");
    EXPECT_EQ(history->Items().Items(0).Value, "Y");
}

TEST_F(ExtGridCheckBoxesTest, ARowCheckBoxSelectsItsRowAndLeavesTheTextAlone)
{
    grid->SetRowCount(4);
    grid->MouseActions()->SetHotmailRowSelect(true);
    grid->SetCells(0, 2, "label");
    EXPECT_TRUE(grid->ToggleCheckBox(0, 2));
    EXPECT_TRUE(grid->RowSelect(2));
    EXPECT_TRUE(grid->IsChecked(0, 2));
    EXPECT_EQ(grid->Cells(0, 2), "label");
    EXPECT_TRUE(grid->ToggleCheckBox(0, 2));
    EXPECT_FALSE(grid->RowSelect(2));
    EXPECT_EQ(grid->Cells(0, 2), "label");
    // The header's box stands for every row.
    EXPECT_TRUE(grid->ToggleCheckBox(0, 0));
    EXPECT_EQ(grid->RowSelectCount(), 3);
}

TEST_F(ExtGridCheckBoxesTest, CheckBoxColumnsCheckAllAndApplyAsAUserWould)
{
    grid->SetRowCount(4);
    grid->AddCheckBoxColumn(1, false, true);
    EXPECT_FALSE(grid->HasCheckBox(1, 0));
    EXPECT_TRUE(grid->HasDataCheckBox(1, 3));
    int changes = 0;
    grid->OnCheckBoxChange = [&](TObject*, int, int, bool) { ++changes; };
    grid->ApplyCheckBoxState(1, 2, true);
    grid->CheckAll(1);
    EXPECT_EQ(changes, 3); // row 2 was already checked
    for (int r = 1; r < 4; ++r)
        EXPECT_EQ(grid->Cells(1, r), "Y");
    grid->UnCheckAll(1);
    EXPECT_EQ(changes, 6);
    grid->RemoveCheckBoxColumn(1);
    EXPECT_FALSE(grid->HasCheckBox(1, 2));

    grid->MouseActions()->CheckAllCheck = true;
    grid->AddTriStateCheckBoxColumn(2, cbGrayed);
    TCheckBoxState state = cbUnchecked;
    EXPECT_TRUE(grid->GetCheckBoxState(2, 0, state));
    EXPECT_EQ(state, cbGrayed);
    EXPECT_FALSE(grid->ApplyCheckBoxState(2, 1, true)); // a tri-state box is not applied
}

TEST_F(ExtGridCheckBoxesTest, ARadioButtonColumnHasOneCheckedRow)
{
    grid->SetRowCount(6);
    grid->AddRadioButtonColumn(1);
    EXPECT_EQ(grid->GetRadioButtonColumnIndex(1), -1);
    grid->SetRadioButtonColumnIndex(1, 3);
    EXPECT_EQ(grid->GetRadioButtonColumnIndex(1), 3);
    EXPECT_TRUE(grid->ToggleCheckBoxColumn(1, 5, false));
    for (int r = 1; r < 6; ++r)
        EXPECT_EQ(grid->IsRadioButtonChecked(1, r), r == 5) << r;
    EXPECT_TRUE(grid->ToggleCheckBoxColumn(1, 5, false)); // already checked
    EXPECT_FALSE(grid->ToggleCheckBoxColumn(2, 5, false));
    EXPECT_FALSE(grid->SetRadioButtonState(2, 2, true));
    grid->RemoveRadioButtonColumn(1);
    EXPECT_FALSE(grid->HasRadioButton(1, 3));
}

TEST_F(ExtGridCheckBoxesTest, SpaceOnARadioGroupSelectsTheNextCaption)
{
    struct RadioCase {
        int Index;
        std::string Text;
        int Next;
    };
    const std::vector<RadioCase> cases = {
        {0, "", 1}, {2, "", 0}, {-1, "b", 2}, {-1, "B", 0}, {-1, "none", 0}};
    for (const RadioCase& c : cases) {
        TStringList* captions = grid->CreateRadio(1, 1, 0, c.Index);
        captions->Add("a");
        captions->Add("b");
        captions->Add("c");
        grid->SetCells(1, 1, c.Text);
        grid->SelectNextRadio(1, 1, false);
        int index = -5;
        EXPECT_TRUE(grid->GetRadioIdx(1, 1, index));
        EXPECT_EQ(index, c.Next);
        EXPECT_EQ(grid->Cells(1, 1), (*captions)[c.Next]);
    }
    EXPECT_TRUE(grid->SetRadioIdx(1, 1, -1));
    EXPECT_EQ(grid->Cells(1, 1), "");
    int untouched = 9;
    EXPECT_FALSE(grid->GetRadioIdx(2, 2, untouched));
    EXPECT_EQ(untouched, 9);
}

TEST_F(ExtGridCheckBoxesTest, ThePreciseCheckBoxIsASquareInTheCell)
{
    grid->AddCheckBox(1, 1, false, false);
    grid->SetCells(2, 1, "text");
    const TRect cell = grid->CellRect(1, 1);
    EXPECT_TRUE(grid->IsInCheckBox(1, 1, cell.Right - 1, cell.Bottom - 1));
    EXPECT_FALSE(grid->IsInCheckBox(2, 1, cell.Left + 3, cell.Top + 3));
    grid->MouseActions()->PreciseCheckBoxCheck = true;
    const int size = grid->ControlLook()->CheckSize();
    EXPECT_TRUE(grid->IsInCheckBox(1, 1, cell.Left + 2, cell.Top + 2));
    EXPECT_TRUE(grid->IsInCheckBox(1, 1, cell.Left + 1 + size, cell.Top + 1 + size));
    EXPECT_FALSE(grid->IsInCheckBox(1, 1, cell.Left + 2 + size, cell.Top + 2));
    EXPECT_FALSE(grid->IsInCheckBox(1, 1, cell.Left + 1, cell.Top + 2));
}

} // namespace
