#include <gtest/gtest.h>

#include <functional>

#include "grid/foundation/markup/LineBreakText.h"

namespace {

using namespace std::string_literals;

struct EncodingCase {
    const char* name;
    std::function<std::string(const std::string&)> encode;
    std::string text;
    std::string expected;
};

class LineBreakEncodings : public testing::TestWithParam<EncodingCase> {};

TEST_P(LineBreakEncodings, GiveTheirForm)
{
    EXPECT_EQ(GetParam().encode(GetParam().text), GetParam().expected) << GetParam().name;
}

const auto firstLine = [](const std::string& s) { return TabToCr(s, true); };
const auto wholeText = [](const std::string& s) { return TabToCr(s, false); };

INSTANTIATE_TEST_SUITE_P(Cases, LineBreakEncodings,
                         testing::Values(EncodingCase{"escaped", EncodeNewlinesEscaped, "a\r\nb", "a\\nb"},
                                         EncodingCase{"unescaped", DecodeEscapedNewlines, "a\\nb\\n",
                                                      "a\rb\r"},
                                         EncodingCase{"csv", QuoteMultilineCsv, "a\r\nb", "\"a\vb\""},
                                         EncodingCase{"csv plain", QuoteMultilineCsv, "ab", "\"ab\""},
                                         EncodingCase{"vt", VerticalTabToCrLf, "a\vb", "a\r\nb"},
                                         EncodingCase{"tilde", CrLfToTilde, "a\r\nb\r\n", "a~b~"},
                                         EncodingCase{"from tilde", TildeToCrLf, "a~b", "a\r\nb"},
                                         EncodingCase{"caret", TildeToCrLf, "^", ""},
                                         EncodingCase{"caret in text", TildeToCrLf, "^~", "^\r\n"},
                                         EncodingCase{"tab", CrToTab, "a\r\n\0b"s,
                                                      "a\t\b\x01"
                                                      "b"},
                                         EncodingCase{"tab without cr", CrToTab, "a\n\0b"s, "a\n\0b"s},
                                         EncodingCase{"from tab", wholeText,
                                                      "a\t\b\x01"
                                                      "b\tc",
                                                      "a\r\n\0b\rc"s},
                                         EncodingCase{"from tab first line", firstLine, "a\t\bb", "a"},
                                         EncodingCase{"from tab without 8", wholeText, "a\tb", "a\tb"},
                                         EncodingCase{"html", LineBreaksToHtml, "a\r\nb", "a<br>\nb"},
                                         EncodingCase{"crlf to lf", CrLfToLf, "a\r\nb\rc", "a\nb\rc"},
                                         EncodingCase{"remove cr", RemoveCr, "a\r\nb\r", "a\nb"},
                                         EncodingCase{"cr to lf", CrToLf, "a\r\nb", "a\n\nb"}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(LineBreakText, CellTextsSurviveTheirRoundTrips)
{
    const std::string text = "first\r\nsecond line\r\nthird";
    EXPECT_EQ(VerticalTabToCrLf(QuoteMultilineCsv(text)), "\"" + text + "\"");
    EXPECT_EQ(TildeToCrLf(CrLfToTilde(text)), text);
    EXPECT_EQ(TabToCr(CrToTab(text), false), text);
}

} // namespace
