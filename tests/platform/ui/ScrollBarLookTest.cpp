#include <gtest/gtest.h>

#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

namespace {

TEST(ScrollBarLook, FlatBarsTakeTheirWidthFromTheClientArea)
{
    TForm form(nullptr);
    form.SetClientSize(300, 200);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 100, 60);
    form.Show();
    panel->ShowScrollBar(SB_VERT, true);
    panel->ShowScrollBar(SB_HORZ, true);
    const struct {
        TWinControl::TScrollBarLook look;
        int width;
    } cases[] = {{TWinControl::sblFlat, 9}, {TWinControl::sblEncarta, 25}, {TWinControl::sblFlat, 17}};
    for (const auto& c : cases) {
        panel->SetScrollBarLook(c.look, clRed, c.width);
        EXPECT_EQ(panel->ClientWidth(), 100 - c.width);
        EXPECT_EQ(panel->ClientHeight(), 60 - c.width);
    }
    // Back to the style's bars: the width is the style's again, the bars still shown.
    panel->SetScrollBarLook(TWinControl::sblStandard, clNone, 5);
    EXPECT_NE(panel->ClientWidth(), 95);
    EXPECT_LT(panel->ClientWidth(), 100);
    EXPECT_TRUE(panel->ScrollBarShown(SB_VERT));
}

} // namespace
