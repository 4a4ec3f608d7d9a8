#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/settings/SortSettings.h"
#include "platform/ui/Input.h"

// Header clicks that sort over several columns (IndexShow): the index key adds a column or
// turns its direction, a plain click sorts on the clicked column alone.

namespace {

class ExtGridHeaderSortTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 480, 280);
        FillPlain({{"", "name", "size"}, {"", "b", "2"}, {"", "a", "3"}, {"", "b", "1"}, {"", "a", "1"}, {"", "c", "0"}});
        grid->SetFixedRows(1);
        grid->SetFixedCols(1);
        grid->SortSettings()->SetShow(true);
        grid->SortSettings()->IndexShow = true;
    }
    void ClickHeader(int ACol, TShiftState Shift)
    {
        const TRect r = grid->CellRect(ACol, 0);
        SendClick(grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, mbLeft, Shift);
    }
    // "name size" of each row.
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int r = 1; r < grid->RowCount(); ++r)
            rows.push_back(grid->Cells(1, r) + " " + grid->Cells(2, r));
        return rows;
    }
};

TEST_F(ExtGridHeaderSortTest, TheIndexKeyAddsColumnsAndTurnsTheirDirection)
{
    const struct {
        int Col;
        TShiftState Shift;
        std::string Indexes;
        int SortColumn;
        std::vector<std::string> Rows; // empty: ties in an unstable order
    } clicks[] = {
        {1, {}, "u1", 1, {}},
        {2, {ssShift}, "u1;u2", 1, {"a 1", "a 3", "b 1", "b 2", "c 0"}},
        {2, {ssShift}, "u1;d2", 1, {"a 3", "a 1", "b 2", "b 1", "c 0"}},
        {1, {ssShift}, "d1;d2", 1, {"c 0", "b 2", "b 1", "a 3", "a 1"}},
        {2, {}, "u2", 2, {}},
        {2, {}, "d2", 2, {}},
    };
    int n = 0;
    for (const auto& c : clicks) {
        SCOPED_TRACE("click " + std::to_string(++n));
        ClickHeader(c.Col, c.Shift);
        EXPECT_EQ(grid->SortIndexes.SaveToString(), c.Indexes);
        EXPECT_EQ(grid->SortSettings()->Column, c.SortColumn);
        if (!c.Rows.empty()) {
            EXPECT_EQ(Rows(), c.Rows);
        }
    }
    EXPECT_EQ(grid->Cells(2, 1), "3");
    EXPECT_EQ(grid->Cells(2, 5), "0");
}

TEST_F(ExtGridHeaderSortTest, WithCtrlAsTheIndexKeyShiftStartsANewSort)
{
    grid->SortSettings()->IndexSortKey = ikCtrl;
    grid->SortSettings()->InitSortDirection = sdDescending;
    ClickHeader(1, {});
    ClickHeader(2, {ssShift});
    EXPECT_EQ(grid->SortIndexes.SaveToString(), "d2");
    ClickHeader(1, {ssCtrl});
    EXPECT_EQ(grid->SortIndexes.SaveToString(), "d2;d1");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"a 3", "b 2", "b 1", "a 1", "c 0"}));
}

TEST_F(ExtGridHeaderSortTest, TheSortIndexesFollowAMovedColumn)
{
    ClickHeader(1, {});
    ClickHeader(2, {ssShift});
    grid->MoveColumn(1, 2);
    EXPECT_EQ(grid->SortIndexes.SaveToString(), "u2;u1");
    EXPECT_EQ(grid->SortSettings()->Column, 2);
}

TEST_F(ExtGridHeaderSortTest, MergedColumnsMergeAgainAfterASortAndFollowTheirList)
{
    grid->SortSettings()->IndexShow = false;
    grid->SortSettings()->AutoColumnMerge = true;
    grid->MergedColumns.Add(1);
    EXPECT_FALSE(grid->IsMergedCell(1, 2)) << "b a b a c has no equal neighbours";
    ClickHeader(1, {});
    ASSERT_EQ(Rows()[0].substr(0, 1) + Rows()[2].substr(0, 1) + Rows()[4].substr(0, 1), "abc");
    EXPECT_EQ(grid->BaseCell(1, 2), (TPoint{1, 1}));
    EXPECT_EQ(grid->BaseCell(1, 4), (TPoint{1, 3}));
    EXPECT_FALSE(grid->IsMergedCell(1, 5));
    EXPECT_FALSE(grid->IsMergedCell(2, 2)) << "only listed columns merge";
    grid->MergedColumns.Delete(0);
    EXPECT_FALSE(grid->IsMergedCell(1, 2)) << "a column taken off the list is split";
}

} // namespace
