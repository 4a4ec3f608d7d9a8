#include <gtest/gtest.h>

#include <string>

#include "platform/ui/RichTextFormat.h"

namespace {

TRichCharFormat Bold()
{
    TRichCharFormat f;
    f.Bold = true;
    return f;
}

TRichCharFormat Styled(bool italic, bool underline, bool strike, int size, TColor color, int offset)
{
    TRichCharFormat f;
    f.Italic = italic;
    f.Underline = underline;
    f.StrikeOut = strike;
    f.Size = size;
    f.Color = color;
    f.Offset = offset;
    return f;
}

} // namespace

TEST(RichTextFormat, RunsSurviveTheWayThroughRtf)
{
    const struct {
        const char* what;
        TRichRuns runs;
    } cases[] = {
        {"empty", {}},
        {"plain", {{u"plain text", {}}}},
        {"bold inside plain", {{u"a ", {}}, {u"bold", Bold()}, {u" z", {}}}},
        {"italic, underline, strike", {{u"x", Styled(true, true, true, 0, clNone, 0)}}},
        {"sizes", {{u"small", Styled(false, false, false, 8, clNone, 0)}, {u"big", Styled(false, false, false, 15, clNone, 0)}}},
        {"two colours and one again",
         {{u"r", Styled(false, false, false, 0, RGB(255, 0, 0), 0)},
          {u"b", Styled(false, false, false, 0, RGB(0, 0, 200), 0)},
          {u"R", Styled(true, false, false, 0, RGB(255, 0, 0), 0)}}},
        {"raised and lowered",
         {{u"H", {}}, {u"2", Styled(false, false, false, 0, clNone, -40)}, {u"O x", {}},
          {u"2", Styled(false, false, false, 0, clNone, 40)}}},
        {"paragraphs and tabs", {{u"one\ttwo\nthree\n", {}}, {u"\nfour", Bold()}}},
        {"characters RTF escapes", {{u"a\\b{c}d", {}}}},
        {"leading blank after a control word", {{u"  spaced", Bold()}}},
        {"beyond ASCII", {{u"caf\u00e9 \u20ac \u4e2d", {}}}},
        {"beyond the basic plane", {{u"smile \U0001F600!", Bold()}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string rtf = WriteRtf(c.runs);
        for (unsigned char ch : rtf)
            EXPECT_LT(ch, 0x80);
        const std::optional<TRichRuns> back = ReadRtf(rtf);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, c.runs) << rtf;
    }
}

TEST(RichTextFormat, ReadsWhatOtherWritersProduce)
{
    const struct {
        const char* rtf;
        const char* text;
    } cases[] = {
        {R"({\rtf1\ansi{\fonttbl{\f0\fswiss Arial;}}\f0\fs20 Hello\par World})", "Hello\r\nWorld"},
        {R"({\rtf1 caf\'e9 \'E9t\'e9})", "caf\xc3\xa9 \xc3\xa9t\xc3\xa9"},
        {R"({\rtf1 \u8364?5})", "\xe2\x82\xac" "5"},
        {R"({\rtf1\uc2 \u8364\'80\'80 5})", "\xe2\x82\xac 5"},
        {R"({\rtf1\uc0 \u-3913 x})", "\xef\x82\xb7x"},
        {R"({\rtf1 {\*\generator Riched20;}{\*\unknowndest hidden {nested}}shown})", "shown"},
        {R"({\rtf1 a\unknownword123 b\'zz c})", "abzz c"},
        {R"({\rtf1 {\stylesheet{\s0 Normal;}}{\info{\title T}}x\tab y\line z})", "x\ty\r\nz"},
        {"{\\rtf1 one\r\ntwo}", "onetwo"},
        {R"({\rtf1 non\~breaking\-hy\_phen})", "non\xc2\xa0" "breakinghy-phen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rtf);
        const std::optional<TRichRuns> runs = ReadRtf(c.rtf);
        ASSERT_TRUE(runs.has_value());
        EXPECT_EQ(RichPlainText(*runs), c.text);
    }
}

TEST(RichTextFormat, FormattingWordsSetAndClearTheFormat)
{
    const std::optional<TRichRuns> runs = ReadRtf(
        R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green128\blue0;}a{\b b\b0 c}\ul d\ulnone e\cf2 f\cf0 g\super h\nosupersub\fs28 i\plain j\cf9 k})");
    ASSERT_TRUE(runs.has_value());
    TRichRuns expected = {{u"a", {}}, {u"b", Bold()}, {u"c", {}}};
    TRichCharFormat f;
    f.Underline = true;
    expected.push_back({u"d", f});
    expected.push_back({u"e", {}});
    f = {};
    f.Color = RGB(0, 128, 0);
    expected.push_back({u"f", f});
    expected.push_back({u"g", {}});
    f = {};
    f.Offset = 40;
    expected.push_back({u"h", f});
    f = {};
    f.Size = 14;
    expected.push_back({u"i", f});
    // A colour missing from the table is the automatic one.
    expected.push_back({u"jk", {}});
    EXPECT_EQ(*runs, expected);
}

TEST(RichTextFormat, MalformedDocumentsAreReadWithoutHarm)
{
    const struct {
        std::string rtf;
        const char* text;
    } cases[] = {
        {"{\\rtf1 cut at a backslash\\", "cut at a backslash"},
        {"{\\rtf1 half a hex \\'4", "half a hex "},
        {"{\\rtf1 no hex \\'", "no hex "},
        {"{\\rtf1 unicode at the end \\u", "unicode at the end "},
        {"{\\rtf1 minus only \\u- x", "minus only - x"},
        {"{\\rtf1 stand-in cut \\u233\\'", "stand-in cut \xc3\xa9"},
        {"{\\rtf1 a}}}}} b", "a b"},
        {"{\\rtf1 {{{{{{{{{{{{deep", "deep"},
        {"{\\rtf1 \\fs999999999999999999999 big \\u99999999999999 \\uc99999999 x", "big \xef\xbf\xbdx"},
        {"{\\rtf1 " + std::string(100, 'w') + "longword \\" + std::string(200, 'q') + " end", nullptr},
        {std::string("{\\rtf1 nul\0byte", 15), nullptr},
        {"{\\rtf1 {\\colortbl;\\red999\\green-5\\blue;", ""},
        {"{\\rtf1 {\\*", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rtf);
        const std::optional<TRichRuns> runs = ReadRtf(c.rtf);
        ASSERT_TRUE(runs.has_value());
        if (c.text) {
            EXPECT_EQ(RichPlainText(*runs), c.text);
        }
    }
}

TEST(RichTextFormat, TextThatIsNoRtfIsNotRead)
{
    for (const char* text : {"", "plain", " {\\rtf1 x}", "{\\rt", "{rtf1}"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ReadRtf(text).has_value());
    }
}
