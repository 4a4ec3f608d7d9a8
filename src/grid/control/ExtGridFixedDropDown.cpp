#include "grid/control/ExtStringGrid.h"
#include "platform/ui/Menus.h"

// The header drop-down button: the right part of a lit header is a button of its own, so a
// header can offer a menu (filter, column choice ...) without giving up its click.

namespace {

// Under column sizing the last pixels of a header belong to the sizing border.
constexpr int kDropDownSizingMargin = 2;

} // namespace

TPopupMenu* TExtStringGrid::FixedDropDownMenu() const { return FFixedDropDownMenu.Get(); }

void TExtStringGrid::SetFixedDropDownMenu(TPopupMenu* Value) { FFixedDropDownMenu = Value; }

bool TExtStringGrid::CanShowFixedDropDown(int ACol)
{
    bool canShow = true;
    if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, canShow);
    return canShow;
}

bool TExtStringGrid::OnFixedDropDownButton(int ACol, int ARow, int X)
{
    if (ACol < 0 || ARow < 0 || !ControlLook()->FixedDropDownButton || !IsHoverFixedCell(ACol, ARow))
        return false;
    const TRect r = CellRect(ACol, ARow);
    const int margin = Options().Contains(goColSizing) ? kDropDownSizingMargin : 0;
    // A header that shows no button has none to press either.
    return X > r.Right - kHeaderDropDownWidth && X < r.Right - margin && CanShowFixedDropDown(RealColIndex(ACol));
}

// The button goes down until the release; with a menu (or a handler that gives one) the
// header stays lit while the menu is open.
bool TExtStringGrid::PressFixedDropDown(int X, int Y)
{
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (!OnFixedDropDownButton(col, row, X)) return false;
    FDropDownDown = true;
    TPopupMenu* menu = FixedDropDownMenu();
    if (!menu && !OnFixedDropDownClick) return true;
    bool keep = false;
    FNoMouseLeave = true;
    if (menu) menu->SetTag(col);
    if (OnFixedDropDownClick) OnFixedDropDownClick(this, col, row, menu, keep);
    TWeakRef<TPopupMenu> shown(menu);
    if (shown) {
        FMouseDownMove = false;
        FHoverFixed = {col, row};
        RepaintCell(col, row);
        const TRect r = CellRect(col, row);
        const TPoint at = ClientToScreen({r.Right - kHeaderDropDownWidth, r.Bottom});
        shown.Get()->Popup(at.X, at.Y);
        FHoverFixed = {-1, -1};
        RepaintCell(col, row);
    }
    FNoMouseLeave = keep;
    return true;
}

void TExtStringGrid::ReleaseFixedDropDown()
{
    if (!FDropDownDown) return;
    FDropDownDown = false;
    if (FHoverFixed.X >= 0 && FHoverFixed.Y >= 0) RepaintCell(FHoverFixed.X, FHoverFixed.Y);
}
