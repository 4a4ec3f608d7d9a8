#include <gtest/gtest.h>

#include "platform/jpeg/JpegEncoder.h"
#include "platform/ui/BitmapBits.h"
#include "platform/ui/Graphics.h"
#include "support/TestFiles.h"

namespace {

TEST(JpegEncoder, ABitmapReadsBackWithItsSizeAndColours)
{
    TBitmap bitmap(40, 24);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(TRect{0, 0, 20, 24});
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.Canvas()->FillRect(TRect{20, 0, 40, 24});
    const std::string bytes = EncodeJpeg(bitmap);
    ASSERT_GT(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\xFF\xD9");

    TempDir dir;
    WriteTestFile(dir.File("p.jpg"), bytes);
    TBitmap back;
    back.LoadFromFile(dir.File("p.jpg"));
    ASSERT_EQ(back.Width(), 40);
    ASSERT_EQ(back.Height(), 24);
    // Lossy, but the halves keep their colours.
    const uint32_t left = BitmapScanLine(back, 12)[5], right = BitmapScanLine(back, 12)[34];
    EXPECT_GT((left >> 16) & 0xFF, 200u);
    EXPECT_LT(left & 0xFF, 60u);
    EXPECT_GT(right & 0xFF, 200u);
    EXPECT_LT((right >> 16) & 0xFF, 60u);
}

TEST(JpegEncoder, AnEmptyBitmapIsRefused)
{
    TBitmap empty;
    EXPECT_THROW(EncodeJpeg(empty), EInvalidGraphic);
}

} // namespace
