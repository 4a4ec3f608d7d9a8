#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../control/GridShapes.h"
#include "grid/control/ExtStringGrid.h"

namespace {

// Two grids of the same shape and cells: the second has an OnGetFormat that changes
// nothing, so its sort compares cell by cell at every compare, while the first sorts the
// first column's keys with their rows and settles ties run by run. Both must end alike, in
// every shape, with ties that go on through several columns.
class RowSortKeyPathTest : public testing::TestWithParam<TGridShape> {
protected:
    void SetUp() override { form.SetClientSize(400, 300); }

    // New grids in the shape, with MoreRows rows added, whose columns 2 to 5 of every real
    // row below the fixed one get words of few kinds, so that rows tie on the sort column and
    // often on the next ones too.
    void Fill(const std::vector<std::string>& Words, int MoreRows)
    {
        for (TExtStringGrid*& grid : grids) {
            delete grid;
            grid = new TExtStringGrid(&form);
            grid->SetParent(&form);
            FillInShape(*grid, GetParam());
            grid->SetRowCount(grid->RowCount() + MoreRows);
            unsigned seed = 11;
            for (int r = 1; r < grid->TotalRowCount(); ++r)
                for (int c = 2; c < grid->TotalColCount(); ++c) {
                    seed = seed * 1103515245u + 12345u;
                    grid->SetAllGridCells(c, r, Words[(seed >> 16) % Words.size()]);
                }
        }
        grids[1]->OnGetFormat = [](TObject*, int, TSortStyle&, std::string&, std::string&) {};
    }

    void ExpectSameCells()
    {
        for (int r = 0; r < grids[0]->TotalRowCount(); ++r)
            for (int c = 0; c < grids[0]->TotalColCount(); ++c)
                ASSERT_EQ(grids[0]->AllGridCells(c, r), grids[1]->AllGridCells(c, r)) << c << "," << r;
    }

    TForm form{nullptr};
    TExtStringGrid* grids[2] = {nullptr, nullptr};
};

TEST_P(RowSortKeyPathTest, SortsAsTheCellByCellCompare)
{
    // Long lists of rows are sorted another way than short ones; a column of numbers, texts
    // and dates has keys of no one kind, so its runs go to the row compare.
    const struct {
        const char* Name;
        std::vector<std::string> Words;
        int MoreRows;
    } columns[] = {
        {"numbers", {"10", "9", "-3", "2.5", "10", "1e2"}, 0},
        {"texts", {"b", "item 10", "item 1", "item 100", "", "\xc3\xa9t\xc3\xa9", "B"}, 0},
        {"many numbers", {"10", "9", "-3", "2.5", "10", "1e2", "", "-0", "0"}, 120},
        {"many texts", {"b", "item 10", "a text longer than sixteen", "a text longer than seventeen", "", "B"}, 120},
        {"mixed", {"10", "b", "12/03/2024", "", "item 1", "-3", "01/02/2023"}, 40},
    };
    const struct {
        const char* Name;
        bool Full, IgnoreBlanks, Indexed;
        TSortDirection Direction;
    } settings[] = {
        {"plain", true, false, false, sdAscending},
        {"descending", true, false, false, sdDescending},
        {"without Full", false, false, false, sdAscending},
        {"blanks placed", true, true, false, sdDescending},
        {"indexed", true, false, true, sdAscending},
    };
    for (const auto& column : columns)
        for (const auto& setting : settings) {
            SCOPED_TRACE(std::string(column.Name) + ", " + setting.Name);
            Fill(column.Words, column.MoreRows);
            for (TExtStringGrid* grid : grids) {
                TSortSettings& sort = *grid->SortSettings();
                sort.Full = setting.Full;
                sort.IgnoreBlanks = setting.IgnoreBlanks;
                sort.BlankPos = blLast;
                if (!setting.Indexed) {
                    grid->Sort(2, setting.Direction);
                    continue;
                }
                grid->SortIndexes.Clear();
                grid->SortIndexes.AddIndex(3, false);
                grid->SortIndexes.AddIndex(2, true);
                grid->SortIndexes.AddIndex(4, false);
                grid->QSortIndexed();
            }
            ExpectSameCells();
        }
}

INSTANTIATE_TEST_SUITE_P(Shapes, RowSortKeyPathTest, testing::ValuesIn(AllGridShapes), GridShapeParamName);

} // namespace
