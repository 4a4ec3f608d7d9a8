#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/GridPan.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/Input.h"
#include "platform/ui/Messages.h"

namespace {

TEST(GridPan, DirectionAndCursorFollowTheMouse)
{
    const TPoint start{100, 100};
    const struct {
        TPoint mouse;
        TIntelliPan pan;
        int v, h;
        TCursor cursor;
    } cases[] = {
        {{104, 95}, ipBoth, 0, 0, 8000},        {{100, 120}, ipBoth, 1, 0, 8001},
        {{80, 100}, ipBoth, 0, -1, 8002},       {{120, 100}, ipBoth, 0, 1, 8003},
        {{100, 80}, ipBoth, -1, 0, 8004},       {{120, 80}, ipBoth, -1, 1, 8005},
        {{80, 80}, ipBoth, -1, -1, 8006},       {{120, 120}, ipBoth, 1, 1, 8007},
        {{80, 120}, ipBoth, 1, -1, 8008},       {{150, 150}, ipVertical, 1, 0, 8001},
        {{150, 150}, ipHorizontal, 0, 1, 8003},
    };
    for (const auto& c : cases) {
        const TPanDirection d = PanDirection(start, c.mouse, c.pan);
        EXPECT_EQ(d.V, c.v) << c.mouse.X << "," << c.mouse.Y << " pan " << c.pan;
        EXPECT_EQ(d.H, c.h) << c.mouse.X << "," << c.mouse.Y << " pan " << c.pan;
        EXPECT_EQ(PanCursor(d), c.cursor) << c.mouse.X << "," << c.mouse.Y;
    }
}

class ExtGridPanTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 400, 200);
        grid->SetRowCount(40);
        grid->SetColCount(8);
        grid->MoveCurrentCell(3, 10);
    }
    void Tick() { grid->Perform(WM_TIMER, TExtStringGrid::PanTimerID, 0); }
};

TEST_F(ExtGridPanTest, AMiddlePressPansUntilTheNextPress)
{
    grid->IntelliPan = ipVertical;
    SendClick(grid, 100, 60, mbMiddle);
    ASSERT_TRUE(grid->Panning());
    EXPECT_EQ(grid->Cursor(), crPanNeutral);
    const int row = grid->Row(), col = grid->Col();
    SendMouseMove(grid, 160, 90);
    Tick();
    Tick();
    // Vertical panning never moves sideways.
    EXPECT_EQ(grid->Row(), row + 2);
    EXPECT_EQ(grid->Col(), col);
    EXPECT_EQ(grid->Cursor(), 8001);
    SendClick(grid, 160, 90, mbRight);
    EXPECT_FALSE(grid->Panning());
    EXPECT_EQ(grid->Cursor(), crDefault);
    Tick();
    EXPECT_EQ(grid->Row(), row + 2);
}

TEST_F(ExtGridPanTest, NoPanningWithIntelliPanOff)
{
    grid->IntelliPan = ipNone;
    SendClick(grid, 100, 60, mbMiddle);
    EXPECT_FALSE(grid->Panning());
}

TEST_F(ExtGridPanTest, PanningWithScrollingMovesTheView)
{
    grid->IntelliPan = ipBoth;
    grid->MouseActions()->SetWheelAction(waScroll);
    SendClick(grid, 100, 60, mbMiddle);
    SendMouseMove(grid, 100, 20);
    const int top = grid->TopRow();
    ASSERT_GT(top, 1);
    Tick();
    EXPECT_EQ(grid->TopRow(), top - 1);
    EXPECT_EQ(grid->Row(), 10);
    SendKey(VK_SHIFT, {}, grid);
    EXPECT_FALSE(grid->Panning());
}

} // namespace
