#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/xml/XMLDoc.h"
#include "support/TestFiles.h"

namespace {
// Every element from first on, with its descendants, as "path=text;" in document order, so
// that what a load kept shows whole.
void Flatten(const TXMLNode& first, const std::string& path, std::string& out)
{
    for (TXMLNode node = first; node; node = node.NextSibling()) {
        if (node.NodeType() != TXMLNodeType::ntElement) continue;
        const std::string here = path + "/" + node.NodeName();
        out += here + "=" + node.Text() + ";";
        Flatten(node.FirstChild(), here, out);
    }
}

std::string Load_Error(TXMLDocument& doc, const std::string& path)
{
    try {
        doc.LoadFromFile(path);
    } catch (const EXMLDocError& e) {
        return e.Message();
    }
    return "";
}

struct DamageCase {
    const char* name;
    const char* xml;
    const char* damage;   // after "Some.xml: the file is damaged "
    const char* readable; // what LoadReadablePart keeps
};

class XMLDamage : public testing::TestWithParam<DamageCase> {};
} // namespace

TEST_P(XMLDamage, IsNamedInWordsAndOnlyWholeElementsAreKept)
{
    const DamageCase& c = GetParam();
    TempDir dir;
    WriteTestFile(dir.File("Some.xml"), c.xml);
    const std::string message = std::string("Some.xml: the file is damaged ") + c.damage;

    TXMLDocument doc;
    EXPECT_EQ(Load_Error(doc, dir.File("Some.xml")), message);
    EXPECT_FALSE(doc.DocumentElement());

    EXPECT_EQ(doc.LoadReadablePart(dir.File("Some.xml")), message);
    std::string kept;
    Flatten(doc.ChildNodes()[0], "", kept);
    EXPECT_EQ(kept, c.readable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XMLDamage,
    testing::Values(
        DamageCase{"CutInsideAValue", "<S>\n<p><n>Plant1</n></p>\n<ip><a>10.0.",
                   "(line 3: the file ends too early)", "/S=;/S/p=;/S/p/n=Plant1;"},
        DamageCase{"CutAfterAnEndTag", "<S><p>x</p><q>y</q>\n", "(line 1: the file ends too early)",
                   "/S=;/S/p=x;/S/q=y;"},
        DamageCase{"CutInsideAnEndTag", "<S><p>x</p></S", "(line 1: the file ends too early)", "/S=;/S/p=x;"},
        DamageCase{"CutInsideAStartTag", "<S><p>x</p><q", "(line 1: the file ends too early)", "/S=;/S/p=x;"},
        DamageCase{"CutInsideAnAttribute", "<S><p>x</p><q k=\"1", "(line 1: the file ends too early)",
                   "/S=;/S/p=x;"},
        DamageCase{"CutInsideAComment", "<S><p>x</p><!-- note", "(line 1: the file ends too early)",
                   "/S=;/S/p=x;"},
        DamageCase{"AttributeWithoutQuotes", "<S><p>x</p>\n<q k=1/></S>",
                   "(line 2: an attribute is malformed)", "/S=;/S/p=x;"},
        DamageCase{"BrokenComment", "<S><p>x</p><!- note --></S>", "(line 1: a comment is malformed)",
                   "/S=;/S/p=x;"},
        DamageCase{"UnknownTag", "<S><p>x</p><1/></S>", "(line 1: a tag is not recognised)", "/S=;/S/p=x;"},
        DamageCase{"LastElementClosesItself", "<S><p>x</p><q k=\"</p>\"/>",
                   "(line 1: the file ends too early)", "/S=;/S/p=x;/S/q=;"},
        DamageCase{"TagsDoNotMatch", "<S>\n<p>x</q>\n<r>y</r></S>",
                   "(line 2: start and end tags do not match)", ""},
        DamageCase{"EmptyFile", "", "(line 1: the file is empty)", ""},
        DamageCase{"NoElement", "just words", "(line 1: there is no element in it)", ""}),
    [](const testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST(XMLDamageOfText, NamesTheTextAndAWholeFileLoadsWhole)
{
    TXMLDocument doc;
    try {
        doc.LoadFromXML("<a>\n\n<b></a>");
        FAIL() << "a broken text loaded";
    } catch (const EXMLDocError& e) {
        EXPECT_EQ(e.Message(), "The XML text is damaged (line 3: start and end tags do not match)");
    }
    TempDir dir;
    WriteTestFile(dir.File("Whole.xml"), "<S><p>x</p></S>");
    EXPECT_EQ(doc.LoadReadablePart(dir.File("Whole.xml")), "");
    EXPECT_EQ(doc.DocumentElement().Child("p").Text(), "x");
}

// A hostile file costs one pass: each element cut open is looked at once.
TEST(XMLDamageOfText, DeeplyNestedCutFileKeepsItsWholeInnermostElement)
{
    const int depth = 200000;
    std::string xml;
    for (int i = 0; i < depth; ++i) xml += "<a>";
    xml += "<b>x</b>";
    TempDir dir;
    WriteTestFile(dir.File("Deep.xml"), xml);
    TXMLDocument doc;
    EXPECT_EQ(doc.LoadReadablePart(dir.File("Deep.xml")),
              "Deep.xml: the file is damaged (line 1: the file ends too early)");
    int levels = 0;
    TXMLNode node = doc.DocumentElement();
    for (; node.NodeName() == "a"; node = node.FirstChild()) ++levels;
    EXPECT_EQ(levels, depth);
    EXPECT_EQ(node.NodeName() + "=" + node.Text(), "b=x");
}
