#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/settings/BackGround.h"

// The grid's background picture and gradient behind the cells and in the empty area.

namespace {

int Brightness(TColor Color) { return GetRValue(Color) + GetGValue(Color) + GetBValue(Color); }

class ExtGridBackgroundTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(3);
        grid->SetRowCount(4);
        grid->SetBorderStyle(bsNone);
        bitmap.SetSize(grid->Width(), grid->Height());
    }
    void PaintGrid() { grid->PaintTo(bitmap.Canvas(), 0, 0); }
    TColor Pixel(int X, int Y) { return bitmap.Canvas()->Pixels(X, Y); }
    TBitmap bitmap;
};

TEST_F(ExtGridBackgroundTest, VerticalGradientFillsOnlyTheAreaBesideAndBelowTheCells)
{
    grid->BackGround()->SetColor(clWhite);
    grid->BackGround()->SetColorTo(clBlack);
    grid->BackGround()->SetDisplay(bdGradientVert);
    grid->BackGround()->SetCells(bcFixed);
    PaintGrid();
    const TRect last = grid->CellRect(2, 3);
    ASSERT_LT(last.Right + 10, grid->ClientWidth());
    ASSERT_LT(last.Bottom + 10, grid->ClientHeight());
    const int x = last.Right + 5;
    EXPECT_GT(Brightness(Pixel(x, 5)), Brightness(Pixel(x, grid->ClientHeight() - 5))) << "darker downwards";
    EXPECT_GT(Brightness(Pixel(x, 5)), 3 * 200);
    EXPECT_LT(Brightness(Pixel(x, grid->ClientHeight() - 5)), 3 * 50);
    EXPECT_EQ(Pixel(x, last.Bottom + 5), Pixel(5, last.Bottom + 5)) << "the same band below the cells";
    const TRect body = grid->CellRect(1, 2);
    EXPECT_EQ(Pixel(body.Right - 4, body.Bottom - 4), ColorToRGB(grid->Color()))
        << "normal cells are left alone";
}

TEST_F(ExtGridBackgroundTest, PlacedPictureShowsThroughCellsWithoutTheirOwnColour)
{
    TBitmap picture;
    picture.SetSize(300, 200);
    picture.Canvas()->Brush()->SetColor(clRed);
    picture.Canvas()->FillRect(Rect(0, 0, 300, 200));
    grid->BackGround()->SetBitmap(picture);
    grid->BackGround()->SetDisplay(bdFixed);
    grid->BackGround()->SetCells(bcNormal);
    grid->GetCellProperties(2, 2)->SetBrushColor(clLime);
    PaintGrid();
    const TRect plain = grid->CellRect(1, 2), own = grid->CellRect(2, 2), header = grid->CellRect(1, 0);
    EXPECT_EQ(Pixel(plain.Right - 4, plain.Bottom - 4), clRed);
    EXPECT_EQ(Pixel(own.Right - 4, own.Bottom - 4), clLime);
    EXPECT_NE(Pixel(header.Right - 4, header.Bottom - 5), clRed) << "fixed cells keep their look";
    EXPECT_NE(Pixel(310, 210), clRed) << "nothing beyond the picture";
}

TEST_F(ExtGridBackgroundTest, TiledPictureRepeatsFromTheFirstNormalCell)
{
    TBitmap picture;
    picture.SetSize(10, 10);
    picture.Canvas()->Brush()->SetColor(clBlue);
    picture.Canvas()->FillRect(Rect(0, 0, 10, 10));
    picture.Canvas()->SetPixels(0, 0, clYellow);
    grid->BackGround()->SetBitmap(picture);
    grid->BackGround()->SetDisplay(bdTile);
    grid->BackGround()->SetCells(bcNormal);
    grid->SetSelection(TGridRect{-1, -1, -1, -1});
    PaintGrid();
    const TRect body = grid->CellRect(1, 2);
    const TPoint origin{grid->ColWidths(0), grid->RowHeights(0)};
    int probes = 0;
    for (int y = origin.Y; y + 1 < body.Bottom - 1; y += 10)
        for (int x = origin.X; x + 1 < body.Right - 1; x += 10) {
            if (x <= body.Left || y <= body.Top) continue;
            EXPECT_EQ(Pixel(x, y), clYellow) << x << "," << y;
            EXPECT_EQ(Pixel(x + 1, y + 1), clBlue) << x << "," << y;
            ++probes;
        }
    EXPECT_GT(probes, 3);
}

} // namespace
