#include <gtest/gtest.h>

#include <random>

#include "../control/GridOnForm.h"
#include "office/PythonReader.h"
#include "grid/services/CsvFormat.h"
#include "grid/services/TextFileLines.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Streams.h"
#include "support/TestFiles.h"

TEST(CsvField, QuotesWhatWouldOtherwiseBreakTheLine)
{
    struct Case {
        std::string Text;
        TCsvCoding Coding;
        std::string Field;
    };
    TCsvCoding plain;
    TCsvCoding noEmptyQuotes;
    noEmptyQuotes.QuoteEmptyCells = false;
    TCsvCoding java;
    java.JavaCSV = true;
    TCsvCoding always;
    always.AlwaysQuotes = true;
    for (const Case& c : std::vector<Case>{
             {"a,b", plain, "\"a,b\""},
             {"5", plain, "5"},
             {"say \"hi\"", plain, "\"say \"\"hi\"\"\""},
             {"", plain, "\"\""},
             {"", noEmptyQuotes, ""},
             {"", java, "^"},
             {"a\r\nb", plain, "\"a\x0B" "b\""},
             {"\"q\"\r\nb", plain, "\"\"\"q\"\"\x0B" "b\""},
             {"a\r\nb", java, "a~b"},
             {"a,b", java, "\"a,b\""},
             {"x", always, "\"x\""},
             {" lead", plain, "\" lead\""},
             {"trail ", plain, "\"trail \""},
             {"in side", plain, "in side"},
             {"say \"hi\", ok", java, "\"say \"\"hi\"\", ok\""},
             {"a\"b", always, "\"a\"\"b\""},
             {"\"", plain, "\"\"\"\""},
         }) {
        EXPECT_EQ(CsvField(c.Text, c.Coding), c.Field) << c.Text;
        // The writer appends the same field after what the record holds.
        std::string record = "x,";
        AppendCsvField(record, c.Text, c.Coding);
        EXPECT_EQ(record, "x," + c.Field) << c.Text;
    }
}

TEST(CsvLine, DetectsTheDelimiterBothLinesAgreeOn)
{
    EXPECT_EQ(DetectCsvDelimiter("x;y;z", "1;2;3"), ';');
    EXPECT_EQ(DetectCsvDelimiter("a,b;c", "1,2;3"), ',');
    EXPECT_EQ(DetectCsvDelimiter("a\tb\tc", ""), '\t');
    EXPECT_EQ(DetectCsvDelimiter("abc", "def"), 0);
    // What stands inside quoted fields does not count.
    EXPECT_EQ(DetectCsvDelimiter("2024-03-15,12.25,\"Sonne, klar\"", "2024-03-16,8.5,Regen"), ',');
    EXPECT_EQ(DetectCsvDelimiter("Datum;Au\xC3\x9F" "en-Temp;Wetter", "15.03.2024;-3,5;\"Sonne; klar\""), ';');
    EXPECT_EQ(DetectCsvDelimiter("\"a;b\" ,c", "\"x;y\",z"), ',');
}

