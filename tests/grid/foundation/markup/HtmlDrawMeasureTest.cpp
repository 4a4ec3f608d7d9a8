#include <gtest/gtest.h>

#include <algorithm>

#include "../PixelMap.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/markup/HtmlTagAttributes.h"

namespace {
// Measures texts on a bitmap canvas; the expected sizes come from the canvas's own text
// measurements of the runs the markup makes.
class HtmlMeasure : public testing::Test {
protected:
    void SetUp() override { Blank(bitmap_, 300, 200); }

    TCanvas* Canvas() { return bitmap_.Canvas(); }

    THtmlDrawResult Measure(const std::string& text, int width = 300, bool wordWrap = false)
    {
        THtmlDrawParams params;
        params.MeasureOnly = true;
        params.WordWrap = wordWrap;
        return HtmlDraw(Canvas(), text, Rect(0, 0, width, 20), params);
    }

    int Width(const std::string& text, TFontStyles style = {}, int points = 0)
    {
        TFont saved;
        saved.Assign(*Canvas()->Font());
        Canvas()->Font()->SetStyle(style);
        if (points) Canvas()->Font()->SetSize(points);
        const int width = Canvas()->TextWidth(text);
        Canvas()->Font()->Assign(saved);
        return width;
    }

    int LineHeight() { return Canvas()->TextHeight("gh"); }

