#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/model/MouseActions.h"

namespace {

class ExtGridCellRangesTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(10);
    }
    void SetColumn(int ACol, const std::vector<std::string>& Texts)
    {
        for (int r = 0; r < static_cast<int>(Texts.size()); ++r)
            grid->SetCells(ACol, r, Texts[r]);
    }
    std::vector<std::string> Column(int ACol) const
    {
        std::vector<std::string> texts;
        for (int r = 0; r < grid->RowCount(); ++r)
            texts.push_back(grid->Cells(ACol, r));
        return texts;
    }
    // The merged areas of a column as (first row, rows) pairs.
    std::vector<std::pair<int, int>> VerticalMerges(int ACol) const
    {
        std::vector<std::pair<int, int>> merges;
        for (int r = 0; r < grid->RowCount(); ++r)
            if (grid->IsYMergedCell(ACol, r) && grid->IsBaseCell(ACol, r))
                merges.emplace_back(r, grid->CellSpan(ACol, r).Y + 1);
        return merges;
    }
};

TEST_F(ExtGridCellRangesTest, TrimRectTrimsOnlyItsRange)
{
    const struct {
        int c1, r1, c2, r2;
        std::vector<std::string> column1;
    } cases[] = {
        {1,
         1,
         1,
         3,
         {" h ", "a", "b",
          "\xC2\xA0"
          "c",
          " d "}},
        {0,
         2,
         3,
         2,
         {" h ", " a", "b",
          "\xC2\xA0"
          "c ",
          " d "}},
        {1,
         3,
         1,
         1,
         {" h ", " a", "b\t",
          "\xC2\xA0"
          "c ",
          " d "}}, // reversed rows
        {2,
         1,
         1,
         3,
         {" h ", " a", "b\t",
          "\xC2\xA0"
          "c ",
          " d "}}, // reversed columns
    };
    for (const auto& c : cases) {
        SetColumn(1, {" h ", " a", "b\t",
                      "\xC2\xA0"
                      "c ",
                      " d "});
        grid->TrimRect(c.c1, c.r1, c.c2, c.r2);
        const std::vector<std::string> column = Column(1);
        EXPECT_EQ(std::vector<std::string>(column.begin(), column.begin() + 5), c.column1)
            << c.c1 << "," << c.r1 << " - " << c.c2 << "," << c.r2;
    }
    // The stored texts are trimmed, never the texts a display hook shows.
    grid->OnGetDisplText = [](TObject*, int, int, std::string& Value) { Value = " shown " + Value; };
    grid->TrimAll();
    EXPECT_EQ(grid->GridCells(1, 0), "h");
    EXPECT_EQ(grid->GridCells(1, 4), "d");
}

TEST_F(ExtGridCellRangesTest, TrimRectTakesDisplayColumnsWhenHiddenCellsAreSaved)
{
    for (int c = 0; c < 4; ++c)
        grid->SetCells(c, 1, " x ");
    grid->HideColumn(1);
    grid->SaveHiddenCells = true;
    grid->TrimColumn(1); // display column 1 is real column 2
    EXPECT_EQ(grid->Cells(1, 1), " x ");
    EXPECT_EQ(grid->Cells(2, 1), "x");
}

TEST_F(ExtGridCellRangesTest, MergeColumnCellsMergesRunsOfEqualTexts)
{
    const struct {
        std::vector<std::string> texts;
        int fixedFooters;
        std::vector<std::pair<int, int>> merges;
    } cases[] = {
        {{"h", "a", "a", "b", "b", "b", "c", "a", "a", "x"}, 0, {{1, 2}, {3, 3}, {7, 2}}},
        {{"h", "a", "b", "c", "d", "e", "f", "g", "i", "j"}, 0, {}},
        // the fixed row and the footer row take no part
        {{"a", "a", "b", "c", "d", "e", "f", "g", "z", "z"}, 1, {}},
        {{"h", "", "", "x", "x", "x", "x", "x", "x", "x"}, 0, {{1, 2}, {3, 7}}},
    };
    for (const auto& c : cases) {
        grid->SplitAllCells();
        grid->FixedFooters = c.fixedFooters;
        SetColumn(1, c.texts);
        grid->MergeColumnCells(1, true);
        EXPECT_EQ(VerticalMerges(1), c.merges) << c.texts[1] << c.texts[2] << c.texts[3];
    }
}

