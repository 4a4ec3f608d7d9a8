#pragma once
#include <optional>

#include "grid/foundation/model/CellProperties.h"
#include "platform/ui/Types.h"

// A merged block in cell coordinates: its top-left (base) cell and its size less one.
struct TMergeBlock {
    int BaseCol = 0;
    int BaseRow = 0;
    int SpanX = 0;
    int SpanY = 0;

    bool Contains(int ACol, int ARow) const
    {
        return ACol >= BaseCol && ACol <= BaseCol + SpanX && ARow >= BaseRow && ARow <= BaseRow + SpanY;
    }
    bool IsMerged() const { return SpanX > 0 || SpanY > 0; }
};

// The merge rules over the cell properties of a grid. A cell counts as part of a block only
// when its encoding leads to a base cell inside the grid that has properties, is marked as
// a base cell and whose block reaches back to the cell; any other cell is a single cell,
// so a block that lost its base cell (freed properties, a shrunk grid) is never followed.
class TMergedCells {
public:
    explicit TMergedCells(TCellPropsStore& Store) : FStore(Store) {}

    // The block the cell belongs to, or nothing for a single cell. A base cell merged
    // with spans (0, 0) is a block of one cell.
    std::optional<TMergeBlock> Block(int ACol, int ARow) const;

    bool IsBaseCell(int ACol, int ARow) const;
    // The cell lies in a block of two or more cells.
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    TPoint BaseCell(int ACol, int ARow) const;
    // (columns - 1, rows - 1) of the cell's block; (0, 0) for a single cell.
    TPoint CellSpan(int ACol, int ARow) const;
    // From the cell to the bottom-right cell of its block; (0, 0) for a single cell.
    TPoint CellExt(int ACol, int ARow) const;
    // The block in cell coordinates, bottom-right cell included.
    TRect FullCell(int ACol, int ARow) const;

    // The smallest positive vertical span in the row; the row count when there is none.
    int MinRowSpan(int ARow) const;
    // The largest vertical span in the row; 0 when there is none.
    int MaxRowSpan(int ARow) const;
    // Whether the two rows share their base rows wherever both are merged vertically;
    // false when no column has both merged vertically.
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    // The same across: whether two columns share their base columns in every row where
    // both are merged horizontally; false when no row has both merged horizontally.
    bool ColSpanIdentical(int ACol1, int ACol2) const;

    // Marks the block of ColSpan x RowSpan cells from (ACol, ARow) as merged, clipped to
    // the grid, and repaints its cells. Properties are created where missing.
    void MergeCells(int ACol, int ARow, int ColSpan, int RowSpan);
    // Makes every cell of the block holding the cell a single cell again and repaints them.
    void SplitCells(int ACol, int ARow);

private:
    bool Inside(int ACol, int ARow) const;
    // Whether two columns (or rows) share their base cells wherever both are merged across
    // (or down); false when they never are.
    bool SpansIdentical(bool Columns, int Line1, int Line2) const;

    TCellPropsStore& FStore;
};
