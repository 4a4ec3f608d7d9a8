#include <gtest/gtest.h>

#include "grid/foundation/text/CellText.h"

namespace {

using namespace std::string_literals;

struct TypeCase {
    std::string text;
    bool markup;
    int type;
};

class TextType : public testing::TestWithParam<TypeCase> {};

TEST_P(TextType, TellsTheKindOfACellText)
{
    EXPECT_EQ(GetTextType(GetParam().text, GetParam().markup), GetParam().type) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, TextType,
                         testing::Values(TypeCase{"", true, ttPlain}, TypeCase{"x", true, ttPlain},
                                         TypeCase{"=A1+1", false, ttFormula}, TypeCase{"<b>x", true, ttPlain},
                                         TypeCase{"<B>x", false, ttPlain}, TypeCase{"<B>x", true, ttMarkup},
                                         TypeCase{"a</i>", true, ttMarkup}, TypeCase{"<Cx", true, ttMarkup},
                                         TypeCase{"{\\rtf1}", true, ttRichText},
                                         TypeCase{"|\\\0=\0A"s, true, ttFormula},
                                         TypeCase{"|\\\0A"s, true, ttWideEncoded},
                                         TypeCase{"|\\", true, ttWideEncoded}));

TEST(WideCellText, EncodesEachCharacterAsHighAndLowByte)
{
    EXPECT_EQ(EncodeWideCellText("A"), "|\\\0A"s);
    EXPECT_EQ(EncodeWideCellText("€"), "|\\ \xC2\xAC"); // U+20AC as the characters 0x20 and 0xAC
    EXPECT_EQ(EncodeWideCellText(""), "|\\");
    for (const std::string text : {"A", "grün €", "𝄞 clef", ""})
        EXPECT_EQ(DecodeWideCellText(EncodeWideCellText(text)), text);
}

TEST(WideCellText, DecodingLeavesOtherTextsAndIgnoresAnOddLastCharacter)
{
    EXPECT_EQ(DecodeWideCellText("plain"), "plain");
    EXPECT_EQ(DecodeWideCellText("|\\\0A\0"s), "A");
}

struct ReferenceCase {
    const char* text;
    bool parses;
    int col, row;
};

class RowColReference : public testing::TestWithParam<ReferenceCase> {};

TEST_P(RowColReference, ReadsRowThenColumn)
{
    const ReferenceCase c = GetParam();
    TPoint cell{-1, -1};
    EXPECT_EQ(ParseRowColReference(c.text, cell), c.parses) << c.text;
    const TPoint expected = c.parses ? TPoint{c.col, c.row} : TPoint{-1, -1};
    EXPECT_EQ(cell, expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowColReference,
    testing::Values(ReferenceCase{"r12c3", true, 3, 12}, ReferenceCase{"R1C2", true, 2, 1},
                    ReferenceCase{"R1C", false, 0, 0}, ReferenceCase{"C1R2", false, 0, 0},
                    ReferenceCase{"RxC2", false, 0, 0}, ReferenceCase{"R1C2x", false, 0, 0},
                    ReferenceCase{"R-1C2", false, 0, 0}, ReferenceCase{"R1 C2", false, 0, 0}));

TEST(LinkText, KnowsSchemesAndStripsThem)
{
    EXPECT_TRUE(IsUrlText("see http://x.org"));
    EXPECT_TRUE(IsUrlText("mailto:a@b.c"));
    EXPECT_FALSE(IsUrlText("www.x.org"));
    std::string url = "https://x.org/a://b";
    StripUrlScheme(url);
    EXPECT_EQ(url, "x.org/a://b");
    std::string mail = "mailto:a@b.c";
    StripUrlScheme(mail);
    EXPECT_EQ(mail, "a@b.c");
    std::string plain = "plain";
    StripUrlScheme(plain);
    EXPECT_EQ(plain, "plain");
}

} // namespace
