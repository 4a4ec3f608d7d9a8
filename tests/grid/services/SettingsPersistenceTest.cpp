#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../control/GridOnForm.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/services/ColumnStates.h"
#include "platform/os/FileSystem.h"
#include "platform/os/IniFiles.h"
#include "platform/os/Registry.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/Exceptions.h"
#include "support/TestFiles.h"

namespace {

std::string Golden(const std::string& Name)
{
    return ReadTestFile(std::string(TEST_DATA_DIR) + "/services/golden/settings/" + Name);
}

// A grid whose loading a test finishes itself.
class TLoadableGrid : public TExtStringGrid {
public:
    using TExtStringGrid::Loaded;
    using TExtStringGrid::TExtStringGrid;
};

// Four columns 64, 80, 80 and 120 pixels wide holding "c,r" texts, and a place to keep them.
class SettingsPersistenceTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(3);
        const int widths[] = {64, 80, 80, 120};
        for (int c = 0; c < 4; ++c)
            grid->SetColWidths(c, widths[c]);
        FillCoordinates();
        savedRegistry = RegistryStore();
        SetRegistryStore(std::make_shared<TRegistryStore>());
    }
    void TearDown() override { SetRegistryStore(savedRegistry); }

    std::vector<int> Widths() const
    {
        std::vector<int> w;
        for (int c = 0; c < grid->ColCount(); ++c)
            w.push_back(grid->ColWidths(c));
        return w;
    }
    // The real column shown at each display position, read from the cells of row 0.
    std::vector<std::string> HeaderRow() const
    {
        std::vector<std::string> texts;
        for (int c = 0; c < grid->ColCount(); ++c)
            texts.push_back(grid->Cells(grid->RealColIndex(c), 0));
        return texts;
    }
    TExtStringGrid* NewGrid()
    {
        auto* other = new TExtStringGrid(&form);
        other->SetParent(&form);
        return other;
    }

    TempDir dir;
    std::shared_ptr<TRegistryStore> savedRegistry;
};

TEST_F(SettingsPersistenceTest, ColumnStatesRecordWidthsOrderAndHiddenColumns)
{
    EXPECT_EQ(grid->ColumnStatesToString(), Golden("column_states_plain.txt"));

    grid->SetColumnOrder();
    grid->MoveColumn(2, 0);
    grid->HideColumn(3);
    const std::string saved = grid->ColumnStatesToString();
    EXPECT_EQ(saved, Golden("column_states_moved.txt"));

    // A fresh grid of another shape takes the whole layout back.
    TExtStringGrid* other = NewGrid();
    other->SetColCount(2);
    other->StringToColumnStates(saved);
    EXPECT_EQ(other->ColumnStatesToString(), saved);
    EXPECT_EQ(other->ColCount(), 3);
    EXPECT_TRUE(other->IsHiddenColumn(3));

    // The same grid, moved again in between, comes back to the saved arrangement.
    grid->UnHideColumnsAll();
    grid->MoveColumn(0, 3);
    grid->StringToColumnStates(saved);
    EXPECT_EQ(HeaderRow(), (std::vector<std::string>{"2,0", "0,0", "1,0"}));
    EXPECT_EQ(Widths(), (std::vector<int>{80, 64, 80}));
    EXPECT_TRUE(grid->IsHiddenColumn(3));
}

TEST_F(SettingsPersistenceTest, ABrokenColumnStatesTextChangesNothing)
{
    grid->HideColumn(1);
    const std::string before = grid->ColumnStatesToString();
    const struct {
        const char* text;
        bool raises;
    } cases[] = {
        {"4,64,80", false},                                 // no "#": not a layout at all
        {"100000#64#0#1", true},                           // a count the other fields do not back
        {"4#64,80,80,120#0,1,2,3#1,1,1", true},            // too few visibility entries
        {"4#64,80#0,1,2,3#1,1,1,1", true},                 // too few widths
        {"4#64,x,80,120#0,1,2,3#1,1,1,1", true},           // a width that is no number
        {"4#64,80,80,120#0,1,1,3#1,1,1,1", true},          // an order naming a column twice
        {"4#64,80,80,120#0,1,2,9#1,1,1,1", true},          // an order naming no column
        {"4#64,80,80,120#0,1,2,3#0,0,0,0", true},          // every column hidden
        {"0###", true},                                    // no columns
        {"-3#1#0#1", true},                                // a negative count
        {"4#64,-80,80,120#0,1,2,3#1,1,1,1", true},         // a negative width
        {"4#64,80,80,120#0,1,2,3#1,1,1,1#more", true},     // a fifth field
    };
    for (const auto& c : cases) {
        if (c.raises)
            EXPECT_THROW(grid->StringToColumnStates(c.text), EConvertError) << c.text;
        else
            grid->StringToColumnStates(c.text);
        EXPECT_EQ(grid->ColumnStatesToString(), before) << c.text;
    }
}

