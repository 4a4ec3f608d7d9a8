#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "../control/GridOnForm.h"
#include "grid/control/settings/HTMLSettings.h"
#include "grid/services/HtmlExport.h"
#include "platform/os/FileSystem.h"
#include "platform/os/Shell.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/CodePage.h"
#include "support/CameraJpeg.h"
#include "support/TestFiles.h"

namespace {

class HtmlExportTest : public GridOnForm {
protected:
    // The TD lines of the export, in order.
    std::vector<std::string> CellLines(const std::string& Html)
    {
        std::vector<std::string> lines;
        for (size_t at = Html.find("<TD "); at != std::string::npos; at = Html.find("<TD ", at + 1))
            lines.push_back(Html.substr(at, Html.find("\r\n", at) - at));
        return lines;
    }
    static size_t Count(const std::string& Text, const std::string& Part)
    {
        size_t n = 0;
        for (size_t at = Text.find(Part); at != std::string::npos; at = Text.find(Part, at + 1)) ++n;
        return n;
    }

    TempDir dir;
};

TEST_F(HtmlExportTest, ATwoByTwoGridGivesTheStyleBlockAndTable)
{
    FillPlain({{"a", "b"}, {"c", "d"}});
    grid->SetAlignments(1, 1, taRightJustify);
    const std::string html = grid->SaveToHTMLString("");
    EXPECT_EQ(html, ReadTestFile(std::string(TEST_DATA_DIR) + "/services/golden/table_2x2.html")) << html;
}

} // namespace

