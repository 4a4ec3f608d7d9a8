#include <gtest/gtest.h>

#include "GridOnForm.h"

namespace {

class TPaintProbeGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    int Drawn = 0;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override
    {
        ++Drawn;
        TExtStringGrid::DrawCell(ACol, ARow, ARect, AState);
    }
};

class ExtGridUpdateTest : public GridOnFormOf<TPaintProbeGrid> {
protected:
    int CellsDrawn()
    {
        grid->Drawn = 0;
        TBitmap bitmap;
        bitmap.SetSize(grid->Width(), grid->Height());
        grid->PaintTo(bitmap.Canvas(), 0, 0);
        return grid->Drawn;
    }
};

TEST_F(ExtGridUpdateTest, LockNestsAndOnlyTheOutermostEndPaints)
{
    grid->BeginUpdate();
    grid->BeginUpdate();
    grid->EndUpdate();
    EXPECT_TRUE(grid->LockUpdate());
    EXPECT_EQ(CellsDrawn(), 0);
    grid->EndUpdate();
    EXPECT_FALSE(grid->LockUpdate());
    EXPECT_GT(CellsDrawn(), 0);
    grid->EndUpdate();
    EXPECT_FALSE(grid->LockUpdate());
}

// A cell written under the lock is not repainted on its own; the grid repaints when the
// lock lets go, also where the scrolling paths lift it without a repaint of their own. A
// lift with nothing held back repaints nothing, so scrolling stays cheap.
TEST_F(ExtGridUpdateTest, CellsWrittenUnderTheLockArePaintedWhenItLetsGo)
{
    Application->ProcessMessages();
    grid->StartUpdate();
    grid->SetCells(1, 1, "held back");
    grid->Drawn = 0;
    Application->ProcessMessages();
    EXPECT_EQ(grid->Drawn, 0);
    grid->ResetUpdate();
    Application->ProcessMessages();
    EXPECT_GT(grid->Drawn, 0);

    grid->StartUpdate();
    grid->ResetUpdate();
    grid->Drawn = 0;
    Application->ProcessMessages();
    EXPECT_EQ(grid->Drawn, 0);
}

TEST_F(ExtGridUpdateTest, VisibilityChangesInsideTheLockDoNotStrandIt)
{
    const struct {
        const char* what;
        bool visibleAtBegin, visibleAtEnd;
    } cases[] = {
        {"hidden inside", true, false}, {"shown inside", false, true}, {"hidden throughout", false, false}};
    for (const auto& c : cases) {
        grid->SetVisible(c.visibleAtBegin);
        grid->SetLockUpdate(true);
        EXPECT_TRUE(grid->LockUpdate()) << c.what;
        grid->SetVisible(c.visibleAtEnd);
        grid->SetLockUpdate(false);
        EXPECT_FALSE(grid->LockUpdate()) << c.what;
    }
}

} // namespace
