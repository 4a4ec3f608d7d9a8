#include <gtest/gtest.h>

#include "../../control/GridOnForm.h"
#include "PythonReader.h"
#include "grid/services/CellTable.h"
#include "grid/services/office/XlsxWorkbook.h"
#include "platform/rtl/Classes.h"
#include "platform/zip/ZipArchive.h"
#include "support/BoundedChild.h"
#include "support/TestFiles.h"

namespace {

class WorkbookExchangeTest : public GridOnForm {
protected:
    void Fill(TExtStringGrid& Grid, const std::vector<std::vector<std::string>>& Rows)
    {
        Grid.SetRowCount(static_cast<int>(Rows.size()));
        Grid.SetColCount(static_cast<int>(Rows.front().size()));
        for (int r = 0; r < Grid.RowCount(); ++r)
            for (int c = 0; c < Grid.ColCount(); ++c)
                Grid.SetCells(c, r, Rows[r][c]);
    }
    std::vector<std::string> SheetNames(const std::string& File)
    {
        const auto list = grid->GetXLSSheets(File);
        std::vector<std::string> names;
        for (int i = 0; i < list->Count(); ++i)
            names.push_back((*list)[i]);
        return names;
    }

    // A workbook saved by openpyxl after Body, which works on wb and may use datetime.
    std::string MadeByOpenpyxl(const std::string& Name, const std::string& Body)
    {
        const std::string file = dir.File(Name);
        const std::string script =
            "import sys, openpyxl, datetime\nwb = openpyxl.Workbook()\n" + Body + "wb.save(sys.argv[1])\n";
        EXPECT_EQ(RunPython(script, file), "");
        return file;
    }

    TempDir dir;
    const std::vector<std::vector<std::string>> sample{
        {"Name", "Größe", " lead"}, {"1.5", "a & <b>", "x\r\ny"}, {"007", "", "last"}};
    const std::vector<std::vector<std::string>> sampleAsWritten{
        {"Name", "Größe", " lead"}, {"1.5", "a & <b>", "x\ny"}, {"007", "", "last"}};
};

TEST_F(WorkbookExchangeTest, AWrittenWorkbookReadsBackTheSameCells)
{
    Fill(*grid, sample);
    grid->SaveToXLS(dir.File("t.xlsx"), true);
    TExtStringGrid other(&form);
    other.LoadFromXLS(dir.File("t.xlsx"));
    EXPECT_EQ(CellsOf(other), sampleAsWritten);
}

// The workbook keeps a two-line cell with a lone line feed; the grid's own text format must
// carry it, and every cell after it, as well.
TEST_F(WorkbookExchangeTest, AReadWorkbookReopensFromTheGridTextFormat)
{
    Fill(*grid, sample);
    grid->SaveToXLS(dir.File("t.xlsx"), true);
    TExtStringGrid loaded(&form);
    loaded.LoadFromXLS(dir.File("t.xlsx"));
    loaded.SaveToFile(dir.File("t.txt"), false);
    TExtStringGrid reopened(&form);
    reopened.LoadFromFile(dir.File("t.txt"));
    EXPECT_EQ(CellsOf(reopened), sampleAsWritten);
}

// Characters XML cannot carry, and texts that look like their escapes, come back unchanged.
TEST_F(WorkbookExchangeTest, ControlCharactersAndEscapeLookalikesRoundTrip)
{
    const std::vector<std::vector<std::string>> texts{{"bell\a", "_x0041_", "tab\tand_x00e4_"}};
    Fill(*grid, texts);
    grid->SaveToXLS(dir.File("t.xlsx"), true);
    TExtStringGrid other(&form);
    other.LoadFromXLS(dir.File("t.xlsx"));
    EXPECT_EQ(CellsOf(other), texts);
    // Raw, the bell would make the sheet XML that other readers refuse.
    if (!PythonModuleAvailable("openpyxl")) return;
    const std::string script = "import sys, openpyxl\n"
                               "print(openpyxl.load_workbook(sys.argv[1]).active.cell(1, 1).value[:4])\n";
    EXPECT_EQ(RunPython(script, dir.File("t.xlsx")), "bell\n");
}

TEST_F(WorkbookExchangeTest, AnIndependentReaderSeesTheSameCells)
{
    if (!PythonModuleAvailable("openpyxl")) GTEST_SKIP() << "python3-openpyxl is not installed";
    Fill(*grid, sample);
    grid->SaveToXLS(dir.File("t.xlsx"), true);
    const std::string script =
        "import sys, openpyxl\n"
        "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
        "for row in ws.iter_rows(min_row=1, max_row=3, max_col=3, values_only=True):\n"
        "    print(\"|\".join(\"\" if v is None else str(v) for v in row).replace(\"\\n\", \"~\"))\n";
    EXPECT_EQ(RunPython(script, dir.File("t.xlsx")), "Name|Größe| lead\n1.5|a & <b>|x~y\n007||last\n");
}

TEST_F(WorkbookExchangeTest, WritingANamedSheetKeepsTheOtherSheets)
{
    Fill(*grid, {{"one"}});
    grid->SaveToXLSSheet(dir.File("t.xlsx"), "First");
    TExtStringGrid second(&form);
    Fill(second, {{"two", "2"}});
    second.SaveToXLSSheet(dir.File("t.xlsx"), "Second");
    Fill(second, {{"again"}});
    second.SaveToXLSSheet(dir.File("t.xlsx"), "Second");

    EXPECT_EQ(SheetNames(dir.File("t.xlsx")), (std::vector<std::string>{"First", "Second"}));
    grid->LoadFromXLSSheet(dir.File("t.xlsx"), "First");
    EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{{"one"}}));
    // Cells outside the written range keep their values.
    grid->LoadFromXLSSheet(dir.File("t.xlsx"), "Second");
    EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{{"again", "2"}}));
}

