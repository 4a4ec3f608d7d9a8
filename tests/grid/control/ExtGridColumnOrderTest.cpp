#include <gtest/gtest.h>

#include "ColumnGridOnForm.h"
#include "GridOnForm.h"

namespace {

// Names the columns A, B, C ... in row 0 and reads them back in their shown order.
template <typename TGrid> class ColumnOrderFixture : public GridOnFormOf<TGrid> {
protected:
    void SetUp() override
    {
        GridOnFormOf<TGrid>::SetUp();
        for (int c = 0; c < this->grid->ColCount(); ++c)
            this->grid->SetCells(c, 0, std::string(1, char('A' + c)));
    }
    std::string ShownOrder() const
    {
        std::string order;
        for (int c = 0; c < this->grid->ColCount(); ++c)
            order += this->grid->Cells(this->grid->RealColIndex(c), 0);
        return order;
    }
};

using ExtGridColumnOrderTest = ColumnOrderFixture<TExtStringGrid>;

TEST_F(ExtGridColumnOrderTest, ResetReturnsMovedColumnsAndShowsHiddenOnes)
{
    grid->SetColumnOrder();
    grid->MoveColumn(1, 4);
    grid->MoveColumn(3, 1);
    ASSERT_EQ(ShownOrder(), "AECDB");
    EXPECT_EQ(grid->ColumnPosition(1), 4);
    EXPECT_EQ(grid->ColumnPosition(4), 1);
    EXPECT_EQ(grid->ColumnAtPosition(1), 4);
    EXPECT_EQ(grid->ColumnAtPosition(0), 0);
    grid->HideColumn(2);
    grid->ResetColumnOrder();
    EXPECT_EQ(grid->NumHiddenColumns(), 0);
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(ShownOrder(), "ABCDE");
    EXPECT_EQ(grid->ColumnPosition(3), 3);
}

// A loaded grid has recorded its order: reset goes back to it, however often the columns
// moved in between.
TEST_F(ExtGridColumnOrderTest, ResetGoesBackToTheOrderTheGridWasLoadedWith)
{
    EXPECT_EQ(grid->ColumnPosition(3), 3);
    grid->MoveColumn(1, 3);
    grid->HideColumn(4);
    grid->ResetColumnOrder();
    EXPECT_EQ(grid->NumHiddenColumns(), 0);
    EXPECT_EQ(ShownOrder(), "ABCDE");
    grid->MoveColumn(0, 4);
    grid->ResetColumnOrder();
    EXPECT_EQ(ShownOrder(), "ABCDE");
}

TEST_F(ExtGridColumnOrderTest, ColumnAtPositionRecordsTheOrderOnFirstUse)
{
    EXPECT_EQ(grid->ColumnAtPosition(2), 2);
    grid->MoveColumn(2, 4);
    EXPECT_EQ(grid->ColumnAtPosition(4), 2);
    EXPECT_EQ(grid->ColumnAtPosition(7), 7);
}

// Columns inserted after the order was recorded leave it naming too few columns: nothing
// moves, and the present order becomes the recorded one.
TEST_F(ExtGridColumnOrderTest, AnOrderThatNoLongerFitsMovesNothing)
{
    grid->SetColumnOrder();
    grid->MoveColumn(1, 3);
    grid->InsertCols(2, 1);
    grid->SetCells(2, 0, "N");
    const std::string before = ShownOrder();
    grid->ResetColumnOrder();
    EXPECT_EQ(ShownOrder(), before);
    EXPECT_EQ(grid->ColumnAtPosition(5), 5);
}

using ExtColumnGridColumnOrderTest = ColumnOrderFixture<TProbeColumnGrid>;

TEST_F(ExtColumnGridColumnOrderTest, TheItemsGoBackWithTheirColumns)
{
    grid->SetColumnOrder();
    for (int c = 0; c < 5; ++c)
        grid->Columns()->Items(c)->Name = grid->Cells(c, 0);
    grid->Columns()->Items(1)->SetEditor(edComboList);
    grid->MoveColumn(1, 4);
    grid->MoveColumn(0, 2);
    grid->ResetColumnOrder();
    EXPECT_EQ(ShownOrder(), "ABCDE");
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(grid->Columns()->Items(c)->Name, grid->Cells(c, 0));
    EXPECT_EQ(grid->Columns()->Items(1)->Editor(), edComboList);
}

} // namespace
