#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../control/GridOnForm.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/foundation/text/CellText.h"

namespace {

// Three columns and four rows, one of each fixed; cells as the rows list them.
class GridFindTest : public GridOnForm {
protected:
    void Fill(const std::vector<std::vector<std::string>>& Rows)
    {
        grid->SetColCount(static_cast<int>(Rows.front().size()));
        grid->SetRowCount(static_cast<int>(Rows.size()));
        for (size_t r = 0; r < Rows.size(); ++r)
            for (size_t c = 0; c < Rows[r].size(); ++c)
                grid->SetCells(static_cast<int>(c), static_cast<int>(r), Rows[r][c]);
    }
    std::vector<std::string> Stored() const
    {
        std::vector<std::string> texts;
        for (int r = 0; r < grid->RowCount(); ++r)
            for (int c = 0; c < grid->TotalColCount(); ++c)
                texts.push_back(grid->GridCells(c, r));
        return texts;
    }
};

TEST_F(GridFindTest, FindsInColumnOrderThenRowOrderAndStopsAtTheEnd)
{
    Fill({{"abc", "h1", "h2"}, {"r1", "xABC", "no"}, {"r2", "abc", "abcd"}});
    EXPECT_EQ(grid->FindFirst("abc", {}), (TPoint{1, 1}));
    EXPECT_EQ(grid->FindNext(), (TPoint{1, 2}));
    EXPECT_EQ(grid->FindNext(), (TPoint{2, 2}));
    EXPECT_EQ(grid->FindNext(), (TPoint{-1, -1}));
    EXPECT_EQ(grid->FindFirst("abc", {fnDirectionLeftRight}), (TPoint{1, 1}));
    EXPECT_EQ(grid->FindNext(), (TPoint{1, 2}));
    EXPECT_EQ(grid->Find({-1, -1}, "abc", {fnBackward}), (TPoint{2, 2}));
    EXPECT_EQ(grid->Find({-1, -1}, "abc", {fnIncludeFixed}), (TPoint{0, 0}));
}

TEST_F(GridFindTest, MatchRulesAndRestrictions)
{
    Fill({{"", "", ""}, {"", "abcd", "xabc"}, {"", "", "abc"}});
    const struct {
        const char* Text;
        TFindParameters Params;
        TPoint Found;
    } cases[] = {
        {"abc", {fnMatchFull}, {2, 2}},
        {"abc", {fnMatchStart}, {1, 1}},
        {"xabc", {fnMatchStart}, {2, 1}},
        {"ABC", {fnMatchCase}, {-1, -1}},
        {"\"\"", {}, {1, 2}},
        {"a*", {fnMatchRegular}, {1, 1}},
        {"abc", {fnFindInPresetCol}, {2, 1}},
        {"abc", {fnFindInPresetRow}, {2, 2}},
    };
    grid->FFindCol = 2;
    grid->FFindRow = 2;
    for (const auto& c : cases)
        EXPECT_EQ(grid->Find({-1, -1}, c.Text, c.Params), c.Found) << c.Text;
    grid->IgnoreColumns = {1};
    EXPECT_EQ(grid->Find({-1, -1}, "abc", {}), (TPoint{2, 1}));
}

TEST_F(GridFindTest, AutoGotoMakesTheCellCurrent)
{
    Fill({{"", "", ""}, {"", "a", ""}, {"", "", "b"}});
    grid->Find({-1, -1}, "b", {fnAutoGoto});
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GridFindTest, ReplaceChangesTheStoredTextsOnly)
{
    Fill({{"", "", ""}, {"", "Aa", "xa"}, {"", "<b>a</b>", "zz"}});
    grid->OnGetDisplText = [](TObject*, int ACol, int ARow, std::string& Value) {
        if (ACol == 2 && ARow == 2) Value = "shown a";
    };
    grid->ShowModified()->Enabled = true;
    EXPECT_EQ(grid->Replace("a", "b", {}), 3);
    EXPECT_EQ(grid->GridCells(1, 1), "bb");
    EXPECT_EQ(grid->GridCells(2, 1), "xb");
    EXPECT_EQ(grid->GridCells(1, 2), "<b>b</b>");
    EXPECT_EQ(grid->GridCells(2, 2), "zz") << "a display form never replaces the stored text";
    EXPECT_TRUE(grid->RowModified(1));
    EXPECT_EQ(grid->Replace("nowhere", "b", {}), 0);
}

TEST_F(GridFindTest, TypeAheadSearchUsesTheSortColumn)
{
    Fill({{"", "", ""}, {"", "x", "abc"}, {"", "ab", "b"}});
    EXPECT_EQ(grid->Search("AB"), 2);
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->Column = 2;
    EXPECT_EQ(grid->Search("AB"), 1);
    grid->SortSettings()->Column = -1;
    EXPECT_EQ(grid->Search("AB"), -1);
}

TEST_F(GridFindTest, HighlightRoundTripsLeaveOtherCellsByteIdentical)
{
    Fill({{"ab", "", ""}, {"", "Cab", "abd"}, {"", "a<b x", "a&b \"q\""}});
    grid->HideColumn(2);
    grid->HilightInCell(true, 1, 1, "ab");
    EXPECT_EQ(grid->GridCells(1, 1), "C<hi>ab</hi>");
    grid->HilightInCell(false, 1, 2, "X");
    EXPECT_EQ(grid->GridCells(1, 2), "a&lt;b <hi>x</hi>");
    grid->UnHilightInCell(1, 2);
    EXPECT_EQ(grid->GridCells(1, 2), "a<b x");
    grid->UnHilightInCell(1, 1);
    const std::vector<std::string> before = Stored();
    grid->HilightInGrid(false, false, "AB");
    EXPECT_EQ(grid->GridCells(2, 1), "<hi>ab</hi>d") << "the hidden column is highlighted too";
    EXPECT_EQ(grid->GridCells(0, 0), "ab");
    EXPECT_EQ(grid->GridCells(2, 2), "a&b \"q\"");
    grid->UnHilightInGrid(false);
    EXPECT_EQ(Stored(), before);
    grid->MarkInGrid(false, true, "ab");
    EXPECT_EQ(grid->GridCells(2, 1), "abd") << "marking leaves hidden columns out";
    EXPECT_EQ(grid->GridCells(1, 1), "C<e>ab</e>");
    grid->UnMarkInGrid(false);
    EXPECT_EQ(Stored(), before);
}

// Entities a cell holds as text survive highlighting on and off, as often as it is done,
// and a cell without a hit is never written at all.
TEST_F(GridFindTest, HighlightingOnAndOffGivesEveryCellBackAsItWas)
{
    Fill({{"", "", ""}, {"", "if a &lt; b then x", "R&amp;D x &gt;"}, {"", "a &lt; b", "<b>x</b> &lt; y"}});
    const std::vector<std::string> before = Stored();
    for (int round = 0; round < 2; ++round) {
        grid->HilightInGrid(false, false, "x");
        EXPECT_EQ(grid->GridCells(1, 1), "if a &amp;lt; b then <hi>x</hi>");
        grid->UnHilightInGrid(false);
        EXPECT_EQ(Stored(), before) << round;
    }
}

TEST_F(GridFindTest, FillsWriteTheNormalCells)
{
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->LinearFill(false);
    EXPECT_EQ(grid->Cells(1, 1), "1:1");
    EXPECT_EQ(grid->Cells(0, 0), "");
    grid->FormatFill(true, "R%dC%d");
    EXPECT_EQ(grid->Cells(1, 1), "R1C1");
    EXPECT_EQ(grid->Cells(0, 0), "R0C0");
    grid->TextFill(false, "t");
    EXPECT_EQ(grid->Cells(2, 2), "t");
    grid->RandomFill(false, 3);
    const int value = grid->Ints(2, 2);
    EXPECT_TRUE(value >= 0 && value < 3);
}

TEST_F(GridFindTest, FindWideSearchesTheDecodedWideTextsWithoutScrolling)
{
    Fill({{"", "h1"}, {"", "plain"}, {"", EncodeWideCellText("Grün")}});
    EXPECT_EQ(grid->FindWide({-1, -1}, "grü", {}), (TPoint{1, 2}));
    EXPECT_EQ(grid->SearchCacheWide, "GRÜ");
    EXPECT_EQ(grid->Find({-1, -1}, "grü", {}), (TPoint{-1, -1})) << "the plain find sees the encoded form";
    EXPECT_EQ(grid->FindWide({1, 2}, "grü", {}), (TPoint{-1, -1}));
    EXPECT_EQ(grid->FindWide({-1, -1}, "Grün", {fnMatchCase, fnMatchFull, fnAutoGoto}), (TPoint{1, 2}));
    EXPECT_EQ(grid->Row(), 2);
}

} // namespace
