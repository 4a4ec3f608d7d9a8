#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/DragScrollOptions.h"
#include "platform/ui/ExtCtrls.h"

void TExtStringGrid::FreeDragTimer()
{
    delete FDragTmr;
    FDragTmr = nullptr;
}

void TExtStringGrid::DragScrollOver(int X, int Y, TDragScrollState State)
{
    const TDragScrollOptions& options = *DragScrollOptions();
    if (!options.Active || State == dssLeave) {
        FreeDragTimer();
        FDragScrollDirection = {};
        return;
    }
    const TDragScrollDirections before = FDragScrollDirection;
    TDragScrollDirections dirs;
    if (Y < options.Margins.TopMargin)
        dirs = dirs + dsdUp;
    else if (Y > Height() - options.Margins.BottomMargin)
        dirs = dirs + dsdDown;
    if (X < options.Margins.LeftMargin)
        dirs = dirs + dsdLeft;
    else if (X > Width() - options.Margins.RightMargin)
        dirs = dirs + dsdRight;
    FDragScrollDirection = dirs;

    if (dirs == TDragScrollDirections{}) {
        FreeDragTimer();
    } else if (!FDragTmr) {
        // The grid owns the timer: its ticks call the grid, so it must not outlive it.
        FDragTmr = new TTimer(this);
        FDragTmr->OnTimer = [this](TObject*) { DragScrollTick(); };
        FDragTmr->SetInterval(options.Delays.InitialDelay);
        FDragTmr->SetEnabled(true);
    } else if (before != TDragScrollDirections{}) {
        FDragTmr->SetInterval(options.Delays.InitialDelay);
    }
}

void TExtStringGrid::DragScrollTick()
{
    const TDragScrollOptions& options = *DragScrollOptions();
    if (!options.Active) {
        // Called from the timer's own tick: stopped now, freed by the next drag or the grid.
        if (FDragTmr) FDragTmr->SetEnabled(false);
        return;
    }
    if (FDragTmr) FDragTmr->SetInterval(options.Delays.RepeatDelay);
    TDragScrollDirections dirs = FDragScrollDirection;
    bool canScroll = true;
    if (OnDragScroll) OnDragScroll(this, TopRow(), LeftCol(), dirs, canScroll);
    if (!canScroll) return;
    if (dirs.Contains(dsdUp) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if (dirs.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if (dirs.Contains(dsdLeft) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if (dirs.Contains(dsdRight) && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
}
