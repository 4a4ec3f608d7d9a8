#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"

// Disjunct cell selection by mouse: a click selects its cell alone, Ctrl adds or takes away
// the clicked cell, Shift adds it, and a range dragged with the mouse joins the selection.

void TExtStringGrid::PressDisjunctCells(TShiftState Shift, int ADisplCol, int ADisplRow)
{
    if (!MouseActions()->DisjunctCellSelect() || Shift.Contains(ssCtrl) || ADisplCol < 0 || ADisplRow < 0 ||
        IsFixed(ADisplCol, ADisplRow))
        return;
    FRows.Flags().ClearCells();
    Invalidate();
}

bool TExtStringGrid::ReleaseDisjunctCells(TShiftState Shift, int ACol, int ARow)
{
    if (!MouseActions()->DisjunctCellSelect() || ACol < 0 || ARow < 0) return true;
    const TPoint base = BaseCell(ACol, ARow);
    const bool ctrl = Shift.Contains(ssCtrl);
    if (!IsFixed(base.X, base.Y)) {
        bool canSelect = true;
        if (OnSelectCell) OnSelectCell(this, base.X, base.Y, canSelect);
        if (!canSelect) return false;
        if (Shift.Contains(ssShift)) {
            SetSelectedCells(ACol, ARow, true);
        } else if (ctrl) {
            SetSelectedCells(base.X, base.Y, !SelectedCells(base.X, base.Y));
        } else {
            RepaintSelectedCells();
            FRows.Flags().ClearCells();
            SetSelectedCells(base.X, base.Y, true);
        }
    } else if (!ctrl && !IsFixed(ACol, ARow)) {
        FRows.Flags().ClearCells();
        Invalidate();
    }
    const TGridRect sel = Selection();
    if (sel.Left != sel.Right || sel.Top != sel.Bottom) {
        for (int c = sel.Left; c <= sel.Right; ++c)
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                if (TPoint{c, r} != base) SetSelectedCells(c, r, true);
        RepaintSelectedCells();
    }
    RepaintCell(ACol, ARow);
    return true;
}

void TExtStringGrid::RepaintSelectedCells()
{
    for (const TFlagCell& cell : FRows.Flags().SelectedCells())
        RepaintCell(cell.Col, cell.Line);
}
