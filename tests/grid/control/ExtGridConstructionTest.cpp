#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/settings/BackGround.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/CellNode.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/control/settings/DragScrollOptions.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"

namespace {

using ExtGridConstructionTest = GridOnForm;

TEST_F(ExtGridConstructionTest, NewGridHasTheDocumentedDefaults)
{
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->DefaultRowHeight(), 22);
    EXPECT_EQ(grid->FixedRowHeight(), 22);
    EXPECT_EQ(grid->RowHeights(5), 22);
    EXPECT_EQ(grid->DefaultColWidth(), 64);
    EXPECT_EQ(grid->FixedColWidth(), 64);
    EXPECT_EQ(grid->Width(), 400);
    EXPECT_EQ(grid->Height(), 250);
    EXPECT_EQ(grid->ScrollBars(), ssBoth);
    EXPECT_EQ(grid->Look(), glXP);
    EXPECT_EQ(grid->CheckTrue, "Y");
    EXPECT_EQ(grid->CheckFalse, "N");
    EXPECT_EQ(grid->FloatFormat, "%.2f");
    EXPECT_EQ(grid->PasswordChar, "*");
    EXPECT_EQ(grid->FilterDropDownClear, "(All)");
    EXPECT_EQ(grid->XMLEncoding, "ISO-8859-1");
    EXPECT_EQ(grid->Version(), "6.2.1.3");
    EXPECT_EQ(grid->GetVersionNr(), 0x06020103u);
    EXPECT_EQ(grid->GetVersionString(), "6.2.1.3 Sep, 2012");
    EXPECT_EQ(grid->GroupColumn, -1);
    EXPECT_EQ(grid->PreviewPage, 1);
    EXPECT_EQ(grid->NumHiddenColumns(), 0);
    EXPECT_EQ(grid->NumHiddenRows(), 0);
    EXPECT_EQ(grid->InvalidEntryIcon, ieWarning);
    EXPECT_EQ(grid->IntelliPan, ipVertical);
    EXPECT_EQ(grid->DefaultEditor, edNormal);
}

