#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NamedRowsGrid.h"
#include "grid/foundation/model/MouseActions.h"

namespace {

using ExtGridRowRemovalTest = NamedRowsGrid;

TEST_F(ExtGridRowRemovalTest, RemoveDuplicatesKeepsTheFirstRowOfEachKeyWhateverTheCase)
{
    const struct {
        std::vector<std::string> keys; // rows 1 to 9
        bool doCase;
        std::vector<std::string> remaining;
    } cases[] = {
        {{"a", "b", "A", "c", "B", "a", "d", "Ä", "ä"}, false, Rows({0, 1, 2, 4, 7, 8})},
        {{"a", "b", "A", "c", "B", "a", "d", "Ä", "ä"}, true, Rows({0, 1, 2, 4, 7, 8})},
        {{"x", "y", "z", "1", "2", "3", "4", "5", "6"}, false, Rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9})},
    };
    for (const auto& c : cases) {
        SetUp();
        for (int r = 1; r < 10; ++r)
            grid->SetCells(2, r, c.keys[r - 1]);
        grid->RemoveDuplicates(2, c.doCase);
        EXPECT_EQ(ShownRows(), c.remaining);
    }
}

TEST_F(ExtGridRowRemovalTest, RemovalLeavesHiddenRowsAtTheirPlaces)
{
    for (int r = 1; r < 10; ++r)
        grid->SetCells(2, r, r % 2 ? "odd" : "even");
    grid->HideRow(5);
    grid->RemoveDuplicates(2, false);
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2}));
    grid->UnHideRowsAll();
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 5}));
}

TEST_F(ExtGridRowRemovalTest, RemoveSelectedRowsWithDisjunctSelectionKeepsTheFooterRows)
{
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->FixedFooters = 1;
    for (int r : {2, 5, 6, 9})
        grid->SetRowSelect(r, true);
    grid->RemoveSelectedRows();
    EXPECT_EQ(ShownRows(), Rows({0, 1, 3, 4, 7, 8, 9}));
    EXPECT_EQ(grid->RowSelectCount(), 0);
}

TEST_F(ExtGridRowRemovalTest, RemoveSelectedRowsTakesTheSelectedRange)
{
    grid->SetSelection({1, 3, 2, 5});
    grid->RemoveSelectedRows();
    EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 6, 7, 8, 9}));
}

TEST_F(ExtGridRowRemovalTest, RemoveUnSelectedRowsKeepsTheSelection)
{
    grid->MouseActions()->SetDisjunctRowSelect(true);
    for (int r : {3, 7})
        grid->SetRowSelect(r, true);
    grid->RemoveUnSelectedRows();
    EXPECT_EQ(ShownRows(), Rows({0, 3, 7}));
    EXPECT_EQ(grid->RowSelectCount(), 0);
}

TEST_F(ExtGridRowRemovalTest, HidingBySelectionKeepsTheTexts)
{
    const struct {
        bool selected;
        std::vector<std::string> shown;
    } cases[] = {{true, Rows({0, 1, 2, 4, 5, 7, 9})}, {false, Rows({0, 3, 6, 8})}};
    for (const auto& c : cases) {
        SetUp();
        grid->MouseActions()->SetDisjunctRowSelect(true);
        for (int r : {3, 6, 8})
            grid->SetRowSelect(r, true);
        if (c.selected)
            grid->HideSelectedRows();
        else
            grid->HideUnSelectedRows();
        EXPECT_EQ(ShownRows(), c.shown);
        grid->UnHideRowsAll();
        EXPECT_EQ(ShownRows(), Rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }
}

TEST_F(ExtGridRowRemovalTest, HideUnSelectedRowsFollowsARangeSelection)
{
    grid->SetSelection({1, 5, 2, 6});
    grid->HideUnSelectedRows();
    EXPECT_EQ(ShownRows(), Rows({0, 5, 6}));
}

TEST_F(ExtGridRowRemovalTest, RemoveCheckedRowsByState)
{
    const struct {
        bool removeChecked;
        std::vector<std::string> remaining;
    } cases[] = {{true, Rows({0, 1, 3, 4, 6, 7, 9})}, {false, Rows({0, 2, 5, 8})}};
    for (const auto& c : cases) {
        SetUp();
        grid->AddCheckBoxColumn(2, false, false);
        for (int r : {2, 5, 8})
            grid->SetCheckBoxState(2, r, true);
        grid->RemoveCheckedRows(2, c.removeChecked);
        EXPECT_EQ(ShownRows(), c.remaining);
    }
}

TEST_F(ExtGridRowRemovalTest, ClearSelectionEmptiesTheSelectedCells)
{
    grid->SetSelection({1, 2, 1, 3});
    grid->ClearSelection();
    EXPECT_EQ(ShownRows(),
              (std::vector<std::string>{"r0", "r1", "", "", "r4", "r5", "r6", "r7", "r8", "r9"}));
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetRowSelect(6, true);
    grid->ClearSelection();
    EXPECT_EQ(grid->Cells(1, 6), "");
    EXPECT_EQ(grid->Cells(1, 5), "r5");
}

} // namespace
