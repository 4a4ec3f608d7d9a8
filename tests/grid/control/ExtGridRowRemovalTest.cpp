#include <gtest/gtest.h>

#include <algorithm>
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

// Row 4 is hidden and rows 7 and 8 are merged in column 3 before each operation: the hidden
// row comes back at its place and the merged area travels with its rows.
TEST_F(ExtGridRowRemovalTest, OperationsKeepHiddenRowsAndMergedAreasWithTheirRows)
{
    enum TOperation { opRemoveSelected, opRemoveUnSelected, opHideSelected, opRemoveChecked, opRemoveDuplicates };
    const struct {
        TOperation operation;
        std::vector<std::string> shown;    // display rows afterwards
        std::vector<std::string> restored; // after showing the hidden rows again
    } cases[] = {
        {opRemoveSelected, Rows({0, 1, 3, 6, 7, 8, 9}), Rows({0, 1, 3, 4, 6, 7, 8, 9})},
        {opRemoveUnSelected, Rows({0, 2, 5, 7, 8}), Rows({0, 2, 4, 5, 7, 8})},
        {opHideSelected, Rows({0, 1, 3, 6, 7, 8, 9}), Rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9})},
        {opRemoveChecked, Rows({0, 1, 3, 6, 7, 8, 9}), Rows({0, 1, 3, 4, 6, 7, 8, 9})},
        {opRemoveDuplicates, Rows({0, 1, 2, 3, 6, 7, 8, 9}), Rows({0, 1, 2, 3, 4, 6, 7, 8, 9})},
    };
    for (const auto& c : cases) {
        SetUp();
        grid->MouseActions()->SetDisjunctRowSelect(true);
        grid->MergeCells(3, 7, 1, 2);
        grid->SetCells(3, 7, "merged");
        for (int r = 1; r < 10; ++r)
            grid->SetCells(2, r, "k" + std::to_string(r));
        grid->SetCells(2, 5, "K3"); // repeats row 3's key in another case
        grid->AddCheckBoxColumn(4, false, false);
        // Display rows 2 and 4, real rows 2 and 5, are flagged once row 4 is hidden.
        grid->HideRow(4);
        for (int r : {2, 4}) {
            grid->SetRowSelect(r, true);
            grid->SetCheckBoxState(4, r, true);
        }
        switch (c.operation) {
        case opRemoveSelected:
            grid->RemoveSelectedRows();
            break;
        case opRemoveUnSelected:
            grid->SetRowSelect(6, true); // real row 7, the merged area's first row
            grid->SetRowSelect(7, true);
            grid->RemoveUnSelectedRows();
            break;
        case opHideSelected:
            grid->HideSelectedRows();
            break;
        case opRemoveChecked:
            grid->RemoveCheckedRows(4, true);
            break;
        case opRemoveDuplicates:
            grid->RemoveDuplicates(2, true);
            break;
        }
        EXPECT_EQ(ShownRows(), c.shown) << c.operation;
        const std::vector<std::string> shown = ShownRows();
        const int merged = static_cast<int>(std::find(shown.begin(), shown.end(), "r7") - shown.begin());
        EXPECT_EQ(grid->Cells(3, merged), "merged") << c.operation;
        EXPECT_EQ(grid->CellSpan(3, merged).Y, 1) << c.operation;
        grid->UnHideRowsAll();
        EXPECT_EQ(ShownRows(), c.restored) << c.operation;
    }
}

} // namespace