TEST(CsvRecords, LineBreaksInsideQuotedFieldsStayInTheirRecord)
{
    using Records = std::vector<std::string_view>;
    const struct {
        std::string Text;
        char Delimiter;
        Records Expected;
    } cases[] = {
        {"a,\"x\r\ny\",b\r\nc,d\r\n", ',', {"a,\"x\r\ny\",b", "c,d"}},
        {"a;\"x\ny\"\"\nz\"\rc", ';', {"a;\"x\ny\"\"\nz\"", "c"}},
        // A quote inside a plain field opens nothing.
        {"5\" screen,x\r\n7,y", ',', {"5\" screen,x", "7,y"}},
        // A quote that never closes: the text reads line by line.
        {"\"open,x\r\ny,z", ',', {"\"open,x", "y,z"}},
        {"\r\n\r\nlast", ',', {"", "", "last"}},
        // Without a known delimiter any candidate starts a field.
        {"x|\"a\nb\"\ny", 0, {"x|\"a\nb\"", "y"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCsvRecords(c.Text, c.Delimiter), c.Expected) << c.Text;
    EXPECT_EQ(SplitCsvRecords("1\n2\n3\n", ',', 2), (Records{"1", "2"}));
}

TEST(CsvLine, SplitsQuotedAndPlainFields)
{
    using Fields = std::vector<std::string>;
    EXPECT_EQ(SplitCsvLine("\"a,b\",5", ',', false), (Fields{"a,b", "5"}));
    EXPECT_EQ(SplitCsvLine("\"say \"\"hi\"\"\",x", ',', false), (Fields{"say \"hi\"", "x"}));
    EXPECT_EQ(SplitCsvLine(" ,a, ", ',', false), (Fields{"", "a", " "}));
    EXPECT_EQ(SplitCsvLine("\"a\x0B" "b\"", ',', false), (Fields{"a\r\nb"}));
    EXPECT_EQ(SplitCsvLine("^,a~b", ',', true), (Fields{"", "a\r\nb"}));
    // A quote that never closes gives an empty field; the rest reads on.
    EXPECT_EQ(SplitCsvLine("\"abc,d,e", ',', false), (Fields{"", "d", "e"}));
    EXPECT_EQ(SplitCsvLine("one", 0, false), (Fields{"one"}));
}

TEST(CsvLine, EveryWrittenFieldReadsBack)
{
    const std::vector<std::string> texts = {"", "plain", "a,b", "say \"hi\"", "a\r\nb", "\"q\"\r\nline", "trail "};
    for (bool java : {false, true}) {
        TCsvCoding coding;
        coding.JavaCSV = java;
        std::string line;
        for (const std::string& text : texts)
            line += (line.empty() ? "" : ",") + CsvField(text, coding);
        ASSERT_EQ(SplitTextLines(line).size(), 1u) << line;
        EXPECT_EQ(SplitCsvLine(line, ',', java), texts) << line;
    }
}

TEST(CsvLine, MutatedLinesNeverCrash)
{
    const std::string seed = "\"a,b\",\"say \"\"hi\"\"\",^,x~y,\"\x0B\",;|#\t";
    std::mt19937 random(126);
    for (int i = 0; i < 2000; ++i) {
        std::string line = seed.substr(0, random() % (seed.size() + 1));
        for (int k = 0; k < 3 && !line.empty(); ++k)
            line[random() % line.size()] = "\",; ^~\x0B\n"[random() % 9];
        const char delimiter = DetectCsvDelimiter(line, seed);
        EXPECT_NO_THROW(SplitCsvLine(line, delimiter, i % 2 == 0));
        EXPECT_NO_THROW(SplitCsvRecords(line, delimiter));
    }
}

class CsvFileTest : public GridOnForm {
protected:
    TempDir dir;
};

TEST_F(CsvFileTest, MultiLineCellsRoundTrip)
{
    grid->SetColCount(3);
    grid->SetRowCount(2);
    grid->SetCells(0, 0, "a,b");
    grid->SetCells(1, 0, "two\r\nlines");
    grid->SetCells(2, 0, "\"quoted\"\r\ntoo");
    grid->SetCells(0, 1, "5");
    const std::string file = dir.File("cells.csv");
    grid->SaveToCSV(file, false);
    EXPECT_EQ(ReadTestFile(file), ReadTestFile(std::string(TEST_DATA_DIR) + "/services/golden/cells_3x2.csv"));

    grid->ClearNormalCells();
    grid->LoadFromCSV(file, 0);
    EXPECT_EQ(grid->Cells(0, 0), "a,b");
    EXPECT_EQ(grid->Cells(1, 0), "two\r\nlines");
    EXPECT_EQ(grid->Cells(2, 0), "\"quoted\"\r\ntoo");
    EXPECT_EQ(grid->Cells(0, 1), "5");
    EXPECT_EQ(grid->RowCount(), 2);
}

TEST_F(CsvFileTest, GrowsInStepsAndEndsAtTheLastLine)
{
    grid->SetRowCount(10);
    grid->SetColCount(2);
    std::string text;
    for (int i = 0; i < 2500; ++i)
        text += std::to_string(i) + ";x\r\n";
    WriteTestFile(dir.File("long.csv"), text);
    std::vector<int> counts;
    grid->OnFileProgress = [&](TObject*, int16_t p) { counts.push_back(p); };
    grid->LoadFromCSV(dir.File("long.csv"), 0);
    EXPECT_EQ(grid->RowCount(), grid->SaveStartRow() + 2500);
    EXPECT_EQ(grid->Cells(0, grid->SaveStartRow() + 2499), "2499");
    ASSERT_FALSE(counts.empty());
    EXPECT_EQ(counts.back(), 100);
    EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));
}

