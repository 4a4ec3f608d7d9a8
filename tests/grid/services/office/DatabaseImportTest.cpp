#include <gtest/gtest.h>

#include "../../control/GridOnForm.h"
#include "platform/db/MdbQuery.h"
#include "platform/rtl/SysUtils.h"

namespace {

const std::string PartsDatabase = TEST_DATA_DIR "/services/office/parts.mdb";

using DatabaseImportTest = GridOnForm;

TEST_F(DatabaseImportTest, FieldNamesGoAboveTheRecordsBesideTheFixedColumn)
{
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetRowCount(10);
    grid->LoadFromMDBTable(PartsDatabase, "Parts");
    ASSERT_EQ(grid->ColCount(), 4);
    ASSERT_EQ(grid->RowCount(), 4);
    const char* expected[4][3] = {
        {"Id", "Name", "Note"}, {"1", "Bolt", "M6"}, {"2", "Mutter ä", ""}, {"3", "Washer", "flat"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(grid->Cells(c + 1, r), expected[r][c]) << c << "," << r;
}

// A table name may hold blanks; dates read in the grid's own date format, with the time
// when there is one; an OLE object, which has no text, reads as an empty cell.
TEST_F(DatabaseImportTest, ATableWithABlankInItsNameAndDatesInTheGridsFormat)
{
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->LoadFromMDBTable(PartsDatabase, "Order Lines");
    ASSERT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(1, 0), "Born");
    EXPECT_EQ(grid->Cells(1, 1), "08/12/1948");
    EXPECT_EQ(grid->Cells(1, 2), "31/01/2024 06:30:00");
    EXPECT_EQ(grid->Cells(2, 0), "Photo");
    EXPECT_EQ(grid->Cells(2, 1), "");
    const TFormatSettings saved = FormatSettings();
    FormatSettings().ShortDateFormat = "yyyy-mm-dd";
    FormatSettings().DateSeparator = '-';
    grid->LoadFromMDBSQL(PartsDatabase, "SELECT Born FROM [Order Lines] WHERE Id = 1");
    EXPECT_EQ(grid->Cells(0, 1), "1948-12-08");
    FormatSettings() = saved;
}

TEST_F(DatabaseImportTest, AQuerySelectsFieldsAndRecords)
{
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    std::vector<std::string> loaded;
    grid->OnLoadCell = [&](TObject*, int, int, std::string& Value) { loaded.push_back(Value); };
    grid->LoadFromMDBSQL(PartsDatabase, "SELECT Name FROM Parts WHERE Id > 1");
    EXPECT_EQ(grid->ColCount(), 1);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(loaded, (std::vector<std::string>{"Mutter ä", "Washer"}));
}

TEST_F(DatabaseImportTest, AQueryWithoutRecordsLeavesNoEarlierRowsBehind)
{
    grid->SetFixedRows(1);
    grid->SetRowCount(5);
    grid->SetCells(1, 3, "stale");
    grid->LoadFromMDBSQL(PartsDatabase, "SELECT * FROM Parts WHERE Id > 7");
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Cells(1, 1), "");
}

TEST_F(DatabaseImportTest, FailuresCarryTheDatabasesOwnReason)
{
    const struct {
        std::string file, sql, reason;
    } cases[] = {
        {"/no/such.mdb", "SELECT * FROM Parts", "not found"},
        {PartsDatabase, "SELECT * FROM Missing", "Missing is not a table"},
        {TEST_DATA_DIR "/services/office/make_parts_mdb.py", "SELECT * FROM Parts", "cannot be opened"}};
    for (const auto& c : cases) {
        try {
            grid->LoadFromMDBSQL(c.file, c.sql);
            ADD_FAILURE() << c.sql << " did not fail";
        } catch (const EDatabaseError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
    }
}

} // namespace
