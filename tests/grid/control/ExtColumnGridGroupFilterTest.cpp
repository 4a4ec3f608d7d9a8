#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ColumnGridOnForm.h"
#include "grid/control/settings/Filter.h"
#include "grid/control/settings/SortSettings.h"

namespace {

// A title row, then rows of an id, a kind and an amount.
class ExtColumnGridGroupFilterTest : public ColumnGridOnForm {
protected:
    void SetUp() override
    {
        ColumnGridOnForm::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(5);
        const std::vector<std::vector<std::string>> rows = {
            {"", "id", "kind", "amount"}, {"", "1", "B", "7"}, {"", "2", "a", "5"}, {"", "3", "B", "10"},
            {"", "4", "A", "1"}};
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 4; ++c)
                grid->SetCells(c, r, rows[r][c]);
        grid->SortSettings()->Full = true;
        Describe(2, "kind", edComboList, taRightJustify);
        Describe(3, "amount", edSpinEdit, taCenter);
    }
    void Describe(int c, const std::string& Name, TEditorType Editor, TAlignment Alignment)
    {
        TGridColumnItem* item = grid->Columns()->Items(c);
        item->Name = Name;
        item->SetEditor(Editor);
        item->SetAlignment(Alignment);
    }
    // Name, editor and alignment of every item, as "name editor alignment|...".
    std::string Items() const
    {
        std::string joined;
        for (int i = 0; i < grid->Columns()->Count(); ++i) {
            const TGridColumnItem* item = grid->Columns()->Items(i);
            joined += (i ? "|" : "") + item->Name + " " + std::to_string(int(item->Editor())) + " " +
                      std::to_string(int(item->Alignment()));
        }
        return joined;
    }
    std::vector<std::string> Ids() const
    {
        std::vector<std::string> ids;
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            ids.push_back(grid->Cells(1, r));
        return ids;
    }
};

TEST_F(ExtColumnGridGroupFilterTest, AGroupedColumnComesBackWithItsSettings)
{
    const std::string before = Items();
    grid->Group(2);
    ASSERT_EQ(grid->GroupColumn, 2);
    EXPECT_EQ(grid->Columns()->Count(), 3);
    EXPECT_EQ(grid->Columns()->Items(2)->Name, "amount");
    grid->UnGroup();
    EXPECT_EQ(Items(), before);
    EXPECT_EQ(grid->Columns()->Items(2)->Header(), "kind");

    // Grouping on another column first gives the grouped one its settings back.
    grid->Group(2);
    grid->Group(2);
    EXPECT_EQ(grid->Columns()->Items(1)->Name, "");
    grid->UnGroup();
    EXPECT_EQ(Items(), before);
}

TEST_F(ExtColumnGridGroupFilterTest, UngroupingAnUngroupedGridChangesNoColumn)
{
    const std::string before = Items();
    grid->Group(2);
    grid->UnGroup();
    grid->Columns()->Items(2)->Name = "renamed";
    grid->UnGroup();
    EXPECT_EQ(grid->Columns()->Items(2)->Name, "renamed");
    EXPECT_NE(Items(), before);
}

TEST_F(ExtColumnGridGroupFilterTest, AFilterLineFiltersOnItsConditionWithTheColumnsCaseRule)
{
    TStringList lines;
    lines.Add("Big ones=B");
    lines.Add("A");
    grid->Columns()->Items(2)->SetFilter(lines);
    const struct {
        int line;
        bool caseSensitive;
        bool display;
        std::string friendlyName;
        std::string condition;
        std::vector<std::string> kept;
        std::string header;
    } cases[] = {
        {0, true, true, "Big ones", "B", {"1", "3"}, "Big ones"},
        {1, true, false, "A", "A", {"4"}, "kind"},
        {1, false, true, "A", "A", {"2", "4"}, "A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.condition);
        grid->SetFilterActive(false);
        grid->Columns()->Items(2)->SetHeader("kind");
        grid->Columns()->Items(2)->FilterCaseSensitive = c.caseSensitive;
        grid->AutoFilterDisplay = c.display;
        std::string firedName, firedCondition;
        grid->OnFilterSelect = [&](TObject*, int Column, int ItemIndex, const std::string& FriendlyName,
                                   std::string& Condition) {
            EXPECT_EQ(Column, 2);
            EXPECT_EQ(ItemIndex, c.line);
            firedName = FriendlyName;
            firedCondition = Condition;
        };
        grid->FilterCol = 2;
        grid->FilterListSelect(c.line);
        EXPECT_EQ(firedName, c.friendlyName);
        EXPECT_EQ(firedCondition, c.condition);
        EXPECT_EQ(grid->Filter()->ColumnFilter(2).CaseSensitive, c.caseSensitive);
        EXPECT_TRUE(grid->FilterActive());
        EXPECT_EQ(Ids(), c.kept);
        EXPECT_EQ(grid->Cells(2, 0), c.header);
        EXPECT_EQ(grid->Row(), 1);
        EXPECT_EQ(grid->FilterCol, -1);
    }
}

TEST_F(ExtColumnGridGroupFilterTest, APickOutsideTheColumnsFilterLinesFiltersNothing)
{
    TStringList lines;
    lines.Add("B");
    grid->Columns()->Items(2)->SetFilter(lines);
    bool fired = false;
    grid->OnFilterSelect = [&](TObject*, int, int, const std::string&, std::string&) { fired = true; };
    for (const auto& [column, line] : {std::pair{2, 1}, std::pair{2, -1}, std::pair{3, 0}, std::pair{9, 0}}) {
        grid->FilterCol = column;
        grid->FilterListSelect(line);
        EXPECT_EQ(grid->FilterCol, -1);
    }
    EXPECT_FALSE(fired);
    EXPECT_FALSE(grid->FilterActive());
    EXPECT_EQ(Ids(), (std::vector<std::string>{"1", "2", "3", "4"}));
}

// The condition the event gives back is the one the column filters on, by default without
// regard to case.
TEST_F(ExtColumnGridGroupFilterTest, TheSelectEventMayChangeTheCondition)
{
    TStringList lines;
    lines.Add("B");
    grid->Columns()->Items(2)->SetFilter(lines);
    grid->OnFilterSelect = [](TObject*, int, int, const std::string&, std::string& Condition) { Condition = "A"; };
    grid->FilterCol = 2;
    grid->FilterListSelect(0);
    EXPECT_EQ(Ids(), (std::vector<std::string>{"2", "4"}));
}

} // namespace
