#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/model/MouseActions.h"

namespace {

using ExtGridRowFlagsTest = GridOnForm;

TEST_F(ExtGridRowFlagsTest, SelectRowsSelectsTheRunCutAtTheLastRow)
{
    const struct {
        int from, count;
        TGridRect selection;
    } cases[] = {{3, 2, {1, 3, 4, 4}}, {8, 5, {1, 8, 4, 9}}, {1, 1, {1, 1, 4, 1}}};
    for (const auto& c : cases) {
        grid->SelectRows(c.from, c.count);
        EXPECT_EQ(grid->Selection(), c.selection) << "SelectRows(" << c.from << ", " << c.count << ")";
        EXPECT_EQ(grid->RowSelectCount(), c.selection.Bottom - c.selection.Top + 1);
        EXPECT_TRUE(grid->RowSelect(c.selection.Bottom));
        EXPECT_FALSE(grid->RowSelect(c.selection.Top - 1));
    }
}

TEST_F(ExtGridRowFlagsTest, DisjunctRowsAreSelectedOnceInTheirOrder)
{
    grid->MouseActions()->SetDisjunctRowSelect(true);
    int asked = 0;
    grid->OnRowDisjunctSelect = [&asked](TObject*, int, bool, bool&) { ++asked; };
    grid->SelectRows(4, 1);
    grid->SelectRows(4, 1);
    grid->SelectRows(2, 1);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{4, 2}));
    EXPECT_EQ(grid->RowSelectCount(), 2);
    EXPECT_TRUE(grid->RowSelect(4));
    EXPECT_FALSE(grid->RowSelect(3));

    grid->OnRowDisjunctSelect = [](TObject*, int ARow, bool, bool& Allow) { Allow = ARow != 6; };
    grid->SelectRows(6, 1);
    EXPECT_FALSE(grid->RowSelect(6));
    grid->UnSelectRows(4, 1);
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{2}));
}

// Rows 0 to 9 exist, one of them hidden: every flag may be written up to row 9 and no
// further, and a negative row is refused by writers and by the readers of row states.
TEST_F(ExtGridRowFlagsTest, FlagsRefuseRowsTheGridDoesNotHave)
{
    grid->HideRow(3);
    grid->MouseActions()->RowSelectPersistent = true;
    const struct {
        const char* what;
        std::function<void()> access;
        const char* message;
    } cases[] = {
        {"RowModified(-1)", [this] { grid->RowModified(-1); }, "Invalid row -1 accessed"},
        {"RowEnabled(-1)", [this] { grid->RowEnabled(-1); }, "Invalid row -1 accessed"},
        {"SetRowSelect(-1)", [this] { grid->SetRowSelect(-1, true); }, "Invalid row accessed"},
        {"SetRowModified(-1)", [this] { grid->SetRowModified(-1, true); }, "Invalid row accessed"},
        {"SetRowModified(10)", [this] { grid->SetRowModified(10, true); }, "Invalid row accessed"},
        {"SetRowEnabled(-2)", [this] { grid->SetRowEnabled(-2, false); }, "Invalid row accessed"},
        {"SetRowEnabled(1000)", [this] { grid->SetRowEnabled(1000, false); }, "Invalid row accessed"},
        {"ColSelect(-1)", [this] { grid->ColSelect(-1); }, "Invalid column accessed"},
        {"SetColSelect(5)", [this] { grid->SetColSelect(5, true); }, "Invalid column accessed"},
    };
    for (const auto& c : cases) {
        try {
            c.access();
            ADD_FAILURE() << c.what << " raised nothing";
        } catch (const EExtGridError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.what;
        }
    }
    grid->SetRowModified(9, true);
    EXPECT_TRUE(grid->RowModified(9));
    EXPECT_FALSE(grid->RowModified(500));
    EXPECT_EQ(grid->ModifiedRowCount(), 1);
}

// Selection that survives hiding answers for any row: a row the grid does not have is not
// selected. Without it such a row is an error.
TEST_F(ExtGridRowFlagsTest, PersistentRowSelectionReadsRowsOutsideTheGridAsNotSelected)
{
    grid->HideRow(3);
    for (const bool disjunct : {false, true}) {
        SCOPED_TRACE(disjunct);
        grid->MouseActions()->SetDisjunctRowSelect(disjunct);
        grid->SelectRows(1, 2);
        grid->MouseActions()->RowSelectPersistent = true;
        EXPECT_FALSE(grid->RowSelect(-1));
        EXPECT_FALSE(grid->RowSelect(500));
        EXPECT_TRUE(grid->RowSelect(2));
        grid->MouseActions()->RowSelectPersistent = false;
        for (const int row : {-1, 500}) {
            try {
                grid->RowSelect(row);
                ADD_FAILURE() << "RowSelect(" << row << ") raised nothing";
            } catch (const EExtGridError& e) {
                EXPECT_EQ(std::string(e.what()), "Invalid row " + std::to_string(row) + " accessed");
            }
        }
    }
}

// The rows of the fixed footers are never selected rows, even when the rectangle reaches them.
TEST_F(ExtGridRowFlagsTest, SyncingTheRowFlagsStopsAtTheFixedFooters)
{
    grid->SetFixedFooters(2);
    grid->MouseActions()->SetDisjunctRowSelect(true);
    for (const bool all : {false, true}) {
        SCOPED_TRACE(all);
        grid->ClearRowSelect();
        grid->SetSelection({1, 6, 4, 9});
        grid->SyncRowSelect(all);
        EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{6, 7}));
        EXPECT_FALSE(grid->RowSelect(8));
        EXPECT_FALSE(grid->RowSelect(9));
    }
}

TEST_F(ExtGridRowFlagsTest, DisabledCurrentRowHandsTheFocusToTheFirstEnabledRow)
{
    EXPECT_TRUE(grid->RowEnabled(7));
    grid->SetRowEnabled(1, false);
    grid->SetRow(4);
    grid->SetRowEnabled(4, false);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_FALSE(grid->RowEnabled(4));
    grid->SetRowEnabled(4, true);
    EXPECT_TRUE(grid->RowEnabled(4));
}

} // namespace