TEST_F(CsvFileTest, MaxRowsAndHeaderLine)
{
    grid->SetColCount(2);
    WriteTestFile(dir.File("h.csv"), "name,value\r\na,1\r\nb,2\r\nc,3\r\n");
    grid->LoadFirstRow = false;
    grid->LoadFromCSV(dir.File("h.csv"), 2);
    const int first = grid->SaveStartRow();
    EXPECT_EQ(grid->Cells(0, first), "a");
    EXPECT_EQ(grid->Cells(0, first + 1), "b");
    EXPECT_EQ(grid->RowCount(), first + 2);
    EXPECT_EQ(grid->Delimiter, 0);
}

TEST_F(CsvFileTest, EmptyTextsAndMissingFiles)
{
    grid->SetCells(1, 1, "kept");
    WriteTestFile(dir.File("empty.csv"), "");
    grid->LoadFromCSV(dir.File("empty.csv"), 0);
    EXPECT_EQ(grid->Cells(1, 1), "kept");

    TMemoryStream bom(std::string("\xEF\xBB\xBF"));
    try {
        grid->LoadFromCSVStream(bom, 0);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "File is empty");
    }
    EXPECT_THROW(grid->LoadFromCSV(dir.File("missing.csv"), 0), EFOpenError);
    EXPECT_THROW(grid->AppendToCSV(dir.File("missing.csv"), false), EFOpenError);
    EXPECT_EQ(grid->Cells(1, 1), "kept");
}

TEST_F(CsvFileTest, UnicodeFilesAndAppending)
{
    grid->SetColCount(1);
    grid->SetRowCount(1);
    grid->SetCells(0, 0, "\xE2\x82\xAC");
    const std::string file = dir.File("u.csv");
    grid->SaveToCSV(file, true);
    EXPECT_EQ(ReadTestFile(file), "\xEF\xBB\xBF\xE2\x82\xAC\r\n");
    grid->AppendToCSV(file, false);
    EXPECT_EQ(ReadTestFile(file), "\x80\r\n\x80\r\n");
    grid->SetRowCount(1);
    grid->InsertFromCSV(file, 0);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(0, 2), "\xE2\x82\xAC");
}

// A file far larger than the part the writer builds at a time holds what the text of the
// whole grid says, in its coding behind one byte-order mark; an error on the way leaves the
// old file as it was.
TEST_F(CsvFileTest, LargeFilesGoOutPartByPartAsOneText)
{
    grid->SetColCount(4);
    grid->SetRowCount(20000);
    for (int r = 0; r < grid->RowCount(); ++r) {
        grid->SetCells(0, r, std::to_string(r));
        grid->SetCells(1, r, "say \"" + std::to_string(r) + "\", ok");
        grid->SetCells(2, r, r % 7 == 0 ? "" : " \xE2\x82\xAC " + std::to_string(r % 13));
        grid->SetCells(3, r, "caf\xC3\xA9");
    }
    std::string text;
    for (int r = 0; r < grid->RowCount(); ++r) {
        for (int c = 0; c < grid->ColCount(); ++c)
            text += (c > 0 ? "," : "") + CsvField(grid->Cells(c, r), TCsvCoding{});
        text += "\r\n";
    }
    ASSERT_GT(text.size(), 512u << 10) << "several parts";
    const std::string file = dir.File("large.csv");
    for (const bool unicode : {false, true}) {
        grid->SaveToCSV(file, unicode);
        EXPECT_EQ(ReadTestFile(file), EncodeText(text, unicode ? TTextFileCoding::Utf8Bom : TTextFileCoding::Ansi))
            << (unicode ? "UTF-8" : "ANSI");
    }
    const std::string saved = ReadTestFile(file);
    grid->OnSaveCell = [](TObject*, int, int ARow, std::string&) {
        if (ARow == 15000) throw Exception("cell refused");
    };
    EXPECT_THROW(grid->SaveToCSV(file, false), Exception);
    EXPECT_EQ(ReadTestFile(file), saved);
    EXPECT_EQ(FindFiles(dir.Path(), "*").size(), 1u) << "no temporary file left";
}

// The files of the program people most often read and write CSV with beside the grid.
class CsvPythonTest : public CsvFileTest {
protected:
    void SetUp() override
    {
        CsvFileTest::SetUp();
        if (!PythonModuleAvailable("csv")) GTEST_SKIP() << "python3 is not installed";
    }
};

