#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../control/GridOnForm.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/Filter.h"
#include "platform/rtl/SysUtils.h"

namespace {

class RowFilterTest : public GridOnForm {
protected:
    // Column 1 gets the values, column 2 the second list when given, below one fixed row.
    void Fill(const std::vector<std::string>& Values, const std::vector<std::string>& Second = {})
    {
        grid->SetColCount(3);
        grid->SetRowCount(static_cast<int>(Values.size()) + 1);
        for (size_t r = 0; r < Values.size(); ++r) {
            grid->SetCells(1, static_cast<int>(r) + 1, Values[r]);
            if (r < Second.size()) grid->SetCells(2, static_cast<int>(r) + 1, Second[r]);
        }
    }
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            texts.push_back(grid->Cells(1, r));
        return texts;
    }
    TFilterData& AddCondition(int Col, const std::string& Condition)
    {
        TFilterData& item = grid->Filter()->Add();
        item.Column = static_cast<int16_t>(Col);
        item.Condition = Condition;
        return item;
    }
};

TEST_F(RowFilterTest, ConditionsKeepTheRowsThatMeetThem)
{
    const struct {
        std::vector<std::string> Values;
        const char* Condition;
        bool CaseSensitive;
        std::vector<std::string> Kept;
    } cases[] = {
        {{"11", "10.5", "9", "10"}, ">10", true, {"11", "10.5"}},
        {{"11", "10.5", "9", "10"}, ">=10", true, {"11", "10.5", "10"}},
        {{"Apple", "apple", "Pear"}, "A*", false, {"Apple", "apple"}},
        {{"Apple", "apple", "Pear"}, "A*", true, {"Apple"}},
        {{"Apple", "apple", "Pear"}, "!A*", true, {"apple", "Pear"}},
        {{"5", "6", "7", "8", "9"}, ">5&<9", true, {"6", "7", "8"}},
        {{"1", "2", "3", "4"}, "1|3", true, {"1", "3"}},
        {{"1", "2", "3", "4"}, "(1|3)&>2", true, {"3"}},
        {{"New York", "NewYork"}, "\"New York\"", true, {"New York"}},
        {{"New York", "NewYork"}, "New York", true, {"NewYork"}},
        {{"15/03/2020", "05/01/2020"}, ">01/02/2020", true, {"15/03/2020"}},
        {{"a", "b"}, "", true, {"a", "b"}},
    };
    for (const auto& c : cases) {
        Fill(c.Values);
        grid->Filter()->Clear();
        TFilterData& item = AddCondition(1, c.Condition);
        item.Data = fcNormal;
        item.CaseSensitive = c.CaseSensitive;
        grid->SetFilterActive(true);
        EXPECT_EQ(Shown(), c.Kept) << c.Condition;
        grid->SetFilterActive(false);
        EXPECT_EQ(Shown(), c.Values) << c.Condition;
        EXPECT_EQ(grid->FilterLevel(), 0) << "switching off lowers the level";
    }
}

TEST_F(RowFilterTest, ItemsCombineByTheirOperation)
{
    Fill({"a", "a", "b", "b"}, {"x", "y", "x", "y"});
    AddCondition(1, "a");
    AddCondition(2, "x");
    grid->SetFilterActive(true);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a"}));
    grid->SetFilterActive(false);
    grid->Filter()->Items(1).Operation = foOR;
    grid->SetFilterActive(true);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a", "a", "b"}));
}

TEST_F(RowFilterTest, SummaryRowsStayAndCustomFilterDecides)
{
    Fill({"a", "b", "sum"});
    grid->MarkSummaryRow(3);
    AddCondition(1, "a");
    grid->SetFilterActive(true);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a", "sum"}));
    grid->SetFilterActive(false);
    grid->OnCustomFilter = [this](TObject*, int ARow, bool& Accept) { Accept = grid->Cells(1, ARow) != "a"; };
    grid->FilterNormalCellsOnly = false;
    grid->SetFilterActive(true);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"b", "sum"}));
}

TEST_F(RowFilterTest, LevelsComeBackOneByOne)
{
    Fill({"a1", "a2", "b1"});
    EXPECT_FALSE(grid->RemoveLastFilter());
    AddCondition(1, "a*");
    grid->ApplyFilter();
    grid->Filter()->Items(0).Condition = "*1";
    grid->ApplyFilter();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a1"}));
    EXPECT_FALSE(grid->RemoveLastFilter());
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a1", "a2"}));
    grid->RemoveAllFilters();
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a1", "a2", "b1"}));
    EXPECT_EQ(grid->Filter()->Count(), 1) << "the conditions stay when levels were removed";
    grid->RemoveAllFilters();
    EXPECT_EQ(grid->Filter()->Count(), 0);
}

TEST_F(RowFilterTest, NarrowDownFollowsTheTypedText)
{
    Fill({"apple", "about", "banana", "xyz"});
    const struct {
        const char* Text;
        std::vector<std::string> Shown;
    } steps[] = {
        {"a", {"apple", "about", "banana"}},
        {"ab", {"about"}},
        {"a", {"apple", "about", "banana"}},
        {"xyz", {"xyz"}},
        {"", {"apple", "about", "banana", "xyz"}},
    };
    for (const auto& step : steps) {
        grid->NarrowDown(step.Text, 1);
        EXPECT_EQ(Shown(), step.Shown) << "after " << step.Text;
    }
    EXPECT_EQ(grid->FilterLevel(), 0);
    grid->NarrowDown("A", -1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"apple", "about", "banana"}));
}

TEST_F(RowFilterTest, DropDownListChoiceSetsAndClearsTheColumnCondition)
{
    Fill({"New York", "Paris", "Paris"});
    grid->FilterDropDownAuto = true;
    int done = 0;
    grid->OnFilterDone = [&](TObject*) { ++done; };
    // Entries: (All), New York=\"New York\", Paris.
    grid->FilterCol = 1;
    grid->FilterListSelect(1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"New York"}));
    EXPECT_EQ(grid->Filter()->ColumnFilter(1).Condition, "\"New York\"");
    EXPECT_EQ(grid->FilterCol, -1);
    grid->FilterCol = 1;
    grid->FilterListSelect(0);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"New York", "Paris", "Paris"}));
    EXPECT_FALSE(grid->Filter()->HasFilter(1));
    EXPECT_EQ(done, 2);
    grid->FilterCol = 1;
    grid->FilterListSelect(7);
    EXPECT_EQ(grid->FilterCol, -1);
    EXPECT_EQ(done, 2);
}

TEST_F(RowFilterTest, DropDownChecksKeepEitherValueAndDropOtherConditions)
{
    Fill({"a", "b", "c"}, {"x", "x", "y"});
    grid->FilterDropDownAuto = true;
    AddCondition(2, "x");
    grid->FilterCol = 1;
    grid->FilterCheckListDone({false, true, false, true});
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a", "c"}));
    EXPECT_FALSE(grid->Filter()->HasFilter(2));
    grid->AutoFilterUpdate = false;
    grid->FilterCheckListDone({false, true, true, false});
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a", "c"})) << "an active filter stays as it is";
}

} // namespace
