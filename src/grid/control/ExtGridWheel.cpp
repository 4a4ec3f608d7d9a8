#include <algorithm>
#include <cmath>
#include <cstdint>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/model/SearchFooter.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Mouse.h"

int TExtStringGrid::WheelScrollRows() const
{
    const int lines = Mouse->WheelScrollLines();
    // A desktop set to scroll a page per notch moves the visible rows.
    return lines > 0 ? lines : std::max(1, VisibleRowCount());
}

void TExtStringGrid::Zoom(int x)
{
    const int factor = ZoomFactor + x;
    if (factor > 10 || factor < -10) return;
    ZoomFactor = factor;
    BeginUpdate();
    // A size the step would make 0 or negative stays as it is.
    for (int c = 0; c < ColCount(); ++c)
        if (const int w = ColWidths(c); w > 0 && w + x > 0) SetColWidths(c, w + x);
    for (int r = 0; r < RowCount(); ++r)
        if (const int h = RowHeights(r); h > 0 && h + x > 0) SetRowHeights(r, h + x);
    EndUpdate();
    // The proportional scroll bars are not re-ranged after a zoom yet.
}

// One wheel message: Ctrl zooms, otherwise the current row moves or the view scrolls by the
// wheel step. False when the parent takes the turn, which then goes the usual way.
bool TExtStringGrid::HandleWheelMessage(TMessage& Message)
{
    const int delta = static_cast<int16_t>(HIWORD(Message.WParam));
    if (delta == 0) return false;
    const bool down = delta < 0;
    const TShiftState shift = MouseKeysToShiftState(LOWORD(Message.WParam));
    if (Parent() && Parent()->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam) != 0) return false;
    if (shift.Contains(ssCtrl) && IntelliZoom) {
        Zoom(down ? WheelScrollRows() : -WheelScrollRows());
        // The zoomed cells keep their stepped sizes; they are not yet sized to their content.
        return true;
    }
    if (!EnableWheel || (FixedRowAlways && RowCount() == 1)) return true;
    const TGridRect selAtEntry = Selection();
    const TMouseActions& mouse = *MouseActions();
    const bool scroll = mouse.WheelAction() == waScroll;
    int step = mouse.WheelIncrement >= 1 ? mouse.WheelIncrement : WheelScrollRows();
    int newRow = Row();
    if (scroll && down) {
        if (TopRow() < RowCount() - VisibleRowCount() && TopRow() + step >= FixedRows())
            SetTopRow(TopRow() + step);
    } else if (scroll) {
        step = std::min(step, TopRow() - FixedRows());
        if (TopRow() > FixedRows()) SetTopRow(TopRow() - step);
    } else {
        newRow = down ? Row() + step : Row() - step;
    }
    newRow = std::clamp(newRow, FixedRows(), std::max(FixedRows(), LastNormalRow()));
    if (Col() > ColCount() - 1) SetCol(ColCount() - 1);
    if (Col() < FixedCols()) SetCol(FixedCols());
    const int savedLeft = LeftCol();
    int moved = 0;
    if (newRow >= 0 && newRow < RowCount()) {
        StartUpdate();
        if (mouse.DisjunctRowSelect() && !scroll) ClearRowSelect();
        moved = newRow - Row();
        if (!scroll) {
            SetRow(newRow);
            // The cell-selection rules refused the row: go half the way.
            if (Row() != newRow) {
                SetRow(Row() + static_cast<int>(std::nearbyint((newRow - Row()) / 2.0)));
                if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
            }
        }
        if (Options().Contains(goRowSelect) && Navigation()->KeepHorizScroll) SetLeftCol(savedLeft);
        ResetUpdate();
    }
    bool handled = true;
    WheelScrolled(moved, handled);
    if ((mouse.WheelIncrement != 0 || mouse.DisjunctRowSelect()) && handled) {
        Message.Result = 1;
        bool byEvent = false;
        const TPoint pos{static_cast<int16_t>(LOWORD(Message.LParam)),
                         static_cast<int16_t>(HIWORD(Message.LParam))};
        const TMouseWheelUpDownEvent& event = down ? OnMouseWheelDown : OnMouseWheelUp;
        if (event) event(this, shift, pos, byEvent);
    }
    if (!(Selection() == selAtEntry)) {
        const TGridRect s = Selection();
        SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    }
    if (SearchFooter()->Visible() && TopRow() >= RowCount() - VisibleRowCount()) ScrollAboveSearchFooter();
    return true;
}

bool TExtStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    return WheelStep(true, Shift, MousePos);
}
bool TExtStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    return WheelStep(false, Shift, MousePos);
}

bool TExtStringGrid::WheelStep(bool Down, TShiftState Shift, TPoint MousePos)
{
    TMouseActions& mouse = *MouseActions();
    if (mouse.WheelAction() == waScroll || !EnableWheel) {
        bool handled = false;
        const TMouseWheelUpDownEvent& event = Down ? OnMouseWheelDown : OnMouseWheelUp;
        if (event) event(this, Shift, MousePos, handled);
        return handled;
    }
    const auto baseStep = [&] {
        return Down ? TBaseGrid::DoMouseWheelDown(Shift, MousePos)
                    : TBaseGrid::DoMouseWheelUp(Shift, MousePos);
    };
    const bool keptDirectEdit = mouse.DirectEdit;
    mouse.DirectEdit = false;
    bool result = true;
    if (Options().Contains(goRowSelect) && Navigation()->KeepHorizScroll) {
        StartUpdate();
        const int left = LeftCol();
        result = baseStep();
        SetLeftCol(left);
        ResetUpdate();
    } else {
        const bool editing = EditorMode();
        if (Down || (Row() < RowCount() && Col() < ColCount())) result = baseStep();
        if (editing && CanFocus()) SetFocus();
    }
    mouse.DirectEdit = keptDirectEdit;
    return result;
}

// A row appended below the last normal one; a floating footer's row stays last.
void TExtStringGrid::AutoAppendRow()
{
    bool canAdd = true;
    CanAddRow(canAdd);
    if (!canAdd) return;
    const bool footer = FloatingFooter()->Visible();
    if (footer) {
        const int footerRow = RowCount() - 1;
        std::vector<std::string> texts(TotalColCount());
        for (int c = 0; c < TotalColCount(); ++c)
            texts[c] = GridCells(c, footerRow);
        SetRowCount(RowCount() + 1);
        ClearRowCells(RowCount() - 2);
        for (int c = 0; c < TotalColCount(); ++c)
            SetGridCells(c, RowCount() - 1, texts[c]);
    } else {
        SetRowCount(RowCount() + 1);
        ClearRowCells(RowCount() - 1);
    }
    if (footer || FixedFooters > 0) SetRow(Row() + 1);
    if (footer) CalcFooter(-1);
    if (OnAutoAddRow) OnAutoAddRow(this, LastNormalRow());
}
