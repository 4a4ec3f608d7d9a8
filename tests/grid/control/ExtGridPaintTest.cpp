#include <gtest/gtest.h>

#include <algorithm>

#include "GridOnForm.h"
#include "grid/foundation/painting/ColorUtils.h"

// The grid as the configurator's windows show it (glXP, bold headers, the selection
// colour), painted off screen and probed pixel by pixel.

namespace {

int Brightness(TColor Color)
{
    const TColor rgb = ColorToRGB(Color);
    return GetRValue(rgb) + GetGValue(rgb) + GetBValue(rgb);
}

class ExtGridPaintTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(5);
        grid->SetRowCount(6);
        bitmap.SetSize(grid->Width(), grid->Height());
    }
    void PaintGrid() { grid->PaintTo(bitmap.Canvas(), 0, 0); }
    TColor Pixel(int X, int Y) { return bitmap.Canvas()->Pixels(X, Y); }
    // The dark pixels of a cell's inner area (its lines and frame left out): its text.
    int InkPixels(int ACol, int ARow)
    {
        const TRect r = grid->CellRect(ACol, ARow);
        int ink = 0;
        for (int y = r.Top + 3; y < r.Bottom - 3; ++y)
            for (int x = r.Left + 3; x < r.Right - 3; ++x)
                if (Brightness(Pixel(x, y)) < 3 * 0x80) ++ink;
        return ink;
    }
    TColor Darkest(int ACol, int ARow)
    {
        const TRect r = grid->CellRect(ACol, ARow);
        TColor darkest = clWhite;
        for (int y = r.Top + 3; y < r.Bottom - 3; ++y)
            for (int x = r.Left + 3; x < r.Right - 3; ++x)
                if (Brightness(Pixel(x, y)) < Brightness(darkest)) darkest = Pixel(x, y);
        return darkest;
    }
    TBitmap bitmap;
};

TEST_F(ExtGridPaintTest, HeaderRunsFromWhiteToButtonFaceBetweenItsLightLines)
{
    // Without the control's frame, which covers the top row's first two pixel lines.
    grid->SetBorderStyle(bsNone);
    PaintGrid();
    const TRect r = grid->CellRect(2, 0);
    const int x = (r.Left + r.Right) / 2;
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(Pixel(x, r.Top), clWhite) << "white top line";
    EXPECT_EQ(Pixel(r.Left, (r.Top + r.Bottom) / 2), clWhite) << "white left line";
    EXPECT_EQ(Pixel(x, r.Bottom - 1), HalveColor(grid->FixedColor())) << "shaded bottom line";
    EXPECT_GT(Brightness(Pixel(x, r.Top + 2)), Brightness(face)) << "lighter near the top";
    EXPECT_LE(std::abs(Brightness(Pixel(x, r.Bottom - 3)) - Brightness(face)), 12)
        << "button face at the bottom";
    EXPECT_GT(Brightness(Pixel(x, r.Top + 2)), Brightness(Pixel(x, r.Bottom - 3)));
}

TEST_F(ExtGridPaintTest, HeaderTextIsBold)
{
    grid->SetCells(1, 0, "WWW");
    grid->SetCells(2, 0, "WWW");
    PaintGrid();
    const int boldInk = InkPixels(1, 0);
    grid->FixedFont()->SetStyle({});
    PaintGrid();
    const int plainInk = InkPixels(1, 0);
    EXPECT_GT(plainInk, 0);
    EXPECT_GT(boldInk, plainInk + plainInk / 5);
}

TEST_F(ExtGridPaintTest, SelectedCellsShowTheSelectionColourWithBlackText)
{
    grid->SetCells(3, 3, "Sel");
    grid->SetSelection(TGridRect{2, 2, 3, 4});
    PaintGrid();
    const TRect r = grid->CellRect(3, 3);
    EXPECT_EQ(Pixel(r.Right - 4, r.Bottom - 4), TColor{0xEACAB6});
    EXPECT_LT(Brightness(Darkest(3, 3)), 3 * 0x40);
    const TColor darkest = ColorToRGB(Darkest(3, 3));
    EXPECT_LE(std::abs(GetRValue(darkest) - GetBValue(darkest)), 16) << "black text, not a coloured one";
    const TRect outside = grid->CellRect(1, 3);
    EXPECT_EQ(Pixel(outside.Right - 4, outside.Bottom - 4), ColorToRGB(grid->Color()));
}

