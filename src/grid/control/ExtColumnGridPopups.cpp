#include "grid/control/ExtColumnGrid.h"
#include "platform/ui/Menus.h"

namespace {

struct TColumnPopupClicks {
    TMouseButton Button;
    bool FixedRows;
    bool NormalRows;
};

// Which button opens a column's menu, and on which rows.
TColumnPopupClicks ClicksOf(TColumnPopupType Type)
{
    switch (Type) {
    case cpFixedCellsRClick: return {mbRight, true, false};
    case cpFixedCellsLClick: return {mbLeft, true, false};
    case cpNormalCellsRClick: return {mbRight, false, true};
    case cpNormalCellsLClick: return {mbLeft, false, true};
    case cpAllCellsRClick: return {mbRight, true, true};
    case cpAllCellsLClick: return {mbLeft, true, true};
    }
    return {mbMiddle, false, false};
}

} // namespace

void TExtColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TWeakRef<TComponent> self(this);
    TExtStringGrid::MouseDown(Button, Shift, X, Y);
    if (self) ShowColumnPopup(Button, X, Y);
}

// The item is the one of the real column under the mouse: with hidden columns the shown
// index would name another column's item.
void TExtColumnGrid::ShowColumnPopup(TMouseButton Button, int X, int Y)
{
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0) return;
    const TGridColumnItem* item = ItemOf(RealColIndex(col));
    if (!item || !item->ColumnPopup()) return;
    const TColumnPopupClicks clicks = ClicksOf(item->ColumnPopupType);
    if (clicks.Button != Button) return;
    TPopupMenu* menu = item->ColumnPopup();
    TWeakRef<TComponent> menuRef(menu);
    if (OnColumnPopup) OnColumnPopup(this, col, row, menu);
    if (!menuRef) return;
    const bool opens = row < FixedRows() ? clicks.FixedRows : clicks.NormalRows;
    if (!opens) return;
    const TRect cell = CellRect(col, row);
    const TPoint at = ClientToScreen({cell.Left, cell.Bottom});
    menu->Popup(at.X, at.Y);
}
