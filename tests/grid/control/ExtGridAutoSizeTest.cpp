#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/control/settings/SortSettings.h"

namespace {

class ExtGridAutoSizeTest : public GridOnForm {
protected:
    int TextWidth(const std::string& Text, bool Fixed)
    {
        TBitmap bitmap(1, 1);
        bitmap.Canvas()->Font()->Assign(Fixed ? *grid->FixedFont() : *grid->Font());
        return bitmap.Canvas()->TextWidth(Text);
    }
    std::vector<int> Widths()
    {
        std::vector<int> widths;
        for (int c = 0; c < grid->ColCount(); ++c)
            widths.push_back(grid->ColWidths(c));
        return widths;
    }
    void SetWidths(const std::vector<int>& Widths)
    {
        grid->SetColCount(static_cast<int>(Widths.size()));
        for (int c = 0; c < grid->ColCount(); ++c)
            grid->SetColWidths(c, Widths[c]);
    }
};

// The widest text of the measured rows, with the text margins, grid lines and two pixels.
TEST_F(ExtGridAutoSizeTest, AutoSizeColTakesTheWidestTextPlusEightWithinTheLimits)
{
    grid->SetColCount(3);
    grid->SetRowCount(5);
    grid->FixedFooters = 1;
    const std::string header = "Header text";
    const std::string longest = "a much longer cell text";
    const std::string footer = "a footer text that is longer than every other";
    grid->SetCells(1, 0, header);
    grid->SetCells(1, 1, "short");
    grid->SetCells(1, 2, longest);
    grid->SetCells(1, 3, "mid");
    grid->SetCells(1, 4, footer);
    const int normalWidth = TextWidth(longest, false) + 8;
    const int allWidth = TextWidth(footer, false) + 8;
    const int fixedWidth = TextWidth(header, true) + 8;
    const struct {
        const char* what;
        std::function<void(TExtStringGrid&)> setup;
        int startWidth;
        int padding;
        int expected;
    } cases[] = {
        {"all rows", [](TExtStringGrid&) {}, 64, 0, allWidth},
        {"normal rows", [](TExtStringGrid& g) { g.ColumnSize()->Rows = arNormal; }, 64, 0, normalWidth},
        {"fixed rows", [](TExtStringGrid& g) { g.ColumnSize()->Rows = arFixed; }, 64, 0, fixedWidth},
        {"shrinks", [](TExtStringGrid& g) { g.ColumnSize()->Rows = arNormal; }, 500, 0, normalWidth},
        {"grow only keeps a wider column", [](TExtStringGrid& g) { g.SizeGrowOnly = true; }, 500, 0, 500},
        {"grow only still grows", [](TExtStringGrid& g) { g.SizeGrowOnly = true; }, 10, 0, allWidth},
        {"lower limit", [](TExtStringGrid& g) { g.MinColWidth = 400; }, 64, 0, 400},
        {"upper limit", [](TExtStringGrid& g) { g.MaxColWidth = 30; }, 64, 0, 30},
        {"equal limits do not limit",
         [](TExtStringGrid& g) {
             g.MinColWidth = 30;
             g.MaxColWidth = 30;
         },
         64, 0, allWidth},
        {"padding", [](TExtStringGrid&) {}, 64, 5, allWidth + 5},
        {"padding within the upper limit", [](TExtStringGrid& g) { g.MaxColWidth = 40; }, 64, 50, 40},
        {"hook", [](TExtStringGrid& g) { g.OnUpdateColumnSize = [](TObject*, int, int& W) { W += 3; }; }, 64,
         0, allWidth + 3},
    };
    for (const auto& c : cases) {
        grid->ColumnSize()->Rows = arAll;
        grid->SizeGrowOnly = false;
        grid->MinColWidth = grid->MaxColWidth = 0;
        grid->OnUpdateColumnSize = nullptr;
        c.setup(*grid);
        grid->SetColWidths(1, c.startWidth);
        grid->AutoSizeCol(1, c.padding);
        EXPECT_EQ(grid->ColWidths(1), c.expected) << c.what;
    }
}

// A display column measures the real column it shows, and a merge over columns never widens.
TEST_F(ExtGridAutoSizeTest, AutoSizeColMeasuresTheShownColumnAndSkipsWideMerges)
{
    grid->SetColCount(4);
    grid->SetCells(2, 1, "the text of real column two");
    grid->SetCells(2, 2, "a merged text that is even wider than the other one");
    grid->MergeCells(2, 2, 2, 1);
    grid->HideColumn(1);
    grid->AutoSizeCol(1);
    EXPECT_EQ(grid->ColWidths(1), TextWidth("the text of real column two", false) + 8);
}

// The sort indicator's room goes to the column that shows the sorted real column, whatever
// hides left of it.
TEST_F(ExtGridAutoSizeTest, TheSortIndicatorWidensTheColumnShowingTheSortedColumn)
{
    grid->SetColCount(4);
    grid->SetRowCount(3);
    const std::string header = "A sorted header";
    for (int c = 1; c < 4; ++c)
        grid->SetCells(c, 0, header);
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->Column = 2;
    grid->HideColumn(1);
    const int plain = TextWidth(header, true) + 8;
    const struct {
        int displCol, expected;
    } cases[] = {{1, plain + 10}, {2, plain}};
    for (const auto& c : cases) {
        grid->AutoSizeCol(c.displCol);
        EXPECT_EQ(grid->ColWidths(c.displCol), c.expected) << "display column " << c.displCol;
    }
}

TEST_F(ExtGridAutoSizeTest, MarkupIsMeasuredWithoutItsTags)
{
    const std::string markup = "<B>bold</B> and plain";
    grid->SetCells(1, 1, markup);
    const TSize measured = grid->GetCellTextSize(1, 1, false, false);
    EXPECT_GT(measured.cx, TextWidth(" and plain", false));
    EXPECT_LT(measured.cx, TextWidth(markup, false));
    grid->EnableHTML = false;
    EXPECT_EQ(grid->GetCellTextSize(1, 1, false, false).cx, TextWidth(markup, false));
}

TEST_F(ExtGridAutoSizeTest, AutoSizeRowsWithoutWordWrapCountLines)
{
    grid->MinRowHeight = 0; // the loaded grid's lower limit would hide the count
    grid->SetWordWrap(false);
    TBitmap bitmap(1, 1);
    bitmap.Canvas()->Font()->Assign(*grid->Font());
    const int h = bitmap.Canvas()->TextHeight("gh");
    grid->AutoSizeRows(false, 4);
    EXPECT_EQ(grid->RowHeights(1), 4 + h + h / 8);
    EXPECT_EQ(grid->RowHeights(0), grid->DefaultRowHeight());
}

// Once its form has loaded it, a grid sizes no row below the default row height it had then
// and no column below 10 pixels, whatever rows it shows.
TEST(ExtGridLoadedLimitsTest, AutoSizingStopsAtTheDefaultRowHeightAndTenPixels)
{
    struct Case {
        const char* Shape;
        int DefaultRowHeight;
        std::function<void(TExtStringGrid&)> Make;
    };
    const std::vector<Case> cases = {
        {"all rows", 0, [](TExtStringGrid&) {}},
        {"taller default rows", 30, [](TExtStringGrid&) {}},
        {"row 2 hidden", 0, [](TExtStringGrid& g) { g.HideRow(2); }},
        {"fixed footer", 30, [](TExtStringGrid& g) { g.FixedFooters = 1; }},
    };
    for (const Case& c : cases) {
        TForm form(nullptr);
        auto* grid = new TExtStringGrid(&form);
        grid->SetParent(&form);
        if (c.DefaultRowHeight > 0) grid->SetDefaultRowHeight(c.DefaultRowHeight);
        const int loadedHeight = grid->DefaultRowHeight();
        form.Show();
        grid->SetDefaultRowHeight(12);
        grid->SetColCount(3);
        grid->SetRowCount(5);
        for (int r = 1; r < grid->RowCount(); ++r)
            grid->SetCells(1, r, "x");
        c.Make(*grid);
        grid->SetWordWrap(false);
        grid->AutoSizeRows(false, 0);
        for (int r = 1; r < grid->RowCount(); ++r)
            EXPECT_EQ(grid->RowHeights(r), loadedHeight) << c.Shape << ", row " << r;
        grid->AutoSizeCol(2);
        EXPECT_EQ(grid->ColWidths(2), 10) << c.Shape << ": an empty column";
    }
}

TEST_F(ExtGridAutoSizeTest, AutoSizeRowTakesTheTallestCell)
{
    grid->Multilinecells = true;
    grid->SetCells(1, 2, "one line");
    grid->SetCells(2, 2, "two\r\nlines");
    const int twoLines = grid->GetCellTextSize(2, 2, false, false).cy;
    EXPECT_GT(twoLines, grid->GetCellTextSize(1, 2, false, false).cy);
    grid->AutoSizeRow(2);
    EXPECT_EQ(grid->RowHeights(2), twoLines + 2 * 2 + 2);
}

TEST_F(ExtGridAutoSizeTest, AutoSizeCellsOnlyGrowsRowsAndSkipsFixedCells)
{
    grid->SetCells(0, 1, "a long text in the fixed column");
    grid->SetCells(1, 1, "wide normal text");
    grid->SetRowHeights(1, 60);
    grid->AutoSizeCells(false, 6, 0);
    EXPECT_EQ(grid->ColWidths(0), 64);
    EXPECT_EQ(grid->ColWidths(1), TextWidth("wide normal text", false) + 6 + 2);
    EXPECT_EQ(grid->RowHeights(1), 60);
}

// The columns of the range fill exactly what the client width leaves them.
TEST_F(ExtGridAutoSizeTest, AutoFitColumnsFillsTheClientWidthExactly)
{
    const struct {
        const char* what;
        std::vector<int> widths;
        bool doFixed;
        int rightFixed;
    } cases[] = {
        {"normal columns", {64, 64, 64, 64, 64}, false, 0},
        {"all columns", {64, 64, 64, 64, 64}, true, 0},
        {"uneven columns", {40, 10, 30, 90}, false, 0},
        {"fixed right column", {40, 10, 30, 90}, false, 1},
        {"columns of no width", {50, 0, 0, 0}, false, 0},
        {"one column", {64}, true, 0},
    };
    for (const auto& c : cases) {
        grid->FixedRightCols = c.rightFixed;
        SetWidths(c.widths);
        grid->AutoFitColumns(c.doFixed);
        const std::vector<int> widths = Widths();
        const int first = c.doFixed || widths.size() == 1 ? 0 : grid->FixedCols();
        const int last = static_cast<int>(widths.size()) - (c.doFixed ? 0 : c.rightFixed);
        const int outside = std::accumulate(widths.begin(), widths.begin() + first, 0) +
                            std::accumulate(widths.begin() + last, widths.end(), 0);
        EXPECT_EQ(std::accumulate(widths.begin() + first, widths.begin() + last, 0),
                  grid->ClientWidth() - outside)
            << c.what;
        for (int i = 0; i < first; ++i)
            EXPECT_EQ(widths[i], c.widths[i]) << c.what;
        for (int i = last; i < static_cast<int>(widths.size()); ++i)
            EXPECT_EQ(widths[i], c.widths[i]) << c.what;
        const auto [lo, hi] = std::minmax_element(widths.begin() + first, widths.begin() + last);
        if (c.widths.size() > 1 && c.widths[1] == 0) {
            EXPECT_LE(*hi - *lo, last - first) << c.what << ": shared equally";
        }
    }
}

TEST_F(ExtGridAutoSizeTest, AutoFitColumnsKeepsTheProportionsAndChangesNothingWhenFitting)
{
    SetWidths({64, 20, 60});
    grid->AutoFitColumns(false);
    const std::vector<int> fitted = Widths();
    EXPECT_NEAR(fitted[2], 3 * fitted[1], 3);
    grid->AutoFitColumns(false);
    EXPECT_EQ(Widths(), fitted);
}

} // namespace
