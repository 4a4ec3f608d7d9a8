#include <gtest/gtest.h>

#include <string>

#include "../foundation/Locale.h"
#include "ColumnGridOnForm.h"
#include "grid/control/GridCombo.h"
#include "grid/control/GridSpin.h"
#include "grid/control/settings/ControlLook.h"

// The column items go where the string grid's column operations take the columns, and
// the grid's sizing, formatting and editors ask the item of the cell's column.

namespace {

class ExtColumnGridColumnsFollowTest : public ColumnGridOnForm {
protected:
    void SetUp() override
    {
        ColumnGridOnForm::SetUp();
        for (int c = 0; c < grid->Columns()->Count(); ++c)
            grid->Columns()->Items(c)->SetHeader("H" + std::to_string(c));
    }
};

TEST_F(ExtColumnGridColumnsFollowTest, InsertedAndRemovedColumnsTakeTheirItemsAlong)
{
    const std::string before = grid->ItemHeaders();
    ASSERT_EQ(before, "H0|H1|H2|H3|H4");
    grid->InsertCols(2, 2);
    EXPECT_EQ(grid->Columns()->Count(), grid->ColCount());
    EXPECT_EQ(grid->ItemHeaders(), "H0|H1|||H2|H3|H4");
    EXPECT_EQ(grid->Cells(4, 0), "H2");
    grid->RemoveCols(2, 2);
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->ItemHeaders(), before);
    EXPECT_EQ(grid->Cells(2, 0), "H2");
}

// Limits of 0 are none; the user's sizing and the sizing to the contents have their own.
TEST_F(ExtColumnGridColumnsFollowTest, ColumnWidthsKeepWithinTheColumnsLimits)
{
    TGridColumnItem& item = *grid->Columns()->Items(2);
    item.MinSize = 30;
    item.MaxSize = 120;
    item.AutoMinSize = 50;
    item.AutoMaxSize = 70;
    const struct {
        int Asked;
        int User;
        int Auto;
    } cases[] = {{10, 30, 50}, {60, 60, 60}, {200, 120, 70}};
    for (const auto& c : cases) {
        int user = c.Asked, automatic = c.Asked;
        grid->UpdateColumnSize(2, user);
        grid->UpdateAutoColumnSize(2, automatic);
        EXPECT_EQ(user, c.User) << c.Asked;
        EXPECT_EQ(automatic, c.Auto) << c.Asked;
    }
    grid->SetCells(2, 1, "a text far wider than seventy pixels in any font");
    grid->AutoSizeCol(2);
    EXPECT_EQ(grid->ColWidths(2), 70);
}

TEST_F(ExtColumnGridColumnsFollowTest, AColumnsFloatFormatFormatsItsNumbersOnly)
{
    LocaleScope english(kEnglish);
    grid->Columns()->Items(2)->SetFloatFormat("%.2f");
    const struct {
        int Col;
        const char* Text;
        const char* Shown;
    } cases[] = {{2, "3.14159", "3.14"}, {2, "12", "12.00"}, {2, "abc", "abc"}, {3, "3.14159", "3.14159"}};
    for (const auto& c : cases) {
        grid->SetCells(c.Col, 1, c.Text);
        EXPECT_EQ(grid->GetFormattedCell(c.Col, 1), c.Shown) << c.Text;
    }
}

TEST_F(ExtColumnGridColumnsFollowTest, TheInPlaceEditorsTakeTheColumnsItemsAndLimits)
{
    grid->SetOptions(grid->Options() + goEditing);
    TGridColumnItem& combo = *grid->Columns()->Items(2);
    combo.SetEditor(edComboList);
    TStringList items;
    for (const char* s : {"Read", "Write", "Read/Write"})
        items.Add(s);
    combo.SetComboItems(items);
    combo.DropDownCount = 3;
    TGridColumnItem& spin = *grid->Columns()->Items(3);
    spin.SetEditor(edSpinEdit);
    spin.SpinMin = 1;
    spin.SpinMax = 99;
    spin.SpinStep = 5;

    grid->SetFocus();
    grid->MoveCurrentCell(2, 1);
    grid->ShowCellEdit();
    ASSERT_EQ(grid->EditCombo()->Items()->Count(), 3);
    EXPECT_EQ(grid->EditCombo()->Items()->Strings(2), "Read/Write");
    EXPECT_EQ(grid->EditCombo()->DropDownCount(), 3);
    grid->HideCellEdit();

    grid->MoveCurrentCell(3, 1);
    grid->ShowCellEdit();
    EXPECT_EQ(grid->SpinEdit()->MinValue(), 1);
    EXPECT_EQ(grid->SpinEdit()->MaxValue(), 99);
    EXPECT_EQ(grid->SpinEdit()->Increment(), 5);
    grid->HideCellEdit();
}

} // namespace
