#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/Graphics.h"
#include "support/CameraJpeg.h"
#include "support/TestFiles.h"

namespace {

TEST(BitmapJpegBytes, ABitmapLoadedFromAJpegKeepsItsBytesUntilItsPixelsChange)
{
    const std::string jpeg = CameraJpeg(24, 16);
    struct TCase {
        const char* Step;
        std::function<void(TBitmap&)> Apply;
        bool Kept;
    };
    const TCase cases[] = {
        {"nothing", [](TBitmap&) {}, true},
        {"read a pixel", [](TBitmap& b) { (void)b.Canvas()->Pixels(2, 2); }, true},
        {"draw", [](TBitmap& b) { b.Canvas()->FillRect(TRect{0, 0, 4, 4}); }, false},
        {"set a pixel", [](TBitmap& b) { b.Canvas()->SetPixels(1, 1, clRed); }, false},
        {"resize", [](TBitmap& b) { b.SetSize(30, 16); }, false},
        {"change the pixel format", [](TBitmap& b) { b.SetPixelFormat(pf32bit); }, false},
        {"load a BMP", [](TBitmap& b) { b.LoadFromBytes(TBitmap(3, 3).SaveToBytes()); }, false},
        {"take another bitmap's pixels", [](TBitmap& b) { b.Assign(TBitmap(3, 3)); }, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Step);
        TBitmap bitmap;
        bitmap.LoadFromBytes(jpeg);
        ASSERT_EQ(bitmap.Width(), 24);
        c.Apply(bitmap);
        EXPECT_EQ(bitmap.JpegBytes(), c.Kept ? jpeg : std::string());
    }
}

TEST(BitmapJpegBytes, CopiesAndPicturesCarryTheBytesAndOtherFilesHaveNone)
{
    TempDir dir;
    const std::string jpeg = CameraJpeg(10, 10);
    WriteTestFile(dir.File("photo.jpg"), jpeg);
    WriteTestFile(dir.File("photo.bmp"), TBitmap(10, 10).SaveToBytes());

    TPicture picture;
    picture.LoadFromFile(dir.File("photo.jpg"));
    const auto* loaded = dynamic_cast<const TBitmap*>(picture.Graphic());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->JpegBytes(), jpeg);

    TPicture copy;
    copy.Assign(picture);
    EXPECT_EQ(dynamic_cast<const TBitmap&>(*copy.Graphic()).JpegBytes(), jpeg);
    TBitmap assigned;
    assigned.Assign(*loaded);
    EXPECT_EQ(assigned.JpegBytes(), jpeg);
    // The copy's drawing leaves the original's bytes alone.
    assigned.Canvas()->FillRect(TRect{0, 0, 2, 2});
    EXPECT_EQ(assigned.JpegBytes(), "");
    EXPECT_EQ(loaded->JpegBytes(), jpeg);

    TBitmap bmp;
    bmp.LoadFromFile(dir.File("photo.bmp"));
    EXPECT_EQ(bmp.JpegBytes(), "");
    EXPECT_EQ(TBitmap(5, 5).JpegBytes(), "");
}

} // namespace
