#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ColumnGridOnForm.h"
#include "GridShapes.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Input.h"

namespace {

// A column grid in the shape of the test's parameter.
class ExtColumnGridColumnCountTest : public ColumnGridOnForm, public testing::WithParamInterface<TGridShape> {
protected:
    void SetUp() override
    {
        ColumnGridOnForm::SetUp();
        SetBeeper([] {});
        FillInShape(*grid, GetParam());
    }
    void TearDown() override { SetBeeper(nullptr); }
    int ItemsWanted() const { return grid->ColCount() + grid->NumHiddenColumns(); }
};

// The string grid's own operations change the count through the string grid: the items
// follow all the same, and a new column is as editable as its neighbours.
TEST_P(ExtColumnGridColumnCountTest, EveryCountChangeGivesTheColumnsTheirItems)
{
    struct Case {
        const char* What;
        std::function<void(TExtStringGrid&)> Change;
    };
    const Case Cases[] = {
        {"the string grid's writer, more", [](TExtStringGrid& Grid) { Grid.SetColCount(9); }},
        {"the string grid's writer, fewer", [](TExtStringGrid& Grid) { Grid.SetColCount(4); }},
        {"Assign from a wider grid",
         [](TExtStringGrid& Grid) {
             TExtStringGrid wider(nullptr);
             wider.SetColCount(8);
             Grid.Assign(wider);
         }},
    };
    grid->SetOptions(grid->Options() + goEditing);
    for (const Case& C : Cases) {
        C.Change(*grid);
        EXPECT_EQ(grid->Columns()->Count(), ItemsWanted()) << C.What;
        const int lastReal = grid->RealColIndex(grid->ColCount() - 1);
        EXPECT_TRUE(grid->CanEdit(lastReal, grid->FixedRows())) << C.What;
    }
}

// Enter in the last cell, going down the columns with AdvanceInsert, appends one column and
// goes on in it; the read-only cells that Enter skips by default do not make it append more.
// The test switches AdvanceInsert off after a few appended columns, so that a walk that would
// append columns for ever fails here instead of hanging.
TEST_P(ExtColumnGridColumnCountTest, EnterInTheLastCellAppendsOneEditableColumn)
{
    TNavigation& nav = *grid->Navigation();
    nav.AdvanceOnEnter = true;
    nav.SetAdvanceInsert(true);
    nav.SetAdvanceDirection(adTopBottom);
    ASSERT_TRUE(nav.AdvanceSkipReadOnlyCells);
    grid->SetOptions(grid->Options() + goEditing);
    int appended = 0;
    grid->OnAutoInsertCol = [&](TObject*, int) {
        if (++appended >= 3) grid->Navigation()->SetAdvanceInsert(false);
    };
    const int cols = grid->ColCount();
    grid->FocusCell(cols - 1, grid->LastNormalRow());
    SendKey(VK_F2);
    ASSERT_TRUE(grid->IsEditMode());
    SendKey(VK_RETURN);
    EXPECT_EQ(appended, 1);
    EXPECT_EQ(grid->ColCount(), cols + 1);
    EXPECT_EQ(grid->Columns()->Count(), ItemsWanted());
    EXPECT_EQ(grid->Col(), cols);
    EXPECT_EQ(grid->Row(), grid->FixedRows());
}

// Where the new columns offer no cell to edit, Enter appends one and the focus stays.
TEST_P(ExtColumnGridColumnCountTest, AnAppendedColumnWithoutEditableCellsEndsTheWalk)
{
    TNavigation& nav = *grid->Navigation();
    nav.AdvanceOnEnter = true;
    nav.SetAdvanceInsert(true);
    nav.SetAdvanceDirection(adTopBottom);
    grid->SetOptions(grid->Options() + goEditing);
    const int cols = grid->ColCount();
    const int firstNew = grid->RealColIndex(cols - 1) + 1;
    grid->OnCanEditCell = [firstNew](TObject*, int, int ACol, bool& CanEdit) { CanEdit = ACol < firstNew; };
    int appended = 0;
    grid->OnAutoInsertCol = [&](TObject*, int) {
        if (++appended >= 3) grid->Navigation()->SetAdvanceInsert(false);
    };
    const TPoint last{cols - 1, grid->LastNormalRow()};
    grid->FocusCell(last.X, last.Y);
    SendKey(VK_F2);
    ASSERT_TRUE(grid->IsEditMode());
    SendKey(VK_RETURN);
    EXPECT_EQ(appended, 1);
    EXPECT_EQ(grid->ColCount(), cols + 1);
    EXPECT_EQ(grid->Col(), last.X);
    EXPECT_EQ(grid->Row(), last.Y);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExtColumnGridColumnCountTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
