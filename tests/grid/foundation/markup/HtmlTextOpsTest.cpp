#include <gtest/gtest.h>

#include "grid/foundation/markup/HtmlEntities.h"
#include "grid/foundation/markup/HtmlTextOps.h"

namespace {
struct TEntityCase {
    const char* text;
    bool named;
    const char* expected;
};

class EncodeEntities : public testing::TestWithParam<TEntityCase> {};
class DecodeEntities : public testing::TestWithParam<TEntityCase> {};

TEST_P(EncodeEntities, WritesEntities)
{
    EXPECT_EQ(HtmlEncodeEntities(GetParam().text, GetParam().named), GetParam().expected);
}

TEST_P(DecodeEntities, ReadsEntitiesOnce)
{
    EXPECT_EQ(HtmlDecodeEntities(GetParam().text, GetParam().named), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EncodeEntities,
    testing::Values(TEntityCase{"a&b<c", false, "a&amp;b&lt;c"},
                    TEntityCase{"\"x\" > y", false, "&quot;x&quot; &gt; y"}, TEntityCase{"é€", false, "é€"},
                    TEntityCase{"é€ÕÅ", true, "&eacute;&euro;&Otilde;&Aring;"},
                    TEntityCase{"*amp;", true, "*amp;"}, // a literal "*amp;" stays as typed
                    TEntityCase{"&eacute;", true, "&amp;eacute;"}));

INSTANTIATE_TEST_SUITE_P(Texts, DecodeEntities,
                         testing::Values(TEntityCase{"&amp;lt;", false, "&lt;"},
                                         TEntityCase{"&lt;&gt;&quot;&amp;", false, "<>\"&"},
                                         TEntityCase{"&eacute;", false, "&eacute;"},
                                         TEntityCase{"&eacute;&Eacute;&euro;", true, "éÉ€"},
                                         TEntityCase{"&EACUTE;", true, "&EACUTE;"}, // names match with case
                                         TEntityCase{"&amp;eacute;", true, "&eacute;"},
                                         TEntityCase{"a & b;", true, "a & b;"}));

TEST(Entities, RoundTripKeepsEveryText)
{
    for (const char* text : {"a&b", "&amp;", "*amp;", "&eacute; é", "<\"x\">", "&amp;lt;"})
        EXPECT_EQ(HtmlDecodeEntities(HtmlEncodeEntities(text, true), true), text);
}

TEST(Entities, SpaceToNbsp) { EXPECT_EQ(HtmlSpaceToNbsp(" a b "), "&nbsp;a&nbsp;b&nbsp;"); }

struct TPlainCase {
    const char* text;
    const char* expected;
};

class PlainText : public testing::TestWithParam<TPlainCase> {};

TEST_P(PlainText, DropsTheTags) { EXPECT_EQ(HtmlToPlainText(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Texts, PlainText,
                         testing::Values(TPlainCase{"a<BR>b<b>c</b>", "a\r\nbc"},
                                         TPlainCase{"<hr>x<br>", "\r\nx\r\n"},
                                         TPlainCase{"<FONT COLOR=\"clRed\">rot</FONT> &amp;", "rot &amp;"},
                                         TPlainCase{"plain", "plain"}, TPlainCase{"a < b", "a < b"},
                                         TPlainCase{"<i>x</i> < y", "x < y"},
                                         TPlainCase{"2 > 1<b>!</b>", "2 > 1!"}));

struct THighlightCase {
    const char* text;
    const char* search;
    bool caseSensitive;
    const char* expected;
};

class FindHighlight : public testing::TestWithParam<THighlightCase> {};

TEST_P(FindHighlight, MarksEveryVisibleOccurrence)
{
    const THighlightCase& c = GetParam();
    EXPECT_EQ(HtmlFindHighlight(c.text, c.search, "hi", c.caseSensitive), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FindHighlight,
    testing::Values(THighlightCase{"<b>abc</b> abc", "bc", true, "<b>a<hi>bc</hi></b> a<hi>bc</hi>"},
                    THighlightCase{"aa", "a", true, "<hi>a</hi><hi>a</hi>"},
                    THighlightCase{"<b>abc</b>", "a", true, "<hi><b>a</hi>bc</b>"},
                    THighlightCase{"<b>abc</b>", "bc", true, "<b>a<hi>bc</b></hi>"},
                    THighlightCase{"ABC", "b", false, "A<hi>B</hi>C"},
                    THighlightCase{"ABC", "b", true, "ABC"},
                    THighlightCase{"café <b>crème</b>", "CRÈ", false, "café <hi><b>crè</hi>me</b>"},
                    // Stray brackets are escaped; the cell's own tags stay.
                    THighlightCase{"1 > 0 <b>yes</b>", "yes", true, "1 &gt; 0 <hi><b>yes</b></hi>"},
                    THighlightCase{"x<y", "<y", true, "x<hi>&lt;y</hi>"},
                    THighlightCase{"x<y", "q", true, "x<y"}));

TEST(FindHighlight, IsUndoneByRemoveTag)
{
    for (const char* text : {"<b>abc</b> abc", "aa", "<i>A</i>bAb", "x<y", "a &lt; b", "<b>b</b> &lt; 1",
                             "R&amp;B &gt; b", "&lt;b&gt;", "x & y <b", "b&amp;lt;"})
        EXPECT_EQ(HtmlRemoveTag(HtmlFindHighlight(text, "b", "hi", false), "HI"), text) << text;
    // A stray bracket beside tags of the text's own stays escaped: it shows as it did.
    EXPECT_EQ(HtmlRemoveTag(HtmlFindHighlight("1 > 0 <b>yes</b>", "yes", "hi", false), "hi"),
              "1 &gt; 0 <b>yes</b>");
}

// A text without tags is shown as it stands, so once tagged all its "&", "<" and ">" are
// entities; a text that holds no tag is never changed by the removal.
TEST(FindHighlight, WritesAPlainTextsEntitiesAsText)
{
    EXPECT_EQ(HtmlFindHighlight("if a &lt; b then x", "x", "hi", true), "if a &amp;lt; b then <hi>x</hi>");
    EXPECT_EQ(HtmlFindHighlight("a &lt; b", "lt", "hi", true), "a &amp;<hi>lt</hi>; b");
    EXPECT_EQ(HtmlFindHighlight("a &lt; b", "q", "hi", true), "a &lt; b");
    for (const char* text : {"a &lt; b", "<b>1 &gt; 0</b>", "x &amp; y"})
        EXPECT_EQ(HtmlRemoveTag(text, "hi"), text) << text;
}

TEST(FindHighlight, LooksForTheEndOfATagOnceAmongManyStrayBrackets)
{
    // Each "<" searched the rest of the text for its ">": 50,000 of them took seconds.
    const std::string brackets(50000, '<');
    std::string escaped;
    for (int i = 0; i < 50000; ++i)
        escaped += "&lt;";
    EXPECT_EQ(HtmlFindHighlight(brackets + "ab", "b", "hi", true), escaped + "a<hi>b</hi>");
}

TEST(RemoveTag, RemovesNestedLeftoversAndUnescapes)
{
    EXPECT_EQ(HtmlRemoveTag("<h<hi>i>a</HI> &lt;b&gt;", "hi"), "a <b>");
    EXPECT_EQ(HtmlRemoveTag("<</hi>hi>x</h</Hi>i>", "hi"), "x");
    EXPECT_EQ(HtmlRemoveTag("<h i>", "hi"), "<h i>");
    // Ten thousand levels took one pass over the text each.
    std::string nested = "a";
    for (int i = 0; i < 10000; ++i)
        nested += "<h";
    nested += "<hi>";
    for (int i = 0; i < 10000; ++i)
        nested += "i>";
    EXPECT_EQ(HtmlRemoveTag(nested + "b", "hi"), "ab");
}

TEST(HighlightColors, StartAsTheGridsDefaultsAndAreKeptUntilSetAgain)
{
    EXPECT_EQ(HtmlHighlightColor(), clHighlight);
    EXPECT_EQ(HtmlHighlightTextColor(), clHighlightText);
    SetHtmlHighlightColors(clYellow, clNavy);
    EXPECT_EQ(HtmlHighlightColor(), clYellow);
    EXPECT_EQ(HtmlHighlightTextColor(), clNavy);
    SetHtmlHighlightColors(clHighlight, clHighlightText);
}
} // namespace
