#include <cstdlib>

#include "grid/control/ExtStringGrid.h"

// The row is a real row. Among node rows the node operations insert and remove, so that
// the spans of the nodes around the row follow.
void TExtStringGrid::InsertRowNode(int ARow)
{
    const int displRow = DisplRowIndex(ARow);
    if (!HasNodes())
        InsertRows(displRow, 1, true);
    else if (displRow < RowCount() && GetParentRow(displRow) >= 0)
        InsertChildRow(ARow, 0);
    else
        InsertNormalRow(ARow);
}

void TExtStringGrid::AutoDeleteRow(int ARow)
{
    const int displRow = DisplRowIndex(ARow);
    if (HasNodes()) {
        if (GetParentRow(displRow) >= 0)
            RemoveChildRow(ARow);
        else
            RemoveNormalRow(ARow);
    } else if (RowCount() - FixedRows() - FixedFooters != 1 || FixedRowAlways) {
        RemoveRowsInternal(displRow, 1);
    } else {
        ClearRows(displRow, 1);
    }
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
