#include <gtest/gtest.h>

#include <vector>

#include "SettingsCase.h"
#include "grid/control/settings/BarAppearance.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/ProgressAppearance.h"

namespace {

TEST(ControlLookTest, StartsWithTheDocumentedLook)
{
    const TControlLook l;
    ExpectCases({
        {"CheckSize", l.CheckSize(), 15},
        {"RadioSize", l.RadioSize(), 10},
        {"ControlStyle", l.ControlStyle(), TControlLook::csTheme},
        {"Color", l.Color(), clBlack},
        {"CommentColor", l.CommentColor(), 0x0000FF},
        {"ProgressBorderColor", l.ProgressBorderColor, 0x808080},
        {"ProgressMarginX", l.ProgressMarginX(), 2},
        {"ProgressMarginY", l.ProgressMarginY(), 2},
        {"DropDownCount", l.DropDownCount, 8},
        {"HintMaxWidth", l.HintMaxWidth, 0},
        {"FlatButton", l.FlatButton(), false},
        {"FixedDropDownButton", l.FixedDropDownButton, false},
        {"FixedGradientFrom", l.FixedGradientFrom(), clNone},
        {"FixedGradientTo", l.FixedGradientTo(), clNone},
        {"FixedGradientMirrorFrom", l.FixedGradientMirrorFrom(), clNone},
        {"FixedGradientMirrorTo", l.FixedGradientMirrorTo(), clNone},
        {"FixedGradientHoverFrom", l.FixedGradientHoverFrom(), clGray},
        {"FixedGradientHoverTo", l.FixedGradientHoverTo(), clWhite},
        {"FixedGradientHoverMirrorFrom", l.FixedGradientHoverMirrorFrom(), clNone},
        {"FixedGradientHoverMirrorTo", l.FixedGradientHoverMirrorTo(), clNone},
        {"FixedGradientHoverBorder", l.FixedGradientHoverBorder(), clSilver},
        {"FixedGradientDownFrom", l.FixedGradientDownFrom(), clGray},
        {"FixedGradientDownTo", l.FixedGradientDownTo(), clSilver},
        {"FixedGradientDownMirrorFrom", l.FixedGradientDownMirrorFrom(), clNone},
        {"FixedGradientDownMirrorTo", l.FixedGradientDownMirrorTo(), clNone},
        {"FixedGradientDownBorder", l.FixedGradientDownBorder(), clGray},
        {"DropDownHeader height", l.DropDownHeader()->Height, 22},
        {"DropDownFooter size grip", l.DropDownFooter()->SizeGrip, true},
    });
    EXPECT_TRUE(l.CheckedGlyph()->Empty() && l.RadioOffGlyph()->Empty());
}

// The mirror colours always reach the grid; the others only when they are a colour.
TEST(ControlLookTest, GradientWritersHandTheGridOnlyRealColoursButAlwaysMirrors)
{
    const struct {
        TFixedGradient which;
        TColor value;
        bool handedOver;
    } cases[] = {
        {fgFrom, clNone, false},          {fgFrom, clRed, true},           {fgMirrorFrom, clNone, true},
        {fgHoverBorder, clNone, false},   {fgHoverMirrorTo, clNone, true}, {fgDownTo, clBtnFace, true},
        {fgDownMirrorFrom, clNone, true}, {fgDownBorder, clNone, false},
    };
    for (const auto& c : cases) {
        TControlLook l;
        std::vector<std::pair<TFixedGradient, TColor>> handed;
        l.OnFixedGradient = [&handed](TFixedGradient Which, TColor Value) {
            handed.emplace_back(Which, Value);
        };
        l.SetFixedGradient(c.which, c.value);
        EXPECT_EQ(l.FixedGradient(c.which), c.value) << c.which;
        const std::vector<std::pair<TFixedGradient, TColor>> expected =
            c.handedOver ? std::vector{std::make_pair(c.which, c.value)}
                         : std::vector<std::pair<TFixedGradient, TColor>>{};
        EXPECT_EQ(handed, expected) << c.which;
    }
}

TEST(ControlLookTest, InitHandsTheGridOnlyTheFourHoverAndDownMirrors)
{
    TControlLook l;
    l.SetFixedGradientHoverFrom(clRed);
    l.SetCommentColor(clNone);
    std::vector<TFixedGradient> handed;
    l.OnFixedGradient = [&handed](TFixedGradient Which, TColor) { handed.push_back(Which); };
    l.Init();
    EXPECT_EQ(handed, (std::vector<TFixedGradient>{fgHoverMirrorTo, fgHoverMirrorFrom, fgDownMirrorTo,
                                                   fgDownMirrorFrom}));
    EXPECT_EQ(l.FixedGradientHoverFrom(), clGray);
    EXPECT_EQ(l.CommentColor(), clRed);
}

TEST(ControlLookTest, DrawingWritersRepaintEvenWithTheSameValue)
{
    TControlLook l;
    int repaints = 0;
    l.OnChange = [&repaints](TObject*) { ++repaints; };
    l.SetCheckSize(15);
    l.SetControlStyle(TControlLook::csWinXP);
    l.SetRadioOnGlyph(TBitmap(4, 4));
    l.ProgressBorderColor = clRed;
    l.SetDropDownHeader(THeaderAppearance());
    EXPECT_EQ(repaints, 3);
}

TEST(ControlLookTest, AssignCopiesTheLookButNotTheFiveLocalFlags)
{
    TControlLook source;
    source.SetCheckSize(20);
    source.SetControlStyle(TControlLook::csGlyph);
    source.SetCheckedGlyph(TBitmap(7, 7));
    source.SetFixedGradientDownMirrorTo(clRed);
    source.SetFixedGradientFrom(clLime);
    source.SetSpinButtonsAlwaysVisible(true);
    source.CheckAlwaysActive = true;
    source.DropDownCount = 12;
    source.HintMaxWidth = 300;
    source.DropDownFooter()->Caption = "Total";
    source.SetFlatButton(true);
    source.SetProgressXP(true);
    source.SetNoDisabledButtonLook(true);
    source.FixedDropDownButton = true;

    TControlLook copy;
    int events = 0;
    copy.OnChange = [&events](TObject*) { ++events; };
    copy.OnFixedGradient = [&events](TFixedGradient, TColor) { ++events; };
    copy.Assign(source);
    ExpectCases({
        {"CheckSize", copy.CheckSize(), 20},
        {"ControlStyle", copy.ControlStyle(), TControlLook::csGlyph},
        {"CheckedGlyph", copy.CheckedGlyph()->Width(), 7},
        {"FixedGradientDownMirrorTo", copy.FixedGradientDownMirrorTo(), clRed},
        {"FixedGradientFrom", copy.FixedGradientFrom(), clLime},
        {"SpinButtonsAlwaysVisible", copy.SpinButtonsAlwaysVisible(), true},
        {"CheckAlwaysActive", copy.CheckAlwaysActive, true},
        {"DropDownCount", copy.DropDownCount, 12},
        {"HintMaxWidth", copy.HintMaxWidth, 300},
        {"FlatButton stays", copy.FlatButton(), false},
        {"ProgressXP stays", copy.ProgressXP(), false},
        {"NoDisabledButtonLook stays", copy.NoDisabledButtonLook(), false},
        {"FixedDropDownButton stays", copy.FixedDropDownButton, false},
        {"no repaint or grid update", events, 0},
    });
    EXPECT_EQ(copy.DropDownFooter()->Caption, "Total");
    EXPECT_NE(copy.DropDownFooter(), source.DropDownFooter());
}

TEST(ProgressAppearanceTest, DefaultsAndWritersThatReportOnlyChanges)
{
    TGridProgressAppearance p;
    ExpectCases({
        {"UnCompleteFontColor", p.UnCompleteFontColor(), clWindowText},
        {"CompleteColor", p.CompleteColor(), 0x0000FF},
        {"UnCompleteColor", p.UnCompleteColor(), clNone},
        {"CompleteFontColor", p.CompleteFontColor(), 0xFF0000},
        {"Stacked", p.Stacked(), false},
        {"ShowPercentage", p.ShowPercentage(), true},
        {"ShowBorder", p.ShowBorder(), false},
        {"CompletionSmooth", p.CompletionSmooth(), true},
        {"ShowGradient", p.ShowGradient(), true},
        {"Level2Perc", p.Level2Perc(), 90},
        {"Level1Perc", p.Level1Perc(), 70},
        {"Steps", p.Steps(), 11},
        {"Level0Color", p.Level0Color(), 0x00FF00},
        {"Level1Color", p.Level1Color(), 0x00FFFF},
        {"Level2Color", p.Level2Color(), 0x53A9FF},
        {"Level3Color", p.Level3Color(), 0x0000FF},
        {"Level0ColorTo", p.Level0ColorTo(), 0xE1FFE1},
        {"Level1ColorTo", p.Level1ColorTo(), 0xCAFFFF},
        {"Level2ColorTo", p.Level2ColorTo(), 0xA8D3FF},
        {"Level3ColorTo", p.Level3ColorTo(), 0xCACAFF},
        {"BorderColor", p.BorderColor(), clBlack},
        {"Style", p.Style(), psXP},
    });
    int changes = 0;
    p.OnChange = [&changes](TObject*) { ++changes; };
    p.SetSteps(11);
    p.SetStyle(psXP);
    EXPECT_EQ(changes, 0);
    p.SetSteps(20);
    p.SetStyle(psClassic);
    EXPECT_EQ(changes, 2);
}

TEST(ProgressAppearanceTest, AssignCopiesEveryValueWithOneChange)
{
    TGridProgressAppearance source;
    source.SetStacked(true);
    source.SetLevel1Perc(40);
    source.SetLevel3ColorTo(clSilver);
    source.SetUnCompleteColor(clWhite);
    source.SetStyle(psClassic);
    TGridProgressAppearance copy;
    int changes = 0;
    copy.OnChange = [&changes](TObject*) { ++changes; };
    copy.Assign(source);
    ExpectCases({
        {"Stacked", copy.Stacked(), true},
        {"Level1Perc", copy.Level1Perc(), 40},
        {"Level3ColorTo", copy.Level3ColorTo(), clSilver},
        {"UnCompleteColor", copy.UnCompleteColor(), clWhite},
        {"Style", copy.Style(), psClassic},
        {"changes", changes, 1},
    });
    copy.Assign(TGrouping());
    EXPECT_EQ(changes, 1);
}

TEST(FloatingFooterTest, DefaultsAndWhatEachWriterReports)
{
    TFloatingFooter f;
    ExpectCases({
        {"BorderColor", f.BorderColor(), clNone},
        {"CalculateHiddenRows", f.CalculateHiddenRows, true},
        {"Color", f.Color(), clBtnFace},
        {"Column", f.Column(), 0},
        {"FooterStyle", f.FooterStyle(), fsFixedLastRow},
        {"ShowHint", f.ShowHint(), false},
        {"Visible", f.Visible(), false},
        {"Height", f.Height(), 0},
        {"EnableCalculation", f.EnableCalculation, true},
    });
    EXPECT_TRUE(f.CustomTemplate().empty());

    std::vector<TFloatingFooterChange> changes;
    f.OnChange = [&changes](TFloatingFooter*, TFloatingFooterChange Change) { changes.push_back(Change); };
    f.SetBorderColor(clNone); // unchanged: nothing to repaint
    f.SetBorderColor(clRed);
    f.SetColumn(2);
    f.SetShowHint(true);
    f.SetVisible(true);
    f.SetFooterStyle(fsCustomPaint);
    f.SetHeight(22);
    EXPECT_EQ(changes, (std::vector<TFloatingFooterChange>{ffcLook, ffcLook, ffcShowHint, ffcVisible,
                                                           ffcStyle, ffcHeight}));
}

TEST(FloatingFooterTest, AssignShowsThroughTheWriterAndLeavesTheLocalValues)
{
    TFloatingFooter source;
    source.CalculateHiddenRows = false;
    source.SetColor(clRed);
    source.SetColumn(3);
    source.SetCustomTemplate("<b>[1]</b>");
    source.SetFooterStyle(fsCustomPreview);
    source.SetVisible(true);
    source.SetShowHint(true);
    source.SetBorderColor(clLime);
    source.SetHeight(30);
    source.EnableCalculation = false;

    TFloatingFooter copy;
    std::vector<TFloatingFooterChange> changes;
    copy.OnChange = [&changes](TFloatingFooter*, TFloatingFooterChange Change) { changes.push_back(Change); };
    copy.Assign(source);
    ExpectCases({
        {"CalculateHiddenRows", copy.CalculateHiddenRows, false},
        {"Color", copy.Color(), clRed},
        {"Column", copy.Column(), 3},
        {"FooterStyle", copy.FooterStyle(), fsCustomPreview},
        {"Visible", copy.Visible(), true},
        {"ShowHint", copy.ShowHint(), true},
        {"BorderColor stays", copy.BorderColor(), clNone},
        {"Height stays", copy.Height(), 0},
        {"EnableCalculation stays", copy.EnableCalculation, true},
    });
    EXPECT_EQ(copy.CustomTemplate(), "<b>[1]</b>");
    EXPECT_EQ(changes, std::vector<TFloatingFooterChange>{ffcVisible});
}

} // namespace
