#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "GridOnForm.h"

namespace {

class ExtGridColumnsTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(6);
        FillCoordinates();
    }
};

TEST_F(ExtGridColumnsTest, TwoHiddenColumnsMapBothWays)
{
    grid->HideColumns(2, 3);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->NumHiddenColumns(), 2);
    EXPECT_EQ(grid->TotalColCount(), 6);
    const struct {
        int display, real;
    } toReal[] = {{0, 0}, {1, 1}, {2, 4}, {3, 5}, {509, 511}, {510, 0}, {-1, 0}, {600, 600}};
    for (const auto& c : toReal)
        EXPECT_EQ(grid->RealColIndex(c.display), c.real) << "display " << c.display;
    const struct {
        int real, display;
    } toDisplay[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 2}, {5, 3}, {-1, -1}, {600, 600}};
    for (const auto& c : toDisplay)
        EXPECT_EQ(grid->DisplColIndex(c.real), c.display) << "real " << c.real;
    EXPECT_TRUE(grid->IsHiddenColumn(3));
    EXPECT_FALSE(grid->IsHiddenColumn(4));
    for (int r = 0; r < grid->RowCount(); ++r)
        EXPECT_EQ(grid->Cells(3, r), "3," + std::to_string(r));
}

TEST_F(ExtGridColumnsTest, RequestsThatCannotHideChangeNothing)
{
    const struct {
        const char* what;
        int colCount, hide;
    } cases[] = {{"beyond the hideable range", 6, 600}, {"negative", 6, -1}, {"last column left", 1, 0}};
    for (const auto& c : cases) {
        grid->SetColCount(c.colCount);
        grid->HideColumn(c.hide);
        EXPECT_EQ(grid->ColCount(), c.colCount) << c.what;
        EXPECT_EQ(grid->NumHiddenColumns(), 0) << c.what;
        EXPECT_FALSE(grid->IsHiddenColumn(c.hide)) << c.what;
    }
    grid->SetColCount(6);
    grid->HideColumn(2);
    grid->HideColumn(2);
    grid->UnHideColumn(4);
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->NumHiddenColumns(), 1);
}

TEST_F(ExtGridColumnsTest, UnhidingRestoresWidthAndPosition)
{
    for (int c = 0; c < 6; ++c)
        grid->SetColWidths(c, 50 + 10 * c);
    grid->HideColumn(2);
    EXPECT_EQ(grid->ColWidths(2), 80);
    grid->UnHideColumn(2);
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(grid->ColWidths(c), 50 + 10 * c) << "column " << c;
}

TEST_F(ExtGridColumnsTest, UnhideAllStaysInsideTheHideableColumns)
{
    grid->SetColCount(600);
    grid->HideColumns(509, 511);
    EXPECT_EQ(grid->NumHiddenColumns(), 3);
    grid->UnHideColumnsAll();
    EXPECT_EQ(grid->NumHiddenColumns(), 0);
    EXPECT_EQ(grid->ColCount(), 600);
}

TEST_F(ExtGridColumnsTest, AHiddenColumnPushedBeyondTheHideableColumnsComesBackWithItsWidth)
{
    grid->SetColCount(513);
    grid->SetColWidths(510, 33);
    grid->SetColWidths(511, 44);
    grid->HideColumns(510, 511);
    grid->InsertCols(2, 1);
    EXPECT_EQ(grid->NumHiddenColumns(), 1);
    EXPECT_TRUE(grid->IsHiddenColumn(511)) << "column 510 moved to 511 and stays hidden";
    EXPECT_EQ(grid->AllColWidths(511), 33);
    EXPECT_EQ(grid->ColCount(), 513);
    EXPECT_EQ(grid->ColWidths(511), 44) << "column 511 moved to 512 and is shown again";
    EXPECT_EQ(grid->ColumnSpace().CheckConsistency(grid->TotalColCount()), "");
}

class ExtGridRowsTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        FillCoordinates();
    }
    // Every display row shows the cells of the real row it maps to.
    void ExpectRowsInPlace()
    {
        for (int d = 0; d < grid->RowCount(); ++d)
            EXPECT_EQ(grid->Cells(1, d), "1," + std::to_string(grid->RealRowIndex(d))) << "display row " << d;
    }
};

