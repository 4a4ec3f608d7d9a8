#include <gtest/gtest.h>

#include "platform/ui/Forms.h"

#include "grid/dropdown/ColorPalette.h"
#include "grid/dropdown/ColorPanels.h"

TEST(ColorCube, CellsAndHitTest)
{
    TExtColorCubePanel Cube(nullptr);
    EXPECT_EQ(Cube.Cell(1).Centre, (TPoint{55, 20}));
    EXPECT_EQ(Cube.Cell(64).Color, clWhite);
    EXPECT_EQ(Cube.Cell(127).Color, TColor(0x2100A5));
    EXPECT_EQ(Cube.Cell(71).Centre, (TPoint{25, 90}));
    // Midway between cells 1 and 2 the lower number wins.
    EXPECT_EQ(Cube.CellAtPos(61, 20), 1);
    EXPECT_EQ(Cube.CellAtPos(0, 0), -1);
    Cube.SetSelectedColor(clWhite);
    EXPECT_EQ(Cube.SelectedIndex(), 64);
    Cube.SetSelectedColor(0x123456);
    EXPECT_EQ(Cube.SelectedIndex(), -1);
    EXPECT_EQ(TExtColorCubePanel::RGBHint(Cube.Cell(1).Color), "Red: 0,  Green: 51,  Blue: 102");
}

TEST(ColorSpectrum, LayoutAndColours)
{
    TExtColorSpectrumPanel Spectrum(nullptr);
    EXPECT_EQ(Spectrum.ImageRect().Left, 11);
    EXPECT_EQ(Spectrum.SelectedPreview(), (TRect{10, 146, 73, 166}));
    EXPECT_EQ(Spectrum.HotPreview(), (TRect{77, 146, 140, 166}));
    EXPECT_EQ(Spectrum.HotColor(), clNone);
    EXPECT_EQ(TExtColorSpectrumPanel::SpectrumColor(0, 0), clWhite);
    EXPECT_EQ(TExtColorSpectrumPanel::SpectrumColor(60, 127), clBlack);
    EXPECT_EQ(GetRValue(TExtColorSpectrumPanel::SpectrumColor(0, 63)), 255);

    // The eyedropper: 32 by 32, picking with its lower-left tip, clear around the pipette.
    EXPECT_EQ(Spectrum.Cursor(), crEyedropper);
    TPoint HotSpot;
    const TBitmap* Eyedropper = Screen->CursorImage(crEyedropper, HotSpot);
    ASSERT_NE(Eyedropper, nullptr);
    EXPECT_EQ(HotSpot, (TPoint{1, 30}));
    EXPECT_EQ(Eyedropper->Width(), 32);
    EXPECT_TRUE(Eyedropper->Transparent());
    TBitmap Copy;
    Copy.Assign(*Eyedropper);
    EXPECT_EQ(Copy.Canvas()->Pixels(30, 30), Eyedropper->TransparentColor());
    EXPECT_NE(Copy.Canvas()->Pixels(1, 30), Eyedropper->TransparentColor());
}

TEST(ColorPalette, LayoutSelectionAndKeys)
{
    TCustomColorSelector Palette(nullptr);
    EXPECT_EQ(Palette.Width(), 100);
    EXPECT_EQ(Palette.Height(), 50);
    Palette.HandleKey(VK_DOWN, false, true);
    EXPECT_EQ(Palette.ItemIndex(), -1) << "no boxes: nothing moves";
    Palette.AddPaletteColors();
    Palette.LayoutItems();
    EXPECT_EQ(Palette.Width(), 165);
    EXPECT_EQ(Palette.Height(), 84);
    int Selected = 0;
    Palette.OnItemSelect = [&](TObject*) { ++Selected; };
    Palette.HandleKey(VK_UP, false, true);
    EXPECT_EQ(Palette.ItemIndex(), 0);
    Palette.SetItemIndex(3);
    Palette.HandleKey(VK_DOWN, false, true);
    EXPECT_EQ(Palette.ItemIndex(), 13);
    Palette.SetItemIndex(55);
    Palette.HandleKey(VK_DOWN, false, true);
    EXPECT_EQ(Palette.ItemIndex(), 55);
    Palette.SetSelectedColor(0x7F7F7F);
    EXPECT_EQ(Palette.ItemIndex(), 11);
    const int Before = Selected;
    Palette.SetSelectedColor(0x123456);
    EXPECT_EQ(Palette.ItemIndex(), -1);
    EXPECT_EQ(Selected, Before);
    // Rows of touching shades have no gap; a stand-alone row does.
    EXPECT_EQ(Palette.GetItemRect(10).Top - Palette.GetItemRect(0).Bottom, 4);
    EXPECT_EQ(Palette.GetItemRect(20).Top, Palette.GetItemRect(10).Bottom);
}
