#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "../GifBuilder.h"
#include "../PixelMap.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/markup/HtmlPicture.h"
#include "grid/foundation/markup/HtmlTagAttributes.h"
#include "grid/foundation/markup/HtmlTextOps.h"

namespace {
// Pictures by name, an animation among them, and an image list of two.
class FakePictures : public THtmlPictureSource {
public:
    FakePictures()
    {
        Solid(red_, 10, 8, clRed);
        Solid(blue_, 10, 8, clBlue);
        Solid(lime_, 6, 4, clLime);
        // An 8 x 6 animation on a white GIF background: a red screen, a green 3 x 2 frame at
        // (2, 1), a blue 2 x 2 frame at (4, 3).
        std::istringstream gif(TGifBuilder(8, 6)
                                   .Frame(0, 0, 8, 6, 0, 10)
                                   .Frame(2, 1, 3, 2, 1, 20)
                                   .Frame(4, 3, 2, 2, 2, 30)
                                   .Bytes());
        animation.LoadFromStream(&gif);
    }
    int ImageCount() const override { return 2; }
    const TGraphic* Image(int index) const override { return index == 0 ? &lime_ : &blue_; }
    const TGraphic* PictureByName(const std::string& name) override
    {
        if (name == "anim") return &animation;
        if (name == "red") return &red_;
        return name == "blue" ? &blue_ : nullptr;
    }
    const TGraphic* PictureByAddress(const std::string& address) override
    {
        addresses.push_back(address);
        return &blue_;
    }
    std::vector<std::string> addresses;
    THTMLPicture animation;

private:
    static void Solid(TBitmap& bitmap, int width, int height, TColor color)
    {
        bitmap.SetSize(width, height);
        bitmap.Canvas()->Brush()->SetColor(color);
        bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
    }
    TBitmap red_;
    TBitmap blue_;
    TBitmap lime_;
};

class HtmlPaint : public testing::Test {
protected:
    void SetUp() override { Blank(bitmap_, 200, 60); }

    TCanvas* Canvas() { return bitmap_.Canvas(); }

    THtmlDrawResult Paint(const std::string& text, THtmlDrawParams params = {})
    {
        params.Pictures = &pictures_;
        return HtmlDraw(Canvas(), text, Rect(0, 0, 200, 60), params);
    }

    THtmlDrawResult HitTest(const std::string& text, int x, int y, THtmlDrawParams params = {})
    {
        params.HitTestOnly = true;
        params.X = x;
        params.Y = y;
        return Paint(text, params);
    }

    // How many pixels of the colour lie in the rectangle; with near, also pixels close to it,
    // as the edges of smoothed text are.
    int Count(TColor color, const TRect& area = Rect(0, 0, 200, 60), bool near = false)
    {
        const auto close = [&](TColor pixel) {
            const auto channel = [](TColor c, int shift) { return int((c >> shift) & 0xFF); };
            for (int shift : {0, 8, 16})
                if (std::abs(channel(pixel, shift) - channel(color, shift)) > (near ? 80 : 0)) return false;
            return true;
        };
        int count = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                count += close(Canvas()->Pixels(x, y));
        return count;
    }
    int CountNear(TColor color) { return Count(color, Rect(0, 0, 200, 60), true); }

    // The right-most column that is not white, or -1.
    int RightmostInk(int top, int bottom)
    {
        for (int x = 199; x >= 0; --x)
            for (int y = top; y < bottom; ++y)
                if (Canvas()->Pixels(x, y) != clWhite) return x;
        return -1;
    }

    int LineHeight() { return Canvas()->TextHeight("gh"); }