namespace {

TEST_F(HtmlExportTest, MergedCellsAreWrittenOnceWithTheirSpans)
{
    FillPlain({{"m", "1", "2"}, {"3", "4", "5"}, {"6", "7", "8"}});
    grid->MergeCells(0, 0, 2, 3);
    const auto lines = CellLines(grid->SaveToHTMLString(""));
    ASSERT_EQ(lines.size(), 4u);  // nine cells less the five covered ones
    EXPECT_EQ(lines[0], "<TD class=\"c0\" COLSPAN=\"2\" ROWSPAN=\"3\">m</td>");
    EXPECT_EQ(lines[1], "<TD class=\"c0\">2</td>");
}

TEST_F(HtmlExportTest, CellTextsByTheSettings)
{
    struct TCase {
        std::string Text;
        bool Convert, NonBreaking, URLShow, URLFull;
        std::string Content;
    };
    const TCase cases[] = {
        {"a<b", false, false, false, false, "a<b"},
        {"a<b", true, false, false, false, "a&lt;b"},
        {"a b", false, true, false, false, "a&nbsp;b"},
        {"   ", false, false, false, false, "&nbsp;"},
        {"x\ry", false, false, false, false, "x<br>y"},
        {"http://vantrel.example/a", false, false, true, false,
         "<a href=\"http://vantrel.example/a\">vantrel.example/a</a>"},
        {"http://vantrel.example/a", false, false, true, true,
         "<a href=\"http://vantrel.example/a\">http://vantrel.example/a</a>"},
        {"mailto:info@vantrel.example", false, false, true, false,
         "<a href=\"mailto:info@vantrel.example\">info@vantrel.example</a>"},
        // A text cannot break out of the link's target.
        {"http://x\" onclick=\"y", false, false, true, false,
         "<a href=\"http://x&quot; onclick=&quot;y\">x\" onclick=\"y</a>"},
        {"<b>http://x</b>", false, false, true, false, "<b>http://x</b>"},
        {"http://x", false, false, false, false, "http://x"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        FillPlain({{c.Text}});
        grid->HTMLSettings()->ConvertSpecialChars = c.Convert;
        grid->HTMLSettings()->NonBreakingText = c.NonBreaking;
        grid->URLShow = c.URLShow;
        grid->URLFull = c.URLFull;
        EXPECT_EQ(CellLines(grid->SaveToHTMLString("")).at(0), "<TD class=\"c0\">" + c.Content + "</td>");
    }
}

TEST_F(HtmlExportTest, AHeaderRowTakesTheFixedColourAndColumnWidths)
{
    FillPlain({{"H1", "H2"}, {"a", "b"}});
    grid->SetFixedRows(1);
    grid->SetFixedColor(clRed);
    grid->HTMLSettings()->ColWidths()->Add(40);
    const std::string html = grid->SaveToHTMLString("");
    const auto lines = CellLines(html);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(lines[0].size() - 17), " WIDTH=40>H1</td>");
    EXPECT_EQ(lines[2].find("width="), std::string::npos);  // widths go on the header row only
    EXPECT_NE(html.find(".c0 {background-color: #FF0000;"), std::string::npos);
}

TEST_F(HtmlExportTest, PicturesAreNumberedInWritingOrder)
{
    FillPlain({{"a", "b"}, {"c", "d"}});
    for (const TPoint cell : {TPoint{1, 0}, TPoint{0, 1}}) {
        TBitmap* bitmap = grid->CreateBitmap(cell.X, cell.Y, false, haLeft, vaTop);
        bitmap->SetSize(8, 8);
    }
    const std::string folder = dir.Path() + "/";
    const auto lines = CellLines(grid->SaveToHTMLString(folder));
    EXPECT_EQ(lines[1], "<TD class=\"c0\">b<img src= \"file://" + folder + "images/img1.jpg\"></td>");
    EXPECT_EQ(lines[2], "<TD class=\"c0\">c<img src= \"file://" + folder + "images/img2.jpg\"></td>");
    EXPECT_EQ(ReadTestFile(folder + "images/img2.jpg").substr(0, 2), "\xFF\xD8");

    WriteTestFile(dir.File("blocked"), "a file where the folder should go");
    try {
        grid->SaveToHTML(dir.File("blocked/page.html"), false, false);
        ADD_FAILURE();
    } catch (const EExtGridError& e) {
        EXPECT_EQ(std::string(e.Message()), "Cannot create " + dir.File("blocked/images"));
    }
    EXPECT_FALSE(FileExists(dir.File("blocked/page.html")));
}

TEST_F(HtmlExportTest, FilesKeepEveryCharacterAndAppendAfterWhatIsThere)
{
    FillPlain({{"Größe €"}});
    grid->SaveToHTML(dir.File("a.html"), false, false);
    const std::string ascii = ReadTestFile(dir.File("a.html"));
    EXPECT_NE(ascii.find(">Gr&#246;&#223;e &#8364;</td>"), std::string::npos);

    grid->SaveToHTML(dir.File("u.html"), false, true);
    const std::string unicode = ReadTestFile(dir.File("u.html"));
    ASSERT_EQ(unicode.substr(0, 2), "\xFF\xFE");
    EXPECT_NE(Utf16LeToUtf8(unicode.substr(2)).find(">Größe €</td>"), std::string::npos);

    WriteTestFile(dir.File("head.txt"), "<h1>Parts</h1>\r\n");
    WriteTestFile(dir.File("page.html"), "<html>\r\n");
    grid->HTMLSettings()->HeaderFile = dir.File("head.txt");
    std::vector<std::string> opened;
    SetShellOpener([&](const std::string& What) {
        opened.push_back(What);
        return true;
    });
    grid->AppendToHTML(dir.File("page.html"), true, false);
    SetShellOpener(nullptr);
    const std::string page = ReadTestFile(dir.File("page.html"));
    EXPECT_EQ(page.rfind("<html>\r\n<h1>Parts</h1>\r\n<style>", 0), 0u);
    EXPECT_EQ(opened, (std::vector<std::string>{dir.File("page.html")}));

    grid->HTMLSettings()->HeaderFile = dir.File("missing.txt");
    EXPECT_ANY_THROW(grid->SaveToHTML(dir.File("page.html"), false, false));
    EXPECT_EQ(ReadTestFile(dir.File("page.html")), page);
}

} // namespace

