#include <gtest/gtest.h>

#include "PixelMap.h"
#include "grid/foundation/CanvasShapes.h"

namespace {

using Rows = std::vector<std::string>;

TEST(CanvasShapes, SmallArrowPointsDown)
{
    TBitmap bitmap;
    Blank(bitmap, 9, 5);
    DrawSmallArrow(bitmap.Canvas(), 4, 1, clRed);
    const Rows rows = PixelMap(bitmap, {{clRed, 'R'}});
    EXPECT_EQ(rows[0], ".........");
    EXPECT_EQ(rows[1].substr(2, 5), "RRRRR");
    EXPECT_EQ(rows[4][4], 'R');
    EXPECT_EQ(rows[4][2], '.');
}

TEST(CanvasShapes, TransparentBitmapShowsTheBackgroundForItsTopLeftColour)
{
    TBitmap picture;
    Blank(picture, 3, 2);
    picture.Canvas()->SetPixels(1, 0, clRed);
    picture.Canvas()->SetPixels(2, 1, clBlue);
    TBitmap target;
    Blank(target, 5, 3);
    DrawBitmapTransparent(target.Canvas(), &picture, clLime, Rect(1, 1, 2, 2));
    EXPECT_EQ(PixelMap(target, {{clRed, 'R'}, {clBlue, 'B'}, {clLime, 'G'}}),
              (Rows{".....", ".GRG.", ".GGB."}));
    EXPECT_EQ(picture.Canvas()->Pixels(0, 0), clWhite); // the source keeps its colours

    FillRectColor(target.Canvas(), Rect(0, 0, 2, 1), clBlue);
    EXPECT_EQ(PixelMap(target, {{clBlue, 'B'}})[0], "BB...");
}

} // namespace