TEST_F(ExtGridConstructionTest, NewGridHasTheDocumentedColours)
{
    const struct {
        const char* name;
        TColor actual;
        TColor expected;
    } cases[] = {
        {"ActiveCellColor", grid->ActiveCellColor, clGray},
        {"ActiveCellColorTo", grid->ActiveCellColorTo, clNone},
        {"BorderColor", grid->BorderColor(), 0x00B99D7F},
        {"DisabledFontColor", grid->DisabledFontColor, clSilver},
        {"HighlightColor", grid->HighlightColor, clHighlight},
        {"HighlightTextColor", grid->HighlightTextColor, clHighlightText},
        {"HintColor", grid->HintColor, clInfoBk},
        {"SelectionColor", grid->SelectionColor, 0x00EACAB6},
        {"SelectionColorTo", grid->SelectionColorTo, clNone},
        {"SelectionMirrorColor", grid->SelectionMirrorColor, clNone},
        {"SelectionTextColor", grid->SelectionTextColor, clBlack},
        {"URLColor", grid->URLColor, clBlue},
        {"ScrollColor", grid->ScrollColor, clNone},
        {"SuiteGradientFrom", grid->SuiteGradientFrom, clWhite},
        {"SuiteGradientTo", grid->SuiteGradientTo, ColorToRGB(clBtnFace)},
        {"SuiteGradientMirrorTo", grid->SuiteGradientMirrorTo, clNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.name;
    EXPECT_EQ(grid->SelectionColorMixerFactor, 50);
}

TEST_F(ExtGridConstructionTest, FontsAndOwnedSettingsStartAsDocumented)
{
    EXPECT_EQ(grid->FixedFont()->Name(), "Tahoma");
    EXPECT_TRUE(grid->FixedFont()->Style().Contains(fsBold));
    EXPECT_TRUE(grid->ActiveCellFont()->Style().Contains(fsBold));
    EXPECT_TRUE(grid->RowIndicator()->Empty());

    EXPECT_EQ(grid->CellNode()->NodeType(), cnXP);
    EXPECT_EQ(grid->CellNode()->NodeIndent(), 12);
    EXPECT_EQ(grid->CellNode()->Color, 0x00C0C0C0);
    EXPECT_EQ(grid->CellNode()->TreeColor(), clGray);
    EXPECT_TRUE(grid->CellNode()->ShowTree());
    EXPECT_EQ(grid->ColumnSize()->StretchColumn, -1);
    EXPECT_EQ(grid->ColumnSize()->Location, clRegistry);
    EXPECT_EQ(grid->ColumnSize()->Rows, arAll);
    EXPECT_FALSE(grid->SizeWhileTyping()->Height);
    EXPECT_TRUE(grid->Navigation()->SkipDisabledRows);
    EXPECT_FALSE(grid->MouseActions()->DisjunctRowSelect());
}

TEST(ExtGridSettingsTest, NodeSettingsAssignCopiesValuesAndGlyphsAndIgnoresOthers)
{
    TCellNode source;
    source.SetNodeType(cnGlyph);
    source.SetNodeIndent(20);
    source.SetShowTreeFull(false);
    source.Color = clBlue;
    TBitmap glyph;
    glyph.SetSize(4, 3);
    source.SetExpandGlyph(glyph);

    TCellNode copy;
    int changes = 0;
    copy.OnChange = [&changes](TObject*) { ++changes; };
    copy.Assign(source);
    EXPECT_EQ(copy.NodeType(), cnGlyph);
    EXPECT_EQ(copy.NodeIndent(), 20);
    EXPECT_FALSE(copy.ShowTreeFull());
    EXPECT_EQ(copy.Color, clBlue);
    EXPECT_EQ(copy.ExpandGlyph()->Width(), 4);
    EXPECT_NE(copy.ExpandGlyph(), source.ExpandGlyph());

    TColumnSize other;
    copy.Assign(other);
    EXPECT_EQ(copy.NodeType(), cnGlyph);
}

TEST(ExtGridSettingsTest, NodeWritersReportOnlyRealChanges)
{
    TCellNode node;
    int changes = 0;
    node.OnChange = [&changes](TObject*) { ++changes; };
    node.SetNodeIndent(12);
    node.SetTreeColor(clGray);
    EXPECT_EQ(changes, 0);
    node.SetNodeIndent(14);
    node.SetShowTree(false);
    EXPECT_EQ(changes, 2);
}

TEST(ExtGridSettingsTest, ColumnSizeAssignCopiesAllNine)
{
    TColumnSize source;
    source.Save = true;
    source.Key = "grid.ini";
    source.Section = "Widths";
    source.SetStretch(true);
    source.StretchColumn = 3;
    source.SynchWithGrid = true;
    source.SynchNormalCellsOnly = true;
    source.Location = clIniFile;
    source.Rows = arFixed;
    TColumnSize copy;
    copy.Assign(source);
    EXPECT_TRUE(copy.Save && copy.Stretch() && copy.SynchWithGrid && copy.SynchNormalCellsOnly);
    EXPECT_EQ(copy.Key, "grid.ini");
    EXPECT_EQ(copy.Section, "Widths");
    EXPECT_EQ(copy.StretchColumn, 3);
    EXPECT_EQ(copy.Location, clIniFile);
    EXPECT_EQ(copy.Rows, arFixed);
}

TEST_F(ExtGridConstructionTest, SmallSettingsStartAsDocumented)
{
    EXPECT_FALSE(grid->Balloon()->Enable());
    EXPECT_EQ(grid->Balloon()->AutoHideDelay, -1);
    EXPECT_EQ(grid->Balloon()->BackgroundColor, clNone);
    EXPECT_FALSE(grid->ShowModified()->Enabled);
    EXPECT_EQ(grid->ShowModified()->Color(), clYellow);
    EXPECT_EQ(grid->DragScrollOptions()->Delays.InitialDelay, 1000);
    EXPECT_EQ(grid->DragScrollOptions()->Delays.RepeatDelay, 250);
    EXPECT_EQ(grid->DragScrollOptions()->Margins.RightMargin, 50);
    EXPECT_EQ(grid->BackGround()->Display(), bdTile);
    EXPECT_EQ(grid->BackGround()->Color(), clWindow);
    EXPECT_EQ(grid->BackGround()->ColorTo(), clBtnFace);
}

TEST(ExtGridSettingsTest, BalloonAssignKeepsTransparencyAndFiresNothing)
{
    TBalloonSettings source;
    source.Transparency = 200;
    source.InitialDelay = 300;
    source.TextColor = clRed;
    int fired = 0;
    source.OnEnableChange = [&fired](TObject*) { ++fired; };
    source.SetEnable(true);
    source.SetEnable(true);
    EXPECT_EQ(fired, 2);

    TBalloonSettings copy;
    int copyFired = 0;
    copy.OnEnableChange = [&copyFired](TObject*) { ++copyFired; };
    copy.Assign(source);
    EXPECT_TRUE(copy.Enable());
    EXPECT_EQ(copy.InitialDelay, 300);
    EXPECT_EQ(copy.TextColor, clRed);
    EXPECT_EQ(copy.Transparency, 0);
    EXPECT_EQ(copyFired, 0);
}

TEST(ExtGridSettingsTest, DragScrollAndModifiedMarkCopyFromTheirOwnKindOnly)
{
    TDragScrollOptions source;
    source.Active = true;
    source.Delays.RepeatDelay = 100;
    source.Margins.TopMargin = 7;
    TDragScrollOptions copy;
    copy.Assign(source);
    EXPECT_TRUE(copy.Active);
    EXPECT_EQ(copy.Delays.RepeatDelay, 100);
    EXPECT_EQ(copy.Margins.TopMargin, 7);

    TShowModified marks;
    marks.Assign(source);
    EXPECT_EQ(marks.Color(), clYellow);
    TShowModified other;
    other.Enabled = true;
    other.SetColor(clLime);
    marks.Assign(other);
    EXPECT_TRUE(marks.Enabled);
    EXPECT_EQ(marks.Color(), clLime);
}

} // namespace
