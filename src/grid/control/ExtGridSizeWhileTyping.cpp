#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/ValueHold.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/foundation/text/TextUtils.h"

// The edited cell's column and row follow the text being typed. The text is not stored yet,
// so it stands in the cell's store while the cell is measured; only the edited cell and its
// row are measured, never the whole column.

namespace {

class TTypedTextInCell {
public:
    TTypedTextInCell(TExtStringGrid& Grid, int ACol, int ARow, const std::string& Text)
        : grid_(Grid), col_(ACol), row_(ARow), stored_(Grid.GridCells(ACol, ARow))
    {
        grid_.SetGridCells(col_, row_, Text);
    }
    ~TTypedTextInCell() { grid_.SetGridCells(col_, row_, stored_); }
    TTypedTextInCell(const TTypedTextInCell&) = delete;
    TTypedTextInCell& operator=(const TTypedTextInCell&) = delete;

private:
    TExtStringGrid& grid_;
    int col_, row_;
    std::string stored_;
};

} // namespace

void TExtStringGrid::SizeToTypedText(const std::string& Text)
{
    const bool width = SizeWhileTyping()->Width, height = SizeWhileTyping()->Height && WordWrap();
    if (!width && !height) return;
    const int realCol = RealCol(), row = Row();
    TTypedTextInCell typed(*this, realCol, row, Text);
    if (width) {
        const int needed = GetCellTextSize(realCol, row, false, false).cx +
                           CalcCellGraphicSize(realCol, row, 0).X + GetTotalXOffset();
        if (needed > ColWidths(Col())) SetColWidths(Col(), std::max(ColWidths(Col()), ClampColWidth(needed)));
    }
    if (height) {
        {
            TValueHold<bool> noSynch(ColumnSize()->SynchWithGrid, false);
            AutoSizeRow(row);
        }
        if (OnEndRowSize) OnEndRowSize(this, row);
    }
}

// Ctrl or Shift with Enter is about to break the line: the row takes one line more than the
// text has, or shrinks to its cells when that is less than it has now.
void TExtStringGrid::SizeRowToTypedLines(const std::string& Text)
{
    if (!SizeWhileTyping()->Height || !Multilinecells) return;
    const int row = Row();
    {
        TTypedTextInCell typed(*this, RealCol(), row, Text);
        TValueHold<bool> noSynch(ColumnSize()->SynchWithGrid, false);
        const int before = RowHeights(row);
        SizeRowToLines(row, CountLines(Text, true) + 1, 0);
        if (RowHeights(row) < before) AutoSizeRow(row);
    }
    if (OnEndRowSize) OnEndRowSize(this, row);
}
