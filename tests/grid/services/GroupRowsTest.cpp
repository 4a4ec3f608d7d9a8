#include <gtest/gtest.h>

#include "../control/GridOnForm.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/Input.h"

namespace {

class GroupRowsTest : public GridOnForm {
protected:
    // A title row, then rows of an id, a group value and an amount.
    void FillBAB()
    {
        grid->SetColCount(4);
        grid->SetRowCount(4);
        grid->SetFixedRows(1);
        grid->SetFixedCols(1);
        const std::vector<std::vector<std::string>> rows = {
            {"", "id", "kind", "amount"}, {"", "1", "B", "7"}, {"", "2", "A", "5"}, {"", "3", "B", "10"}};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                grid->SetCells(c, r, rows[r][c]);
        grid->SetColWidths(2, 91);
        // The sort is not stable: rows of one group keep their order only by the columns after.
        grid->SortSettings()->Full = true;
    }
    std::vector<std::string> Column(int ACol)
    {
        std::vector<std::string> texts;
        for (int r = grid->FixedRows(); r < grid->RowCount(); ++r)
            texts.push_back(grid->Cells(ACol, r));
        return texts;
    }
    using Texts = std::vector<std::string>;
};

} // namespace

TEST_F(GroupRowsTest, GroupsSortedRunsUnderHeaders)
{
    FillBAB();
    grid->Group(2);
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(Column(1), (Texts{"A", "2", "B", "1", "3"}));
    EXPECT_TRUE(grid->IsNode(1));
    EXPECT_EQ(grid->GetNodeSpan(1), 2);
    EXPECT_TRUE(grid->IsNode(3));
    EXPECT_EQ(grid->GetNodeSpan(3), 3);
    EXPECT_EQ(grid->GroupColumn, 2);

    grid->GroupCount(2);
    EXPECT_EQ(grid->Cells(2, 1), "1");
    EXPECT_EQ(grid->Cells(2, 3), "2");
    grid->GroupSum(2);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 3), 17);
    // Header rows hold results, not data: they stay out of the column's statistics.
    EXPECT_DOUBLE_EQ(grid->ColumnSum(2, -1, -1), 22);
    EXPECT_DOUBLE_EQ(grid->ColumnMin(2, -1, -1), 5);
    EXPECT_DOUBLE_EQ(grid->ColumnAvg(2, -1, -1), 22.0 / 3);
}

TEST_F(GroupRowsTest, UnGroupGivesBackTheFlatTable)
{
    FillBAB();
    grid->Group(2);
    grid->UnGroup();
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Cells(2, 0), "kind");
    EXPECT_EQ(grid->ColWidths(2), 91);
    EXPECT_EQ(Column(2), (Texts{"A", "B", "B"}));
    EXPECT_EQ(Column(1), (Texts{"2", "1", "3"}));
    EXPECT_EQ(Column(3), (Texts{"5", "7", "10"}));
    EXPECT_FALSE(grid->IsNode(1));
    EXPECT_EQ(grid->GroupColumn, -1);

    // Column 0 never groups; -1 on an ungrouped grid changes nothing.
    grid->SetGroupColumn(0);
    grid->SetGroupColumn(-1);
    EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(GroupRowsTest, SummaryRowsTakeTheResults)
{
    FillBAB();
    grid->Grouping()->Summary = true;
    grid->Group(2);
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_TRUE(grid->IsSummary(3));
    EXPECT_TRUE(grid->IsSummary(7));
    grid->GroupSum(2);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 3), 5);
    EXPECT_DOUBLE_EQ(grid->Floats(2, 7), 17);
    EXPECT_EQ(grid->Cells(2, 1), "");

    // A collapsed group gets no result.
    grid->SetNodeState(1, true);
    grid->SetCells(2, 3, "");
    grid->GroupMax(2);
    EXPECT_EQ(grid->Cells(2, 3), "");

    grid->SetNodeState(1, false);
    grid->UnGroup();
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(Column(2), (Texts{"A", "B", "B"}));
}

