#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/ScrollControl.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/painting/ColorUtils.h"
#include "platform/os/Registry.h"
#include "platform/os/SystemProfile.h"

namespace {

using ExtGridStylesTest = GridOnForm;

// Colours a style leaves alone keep this value.
constexpr TColor kOld = clLime;

void PaintEverythingLime(TExtStringGrid& g)
{
    g.SuiteGradientFrom = g.SuiteGradientTo = g.SuiteGradientMirrorFrom = g.SuiteGradientMirrorTo = kOld;
    g.ActiveCellColor = g.ActiveCellColorTo = kOld;
    g.SetGridLineColor(kOld);
    g.SetGridFixedLineColor(kOld);
    g.SearchFooter()->SetColor(kOld);
    g.SearchFooter()->SetColorTo(kOld);
}

TEST_F(ExtGridStylesTest, EachStyleWritesItsColourSet)
{
    const TColor face = ColorToRGB(clBtnFace);
    const struct {
        TSuiteStyle style;
        TGridLook look;
        TColor from, to, mirrorFrom, mirrorTo;
        TColor active, activeTo;
        TColor selection, selectionTo, selectionText;
        TColor lines, fixedLines;
        TColor footer, footerTo;
    } cases[] = {
        {tsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE,
         clBlack, clSilver, clGray, 0xFCE1CB, clNone},
        {tsOffice2003Silver, glXP, 0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE,
         clBlack, clSilver, clGray, 0xECE2E1, clNone},
        {tsOffice2003Olive, glXP, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE,
         clBlack, clSilver, clGray, 0xCFF0EA, clNone},
        {tsOffice2003Classic, glXP, clWhite, 0xCCD4D8, clNone, clNone, 0xD8D5D4, 0xD8D5D4, clHighlight,
         clNone, clHighlightText, clSilver, clGray, clWhite, clNone},
        {tsOffice2007Luna, glOffice2007, 0xFBF9F6, 0xE8DBD2, clNone, clNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1,
         clNone, clBlack, 0xF1EDEB, 0xD1BBA4, 0xFBF9F6, clNone},
        {tsOffice2007Obsidian, glOffice2007, 0xF7F7F7, 0xDEDEDE, clNone, clNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1,
         clNone, clBlack, 0xE5D7D0, clGray, 0xF7F7F7, clNone},
        {tsWindowsXP, glXP, face, face, clNone, clNone, clBtnFace, clBtnFace, clHighlight, clNone,
         clHighlightText, clSilver, clGray, clBtnFace, clNone},
        {tsWhidbey, glXP, clWhite, face, clNone, clNone, 0x94E6FB, 0x1595EE, clHighlight, clNone,
         clHighlightText, clSilver, clGray, clWhite, clNone},
        {tsCustom, glXP, kOld, kOld, kOld, kOld, kOld, kOld, clHighlight, clNone, clHighlightText, kOld, kOld,
         kOld, kOld},
        // The look change clears the mirror colours, and the footer ends in the mirror colour.
        {tsOffice2007Silver, glOffice2007, 0xF3F3F1, 0xCAC9C8, clNone, clNone, 0x99CCFF, 0x699CFF, 0x95C7F5,
         clNone, clBlack, 0xE5D7D0, clGray, 0xF3F3F1, clNone},
        {tsWindowsVista, glVista, clWhite, clWhite, 0xFAF8F7, 0xF4F2F1, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, clNone,
         clBlack, 0xECECF0, 0xD4D2D1, clWhite, 0xF4F2F1},
        {tsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, clNone,
         clBlack, 0xECECF0, 0xD4D2D1, 0xFDFCFA, 0xF7E9DD},
        {tsOffice2010Blue, glOffice2007, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0x5BD5FF, 0x71EFFF, 0xFFDBB7,
         clNone, clBlack, clSilver, 0xC7B0A0, 0xF5E7DA, 0xF5E7DA},
        {tsOffice2010Silver, glOffice2007, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0x5BD5FF, 0x71EFFF,
         0xFFDBB7, clNone, clBlack, clSilver, 0xBAB5B1, 0xE8E3DF, 0xE8E3DF},
        {tsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF,
         0xFFDBB7, clNone, clBlack, clSilver, 0x444444, 0x6A6A6A, 0x6A6A6A},
    };
    for (const auto& c : cases) {
        auto* g = new TExtStringGrid(&form);
        g->SetParent(&form);
        PaintEverythingLime(*g);
        g->SetStyle(c.style);
        SCOPED_TRACE(c.style);
        EXPECT_EQ(g->Look(), c.look);
        EXPECT_EQ(g->SuiteGradientFrom, c.from);
        EXPECT_EQ(g->SuiteGradientTo, c.to);
        EXPECT_EQ(g->SuiteGradientMirrorFrom, c.mirrorFrom);
        EXPECT_EQ(g->SuiteGradientMirrorTo, c.mirrorTo);
        EXPECT_EQ(g->ActiveCellColor, c.active);
        EXPECT_EQ(g->ActiveCellColorTo, c.activeTo);
        EXPECT_EQ(g->SelectionColor, c.selection);
        EXPECT_EQ(g->SelectionColorTo, c.selectionTo);
        EXPECT_EQ(g->SelectionTextColor, c.selectionText);
        EXPECT_EQ(g->GridLineColor(), c.lines);
        EXPECT_EQ(g->GridFixedLineColor(), c.fixedLines);
        EXPECT_EQ(g->SearchFooter()->Color(), c.footer);
        EXPECT_EQ(g->SearchFooter()->ColorTo(), c.footerTo);
        delete g;
    }
}

TEST_F(ExtGridStylesTest, TheStyleOfTheLookRunsFirstAndIsOverwritten)
{
    grid->SetComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(grid->ComponentStyle(), tsOffice2007Obsidian);
    EXPECT_EQ(grid->SuiteGradientFrom, TColor(0xF7F7F7));
    // Hover, down and the selection style come from the Luna pass of the look change.
    EXPECT_EQ(grid->SelectionStyle(), ssOffice2007);
    EXPECT_EQ(grid->SuiteGradientHoverFrom, TColor(0xE4E2DF));
    EXPECT_EQ(grid->SuiteGradientHoverBorder, TColor(0xB79F87));
    EXPECT_EQ(grid->SuiteGradientDownBorder, TColor(0xE4C19D));
}

TEST_F(ExtGridStylesTest, StyledLooksPaintFixedCellsWithTheMirrorGradients)
{
    grid->SetStyle(tsWindowsVista);
    const TControlLook& look = *grid->ControlLook();
    EXPECT_EQ(look.FixedGradientFrom(), clNone);
    EXPECT_EQ(look.FixedGradientTo(), clNone);
    EXPECT_EQ(look.FixedGradientMirrorFrom(), TColor(0xFAF8F7));
    EXPECT_EQ(grid->SelectionStyle(), ssVista);
    // The hover border is the grid's own; the control look keeps its default.
    EXPECT_EQ(grid->SuiteGradientHoverBorder, TColor(0xE3C993));
    EXPECT_EQ(look.FixedGradientHoverBorder(), clSilver);
    EXPECT_EQ(grid->SuiteGradientDownBorder, TColor(0xAE904F));
    const TSortSettings& sort = *grid->SortSettings();
    EXPECT_EQ(sort.HeaderColor(), TColor(0xFCF9F2));
    EXPECT_EQ(sort.HeaderMirrorColorTo(), TColor(0xF6ECD8));
}

TEST_F(ExtGridStylesTest, TheCustomStyleOnlyRestoresTheStartingValues)
{
    grid->SetStyle(tsWindows7);
    grid->ControlLook()->SetFixedGradientHoverMirrorFrom(clRed);
    grid->SetStyle(tsCustom);
    EXPECT_EQ(grid->Look(), glWin7);
    EXPECT_EQ(grid->SelectionStyle(), ssDefault);
    EXPECT_EQ(grid->SelectionColor, clHighlight);
    EXPECT_EQ(grid->SortSettings()->HeaderColor(), clNone);
    EXPECT_EQ(grid->SuiteGradientHoverMirrorFrom, clNone);
    EXPECT_EQ(grid->SuiteGradientFrom, TColor(0xFDFCFA));
}

TEST_F(ExtGridStylesTest, ColourSchemesWriteGradientsActiveCellAndFooter)
{
    const struct {
        TXPColorScheme scheme;
        TColor from, to, mirrorFrom, active, activeTo, footer, footerTo, lookFrom;
    } cases[] = {
        {xpBlue, 0xFCE1CB, 0xE0A57D, clNone, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, 0xFCE1CB},
        {xpGreen, 0xCFF0EA, 0x8CC0B1, clNone, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA},
        {xpGray, 0xECE2E1, 0xB39698, clNone, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, 0xECE2E1},
        {vistaAero, clWhite, clWhite, 0xFAF8F7, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, clWhite},
        {xpNone, clWhite, clBtnFace, clNone, clWhite, 0xFFD9B3, clWhite, 0xFFD9B3, clNone},
    };
    for (const auto& c : cases) {
        grid->SetTheme(c.scheme);
        SCOPED_TRACE(c.scheme);
        EXPECT_EQ(grid->SuiteGradientFrom, c.from);
        EXPECT_EQ(grid->SuiteGradientTo, c.to);
        EXPECT_EQ(grid->SuiteGradientMirrorFrom, c.mirrorFrom);
        EXPECT_EQ(grid->ActiveCellColor, c.active);
        EXPECT_EQ(grid->ActiveCellColorTo, c.activeTo);
        EXPECT_EQ(grid->SearchFooter()->Color(), c.footer);
        EXPECT_EQ(grid->SearchFooter()->ColorTo(), c.footerTo);
        EXPECT_EQ(grid->ControlLook()->FixedGradientFrom(), c.lookFrom);
    }
}

TEST_F(ExtGridStylesTest, ColourTonesMakeAFlatMetroGrid)
{
    TColorTones tones;
    tones.Background = {0xFFFFFF, 0xDDDDDD, 0x202020};
    tones.Foreground = {0xF0E0D0, 0x808080, 0x101010};
    tones.Selected = {0x8040C0, 0x000000, 0xFFFFFF};
    grid->SetColorTones(tones);
    EXPECT_EQ(grid->Look(), glClassic);
    EXPECT_TRUE(grid->Flat);
    EXPECT_EQ(grid->ScrollType, ssMetro);
    EXPECT_NE(grid->VertScrollControl(), nullptr);
    EXPECT_EQ(grid->ScrollBars(), ssNone);
    EXPECT_EQ(grid->FixedColor(), TColor(0xF0E0D0));
    EXPECT_EQ(grid->FixedFont()->Color(), TColor(0x101010));
    EXPECT_EQ(grid->Color(), TColor(0xFFFFFF));
    EXPECT_EQ(grid->SelectionColor, TColor(0x8040C0));
    EXPECT_EQ(grid->SelectionTextColor, TColor(0xFFFFFF));
    EXPECT_EQ(grid->GridFixedLineColor(), LightenColorPercent(0xF0E0D0, -20));
    EXPECT_EQ(grid->BorderStyle(), bsNone);
    EXPECT_EQ(grid->ControlLook()->ControlStyle(), TControlLook::csGlyph);
    EXPECT_EQ(grid->ControlLook()->CheckedGlyph()->Width(), 16);
    EXPECT_TRUE(grid->ControlLook()->FlatButton());
    EXPECT_EQ(grid->SearchFooter()->ColorTo(), TColor(0xF0E0D0));

    // Any named style takes the grid back to normal scroll bars.
    grid->SetComponentStyle(tsWindows7);
    EXPECT_EQ(grid->ScrollType, ssNormal);
    EXPECT_EQ(grid->VertScrollControl(), nullptr);
    EXPECT_EQ(grid->ScrollBars(), ssBoth);
}

// The desktop's Office theme comes from a registry of the test's own.
class FollowOfficeThemeTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        savedStore_ = RegistryStore();
        savedProfile_ = SystemProfile();
        SetRegistryStore(store_);
        SystemProfile().ThemeActive = false;
    }
    void TearDown() override
    {
        SetRegistryStore(savedStore_);
        SystemProfile() = savedProfile_;
    }
    void Office2010Theme(int Theme)
    {
        const char* key = "Software\\Microsoft\\Office\\14.0\\Common";
        store_->WriteValue(HKEY_CURRENT_USER, key, "Theme", Theme);
        store_->CreateKey(HKEY_CURRENT_USER, std::string(key) + "\\General");
    }

    std::shared_ptr<TRegistryStore> store_ = std::make_shared<TRegistryStore>();

private:
    std::shared_ptr<TRegistryStore> savedStore_;
    TSystemProfile savedProfile_;
};

TEST_F(FollowOfficeThemeTest, AppliesAChangedSchemeOnce)
{
    Office2010Theme(3);
    grid->FollowOfficeTheme(); // only with AutoThemeAdapt
    EXPECT_EQ(grid->Look(), glXP);

    grid->SetAutoThemeAdapt(true);
    EXPECT_EQ(grid->ComponentStyle(), tsOffice2010Black);
    EXPECT_EQ(grid->SuiteGradientFrom, TColor(0x6A6A6A));

    grid->SuiteGradientFrom = clLime;
    grid->FollowOfficeTheme();
    EXPECT_EQ(grid->SuiteGradientFrom, clLime);

    Office2010Theme(2);
    grid->FollowOfficeTheme();
    EXPECT_EQ(grid->ComponentStyle(), tsOffice2010Silver);
    EXPECT_EQ(grid->SuiteGradientFrom, TColor(0xE8E3DF));
}

} // namespace
