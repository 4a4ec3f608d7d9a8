#include <gtest/gtest.h>

#include "../control/GridOnForm.h"
#include "grid/services/XmlExchange.h"
#include "platform/rtl/Classes.h"
#include "support/TestFiles.h"

namespace {

class XmlExchangeTest : public GridOnForm {
protected:
    // A fresh grid with no fixed cells, read from the file.
    std::vector<std::vector<std::string>> ReadBack(const std::string& File, bool LevelToRow = false,
                                                   bool LoadFieldDescr = false)
    {
        TExtStringGrid other(&form);
        other.SetFixedRows(0);
        other.SetFixedCols(0);
        other.SetColCount(1);
        other.SetRowCount(1);
        other.LoadFromXML(File, LevelToRow, LoadFieldDescr);
        return CellsOf(other);
    }
    std::string Written(const std::string& Xml)
    {
        const std::string file = dir.File("in.xml");
        WriteTestFile(file, Xml);
        return file;
    }

    TempDir dir;
};

TEST_F(XmlExchangeTest, ATwoByTwoAreaIsWrittenAsRecordsAndReadsBack)
{
    FillPlain({{"a", "b"}, {"c", "d"}});
    std::vector<int> progress;
    grid->OnFileProgress = [&](TObject*, int16_t Progress) { progress.push_back(Progress); };
    grid->SaveToXML(dir.File("t.xml"), "rows", "row", nullptr, true);
    EXPECT_EQ(ReadTestFile(dir.File("t.xml")), ReadTestFile(std::string(TEST_DATA_DIR) + "/services/golden/rows_2x2.xml"));
    EXPECT_EQ(progress, (std::vector<int>{0, 100}));
    EXPECT_EQ(ReadBack(dir.File("t.xml")), (std::vector<std::vector<std::string>>{{"a", "b"}, {"c", "d"}}));
}

TEST_F(XmlExchangeTest, TextsRoundTripUnchanged)
{
    // Entities are decoded once: texts that look like escapes stay as they are. Line ends
    // keep their CR.
    const std::vector<std::vector<std::string>> rows{{"A&B", "&lt;", "a\rb"}, {"<x>", "\"q\"", "Größe €\r\nzwei"}};
    for (const std::string encoding : {"ISO-8859-1", "UTF-8", "UTF-16", "windows-1252", "US-ASCII"}) {
        SCOPED_TRACE(encoding);
        FillPlain(rows);
        grid->XMLEncoding = encoding;
        grid->SaveToXML(dir.File("t.xml"), "rows", "row", nullptr, true);
        EXPECT_EQ(ReadBack(dir.File("t.xml")), rows);
    }
    EXPECT_NE(ReadTestFile(dir.File("t.xml")).find("<FIELD0>A&amp;B</FIELD0>"), std::string::npos);
}

// The grid's files have always written the ampersand as $amp;.
TEST_F(XmlExchangeTest, TheDollarEscapeReadsAsAnAmpersand)
{
    const std::string file = Written("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<rows>\r\n"
                                     "<row><FIELD0>A$amp;B</FIELD0><FIELD1>$amp;$amp;</FIELD1></row>\r\n"
                                     "<row id=\"x$amp;y\"/>\r\n</rows>\r\n");
    EXPECT_EQ(ReadBack(file), (std::vector<std::vector<std::string>>{{"A&B", "&&"}, {"x&y", ""}}));
}

TEST_F(XmlExchangeTest, TheBytesAreInTheDeclaredEncoding)
{
    FillPlain({{"é€"}});
    grid->SaveToXML(dir.File("latin.xml"), "l", "r", nullptr, true);
    // é is one Latin-1 byte; the euro sign has none, so it is a character reference.
    EXPECT_NE(ReadTestFile(dir.File("latin.xml")).find("<FIELD0>\xE9&#8364;</FIELD0>"), std::string::npos);
    // Any other encoding gets ASCII, which it shares, and references for the rest.
    grid->XMLEncoding = "windows-1252";
    grid->SaveToXML(dir.File("ansi.xml"), "l", "r", nullptr, true);
    EXPECT_NE(ReadTestFile(dir.File("ansi.xml")).find("<FIELD0>&#233;&#8364;</FIELD0>"), std::string::npos);
}

TEST_F(XmlExchangeTest, EmptyCellsAndFieldNames)
{
    FillPlain({{"a", "", "c"}});
    TStringList names;
    names.Add("Name");
    grid->SaveToXML(dir.File("all.xml"), "l", "r", &names, true);
    const std::string all = ReadTestFile(dir.File("all.xml"));
    EXPECT_NE(all.find("<Name>a</Name>\r\n<FIELD1>&quot;&quot;</FIELD1>\r\n<FIELD2>c</FIELD2>"), std::string::npos);
    EXPECT_EQ(ReadBack(dir.File("all.xml")), (std::vector<std::vector<std::string>>{{"a", "", "c"}}));

    // Left out on writing, the empty cell still keeps c in its own column on reading.
    grid->SaveToXML(dir.File("some.xml"), "l", "r", nullptr, false);
    EXPECT_EQ(ReadTestFile(dir.File("some.xml")).find("FIELD1"), std::string::npos);
    EXPECT_EQ(ReadBack(dir.File("some.xml")), (std::vector<std::vector<std::string>>{{"a", "", "c"}}));
}

TEST_F(XmlExchangeTest, MergedAndHiddenCells)
{
    FillPlain({{"a", "b", "c"}});
    grid->MergeCells(0, 0, 2, 1);
    grid->SaveToXML(dir.File("merged.xml"), "l", "r", nullptr, true);
    EXPECT_EQ(ReadTestFile(dir.File("merged.xml")).find("<FIELD1>"), std::string::npos);

    grid->SplitAllCells();
    FillPlain({{"a", "b", "c"}});
    grid->HideColumn(1);
    grid->SaveToXML(dir.File("shown.xml"), "l", "r", nullptr, true);
    EXPECT_EQ(ReadBack(dir.File("shown.xml")), (std::vector<std::vector<std::string>>{{"a", "c"}}));
    grid->SaveHiddenCells = true;
    grid->SaveToXML(dir.File("hidden.xml"), "l", "r", nullptr, true);
    EXPECT_EQ(ReadBack(dir.File("hidden.xml")), (std::vector<std::vector<std::string>>{{"a", "b", "c"}}));
}

TEST_F(XmlExchangeTest, AttributesAndSingleFieldRecords)
{
    // Attributes fill the row, the empty element after them does not widen the grid.
    const std::string attributes = Written("<l><r id=\"7\" name=\"pump\"/></l>");
    EXPECT_EQ(ReadBack(attributes), (std::vector<std::vector<std::string>>{{"7", "pump"}}));
    // A record whose one field holds x is one cell.
    EXPECT_EQ(ReadBack(Written("<l><r><f>x</f></r></l>")), (std::vector<std::vector<std::string>>{{"x"}}));
}

TEST_F(XmlExchangeTest, NamesFillTheEmptyCellsOfTheHeaderRow)
{
    for (const std::string xml : {"<l><r id=\"7\" name=\"pump\"/></l>", "<l><r><id>7</id><name>pump</name></r></l>"}) {
        SCOPED_TRACE(xml);
        grid->SetRowCount(2);
        grid->SetFixedRows(1);
        grid->SaveFixedRows = true;
        grid->ClearRect(0, 0, grid->ColCount() - 1, 1);
        grid->SetCells(1, 0, "Kept");
        grid->LoadFromXML(Written(xml), false, true);
        EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{{"id", "Kept"}, {"7", "pump"}}));
    }
}