TEST_F(CsvPythonTest, ReadsWhatPythonWritesWithLineBreaksQuotesAndBlanks)
{
    const std::vector<std::vector<std::string>> rows = {
        {"date", "temp", "note"},
        {"2024-03-15", "12.25", "Sonne, klar"},
        {"2024-03-16", "-3,5", "two\r\nlines"},
        {"2024-03-17", " lead", "trail "},
        {"2024-03-18", "say \"hi\"", "a\nb\nc"},
        {"2024-03-19", "", "x"},
        {"2024-03-20", "\xE2\x82\xAC 5", "\"\r\n\""},
        {"2024-03-21", "last", "end"},
    };
    const std::string file = dir.File("python.csv");
    const std::string script =
        "import csv, sys\n"
        "rows = [[\"date\", \"temp\", \"note\"], [\"2024-03-15\", \"12.25\", \"Sonne, klar\"],\n"
        " [\"2024-03-16\", \"-3,5\", \"two\\r\\nlines\"], [\"2024-03-17\", \" lead\", \"trail \"],\n"
        " [\"2024-03-18\", \"say \\\"hi\\\"\", \"a\\nb\\nc\"], [\"2024-03-19\", \"\", \"x\"],\n"
        " [\"2024-03-20\", \"\\u20ac 5\", \"\\\"\\r\\n\\\"\"], [\"2024-03-21\", \"last\", \"end\"]]\n"
        "with open(sys.argv[1], \"w\", newline=\"\", encoding=\"utf-8\") as f: csv.writer(f).writerows(rows)\n";
    ASSERT_EQ(RunPython(script, file), "");
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    grid->LoadFromCSV(file, 0);
    ASSERT_EQ(grid->RowCount(), static_cast<int>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) {
            // Python leaves a leading blank unquoted, and blanks before an unquoted field
            // are dropped on reading.
            const std::string expected = rows[r][c] == " lead" ? "lead" : rows[r][c];
            EXPECT_EQ(grid->Cells(static_cast<int>(c), static_cast<int>(r)), expected) << r << "," << c;
        }
}

// Cells with lone line feeds, as Python's CSV gives them, survive the grid's own text format,
// file and stream, together with every cell after them.
TEST_F(CsvPythonTest, TwoLineFieldsReopenFromTheGridTextFormat)
{
    const std::string file = dir.File("python.csv");
    const std::string script =
        "import csv, sys\n"
        "rows = [[\"a\\nb\", \"after\"], [\"two\\r\\nlines\", \"x\\n\\ny\\n\"], [\"tab\\tonly\", \"last\"]]\n"
        "with open(sys.argv[1], \"w\", newline=\"\", encoding=\"utf-8\") as f: csv.writer(f).writerows(rows)\n";
    ASSERT_EQ(RunPython(script, file), "");
    const std::vector<std::vector<std::string>> expected = {
        {"a\nb", "after"}, {"two\r\nlines", "x\n\ny\n"}, {"tab\tonly", "last"}};
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    grid->SetColCount(2);
    grid->LoadFromCSV(file, 0);
    ASSERT_EQ(CellsOf(*grid), expected);

    const std::string text = dir.File("grid.txt");
    grid->SaveToFile(text, true);
    TMemoryStream stream;
    grid->SaveToStream(stream);
    for (const bool fromStream : {false, true}) {
        TExtStringGrid other(&form);
        other.SetFixedRows(0);
        other.SetFixedCols(0);
        other.Multilinecells = true;
        if (fromStream) {
            stream.SetPosition(0);
            other.LoadFromStream(stream);
        } else {
            other.LoadFromFile(text);
        }
        EXPECT_EQ(CellsOf(other), expected) << (fromStream ? "stream" : "file");
    }
}

TEST_F(CsvPythonTest, PythonReadsWhatTheGridWritesAndTheGridReadsItBack)
{
    const std::vector<std::vector<std::string>> rows = {
        {"2024-03-15", "12.25", "Sonne, klar"},
        {" lead", "trail ", "say \"hi\""},
        {"", "-3,5", "Au\xC3\x9F" "en-Temp"},
    };
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            grid->SetCells(static_cast<int>(c), static_cast<int>(r), rows[r][c]);
    const std::string file = dir.File("grid.csv");
    grid->SaveToCSV(file, true);
    const std::string read = RunPython("import csv, sys\n"
                                       "for row in csv.reader(open(sys.argv[1], newline=\"\", encoding=\"utf-8-sig\")):\n"
                                       "    print(\"|\".join(row))\n",
                                       file);
    EXPECT_EQ(read, "2024-03-15|12.25|Sonne, klar\n lead|trail |say \"hi\"\n|-3,5|Au\xC3\x9F" "en-Temp\n");
    grid->ClearNormalCells();
    grid->LoadFromCSV(file, 0);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            EXPECT_EQ(grid->Cells(static_cast<int>(c), static_cast<int>(r)), rows[r][c]) << r << "," << c;
}
