#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../control/GridOnForm.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/SysUtils.h"

namespace {

class RowSortTest : public GridOnForm {
protected:
    // One row per text list, below one fixed row; column 0 stays the fixed column.
    void Fill(const std::vector<std::vector<std::string>>& Rows)
    {
        grid->SetColCount(static_cast<int>(Rows.front().size()));
        grid->SetRowCount(static_cast<int>(Rows.size()) + 1);
        for (size_t r = 0; r < Rows.size(); ++r)
            for (size_t c = 0; c < Rows[r].size(); ++c)
                grid->SetCells(static_cast<int>(c), static_cast<int>(r) + 1, Rows[r][c]);
    }
    std::vector<std::string> Column(int ACol) const
    {
        std::vector<std::string> texts;
        for (int r = 0; r < grid->RowCount(); ++r)
            texts.push_back(grid->Cells(ACol, r));
        return texts;
    }
    void SetStyle(TSortStyle Style, const std::string& Prefix = "")
    {
        grid->OnGetFormat = [Style, Prefix](TObject*, int, TSortStyle& AStyle, std::string& APrefix, std::string&) {
            AStyle = Style;
            APrefix = Prefix;
        };
    }
    int Compare(const std::string& A, const std::string& B, TSortDirection Direction = sdAscending)
    {
        Fill({{"", A}, {"", B}});
        return grid->CompareCells(1, 1, 2, Direction);
    }
};

TEST_F(RowSortTest, CellsCompareByTheirStyle)
{
    const struct {
        TSortStyle Style;
        const char* A;
        const char* B;
        int Result;
    } cases[] = {
        {ssNumeric, "10", "9", 1},         {ssNumeric, "", "-1", 1},         {ssNumeric, "abc", "5", -1},
        {ssNumeric, "abc", "xyz", 0},       {ssNumeric, "12abc", "12", 0},    {ssNumeric, "-5x", "5", 0},
        {ssNumeric, "1e3", "999", 1},      {ssFinancial, "1,200.50", "999", 1},
        {ssAlphabetic, "B", "a", -1},      {ssAlphaCase, "b", "a", 1},       {ssAlphaNoCase, "b", "A", 1},
        {ssAlphaNoCase, "abc", "ABC", 0},  {ssAnsiAlphaNoCase, "b", "A", 1}, {ssAnsiAlphaCase, "a", "A", -1},
        {ssHTML, "<b>b</b>", "a", 1},      {ssDate, "05/01/2020", "15/03/2020", -1},
        {ssDate, "nonsense", "01/01/1900", -1}, {ssTime, "12:30", "9:15", 1},
        {ssShortDateEU, "02/01/2020", "01/02/2020", -1}, {ssShortDateUS, "02/01/2020", "01/02/2020", 1},
        {ssAlphaNumeric, "10", "9", 1},    {ssAlphaNumeric, "10a", "9a", -1}, {ssAlphaNumericNoCase, "b", "A", 1},
        {ssCustom, "a", "b", 0},           {ssRaw, "a", "b", 0},             {ssAutomatic, "10", "9", 1},
        {ssAutomatic, "12/05/2020", "13/04/2019", 1}, {ssAutomatic, "12:30", "9:15", 1},
        {ssAutomatic, "AB/CD", "AA/CE", 1}, {ssAutomatic, "b", "a", 1},
    };
    for (const auto& c : cases) {
        SetStyle(c.Style);
        EXPECT_EQ(Compare(c.A, c.B), c.Result) << c.A << " against " << c.B << ", style " << c.Style;
    }
}

TEST_F(RowSortTest, PrefixCustomCompareAndCheckBoxes)
{
    SetStyle(ssNumeric, "$");
    EXPECT_EQ(Compare("$5", "$40"), -1);
    SetStyle(ssCustom);
    grid->OnCustomCompare = [](TObject*, const std::string& A, const std::string& B, int& Res) {
        Res = A.size() < B.size() ? -7 : 7;
    };
    EXPECT_EQ(Compare("zz", "aaa"), -1);
    grid->OnGetFormat = nullptr;
    Fill({{"", ""}, {"", ""}});
    grid->AddCheckBox(1, 1, true, false);
    grid->AddCheckBox(1, 2, false, false);
    EXPECT_EQ(grid->CompareCells(1, 1, 2, sdAscending), 1);
}

TEST_F(RowSortTest, BlanksGoWhereBlankPosSaysInBothDirections)
{
    SetStyle(ssAlphabetic);
    EXPECT_EQ(Compare("", "a"), -1);
    grid->SortSettings()->IgnoreBlanks = true;
    grid->SortSettings()->BlankPos = blLast;
    EXPECT_EQ(Compare("", "a"), 1);
    EXPECT_EQ(Compare("a", ""), -1);
    EXPECT_EQ(Compare("", "a", sdDescending), -1);
    Fill({{"", "b"}, {"", ""}, {"", "a"}, {"", "c"}});
    for (const TSortDirection direction : {sdAscending, sdDescending}) {
        grid->Sort(1, direction);
        EXPECT_EQ(grid->Cells(1, 4), "") << direction;
    }
}

TEST_F(RowSortTest, TiesGoToTheColumnsToTheRightOnlyWithFull)
{
    SetStyle(ssAlphabetic);
    Fill({{"x", "a", "2"}, {"y", "a", "1"}});
    EXPECT_EQ(grid->CompareRows(1, 1, 2), 1);
    EXPECT_EQ(grid->CompareRows(2, 1, 2), 1);
    grid->SortSettings()->Full = false;
    EXPECT_EQ(grid->CompareRows(1, 1, 2), 0);
    grid->IgnoreColumns = {1};
    EXPECT_EQ(grid->CompareRows(1, 1, 2), 0);
}

TEST_F(RowSortTest, IndexedCompareAppliesEachEntrysDirection)
{
    SetStyle(ssAlphabetic);
    Fill({{"a", "", "k"}, {"b", "", "k"}});
    grid->SortIndexes.AddIndex(2, true);
    grid->SortIndexes.AddIndex(0, false);
    EXPECT_EQ(grid->CompareRowsIndexed(0, 1, 2), 1);
    grid->SortSettings()->Full = false;
    EXPECT_EQ(grid->CompareRowsIndexed(0, 1, 2), 0);
}

TEST_F(RowSortTest, QSortKeepsFixedRowsFootersAndColumnZeroWithNormalCellsOnly)
{
    grid->SetFixedCols(1);
    Fill({{"1", "30", "c"}, {"2", "4", "a"}, {"3", "100", "b"}, {"4", "7", "d"}, {"F1", "sum", "x"}, {"F2", "avg", "y"}});
    grid->SetCells(1, 0, "header");
    grid->SetFixedFooters(2);
    grid->SortSettings()->NormalCellsOnly = true;
    grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"header", "4", "7", "30", "100", "sum", "avg"}));
    EXPECT_EQ(Column(2), (std::vector<std::string>{"", "a", "d", "c", "b", "x", "y"}));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"", "1", "2", "3", "4", "F1", "F2"}));
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->FixedFooters, 2);
    grid->Sort(1, sdDescending);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"header", "100", "30", "7", "4", "sum", "avg"}));
}

