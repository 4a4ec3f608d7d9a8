#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "../GifBuilder.h"
#include "../PixelMap.h"
#include "grid/foundation/painting/GifFrames.h"
#include "grid/foundation/markup/HtmlPicture.h"
#include "support/TestFiles.h"

namespace {

std::string PictureFile(const std::string& name)
{
    return std::string(TEST_DATA_DIR) + "/foundation/pictures/" + name;
}

// An 8 x 6 animation: a red screen, then a green 3 x 2 frame at (2, 1), then a blue 2 x 2
// frame at (4, 3), shown for 10, 20 and 30 hundredths of a second.
std::string ThreeFrames()
{
    return TGifBuilder(8, 6)
        .Frame(0, 0, 8, 6, 0, 10)
        .Frame(2, 1, 3, 2, 1, 20)
        .Frame(4, 3, 2, 2, 2, 30)
        .Bytes();
}

bool Near(TColor a, TColor b)
{
    for (int shift : {0, 8, 16})
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 24) return false;
    return true;
}

// The picture drawn on a white bitmap at (0, 0), into a rectangle of the given size.
class Drawn {
public:
    Drawn(const THTMLPicture& picture, int width, int height)
    {
        Blank(bitmap_, width + 4, height + 4);
        bitmap_.Canvas()->StretchDraw(Rect(0, 0, width, height), &picture);
    }
    TColor operator()(int x, int y) { return bitmap_.Canvas()->Pixels(x, y); }

private:
    TBitmap bitmap_;
};

struct FormatCase {
    const char* Name;
    const char* File; // beside the test, or "" for data made by the test
    TColor Color;
};

class PictureFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(PictureFormats, DecodeToTheirPixelsAndSize)
{
    TempDir dir;
    std::string path = GetParam().File;
    if (path.empty()) {
        path = dir.File("made.bmp");
        TBitmap bitmap(4, 3);
        bitmap.Canvas()->Brush()->SetColor(clLime);
        bitmap.Canvas()->FillRect(Rect(0, 0, 4, 3));
        bitmap.SaveToFile(path);
    } else {
        path = PictureFile(path);
    }
    THTMLPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.LoadFromFile(path);
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_EQ(picture.MaxWidth(), 4);
    EXPECT_FALSE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), -1);
    Drawn drawn(picture, 4, 3);
    EXPECT_TRUE(Near(drawn(1, 1), GetParam().Color)) << std::hex << drawn(1, 1);
    EXPECT_EQ(drawn(5, 1), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Files, PictureFormats,
                         testing::Values(FormatCase{"Png", "red.png", clRed},
                                         FormatCase{"Jpeg", "red.jpg", clRed},
                                         FormatCase{"Icon", "blue.ico", clBlue},
                                         FormatCase{"Bitmap", "", clLime}),
                         [](const auto& info) { return info.param.Name; });

TEST(HtmlPicture, FilesThatCannotBeDecodedLeaveItEmpty)
{
    TempDir dir;
    WriteTestFile(dir.File("text.png"), "not a picture at all");
    WriteTestFile(dir.File("short.gif"), "GIF8");
    for (const std::string& path : {dir.File("text.png"), dir.File("short.gif"), dir.File("missing.png")}) {
        THTMLPicture picture;
        picture.LoadFromFile(PictureFile("red.png"));
        picture.LoadFromFile(path);
        EXPECT_TRUE(picture.Empty()) << path;
        EXPECT_EQ(picture.Width(), 0);
        EXPECT_EQ(picture.MaxHeight(), 0);
        EXPECT_FALSE(picture.IsGIF());
        EXPECT_EQ(picture.FrameCount(), -1);
        EXPECT_EQ(Drawn(picture, 4, 3)(1, 1), clWhite);
    }
}

TEST(HtmlPicture, StreamsCarryTheRawBytes)
{
    const std::string gif = ThreeFrames();
    THTMLPicture picture;
    picture.LoadFromStream(nullptr);
    EXPECT_TRUE(picture.Empty());

    std::istringstream in(gif);
    in.seekg(10);
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.LoadFromStream(&in);
    EXPECT_EQ(changes, 1);
    std::ostringstream out;
    picture.SaveToStream(out);
    EXPECT_EQ(out.str(), gif);

    THTMLPicture copy;
    std::istringstream stored(out.str());
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.ReadData(stored);
    EXPECT_EQ(changes, 1); // reading stored data is no change
    EXPECT_EQ(copy.FrameCount(), 3);

    std::istringstream garbage("garbage");
    try {
        copy.LoadFromStream(&garbage);
        FAIL() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Could not load image. Invalid format");
    }
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Width(), 0);
}

TEST(HtmlPicture, AssignCopiesOnlyAnotherHtmlPicture)
{
    THTMLPicture source, target, empty;
    source.LoadFromFile(PictureFile("red.png"));
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.Assign(source);
    EXPECT_FALSE(target.Empty());
    EXPECT_EQ(target.Width(), 4);
    EXPECT_EQ(changes, 1);

    target.Assign(empty);
    EXPECT_TRUE(target.Empty());
    target.Assign(source);
    TBitmap bitmap(2, 2);
    target.Assign(bitmap);
    EXPECT_TRUE(target.Empty());
    EXPECT_EQ(target.Width(), 0);
}

