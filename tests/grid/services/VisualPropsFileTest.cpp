#include <gtest/gtest.h>

#include <string>

#include "../control/GridOnForm.h"
#include "grid/control/settings/BackGround.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/Grouping.h"
#include "grid/foundation/model/Bands.h"
#include "platform/rtl/Exceptions.h"
#include "support/TestFiles.h"

namespace {

class VisualPropsFileTest : public GridOnForm {
protected:
    TExtStringGrid* NewGrid()
    {
        auto* other = new TExtStringGrid(&form);
        other->SetParent(&form);
        return other;
    }
    TempDir dir;
};

TEST_F(VisualPropsFileTest, AFreshGridWritesEveryKeyInItsOrder)
{
    const std::string file = dir.File("look.txt");
    grid->SaveVisualProps(file);
    EXPECT_EQ(ReadTestFile(file),
              ReadTestFile(std::string(TEST_DATA_DIR) + "/services/golden/settings/visual_props_fresh.txt"));
}

TEST_F(VisualPropsFileTest, ChangedPropertiesComeBackInAnotherGrid)
{
    grid->SetColor(0x00123456);
    grid->SetSelectionColor(clRed);
    grid->SetURLShow(true);
    grid->Font()->SetStyle({fsBold, fsStrikeOut});
    grid->Font()->SetSize(13);
    grid->Font()->SetName("Courier New");
    grid->FixedFont()->SetStyle({});
    grid->Balloon()->Transparency = 40;
    grid->Bands()->SetActive(true);
    grid->ControlLook()->SetControlStyle(TControlLook::csFlat);
    grid->ControlLook()->SetFixedGradientTo(static_cast<TColor>(0xFF00000F));
    grid->SetLook(glSoft);
    // Chosen after the look: the look must not take it back on loading.
    grid->SetSelectionTextColor(clMaroon);
    grid->Grouping()->SummaryLineWidth = 5;
    grid->BackGround()->SetDisplay(bdGradientVert);
    grid->BackGround()->SetCells(bcAll);
    const std::string file = dir.File("look.txt");
    grid->SaveVisualProps(file);

    TExtStringGrid* other = NewGrid();
    other->LoadVisualProps(file);
    const std::string again = dir.File("again.txt");
    other->SaveVisualProps(again);
    EXPECT_EQ(ReadTestFile(again), ReadTestFile(file));
    EXPECT_EQ(other->Color(), 0x00123456u);
    EXPECT_EQ(other->Font()->Style(), (TFontStyles{fsBold, fsStrikeOut}));
    EXPECT_EQ(other->Font()->Name(), "Courier New");
    EXPECT_EQ(other->Look(), glSoft);
    EXPECT_EQ(other->SelectionTextColor, clMaroon);
    EXPECT_EQ(other->BackGround()->Cells(), bcAll);
    EXPECT_EQ(other->Grouping()->SummaryLineWidth, 5);
}

TEST_F(VisualPropsFileTest, ValuesAreReadLeniently)
{
    const std::string file = dir.File("hand.txt");
    // Keys in any case; an unknown enumeration name keeps the property; a missing colour is
    // no colour; a flag is true only for "true".
    WriteTestFile(file, "color=$00FF00FF\r\nURLShow=TRUE\r\nActiveRowShow=yes\r\nFont.Size=9\r\n"
                        "Font.Style=fsItalic,fsbold\r\nActiveCellFont.Size=8\r\nFixedFont.Size=8\r\n"
                        "Balloon.Transparency=0\r\nControlLook.CheckSize=15\r\nControlLook.RadioSize=10\r\n"
                        "ControlLook.ControlStyle=CSWINXP\r\nLook=glNoSuchLook\r\nGrouping.HeaderLineWidth=1\r\n"
                        "Grouping.SummaryLineWidth=1\r\nBackGround.Top=4\r\nBackGround.Left=-2\r\n"
                        "Balloon.BackgroundColor=clInfoBk\r\n");
    grid->SetLook(glXP);
    grid->SetActiveRowShow(true);
    grid->LoadVisualProps(file);
    EXPECT_EQ(grid->Color(), 0x00FF00FFu);
    EXPECT_TRUE(grid->URLShow);
    EXPECT_FALSE(grid->ActiveRowShow());
    EXPECT_EQ(grid->Font()->Style(), TFontStyles{fsItalic});
    EXPECT_EQ(grid->ControlLook()->ControlStyle(), TControlLook::csWinXP);
    EXPECT_EQ(grid->Look(), glXP);
    EXPECT_EQ(grid->SelectionColor, clNone);
    EXPECT_EQ(grid->Balloon()->BackgroundColor, clInfoBk);
    EXPECT_EQ(grid->BackGround()->Left(), -2);
}

TEST_F(VisualPropsFileTest, AMissingNumberStopsTheLoadAfterWhatCameBefore)
{
    const std::string file = dir.File("short.txt");
    WriteTestFile(file, "Color=clRed\r\nHintColor=$00010203\r\nURLShow=true\r\nFont.Color=clBlue\r\n");
    grid->Font()->SetColor(clBlack);
    EXPECT_THROW(grid->LoadVisualProps(file), EConvertError);
    EXPECT_EQ(grid->Color(), clRed);
    EXPECT_EQ(grid->HintColor, 0x00010203u);
    EXPECT_TRUE(grid->URLShow);
    EXPECT_EQ(grid->Font()->Color(), clBlue);

    WriteTestFile(file, "Color=notacolour\r\n");
    EXPECT_THROW(grid->LoadVisualProps(file), EConvertError);
}

TEST_F(VisualPropsFileTest, FilesThatCannotBeOpenedOrCreatedSaySo)
{
    const std::string missing = dir.File("none/look.txt");
    try {
        grid->LoadVisualProps(missing);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
    }
    try {
        grid->SaveVisualProps(missing);
        FAIL() << "no error";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot Create " + missing);
    }
}

} // namespace
