#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/foundation/model/MouseActions.h"

void TExtStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

std::string TExtStringGrid::SelectedText()
{
    TGridRect sel = Selection();
    if (Options().Contains(goRowSelect) && DragDropSettings()->OleEntireRows) {
        sel.Left = 0;
        sel.Right = ColCount() - 1;
    }
    std::vector<int> rows;
    if (MouseActions()->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (RowSelect(r)) rows.push_back(r);
    } else {
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            rows.push_back(r);
    }
    std::string text;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) text += "\r\n";
        for (int c = sel.Left; c <= sel.Right; ++c) {
            if (c > sel.Left) text += '\t';
            text += Cells(c, rows[i]);
        }
    }
    return text;
}

bool TExtStringGrid::IsSelected(int ACol, int ARow) const
{
    if (ARow < FixedRows() || ACol < FixedCols()) return false;
    if (MouseActions()->DisjunctRowSelect()) return RowSelect(ARow);
    if (MouseActions()->DisjunctColSelect()) return ColSelect(ACol);
    return SelectedCells(ACol, ARow);
}
