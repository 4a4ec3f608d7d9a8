#include <gtest/gtest.h>

#include "../PixelMap.h"
#include "grid/foundation/painting/CanvasShapes.h"
#include "platform/rtl/Resources.h"
#include "support/TestFiles.h"

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

TEST(CanvasShapes, ResourceBitmapIsDrawnTransparentAndAMissingOneDrawsNothing)
{
    TBitmap picture;
    Blank(picture, 2, 2);
    picture.Canvas()->SetPixels(1, 1, clRed);
    TempDir dir;
    const std::string path = dir.Path() + "/arrow.bmp";
    picture.SaveToFile(path);
    HInstance().AddResource("CELLARROW", ReadTestFile(path));

    TBitmap target;
    Blank(target, 4, 3);
    DrawBitmapResourceTransparent(target.Canvas(), clBlue, Rect(1, 1, 3, 3), "cellarrow"); // any letter case
    DrawBitmapResourceTransparent(target.Canvas(), clBlue, Rect(0, 0, 2, 2), "NOSUCHBITMAP");
    EXPECT_EQ(PixelMap(target, {{clRed, 'R'}, {clBlue, 'B'}}), (Rows{"....", ".BB.", ".BR."}));
}

} // namespace