TEST_F(RowSortTest, CellObjectsTravelWithTheirRowsAndNoneIsFreedTwice)
{
    Fill({{"", "b"}, {"", "a"}, {"", "c"}, {"", "F1"}, {"", "F2"}});
    grid->SetFixedFooters(2);
    for (int r = 1; r < 4; ++r)
        grid->AddCheckBox(0, r, r == 2, false);
    grid->Sort(1, sdAscending);
    bool state = false;
    grid->GetCheckBoxState(0, 1, state);
    EXPECT_TRUE(state) << "the checked box belongs to the row of a";
    grid->SetFixedFooters(0);
    grid->Sort(1, sdDescending);
    grid->GetCheckBoxState(0, 5, state);
    EXPECT_TRUE(state);
    // Clearing frees every cell object once; a second owner left behind would crash here.
    grid->SetRowCount(1);
}

TEST_F(RowSortTest, HiddenColumnsMoveWithTheirRows)
{
    Fill({{"", "b", "2"}, {"", "a", "1"}, {"", "c", "3"}});
    grid->HideColumn(2);
    grid->Sort(1, sdAscending);
    grid->UnHideColumn(2);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"", "1", "2", "3"}));
}

TEST_F(RowSortTest, UnSortReturnsEveryRowAfterSeveralSorts)
{
    Fill({{"", "b", "2"}, {"", "a", "9"}, {"", "c", "1"}, {"", "a", "5"}});
    grid->Sort(1, sdAscending);
    grid->Sort(2, sdDescending);
    grid->Sort(1, sdDescending);
    grid->QUnSort();
    EXPECT_EQ(Column(1), (std::vector<std::string>{"", "b", "a", "c", "a"}));
    EXPECT_EQ(Column(2), (std::vector<std::string>{"", "2", "9", "1", "5"}));
    EXPECT_EQ(grid->SortRowXRef(), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST_F(RowSortTest, NothingHappensWithoutColumnOrRowsAndIndexedNeedsIndexes)
{
    Fill({{"", "b"}, {"", "a"}});
    grid->QSort();
    grid->QSortGroup();
    EXPECT_EQ(Column(1), (std::vector<std::string>{"", "b", "a"}));
    try {
        grid->QSortIndexed();
        ADD_FAILURE() << "no error";
    } catch (const EExtGridError& e) {
        EXPECT_STREQ(e.what(), "No indexes specified for indexed sort");
    }
    grid->SetRowCount(1);
    grid->SortByColumn(1);
    EXPECT_EQ(grid->SortSettings()->Column, -1);
}

TEST_F(RowSortTest, IndexedSortOrdersByEachColumnInTurn)
{
    Fill({{"", "a", "1"}, {"", "b", "2"}, {"", "a", "3"}, {"", "b", "1"}});
    grid->SortIndexes.AddIndex(1, true);
    grid->SortIndexes.AddIndex(2, false);
    grid->QSortIndexed();
    EXPECT_EQ(Column(2), (std::vector<std::string>{"", "3", "1", "2", "1"}));
}

TEST_F(RowSortTest, GroupSortSortsBelowEachNodeOnly)
{
    Fill({{"", "G1"}, {"", "c"}, {"", "a"}, {"", "b"}, {"", "G2"}, {"", "z"}, {"", "y"}});
    grid->AddNode(1, 4);
    grid->AddNode(5, 3);
    grid->SortSettings()->Column = 1;
    grid->QSortGroup();
    EXPECT_EQ(Column(1), (std::vector<std::string>{"", "G1", "a", "b", "c", "G2", "y", "z"}));
    grid->SortIndexes.AddIndex(1, false);
    grid->QSortGroupIndexed();
    EXPECT_EQ(Column(1), (std::vector<std::string>{"", "G1", "c", "b", "a", "G2", "z", "y"}));
}

TEST_F(RowSortTest, CurrentRowFollowsItsDataWithMoveRowOnSort)
{
    Fill({{"", "b"}, {"", "c"}, {"", "a"}});
    grid->Navigation()->MoveRowOnSort = true;
    grid->SetRow(2);
    grid->Sort(1, sdAscending);
    EXPECT_EQ(grid->Cells(1, grid->Row()), "c");
}

TEST_F(RowSortTest, SortLineSwapsOnlyRowsOutOfOrder)
{
    SetStyle(ssAlphabetic);
    Fill({{"", "a", "1"}, {"", "a", "1"}, {"", "b", "0"}});
    EXPECT_FALSE(grid->SortLine(1, 1, 3));
    EXPECT_FALSE(grid->SortLine(1, 1, 2));
    EXPECT_TRUE(grid->SortLine(1, 3, 1));
    EXPECT_EQ(grid->Cells(1, 1), "b");
}

TEST_F(RowSortTest, SettingsTextSavesAndLoadsTheSort)
{
    Fill({{"", "b", "", "2"}, {"", "a", "", "1"}, {"", "c", "", "3"}});
    TSortSettings& sort = *grid->SortSettings();
    EXPECT_EQ(sort.SaveToString(), "u-1");
    sort.LoadFromString("d3");
    EXPECT_TRUE(sort.Show());
    EXPECT_EQ(sort.SaveToString(), "d3");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"", "c", "b", "a"}));
    sort.LoadFromString("u3");
    EXPECT_EQ(sort.SaveToString(), "u3");
    sort.LoadFromString("i;u2;d0");
    EXPECT_EQ(sort.SaveToString(), "i;u2;d0");
    sort.LoadFromString("dx");
    EXPECT_FALSE(sort.IndexShow);
    EXPECT_EQ(sort.Direction, sdDescending);
    try {
        sort.LoadFromString("u");
        ADD_FAILURE() << "no error";
    } catch (const EExtGridError& e) {
        EXPECT_STREQ(e.what(), "Invalid sort settings specifier");
    }
    sort.Remove();
    EXPECT_EQ(sort.Column, -1);
    EXPECT_EQ(grid->SortIndexes.Count(), 0);
}

} // namespace

