#include <gtest/gtest.h>

#include <stdexcept>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Forms.h"

namespace {

TEST(ExtGridLifecycleTest, GridFollowsItsFormAndHandsTheResizeEventBack)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 600, 400);
    int formResizes = 0;
    form.OnResize = [&formResizes](TObject*) {
        ++formResizes;
        throw std::runtime_error("the form's own handler failed");
    };
    auto* grid = new TExtStringGrid(&form);
    grid->SetParent(&form);
    grid->SizeWithForm = true;
    form.Show();

    form.SetBounds(0, 0, 650, 380);
    EXPECT_EQ(grid->Width(), 450);
    EXPECT_EQ(grid->Height(), 230);
    EXPECT_EQ(formResizes, 1);

    delete grid;
    ASSERT_TRUE(form.OnResize);
    EXPECT_THROW(form.OnResize(&form), std::runtime_error);
    EXPECT_EQ(formResizes, 2);
}

TEST(ExtGridLifecycleTest, GridOwnedByAnythingButAFormLeavesResizeEventsAlone)
{
    TForm form(nullptr);
    TComponent owner(nullptr);
    auto* grid = new TExtStringGrid(&owner);
    grid->SetParent(&form);
    EXPECT_FALSE(form.OnResize);
    delete grid;
}

TEST(ExtGridLifecycleTest, GridFreedWithItsFormLeavesNothingBehind)
{
    auto* form = new TForm(nullptr);
    auto* grid = new TExtStringGrid(form);
    grid->SetParent(form);
    grid->GetCellProperties(2, 4)->ReadOnly = true;
    grid->HideRow(4);
    delete form;
}

TEST(ExtGridAssignTest, CopiesAnotherGridWithItsCellsAndIgnoresAnythingElse)
{
    TForm form(nullptr);
    auto* source = new TExtStringGrid(&form);
    source->SetColCount(7);
    source->SetRowCount(30);
    source->SetColWidths(6, 90);
    source->SetRowHeights(29, 40);
    source->SetCells(6, 29, "last");
    source->SetOptions(source->Options() + goEditing);
    source->ActiveCellColor = clRed;
    source->Navigation()->AlwaysEdit = true;

    auto* grid = new TExtStringGrid(&form);
    grid->Assign(*source->Navigation());
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_FALSE(grid->Navigation()->AlwaysEdit);

    grid->Assign(*source);
    EXPECT_EQ(grid->ColCount(), 7);
    EXPECT_EQ(grid->RowCount(), 30);
    EXPECT_EQ(grid->ColWidths(6), 90);
    EXPECT_EQ(grid->RowHeights(29), 40);
    EXPECT_EQ(grid->Cells(6, 29), "last");
    EXPECT_TRUE(grid->Options().Contains(goEditing));
    EXPECT_EQ(grid->ActiveCellColor, clRed);
    EXPECT_TRUE(grid->Navigation()->AlwaysEdit);
}

} // namespace