    TBitmap bitmap_;
    FakePictures pictures_;
};

TEST_F(HtmlPaint, FontColoursByHexAndName)
{
    for (const char* text : {"<FONT COLOR=\"#FF0000\">xxxx</FONT>", "<FONT COLOR=\"clRed\">xxxx</FONT>"}) {
        Blank(bitmap_, 200, 60);
        Paint(text);
        EXPECT_GT(CountNear(clRed), 0) << text;
    }
    Blank(bitmap_, 200, 60);
    Paint("<FONT COLOR=\"clNoSuch\">xxxx</FONT>");
    EXPECT_GT(CountNear(clBlack), 0);
    Blank(bitmap_, 200, 60);
    THtmlDrawParams selected;
    selected.Selected = true;
    Paint("<FONT COLOR=\"clRed\">xxxx</FONT>", selected);
    EXPECT_EQ(CountNear(clRed), 0); // the selection's colours win
}

TEST_F(HtmlPaint, BackgroundsFillWhatTheyCover)
{
    const int h = LineHeight();
    Paint("<BODY BGCOLOR=\"clYellow\">");
    EXPECT_EQ(Count(clYellow), 200 * 60);
    Blank(bitmap_, 200, 60);
    Paint("a<BR><P BGCOLOR=\"#00FF00\">b</P>");
    EXPECT_EQ(Canvas()->Pixels(199, h + 1), clLime); // the paragraph's line, across the whole width
    EXPECT_EQ(Canvas()->Pixels(199, 1), clWhite);
    Blank(bitmap_, 200, 60);
    SetHtmlHighlightColors(clAqua, clNavy);
    Paint("x<HI>found</HI>x");
    EXPECT_GT(Count(clAqua), 0);
    EXPECT_GT(CountNear(clNavy), 0);
    SetHtmlHighlightColors(clHighlight, clHighlightText);
}

TEST_F(HtmlPaint, RuleAndErrorMark)
{
    const int h = LineHeight();
    Paint("text<HR>");
    EXPECT_EQ(Canvas()->Pixels(100, h + 1), clBlack); // one pixel below the text's bottom
    Blank(bitmap_, 200, 60);
    Paint("<E>wrong</E>");
    EXPECT_GT(Count(clRed, Rect(0, h - 1, 200, h + 2)), 0);
    EXPECT_EQ(Count(clRed, Rect(0, 0, 200, h - 2)), 0);
}

TEST_F(HtmlPaint, HugeTagNumbersAreHeldToScreenSizes)
{
    // Each of these overflowed an int; the first asked for a point per pixel of a rule two
    // billion pixels long.
    const int x = Canvas()->TextWidth("x");
    struct {
        const char* text;
        int width; // measured
    } cases[] = {
        {"<P INDENT=\"2147483647\"><HR>", 0},
        {"<IN x=\"2147483647\">x", kMaxHtmlPixels + x},
        {"<R a=\"2147483647\">x</R>", x},
        {"<CONTROL TYPE=\"BUTTON\" WIDTH=\"2147483647\" HEIGHT=\"2147483647\" VALUE=\"v\">", kMaxHtmlPixels},
        {"<CONTROL TYPE=\"EDIT\" WIDTH=\"2147483647\" VALUE=\"v\">", kMaxHtmlPixels},
        {"<FONT SIZE=\"2147483647\"></FONT>x", x},
    };
    for (const auto& c : cases) {
        Blank(bitmap_, 200, 60);
        EXPECT_EQ(Paint(c.text).MeasuredWidth, c.width) << c.text;
    }
    // The indented rule starts beyond the right edge: nothing of it lands on the bitmap.
    Blank(bitmap_, 200, 60);
    Paint("<P INDENT=\"2147483647\"><HR>");
    EXPECT_EQ(Count(clWhite), 200 * 60);
}

TEST_F(HtmlPaint, RightAlignmentStaysForTheFollowingLines)
{
    const int h = LineHeight();
    Paint("<P ALIGN=\"RIGHT\">right</P>still<BR><P ALIGN=\"LEFT\">left");
    EXPECT_GE(RightmostInk(0, h), 196);
    EXPECT_GE(RightmostInk(h, 2 * h), 196);
    EXPECT_LT(RightmostInk(2 * h, 3 * h), 100);

    // A blank that ends a right-aligned line is not drawn: "abc" shows whole, without "...".
    Blank(bitmap_, 200, 60);
    Paint("abc");
    const int ink = CountNear(clBlack);
    Blank(bitmap_, 200, 60);
    Paint("<P ALIGN=\"RIGHT\">abc <BR>");
    EXPECT_EQ(CountNear(clBlack), ink);
    EXPECT_GE(RightmostInk(0, h), 196);

    THtmlDrawParams params;
    params.ControlID = "c";
    const THtmlDrawResult result =
        HitTest("<P ALIGN=\"RIGHT\">x<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"16\">", -1, -1, params);
    EXPECT_EQ(result.HitControlRect.Right, 200);
    const THtmlDrawResult centred =
        HitTest("<P ALIGN=\"CENTER\"><CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"16\">", -1, -1, params);
    EXPECT_EQ(centred.HitControlRect.Left, 1 + (199 - 16) / 2);
}

TEST_F(HtmlPaint, CheckControlsShowTheirValue)
{
    Paint("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"16\">");
    const int checked = Count(clBlack, Rect(0, 0, 20, 30));
    Blank(bitmap_, 200, 60);
    Paint("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"16\">");
    EXPECT_GT(checked, 0);
    EXPECT_EQ(Count(clBlack, Rect(0, 0, 20, 30)), 0);
    Blank(bitmap_, 200, 60);
    Paint("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\">");
    EXPECT_EQ(Count(clWhite), 200 * 60); // without WIDTH it is not drawn
}

TEST_F(HtmlPaint, PicturesFromListContainerAndCache)
{
    const int h = LineHeight();
    Paint("<IMG SRC=\"red\">");
    EXPECT_EQ(Count(clRed), 10 * 8);
    Blank(bitmap_, 200, 60);
    Paint("<IMG SRC=\"red\" WIDTH=\"20\">");
    EXPECT_EQ(Count(clRed), 20 * 16); // the height follows the aspect ratio
    Blank(bitmap_, 200, 60);
    Paint("<IMG SRC=\"IDX:0\"><IMG SRC=\"idx:1\"><IMG SRC=\"IDX:2\"><IMG SRC=\"IDX:-1\">");
    EXPECT_EQ(Count(clLime), 6 * 4);
    EXPECT_EQ(Count(clBlue), 10 * 8);
    Blank(bitmap_, 200, 60);
    Paint("<IMG SRC=\"file://Pics/Blue.png\"><IMG SRC=\"SSYS:3\"><IMG SRC=\"c:red\">");
    ASSERT_FALSE(pictures_.addresses.empty());
    for (const std::string& address : pictures_.addresses)
        EXPECT_EQ(address, "file://Pics/Blue.png");
    EXPECT_EQ(Count(clBlue), 10 * 8);

    THtmlDrawParams measure;
    measure.MeasureOnly = true;
    EXPECT_EQ(Paint("<IMG SRC=\"red\" HEIGHT=\"40\">", measure).MeasuredHeight, std::max(h, 40));
    EXPECT_EQ(Paint("<IMG SRC=\"red\" HEIGHT=\"40\">", measure).MeasuredWidth, 50);
}

// Each frame stands at its own place in the animation's area; the rest of that area is the
// background the text is drawn on, never the GIF's own background or an earlier frame.
TEST_F(HtmlPaint, AnAnimationFrameShowsTheEntryBackgroundAroundIt)
{
    struct Case {
        int frame;
        std::vector<std::string> shown; // the animation's area at (1, 0)
    };
    const Case cases[] = {
        {1, {"RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR"}},
        {2, {"YYYYYYYY", "YYGGGYYY", "YYGGGYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY"}},
        {3, {"YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYBBYY", "YYYYBBYY", "YYYYYYYY"}},
    };
    for (const Case& c : cases) {
        Blank(bitmap_, 200, 60);
        Canvas()->Brush()->SetColor(clYellow);
        pictures_.animation.SetFrame(c.frame);
        Paint("<IMG SRC=\"anim\">");
        TBitmap area;
        area.SetSize(8, 6);
        area.Canvas()->CopyRect(Rect(0, 0, 8, 6), Canvas(), Rect(1, 0, 9, 6));
        EXPECT_EQ(PixelMap(area, {{clRed, 'R'}, {clLime, 'G'}, {clBlue, 'B'}, {clYellow, 'Y'}}), c.shown)
            << "frame " << c.frame;
    }
}

// The system icons come from the platform, small or large; a number without an icon, or
// no number, takes no room and draws nothing.
TEST_F(HtmlPaint, SystemIconsDrawTheirSmallOrLargeIcon)
{
    struct Case {
        const char* source;
        int size;
    };
    const Case cases[] = {{"SSYS:3", 16}, {"lsys:3", 32}, {"SSYS:15", 16}, {"LSYS:999", 0}, {"SSYS:x", 0}};
    THtmlDrawParams measure;
    measure.MeasureOnly = true;
    for (const Case& c : cases) {
        const std::string text = std::string("<IMG SRC=\"") + c.source + "\">";
        Blank(bitmap_, 200, 60);
        Paint(text);
        const TRect icon = Bounds(1, 0, c.size, c.size);
        const int inside = c.size * c.size - Count(clWhite, icon);
        EXPECT_EQ(inside > 0, c.size > 0) << c.source;
        EXPECT_EQ(200 * 60 - Count(clWhite) - inside, 0) << c.source << ": nothing outside the icon";
        EXPECT_EQ(Paint(text, measure).MeasuredWidth, c.size) << c.source;
    }
}

TEST_F(HtmlPaint, LinkedImageShowsItsAltPictureUnderTheMouse)
{
    THtmlDrawParams params;
    params.X = 5;
    params.Y = 4;
    const THtmlDrawResult result = Paint("<A HREF=\"go\"><IMG SRC=\"red\" ALT=\"blue\"></A>", params);
    EXPECT_TRUE(result.Hit);
    EXPECT_EQ(result.HitAnchor, "go");
    EXPECT_EQ(Count(clBlue), 10 * 8);
    EXPECT_EQ(Count(clRed), 0);
}

TEST_F(HtmlPaint, HitTestFindsAnchorsAndControls)
{
    const int h = LineHeight();
    const int before = Canvas()->TextWidth("see ");
    const std::string text =
        "see <A HREF=\"page\" TITLE=\"The page\">link</A> and <CONTROL TYPE=\"EDIT\" ID=\"e1\" "
        "VALUE=\"v&amp;w\" WIDTH=\"40\">";
    const int line = std::max(23, h + 10); // the edit control sets the line's height; text sits at its bottom
    THtmlDrawResult result = HitTest(text, before + 3, line - 3);
    ASSERT_TRUE(result.Hit);
    EXPECT_EQ(result.HitAnchor, "page");
    EXPECT_EQ(result.HitTitle, "The page");
    EXPECT_EQ(result.HitAnchorIndex, 1);
    EXPECT_EQ(result.HitAnchorRect.Left, 1 + before);
    EXPECT_EQ(result.HitAnchorRect.Right, 1 + before + Canvas()->TextWidth("link"));

    EXPECT_FALSE(HitTest(text, 2, line - 3).Hit);          // over "see"
    EXPECT_FALSE(HitTest(text, before + 3, line - h).Hit); // above the text

    const int controlLeft =
        1 + Canvas()->TextWidth("see ") + Canvas()->TextWidth("link") + Canvas()->TextWidth(" and ");
    result = HitTest(text, controlLeft + 5, 5);
    ASSERT_TRUE(result.Hit);
    EXPECT_EQ(result.HitAnchor, "ctrl");
    EXPECT_EQ(result.ControlID, "e1");
    EXPECT_EQ(result.ControlValue, "v&w");
    EXPECT_EQ(result.ControlType, "EDIT");
    EXPECT_EQ(result.HitControlRect, Bounds(controlLeft, 0, 40, h + 10));

    THtmlDrawParams byId;
    byId.ControlID = "e1";
    result = HitTest(text, 150, 50, byId); // the point is elsewhere
    EXPECT_TRUE(result.Hit);
    EXPECT_EQ(result.HitControlRect, Bounds(controlLeft, 0, 40, h + 10));
}

TEST_F(HtmlPaint, FocusedAnchorAndMeasureOnlyNeverHits)
{
    THtmlDrawParams params;
    params.FocusLink = 1;
    EXPECT_EQ(Paint("<A HREF=\"a\">one</A> <A HREF=\"b\">two</A>", params).FocusedAnchor, "b");
    params.MeasureOnly = true;
    params.X = 5;
    params.Y = 5;
    EXPECT_FALSE(Paint("<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"40\">", params).Hit);
}

TEST_F(HtmlPaint, CanvasIsRestored)
{
    Canvas()->Pen()->SetColor(clGreen);
    Canvas()->Pen()->SetWidth(3);
    Canvas()->Brush()->SetColor(clSilver);
    Canvas()->Font()->SetName("Verdana");
    Paint("<P BGCOLOR=\"clRed\"><FONT FACE=\"Arial\" SIZE=\"5\"><B>x<R a=\"90\">y<E>z<HR>");
    EXPECT_EQ(Canvas()->Pen()->Color(), clGreen);
    EXPECT_EQ(Canvas()->Pen()->Width(), 3);
    EXPECT_EQ(Canvas()->Brush()->Color(), clSilver);
    EXPECT_EQ(Canvas()->Brush()->Style(), bsSolid);
    EXPECT_EQ(Canvas()->Font()->Name(), "Verdana");
    EXPECT_TRUE(Canvas()->Font()->Style().Empty());
}

TEST_F(HtmlPaint, RotationEndsOnlyARotation)
{
    THtmlDrawParams measure;
    measure.MeasureOnly = true;
    const int bold = [&] {
        Canvas()->Font()->SetStyle(fsBold);
        const int w = Canvas()->TextWidth("y");
        Canvas()->Font()->SetStyle({});
        return w;
    }();
    // "</R>" without a rotation leaves the bold font alone; a rotation's end brings back the
    // font from before it.
    EXPECT_EQ(Paint("<B></R>y", measure).MeasuredWidth, bold);
    EXPECT_EQ(Paint("<R a=\"45\"><B>x</R>y", measure).MeasuredWidth, [&] {
        Canvas()->Font()->SetStyle(fsBold);
        const int w = Canvas()->TextWidth("x");
        Canvas()->Font()->SetStyle({});
        return w + Canvas()->TextWidth("y");
    }());
}
// Rotated runs turn about their start: at 90 degrees "WWWW" stands upward from the line's
// text top in a column one line high, where upright it would lie along the line.
TEST(HtmlRotation, RotatedTextIsDrawnTurned)
{
    TBitmap bitmap;
    Blank(bitmap, 200, 120);
    TCanvas* canvas = bitmap.Canvas();
    const int width = canvas->TextWidth("WWWW"), height = canvas->TextHeight("WWWW");
    auto ink = [&](const TRect& r) {
        int count = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) count += canvas->Pixels(x, y) != clWhite;
        return count;
    };
    HtmlDraw(canvas, "<R a=\"90\">WWWW</R>", Rect(10, 80, 200, 120), {});
    const int top = 80; // the line's text cell starts at the rectangle's top
    EXPECT_GT(ink(Rect(10, top - width, 10 + height, top)), width); // the upward column
    EXPECT_EQ(ink(Rect(10 + height + 1, 0, 200, 120)), 0);          // nothing along the line
    EXPECT_EQ(ink(Rect(0, top, 200, 120)), 0);                      // nor below the turning point

    // The rotation ends with its tag: the next run is upright again, after the turned one.
    Blank(bitmap, 200, 120);
    HtmlDraw(canvas, "<R a=\"90\">WWWW</R>WWWW", Rect(10, 80, 200, 120), {});
    EXPECT_GT(ink(Rect(10 + width, top, 10 + 2 * width + 2, top + height)), width);
}

// The first level's bullet is drawn in the 12 pixels before its item's text.
TEST(HtmlListMarks, FirstLevelBulletIsDrawn)
{
    TBitmap bitmap;
    Blank(bitmap, 100, 60);
    TCanvas* canvas = bitmap.Canvas();
    HtmlDraw(canvas, "<UL><LI>a<UL><LI>b", Rect(0, 0, 100, 60), {});
    auto firstInkRow = [&](int left) {
        for (int y = 0; y < 60; ++y)
            for (int x = left; x < left + 10; ++x)
                if (canvas->Pixels(x, y) != clWhite) return y;
        return -1;
    };
    EXPECT_GE(firstInkRow(0), 0);
}

} // namespace
