#include <gtest/gtest.h>

#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/painting/ColorUtils.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"

// A cell's own scroll bar: painted at the cell's right, shown over the cell under the mouse,
// and moving the cell's text when the user scrolls it.

namespace {

constexpr int kBarWidth = 17;

class ExtGridInCellScrollBarTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(4);
        grid->SetColWidths(1, 120);
        grid->SetRowHeights(1, 80);
        grid->AddScrollBar(1, 1, false);
        grid->SetScrollProp(1, 1, {20, 100});
        bitmap.SetSize(grid->Width(), grid->Height());
    }
    void PaintGrid() { grid->PaintTo(bitmap.Canvas(), 0, 0); }
    // The first row of the cell's text area (the bar left out) that holds a dark pixel.
    int FirstInkRow(int ACol, int ARow)
    {
        PaintGrid();
        const TRect r = grid->CellRect(ACol, ARow);
        for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
            for (int x = r.Left + 2; x < r.Right - kBarWidth - 2; ++x) {
                const TColor c = ColorToRGB(bitmap.Canvas()->Pixels(x, y));
                if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 0x60) return y;
            }
        return -1;
    }
    // How many pixels of the strip at the cell's right edge differ from the cell's colour.
    int ForeignPixelsAtRight(int ACol, int ARow)
    {
        PaintGrid();
        const TRect r = grid->CellRect(ACol, ARow);
        const TColor background = bitmap.Canvas()->Pixels(r.Left + 3, r.Bottom - 3);
        int foreign = 0;
        for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
            for (int x = r.Right - kBarWidth + 2; x < r.Right - 2; ++x)
                if (bitmap.Canvas()->Pixels(x, y) != background) ++foreign;
        return foreign;
    }
    TBitmap bitmap;
};

TEST_F(ExtGridInCellScrollBarTest, PaintsABarOnlyWhereThePageLeavesSomethingToScroll)
{
    EXPECT_GT(ForeignPixelsAtRight(1, 1), 50);
    grid->SetScrollProp(1, 1, {100, 100});
    EXPECT_EQ(ForeignPixelsAtRight(1, 1), 0);
    grid->SetScrollProp(1, 1, {20, 100});
    grid->RemoveScrollBar(1, 1);
    EXPECT_EQ(ForeignPixelsAtRight(1, 1), 0);
}

TEST_F(ExtGridInCellScrollBarTest, TheBarStandsOverTheCellUnderTheMouseOnly)
{
    const TRect cell = grid->CellRect(1, 1);
    SendMouseMove(grid, cell.Left + 5, cell.Top + 5);
    TScrollBar* bar = grid->CellScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Left(), cell.Right - kBarWidth - grid->GridLineWidth());
    EXPECT_EQ(bar->Top(), cell.Top + grid->GridLineWidth());
    EXPECT_EQ(bar->Height(), cell.Height() - 2 * grid->GridLineWidth());

    const TRect other = grid->CellRect(2, 2);
    SendMouseMove(grid, other.Left + 5, other.Top + 5);
    EXPECT_FALSE(bar->Visible());

    // A scroll moves the cell away from under the bar: the bar goes until the mouse comes back.
    grid->SetRowCount(40);
    SendMouseMove(grid, cell.Left + 5, cell.Top + 5);
    ASSERT_TRUE(bar->Visible());
    grid->SetTopRow(3);
    EXPECT_FALSE(bar->Visible());
}

TEST_F(ExtGridInCellScrollBarTest, ClicksOnTheBarMoveTheCellsPositionAndTellTheApplication)
{
    struct TScrolled {
        int Col, Row, Position, Min, Max;
    };
    std::vector<TScrolled> events;
    grid->OnScrollCell = [&](TObject*, int ACol, int ARow, int Position, int Min, int Max) {
        events.push_back({ACol, ARow, Position, Min, Max});
    };
    const TRect cell = grid->CellRect(1, 1);
    SendMouseMove(grid, cell.Left + 5, cell.Top + 5);
    TScrollBar* bar = grid->CellScrollBar();
    ASSERT_NE(bar, nullptr);

    // The arrow at the bottom steps by 10.
    SendClick(bar, kBarWidth / 2, bar->Height() - 4);
    EXPECT_EQ(grid->GetScrollPosition(1, 1), 10);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].Col, 1);
    EXPECT_EQ(events[0].Row, 1);
    EXPECT_EQ(events[0].Position, 10);
    EXPECT_EQ(events[0].Min, 0);
    EXPECT_EQ(events[0].Max, 100);

    // The trough below the thumb pages by 100, as far as the page allows.
    SendClick(bar, kBarWidth / 2, bar->Height() - 20);
    EXPECT_EQ(grid->GetScrollPosition(1, 1), 81);

    // At the end a further step changes nothing and tells nobody.
    SendClick(bar, kBarWidth / 2, bar->Height() - 4);
    EXPECT_EQ(grid->GetScrollPosition(1, 1), 81);
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(ExtGridInCellScrollBarTest, ScrollingMovesTheTextUpInsideTheCell)
{
    grid->SetCells(1, 1, "\nsecond\nthird");
    const int atStart = FirstInkRow(1, 1);
    ASSERT_GT(atStart, grid->CellRect(1, 1).Top + 10);
    grid->SetScrollPosition(1, 1, 10);
    EXPECT_EQ(FirstInkRow(1, 1), atStart - 10);
    // The text above the cell is cut at its top: the cell above stays blank.
    grid->SetScrollPosition(1, 1, 60);
    EXPECT_EQ(FirstInkRow(1, 0), -1);
}

TEST_F(ExtGridInCellScrollBarTest, ScrollMessagesOfTheGridItselfStillScrollTheRows)
{
    grid->SetRowCount(50);
    grid->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(grid->TopRow(), 2);
}

} // namespace
