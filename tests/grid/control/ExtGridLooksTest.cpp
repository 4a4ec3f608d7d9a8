#include <gtest/gtest.h>

#include "GridOnForm.h"
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
        {glVista, clLime, clLime, clLime, clRed, clLime, ssVista},
        {glWin7, clLime, clLime, clLime, clRed, clLime, ssWin7},
        {glOffice2007, clLime, clLime, clLime, clRed, clLime, ssOffice2007},
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
