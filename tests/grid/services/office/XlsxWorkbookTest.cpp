#include <gtest/gtest.h>

#include "grid/services/CellTable.h"
#include "grid/services/office/XlsxWorkbook.h"
#include "platform/zip/ZipArchive.h"
#include "support/TestFiles.h"

namespace {

void InsertBefore(std::string& Text, const std::string& Marker, const std::string& Insert)
{
    Text.insert(Text.find(Marker), Insert);
}

TEST(XlsxWorkbook, WritingCellsDropsTheCalculationChain)
{
    TempDir dir;
    const std::string file = dir.File("t.xlsx");
    TXlsxWorkbook made;
    made.WriteCells(made.AddSheet("S"), 1, TMemoryCellTable({{"1"}}));
    made.SaveToFile(file);
    TZipArchive zip = TZipArchive::LoadFromFile(file);
    zip.Write("xl/calcChain.xml",
              "<calcChain xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
              "<c r=\"A1\" i=\"1\"/></calcChain>");
    std::string rels = zip.Read("xl/_rels/workbook.xml.rels");
    InsertBefore(rels, "</Relationships>",
                 "<Relationship Id=\"rId9\" Target=\"calcChain.xml\" "
                 "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain\"/>");
    zip.Write("xl/_rels/workbook.xml.rels", rels);
    std::string types = zip.Read("[Content_Types].xml");
    InsertBefore(
        types, "</Types>",
        "<Override PartName=\"/xl/calcChain.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml\"/>");
    zip.Write("[Content_Types].xml", types);
    zip.SaveToFile(file);

    TXlsxWorkbook book = TXlsxWorkbook::LoadFromFile(file);
    book.WriteCells(0, 1, TMemoryCellTable({{"x"}}));
    book.SaveToFile(file);
    const TZipArchive written = TZipArchive::LoadFromFile(file);
    EXPECT_FALSE(written.Contains("xl/calcChain.xml"));
    EXPECT_EQ(written.Read("xl/_rels/workbook.xml.rels").find("calcChain"), std::string::npos);
    EXPECT_EQ(written.Read("[Content_Types].xml").find("calcChain"), std::string::npos);
    EXPECT_NE(written.Read("xl/_rels/workbook.xml.rels").find("worksheets/sheet1.xml"), std::string::npos);
}

} // namespace
