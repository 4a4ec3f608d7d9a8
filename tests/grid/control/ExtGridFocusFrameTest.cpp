#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/foundation/painting/FocusHelper.h"
#include "platform/ui/LayeredWindow.h"

namespace {

using ExtGridFocusFrameTest = GridOnForm;

TEST_F(ExtGridFocusFrameTest, GlowIsNinePixelsLargerThanTheCellAndTranslucent)
{
    const TRect cell = grid->CellRect(2, 2);
    grid->ShowFocusWindow(cell);
    EXPECT_EQ(grid->FocusWindow(), nullptr) << "nothing without the focus helper";

    grid->FocusHelper()->Enabled = true;
    grid->ShowFocusWindow(cell);
    ASSERT_NE(grid->FocusWindow(), nullptr);
    EXPECT_TRUE(grid->FocusWindow()->Visible());
    EXPECT_EQ(grid->FocusWindow()->Width(), cell.Width() + 9);
    EXPECT_EQ(grid->FocusWindow()->Height(), cell.Height() + 9);
    TBitmap picture;
    ASSERT_TRUE(LayeredWindowPicture(grid->FocusWindow(), picture));
    EXPECT_EQ(picture.Width(), cell.Width() + 9);

    grid->HideFocusWindow();
    EXPECT_FALSE(grid->FocusWindow()->Visible());
}

TEST_F(ExtGridFocusFrameTest, FreeingAGlowingGridLeavesTheNextGlowWorking)
{
    auto* other = new TExtStringGrid(&form);
    other->SetParent(&form);
    other->FocusHelper()->Enabled = true;
    other->ShowFocusWindow(other->CellRect(1, 1));
    delete other;
    grid->FocusHelper()->Enabled = true;
    grid->ShowFocusWindow(grid->CellRect(1, 1));
    grid->MoveFocusWindow();
    EXPECT_TRUE(grid->FocusWindow()->Visible());
}

} // namespace