TEST_F(ExtGridCellRangesTest, WithoutMainMergeOnlyRowsMergedAlikeJoin)
{
    SetColumn(2, {"h", "a", "a", "a", "a", "b", "b", "c", "d", "e"});
    SetColumn(1, {"h", "a", "a", "a", "a", "b", "b", "c", "d", "e"});
    grid->MergeCells(0, 1, 1, 4);
    grid->MergeColumnCells(2, false);
    // rows 5 and 6 are merged nowhere yet
    EXPECT_EQ(VerticalMerges(2), (std::vector<std::pair<int, int>>{{1, 4}}));
    grid->SplitColumnCells(2);
    grid->MergeColumnCells(1, true);
    grid->MergeColumnCells(2, false);
    EXPECT_EQ(VerticalMerges(2), (std::vector<std::pair<int, int>>{{1, 4}, {5, 2}}));
}

TEST_F(ExtGridCellRangesTest, MergeRowCellsMergesAlongTheRow)
{
    grid->SetColCount(6);
    const struct {
        std::vector<std::string> texts;
        int baseCol, cols;
    } cases[] = {
        {{"h", "a", "a", "a", "b", "c"}, 1, 3},
        {{"h", "a", "b", "c", "d", "e"}, -1, 0},
    };
    for (const auto& c : cases) {
        grid->SplitAllCells();
        for (int col = 0; col < 6; ++col)
            grid->SetCells(col, 2, c.texts[col]);
        grid->MergeRowCells(2, true);
        bool anyMerged = false;
        for (int col = 0; col < 6; ++col)
            anyMerged = anyMerged || grid->IsMergedCell(col, 2);
        EXPECT_EQ(anyMerged, c.baseCol >= 0);
        if (c.baseCol >= 0) {
            EXPECT_EQ(grid->CellSpan(c.baseCol, 2).X + 1, c.cols);
        }
    }
}

TEST_F(ExtGridCellRangesTest, SplittingUndoesTheMerges)
{
    grid->MergeCells(1, 1, 1, 3);
    grid->MergeCells(1, 5, 1, 2);
    grid->MergeCells(1, 8, 2, 1);
    grid->SplitColumnCells(1);
    EXPECT_TRUE(VerticalMerges(1).empty());
    EXPECT_TRUE(grid->IsMergedCell(2, 8)); // horizontal merges stay
    grid->SplitRowCells(8);
    EXPECT_FALSE(grid->IsMergedCell(2, 8));
    grid->MergeCells(0, 0, 2, 2);
    grid->MergeCells(2, 4, 2, 3);
    grid->SplitAllCells();
    for (int r = 0; r < grid->RowCount(); ++r)
        for (int c = 0; c < grid->ColCount(); ++c)
            EXPECT_FALSE(grid->IsMergedCell(c, r)) << c << "," << r;
}

TEST_F(ExtGridCellRangesTest, IsCellFindsWholeCaseSensitiveTexts)
{
    grid->SetCells(2, 1, "Alpha");
    grid->SetCells(3, 4, "alpha");
    grid->SetCells(0, 6, "Alphabet");
    const struct {
        const char* text;
        bool found;
        int col, row;
    } cases[] = {
        {"alpha", true, 3, 4}, {"Alpha", true, 2, 1}, {"Alph", false, -7, -7}, {"ALPHA", false, -7, -7}};
    for (const auto& c : cases) {
        int col = -7;
        int row = -7;
        EXPECT_EQ(grid->IsCell(c.text, col, row), c.found) << c.text;
        EXPECT_EQ(col, c.col) << c.text;
        EXPECT_EQ(row, c.row) << c.text;
    }
}

TEST_F(ExtGridCellRangesTest, WideCellsBeginWithTheMarker)
{
    const struct {
        const char* text;
        bool wide;
    } cases[] = {{"|\\text", true}, {"|\\", true}, {"|", false}, {"\\|text", false}, {"", false}};
    for (const auto& c : cases) {
        grid->SetCells(1, 1, c.text);
        EXPECT_EQ(grid->IsWideCell(1, 1), c.wide) << c.text;
    }
}

} // namespace