TEST_F(ExtGridPaintTest, FocusedCurrentCellGetsADottedFrame)
{
    grid->SetFocus();
    ASSERT_TRUE(grid->Focused());
    grid->FocusCell(2, 2);
    PaintGrid();
    const TRect r = grid->CellRect(2, 2);
    const TColor fill = Pixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    int changes = 0, marked = 0;
    for (int x = r.Left; x < r.Right - 2; ++x) {
        if (Pixel(x, r.Top) != fill) ++marked;
        if (Pixel(x, r.Top) != Pixel(x + 1, r.Top)) ++changes;
    }
    EXPECT_GT(marked, 4) << "a frame along the top";
    EXPECT_GT(changes, 8) << "dotted, not solid";
    grid->HideFocusRect = true;
    PaintGrid();
    for (int x = r.Left; x < r.Right - 2; ++x)
        ASSERT_EQ(Pixel(x, r.Top), fill) << x;
}

TEST_F(ExtGridPaintTest, ModernLookFramesTheControlInsideItsParentColour)
{
    const struct {
        TGridLook look;
        bool framed;
    } cases[] = {{glXP, true}, {glStandard, false}, {glVista, true}};
    for (const auto& c : cases) {
        grid->SetLook(c.look);
        PaintGrid();
        const int y = grid->ClientHeight() / 2;
        if (c.framed) {
            EXPECT_EQ(Pixel(0, y), ColorToRGB(form.Color())) << c.look;
            EXPECT_EQ(Pixel(1, y), grid->BorderColor()) << c.look;
            EXPECT_EQ(Pixel(grid->ClientWidth() - 2, y), grid->BorderColor()) << c.look;
        } else {
            EXPECT_NE(Pixel(1, y), grid->BorderColor()) << c.look;
        }
    }
}

// A hover-sensitive header lights up under the mouse, and takes the down colours while it
// is pressed or while its column is being moved.
TEST_F(ExtGridPaintTest, HeadersShowHoverPressedAndMovedLooks)
{
    grid->SetHoverFixedCells(hfAll);
    grid->SuiteGradientHoverFrom = grid->SuiteGradientHoverTo = grid->SuiteGradientHoverBorder = clYellow;
    grid->SuiteGradientDownFrom = grid->SuiteGradientDownTo = grid->SuiteGradientDownBorder = clRed;
    grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
    const TRect header = grid->CellRect(2, 0);
    const TPoint middle{(header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2};
    const auto shown = [&] {
        PaintGrid();
        return ColorToRGB(Pixel(header.Left + 3, header.Top + 3));
    };
    const TColor plain = shown();

    grid->Perform(WM_MOUSEMOVE, 0, PointToLParam(middle));
    EXPECT_EQ(shown(), ColorToRGB(clYellow));
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(middle));
    EXPECT_EQ(shown(), ColorToRGB(clRed));
    grid->Perform(WM_LBUTTONUP, 0, PointToLParam(middle));
    EXPECT_EQ(shown(), ColorToRGB(clYellow));

    // Dragged towards the next column the header is moved, and shows pressed on its way.
    const TRect next = grid->CellRect(3, 0);
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(middle));
    grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({middle.X + 10, middle.Y}));
    grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({next.Left + 5, middle.Y}));
    ASSERT_EQ(grid->GridState(), gsColMoving);
    EXPECT_EQ(shown(), ColorToRGB(clRed));
    grid->Perform(WM_LBUTTONUP, 0, PointToLParam({next.Left + 5, middle.Y}));

    // Away from the headers the plain look returns.
    grid->Perform(WM_MOUSEMOVE, 0, PointToLParam({middle.X, grid->CellRect(2, 3).Top + 3}));
    EXPECT_EQ(shown(), plain);
}

} // namespace