    TBitmap bitmap_;
};

struct TWidthCase {
    const char* text;
    const char* plainText;
};

TEST_F(HtmlMeasure, RunsTagsAndEntities)
{
    const int bold = Width("bold", fsBold);
    struct {
        const char* text;
        int width;
        const char* plain;
    } cases[] = {
        {"abc", Width("abc"), "abc"},
        {"<B>bold</B> <I>it</I>", bold + Width(" ") + Width("it", fsItalic), "bold it"},
        {"</B>x", Width("x"), "x"}, // a closing tag switches off what was never on
        {"<b>bold</b>", bold, "bold"},
        {"x<Z>hidden</Z>y", Width("x") + Width("y"), "xhiddeny"},
        {"&lt;b&gt;", Width("<b>"), "<b>"},
        {"a < b", Width("a"), "a "}, // a "<" without ">" drops the rest
        {"<#0000FF>", Width("#0000FF"), "#0000FF"},
        {"a &amp; b", Width("a ") + Width("& b"), "a & b"},
        {"&AMP;&permil;", Width("&‰"), "&‰"},
        {"<FONT SIZE=\"3\">big</FONT>", Width("big", {}, 12), "big"},
        {"<FONT SIZE=\"20\">big</FONT>", Width("big", {}, 20), "big"},
        {"<SPAN>x</SPAN>", Width("x"), "x"},
        {"wide&nbsp;", Width("wide "), "wide "},
    };
    for (const auto& c : cases) {
        const THtmlDrawResult result = Measure(c.text);
        EXPECT_EQ(result.MeasuredWidth, c.width) << c.text;
        EXPECT_EQ(result.PlainText, c.plain) << c.text;
        EXPECT_FALSE(result.Hit) << c.text;
    }
}

TEST_F(HtmlMeasure, ReadsTwentyThousandTaggedRunsWithoutBlanks)
{
    // Each run searched the whole rest of the text for a blank.
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "x<B></B>";
    EXPECT_EQ(Measure(text, 300, true).PlainText, std::string(20000, 'x'));
}

TEST_F(HtmlMeasure, AWidthThatWouldOverflowStopsGrowing)
{
    // Items at least as wide as the line stay on it: 66,000 of the widest make a line
    // wider than an int holds.
    std::string text;
    for (int i = 0; i < 66000; ++i)
        text += "<CONTROL TYPE=\"BUTTON\" WIDTH=\"32767\">";
    EXPECT_EQ(Measure(text).MeasuredWidth, kMaxHtmlExtent);
}

TEST_F(HtmlMeasure, LinesAddUp)
{
    const int h = LineHeight();
    struct {
        const char* text;
        int lines;
        int width;
    } cases[] = {
        {"", 1, 0},
        {"abc<BR>de", 2, std::max(Width("abc"), Width("de"))},
        {"abc\r\nde\rf", 3, std::max(Width("abc"), Width("de"))},
        {"one<HR>two", 2, Width("one")},
        {"p1</P>p2", 2, Width("p1")},
        {"<UL><LI>a</LI><LI>b</LI></UL>", 4, 12 + Width("a")}, // the list start breaks the line
        {"<UL><LI>a<LI>b", 3, 12 + Width("a")},                // a second item starts a line
        {"<UL><UL><LI>a", 3, 24 + Width("a")},
    };
    for (const auto& c : cases) {
        const THtmlDrawResult result = Measure(c.text);
        EXPECT_EQ(result.MeasuredHeight, c.lines * h) << c.text;
        EXPECT_EQ(result.MeasuredWidth, c.width) << c.text;
    }
    EXPECT_EQ(Measure("a<BR>b<b>c</b>").PlainText, "a\rbc");
}

TEST_F(HtmlMeasure, WordWrapBreaksAtBlanksButNeverInsideAWord)
{
    const int h = LineHeight();
    const int room = std::max(Width("long"), Width("word")) + 2; // one word, not two
    EXPECT_EQ(Measure("long word", room, true).MeasuredHeight, 2 * h);
    EXPECT_EQ(Measure("long word", room, true).MeasuredWidth, Width("word"));
    EXPECT_EQ(Measure("long word", room, true).PlainText, "long word"); // each run once
    EXPECT_EQ(Measure("<B>long</B>word", room, true).MeasuredHeight, h);
    EXPECT_EQ(Measure("<B>long</B>word", room, true).MeasuredWidth, Width("long", fsBold) + Width("word"));
    EXPECT_EQ(Measure("long word", room, false).MeasuredHeight, h);
    EXPECT_EQ(Measure("aa bb cc", Width("aa bb ") + 1, true).MeasuredHeight, 2 * h);
}

TEST_F(HtmlMeasure, WithoutWordWrapRunsPastTheEdgeAreCutButLaterLinesStay)
{
    const int h = LineHeight();
    // "more" crosses the right edge: it ends its line, " text" is cut off.
    const THtmlDrawResult result = Measure("first <B>more</B> text<BR>next", Width("first ") + 3);
    EXPECT_EQ(result.MeasuredHeight, 2 * h);
    EXPECT_EQ(result.MeasuredWidth, Width("first ") + Width("more", fsBold));
    EXPECT_EQ(result.PlainText, "first more text\rnext");
}

TEST_F(HtmlMeasure, ControlsSetTheLineHeight)
{
    const int h = LineHeight();
    const int edit = std::max(23, h + 10);
    struct {
        const char* text;
        int height;
        int width;
    } cases[] = {
        {"ab<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"40\">", edit, Width("ab") + 40},
        {"ab<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"40\">", 16, Width("ab") + 16},
        {"<CONTROL TYPE=\"RADIO\" ID=\"r\" WIDTH=\"9\">ab", std::max(16, h), 16 + Width("ab")},
        {"<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"50\" HEIGHT=\"40\">", 38, 50},
        {"<CONTROL TYPE=\"COMBO\" ID=\"b\" WIDTH=\"50\" HEIGHT=\"x\">", 25, 50},
        {"a<CONTROL TYPE=\"EDIT\" ID=\"e\">b", h, Width("a") + Width("b")}, // no WIDTH: not there
        {"a<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"4o\">b", h, Width("a") + Width("b")},
        {"a<CONTROL TYPE=\"SLIDER\" ID=\"e\" WIDTH=\"40\">b", h, Width("a") + Width("b")},
    };
    for (const auto& c : cases) {
        const THtmlDrawResult result = Measure(c.text);
        EXPECT_EQ(result.MeasuredHeight, c.height) << c.text;
        EXPECT_EQ(result.MeasuredWidth, c.width) << c.text;
    }
}

TEST_F(HtmlMeasure, SubscriptsAndSuperscriptsMakeRoom)
{
    const int h = LineHeight();
    EXPECT_EQ(Measure("x<SUB>2</SUB>").MeasuredHeight, h + h / 4);
    EXPECT_EQ(Measure("x<SUP>2</SUP><SUB>3</SUB>").MeasuredHeight, h + 2 * (h / 4));
    EXPECT_EQ(Measure("x<SUP>2</SUP><BR>y").MeasuredHeight, 2 * h + h / 4); // reset at each line
}

TEST_F(HtmlMeasure, AnchorsAreCounted)
{
    EXPECT_EQ(Measure("<A HREF=\"x\">a<A HREF=\"y\">b").AnchorCount, 2);
    EXPECT_EQ(Measure("<A HREF=\"x\">a</A> <A>b</A>").AnchorCount, 2);
}

TEST_F(HtmlMeasure, TallTextStopsAtTheBottomUnlessOnlyMeasured)
{
    const int h = LineHeight();
    THtmlDrawParams params;
    params.HitTestOnly = true;
    EXPECT_EQ(HtmlDraw(Canvas(), "a<BR>b<BR>c", Rect(0, 0, 100, h), params).MeasuredHeight, h);
    EXPECT_EQ(HtmlDraw(Canvas(), "a<BR>b<BR>c", Rect(0, 0, 100, 2 * h), params).MeasuredHeight, 2 * h);
    EXPECT_EQ(Measure("a<BR>b<BR>c").MeasuredHeight, 3 * h);
}
} // namespace
