#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

TEST(Strings, CountCharactersNotBytes)
{
    const std::string text = "Größe ¶ x";
    EXPECT_EQ(Length(text), 9);
    EXPECT_EQ(Copy(text, 2, 3), "röß");
    EXPECT_EQ(Pos("¶", text), 7);
    EXPECT_EQ(Pos("x", text, 8), 9);
    EXPECT_EQ(Pos("G", text, 2), 0);
    EXPECT_EQ(Copy(text, 8, 100), " x");
    EXPECT_EQ(Copy(text, 0, 2), "Gr");
    EXPECT_EQ(Copy(text, 10, 1), "");
    EXPECT_EQ(AnsiUpperCase("größe"), "GRÖSSE");
    EXPECT_EQ(UpperCase("größe"), "GRößE");
}

TEST(Strings, TrimRemovesControlsAndBlanksButNotNoBreakSpace)
{
    EXPECT_EQ(Trim("\t a b \r\n"), "a b");
    EXPECT_EQ(Trim("\xC2\xA0" "a"), "\xC2\xA0" "a");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
}

TEST(Strings, ReplaceAndCompare)
{
    EXPECT_EQ(StringReplace("a.b.c", ".", "::", rfReplaceAll), "a::b::c");
    EXPECT_EQ(StringReplace("a.b.c", ".", "", 0), "ab.c");
    EXPECT_EQ(StringReplace("AbAB", "ab", "x", rfReplaceAll | rfIgnoreCase), "xx");
    EXPECT_TRUE(SameText("Param1", "PARAM1"));
    EXPECT_LT(CompareText("a", "B"), 0);
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToStr(-42), "-42");
}

TEST(Format, FormatsTypedArgumentsAndRefusesMismatches)
{
    EXPECT_EQ(Format("%d-%s-%x", {12, "ab", 255}), "12-ab-FF");
    EXPECT_EQ(Format("%.4X|%5d|%-4s|", {26, -3, "é"}), "001A|   -3|é   |");
    EXPECT_EQ(Format("%.2f %%", {1.005}), "1.00 %");
    EXPECT_THROW(Format("%d", {"text"}), EConvertError);
    EXPECT_THROW(Format("%s %s", {"one"}), EConvertError);
    EXPECT_EQ(Format("%*d|%.*f", {3, 7, 1, 2.25}), "  7|2.2");
    EXPECT_THROW(Format("%99999999999d", {1}), EConvertError);
    EXPECT_THROW(Format("%.99999s", {"x"}), EConvertError);
}

TEST(Floats, FollowTheDecimalSeparatorOfTheFormatSettings)
{
    double v = 0;
    EXPECT_TRUE(TryStrToFloat("1.5", v));
    EXPECT_EQ(v, 1.5);
    FormatSettings().DecimalSeparator = ',';
    EXPECT_TRUE(TryStrToFloat("1,5", v));
    EXPECT_FALSE(TryStrToFloat("1.5", v));
    EXPECT_EQ(FloatToStr(2.25), "2,25");
    FormatSettings().ThousandSeparator = '.';
    EXPECT_EQ(Format("%.2n|%.0n|%.1n|%.0n", {-1234567.5, 999.0, 1000.75, 12.0}), "-1.234.567,50|999|1.000,8|12");
    FormatSettings().ThousandSeparator = ',';
    FormatSettings().DecimalSeparator = '.';
    EXPECT_FALSE(TryStrToFloat("", v));
    EXPECT_FALSE(TryStrToFloat("1e", v));
}