TEST(HtmlPicture, StretchDrawsIntoTheWholeRectangle)
{
    THTMLPicture picture;
    picture.LoadFromFile(PictureFile("red.png"));
    EXPECT_EQ(Drawn(picture, 8, 6)(7, 5), clWhite); // natural size: 4 x 3 at the corner
    picture.SetStretch(true);
    EXPECT_EQ(Drawn(picture, 8, 6)(7, 5), clRed);
}

TEST(HtmlPicture, AnimatedGifShowsOneFrameAtATime)
{
    TempDir dir;
    WriteTestFile(dir.File("anim.gif"), ThreeFrames());
    THTMLPicture picture;
    std::vector<int> shown;
    picture.OnFrameChange = [&](TObject*) { shown.push_back(picture.Frame()); };
    picture.LoadFromFile(dir.File("anim.gif"));
    ASSERT_FALSE(picture.Empty());
    EXPECT_TRUE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.MaxWidth(), 8);
    EXPECT_EQ(picture.MaxHeight(), 6);
    EXPECT_EQ(picture.FrameTime(1), 10);
    EXPECT_EQ(picture.FrameTime(3), 30);
    EXPECT_EQ(picture.FrameTime(4), -1);
    EXPECT_EQ(Drawn(picture, 8, 6)(0, 0), clRed);

    picture.SetFrame(2);
    EXPECT_EQ(picture.FrameXPos(), 2);
    EXPECT_EQ(picture.FrameYPos(), 1);
    Drawn second(picture, 8, 6);
    EXPECT_EQ(second(2, 1), clLime);
    EXPECT_EQ(second(4, 2), clLime);
    EXPECT_EQ(second(0, 0), clWhite); // the frames before are left out

    picture.SetFrame(3);
    EXPECT_EQ(picture.FrameXPos(), 4);
    EXPECT_EQ(picture.FrameYPos(), 3);
    EXPECT_EQ(Drawn(picture, 8, 6)(5, 4), clBlue);

    // Frames outside 1..FrameCount are taken as the nearest one.
    picture.SetFrame(9);
    EXPECT_EQ(picture.Frame(), 3);
    picture.SetFrame(0);
    EXPECT_EQ(picture.Frame(), 1);
    picture.FramePrev();
    picture.FrameNext();
    EXPECT_EQ(shown, (std::vector<int>{2, 3, 3, 1, 3, 1}));
}

// Outside its box a frame is transparent: neither the GIF's background nor anything the
// decoder made up covers what lies under the picture.
TEST(HtmlPicture, AFrameLeavesWhatLiesUnderItOutsideItsBox)
{
    std::istringstream in(ThreeFrames());
    THTMLPicture picture;
    picture.LoadFromStream(&in);
    picture.SetFrame(2);
    TBitmap bitmap;
    bitmap.SetSize(8, 6);
    bitmap.Canvas()->Brush()->SetColor(clYellow);
    bitmap.Canvas()->FillRect(Rect(0, 0, 8, 6));
    bitmap.Canvas()->Draw(0, 0, &picture);
    const std::vector<std::string> shown{"YYYYYYYY", "YYGGGYYY", "YYGGGYYY",
                                         "YYYYYYYY", "YYYYYYYY", "YYYYYYYY"};
    EXPECT_EQ(PixelMap(bitmap, {{clLime, 'G'}, {clYellow, 'Y'}}), shown);
}

TEST(HtmlPicture, StepAdvancesByTheFrameDelays)
{
    std::istringstream in(ThreeFrames());
    THTMLPicture picture;
    picture.LoadFromStream(&in);
    std::string steps;
    for (int tick = 0; tick < 8; ++tick)
        steps += picture.Step() ? char('0' + picture.Frame()) : '-';
    EXPECT_EQ(steps, "--2-3--1");

    std::istringstream single(TGifBuilder(2, 2).Frame(0, 0, 2, 2, 0, 10).Bytes());
    picture.LoadFromStream(&single);
    EXPECT_FALSE(picture.Step());
}

TEST(GifFrames, MarkersCutShortAreReadOnlyWithinTheData)
{
    const std::string gif = ThreeFrames();
    const std::string marker = "\x21\xF9\x04";
    const size_t first = gif.find(marker);
    const size_t second = gif.find(marker, first + 1);
    ASSERT_NE(second, std::string::npos);

    // Up to the second marker's image separator: its delay can be read, its descriptor not.
    const std::string cut = gif.substr(0, second + 9);
    EXPECT_EQ(GifFrameCount(cut), 1);
    EXPECT_EQ(GifFrameTime(cut, 2), 20);
    TGifFrameBox box{9, 9, 9, 9};
    const std::string frame = ExtractGifFrame(cut, 2, box);
    EXPECT_EQ(box.X, 0);
    EXPECT_EQ(box.Width, 0);
    EXPECT_EQ(frame, cut.substr(0, first) + cut.substr(second));

    // A marker with its separator one byte past the end is no marker.
    EXPECT_EQ(GifFrameTime(gif.substr(0, second + 8), 2), -1);
    EXPECT_EQ(GifScreenWidth("GIF89a\x08"), 0);
    EXPECT_EQ(GifFrameCount("GIF8"), -1);
    EXPECT_EQ(GifFrameCount("GIF89"), 0);
}

} // namespace