TEST_F(GroupRowsTest, ColumnAndRowStatistics)
{
    grid->SetColCount(4);
    grid->SetRowCount(9);
    grid->SetFixedRows(1);
    const std::vector<std::string> values = {"2", "4", "4", "4", "5", "5", "7", "9"};
    for (int r = 1; r <= 8; ++r)
        grid->SetCells(1, r, values[static_cast<size_t>(r - 1)]);
    EXPECT_DOUBLE_EQ(grid->ColumnStdDev(1, 1, 8), 2);

    const std::vector<std::string> mixed = {"1", "2", "abc", ""};
    for (int r = 1; r <= 4; ++r)
        grid->SetCells(2, r, mixed[static_cast<size_t>(r - 1)]);
    EXPECT_DOUBLE_EQ(grid->ColumnSum(2, 1, 4), 3);
    EXPECT_DOUBLE_EQ(grid->ColumnAvg(2, 1, 4), 0.75);
    EXPECT_DOUBLE_EQ(grid->ColumnMin(2, 1, 4), 0);

    const std::vector<std::string> distinct = {"a", "A", "b", ""};
    for (int r = 1; r <= 4; ++r)
        grid->SetCells(3, r, distinct[static_cast<size_t>(r - 1)]);
    EXPECT_DOUBLE_EQ(grid->ColumnDistinct(3, 1, 4), 3);

    // Empty ranges give 0.
    EXPECT_DOUBLE_EQ(grid->ColumnMin(1, 5, 4), 0);
    EXPECT_DOUBLE_EQ(grid->ColumnMax(1, 5, 4), 0);
    EXPECT_DOUBLE_EQ(grid->ColumnAvg(1, 5, 4), 0);
    EXPECT_DOUBLE_EQ(grid->RowSum(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(grid->RowAvg(1, 3, 2), 0);

    grid->SetCells(1, 1, "1.5");
    grid->SetCells(2, 1, "x");
    grid->SetCells(3, 1, "2");
    EXPECT_DOUBLE_EQ(grid->RowSum(1, 1, 3), 3.5);
    EXPECT_DOUBLE_EQ(grid->RowMax(1, 1, 3), 2);
    EXPECT_DOUBLE_EQ(grid->RowMin(1, 1, 3), 0);

    grid->OnColumnCalc = [](TObject*, int ACol, int FromRow, int ToRow, double& Res) { Res = ACol + FromRow + ToRow; };
    EXPECT_DOUBLE_EQ(grid->ColumnCustomCalc(1, 2, 3), 6);
}

class SelectedTextTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(7);
        FillCoordinates();
    }
};

TEST_F(SelectedTextTest, RectangleRowsAndFixedCells)
{
    grid->SelectCells(1, 2, 2, 3);
    EXPECT_EQ(grid->SelectedText(), "1,2\t2,2\r\n1,3\t2,3");
    EXPECT_TRUE(grid->IsSelected(2, 3));
    EXPECT_FALSE(grid->IsSelected(3, 3));

    grid->SetOptions(grid->Options() + goRowSelect);
    grid->SelectCells(1, 2, 3, 2);
    EXPECT_FALSE(grid->IsSelected(0, 2)) << "a fixed cell is never selected";

    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetRowSelect(2, true);
    grid->SetRowSelect(5, true);
    EXPECT_EQ(grid->SelectedText(), "1,2\t2,2\t3,2\r\n1,5\t2,5\t3,5");
    EXPECT_TRUE(grid->IsSelected(1, 5));
    EXPECT_FALSE(grid->IsSelected(1, 4));
}

TEST_F(GroupRowsTest, MergedHeadersAndSummariesSplitAgain)
{
    FillBAB();
    grid->Grouping()->MergeHeader = true;
    grid->Grouping()->MergeSummary = true;
    grid->Grouping()->Summary = true;
    grid->Grouping()->HeaderColor = clYellow;
    grid->Group(2);
    EXPECT_TRUE(grid->IsBaseCell(1, 1));
    EXPECT_TRUE(grid->IsMergedNonBaseCell(2, 1));
    EXPECT_EQ(grid->Colors(1, 1), clYellow);
    EXPECT_TRUE(grid->IsMergedNonBaseCell(2, 3)) << "the summary row is one cell too";
    EXPECT_FALSE(grid->IsMergedNonBaseCell(2, 2));

    grid->UnGroup();
    EXPECT_EQ(grid->RowCount(), 4);
    for (int r = 0; r < grid->RowCount(); ++r)
        for (int c = 0; c < grid->ColCount(); ++c)
            EXPECT_FALSE(grid->IsMergedNonBaseCell(c, r)) << c << "," << r;
    EXPECT_EQ(Column(2), (Texts{"A", "B", "B"}));
    EXPECT_EQ(Column(3), (Texts{"5", "7", "10"}));
}

