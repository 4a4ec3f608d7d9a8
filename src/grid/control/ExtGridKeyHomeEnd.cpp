#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Messages.h"

// Home and End go to the first or last column, row or cell as Navigation.HomeEndKey says;
// true when the key was handled here.
bool TExtStringGrid::HomeEndKey(TMessage& Message, TShiftState Shift)
{
    const auto key = static_cast<Word>(Message.WParam);
    if (key != VK_HOME && key != VK_END) return false;
    const bool home = key == VK_HOME;
    const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift);
    const THomeEndAction action = Navigation()->HomeEndKey;
    const bool rowSelect = Options().Contains(goRowSelect);
    // A grid of one fixed row leaves the key to the platform grid.
    const bool wholeGridGuard = FixedRowAlways && RowCount() == 1;
    const int savedLeft = LeftCol();
    const auto done = [&] {
        FireKeyDown(key, Shift);
        Message.Result = 0;
        return true;
    };
    const auto inherited = [&] {
        TBaseGrid::WMKeyDown(Message);
        return true;
    };
    // Row-wise moves keep the disjunct row selection and the horizontal scroll in step.
    const auto rowMove = [&](int OldRow) {
        const bool disjunct = MouseActions()->DisjunctRowSelect();
        if (shift) {
            SetSelection({0, OldRow, ColCount() - 1, Row()});
        } else if (disjunct) {
            ClearRowSelect();
        }
        if (disjunct) SyncRowSelect(false);
    };
    const auto restoreLeft = [&] {
        if (!rowSelect || !Navigation()->KeepHorizScroll) return;
        StartUpdate();
        SetLeftCol(savedLeft);
        ResetUpdate();
    };

    if (!ctrl && action == heFirstLastCell) {
        home ? (SetCol(FixedCols()), SetRow(FixedRows())) : (SetCol(ColCount() - 1), SetRow(RowCount() - 1));
        MoveToBaseCell();
        return done();
    }
    if (!ctrl && action == heFirstLastRow) {
        if (wholeGridGuard) return inherited();
        const int oldRow = Row();
        const bool footer = FloatingFooter()->Visible();
        if (home) {
            SetRow(FixedRows());
        } else {
            SetRow(footer && RowCount() > 2 ? RowCount() - 2 : RowCount() - 1 - FixedFooters);
            if (FixedFooters > 0 && !footer) SetTopRow(RowCount() - VisibleRowCount());
        }
        MoveToBaseCell();
        rowMove(oldRow);
        if (!home && footer) SetTopRow(RowCount() - VisibleRowCount());
        FireKeyDown(key, Shift);
        restoreLeft();
        Message.Result = 0;
        return true;
    }
    if (home && ctrl && action == heFirstLastColumn) {
        SetRow(FixedRows());
        if (const int c = FirstSelectableCol(Row()); c >= 0) SetCol(c);
        MoveToBaseCell();
        SetLeftCol(FirstNormalCol());
        return done();
    }
    if (!ctrl && action == heFirstLastColumn && !rowSelect) {
        if (wholeGridGuard) return inherited();
        if (shift) {
            const int edge = home ? FixedCols() : ColCount() - FixedRightCols - 1;
            SetSelection({Col(), Row(), edge, Row()});
            RepaintRow(Row());
        } else if (home) {
            if (const int c = FirstSelectableCol(Row()); c >= 0) SetCol(c);
            MoveToBaseCell();
            SetLeftCol(FirstNormalCol());
        } else {
            SetCol(ColCount() - 1);
            MoveToBaseCell();
            SetLeftCol(std::max(FixedCols(), ColCount() - VisibleColCount()));
        }
        return done();
    }
    return false;
}