TEST_F(WorkbookExchangeTest, ASheetMadeElsewhereKeepsItsNeighbourAndIsReadWithSharedStrings)
{
    if (!PythonModuleAvailable("openpyxl")) GTEST_SKIP() << "python3-openpyxl is not installed";
    const std::string file =
        MadeByOpenpyxl("o.xlsx", "a = wb.active; a.title = \"Alpha\"\na[\"B2\"] = \"keep\"; a[\"D5\"] = 2.5; "
                                 "a[\"C3\"] = True\nwb.create_sheet(\"Beta\")[\"A1\"] = \"old\"\n");
    Fill(*grid, {{"new", "cell"}});
    grid->SaveToXLSSheet(file, "Beta");

    const std::string read = "import sys, openpyxl\n"
                             "wb = openpyxl.load_workbook(sys.argv[1])\n"
                             "print(wb.sheetnames, wb[\"Alpha\"][\"B2\"].value, wb[\"Beta\"][\"A1\"].value, "
                             "wb[\"Beta\"][\"B1\"].value)\n";
    EXPECT_EQ(RunPython(read, file), "['Alpha', 'Beta'] keep new cell\n");
    // The used range B2:D5 reads as 3 columns and 4 rows from B2 on.
    grid->LoadFromXLSSheet(file, "Alpha");
    EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{
                                  {"keep", "", ""}, {"", "True", ""}, {"", "", ""}, {"", "", "2.5"}}));
}

TEST_F(WorkbookExchangeTest, DateCellsReadAsTheGridShowsDates)
{
    if (!PythonModuleAvailable("openpyxl")) GTEST_SKIP() << "python3-openpyxl is not installed";
    const std::string file =
        MadeByOpenpyxl("d.xlsx", "ws = wb.active\nws.append([datetime.date(2024, 3, 15), "
                                 "datetime.datetime(2024, 3, 15, 12, 30), datetime.time(6, 45), 45366])\n");
    grid->LoadFromXLS(file);
    EXPECT_EQ(CellsOf(*grid), (std::vector<std::vector<std::string>>{
                                  {"15/03/2024", "15/03/2024 12:30:00", "06:45:00", "45366"}}));
}

TEST_F(WorkbookExchangeTest, ChartSheetsAreNoWorksheets)
{
    if (!PythonModuleAvailable("openpyxl")) GTEST_SKIP() << "python3-openpyxl is not installed";
    const std::string file =
        MadeByOpenpyxl("c.xlsx", "wb.active.title = \"Data\"; wb.create_chartsheet(\"Chart\")\n");
    EXPECT_EQ(SheetNames(file), (std::vector<std::string>{"Data"}));
}

