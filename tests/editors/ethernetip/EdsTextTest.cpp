#include <gtest/gtest.h>

#include "EdsSnippet.h"
#include "editors/ethernetip/EdsText.h"

namespace {
struct SplitCase {
    const char* text;
    std::vector<std::string> fields;  // the fields' texts, quotes removed
};

class EdsFieldSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(EdsFieldSplit, CutsOnlyOutsideQuotedStrings)
{
    const SplitCase c = GetParam();
    std::vector<std::string> texts;
    for (const TEdsField& field : SplitEdsFields(c.text))
        texts.push_back(field.Text);
    EXPECT_EQ(texts, c.fields) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, EdsFieldSplit,
                         testing::Values(SplitCase{"", {}}, SplitCase{"a", {"a"}},
                                         SplitCase{" a , b", {" a ", " b"}}, SplitCase{"a,", {"a", ""}},
                                         SplitCase{",,", {"", "", ""}},
                                         SplitCase{R"("Owner, main",2)", {"Owner, main", "2"}},
                                         SplitCase{R"("a;b$c[d]e",x)", {"a;b$c[d]e", "x"}},
                                         SplitCase{R"( "abc" "def" ,1)", {"abcdef", "1"}},
                                         SplitCase{R"("say ""hi""",1)", {R"(say "hi")", "1"}},
                                         SplitCase{R"("",1)", {"", "1"}},
                                         SplitCase{R"("Valve 1/2\" flow",2)", {R"(Valve 1/2" flow)", "2"}},
                                         SplitCase{R"("C:\\dir\\",x)", {R"(C:\dir\)", "x"}},
                                         SplitCase{R"("a\",b",c)", {R"(a",b)", "c"}}));

TEST(EdsComment, IsCutOutsideQuotedStringsOnly)
{
    EXPECT_EQ(StripEdsComment("  Name = \"US$ 5\"; $ price  "), "Name = \"US$ 5\";");
    EXPECT_EQ(StripEdsComment("\t$ only a comment"), "");
    EXPECT_EQ(StripEdsComment("Key = 1;"), "Key = 1;");
}

TEST(EdsDocument, GathersEntriesOverLinesAndSeveralPerLine)
{
    const TEdsDocument eds = EdsFromText("[File]\n"
                                         "  DescText = \"a; b\"  $ not; the end\n"
                                         "     \"$ c\";\n"
                                         "  A = 1; B = 2;\n"
                                         "  Open = 7\n"
                                         "[Device]\n"
                                         "  VendCode = 5;\n");
    const TEdsSection* file = eds.Section("File");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->Entries().size(), 4u);
    EXPECT_EQ(file->Find("DescText")->Value, "\"a; b\" \"$ c\"");
    EXPECT_EQ(file->Find("A")->Value, "1");
    EXPECT_EQ(file->Find("B")->Value, "2");
    // An entry left open ends with its section.
    EXPECT_EQ(file->Find("Open")->Value, "7");
    EXPECT_EQ(eds.Find("Device", "VendCode")->Value, "5");
}

TEST(EdsDocument, EndsLinesAtCarriageReturnsLineFeedsOrBoth)
{
    // An open string ends with its line, so a line end that is missed shows in the value.
    const TEdsDocument eds = EdsFromText("[S]\r\nA = \"x\r 1;\rB = \"y\r\n 2;\n\rC = 3;");
    EXPECT_EQ(eds.Find("S", "A")->Value, "\"x\" 1");
    EXPECT_EQ(eds.Find("S", "B")->Value, "\"y\" 2");
    EXPECT_EQ(eds.Find("S", "C")->Value, "3");
}

TEST(EdsDocument, MatchesSectionsAndKeysInAnyLetterCase)
{
    const TEdsDocument eds =
        EdsFromText("[PARAMS]\nparam1 = 1;\nParam1 = 2;\n[Assembly]\n[params]\nPARAM2 = 3;");
    EXPECT_EQ(eds.Find("Params", "Param1")->Value, "1");  // the first of equal keys
    EXPECT_EQ(eds.Find("params", "param2")->Value, "3");  // both places of the section
    EXPECT_EQ(eds.Find("Device", "VendCode"), nullptr);
    EXPECT_EQ(eds.Find("Assembly", "Param1"), nullptr);
}

TEST(EdsDocument, ReadsFiftyThousandEntriesOnOneLine)
{
    // Copying the rest of the line for each entry made this take seconds.
    std::string line;
    for (int i = 0; i < 50000; ++i)
        line += "K" + std::to_string(i) + "=" + std::to_string(i) + ";";
    const TEdsDocument eds = EdsFromText("[S]\n" + line);
    ASSERT_NE(eds.Section("S"), nullptr);
    EXPECT_EQ(eds.Section("S")->Entries().size(), 50000u);
    EXPECT_EQ(eds.Find("S", "K0")->Value, "0");
    EXPECT_EQ(eds.Find("S", "K49999")->Value, "49999");
}

// An escaped quote neither ends a string nor lets a ";" or "$" inside it end the entry.
TEST(EdsDocument, ReadsEscapedQuotesInsideStrings)
{
    const TEdsDocument eds = EdsFromText("[S]\n"
                                         "A = \"1/2\\\" valve; $ not a comment\", 1;\n"
                                         "B = \"ends in a backslash\\\n"
                                         "  , 2;\n"
                                         "C = 3;\n");
    const std::vector<TEdsField> fields = SplitEdsFields(eds.Find("S", "A")->Value);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0].Text, "1/2\" valve; $ not a comment");
    EXPECT_EQ(fields[1].Trimmed(), "1");
    // A string left open by a backslash still ends with its line.
    ASSERT_NE(eds.Find("S", "B"), nullptr);
    EXPECT_EQ(SplitEdsFields(eds.Find("S", "B")->Value).size(), 2u);
    ASSERT_NE(eds.Find("S", "C"), nullptr);
    EXPECT_EQ(eds.Find("S", "C")->Value, "3");
}

TEST(EdsDocument, EndsAStringLeftOpenWithItsLine)
{
    const TEdsDocument eds = EdsFromText("[S]\nA = \"a, b\n , c;\nB = 2;");
    const std::vector<TEdsField> fields = SplitEdsFields(eds.Find("S", "A")->Value);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0].Text, "a, b");
    EXPECT_EQ(eds.Find("S", "B")->Value, "2");
}
} // namespace
