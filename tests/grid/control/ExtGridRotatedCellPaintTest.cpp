#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/CellPaintContext.h"

namespace {

// Paints a rotated cell's graphic onto a white 60 x 160 bitmap standing for the cell, and
// answers the box of its dark pixels and how many lie in its lower half.
class ExtGridRotatedCellPaintTest : public GridOnForm {
protected:
    struct TRotatedInk {
        TRect Box{1000, 1000, -1, -1};
        int Lower = 0, Upper = 0;
    };
    TRotatedInk Paint(int Angle, TAlignment HAlign)
    {
        grid->AddRotated(1, 1, Angle, "MMMMMM........");
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect({0, 0, 60, 160});
        bitmap.Canvas()->Font()->SetColor(clBlack);
        TCellPaintContext context;
        context.Grid = grid;
        context.Canvas = bitmap.Canvas();
        context.RealCol = context.DisplCol = context.Row = 1;
        context.CellRect = {0, 0, 60, 160};
        context.HAlign = HAlign;
        context.VAlign = vtaBottom;
        TCellGraphic* graphic = grid->GetCellGraphicInfo(1, 1, context);
        grid->DrawCellGraphic(context, context.CellRect, graphic, vaTop);
        TRotatedInk ink;
        for (int y = 0; y < 160; ++y)
            for (int x = 0; x < 60; ++x)
                if ((bitmap.Canvas()->Pixels(x, y) & 0xFF) < 128) {
                    ink.Box = {std::min(ink.Box.Left, x), std::min(ink.Box.Top, y),
                               std::max(ink.Box.Right, x), std::max(ink.Box.Bottom, y)};
                    ++(y >= 80 ? ink.Lower : ink.Upper);
                }
        return ink;
    }
    TBitmap bitmap{60, 160};
};

TEST_F(ExtGridRotatedCellPaintTest, TextIsTurnedAndAlignedInTheCell)
{
    const TRotatedInk up = Paint(90, taLeftJustify);
    ASSERT_GE(up.Box.Right, 0) << "the text shows";
    EXPECT_GT(up.Box.Height(), 3 * up.Box.Width()) << "upright";
    EXPECT_LT(up.Box.Left, 10) << "at the left";
    EXPECT_GT(up.Box.Bottom, 145) << "at the bottom";
    EXPECT_GT(up.Lower, 2 * up.Upper) << "reading upwards, so the first letters lie low";

    const TRotatedInk right = Paint(90, taRightJustify);
    EXPECT_GT(right.Box.Right, 50);
}

} // namespace
