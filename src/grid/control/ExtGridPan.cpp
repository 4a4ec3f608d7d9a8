#include <algorithm>
#include <cstdint>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridPan.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/Capture.h"
#include "platform/ui/Messages.h"

bool TExtStringGrid::HandlePanMessage(const TMessage& Message)
{
    switch (Message.Msg) {
    case WM_TIMER:
        if (static_cast<int>(Message.WParam) != PanTimerID || !FPanning) return false;
        if (IntelliPan != ipNone) PanTick();
        return true;
    case WM_MBUTTONDOWN:
        if (FPanning) {
            EndPan();
        } else if (IntelliPan != ipNone && RowCount() > FixedRows()) {
            StartPan(
                {static_cast<int16_t>(LOWORD(Message.LParam)), static_cast<int16_t>(HIWORD(Message.LParam))});
        }
        return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
        if (FPanning) EndPan();
        return false;
    default:
        return false;
    }
}

// No pan indicator is drawn at the start point yet: the grid has no pictures for it.
void TExtStringGrid::StartPan(TPoint At)
{
    FCursorBeforePan = Cursor();
    FPanning = true;
    FPanStart = At;
    SetTimer(PanTimerID, PanTimerPeriod);
    SetCapture(this);
    SetShowHint(false);
    SetCursor(crPanNeutral);
}

void TExtStringGrid::EndPan()
{
    ReleaseCapture();
    KillTimer(PanTimerID);
    SetCursor(FCursorBeforePan);
    SetShowHint(true);
    FPanning = false;
    InvalidateRect({FPanStart.X, FPanStart.Y, FPanStart.X + 32, FPanStart.Y + 32});
}

// Every pan tick moves one step towards the side the mouse lies on.
void TExtStringGrid::PanTick()
{
    const TGridRect selAtEntry = Selection();
    const TPanDirection d = PanDirection(FPanStart, FMousePos.value_or(FPanStart), IntelliPan);
    const int lastCol = ColCount() - FixedRightCols - 1;
    if (Row() < FixedRows() || Row() > LastNormalRow())
        SetRow(std::clamp(Row(), FixedRows(), std::max(FixedRows(), LastNormalRow())));
    if (Col() > lastCol) SetCol(lastCol);
    if (Col() < FixedCols()) SetCol(FixedCols());
    if (MouseActions()->WheelAction() == waScroll) {
        if ((d.H < 0 && LeftCol() > FixedCols()) || (d.H > 0 && LeftCol() < ColCount() - VisibleColCount()))
            SetLeftCol(LeftCol() + d.H);
        if ((d.V < 0 && TopRow() > FixedRows()) || (d.V > 0 && TopRow() < RowCount() - VisibleRowCount()))
            SetTopRow(TopRow() + d.V);
    } else {
        if ((d.H < 0 && Col() > FixedCols()) || (d.H > 0 && Col() < lastCol)) SetCol(Col() + d.H);
        if ((d.V < 0 && Row() > FixedRows()) || (d.V > 0 && Row() < LastNormalRow())) SetRow(Row() + d.V);
    }
    SetCursor(PanCursor(d));
    if (!(Selection() == selAtEntry)) {
        const TGridRect s = Selection();
        SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    }
}
