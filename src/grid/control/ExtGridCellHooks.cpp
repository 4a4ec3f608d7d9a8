#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"

void TExtStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit)
{
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

bool TExtStringGrid::IsCellEditorNone(int ACol, int ARow)
{
    if (!OnGetEditorType) return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

// A grid cut down to its fixed rows (or columns) keeps them fixed with the "always"
// options, which the platform grid alone cannot.
void TExtStringGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed) const
{
    IsFixed = IsFixed || (FixedRowAlways && ARow <= FFixedRowsMin && RowCount() == FFixedRowsMin) ||
              (FixedColAlways && ACol < FFixedColsMin && ColCount() == FFixedColsMin) || ACol < FixedCols() ||
              ARow < FixedRows();
    if (!IsFixed && OnIsFixedCell) OnIsFixedCell(const_cast<TExtStringGrid*>(this), ARow, ACol, IsFixed);
}

bool TExtStringGrid::IsFixed(int ACol, int ARow) const
{
    bool fixed = false;
    IsFixedCell(ACol, ARow, fixed);
    return fixed;
}

// ACol is a real column. A cell's read-only flag counts only while editing is on or was
// switched off by the grid itself.
void TExtStringGrid::IsReadOnlyCell(int ACol, int ARow, bool& CanEdit)
{
    const TPoint base = BaseCell(ACol, ARow);
    if (const TCellProperties* props = FindCellProperties(base.X, base.Y); props && CanEdit) {
        CanEdit = !props->ReadOnly;
        if (!Options().Contains(goEditing) && !FEditDisable && !MouseActions()->RangeSelectAndEdit)
            CanEdit = false;
    }
    if (base.X < TotalColCount())
        CanEditCell(base.X, base.Y, CanEdit);
    else
        CanEdit = true;
}

void TExtStringGrid::CellChanging(int NewCol, int NewRow, bool& Allow)
{
    if (NewRow != Row() && OnRowChanging) OnRowChanging(this, Row(), NewRow, Allow);
    if (NewCol != Col() && OnColChanging) OnColChanging(this, Col(), NewCol, Allow);
    if ((NewRow != Row() || NewCol != Col()) && OnCellChanging)
        OnCellChanging(this, Row(), Col(), NewRow, NewCol, Allow);
}

void TExtStringGrid::StoreOldCellValue(int ACol, int ARow) { FOldCellText = Cells(RealColIndex(ACol), ARow); }
