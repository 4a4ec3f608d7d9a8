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

// The scroll and automatic settings come along too; the scroll type through its writer, so
// that the slim scroll controls of ssMetro exist.
TEST(ExtGridAssignTest, CopiesTheScrollAndAutomaticSettings)
{
    TForm form(nullptr);
    auto* source = new TExtStringGrid(&form);
    source->AutoNumAlign = true;
    source->AutoSize = true;
    source->SetAutoThemeAdapt(true);
    source->SetScrollProportional(true);
    source->ScrollSynch = true;
    source->ScrollHints = shVertical;
    source->SetScrollType(ssMetro);
    auto* grid = new TExtStringGrid(&form);
    grid->SetParent(&form);
    form.Show();
    grid->Assign(*source);
    EXPECT_TRUE(grid->AutoNumAlign);
    EXPECT_TRUE(grid->AutoSize);
    EXPECT_TRUE(grid->AutoThemeAdapt());
    EXPECT_TRUE(grid->ScrollProportional());
    EXPECT_TRUE(grid->ScrollSynch);
    EXPECT_EQ(grid->ScrollHints, shVertical);
    EXPECT_EQ(grid->ScrollType, ssMetro);
    EXPECT_NE(grid->VertScrollControl(), nullptr);
}

// A form that builds its grid in its constructor, as a window's resource does: what the
// grid is given while loading takes effect once the form is built.
class TFormWithStringGrid : public TForm {
public:
    explicit TFormWithStringGrid(TComponent* AOwner) : TForm(AOwner)
    {
        Grid = new TExtStringGrid(this);
        Grid->SetParent(this);
        Grid->SetLook(glSuite);
        Grid->SelectionColor = clLime;
        Grid->AutoSize = true;
        Grid->SetRowCount(12);
        Grid->SetCells(2, 3, "a text much wider than the default column");
    }
    TExtStringGrid* Grid;
};

TEST(ExtGridLoadingTest, LoadedAppliesTheSuiteLookSizesTheColumnsAndRecordsTheCounts)
{
    TFormWithStringGrid form(nullptr);
    const int narrow = form.Grid->ColWidths(2);
    EXPECT_EQ(form.Grid->SelectionColor, clLime);
    form.AfterConstruction();
    EXPECT_EQ(form.Grid->Look(), glSuite);
    EXPECT_EQ(form.Grid->SelectionColor, TColor(0x00EACAB6));
    EXPECT_GT(form.Grid->ColWidths(2), narrow);
    EXPECT_EQ(form.Grid->MaxRowCount(), 12);
}

} // namespace