TEST_F(SettingsPersistenceTest, SkippedOrderEntriesAndAStretchedGridLoad)
{
    // -1 entries are skipped; widths of hidden columns are not needed.
    grid->StringToColumnStates("3#50,60#-1,1,-1,0,2#1,0,1");
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_TRUE(grid->IsHiddenColumn(1));
    EXPECT_EQ(Widths(), (std::vector<int>{50, 60}));
    EXPECT_EQ(grid->Cells(grid->RealColIndex(0), 1), "1,1");

    grid->ColumnSize()->SetStretch(true);
    grid->StringToColumnStates("2#30,40#0,1#1,1");
    EXPECT_TRUE(grid->ColumnSize()->Stretch());
    EXPECT_EQ(grid->ColWidths(0), 30);
}

TEST_F(SettingsPersistenceTest, ColumnWidthsGoToTheIniFileAndComeBack)
{
    const std::string file = dir.File("grid.ini");
    grid->ColumnSize()->Location = clIniFile;
    grid->ColumnSize()->Key = file;
    grid->SaveColSizes();
    EXPECT_FALSE(FileExists(file)) << "nothing happens without a section";

    grid->ColumnSize()->Section = "Widths";
    grid->SaveColSizes();
    EXPECT_EQ(ReadTestFile(file), Golden("col_sizes.ini"));

    TExtStringGrid* other = NewGrid();
    other->SetColCount(4);
    other->SetColWidths(3, 7);
    other->ColumnSize()->Assign(*grid->ColumnSize());
    other->LoadColSizes();
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(other->ColWidths(c), grid->ColWidths(c)) << c;

    // A store without widths leaves them, and the load writes the file that was missing.
    const std::string empty = dir.File("none.ini");
    other->ColumnSize()->Key = empty;
    other->SetColWidths(0, 33);
    other->LoadColSizes();
    EXPECT_EQ(other->ColWidths(0), 33);
    EXPECT_EQ(ReadTestFile(empty), "");
    EXPECT_TRUE(FileExists(empty));
}

TEST_F(SettingsPersistenceTest, ColumnWidthsInTheRegistryKeepAValueStoredAsText)
{
    grid->ColumnSize()->Key = "Software\\Vantrel\\Grid";
    grid->ColumnSize()->Section = "Cols";
    const std::string key = "Software\\Vantrel\\Grid\\Cols";
    RegistryStore()->WriteValue(HKEY_CURRENT_USER, key, "Col1", std::string("12"));
    grid->SaveColSizes();
    EXPECT_EQ(std::get<int32_t>(*RegistryStore()->ReadValue(HKEY_CURRENT_USER, key, "Col0")), 64);
    EXPECT_EQ(std::get<std::string>(*RegistryStore()->ReadValue(HKEY_CURRENT_USER, key, "Col1")), "80");

    grid->SetColWidths(0, 5);
    grid->SetColWidths(1, 5);
    grid->LoadColSizes();
    EXPECT_EQ(Widths(), (std::vector<int>{64, 80, 80, 120}));
}

TEST_F(SettingsPersistenceTest, TheColumnSizeSaveFlagKeepsTheWidthsOverTheGridsLife)
{
    TExtStringGrid* first = NewGrid();
    first->SetColCount(3);
    first->ColumnSize()->Save = true;
    first->ColumnSize()->Key = "Software\\Vantrel\\Life";
    first->ColumnSize()->Section = "S";
    first->SetColWidths(2, 99);
    delete first;

    auto* second = new TLoadableGrid(&form);
    second->SetColCount(3);
    second->ColumnSize()->Save = true;
    second->ColumnSize()->Key = "Software\\Vantrel\\Life";
    second->ColumnSize()->Section = "S";
    second->Loaded();
    EXPECT_EQ(second->ColWidths(2), 99);
}

TEST_F(SettingsPersistenceTest, ColumnPositionsComeBackWithTheHiddenColumnsStillHidden)
{
    const std::string file = dir.File("pos.ini");
    for (TColumnSizeLocation location : {clIniFile, clRegistry}) {
        grid->ColumnSize()->Location = location;
        grid->ColumnSize()->Key = location == clIniFile ? file : "Software\\Vantrel\\Pos";
        grid->ColumnSize()->Section = "P";
        grid->SetColumnOrder();
        grid->MoveColumn(3, 0);
        grid->SaveColPositions();

        TExtStringGrid* other = NewGrid();
        other->SetColCount(4);
        for (int c = 0; c < 4; ++c)
            other->SetCells(c, 0, std::to_string(c) + ",0");
        other->ColumnSize()->Assign(*grid->ColumnSize());
        other->HideColumn(1);
        other->LoadColPositions();
        EXPECT_TRUE(other->IsHiddenColumn(1));
        other->UnHideColumnsAll();
        std::vector<std::string> shown;
        for (int c = 0; c < 4; ++c)
            shown.push_back(other->Cells(other->RealColIndex(c), 0));
        EXPECT_EQ(shown, (std::vector<std::string>{"3,0", "0,0", "1,0", "2,0"})) << location;
        grid->ResetColumnOrder();
    }
    EXPECT_NE(ReadTestFile(file).find("Pos0=3\r\n"), std::string::npos) << ReadTestFile(file);

    // A store without "Pos0" leaves the order as it was.
    grid->ColumnSize()->Section = "Other";
    grid->SetColumnOrder();
    grid->MoveColumn(1, 2);
    grid->LoadColPositions();
    EXPECT_EQ(HeaderRow(), (std::vector<std::string>{"0,0", "2,0", "1,0", "3,0"}));
}

} // namespace