// Without summary rows a result goes to the header row, but never over the group value the
// header holds: not into a merged header (which is one cell with the value), not into the
// value's own column. UnGroup then gives every row back as it was.
TEST_F(GroupRowsTest, GroupResultsNeverTakeTheHeadersGroupValue)
{
    const struct {
        bool merge;
        int column;
        const char* header; // cell (2, 3) of the "B" header after the sum
    } cases[] = {{true, 2, ""}, {false, 1, ""}, {false, 2, "17.00"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.merge << " " << c.column);
        FillBAB();
        grid->Grouping()->MergeHeader = c.merge;
        grid->Group(2);
        grid->GroupSum(c.column);
        EXPECT_EQ(grid->GridCells(1, 3), "B");
        EXPECT_EQ(grid->GridCells(2, 3), c.header);
        grid->UnGroup();
        EXPECT_EQ(Column(2), (Texts{"A", "B", "B"}));
        EXPECT_EQ(Column(3), (Texts{"5", "7", "10"}));
        grid->Grouping()->MergeHeader = false;
    }
}

TEST_F(GroupRowsTest, SubGroupsSplitEachGroupAndComeBack)
{
    FillBAB();
    grid->SetCells(3, 3, "10");
    grid->SetRowCount(5);
    grid->SetCells(1, 4, "4");
    grid->SetCells(2, 4, "B");
    grid->SetCells(3, 4, "7");
    grid->Group(2);
    // Column 2 now holds the amounts: group A has 5, group B 7, 7, 10.
    EXPECT_EQ(Column(2), (Texts{"", "5", "", "7", "7", "10"}));
    grid->SubGroup(2);
    ASSERT_TRUE(grid->IsNode(2)) << "the subgroup of A";
    EXPECT_EQ(grid->GetNodeSpan(1), 3);
    ASSERT_TRUE(grid->IsNode(4)) << "group B";
    EXPECT_EQ(grid->GetNodeSpan(4), 6) << "its three rows and two subheaders";
    ASSERT_TRUE(grid->IsNode(5));
    EXPECT_EQ(grid->GetNodeSpan(5), 3);
    // The subheaders hold the values (in the last column, as there is none after it); the
    // data rows no longer do.
    EXPECT_EQ(Column(2), (Texts{"", "5", "", "", "7", "", "", "10", ""}));

    grid->SubUnGroup(2);
    EXPECT_EQ(grid->GetNodeSpan(3), 4);
    EXPECT_FALSE(grid->IsNode(4));
    EXPECT_EQ(Column(2), (Texts{"", "5", "", "7", "7", "10"}));
    grid->UnGroup();
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(Column(2), (Texts{"A", "B", "B", "B"}));
    EXPECT_EQ(Column(3), (Texts{"5", "7", "7", "10"}));
}

class SubGroupSummaryTest : public GroupRowsTest {
protected:
    // Groups A (5) and B (7, 7, 10) on the kind; the amounts then stand in column 2.
    void GroupFive(bool SummaryBeforeGroup)
    {
        FillBAB();
        grid->SetRowCount(5);
        grid->SetCells(1, 4, "4");
        grid->SetCells(2, 4, "B");
        grid->SetCells(3, 4, "7");
        grid->Grouping()->Summary = SummaryBeforeGroup;
        grid->Group(2);
        grid->Grouping()->Summary = true;
    }
    // The five rows as GroupFive found them, sorted on the kind, with no merges left.
    void ExpectFlatFive()
    {
        EXPECT_EQ(grid->RowCount(), 5);
        EXPECT_EQ(Column(2), (Texts{"A", "B", "B", "B"}));
        EXPECT_EQ(Column(3), (Texts{"5", "7", "7", "10"}));
        for (int r = 0; r < grid->RowCount(); ++r)
            for (int c = 0; c < grid->ColCount(); ++c)
                EXPECT_FALSE(grid->IsMergedNonBaseCell(c, r)) << c << "," << r;
    }
    std::vector<int> SummaryRows()
    {
        std::vector<int> rows;
        for (int r = 0; r < grid->RowCount(); ++r)
            if (grid->IsSummary(r)) rows.push_back(r);
        return rows;
    }
};