TEST_F(WorkbookExchangeTest, FixedCellsAreLeftOutWhenTheyAreNotSaved)
{
    TMemoryCellTable cells({{"a", "b"}, {"c", "d"}});
    TXlsxWorkbook book;
    book.WriteCells(book.AddSheet("S"), 1, cells);
    book.SaveToFile(dir.File("t.xlsx"));
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SaveFixedCells = false;
    grid->LoadFromXLS(dir.File("t.xlsx"));
    EXPECT_EQ(CellsOf(*grid),
              (std::vector<std::vector<std::string>>{{"", "", ""}, {"", "a", "b"}, {"", "c", "d"}}));
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_EQ(grid->FixedRows(), 1);
}

TEST_F(WorkbookExchangeTest, ThirtyColumnsReachColumnAD)
{
    grid->SetColCount(30);
    grid->SetRowCount(1);
    for (int c = 0; c < 30; ++c)
        grid->SetCells(c, 0, std::to_string(c + 1));
    grid->SaveToXLS(dir.File("t.xlsx"), true);
    const TSheetValues values = TXlsxWorkbook::LoadFromFile(dir.File("t.xlsx")).ReadSheet(0);
    EXPECT_EQ(values.Right, 30);
    EXPECT_EQ(values.Cells.at({1, 30}), "30");
}

TEST_F(WorkbookExchangeTest, WritingIntoTheActiveSheetStartsAtItsActiveRow)
{
    if (!PythonModuleAvailable("openpyxl")) GTEST_SKIP() << "python3-openpyxl is not installed";
    const std::string file = MadeByOpenpyxl(
        "a.xlsx", "ws = wb.active; ws[\"A1\"] = \"top\"\nws.sheet_view.selection[0].activeCell = \"C5\"; "
                  "ws.sheet_view.selection[0].sqref = \"C5\"\n");
    Fill(*grid, {{"r5"}, {"r6"}});
    grid->SaveToXLS(file, false);
    const TSheetValues values = TXlsxWorkbook::LoadFromFile(file).ReadSheet(0);
    EXPECT_EQ(values.Cells.at({1, 1}), "top");
    EXPECT_EQ(values.Cells.at({5, 1}), "r5");
    EXPECT_EQ(values.Cells.at({6, 1}), "r6");
}

