#include <gtest/gtest.h>

#include "grid/foundation/painting/FocusGlow.h"
#include "grid/foundation/painting/OverlayWindows.h"
#include "platform/ui/BitmapBits.h"
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

TEST(OverlayWindowsTest, FocusWindowShowsTheGlowAsAPerPixelAlphaPicture)
{
    TForm form(nullptr);
    form.SetClientSize(120, 80);
    auto* focus = new TGridFocusWindow(&form);
    form.Show();
    // The glow of a 40 x 20 cell as the grid makes it.
    const int width = 40 + 9, height = 20 + 9;
    TBitmap mask, colour;
    MakeFocusMaskBitmap(mask, width, height, 4, 5, 3);
    colour.SetPixelFormat(pf24bit);
    colour.SetSize(width, height);
    colour.Canvas()->Brush()->SetColor(RGB(151, 211, 253));
    colour.Canvas()->FillRect(Rect(0, 0, width, height));
    TGridAlphaMask glow;
    glow.Opacity = 230;
    glow.MergeMask(mask, colour, clNone);

    const TPoint at{300, 200};
    const TSize size{width, height};
    const TBlendFunction blend{AC_SRC_OVER, 0, glow.Opacity, AC_SRC_ALPHA};
    ASSERT_TRUE(CallUpdateLayeredWindow(focus, &at, &size, &glow, nullptr, clNone, &blend, ULW_ALPHA));
    EXPECT_EQ(focus->Width(), width);
    EXPECT_EQ(focus->Height(), height);
    EXPECT_EQ(LayeredWindowAlpha(focus), 230);
    TBitmap shown;
    ASSERT_TRUE(LayeredWindowPicture(focus, shown));
    ASSERT_EQ(shown.Width(), width);
    // The window got the premultiplied pixels as they are: the soft edge has the colour
    // times its alpha.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(BitmapScanLine(shown, y)[x], BitmapScanLine(glow, y)[x]);
    const uint32_t edge = BitmapScanLine(shown, height / 2)[1];
    const uint32_t alpha = edge >> 24;
    EXPECT_GT(alpha, 0u);
    EXPECT_LT(alpha, 255u);
    EXPECT_EQ(edge >> 16 & 0xFF, (151 * alpha + 127) / 255); // red, premultiplied and rounded

    // The whole window fades with one alpha; colour keys are not offered.
    EXPECT_TRUE(CallSetLayeredWindowAttributes(focus, clNone, 128, LWA_ALPHA));
    EXPECT_EQ(LayeredWindowAlpha(focus), 128);
    EXPECT_FALSE(CallSetLayeredWindowAttributes(focus, clRed, 0, LWA_COLORKEY));
    // A plain child control is no layered window.
    auto* arrow = new TArrowWindow(&form, arrUp);
    EXPECT_FALSE(CallSetLayeredWindowAttributes(arrow, clNone, 128, LWA_ALPHA));
}

} // namespace
