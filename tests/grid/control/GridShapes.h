#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/Filter.h"
#include "grid/foundation/model/MouseActions.h"

// The shapes a grid takes between its cells and what the user sees: a behaviour that
// works on a plain grid must also work when rows or columns are hidden around the cell,
// when a filter or a contracted node took rows out, and when fixed footers end the grid.
enum class TGridShape {
    Plain,
    HiddenColumnLeft, // column 1 hidden, left of the cells tests stand on
    HiddenRowsAbove,  // rows 2 and 3 hidden
    FilterActive,     // a filter keeps the odd rows only
    ContractedNode,   // a node on row 2 over rows 2..4, contracted
    FixedFooter,      // the last row (11) is a fixed footer
};

inline const TGridShape AllGridShapes[] = {TGridShape::Plain,        TGridShape::HiddenColumnLeft,
                                           TGridShape::HiddenRowsAbove, TGridShape::FilterActive,
                                           TGridShape::ContractedNode,  TGridShape::FixedFooter};

inline std::string GridShapeName(TGridShape Shape)
{
    switch (Shape) {
    case TGridShape::Plain: return "Plain";
    case TGridShape::HiddenColumnLeft: return "HiddenColumnLeft";
    case TGridShape::HiddenRowsAbove: return "HiddenRowsAbove";
    case TGridShape::FilterActive: return "FilterActive";
    case TGridShape::ContractedNode: return "ContractedNode";
    case TGridShape::FixedFooter: return "FixedFooter";
    }
    return "Unknown";
}

// For INSTANTIATE_TEST_SUITE_P(..., testing::ValuesIn(AllGridShapes), GridShapeParamName).
inline std::string GridShapeParamName(const testing::TestParamInfo<TGridShape>& Info)
{
    return GridShapeName(Info.param);
}

inline void PrintTo(TGridShape Shape, std::ostream* Out) { *Out << GridShapeName(Shape); }

// The size of a shaped grid: real columns 0..5 and real rows 0..11, one fixed row and
// one fixed column.
constexpr int ShapedGridCols = 6;
constexpr int ShapedGridRows = 12;

// The text a shaped grid holds in a real cell.
inline std::string ShapedCellText(int RealCol, int RealRow)
{
    return std::to_string(RealCol) + "," + std::to_string(RealRow);
}

// Makes the grid 6 columns by 12 rows of texts "c,r" (real column, real row), with one
// fixed row and column, and then puts it into the shape. The cell "2,5" and the rows
// 5..10 are shown in every shape.
inline void FillInShape(TExtStringGrid& Grid, TGridShape Shape)
{
    Grid.SetColCount(ShapedGridCols);
    Grid.SetRowCount(ShapedGridRows);
    Grid.SetFixedCols(1);
    Grid.SetFixedRows(1);
    for (int c = 0; c < ShapedGridCols; ++c)
        for (int r = 0; r < ShapedGridRows; ++r)
            Grid.SetCells(c, r, ShapedCellText(c, r));
    switch (Shape) {
    case TGridShape::Plain: break;
    case TGridShape::HiddenColumnLeft: Grid.HideColumns(1, 1); break;
    case TGridShape::HiddenRowsAbove: Grid.HideRows(2, 3); break;
    case TGridShape::FilterActive: {
        TFilterData& item = Grid.Filter()->Add();
        item.Column = 1;
        item.Condition = "*1|*3|*5|*7|*9";
        item.Data = fcNormal;
        Grid.SetFilterActive(true);
        break;
    }
    case TGridShape::ContractedNode:
        Grid.AddNode(2, 3);
        Grid.ContractNode(2);
        break;
    case TGridShape::FixedFooter: Grid.SetFixedFooters(1); break;
    }
}

// The display position of the first shown cell that shows Text, or (-1, -1). Cells take
// the real column and the display row.
inline TPoint DisplayCellShowing(const TExtStringGrid& Grid, const std::string& Text)
{
    for (int r = 0; r < Grid.RowCount(); ++r)
        for (int c = 0; c < Grid.TotalColCount(); ++c)
            if (!Grid.IsHiddenColumn(c) && Grid.Cells(c, r) == Text) return TPoint{Grid.DisplColIndex(c), r};
    return TPoint{-1, -1};
}

// Makes the cell that shows Text the current cell, found by its display position, so a
// test can say "stand on 2,5, press Delete". Fails the test when no cell shows it.
inline void StandOn(TExtStringGrid& Grid, const std::string& Text)
{
    const TPoint at = DisplayCellShowing(Grid, Text);
    ASSERT_GE(at.X, 0) << "no cell shows " << Text;
    Grid.FocusCell(at.X, at.Y);
    ASSERT_EQ(Grid.Col(), at.X) << "standing on " << Text;
    ASSERT_EQ(Grid.Row(), at.Y) << "standing on " << Text;
}

// The texts of one display column, top to bottom, to see which rows are shown.
inline std::vector<std::string> ShownColumn(const TExtStringGrid& Grid, int DisplCol)
{
    std::vector<std::string> texts;
    for (int r = 0; r < Grid.RowCount(); ++r)
        texts.push_back(Grid.Cells(Grid.RealColIndex(DisplCol), r));
    return texts;
}

