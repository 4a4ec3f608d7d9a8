#include <gtest/gtest.h>

#include "grid/foundation/markup/HtmlColors.h"
#include "grid/foundation/markup/HtmlMarkup.h"
#include "grid/foundation/markup/HtmlTagAttributes.h"

namespace {
using K = THtmlTagKind;

struct TTagCase {
    const char* tag;
    THtmlTagKind kind;
};

class TagKinds : public testing::TestWithParam<TTagCase> {};

TEST_P(TagKinds, AreRecognisedByTheirFirstLetters)
{
    EXPECT_EQ(ClassifyHtmlTag(GetParam().tag), GetParam().kind) << GetParam().tag;
}

// One case per row of the opening and closing tag tables, then tags that match no rule.
INSTANTIATE_TEST_SUITE_P(
    Opening, TagKinds,
    testing::Values(TTagCase{"<B>", K::Bold}, TTagCase{"<BR>", K::LineBreak}, TTagCase{"<blink>", K::Blink},
                    TTagCase{"<BODY BGCOLOR=\"clRed\">", K::Body}, TTagCase{"<i>", K::Italic},
                    TTagCase{"<IN x=\"5\">", K::Indent}, TTagCase{"<IMG SRC=\"a\">", K::Image},
                    TTagCase{"<U>", K::Underline}, TTagCase{"<UL>", K::ListStart},
                    TTagCase{"<LI>", K::ListItem}, TTagCase{"<S>", K::Strike}, TTagCase{"<SH>", K::Shadow},
                    TTagCase{"<sub>", K::Subscript}, TTagCase{"<SUP>", K::Superscript},
                    TTagCase{"<FONT SIZE=\"3\">", K::Font}, TTagCase{"<A HREF=\"x\">", K::Anchor},
                    TTagCase{"<P ALIGN=\"RIGHT\">", K::Paragraph}, TTagCase{"<HI>", K::Highlight},
                    TTagCase{"<HR>", K::Rule}, TTagCase{"<E>", K::ErrorMark}, TTagCase{"<Z>", K::Hidden},
                    TTagCase{"<R a=\"45\">", K::Rotate}, TTagCase{"<CONTROL TYPE=\"EDIT\">", K::Control}));

INSTANTIATE_TEST_SUITE_P(Closing, TagKinds,
                         testing::Values(TTagCase{"</B>", K::BoldEnd}, TTagCase{"</BLINK>", K::BlinkEnd},
                                         TTagCase{"</I>", K::ItalicEnd}, TTagCase{"</u>", K::UnderlineEnd},
                                         TTagCase{"</UL>", K::ListEnd}, TTagCase{"</LI>", K::ListItemEnd},
                                         TTagCase{"</SUB>", K::SubSupEnd}, TTagCase{"</SUP>", K::SubSupEnd},
                                         TTagCase{"</SH>", K::ShadowEnd}, TTagCase{"</S>", K::StrikeEnd},
                                         TTagCase{"</FONT>", K::FontEnd}, TTagCase{"</A>", K::AnchorEnd},
                                         TTagCase{"</P>", K::ParagraphEnd},
                                         TTagCase{"</HI>", K::HighlightEnd},
                                         TTagCase{"</E>", K::ErrorMarkEnd}, TTagCase{"</Z>", K::HiddenEnd},
                                         TTagCase{"</R>", K::RotateEnd}));

INSTANTIATE_TEST_SUITE_P(Unknown, TagKinds,
                         testing::Values(TTagCase{"<SPAN>", K::None}, TTagCase{"<HTML>", K::None},
                                         TTagCase{"<BX>", K::None}, TTagCase{"<IX>", K::None},
                                         TTagCase{"</>", K::None}, TTagCase{"</X>", K::None},
                                         TTagCase{"<>", K::None}, TTagCase{"<#>", K::None}));

struct TTokenCase {
    const char* rest;
    bool wordWrap;
    THtmlTokenKind kind;
    size_t length;
};

class Tokens : public testing::TestWithParam<TTokenCase> {};

TEST_P(Tokens, CutTheTextIntoRunsAndTags)
{
    const THtmlToken token = NextHtmlToken(GetParam().rest, GetParam().wordWrap);
    EXPECT_EQ(token.Kind, GetParam().kind) << GetParam().rest;
    if (token.Kind != THtmlTokenKind::End) {
        EXPECT_EQ(token.Length, GetParam().length) << GetParam().rest;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, Tokens,
                         testing::Values(TTokenCase{"two words<B>", false, THtmlTokenKind::Run, 9},
                                         TTokenCase{"two words<B>", true, THtmlTokenKind::Run, 4},
                                         TTokenCase{"a&nbsp;b c", true, THtmlTokenKind::Run, 9},
                                         TTokenCase{"plain", true, THtmlTokenKind::Run, 5},
                                         TTokenCase{"<B>bold", true, THtmlTokenKind::Tag, 3},
                                         TTokenCase{"< b", true, THtmlTokenKind::End, 0},
                                         TTokenCase{"<b", true, THtmlTokenKind::End, 0},
                                         TTokenCase{"<é", true, THtmlTokenKind::End, 0},
                                         TTokenCase{"", true, THtmlTokenKind::End, 0}));

struct TPrepareCase {
    const char* text;
    const char* expected;
};

class Prepare : public testing::TestWithParam<TPrepareCase> {};

TEST_P(Prepare, ReplacesEntitiesAndLineBreaks)
{
    EXPECT_EQ(PrepareHtmlText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Prepare,
    testing::Values(TPrepareCase{"a &amp; b &AMP; c", "a && b && c"},
                    TPrepareCase{"&quot;&sect;&permil;&reg;", "\"§‰®"},
                    TPrepareCase{"&copy;&para;&trade;&EURO;", "©¶™€"},
                    TPrepareCase{"<#0000FF> is blue", "#0000FF is blue"},
                    TPrepareCase{"a\r\nb\rc\nd", "a<BR>b<BR>cd"},
                    TPrepareCase{"&lt;kept&gt;", "&lt;kept&gt;"},
                    // Attribute values keep their entities.
                    TPrepareCase{"&amp;<C VALUE=\"a&quot;b&amp;\">&amp;", "&&<C VALUE=\"a&quot;b&amp;\">&&"},
                    TPrepareCase{"x &amp; <y &amp;", "x && <y &&"},
                    // Each entity is decoded once: what it becomes is text.
                    TPrepareCase{"&amp;quot;", "&&quot;"}, TPrepareCase{"&amp;amp;", "&&amp;"},
                    TPrepareCase{"<#a<#b>>", "#a<#b>"}));

TEST(Markup, DecodesTenThousandNestedAmpersandsOnce)
{
    // Decoding until nothing changed took one pass per level: seconds for this text.
    std::string text = "&";
    for (int i = 0; i < 10000; ++i)
        text += "amp;";
    EXPECT_EQ(PrepareHtmlText(text), "&&" + text.substr(5));
}

TEST(Markup, RunEntities)
{
    EXPECT_EQ(ReplaceRunEntities("a&nbsp;&lt;b&gt;"), "a <b>");
    // "&&" is an ampersand decoded before: "&amp;lt;" shows "&lt;", not "&<".
    EXPECT_EQ(ReplaceRunEntities(PrepareHtmlText("&amp;lt;")), "&&lt;");
    EXPECT_EQ(ReplaceRunEntities("&&&lt;"), "&&<");
}

TEST(Markup, TagNumbersAreHeldToScreenSizes)
{
    EXPECT_EQ(ParseParagraphTag("<P INDENT=\"2147483647\">").Indent, kMaxHtmlPixels);
    EXPECT_EQ(ParseParagraphTag("<P INDENT=\"-2147483647\">").Indent, -kMaxHtmlPixels);
    EXPECT_EQ(ParseIndentTag("<IN x=\"2147483647\">"), kMaxHtmlPixels);
    EXPECT_EQ(ParseImageTag("<IMG WIDTH=\"99999999999\">").Width, kMaxHtmlPixels);
    EXPECT_EQ(ParseFontTag("<FONT SIZE=\"2147483647\">").Points, 1638);
    // Whole turns are dropped: 2147483647 degrees turn as far as 127.
    EXPECT_EQ(ParseRotateTag("<R a=\"2147483647\">"), 127);
    EXPECT_EQ(ParseRotateTag("<R a=\"-370\">"), -10);
}

TEST(Markup, FontTag)
{
    const THtmlFontTag font =
        ParseFontTag("<FONT FACE=\"Arial\" BGCOLOR=\"clYellow\" COLOR=\"#FF0000\" SIZE=\"3\">");
    EXPECT_EQ(font.Face, "Arial");
    EXPECT_EQ(font.Color, "#FF0000");
    EXPECT_EQ(font.BackgroundColor, "clYellow");
    EXPECT_EQ(font.Points, 12);
    EXPECT_EQ(ParseFontTag("<FONT SIZE=\"20\">").Points, 20);
    EXPECT_EQ(ParseFontTag("<FONT SIZE=\"1\">").Points, 8);
    EXPECT_EQ(ParseFontTag("<FONT BGCOLOR=\"clRed\">").Color, std::nullopt); // BGCOLOR is not COLOR
}

TEST(Markup, ParagraphTag)
{
    EXPECT_EQ(ParseParagraphTag("<P ALIGN=\"right\">").Align, taRightJustify);
    EXPECT_EQ(ParseParagraphTag("<P ALIGN=\"CENTER\" INDENT=\"12\">").Align, taCenter);
    EXPECT_EQ(ParseParagraphTag("<P ALIGN=\"CENTER\" INDENT=\"12\">").Indent, 12);
    EXPECT_EQ(ParseParagraphTag("<P>").Align, std::nullopt);
    EXPECT_EQ(ParseParagraphTag("<P BGCOLOR=\"\">").BackgroundColor, "");
}

TEST(Markup, AnchorImageBodyIndentRotate)
{
    const THtmlAnchorTag anchor = ParseAnchorTag("<a href=\"Go.html\" title=\"Go there\">");
    EXPECT_EQ(anchor.Href, "Go.html");
    EXPECT_EQ(anchor.Title, "Go there");
    EXPECT_EQ(ParseAnchorTag("<A TITLE=\"t\">").Href, std::nullopt);

    const THtmlImageTag image =
        ParseImageTag("<IMG SRC=\"idx:2\" ALT=\"Pic\" WIDTH=\"16\" ALIGN=\"middle\">");
    EXPECT_EQ(image.Source, "idx:2");
    EXPECT_EQ(image.AltSource, "Pic");
    EXPECT_EQ(image.Width, 16);
    EXPECT_EQ(image.Height, std::nullopt);
    EXPECT_EQ(image.Align, THtmlImageAlign::Middle);
    EXPECT_EQ(ParseImageTag("<IMG SRC=\"TOP.png\">").Align, THtmlImageAlign::Bottom);

    EXPECT_EQ(ParseBodyTag("<BODY BACKGROUND=\"tile\" BGCOLOR=\"#00FF00\">").Background, "tile");
    EXPECT_EQ(ParseIndentTag("<IN x=\"40\">"), 40);
    EXPECT_EQ(ParseIndentTag("<IN X=\"4o\">"), std::nullopt);
    EXPECT_EQ(ParseRotateTag("<R a=\"45\">"), 45);
    EXPECT_EQ(ParseRotateTag("<R>"), 0);
}

struct TColorCase {
    const char* value;
    TColor color;
};

class Colors : public testing::TestWithParam<TColorCase> {};

TEST_P(Colors, ReadHexAndNames) { EXPECT_EQ(HtmlColorValue(GetParam().value), GetParam().color); }

INSTANTIATE_TEST_SUITE_P(Values, Colors,
                         testing::Values(TColorCase{"#FF0000", 0x0000FF}, TColorCase{"#00ff80", 0x80FF00},
                                         TColorCase{"clRed", clRed}, TColorCase{"CLNAVY", 0x800000},
                                         TColorCase{"clHighlight", 0xFF00000D},
                                         TColorCase{"clInfoBk", 0xFF000018},
                                         TColorCase{"cl3DDkShadow", 0xFF000015},
                                         TColorCase{"clMaroon", 0x000080}, TColorCase{"clPink", clBlack},
                                         TColorCase{"", clBlack}));

struct TNumberCase {
    const char* value;
    int number;
};

class LeadingInteger : public testing::TestWithParam<TNumberCase> {};

TEST_P(LeadingInteger, ReadsTheDigitsSoFar)
{
    EXPECT_EQ(ReadLeadingInteger(GetParam().value), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Values, LeadingInteger,
                         testing::Values(TNumberCase{"12", 12}, TNumberCase{"  +7", 7}, TNumberCase{"-5", -5},
                                         TNumberCase{"-5px", 5}, TNumberCase{"$1F", 31},
                                         TNumberCase{"x10", 16}, TNumberCase{"0X1g", 1},
                                         TNumberCase{"12ab", 12}, TNumberCase{"", 0}, TNumberCase{"abc", 0},
                                         TNumberCase{"99999999999", 2147483647}));

TEST(TagAttributes, FindsNamesOutsideValuesOnly)
{
    std::string value = "unset";
    EXPECT_FALSE(FindTagAttribute("<A TITLE=\"HREF=x\">", "HREF", value));
    EXPECT_EQ(value, "unset");
    EXPECT_TRUE(FindTagAttribute("<A TITLE=\"a\" href = \"b\">", "HREF", value));
    EXPECT_EQ(value, "b");
    EXPECT_TRUE(FindTagAttribute("<IMG WIDTH=16>", "WIDTH", value));
    EXPECT_EQ(value, "");
    // Names match in any case of either side, and a tag that ends inside a name has none.
    EXPECT_TRUE(FindTagAttribute("<FONT CoLoR=\"clRed\">", "color", value));
    EXPECT_EQ(value, "clRed");
    EXPECT_FALSE(FindTagAttribute("<A HRE", "HREF", value));
    EXPECT_FALSE(FindTagAttribute("<A XHREF=\"x\">", "HREF", value));
}
} // namespace
