#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../control/GridOnForm.h"
#include "grid/control/FilterDropLists.h"
#include "grid/control/settings/Filter.h"
#include "grid/control/settings/FilterDropDown.h"
#include "platform/ui/Input.h"

namespace {

// Column 1 holds the values under one fixed row whose cells carry the filter buttons.
class FilterDropListTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(3);
        const std::vector<std::string> values{"New York", "Paris", "Paris", "Oslo"};
        grid->SetRowCount(static_cast<int>(values.size()) + 1);
        for (size_t r = 0; r < values.size(); ++r)
            grid->SetCells(1, static_cast<int>(r) + 1, values[r]);
        grid->FilterDropDownAuto = true;
    }
    void ClickFilterButton(int ACol)
    {
        const TRect header = grid->CellRect(ACol, 0);
        SendClick(grid, header.Right - 8, header.Top + 5);
    }
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            texts.push_back(grid->Cells(1, r));
        return texts;
    }
    static std::vector<std::string> ItemsOf(const TListBox& List)
    {
        std::vector<std::string> items;
        for (int i = 0; i < List.Count(); ++i)
            items.push_back(List.Items()->Strings(i));
        return items;
    }
};

TEST_F(FilterDropListTest, TheFilterButtonOpensTheColumnsValuesAndEnterAppliesOne)
{
    ClickFilterButton(1);
    TDropList& list = *grid->DropList();
    ASSERT_TRUE(list.Visible());
    EXPECT_FALSE(grid->DropCheckList()->Visible());
    EXPECT_EQ(grid->FilterCol, 1);
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{"(All)", "New York", "Oslo", "Paris"}))
        << "friendly names only, sorted under the clear entry";
    EXPECT_EQ(list.ItemIndex(), 0);
    const TRect header = grid->CellRect(1, 0);
    EXPECT_EQ(list.Top(), header.Top + 16);
    EXPECT_EQ(list.Width(), 150);
    EXPECT_EQ(list.Height(), 150);
    EXPECT_EQ(list.Left(), header.Right - 16);

    list.SetItemIndex(1);
    SendKey(VK_RETURN, {}, &list);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(grid->FilterCol, -1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"New York"})) << "the blank counts inside the quotes";

    ClickFilterButton(1);
    ASSERT_TRUE(list.Visible());
    const TRect paris = list.ItemRect(3);
    SendClick(&list, paris.Left + 5, paris.Top + 3);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Paris", "Paris"})) << "a click picks the value under it";
}

TEST_F(FilterDropListTest, AReleaseElsewhereClosesTheListWithoutAChoice)
{
    ClickFilterButton(1);
    ASSERT_TRUE(grid->DropList()->Visible());
    const TRect cell = grid->CellRect(2, 2);
    SendClick(grid, cell.Left + 5, cell.Top + 5);
    EXPECT_FALSE(grid->DropList()->Visible());
    EXPECT_EQ(grid->FilterCol, -1);
    EXPECT_EQ(grid->Filter()->Count(), 0);
    EXPECT_EQ(Shown().size(), 4u);

    ClickFilterButton(1);
    ASSERT_TRUE(grid->DropList()->Visible());
    ClickFilterButton(1);
    EXPECT_FALSE(grid->DropList()->Visible()) << "a second click on the open button closes it";
    EXPECT_EQ(grid->FilterCol, -1);
}

TEST_F(FilterDropListTest, SizedToItsEntriesOrToTheColumnAndKeptInsideTheGrid)
{
    const auto clickElsewhere = [&] {
        const TRect cell = grid->CellRect(0, 3);
        SendClick(grid, cell.Left + 5, cell.Top + 5);
    };
    grid->FilterDropDown()->AutoSize = true;
    ClickFilterButton(1);
    TDropList& list = *grid->DropList();
    ASSERT_TRUE(list.Visible());
    EXPECT_EQ(list.Height(), 4 * list.ItemRect(0).Height() + 4) << "four entries and the edges";
    EXPECT_LT(list.Width(), 150);
    clickElsewhere();

    grid->FilterDropDown()->AutoSize = false;
    grid->FilterDropDown()->ColumnWidth = true;
    grid->SetCells(2, 1, "x");
    ClickFilterButton(2);
    ASSERT_TRUE(list.Visible());
    const TRect header = grid->CellRect(2, 0);
    EXPECT_EQ(list.Left(), header.Left);
    EXPECT_EQ(list.Width(), header.Width());
    clickElsewhere();

    grid->FilterDropDown()->ColumnWidth = false;
    grid->FilterDropDown()->Width = grid->ClientWidth();
    ClickFilterButton(2);
    ASSERT_TRUE(list.Visible());
    EXPECT_EQ(list.Left(), 0) << "moved left to fit, never past the grid's left edge";
}

TEST_F(FilterDropListTest, TheCheckListShowsTheConditionsAndEachClickAppliesTheChecks)
{
    grid->FilterDropDownCheck = true;
    TFilterData& item = grid->Filter()->Add();
    item.Column = 1;
    item.Condition = "\"New York\"";
    ClickFilterButton(1);
    TDropCheckList& list = *grid->DropCheckList();
    ASSERT_TRUE(list.Visible());
    EXPECT_FALSE(grid->DropList()->Visible());
    EXPECT_EQ(ItemsOf(list), (std::vector<std::string>{"(All)", "New York", "Oslo", "Paris"}));
    const std::vector<bool> expected{false, true, false, false};
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.Checked(i), expected[static_cast<size_t>(i)]) << i;

    list.SetItemIndex(3);
    SendKey(VK_SPACE, {}, &list);
    EXPECT_TRUE(list.Checked(3));
    EXPECT_TRUE(list.Visible()) << "the check list stays open";
    EXPECT_TRUE(grid->FilterActive());
    EXPECT_EQ(Shown(), (std::vector<std::string>{"New York", "Paris", "Paris"}));
}

TEST_F(FilterDropListTest, OnlyAFixedRowCarriesTheFilterButtons)
{
    grid->SetFilterDropDownRow(1);
    EXPECT_EQ(grid->FilterDropDownRow, 0) << "row 1 is no fixed row yet";
    grid->SetFixedRows(2);
    grid->SetFilterDropDownRow(1);
    EXPECT_EQ(grid->FilterDropDownRow, 1);
    ClickFilterButton(1);
    EXPECT_FALSE(grid->DropList()->Visible()) << "row 0 has no button any more";
    const TRect header = grid->CellRect(1, 1);
    SendClick(grid, header.Right - 8, header.Top + 5);
    EXPECT_TRUE(grid->DropList()->Visible());
}

TEST_F(FilterDropListTest, Screenshot)
{
    grid->FilterDropDownCheck = true;
    grid->FilterDropDown()->AutoSize = true;
    ClickFilterButton(1);
    grid->DropCheckList()->SetChecked(3, true);
    SaveScreenshotTo("VANTREL_FILTER_LIST_PNG");
}

} // namespace
