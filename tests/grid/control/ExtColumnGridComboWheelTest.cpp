#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ColumnGridOnForm.h"
#include "grid/control/GridCombo.h"
#include "platform/ui/Input.h"

namespace {

// A column grid shaped like a rule editor's list: a name column, an access column whose
// editor is a list combo of its column's items, and a hidden column between them.
class ExtColumnGridComboWheelTest : public ColumnGridOnForm {
protected:
    void SetUp() override
    {
        ColumnGridOnForm::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(4);
        TStringList access;
        for (const char* item : {"Read", "Write", "ReadWrite"})
            access.Add(item);
        grid->Columns()->Items(3)->SetEditor(edComboList);
        grid->Columns()->Items(3)->SetComboItems(access);
        for (int r = 1; r < 4; ++r) {
            grid->SetCells(1, r, "Item " + std::to_string(r));
            grid->SetCells(3, r, "Read");
        }
        grid->HideColumn(2);
        grid->SetOptions(grid->Options() + goEditing);
        grid->OnComboChange = [this](TObject*, int ACol, int, int AIndex, const std::string& ASelection) {
            changes.push_back(std::to_string(ACol) + ":" + std::to_string(AIndex) + ":" + ASelection);
        };
        grid->SetFocus();
        grid->MoveCurrentCell(grid->DisplColIndex(3), 2);
    }
    std::vector<std::string> changes;
};

TEST_F(ExtColumnGridComboWheelTest, TheWheelOverTheAccessComboPicksTheNextAccess)
{
    SendKey(VK_F2);
    TGridCombo* combo = grid->EditCombo();
    ASSERT_EQ(grid->ActiveEditControl(), combo);
    EXPECT_EQ(combo->Text(), "Read");
    SendWheel(combo, combo->Width() / 2, combo->Height() / 2, -120);
    EXPECT_TRUE(combo->Visible());
    EXPECT_EQ(combo->Text(), "Write");
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(changes, std::vector<std::string>{"3:1:Write"});
    SendKey(VK_RETURN);
    EXPECT_EQ(grid->Cells(3, 2), "Write");
    EXPECT_EQ(grid->Cells(3, 1), "Read");
    EXPECT_EQ(grid->Cells(3, 3), "Read");
}

} // namespace