// A workbook of a few hundred bytes whose sheet names cells far apart, or whose part claims
// gigabytes, is read into a grid in a child process bounded in memory and time: a reader
// that sizes the grid to the span, loads every cell between or takes the claimed size up
// front fails there, not the test run.
TEST_F(WorkbookExchangeTest, HostileWorkbooksAreRefusedOrLoadOnlyTheirCells)
{
    const auto cell = [](const std::string& Ref, const std::string& Text) {
        return "<c r=\"" + Ref + "\" t=\"inlineStr\"><is><t>" + Text + "</t></is></c>";
    };
    const auto row = [](const std::string& Number, const std::string& Cells) {
        return (Number.empty() ? std::string("<row>") : "<row r=\"" + Number + "\">") + Cells + "</row>";
    };
    struct TCase {
        const char* Name;
        std::string Rows;
        bool ClaimGigabytes;
        std::string Expected;
    };
    const std::string refused = "Incorrect XLS file";
    const TCase cases[] = {
        {"row 999999999", row("1", cell("A1", "a")) + row("999999999", cell("A999999999", "z")), false, refused},
        {"column ZZZZZZ", row("1", cell("A1", "a") + cell("ZZZZZZ1", "z")), false, refused},
        {"row counted past the largest number",
         row("1", cell("A1", "a")) + row("2147483647", cell("A2147483647", "y")) + row("", cell("A1", "z")), false,
         refused},
        {"row counted past the sheet", row("1048576", cell("A1048576", "a")) + row("", cell("A1", "z")), false,
         refused},
        {"column counted past the sheet", row("1", cell("XFD1", "a") + "<c t=\"inlineStr\"><is><t>z</t></is></c>"),
         false, refused},
        {"the largest sheet", row("1", cell("A1", "a")) + row("1048576", cell("XFD1048576", "z")), false,
         "16384 x 1048576: a z []"},
        {"a part claiming 3.75 GB", row("1", cell("A1", "a")), true, refused},
    };
    Fill(*grid, {{"old", "old"}, {"old", "old"}});
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string file = dir.File("hostile.xlsx");
        TXlsxWorkbook made;
        made.AddSheet("S");
        made.SaveToFile(file);
        TZipArchive zip = TZipArchive::LoadFromFile(file);
        std::string sheetPart;
        for (const TZipEntry& entry : zip.Entries())
            if (entry.Name.find("worksheets/sheet") != std::string::npos) sheetPart = entry.Name;
        ASSERT_FALSE(sheetPart.empty());
        zip.Write(sheetPart, "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                             "<sheetData>" + c.Rows + "</sheetData></worksheet>");
        zip.SaveToFile(file);
        if (c.ClaimGigabytes) {
            // The central directory's uncompressed size of the sheet: 0xF0000000 bytes.
            std::string bytes = ReadTestFile(file);
            size_t at = bytes.find("PK\x01\x02");
            for (; at != std::string::npos; at = bytes.find("PK\x01\x02", at + 4)) {
                const size_t nameLength = static_cast<unsigned char>(bytes[at + 28]) |
                                          static_cast<unsigned char>(bytes[at + 29]) << 8;
                if (bytes.compare(at + 46, nameLength, sheetPart) == 0) break;
            }
            ASSERT_NE(at, std::string::npos);
            bytes.replace(at + 24, 4, std::string("\x00\x00\x00\xF0", 4));
            WriteTestFile(file, bytes);
        }
        const TChildOutcome outcome = RunInBoundedChild(
            [&] {
                try {
                    grid->LoadFromXLS(file);
                } catch (const Exception& e) {
                    return std::string(e.what());
                }
                // The earlier cells that the sheet leaves empty are emptied.
                return std::to_string(grid->ColCount()) + " x " + std::to_string(grid->RowCount()) + ": " +
                       grid->Cells(0, 0) + " " + grid->Cells(grid->ColCount() - 1, grid->RowCount() - 1) + " [" +
                       grid->Cells(1, 0) + grid->Cells(0, 1) + grid->Cells(1, 1) + "]";
            },
            size_t{1} << 30, 120);
        ASSERT_TRUE(outcome.Finished) << outcome.Failure;
        EXPECT_EQ(outcome.Result, c.Expected);
    }
}

TEST_F(WorkbookExchangeTest, FailuresAreReportedAndLeaveFilesAlone)
{
    Fill(*grid, {{"x"}});
    grid->SaveToXLSSheet(dir.File("t.xlsx"), "S");
    EXPECT_THROW(
        {
            try {
                grid->LoadFromXLSSheet(dir.File("t.xlsx"), "Nope");
            } catch (const EExtGridError& e) {
                EXPECT_STREQ(e.what(), "Excel worksheet Nope not found");
                throw;
            }
        },
        EExtGridError);

    WriteTestFile(dir.File("old.xls"), std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 rest", 13));
    EXPECT_THROW(grid->LoadFromXLS(dir.File("old.xls")), EExtGridError);
    EXPECT_THROW(grid->SaveToXLSSheet(dir.File("old.xls"), "S"), EExtGridError);
    WriteTestFile(dir.File("broken.xlsx"), "not a zip");
    EXPECT_THROW(grid->SaveToXLSSheet(dir.File("broken.xlsx"), "S"), Exception);
    EXPECT_EQ(ReadTestFile(dir.File("broken.xlsx")), "not a zip");
    EXPECT_THROW(grid->SaveToXLS(dir.File("no/such/dir/t.xlsx"), true), Exception);
    EXPECT_THROW(grid->SaveToXLSSheet(dir.File("t.xlsx"), "a/b"), EExtGridError);
    EXPECT_THROW(grid->GetXLSSheets(dir.File("missing.xlsx")), Exception);
}

} // namespace
