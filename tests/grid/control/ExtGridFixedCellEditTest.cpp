#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/FixedCellEditors.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/Input.h"

namespace {

class ExtGridFixedCellEditTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        FillCoordinates();
    }
    TMouseActions& Mouse() { return *grid->MouseActions(); }
};

TEST_F(ExtGridFixedCellEditTest, ColumnZeroTakesTheFixedColumnsEditorOtherColumnsTheFixedRowsEditor)
{
    Mouse().FixedColsEditor = fceComboList;
    Mouse().FixedRowsEditor = fceEdit;
    grid->StartFixedCellEdit(0, 0);
    ASSERT_NE(grid->ComboTrans(), nullptr);
    EXPECT_TRUE(grid->ComboTrans()->Visible());
    EXPECT_EQ(grid->ComboTrans()->Style(), csDropDownList);
    EXPECT_EQ(grid->ComboTrans()->FCol, 0);

    grid->StartFixedCellEdit(3, 0);
    EXPECT_FALSE(grid->ComboTrans()->Visible());
    EXPECT_TRUE(grid->EditTrans()->Visible());
    EXPECT_EQ(grid->EditTrans()->Text(), "3,0");
    EXPECT_TRUE(grid->EditTrans()->Focused());
    // The box lies inside the cell's frame.
    const TRect cell = grid->CellRect(3, 0);
    EXPECT_EQ(grid->EditTrans()->BoundsRect().Left, cell.Left + 1);
    EXPECT_EQ(grid->EditTrans()->BoundsRect().Bottom, cell.Bottom - 1);
}

TEST_F(ExtGridFixedCellEditTest, OnFixedEditChoosesTheEditorAndItsItems)
{
    Mouse().FixedRowsEditor = fceEdit;
    std::vector<std::pair<int, int>> asked;
    grid->OnFixedEdit = [&](TObject*, int ACol, int ARow, TGridFixedCellEditor& AEditor,
                            TStringList* Values) {
        asked.emplace_back(ACol, ARow);
        AEditor = fceComboList;
        Values->Add("alpha");
        Values->Add("beta");
    };
    grid->StartFixedCellEdit(2, 0);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 0}}));
    EXPECT_FALSE(grid->EditTrans()->Visible());
    ASSERT_TRUE(grid->ComboTrans()->Visible());
    EXPECT_EQ(grid->ComboTrans()->Style(), csDropDownList);
    EXPECT_EQ(grid->ComboTrans()->Items()->Count(), 2);
    EXPECT_EQ(grid->ComboTrans()->Items()->Strings(1), "beta");
}

TEST_F(ExtGridFixedCellEditTest, StartingAnotherEditStoresTheOpenBoxFirst)
{
    std::vector<std::string> changes;
    grid->OnEditChange = [&](TObject*, int ACol, int ARow, const std::string& Value) {
        changes.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + "=" + Value);
    };
    int done = 0;
    grid->OnEditingDone = [&](TObject*) { ++done; };
    grid->StartFixedCellEdit(2, 0);
    grid->EditTrans()->SetSelStart(3);
    SendText("X", grid->EditTrans());
    EXPECT_EQ(grid->EditTrans()->Text(), "2,0X");
    EXPECT_EQ(changes.back(), "2,0=2,0X");
    grid->StartFixedCellEdit(4, 0);
    EXPECT_EQ(grid->Cells(2, 0), "2,0X");
    EXPECT_EQ(done, 1);
    EXPECT_EQ(grid->EditTrans()->Text(), "4,0");
    EXPECT_EQ(grid->EditTrans()->FCol, 4);
}

