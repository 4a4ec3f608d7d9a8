#include <gtest/gtest.h>

#include "grid/foundation/text/ClipboardHtml.h"
#include "support/TestFiles.h"

namespace {
class ClipboardGolden : public testing::TestWithParam<const char*> {};

TEST_P(ClipboardGolden, WrapsTheFragmentWithItsOffsets)
{
    const std::string folder = std::string(TEST_DATA_DIR) + "/foundation/clipboard/" + GetParam();
    std::string text = ReadTestFile(folder + "/fragment.html");
    BuildClipboardHtml(text);
    EXPECT_EQ(text, ReadTestFile(folder + "/expected.txt"));
}

INSTANTIATE_TEST_SUITE_P(Fragments, ClipboardGolden, testing::Values("empty", "table", "accents"));

struct TLinkCase {
    const char* text;
    const char* prefix;
    bool linked;
    const char* expected;
};

class EscapeWithLinks : public testing::TestWithParam<TLinkCase> {};

TEST_P(EscapeWithLinks, EscapesAndLinksTheFirstAddress)
{
    const TLinkCase& c = GetParam();
    std::string result = "untouched";
    ASSERT_EQ(HtmlEscapeWithLinks(c.text, c.prefix, result), c.linked);
    EXPECT_EQ(result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EscapeWithLinks,
    testing::Values(TLinkCase{"see file://c/a?b=1 <now>", "FILE://", true,
                              "see <a href=\"file://c/a\">file://c/a</a>?b=1 &lt;now&gt;"},
                    TLinkCase{"HTTP://x.org/p_1 and http://y.org", "HTTP://", true,
                              "<a href=\"HTTP://x.org/p_1\">HTTP://x.org/p_1</a> and http://y.org"},
                    TLinkCase{"mail me@x.org", "MAILTO:", false, "untouched"},
                    TLinkCase{"http://ex.org/café", "HTTP://", true,
                              "<a href=\"http://ex.org/caf\">http://ex.org/caf</a>é"}));
} // namespace
