#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/control/settings/Filter.h"
#include "grid/control/settings/FilterDropDown.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/HTMLSettings.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/control/settings/ProgressAppearance.h"
#include "grid/control/settings/SortSettings.h"

namespace {

using ExtGridOwnedSettingsTest = GridOnForm;

TEST_F(ExtGridOwnedSettingsTest, NewGridOwnsEverySettingsObjectWithItsDefaults)
{
    EXPECT_EQ(grid->SortSettings()->Column, -1);
    EXPECT_EQ(grid->Filter()->Count(), 0);
    EXPECT_EQ(grid->FilterDropDown()->Width, 150);
    EXPECT_EQ(grid->Grouping()->HeaderLineWidth, 2);
    EXPECT_EQ(grid->HTMLSettings()->Width, 100);
    EXPECT_EQ(grid->PrintSettings()->PageNumSep, "/");
    EXPECT_TRUE(grid->DragDropSettings()->ShowCells);
    EXPECT_EQ(grid->ControlLook()->ControlStyle(), TControlLook::csTheme);
    EXPECT_EQ(grid->ProgressAppearance()->Steps(), 11);
    // The floating footer is as high as a row.
    EXPECT_EQ(grid->FloatingFooter()->Height(), grid->DefaultRowHeight());
    EXPECT_EQ(grid->SuiteGradientHoverMirrorFrom, clNone);
    EXPECT_EQ(grid->SuiteGradientDownMirrorTo, clNone);
}

TEST_F(ExtGridOwnedSettingsTest, ControlLookGradientsReachTheGridAsTheLookDecides)
{
    TControlLook& look = *grid->ControlLook();
    const TColor from = grid->SuiteGradientFrom;
    look.SetFixedGradientFrom(clNone);
    EXPECT_EQ(grid->SuiteGradientFrom, from);
    look.SetFixedGradientMirrorFrom(clRed);
    look.SetFixedGradientMirrorFrom(clNone);
    EXPECT_EQ(grid->SuiteGradientMirrorFrom, clNone);
    look.SetFixedGradientTo(clBtnFace);
    EXPECT_EQ(grid->SuiteGradientTo, ColorToRGB(clBtnFace));
    look.SetFixedGradientHoverBorder(clLime);
    look.SetFixedGradientDownFrom(clRed);
    EXPECT_EQ(grid->SuiteGradientHoverBorder, clLime);
    EXPECT_EQ(grid->SuiteGradientDownFrom, clRed);
}

TEST_F(ExtGridOwnedSettingsTest, SortRowFollowsTheGridsFixedRows)
{
    EXPECT_THROW(grid->SortSettings()->SetRow(1), EExtGridError);
    EXPECT_EQ(grid->SortSettings()->Row(), 0);
    grid->SetFixedRows(3);
    grid->SortSettings()->SetRow(2);
    EXPECT_EQ(grid->SortSettings()->Row(), 2);
}

TEST_F(ExtGridOwnedSettingsTest, VisibleFooterOfTheLastRowBecomesAFixedFooter)
{
    TFloatingFooter& footer = *grid->FloatingFooter();
    footer.SetVisible(true);
    EXPECT_EQ(grid->FixedFooters, 1);
    footer.SetVisible(false);
    EXPECT_EQ(grid->FixedFooters, 0);
    footer.SetFooterStyle(fsColumnPreview);
    footer.SetVisible(true);
    EXPECT_EQ(grid->FixedFooters, 0);
}

TEST_F(ExtGridOwnedSettingsTest, AssignCopiesTheSettingsObjectsTheGridCopies)
{
    auto* source = new TExtStringGrid(&form);
    source->FilterDropDown()->Width = 77;
    source->Grouping()->Summary = true;
    source->PrintSettings()->JobName = "Job";
    source->Filter()->ColumnFilter(2).Condition = "x";
    source->HTMLSettings()->BorderSize = 4;
    source->SortSettings()->Column = 3;
    source->DragDropSettings()->OleCopyAlways = true;
    source->ProgressAppearance()->SetSteps(4);
    // The control look and the floating footer are the grid's own.
    source->ControlLook()->SetCheckSize(30);
    source->FloatingFooter()->SetColumn(2);

    grid->Assign(*source);
    EXPECT_EQ(grid->FilterDropDown()->Width, 77);
    EXPECT_TRUE(grid->Grouping()->Summary);
    EXPECT_EQ(grid->PrintSettings()->JobName, "Job");
    ASSERT_EQ(grid->Filter()->Count(), 1);
    EXPECT_EQ(grid->Filter()->Items(0).Condition, "x");
    EXPECT_EQ(grid->HTMLSettings()->BorderSize, 4);
    EXPECT_EQ(grid->SortSettings()->Column, 3);
    EXPECT_TRUE(grid->DragDropSettings()->OleCopyAlways);
    EXPECT_EQ(grid->ProgressAppearance()->Steps(), 4);
    EXPECT_EQ(grid->ControlLook()->CheckSize(), 15);
    EXPECT_EQ(grid->FloatingFooter()->Column(), 0);
    EXPECT_NE(grid->Filter(), source->Filter());
}

} // namespace
