#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/SearchFooter.h"

namespace {

using ExtGridLooksTest = GridOnForm;

TEST_F(ExtGridLooksTest, EachLookHasItsNameAndCaption)
{
    const struct {
        TGridLook look;
        const char* name;
        const char* caption;
    } cases[] = {{glStandard, "glStandard", "Standard"},
                 {glSoft, "glSoft", "Soft"},
                 {glClassic, "glClassic", "Classic"},
                 {glSuite, "glSuite", "Suite"},
                 {glXP, "glXP", "Windows XP"},
                 {glListView, "glListView", "ListView"},
                 {glVista, "glVista", "Windows Vista"},
                 {glWin7, "glWin7", "Windows 7"},
                 {glOffice2007, "glOffice2007", "Office2007"}};
    for (const auto& c : cases) {
        std::string name, caption;
        EXPECT_TRUE(TExtStringGrid::LookToString(c.look, name));
        EXPECT_TRUE(TExtStringGrid::LookToCaption(c.look, caption));
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(caption, c.caption);
    }
    std::string kept = "kept";
    EXPECT_FALSE(TExtStringGrid::LookToString(glCustom, kept));
    EXPECT_FALSE(TExtStringGrid::LookToCaption(glCustom, kept));
    EXPECT_EQ(kept, "kept");
}

TEST_F(ExtGridLooksTest, LooksSetTheirColours)
{
    const struct {
        TGridLook look;
        TColor selection, selectionText, activeCell, fixed, footer;
        TGridSelectionStyle style;
    } cases[] = {
        {glStandard, clHighlight, clHighlightText, clGray, clBtnFace, clBtnFace, ssDefault},
        {glClassic, clHighlight, clHighlightText, clGray, clBtnFace, clBtnFace, ssDefault},
        {glListView, clHighlight, clHighlightText, clGray, clRed, clBtnFace, ssDefault},
        {glXP, 0x00EACAB6, clBlack, 0x00EACAB6, clRed, clNone, ssDefault},
        {glSuite, 0x00EACAB6, clBlack, 0x00EACAB6, clRed, clNone, ssDefault},
        {glVista, 0xEACAB6, clBlack, 0xFDF8F1, clRed, clWhite, ssVista},
        {glWin7, 0xEACAB6, clBlack, 0xFCEBDC, clRed, 0xFDFCFA, ssWin7},
        {glOffice2007, 0x5EC1F1, clBlack, 0x9DD8F9, clRed, 0xFBF9F6, ssOffice2007},
        {glCustom, clLime, clLime, clLime, clRed, clLime, ssWin7},
    };
    for (const auto& c : cases) {
        grid->SetLook(c.look == glWin7 ? glVista : glWin7); // any other look first
        grid->SelectionColor = grid->SelectionTextColor = grid->ActiveCellColor = clLime;
        grid->SearchFooter()->SetColor(clLime);
        grid->SetFixedColor(clRed);
        grid->SetBorderStyle(bsNone);
        grid->SetLook(c.look);
        EXPECT_EQ(grid->Look(), c.look);
        EXPECT_EQ(grid->SelectionColor, c.selection) << c.look;
        EXPECT_EQ(grid->SelectionTextColor, c.selectionText) << c.look;
        EXPECT_EQ(grid->ActiveCellColor, c.activeCell) << c.look;
        EXPECT_EQ(grid->FixedColor(), c.fixed) << c.look;
        EXPECT_EQ(grid->SearchFooter()->Color(), c.footer) << c.look;
        EXPECT_EQ(grid->SelectionStyle(), c.style) << c.look;
        EXPECT_EQ(grid->BorderStyle(), bsSingle) << c.look;
        EXPECT_EQ(grid->BorderColor(), TColor(0x00B99D7F)) << c.look;
    }
}

// Every look but the custom one starts from cleared header gradients and sort colour; a
// styled look brings its component style, and the XP look its own header gradients.
TEST_F(ExtGridLooksTest, LooksClearTheHeaderGradientsAndBringTheirStyleOrGradients)
{
    TControlLook& control = *grid->ControlLook();
    const TSuiteStyle before = grid->ComponentStyle();
    const auto dirty = [&] {
        for (int g = fgFrom; g <= fgMirrorTo; ++g)
            control.SetFixedGradient(static_cast<TFixedGradient>(g), clLime);
        grid->SortSettings()->SetHeaderColor(clLime);
    };
    dirty();
    grid->SetLook(glCustom);
    EXPECT_EQ(control.FixedGradientMirrorTo(), clLime);
    EXPECT_EQ(grid->SortSettings()->HeaderColor(), clLime);
    EXPECT_EQ(grid->ComponentStyle(), before);

    grid->SetLook(glStandard);
    EXPECT_EQ(grid->SortSettings()->HeaderColor(), clNone);
    EXPECT_EQ(control.FixedGradientFrom(), clBtnFace);
    EXPECT_EQ(control.FixedGradientTo(), clNone);
    dirty();
    grid->SetLook(glXP);
    EXPECT_EQ(grid->SortSettings()->HeaderColor(), clNone);
    const struct {
        TFixedGradient which;
        TColor color;
    } xp[] = {{fgFrom, clWhite},           {fgTo, clBtnFace},           {fgMirrorFrom, clNone},
              {fgMirrorTo, clNone},        {fgHoverFrom, 0x00CFD0D1},   {fgHoverTo, 0x00BEC6C8},
              {fgHoverMirrorFrom, 0x00BEC6C8}, {fgHoverMirrorTo, 0x00ABBCBF}, {fgDownFrom, 0x00868788},
              {fgDownTo, 0x00737C7E},      {fgDownMirrorFrom, 0x00737C7E}, {fgDownMirrorTo, 0x00627376}};
    for (const auto& g : xp)
        EXPECT_EQ(control.FixedGradient(g.which), g.color) << g.which;

    const struct {
        TGridLook look;
        TSuiteStyle style;
    } styled[] = {{glVista, tsWindowsVista}, {glWin7, tsWindows7}, {glOffice2007, tsOffice2007Luna}};
    for (const auto& c : styled) {
        dirty();
        grid->SetLook(c.look);
        EXPECT_EQ(grid->ComponentStyle(), c.style) << c.look;
        EXPECT_EQ(grid->Look(), c.look);
        EXPECT_NE(grid->SortSettings()->HeaderColor(), clLime) << c.look; // the style may set its own
    }
}

TEST_F(ExtGridLooksTest, TheCurrentLookIsNotAppliedAgain)
{
    grid->SelectionColor = clLime;
    grid->SetLook(glXP);
    EXPECT_EQ(grid->SelectionColor, clLime);
    grid->SetLook(glStandard);
    grid->SetLook(glXP);
    EXPECT_EQ(grid->SelectionColor, TColor(0x00EACAB6));
}

// Rows below the normal row count show their display text.
TEST_F(ExtGridLooksTest, AddressesInPlainTextBecomeLinksOnlyWhenAskedFor)
{
    const char* text = "see www.vantrel.example or http://a.example";
    std::string shown = text;
    grid->GetDisplText(1, 1, shown);
    EXPECT_EQ(shown, text);
    grid->SetURLShowInText(true);
    grid->GetDisplText(1, 1, shown);
    EXPECT_EQ(shown, "see www.vantrel.example or <a href=\"http://a.example\">http://a.example</a>")
        << "the first prefix in order wins, not the first address in the text";
    shown = "mail to MAILTO:x@y.example";
    grid->GetDisplText(1, 1, shown);
    EXPECT_EQ(shown, "mail to <a href=\"MAILTO:x@y.example\">MAILTO:x@y.example</a>");
}

} // namespace