namespace {

// The style classes a page defines, each with every declaration it was given.
std::map<std::string, std::vector<std::string>> StyleClasses(const std::string& Page)
{
    std::map<std::string, std::vector<std::string>> classes;
    const std::regex definition(R"(\.(c[0-9]+) \{([^}]*)\})");
    for (auto it = std::sregex_iterator(Page.begin(), Page.end(), definition); it != std::sregex_iterator(); ++it)
        classes[(*it)[1]].push_back((*it)[2]);
    return classes;
}

// The class and the picture file of the cell line that shows Text.
std::pair<std::string, std::string> ClassAndPicture(const std::string& Page, const std::string& Text)
{
    const std::regex line("class=\"(c[0-9]+)\"[^>]*>" + Text + R"re((<img src= "file://([^"]*)")?)re");
    std::smatch match;
    if (!std::regex_search(Page, match, line)) return {};
    return {match[1], match[3]};
}

TEST_F(HtmlExportTest, AnAppendedTableKeepsTheEarlierTablesStylesAndPictures)
{
    struct TCase {
        const char* Kind;
        std::function<void(int ACol, int ARow, const std::string& Jpeg)> AddPicture;
    };
    const TCase cases[] = {
        {"bitmap",
         [this](int ACol, int ARow, const std::string& Jpeg) {
             grid->CreateBitmap(ACol, ARow, false, haLeft, vaTop)->LoadFromBytes(Jpeg);
         }},
        {"picture",
         [this](int ACol, int ARow, const std::string& Jpeg) {
             WriteTestFile(dir.File("loaded.jpg"), Jpeg);
             grid->CreatePicture(ACol, ARow, false, noStretch, 0, haLeft, vaTop)->LoadFromFile(dir.File("loaded.jpg"));
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Kind);
        const std::string page = dir.File(std::string(c.Kind) + "/page.html");
        ForceDirectories(dir.File(c.Kind));
        // A picture of another page in the same folder is no picture to replace either.
        ForceDirectories(dir.File(std::string(c.Kind) + "/images"));
        WriteTestFile(dir.File(std::string(c.Kind) + "/images/img3.jpg"), "another page's picture");

        const std::string first = CameraJpeg(12, 8), second = CameraJpeg(20, 6);
        FillPlain({{"plain", "first"}});
        grid->SetColors(1, 0, clRed);
        c.AddPicture(1, 0, first);
        grid->SaveToHTML(page, false, false);
        FillPlain({{"bold", "second"}});
        grid->Font()->SetStyle(TFontStyles{fsBold});
        grid->SetColors(1, 0, clBlue);
        c.AddPicture(1, 0, second);
        grid->AppendToHTML(page, false, false);
        grid->Font()->SetStyle(TFontStyles{});

        const std::string html = ReadTestFile(page);
        for (const auto& [name, declarations] : StyleClasses(html))
            EXPECT_EQ(declarations.size(), 1u) << name << " is defined again by the appended table";
        const auto classes = StyleClasses(html);
        const auto style = [&](const std::string& Text) {
            const auto found = classes.find(ClassAndPicture(html, Text).first);
            return found == classes.end() ? std::string() : found->second.front();
        };
        EXPECT_NE(style("first").find("background-color: #FF0000"), std::string::npos) << html;
        EXPECT_EQ(style("plain").find("bold"), std::string::npos) << html;
        EXPECT_NE(style("second").find("background-color: #0000FF"), std::string::npos) << html;
        EXPECT_NE(style("bold").find("font-weight: bold"), std::string::npos) << html;

        const std::string firstFile = ClassAndPicture(html, "first").second;
        const std::string secondFile = ClassAndPicture(html, "second").second;
        EXPECT_EQ(firstFile, dir.File(std::string(c.Kind) + "/images/img1.jpg"));
        EXPECT_EQ(secondFile, dir.File(std::string(c.Kind) + "/images/img4.jpg"));
        // Both pictures are the JPEG files the cells were given, byte for byte.
        EXPECT_TRUE(ReadTestFile(firstFile) == first) << "the first picture was compressed anew";
        EXPECT_TRUE(ReadTestFile(secondFile) == second) << "the second picture was compressed anew";
        EXPECT_EQ(ReadTestFile(dir.File(std::string(c.Kind) + "/images/img3.jpg")), "another page's picture");
    }
}

// The file, read by xmllint; empty when it is well-formed XML, else xmllint's complaint.
std::string XmlLintComplaint(const std::string& File)
{
    const std::string out = File + ".lint";
    if (std::system(("xmllint --noout '" + File + "' > '" + out + "' 2>&1").c_str()) == 0) return {};
    const std::string complaint = ReadTestFile(out);
    return complaint.empty() ? "xmllint failed" : complaint;
}

bool HaveXmlLint() { return std::system("xmllint --version > /dev/null 2>&1") == 0; }

TEST_F(HtmlExportTest, XhtmlIsWellFormedXmlInEveryEncoding)
{
    if (!HaveXmlLint()) GTEST_SKIP() << "xmllint (libxml2-utils) is not installed: the XHTML is not checked";
    FillPlain({{"Name", "Wert", "Link"},
               {"a<b & c", "Größe\rzwei", "http://vantrel.example/?a=1&b=2"},
               {"", "   ", "mailto:info@vantrel.example"},
               {"<B>fett</B>", "x", "y"}});
    grid->SetFixedRows(1);
    grid->MergeCells(1, 2, 2, 1);
    grid->SetWordWrap(false);
    grid->URLShow = true;
    grid->HTMLSettings()->XHTML = true;
    grid->HTMLSettings()->Summary = "Parts \"A&B\"";
    grid->HTMLSettings()->ColWidths()->Add(40);
    grid->CreateBitmap(1, 3, false, haLeft, vaTop)->SetSize(6, 6);

    struct TCase {
        const char* Name;
        bool Convert, NonBreaking, Unicode, HeaderRow;
    };
    const TCase cases[] = {
        {"ascii", false, false, false, true},
        {"utf16", false, false, true, true},
        {"entities", true, true, false, true},
        {"entities-utf16", true, true, true, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->HTMLSettings()->ConvertSpecialChars = c.Convert;
        grid->HTMLSettings()->NonBreakingText = c.NonBreaking;
        grid->SaveFixedRows = c.HeaderRow;
        grid->SaveFixedCells = c.HeaderRow;
        const std::string file = dir.File(std::string(c.Name) + ".xhtml");
        grid->SaveToHTML(file, false, c.Unicode);
        EXPECT_EQ(XmlLintComplaint(file), "");
        const std::string bytes = ReadTestFile(file);
        const std::string text = c.Unicode ? Utf16LeToUtf8(bytes.substr(2)) : bytes;
        EXPECT_EQ(text.rfind(std::string("<?xml version=\"1.0\" encoding=\"") + (c.Unicode ? "utf-16" : "utf-8"), 0), 0u)
            << text;
        // An XHTML reader knows its elements by their lower-case names only.
        EXPECT_EQ(std::regex_search(text, std::regex("<(TABLE|TR|TD)|</(TABLE|TR|HTML)>")), false) << text;
    }
    // A folder name is text, like any other, in the pictures' addresses.
    const std::string folder = dir.File("R&D") + "/";
    ForceDirectories(folder);
    WriteTestFile(folder + "string.xhtml", grid->SaveToHTMLString(folder));
    EXPECT_EQ(XmlLintComplaint(folder + "string.xhtml"), "");
}

// A markup cell keeps its tags; what an XML reader would stop at is written so that it shows
// the same: a bare "&" as "&amp;", a named HTML entity as its character.
TEST_F(HtmlExportTest, XhtmlEscapesWhatAMarkupCellLeavesBare)
{
    if (!HaveXmlLint()) GTEST_SKIP() << "xmllint (libxml2-utils) is not installed: the XHTML is not checked";
    struct TCase {
        const char* Cell;
        const char* Xhtml;
    };
    const TCase cases[] = {
        {"<b>fett</b> & Co", "<b>fett</b> &amp; Co"},
        {"<b>A&B;</b> &", "<b>A&amp;B;</b> &amp;"},
        {"<i>&amp; &lt; &#233; &#xE9; &apos;</i>", "<i>&amp; &lt; &#233; &#xE9; &apos;</i>"},
        {"<b>&eacute;t&eacute; &#x; &;</b>", "<b>\xC3\xA9t\xC3\xA9 &amp;#x; &amp;;</b>"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Cell);
        FillPlain({{c.Cell}});
        grid->HTMLSettings()->XHTML = false;
        EXPECT_NE(grid->SaveToHTMLString("").find(std::string(">") + c.Cell + "</td>"), std::string::npos)
            << "HTML writes the cell as it holds it";
        grid->HTMLSettings()->XHTML = true;
        EXPECT_NE(grid->SaveToHTMLString("").find(std::string(">") + c.Xhtml + "</td>"), std::string::npos)
            << grid->SaveToHTMLString("");
        const std::string file = dir.File("markup.xhtml");
        grid->SaveToHTML(file, false, false);
        EXPECT_EQ(XmlLintComplaint(file), "");
    }
}

TEST_F(HtmlExportTest, ATwoByTwoGridAsXhtml)
{
    FillPlain({{"a", "b"}, {"c", "d"}});
    grid->SetAlignments(1, 1, taRightJustify);
    grid->HTMLSettings()->XHTML = true;
    const std::string html = grid->SaveToHTMLString("");
    EXPECT_EQ(html, ReadTestFile(std::string(TEST_DATA_DIR) + "/services/golden/table_2x2.xhtml")) << html;
}

} // namespace
