#include <gtest/gtest.h>

#include "../control/GridOnForm.h"
#include "grid/foundation/model/CellProperties.h"
#include "grid/services/GridTextFormat.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Streams.h"
#include "support/TestFiles.h"

using namespace std::string_literals;

namespace {

std::string GoldenText(const std::string& Name)
{
    return ReadTestFile(std::string(TEST_DATA_DIR) + "/services/golden/" + Name);
}

} // namespace

TEST(GridTextFormat, LineBreaksStayOnOneLine)
{
    EXPECT_EQ(EncodeCellLineBreaks("a\r\nb"), "a\t\bb");
    EXPECT_EQ(DecodeCellLineBreaks("a\t\bb", true), "a\r\nb");
    EXPECT_EQ(DecodeCellLineBreaks("a\t\bb", false), "a");
    // A lone line feed is coded too, so that the cell stays on its line.
    EXPECT_EQ(EncodeCellLineBreaks("a\nb\x00"s), "a\bb\x01");
    EXPECT_EQ(DecodeCellLineBreaks("a\bb\x01", false), "a\nb\x00"s);
    // A tab without a carriage return is left alone both ways.
    EXPECT_EQ(EncodeCellLineBreaks("a\tb"), "a\tb");
    EXPECT_EQ(DecodeCellLineBreaks("a\tb", true), "a\tb");
    EXPECT_EQ(DecodeCellLineBreaks(EncodeCellLineBreaks("x\ty\r\nz"), true), "x\ry\r\nz");
}

TEST(GridTextFormat, AlignsInPlainTextColumns)
{
    EXPECT_EQ(AlignInColumn("ab", 5, taRightJustify), "   ab");
    EXPECT_EQ(AlignInColumn("ab", 5, taCenter), "  ab  ");
    EXPECT_EQ(AlignInColumn("ab", 5, taLeftJustify), "ab");
    EXPECT_EQ(FitToWidth("abcdef", 3), "abc");
    EXPECT_EQ(FitToWidth("\xC3\xA9", 3), "\xC3\xA9  ");
    EXPECT_EQ(CharRange("abc", 1, 10), "bc");
}

class GridTextFilesTest : public GridOnForm {
protected:
    void Fill(int Cols, int Rows)
    {
        grid->SetColCount(Cols);
        grid->SetRowCount(Rows);
        grid->SetFixedCols(0);
        grid->SetFixedRows(0);
    }
    TempDir dir;
};

TEST_F(GridTextFilesTest, FileFormOfATwoByTwoGrid)
{
    Fill(2, 2);
    grid->SetColWidths(0, 40);
    grid->SetColWidths(1, 50);
    grid->SetCells(0, 0, "a");
    grid->SetCells(1, 1, "x\r\ny");
    const std::string file = dir.File("grid.txt");
    grid->SaveToFile(file, false);
    EXPECT_EQ(ReadTestFile(file), GoldenText("grid_text_2x2.txt"));

    grid->SetCells(0, 0, "");
    grid->SetColCount(5);
    grid->Multilinecells = true;
    grid->LoadFromFile(file);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->Cells(0, 0), "a");
    EXPECT_EQ(grid->Cells(1, 1), "x\r\ny");
}

TEST_F(GridTextFilesTest, LoadFromFileSkipsWhatLiesOutside)
{
    Fill(3, 3);
    WriteTestFile(dir.File("g.txt"), "10,20\r\ncw 40,99\r\ncw 1,33\r\n2,99,far\r\n2,3,near\r\n");
    grid->LoadFromFile(dir.File("g.txt"));
    EXPECT_EQ(grid->ColCount(), 10);
    EXPECT_EQ(grid->RowCount(), 20);
    EXPECT_EQ(grid->ColWidths(1), 33);
    EXPECT_EQ(grid->Cells(2, 3), "near");
}

TEST_F(GridTextFilesTest, CorruptFilesChangeNothing)
{
    Fill(3, 3);
    grid->SetCells(1, 1, "kept");
    for (const std::string& bytes : {std::string(""), std::string("0,5\r\n"), std::string("x,y\r\n"),
                                     std::string("99999999,99999999\r\n")}) {
        const std::string file = dir.File("bad.txt");
        WriteTestFile(file, bytes);
        try {
            grid->LoadFromFile(file);
            FAIL() << bytes;
        } catch (const EExtGridError& e) {
            EXPECT_EQ(std::string(e.what()), "File contains no data or corrupt file " + file);
        }
        EXPECT_EQ(grid->ColCount(), 3);
        EXPECT_EQ(grid->Cells(1, 1), "kept");
    }
}

