#include <gtest/gtest.h>

#include "../PixelMap.h"
#include "grid/foundation/model/ControlList.h"
#include "grid/foundation/painting/FilePicture.h"
#include "support/TestFiles.h"

namespace {

TEST(ControlList, FindsTheFirstControlOfACellAndNeverFreesControls)
{
    TWinControl first(nullptr), second(nullptr), elsewhere(nullptr);
    TControl windowless(nullptr);
    TControlList list;
    list.AddControl(1, 2, &first);
    list.AddControl(1, 2, &second);
    list.AddControl(3, 0, &windowless);
    EXPECT_EQ(list.ControlIndex(1, 2), 0);
    EXPECT_EQ(list.ControlIndex(3, 0), 2);
    EXPECT_EQ(list.ControlIndex(2, 1), -1);
    EXPECT_TRUE(list.HasHandle(&second));
    EXPECT_FALSE(list.HasHandle(&elsewhere));
    list.RemoveControl(0);
    EXPECT_EQ(list.Control(0)->Control, &second);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_FALSE(list.HasHandle(&first));
}

class FilePictureTest : public testing::Test {
protected:
    // A 3 x 2 picture, red but for a blue top-left pixel.
    std::string WritePicture()
    {
        TBitmap bitmap;
        Blank(bitmap, 3, 2);
        bitmap.Canvas()->Brush()->SetColor(clRed);
        bitmap.Canvas()->FillRect(Rect(0, 0, 3, 2));
        bitmap.Canvas()->SetPixels(0, 0, clBlue);
        const std::string path = dir.File("picture.bmp");
        bitmap.SaveToFile(path);
        return path;
    }
    TempDir dir;
};

TEST_F(FilePictureTest, KnowsTheSizeAndDrawsTheFileStretched)
{
    TFilePicture picture;
    picture.SetFilename(WritePicture());
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 2);
    TBitmap target;
    Blank(target, 8, 5);
    picture.DrawPicture(target.Canvas(), Rect(1, 1, 7, 5));
    EXPECT_EQ(PixelMap(target, {{clRed, 'R'}, {clBlue, 'B'}}),
              (std::vector<std::string>{"........", ".BBRRRR.", ".BBRRRR.", ".RRRRRR.", ".RRRRRR."}));

    TFilePicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.Filename(), picture.Filename());
    EXPECT_EQ(copy.Width(), 3);
}

TEST_F(FilePictureTest, AFileThatCannotBeLoadedKeepsTheOldSize)
{
    TFilePicture picture;
    picture.SetFilename(WritePicture());
    EXPECT_THROW(picture.SetFilename(dir.File("missing.bmp")), EInvalidGraphic);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 2);
}

TEST_F(FilePictureTest, AnEmptyNameClearsThePicture)
{
    TFilePicture picture;
    picture.SetFilename(WritePicture());
    picture.SetFilename("");
    EXPECT_EQ(picture.Filename(), "");
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    TBitmap target;
    Blank(target, 2, 2);
    picture.DrawPicture(target.Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clWhite);
}

} // namespace
