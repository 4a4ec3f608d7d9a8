#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GridShapes.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Input.h"

namespace {

// Rows hidden for different reasons come back at their places whatever the order in
// which the reasons come and go.
class ExtGridRowSpaceTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        FillInShape(*grid, TGridShape::Plain);
    }
    std::vector<int> ShownRowNumbers() const
    {
        std::vector<int> rows;
        for (const std::string& text : ShownColumn(*grid, 1))
            rows.push_back(std::stoi(text.substr(2)));
        return rows;
    }
    void ExpectAllRowsShownInOrder(const std::string& Step)
    {
        EXPECT_EQ(ShownRowNumbers(), ShapedRowsExpected()) << Step;
        EXPECT_EQ(grid->NumHiddenRows(), 0) << Step;
    }
};

TEST_F(ExtGridRowSpaceTest, AFilterLevelInsideAnotherHidingComesBackAtItsRows)
{
    const struct {
        const char* name;
        std::function<void(TExtStringGrid&)> hide, showOther;
    } cases[] = {
        {"contracted node", [](TExtStringGrid& g) { g.AddNode(2, 3), g.ContractNode(2); },
         [](TExtStringGrid& g) { g.ExpandNode(2); }},
        {"hidden rows", [](TExtStringGrid& g) { g.HideRows(2, 3); }, [](TExtStringGrid& g) { g.UnHideRows(2, 3); }},
    };
    for (const auto& c : cases) {
        grid->SetParent(nullptr);
        SetUp();
        c.hide(*grid);
        ExpectRowsConsistent(*grid, std::string(c.name) + ": hidden");
        // Display row 3 shows real row 5 once rows 2.. are out, row 3 otherwise.
        grid->HideRowList({3});
        ExpectRowsConsistent(*grid, std::string(c.name) + ": row list");
        c.showOther(*grid);
        ExpectRowsConsistent(*grid, std::string(c.name) + ": other rows shown");
        EXPECT_EQ(StoredRowOrder(*grid), ShapedRowsExpected()) << c.name;
        EXPECT_EQ(DisplayCellShowing(*grid, "1,2").Y, 2) << c.name;
        grid->UnHideRowList();
        ExpectRowsConsistent(*grid, std::string(c.name) + ": row list undone");
        ExpectAllRowsShownInOrder(c.name);
    }
}

TEST_F(ExtGridRowSpaceTest, ANodeExpandedUnderAFilterLeavesTheFilteredRowsOut)
{
    grid->AddNode(2, 5);
    grid->HideRowList({4}); // real row 4, inside the node's span
    grid->ContractNode(2);
    grid->ExpandNode(2);
    ExpectRowsConsistent(*grid, "expanded");
    EXPECT_EQ(DisplayCellShowing(*grid, "1,4").X, -1) << "the filter's row stays out";
    grid->UnHideRowList();
    ExpectAllRowsShownInOrder("filter undone");
}

TEST_F(ExtGridRowSpaceTest, ASortCarriesEachRowsFlagsWithIt)
{
    for (int r = 1; r <= 10; ++r)
        grid->SetCells(1, r, std::string(1, static_cast<char>('a' + (10 - r))));
    grid->SetRowEnabled(2, false); // "i"
    grid->SetRowModified(3, true); // "h"
    grid->ShowModified()->Enabled = true;
    grid->Sort(1, sdAscending);
    ExpectRowsConsistent(*grid, "sorted");
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(grid->RowEnabled(r), grid->Cells(1, r) != "i") << "row " << r;
        EXPECT_EQ(grid->RowModified(r), grid->Cells(1, r) == "h") << "row " << r;
    }
}

TEST_F(ExtGridRowSpaceTest, AMovedRowCarriesItsFlagsAndTheRowsBetweenFollow)
{
    grid->SetRowModified(2, true);
    grid->SetRowEnabled(3, false);
    grid->MoveRow(2, 5);
    ExpectRowsConsistent(*grid, "moved");
    EXPECT_EQ(ShownColumn(*grid, 1)[5], "1,2");
    for (int r = 1; r < grid->RowCount(); ++r) {
        EXPECT_EQ(grid->RowModified(r), r == 5) << "row " << r;
        EXPECT_EQ(grid->RowEnabled(r), r != 2) << "row " << r;
    }
}

// Space on a check box reports the state of the box it toggled, whatever is hidden.
class ShapedCheckBoxKeyTest : public ShapedGridTest {};

TEST_P(ShapedCheckBoxKeyTest, SpaceReportsTheStateOfTheToggledBox)
{
    const TPoint at = DisplayCellShowing(*grid, "2,5");
    for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
        grid->AddCheckBox(grid->RealColIndex(at.X), r, false, false);
    grid->SetOptions(grid->Options() + goEditing);
    std::vector<std::pair<int, bool>> clicks;
    grid->OnCheckBoxClick = [&](TObject*, int, int ARow, bool State) { clicks.emplace_back(ARow, State); };
    grid->SetFocus();
    grid->FocusCell(at.X, at.Y);
    SendKey(VK_SPACE);
    EXPECT_EQ(clicks, (std::vector<std::pair<int, bool>>{{at.Y, true}}));
    EXPECT_TRUE(grid->IsChecked(grid->RealColIndex(at.X), at.Y));
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapedCheckBoxKeyTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