TEST_F(XmlExchangeTest, LevelToRowPutsNestedElementsOnTheNextRow)
{
    const std::string file = Written("<l><r id=\"1\" kind=\"k\"><a>x</a><b>y</b></r></l>");
    EXPECT_EQ(ReadBack(file, true), (std::vector<std::vector<std::string>>{{"1", "k", ""}, {"", "x", "y"}}));
}

TEST_F(XmlExchangeTest, FailuresChangeNothing)
{
    FillPlain({{"a"}});
    struct TCase {
        std::string File, Message;
    };
    for (const TCase& c : {TCase{dir.File("missing.xml"), "XML file not found"},
                           TCase{Written("<l><r>"), "XMLDOM Parsing error: in.xml: the file is damaged"}}) {
        try {
            grid->LoadFromXML(c.File, false, false);
            ADD_FAILURE() << c.File;
        } catch (const EExtGridError& e) {
            EXPECT_EQ(std::string(e.Message()).rfind(c.Message, 0), 0u) << e.Message();
        }
        EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{{"a"}}));
    }
    EXPECT_THROW(grid->SaveToXML(dir.File("no/such/dir/t.xml"), "l", "r", nullptr, true), EExtGridError);
}

TEST_F(XmlExchangeTest, DeepNestingIsWalkedWithoutRecursion)
{
    std::string xml = "<l><r>";
    for (int i = 0; i < 100000; ++i) xml += "<n><m>1</m>";
    for (int i = 0; i < 100000; ++i) xml += "</n>";
    xml += "</r></l>";
    EXPECT_NO_THROW(ReadBack(Written(xml), true));
}

} // namespace