TEST_F(ExtGridFixedCellEditTest, ARefusedValidationKeepsTheOpenBoxAndOpensNoOther)
{
    grid->StartFixedCellEdit(2, 0);
    grid->EditTrans()->SetText("bad");
    grid->OnCellValidate = [](TObject*, int, int, std::string& Value, bool& Valid) {
        Valid = Value != "bad";
    };
    grid->StartFixedCellEdit(4, 0);
    EXPECT_EQ(grid->Cells(2, 0), "2,0");
    EXPECT_TRUE(grid->EditTrans()->Visible());
    EXPECT_EQ(grid->EditTrans()->FCol, 2);
    EXPECT_TRUE(grid->EditTrans()->Focused());

    // Enter does not end the edit; leaving the box with a valid text does.
    grid->EditTrans()->SetText("good");
    SendKey(VK_RETURN, {}, grid->EditTrans());
    EXPECT_TRUE(grid->EditTrans()->Visible());
    grid->SetFocus();
    EXPECT_FALSE(grid->EditTrans()->Visible());
    EXPECT_EQ(grid->Cells(2, 0), "good");
}

TEST_F(ExtGridFixedCellEditTest, ARefusingOnCanEditCellOpensNothing)
{
    grid->OnCanEditCell = [](TObject*, int ARow, int ACol, bool& CanEdit) {
        CanEdit = !(ARow == 0 && ACol == 1);
    };
    grid->StartFixedCellEdit(1, 0);
    EXPECT_FALSE(grid->EditTrans()->Visible());
    grid->StartFixedCellEdit(0, 2);
    EXPECT_TRUE(grid->EditTrans()->Visible());
    EXPECT_EQ(grid->EditTrans()->Text(), "0,2");
}

// The mouse settings name the click that opens a header's editor: a left, right or double
// click on a fixed row or a fixed column. A left press near a sizable border sizes instead.
TEST_F(ExtGridFixedCellEditTest, TheSettingsClickOpensTheHeaderEditor)
{
    enum TClick { kLeft, kRight, kDouble };
    const struct {
        TGridFixedCellEdit rowsEdit, colsEdit;
        TClick click;
        int col, row, fromRight;
        bool colSizing, opens;
    } cases[] = {
        {fceLeftClick, fceNone, kLeft, 2, 0, 20, false, true},
        {fceLeftClick, fceNone, kRight, 2, 0, 20, false, false},
        {fceRightClick, fceNone, kRight, 2, 0, 20, false, true},
        {fceRightClick, fceNone, kLeft, 2, 0, 20, false, false},
        {fceDblClick, fceNone, kDouble, 2, 0, 20, false, true},
        {fceDblClick, fceNone, kLeft, 2, 0, 20, false, false},
        {fceNone, fceLeftClick, kLeft, 0, 2, 20, false, true},
        {fceNone, fceLeftClick, kLeft, 2, 0, 20, false, false},
        {fceLeftClick, fceLeftClick, kLeft, 2, 2, 20, false, false},
        {fceLeftClick, fceNone, kLeft, 2, 0, 6, true, true},
        {fceLeftClick, fceNone, kLeft, 2, 0, 3, true, false},
    };
    for (const auto& c : cases) {
        Mouse().FixedRowsEdit = c.rowsEdit;
        Mouse().FixedColsEdit = c.colsEdit;
        TGridOptions options = grid->Options() - TGridOptions{goColSizing, goColMoving, goRowMoving};
        if (c.colSizing) options += TGridOptions{goColSizing};
        grid->SetOptions(options);
        const TRect cell = grid->CellRect(c.col, c.row);
        const int x = cell.Right - c.fromRight, y = (cell.Top + cell.Bottom) / 2;
        if (c.click == kDouble)
            SendDoubleClick(grid, x, y);
        else
            SendClick(grid, x, y, c.click == kLeft ? mbLeft : mbRight);
        TGridTransEdit* edit = grid->EditTrans();
        EXPECT_EQ(edit->Visible(), c.opens) << "case at " << c.col << "," << c.row << " click " << c.click;
        if (edit->Visible()) {
            EXPECT_EQ(edit->Text(), std::to_string(c.col) + "," + std::to_string(c.row));
            edit->StopEdit();
        }
        grid->SetFocus();
    }
}

} // namespace