TEST_F(SubGroupSummaryTest, SubgroupsStopAtTheGroupsSummaryRows)
{
    GroupFive(true);
    grid->SubGroup(2);
    EXPECT_EQ(Column(2), (Texts{"", "5", "", "", "", "7", "", "", "10", "", ""}));
    EXPECT_EQ(SummaryRows(), (std::vector<int>{4, 11})) << "no summary rows between subgroups, none added";
    EXPECT_EQ(grid->GetNodeSpan(1), 3);
    EXPECT_EQ(grid->GetNodeSpan(2), 2);
    EXPECT_EQ(grid->GetNodeSpan(5), 6);
    EXPECT_EQ(grid->GetNodeSpan(6), 3);
    EXPECT_EQ(grid->GetNodeSpan(9), 2);

    grid->SubUnGroup(2);
    grid->UnGroup();
    ExpectFlatFive();
}

TEST_F(SubGroupSummaryTest, ClosingSummaryRowAfterTheLastSubgroup)
{
    GroupFive(false);
    grid->Grouping()->MergeSummary = true;
    grid->SubGroup(2);
    EXPECT_EQ(SummaryRows(), (std::vector<int>{10}));
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(grid->GetNodeSpan(4), 6) << "the summary row closes the grid, not group B";
    EXPECT_TRUE(grid->IsMergedNonBaseCell(2, 10));

    grid->SubUnGroup(2);
    grid->UnGroup();
    ExpectFlatFive();
}

TEST_F(SubGroupSummaryTest, UnGroupTakesSubgroupsAlong)
{
    GroupFive(false);
    grid->Grouping()->Summary = false;
    grid->SubGroup(2);
    grid->UnGroup();
    ExpectFlatFive();
    for (int r = 0; r < grid->RowCount(); ++r)
        EXPECT_FALSE(grid->IsNode(r)) << r;

    // A grid that is not grouped has no groups to split.
    grid->SubGroup(2);
    EXPECT_EQ(grid->RowCount(), 5);
}

TEST_F(GroupRowsTest, HeadersShowTheirCountAndLines)
{
    FillBAB();
    grid->Grouping()->Summary = true;
    grid->Group(2);
    struct Case {
        std::string format;
        int row;
        std::string shown;
    };
    grid->Grouping()->ShowGroupCount = true;
    for (const Case& c : std::vector<Case>{{"", 1, "A (1)"}, {"", 4, "B (2)"}, {" [%d rows]", 4, "B [2 rows]"},
             {" %s", 4, "B (2)"}, {"", 2, "2"}}) {
        grid->Grouping()->GroupCountFormat = c.format;
        EXPECT_EQ(grid->Cells(1, c.row), c.shown) << c.format;
    }

    grid->Grouping()->HeaderUnderline = true;
    grid->Grouping()->SummaryLine = true;
    grid->Grouping()->SummaryLineColor = clRed;
    grid->Grouping()->SummaryLineWidth = 3;
    TPen pen;
    TCellBorders borders;
    grid->GetCellBorder(1, 1, &pen, borders);
    EXPECT_EQ(borders, TCellBorders{cbBottom});
    EXPECT_EQ(pen.Color(), clBlue);
    EXPECT_EQ(pen.Width(), 2);
    borders = {};
    grid->GetCellBorder(2, 3, &pen, borders);
    EXPECT_EQ(borders, TCellBorders{cbTop});
    EXPECT_EQ(pen.Color(), clRed);
    EXPECT_EQ(pen.Width(), 3);
    borders = {};
    grid->GetCellBorder(0, 1, &pen, borders);
    grid->GetCellBorder(1, 2, &pen, borders);
    EXPECT_TRUE(borders.Empty()) << "the node column and data rows keep their borders";

    grid->SetBorderStyle(bsNone);
    grid->SetSelection(TGridRect{-1, -1, -1, -1});
    TBitmap shot(grid->Width(), grid->Height());
    grid->PaintTo(shot.Canvas(), 0, 0);
    const auto pixelsOf = [&shot](TColor Color, const TRect& R) {
        int count = 0;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                count += shot.Canvas()->Pixels(x, y) == Color;
        return count;
    };
    const TRect header = grid->CellRect(2, 1);
    EXPECT_GT(pixelsOf(clBlue, TRect{header.Left, header.Bottom - 3, header.Right, header.Bottom + 2}), 0)
        << "the header row is underlined when painted";
    const TRect data = grid->CellRect(2, 2);
    EXPECT_EQ(pixelsOf(clBlue, TRect{data.Left, data.Top + 3, data.Right, data.Bottom - 3}), 0);

    // The count is only shown: the groups' values come back without it.
    grid->UnGroup();
    EXPECT_EQ(Column(2), (Texts{"A", "B", "B"}));
    grid->Group(2);
    EXPECT_EQ(grid->Cells(1, 4), "B (2)") << "the groups are made from the stored values";
}