// A grid on a form, filled and shaped by the test's parameter.
class ShapedGridTest : public GridOnForm, public testing::WithParamInterface<TGridShape> {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        FillInShape(*grid, GetParam());
    }

    // A second, empty grid on the form below the first, for what goes from one grid to
    // another or is compared between two.
    TExtStringGrid* SecondGrid()
    {
        auto* second = new TExtStringGrid(&form);
        second->SetParent(&form);
        second->SetBounds(0, 150, 480, 140);
        return second;
    }
};

// Marks of StoredRowOrder for a row whose cells are all empty and for a row whose cells
// came from different rows.
constexpr int EmptyStoredRow = -1;
constexpr int MixedStoredRow = -2;

// The original row of every stored row, shown or hidden, in real order: the r of its
// "c,r" texts, read over every real column. A row keeps its cells together when its cells
// share one r and each names the same column as the cell of row 0 above it (row 0 never
// hides, so a column move that left hidden rows behind shows here).
inline std::vector<int> StoredRowOrder(const TExtStringGrid& Grid)
{
    const auto columnOf = [](const std::string& Text) { return Text.substr(0, Text.find(',')); };
    std::vector<int> order;
    for (int r = 0; r < Grid.TotalRowCount(); ++r) {
        int original = EmptyStoredRow;
        for (int c = 0; c < Grid.TotalColCount(); ++c) {
            const std::string text = Grid.AllGridCells(c, r);
            const std::string header = Grid.AllGridCells(c, 0);
            int named = MixedStoredRow;
            if (text.empty())
                named = EmptyStoredRow;
            else if (text.find(',') != std::string::npos && columnOf(text) == columnOf(header))
                named = std::stoi(text.substr(text.find(',') + 1));
            if (c == 0 || original == named) {
                original = named;
            } else {
                original = MixedStoredRow;
                break;
            }
        }
        order.push_back(original);
    }
    return order;
}

// The original rows of the stored rows, grouped by shown row: each shown row with the
// hidden rows below it.
inline std::vector<std::vector<int>> ShownRowGroups(const TExtStringGrid& Grid)
{
    const std::vector<int> order = StoredRowOrder(Grid);
    std::vector<std::vector<int>> groups;
    for (int r = 0; r < Grid.TotalRowCount(); ++r) {
        if (Grid.IsHiddenRow(r))
            groups.back().push_back(order[r]);
        else
            groups.push_back({order[r]});
    }
    return groups;
}

// Flags the rows around the display row At, for the checks that rows take their flags
// along: At modified, the row above disabled, a cell in column 3 of the row below selected,
// and At's real row and the first hidden row selected. The row selection is kept by real
// row, so that hidden rows have theirs too.
inline void FlagRowsAround(TExtStringGrid& Grid, int At)
{
    Grid.MouseActions()->RowSelectPersistent = true;
    Grid.MouseActions()->SetDisjunctCellSelect(true);
    Grid.SetRowModified(At, true);
    Grid.SetRowEnabled(At - 1, false);
    Grid.SetSelectedCells(Grid.DisplColIndex(3), At + 1, true);
    Grid.SetRowSelect(Grid.RealRowIndex(At), true);
    for (int r = 0; r < Grid.TotalRowCount(); ++r)
        if (Grid.IsHiddenRow(r)) {
            Grid.SetRowSelect(r, true);
            break;
        }
}

// The flags of every shown row by its original row: "m" modified, "d" disabled and "c" a
// selected cell in column 3, "s" selected; with the selection kept by real row, hidden rows
// have their "s" too.
inline std::map<int, std::string> RowFlagsByOriginalRow(const TExtStringGrid& Grid)
{
    const bool byReal = Grid.MouseActions()->RowSelectPersistent;
    const std::vector<int> order = StoredRowOrder(Grid);
    std::map<int, std::string> flags;
    for (int d = 0; d < Grid.RowCount(); ++d) {
        std::string& f = flags[order[Grid.RealRowIndex(d)]];
        if (Grid.RowModified(d)) f += "m";
        if (!Grid.RowEnabled(d)) f += "d";
        if (Grid.SelectedCells(Grid.DisplColIndex(3), d)) f += "c";
    }
    for (int line : Grid.SelectedRows())
        flags[order[byReal ? line : Grid.RealRowIndex(line)]] += "s";
    return flags;
}

// Brings back every row and column that the shapes take out of the grid: the filter's
// rows, the contracted nodes' children, the hidden rows and the hidden columns.
inline void BringEverythingBack(TExtStringGrid& Grid)
{
    Grid.SetFilterActive(false);
    Grid.ExpandAll();
    Grid.UnHideRowsAll();
    Grid.UnHideColumnsAll();
}

// The rows 0..11 of a shaped grid in order, less Removed, with Empty inserted before the
// original row Before (-1: none).
inline std::vector<int> ShapedRowsExpected(int Removed = -1, int EmptyBefore = -1)
{
    std::vector<int> rows;
    for (int r = 0; r < ShapedGridRows; ++r) {
        if (r == EmptyBefore) rows.push_back(EmptyStoredRow);
        if (r != Removed) rows.push_back(r);
    }
    return rows;
}
