#include <gtest/gtest.h>

#include "grid/foundation/OverlayWindows.h"
#include "platform/ui/Forms.h"

namespace {

TEST(OverlayWindowsTest, NewWindowsAreHiddenAndShapedForTheirJob)
{
    TForm form(nullptr);
    auto* up = new TArrowWindow(&form, arrUp);
    auto* left = new TArrowWindow(&form, arrLeft);
    auto* focus = new TGridFocusWindow(&form);
    for (TControl* c : std::initializer_list<TControl*>{up, left, focus}) {
        EXPECT_FALSE(c->Visible());
        EXPECT_EQ(c->Parent(), &form);
    }
    EXPECT_EQ(up->Color(), clLime);
    EXPECT_EQ(up->Dir(), arrUp);
    EXPECT_EQ(up->Width(), 11);
    EXPECT_EQ(up->Height(), 10);
    EXPECT_EQ(left->Width(), 9);
    EXPECT_EQ(left->Height(), 11);
    EXPECT_EQ(focus->Color(), clRed);
    EXPECT_FALSE(focus->Enabled());
    EXPECT_EQ(focus->Width(), 0);
}

TEST(OverlayWindowsTest, ArrowPaintsItselfInItsColour)
{
    TForm form(nullptr);
    form.SetClientSize(40, 40);
    auto* down = new TArrowWindow(&form, arrDown);
    down->SetBounds(5, 5, down->Width(), down->Height());
    down->Show();
    form.Show();
    TBitmap bitmap(40, 40);
    form.PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(bitmap.Canvas()->Pixels(5 + 5, 5 + 4), clLime);
}

} // namespace