TEST_F(GridTextFilesTest, StreamFormStopsBeforeForeignLines)
{
    Fill(2, 2);
    grid->SetCells(1, 0, "b");
    TMemoryStream stream;
    grid->SaveToStream(stream);
    const std::string tail = Utf8ToUtf16Le("cw 9,1\r\nnot,part\r\n");
    stream.Write(tail.data(), tail.size());
    EXPECT_EQ(stream.Bytes().substr(0, 8), std::string("2\0,\0" "2\0\r\0", 8));

    grid->SetCells(1, 0, "");
    stream.SetPosition(0);
    grid->LoadFromStream(stream);
    EXPECT_EQ(grid->Cells(1, 0), "b");
    EXPECT_EQ(stream.Bytes().substr(stream.Position()), Utf8ToUtf16Le("not,part\r\n"));
}

TEST_F(GridTextFilesTest, PlainTextPadsAndAlignsColumns)
{
    Fill(2, 2);
    grid->SetCells(0, 0, "ab");
    grid->SetCells(0, 1, "abcde");
    grid->SetCells(1, 0, "x");
    grid->SetCells(1, 1, "xyz");
    grid->GetCellProperties(0, 0)->Alignment = taRightJustify;
    const std::string file = dir.File("plain.txt");
    grid->SaveToASCII(file, false);
    EXPECT_EQ(ReadTestFile(file), "   ab x   \r\nabcde xyz \r\n");

    grid->Multilinecells = true;
    grid->SetCells(1, 1, "one\r\ntwo");
    grid->SaveToASCII(file, false);
    EXPECT_EQ(ReadTestFile(file), GoldenText("plain_text_2x2.txt"));
    grid->AppendToASCII(file, false);
    EXPECT_EQ(ReadTestFile(file), GoldenText("plain_text_2x2.txt") + GoldenText("plain_text_2x2.txt"));
}

TEST_F(GridTextFilesTest, PlainTextKeepsWidthsBeyond255)
{
    Fill(2, 1);
    grid->SetCells(0, 0, std::string(300, 'w'));
    grid->SetCells(1, 0, "z");
    const std::string file = dir.File("wide.txt");
    grid->SaveToASCII(file, false);
    EXPECT_EQ(ReadTestFile(file), std::string(300, 'w') + " z \r\n");
}

TEST_F(GridTextFilesTest, FailedExportLeavesTheFile)
{
    Fill(1, 1);
    const std::string file = dir.File("keep.txt");
    WriteTestFile(file, "old\r\n");
    grid->OnSaveCell = [](TObject*, int, int, std::string&) { throw Exception("no"); };
    EXPECT_THROW(grid->SaveToASCII(file, false), Exception);
    EXPECT_EQ(ReadTestFile(file), "old\r\n");
}

TEST_F(GridTextFilesTest, FixedWidthBothWays)
{
    Fill(2, 2);
    grid->SetCells(0, 0, "abc");
    grid->SetCells(1, 0, "de");
    grid->SetCells(0, 1, "f");
    TIntList widths(0, 0);
    const std::string file = dir.File("fixed.txt");
    grid->SaveToFixed(file, widths);
    ASSERT_EQ(widths.Count(), 2);
    EXPECT_EQ(widths.Items(0), 4);
    EXPECT_EQ(ReadTestFile(file), GoldenText("fixed_2x2.txt"));

    WriteTestFile(file, "12345abcde\r\nxy   z\r\nthird\r\n");
    TIntList positions(0, 0);
    positions.Add(11);
    positions.Add(1);
    positions.Add(6);
    grid->LoadFromFixed(file, positions, true, 2);
    EXPECT_EQ(positions.Items(0), 1);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->Cells(0, 0), "12345");
    EXPECT_EQ(grid->Cells(1, 0), "abcde");
    EXPECT_EQ(grid->Cells(0, 1), "xy");
    EXPECT_EQ(grid->Cells(1, 1), "z");

    try {
        grid->LoadFromFixed(dir.File("none.txt"), positions, true, -1);
        FAIL();
    } catch (const EExtGridError& e) {
        EXPECT_EQ(std::string(e.what()), "File " + dir.File("none.txt") + " not found");
    }
    try {
        grid->SaveToFixed(dir.File("no/such/dir.txt"), widths);
        FAIL();
    } catch (const EExtGridError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot Create file " + dir.File("no/such/dir.txt"));
    }
}

TEST_F(GridTextFilesTest, CellToRealReportsWhereItFails)
{
    Fill(2, 2);
    EXPECT_EQ(grid->CellToReal(0, 0), 0);
    grid->SetCells(0, 0, "12.5");
    EXPECT_EQ(grid->CellToReal(0, 0), 12.5);
    grid->SetCells(1, 1, "(3)");
    EXPECT_EQ(grid->CellToReal(1, 1), -3);
}
