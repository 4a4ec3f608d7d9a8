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

} // namespace