namespace {

using RowSortDisplayTest = GridOnForm;

TEST_F(RowSortDisplayTest, SortsByTheShownTextsUnlessToldToUseTheStoredOnes)
{
    grid->SetColCount(2);
    grid->SetRowCount(4);
    const std::vector<std::string> stored{"b", "a", "c"};
    for (int r = 1; r < 4; ++r)
        grid->SetCells(1, r, stored[static_cast<size_t>(r - 1)]);
    // b shows as 2, a as 3, c as 1.
    grid->OnGetDisplText = [](TObject*, int ACol, int, std::string& Value) {
        if (ACol == 1) Value = Value == "a" ? "3" : Value == "b" ? "2" : "1";
    };
    grid->Sort(1, sdAscending);
    EXPECT_EQ(grid->GridCells(1, 1), "c");
    EXPECT_EQ(grid->GridCells(1, 3), "a");
    grid->SortSettings()->SortOnVirtualCells = false;
    grid->Sort(1, sdAscending);
    EXPECT_EQ(grid->GridCells(1, 1), "a");
    EXPECT_EQ(grid->GridCells(1, 3), "c");
}

} // namespace

namespace {

struct TSettingCase {
    const char* Name;
    std::function<void(TSortSettings&)> Set;
};

const std::vector<TSettingCase>& SettingCases()
{
    static const std::vector<TSettingCase> cases = {
        {"plain", [](TSortSettings&) {}},
        {"descending", [](TSortSettings& S) { S.Direction = sdDescending; }},
        {"without Full", [](TSortSettings& S) { S.Full = false; }},
        {"single column", [](TSortSettings& S) { S.SingleColumn = true; }},
        {"normal cells only", [](TSortSettings& S) { S.NormalCellsOnly = true; }},
        {"blanks last", [](TSortSettings& S) {
             S.IgnoreBlanks = true;
             S.BlankPos = blLast;
         }},
        {"stored texts, no case", [](TSortSettings& S) {
             S.SortOnVirtualCells = false;
             S.AutoFormat = false;
             S.IgnoreCase = true;
         }},
    };
    return cases;
}

// Two grids with the same mixed cells: the second has an OnGetFormat that changes nothing,
// so its sort reads every cell anew at each compare while the first reads each cell once.
// Both must end in the same order.
class RowSortReadOnceTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.SetClientSize(400, 300);
        for (TExtStringGrid*& grid : grids) {
            grid = new TExtStringGrid(&form);
            grid->SetParent(&form);
            grid->SetColCount(5);
            grid->SetRowCount(241);
            grid->SetFixedCols(1);
        }
        grids[1]->OnGetFormat = [](TObject*, int, TSortStyle&, std::string&, std::string&) {};
        const char* words[] = {"", "7", "10", "-3", "1e2", "abc", "Abc", "12abc", "1,5", "05/01/2020", "12:30", "b"};
        unsigned seed = 7;
        for (int r = 1; r < 241; ++r)
            for (int c = 0; c < 5; ++c) {
                seed = seed * 1103515245u + 12345u;
                const std::string text = c == 0 ? std::to_string(r) : words[(seed >> 16) % 12];
                for (TExtStringGrid* grid : grids)
                    grid->SetCells(c, r, text);
            }
    }

    TForm form{nullptr};
    TExtStringGrid* grids[2] = {nullptr, nullptr};
};