TEST_F(ExtGridRowsTest, HiddenRangeLeavesTheGridAndComesBackWhole)
{
    grid->SetRowHeights(6, 35);
    grid->GetCellProperties(2, 6)->ReadOnly = true;
    grid->HideColumn(3);
    grid->HideRows(5, 7);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->NumHiddenRows(), 3);
    EXPECT_EQ(grid->TotalRowCount(), 10);
    EXPECT_EQ(grid->RealRowIndex(5), 8);
    EXPECT_EQ(grid->DisplRowIndex(6), 5);
    EXPECT_EQ(grid->DisplRowIndex(8), 5);
    EXPECT_TRUE(grid->IsHiddenRow(6));
    std::vector<int> listHidden;
    EXPECT_TRUE(grid->IsHiddenRow(7, listHidden));
    EXPECT_FALSE(grid->IsHiddenRow(8, listHidden));
    EXPECT_EQ(listHidden, (std::vector<int>{5, 6, 7}));
    ExpectRowsInPlace();
    EXPECT_EQ(grid->Cells(3, 5), "3,8");

    grid->UnHideRows(5, 7);
    grid->UnHideColumn(3);
    EXPECT_EQ(grid->NumHiddenRows(), 0);
    ExpectRowsInPlace();
    EXPECT_EQ(grid->Cells(3, 6), "3,6");
    EXPECT_EQ(grid->RowHeights(6), 35);
    EXPECT_EQ(grid->RowHeights(5), 22);
    ASSERT_NE(grid->FindCellProperties(2, 6), nullptr);
    EXPECT_TRUE(grid->FindCellProperties(2, 6)->ReadOnly);
}

TEST_F(ExtGridRowsTest, RequestsOnRowsInTheWrongStateChangeNothing)
{
    grid->HideRows(5, 6);
    grid->HideRows(5, 6);
    EXPECT_EQ(grid->NumHiddenRows(), 2);
    grid->UnHideRows(4, 6);
    EXPECT_EQ(grid->NumHiddenRows(), 2);
    ExpectRowsInPlace();
}

TEST_F(ExtGridRowsTest, HideRowsExSkipsRowsAlreadyHidden)
{
    grid->HideRow(6);
    grid->HideRowsEx(4, 7);
    EXPECT_EQ(grid->NumHiddenRows(), 4);
    EXPECT_EQ(grid->RowCount(), 6);
    ExpectRowsInPlace();
    grid->UnHideRowsAll();
    EXPECT_EQ(grid->RowCount(), 10);
    ExpectRowsInPlace();
    EXPECT_EQ(grid->RealRowIndex(6), 6);
}

TEST_F(ExtGridRowsTest, UnhideAllRestoresSeparateRuns)
{
    grid->HideRows(2, 3);
    grid->HideRows(6, 6);
    EXPECT_EQ(grid->RealRowIndex(4), 7);
    ExpectRowsInPlace();
    grid->UnHideRowsAll();
    EXPECT_EQ(grid->NumHiddenRows(), 0);
    ExpectRowsInPlace();
}

// After every step each shown row holds the cells of the real row it maps to.
TEST_F(ExtGridRowsTest, MixedHidingKeepsEveryRowInPlace)
{
    const struct {
        const char* what;
        std::vector<std::function<void(TExtStringGrid*)>> steps;
    } cases[] = {
        {"nested ranges",
         {[](TExtStringGrid* g) { g->HideRows(6, 7); }, [](TExtStringGrid* g) { g->HideRows(2, 8); },
          [](TExtStringGrid* g) { g->UnHideRows(2, 4); }, [](TExtStringGrid* g) { g->UnHideRow(7); }}},
        {"single rows out of order",
         {[](TExtStringGrid* g) { g->HideRow(9); }, [](TExtStringGrid* g) { g->HideRow(1); },
          [](TExtStringGrid* g) { g->HideRowsEx(4, 5); }, [](TExtStringGrid* g) { g->UnHideRow(9); },
          [](TExtStringGrid* g) { g->UnHideRows(4, 5); }}},
        {"range beyond the rows", {[](TExtStringGrid* g) { g->HideRows(8, 40); }}},
    };
    for (const auto& c : cases) {
        for (const auto& step : c.steps) {
            step(grid);
            ExpectRowsInPlace();
            EXPECT_EQ(grid->TotalRowCount(), 10) << c.what;
        }
        grid->UnHideRowsAll();
        ExpectRowsInPlace();
        EXPECT_EQ(grid->RowCount(), 10) << c.what;
    }
}

TEST_F(ExtGridRowsTest, RowListLevelComesBackWithoutTakingOtherHiddenRows)
{
    grid->HideRow(8);
    grid->HideRowList({2, 4});
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->FilterLevel(), 1);
    const char* shown[] = {"1,0", "1,1", "1,3", "1,5", "1,6", "1,7", "1,9"};
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(grid->Cells(1, d), shown[d]) << "display row " << d;

    grid->UnHideRowList();
    grid->SetFilterLevel(0);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_TRUE(grid->IsHiddenRow(8));
    ExpectRowsInPlace();
}

} // namespace