TEST_F(GroupRowsTest, ClickOnAnExpandedHeaderSelectsItsGroup)
{
    FillBAB();
    grid->SetBounds(0, 0, 400, 200);
    grid->Group(2);
    grid->Grouping()->AutoSelectGroup = true;
    const TRect header = grid->CellRect(2, 3);
    SendClick(grid, (header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2);
    const TGridRect selection = grid->Selection();
    EXPECT_EQ(selection, (TGridRect{1, 3, 2, 5}));

    grid->SetNodeState(1, true);
    grid->MouseActions()->SetDisjunctRowSelect(true);
    const TRect collapsed = grid->CellRect(2, 1);
    SendClick(grid, (collapsed.Left + collapsed.Right) / 2, (collapsed.Top + collapsed.Bottom) / 2);
    EXPECT_FALSE(grid->RowSelect(2)) << "a collapsed group's rows are not selected";

    const TRect expanded = grid->CellRect(2, 2);
    SendClick(grid, (expanded.Left + expanded.Right) / 2, (expanded.Top + expanded.Bottom) / 2);
    EXPECT_TRUE(grid->RowSelect(4)) << "group B's rows join the row selection by their real indexes";
    EXPECT_TRUE(grid->RowSelect(5));
}

namespace {

class TNotingGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    void ExportNotification(int AState, int ARow) const override { notes.push_back({AState, ARow}); }
    mutable std::vector<std::pair<int, int>> notes;
};

using CalculationNoticeTest = GridOnFormOf<TNotingGrid>;

} // namespace

TEST_F(CalculationNoticeTest, ColumnCalculationsReportTheirRows)
{
    grid->SetColCount(2);
    grid->SetRowCount(5);
    grid->SetFixedRows(1);
    const std::vector<std::string> values = {"1", "2", "x", "1.2.3"};
    for (int r = 1; r <= 4; ++r)
        grid->SetCells(1, r, values[static_cast<size_t>(r - 1)]);
    using Notes = std::vector<std::pair<int, int>>;
    EXPECT_DOUBLE_EQ(grid->ColumnSum(1, 1, 3), 3);
    EXPECT_EQ(grid->notes, (Notes{{0, 1}, {5, 1}, {5, 2}, {5, 3}, {2, -1}}));
    grid->notes.clear();
    EXPECT_DOUBLE_EQ(grid->ColumnDistinct(1, -1, -1), 4);
    EXPECT_EQ(grid->notes, (Notes{{0, 1}, {5, 1}, {5, 2}, {5, 3}, {5, 4}, {2, -1}}));
    grid->notes.clear();
    EXPECT_THROW(grid->ColumnStdDev(1, 1, 4), EExtGridError);
    EXPECT_EQ(grid->notes.back(), (std::pair<int, int>{5, 4})) << "the report ends where the reading raised";
}