TEST_F(RowSortReadOnceTest, ReadingEachCellOnceSortsAsReadingItAtEveryCompare)
{
    for (const TSettingCase& setting : SettingCases()) {
        SCOPED_TRACE(setting.Name);
        for (TExtStringGrid* grid : grids) {
            setting.Set(*grid->SortSettings());
            grid->Sort(2, grid->SortSettings()->Direction);
            grid->SortIndexes.Clear();
            grid->SortIndexes.AddIndex(3, false);
            grid->SortIndexes.AddIndex(1, true);
            grid->QSortIndexed();
        }
        for (int r = 0; r < grids[0]->RowCount(); ++r)
            for (int c = 0; c < grids[0]->ColCount(); ++c)
                ASSERT_EQ(grids[0]->Cells(c, r), grids[1]->Cells(c, r)) << c << "," << r;
    }
}

} // namespace

namespace {

// Whatever reads the keys, the rows end in the order the row compare gives, and rows that
// tie keep the order they had: the sort is stable. The texts compare as texts, since the
// automatic style on mixed cells gives no order to follow.
TEST_F(RowSortReadOnceTest, SortedRowsFollowTheRowCompareAndTiesKeepTheirOrder)
{
    for (const TSettingCase& setting : SettingCases())
        for (TExtStringGrid* grid : grids) {
            SCOPED_TRACE(std::string(setting.Name) + (grid == grids[0] ? ", keys" : ", cell by cell"));
            // Only the sort column's cells move: the columns the ties look at stay behind.
            if (setting.Name == std::string("single column")) continue;
            grid->SortSettings()->AutoFormat = false;
            setting.Set(*grid->SortSettings());
            grid->InitSortXRef();
            grid->Sort(2, grid->SortSettings()->Direction);
            const int before = grid->SortSettings()->Direction == sdAscending ? -1 : 1;
            for (int r = 2; r < grid->RowCount(); ++r) {
                const int result = grid->CompareRows(2, r - 1, r);
                ASSERT_NE(result, -before) << "rows " << r - 1 << " and " << r;
                if (result == 0) {
                    ASSERT_LT(grid->SortRowXRef()[r - 1], grid->SortRowXRef()[r]) << r;
                }
            }
        }
}

TEST_F(RowSortTest, FlagsHeightsAndHiddenCellsTravelWithTheirRows)
{
    Fill({{"", "c", "3"}, {"", "a", "1"}, {"", "d", "4"}, {"", "b", "2"}});
    grid->ShowModified()->Enabled = true;
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->Navigation()->MoveRowOnSort = true;
    grid->SetRowModified(2, true);
    grid->SetRowSelect(3, true);
    grid->SetRowHeights(1, 40);
    grid->HideColumn(2);
    grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"", "a", "b", "c", "d"}));
    EXPECT_TRUE(grid->RowModified(1)) << "a was modified";
    EXPECT_FALSE(grid->RowModified(2));
    EXPECT_TRUE(grid->RowSelect(4)) << "d was selected";
    EXPECT_FALSE(grid->RowSelect(3));
    EXPECT_EQ(grid->RowHeights(3), 40) << "c was 40 high";
    grid->UnHideColumn(2);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"", "1", "2", "3", "4"}));
    grid->QUnSort();
    EXPECT_EQ(Column(1), (std::vector<std::string>{"", "c", "a", "d", "b"}));
    EXPECT_TRUE(grid->RowModified(2));
    EXPECT_EQ(grid->RowHeights(1), 40);
}

} // namespace
