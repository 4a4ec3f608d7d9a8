#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Messages.h"

void TExtStringGrid::WndProc(TMessage& Message)
{
    if (HandleEditDoneMessage(Message)) return;
    if (HandlePanMessage(Message)) return;
    switch (Message.Msg) {
    case WM_TIMER:
        if (static_cast<int>(Message.WParam) == GridTimerID) {
            GridTimerTick();
            return;
        }
        break;
    case WM_KILLFOCUS:
        // An editor ending hands the focus back: the grid keeps its editing state.
        if (FEditSession.Ending()) {
            Message.Result = 1;
            return;
        }
        TBaseGrid::WndProc(Message);
        // A merged current cell draws its focus over the whole block.
        if (IsMergedCell(Col(), Row())) RepaintCell(Col(), Row());
        ReleaseControlButton();
        return;
    case WM_SIZE:
        if (!GridResized(LOWORD(Message.LParam))) return;
        break;
    case WM_SETFOCUS:
        // The grid moves the focus itself and handles the editor on its own.
        if (FEditSession.FocusFromEditor()) return;
        TBaseGrid::WndProc(Message);
        EditOnFocus(reinterpret_cast<TWinControl*>(Message.WParam));
        return;
    case WM_MOUSEWHEEL:
        if (!FPanning && HandleWheelMessage(Message)) return;
        break;
    case CM_MOUSELEAVE:
        FMousePos.reset();
        break;
    case CM_CURSORCHANGED:
        TBaseGrid::WndProc(Message);
        if (!FInvokedChange) FMouseSelectMode = msNormal;
        FInvokedChange = false;
        return;
    case CM_ENABLEDCHANGED:
        TBaseGrid::WndProc(Message);
        Invalidate();
        return;
    case CM_HINTSHOW: {
        auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
        PrepareCellHint(info->HintStr, *info);
        Message.Result = 0;
        return;
    }
    default:
        break;
    }
    TBaseGrid::WndProc(Message);
}

// The value the current cell had on arrival is kept even when an OnEnter handler raises, so
// that a later cancel can restore it.
void TExtStringGrid::DoEnter()
{
    if (FEditSession.Refocusing()) return;
    try {
        TBaseGrid::DoEnter();
        if (Options().Contains(goEditing) || MouseActions()->RangeSelectAndEdit) SelectCell(Col(), Row());
    } catch (...) {
        StoreOldCellValue(Col(), Row());
        throw;
    }
    StoreOldCellValue(Col(), Row());
}

// An always-edit grid opens the editor of the current cell when the focus arrives, unless the
// focus comes back from that very editor or a row or column is being moved.
void TExtStringGrid::EditOnFocus(TWinControl* Lost)
{
    const bool inView = Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount() && Row() >= TopRow() &&
                        Row() < TopRow() + VisibleRowCount();
    if (inView && Navigation()->AlwaysEdit) {
        bool canEdit = true;
        IsReadOnlyCell(RealCol(), Row(), canEdit);
        if (TInplaceEdit* editor = InplaceEditor()) {
            const bool moving = GridState() == gsRowMoving || GridState() == gsColMoving;
            if (static_cast<TWinControl*>(editor) != Lost && !moving && EditControl == edNormal && canEdit) {
                SetEditorMode(true);
                return;
            }
        } else if (canEdit && !MouseActions()->DirectEdit && HasCombo(Col(), Row())) {
            SetEditorMode(true);
        }
    }
    if (IsMergedCell(Col(), Row())) {
        const TPoint span = CellSpan(Col(), Row());
        RepaintRect({Col(), Row(), Col() + span.X, Row() + span.Y});
    }
}

void TExtStringGrid::DoExit()
{
    if (FEditSession.Ending()) return;
    if (FSelChange && MouseActions()->DisjunctRowSelect()) SyncRowSelect(false);
    FSelChange = false;
    TBaseGrid::DoExit();
}

void TExtStringGrid::SetMouseSelectMode(TMouseSelectMode Value, TCursor ACursor)
{
    FMouseSelectMode = Value;
    FInvokedChange = true;
    SetCursor(ACursor);
    Perform(CM_CURSORCHANGED);
}

TCursor TExtStringGrid::CursorAt(TPoint ClientPos)
{
    static constexpr TCursor kSelectCursors[] = {crDefault,   crColumnSelect, crRowSelect,
                                                 crSelectAll, crDefault,      crSelectAll};
    TCursor cursor = Cursor();
    const bool sizing = GridState() == gsRowSizing || GridState() == gsColSizing;
    if (FMouseSelectMode != msNormal && !sizing) {
        // Over a link the link's own cursor stays.
        if (FMouseSelectMode != msURL) cursor = kSelectCursors[FMouseSelectMode];
    } else if (FCellSelectorMode) {
        cursor = crCellSelector;
    } else {
        int col = -1, row = -1;
        MouseToCell(ClientPos.X, ClientPos.Y, col, row);
        if (col != -1 && row != -1 && OnGetCellCursor) {
            GetCellCursor(col, row, ClientPos.X, ClientPos.Y);
            cursor = ShownCursor();
        }
    }
    if (FSizeFixed || FSizingFixed) cursor = crHSplit;
    if (FSizeFixedR || FSizingFixedR) cursor = crVSplit;
    return cursor;
}

bool TExtStringGrid::IsHoverFixedCell(int ACol, int ARow) const
{
    switch (FHoverFixedCells) {
    case hfAll:
        return ACol < FixedCols() || ARow < FixedRows();
    case hfFixedColumns:
        return ACol < FixedCols();
    case hfFixedRows:
        return ARow < FixedRows();
    default:
        return false;
    }
}

void TExtStringGrid::ResetFixedCellHighlight()
{
    FSizeFixed = FSizeFixedR = FNoMouseLeave = false;
    if (FHoverFixedCells == hfNone || (FHoverFixed.X == -1 && FHoverFixed.Y == -1)) return;
    const TPoint old = FHoverFixed;
    FHoverFixed = {-1, -1};
    RepaintCell(old.X, old.Y);
}
