#include <gtest/gtest.h>

#include "../PixelMap.h"
#include "grid/foundation/painting/GridPictureSource.h"
#include "grid/foundation/painting/PictureContainer.h"
#include "support/TestFiles.h"

namespace {

std::string PictureFile(const std::string& name)
{
    return std::string(TEST_DATA_DIR) + "/foundation/pictures/" + name;
}

TEST(PictureContainer, FindsItemsWhateverTheLetterCase)
{
    TPictureContainer container(nullptr);
    TPictureItem* logo = container.Items()->Add();
    logo->SetName("Logo");
    logo->Picture()->LoadFromFile(PictureFile("red.png"));
    TPictureItem* first = container.Items()->Insert(0);
    first->SetName("Icon");
    TPictureItem* twin = container.Items()->Add();
    twin->SetName("LOGO");

    EXPECT_EQ(container.Items()->Items(0), first);
    EXPECT_EQ(container.FindPicture("lOGo"), logo->Picture());
    EXPECT_EQ(container.FindPicture("icon"), first->Picture());
    EXPECT_EQ(container.FindPicture("Missing"), nullptr);
    EXPECT_THROW(container.Items()->Insert(5), EListError);

    TPictureItem copy;
    logo->SetTag(7);
    copy.Assign(*logo);
    EXPECT_EQ(copy.Name(), "Logo");
    EXPECT_EQ(copy.Tag(), 7);
    EXPECT_EQ(copy.Picture()->Width(), 4);
    copy.SetPicture(*first->Picture());
    EXPECT_TRUE(copy.Picture()->Empty());
}

TEST(PictureCache, ComparesIdentitiesExactly)
{
    THTMLPictureCache cache;
    THTMLPicture* picture = cache.AddPicture();
    EXPECT_TRUE(picture->Empty());
    const std::string url = "file://" + PictureFile("red.png");
    picture->LoadFromURL(url);
    EXPECT_EQ(cache.FindPicture(url), picture);
    EXPECT_EQ(cache.FindPicture("FILE://" + PictureFile("red.png")), nullptr);
    EXPECT_FALSE(cache.Animate()); // a still picture never changes frame
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
}

TEST(HtmlPicture, LoadsFromUrls)
{
    const std::string png = ReadTestFile(PictureFile("red.png"));
    HInstance().AddResource("TESTLOGO", png);
    HInstance().AddResource(4711, png);

    THTMLPicture resource;
    resource.LoadFromURL("rEs://TestLogo");
    EXPECT_FALSE(resource.Empty());
    EXPECT_EQ(resource.ID(), "rEs://TestLogo");

    THTMLPicture none;
    none.LoadFromURL("RES://NoSuchName");
    EXPECT_TRUE(none.Empty());
    none.LoadFromResourceID(HInstance(), 4711);
    EXPECT_EQ(none.Width(), 4);
    try {
        none.LoadFromResourceID(HInstance(), 4712);
        FAIL() << "no error";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource 4712 not found");
    }

    THTMLPicture file;
    file.LoadFromURL("File://" + PictureFile("red.jpg"));
    EXPECT_EQ(file.Height(), 3);

    // Remote addresses are never fetched: a synchronous picture only remembers the address,
    // an asynchronous one stays busy with the first address it was given.
    THTMLPicture remote;
    remote.SetAsynch(false);
    remote.LoadFromURL("http://example.com/a.png");
    EXPECT_TRUE(remote.Empty());
    EXPECT_EQ(remote.ID(), "http://example.com/a.png");
    THTMLPicture pending;
    pending.LoadFromURL("http://example.com/a.png");
    pending.LoadFromURL("http://example.com/b.png");
    EXPECT_TRUE(pending.Busy());
    EXPECT_EQ(pending.ID(), "");
    EXPECT_EQ(pending.URL(), "http://example.com/a.png");
}

// Markup pictures come from the container by name and from the cache by address.
TEST(GridPictureSource, FeedsTheMarkupRenderer)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("Blue");
    item->Picture()->LoadFromFile(PictureFile("blue.ico"));
    THTMLPictureCache cache;
    TGridPictureSource source(&container, &cache);

    TBitmap bitmap;
    Blank(bitmap, 40, 10);
    THtmlDrawParams params;
    params.Pictures = &source;
    const std::string file = "file://" + PictureFile("red.png");
    HtmlDraw(bitmap.Canvas(), "<IMG src=\"blue\"><IMG src=\"" + file + "\"><IMG src=\"" + file + "\">",
             Rect(0, 0, 40, 10), params);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clBlue);
    EXPECT_EQ(bitmap.Canvas()->Pixels(5, 1), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(9, 1), clRed);
    EXPECT_EQ(cache.Count(), 1);

    const TGraphic* otherCase = source.PictureByAddress("FILE://" + PictureFile("red.png"));
    ASSERT_EQ(cache.Count(), 2);
    EXPECT_EQ(otherCase, cache.Items(1));
    EXPECT_TRUE(
        static_cast<const THTMLPicture*>(source.PictureByAddress("http://example.com/x.png"))->Empty());
    EXPECT_EQ(TGridPictureSource(nullptr, nullptr).PictureByName("blue"), nullptr);
}

} // namespace
