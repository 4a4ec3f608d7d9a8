#include <cstdlib>

#include "grid/control/ExtStringGrid.h"

// A plain row: the grid has no node rows yet that would take a child row instead.
void TExtStringGrid::InsertRowNode(int ARow) { InsertRows(ARow, 1, true); }

// A plain row: the grid has no node rows yet.
void TExtStringGrid::AutoDeleteRow(int ARow)
{
    if (RowCount() - FixedRows() - FixedFooters != 1 || FixedRowAlways)
        RemoveRowsInternal(ARow, 1);
    else
        ClearRows(ARow, 1);
    if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

bool TExtStringGrid::IsOnSizingBorder(int X, int Y) const
{
    constexpr int kReach = 4;
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0) return false;
    const TRect rect = CellRect(col, row);
    if (row < FixedRows() && Options().Contains(goColSizing))
        return std::abs(X - rect.Left) < kReach || std::abs(X - rect.Right) < kReach;
    if (col < FixedCols() && Options().Contains(goRowSizing))
        return std::abs(Y - rect.Top) < kReach || std::abs(Y - rect.Bottom) < kReach;
    return false;
}
