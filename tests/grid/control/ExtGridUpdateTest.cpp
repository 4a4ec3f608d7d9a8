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
