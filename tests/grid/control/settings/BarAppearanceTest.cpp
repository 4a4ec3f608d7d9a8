#include <gtest/gtest.h>

#include "SettingsCase.h"
#include "grid/control/settings/BarAppearance.h"
#include "grid/control/settings/ButtonAppearance.h"
#include "platform/rtl/Exceptions.h"

namespace {

TEST(ButtonAppearanceTest, DefaultsAndChangesReportedOnlyWhenTheyDiffer)
{
    TExtButtonAppearance a;
    ExpectCases({
        {"BorderColor", a.BorderColor(), clNone},
        {"BorderColorHot", a.BorderColorHot(), 0x808080},
        {"BorderColorDown", a.BorderColorDown(), 0x800000},
        {"BorderColorDisabled", a.BorderColorDisabled(), 0x808080},
        {"BorderColorChecked", a.BorderColorChecked(), 0xFF0000},
        {"Color", a.Color(), clNone},
        {"ColorTo", a.ColorTo(), clNone},
        {"ColorDisabled", a.ColorDisabled(), 0xF2F2F2},
        {"ColorDisabledTo", a.ColorDisabledTo(), clNone},
        {"ColorDown", a.ColorDown(), 0xF5D8CA},
        {"ColorDownTo", a.ColorDownTo(), 0xF9BDA0},
        {"ColorHot", a.ColorHot(), 0xF5F0E1},
        {"ColorHotTo", a.ColorHotTo(), 0xF9D2B2},
        {"ColorChecked", a.ColorChecked(), 0xF5D8CA},
        {"ColorCheckedTo", a.ColorCheckedTo(), 0xF9BDA0},
        {"Gradient", a.Gradient(), gdVertical},
    });
    EXPECT_EQ(a.Font()->Name(), "Tahoma");

    int changes = 0;
    a.OnChange = [&changes](TObject*) { ++changes; };
    a.SetColorHot(0xF5F0E1);
    a.SetGradient(gdVertical);
    TFont font;
    font.SetName("Arial");
    a.SetFont(font);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(a.Font()->Name(), "Arial");
    a.SetColorHot(clRed);
    a.SetGradient(gdHorizontal);
    EXPECT_EQ(changes, 2);
}

TEST(ButtonAppearanceTest, AssignReportsEachChangedColourAndKeepsTheFont)
{
    TExtButtonAppearance source;
    source.SetColor(clRed);
    source.SetBorderColorChecked(clLime);
    source.SetGradient(gdHorizontal);
    source.Font()->SetName("Arial");
    TExtButtonAppearance copy;
    int changes = 0;
    copy.OnChange = [&changes](TObject*) { ++changes; };
    copy.Assign(source);
    ExpectCases({
        {"Color", copy.Color(), clRed},
        {"BorderColorChecked", copy.BorderColorChecked(), clLime},
        {"Gradient", copy.Gradient(), gdHorizontal},
        {"changes", changes, 3},
    });
    EXPECT_EQ(copy.Font()->Name(), "Tahoma");
    EXPECT_THROW(copy.Assign(THeaderAppearance()), EConvertError);
}

TEST(BarAppearanceTest, HeaderAndFooterStartAlike)
{
    const THeaderAppearance h;
    const TFooterAppearance f;
    ExpectCases({
        {"header Color", h.Color, clSilver},
        {"header ColorTo", h.ColorTo, clWhite},
        {"header GradientDirection", h.GradientDirection, gdVertical},
        {"header Visible", h.Visible(), true},
        {"header Height", h.Height, 22},
        {"header BorderColor", h.BorderColor, clBlack},
        {"header BorderWidth", h.BorderWidth, 1},
        {"header ImageIndex", h.ImageIndex, -1},
        {"header ButtonAlignment", h.ButtonAlignment, baRight},
        {"header Buttons", h.Buttons()->Count(), 0},
        {"footer Color", f.Color, clSilver},
        {"footer ColorTo", f.ColorTo, clWhite},
        {"footer Visible", f.Visible(), true},
        {"footer Height", f.Height, 22},
        {"footer BorderWidth", f.BorderWidth, 1},
        {"footer ImageIndex", f.ImageIndex, -1},
        {"footer ButtonAlignment", f.ButtonAlignment, baRight},
        {"footer SizeGrip", f.SizeGrip, true},
    });
    EXPECT_EQ(h.Font()->Name(), "Tahoma");
    EXPECT_TRUE(h.Caption.empty() && f.Caption.empty());
}

TEST(BarAppearanceTest, ButtonWritersTellTheBarExceptHeightAndImage)
{
    THeaderAppearance h;
    int visible = 0;
    int buttons = 0;
    h.OnChange = [&visible](TObject*) { ++visible; };
    h.OnButtonsChanged = [&buttons](TObject*) { ++buttons; };
    THeaderButton& b = h.Buttons()->Add();
    EXPECT_EQ(buttons, 1);
    ExpectCases({{"ImageIndex", b.ImageIndex, -1}, {"Enabled", b.Enabled(), true}, {"Width", b.Width(), 0}});
    b.SetCaption("&Ok");
    b.SetEnabled(false);
    b.SetWidth(40);
    b.SetCaption("&Ok");
    EXPECT_EQ(buttons, 4);
    b.SetHeight(20);
    b.ImageIndex = 3;
    EXPECT_EQ(buttons, 4);

    h.SetVisible(true);
    EXPECT_EQ(visible, 0);
    h.SetVisible(false);
    EXPECT_EQ(visible, 1);
    EXPECT_THROW(h.Buttons()->Items(1), EListError);
}

TEST(BarAppearanceTest, FooterAssignCopiesEverythingWithTheButtonsAsCopies)
{
    TFooterAppearance source;
    source.Color = clRed;
    source.Caption = "<b>Sum</b>";
    source.Font()->SetName("Arial");
    source.Height = 30;
    source.ImageIndex = 2;
    source.ButtonAlignment = baLeft;
    source.SizeGrip = false;
    source.SetVisible(false);
    TFooterButton& ok = source.Buttons()->Add();
    ok.SetCaption("OK");
    ok.ModalResult = mrOk;
    ok.SetHeight(18);
    source.Buttons()->Add().SetCaption("Cancel");

    TFooterAppearance copy;
    int visible = 0;
    int buttons = 0;
    copy.OnChange = [&visible](TObject*) { ++visible; };
    copy.OnButtonsChanged = [&buttons](TObject*) { ++buttons; };
    copy.Assign(source);
    ExpectCases({
        {"Color", copy.Color, clRed},
        {"Height", copy.Height, 30},
        {"ImageIndex", copy.ImageIndex, 2},
        {"ButtonAlignment", copy.ButtonAlignment, baLeft},
        {"SizeGrip", copy.SizeGrip, false},
        {"Visible", copy.Visible(), false},
        {"Visible reported", visible, 1},
        {"buttons reported once", buttons, 1},
        {"button count", copy.Buttons()->Count(), 2},
        {"ModalResult", copy.Buttons()->Items(0).ModalResult, mrOk},
        {"button Height", copy.Buttons()->Items(0).Height(), 18},
    });
    EXPECT_EQ(copy.Caption, "<b>Sum</b>");
    EXPECT_EQ(copy.Font()->Name(), "Arial");
    EXPECT_EQ(copy.Buttons()->Items(1).Caption(), "Cancel");
    EXPECT_NE(&copy.Buttons()->Items(0), &source.Buttons()->Items(0));

    // A copied button still tells its new bar.
    copy.Buttons()->Items(1).SetCaption("Close");
    EXPECT_EQ(buttons, 2);
}

TEST(BarAppearanceTest, AssignColorsCopiesOnlyTheColoursFontAndGradient)
{
    THeaderAppearance source;
    source.Color = clRed;
    source.ColorTo = clLime;
    source.BorderColor = clBlue;
    source.GradientDirection = gdHorizontal;
    source.Font()->SetName("Arial");
    source.Caption = "Title";
    source.Height = 40;
    THeaderAppearance copy;
    copy.AssignColors(source);
    ExpectCases({
        {"Color", copy.Color, clRed},
        {"ColorTo", copy.ColorTo, clLime},
        {"BorderColor", copy.BorderColor, clBlue},
        {"GradientDirection", copy.GradientDirection, gdHorizontal},
        {"Height stays", copy.Height, 22},
    });
    EXPECT_EQ(copy.Font()->Name(), "Arial");
    EXPECT_TRUE(copy.Caption.empty());
}

} // namespace
