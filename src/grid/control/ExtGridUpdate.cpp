#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BackGround.h"

// Every call counts, whether the grid is shown or not: a grid hidden between the two calls
// must still come out of the lock and repaint.
void TExtStringGrid::BeginUpdate() { ++FUpdateCount; }

void TExtStringGrid::EndUpdate()
{
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount > 0 || ComponentState().Contains(csDestroying)) return;
    FSelChange = false;
    FRepaintHeldBack = false;
    Invalidate();
}

// The scrolling paths lift the lock without a repaint of their own; a change held back
// meanwhile still reaches the screen.
void TExtStringGrid::ResetUpdate()
{
    FUpdateCount = 0;
    if (FRepaintHeldBack && !ComponentState().Contains(csDestroying)) Invalidate();
    FRepaintHeldBack = false;
}

bool TExtStringGrid::HoldsRepaintBack()
{
    if (FUpdateCount == 0) return false;
    FRepaintHeldBack = true;
    return true;
}

void TExtStringGrid::SetLockUpdate(bool Value)
{
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

void TExtStringGrid::Paint()
{
    if (FUpdateCount > 0) return;
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetStyle(psSolid);
    canvas->Brush()->SetStyle(bsSolid);
    TBaseGrid::Paint();
    if (EditorMode()) {
        // The open editor gets a frame in the colour of the lines it covers.
        const bool lines =
            GridLineWidth() >= 1 && (Options().Contains(goVertLine) || Options().Contains(goHorzLine));
        canvas->Pen()->SetColor(lines ? GridLineColor() : Color());
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(CellRect(Col(), Row()));
        canvas->Brush()->SetStyle(bsSolid);
    }
    canvas->Pen()->SetColor(clBlack);
    if (!BackGround()->Bitmap()->Empty() || BackGround()->ColorTo() != clNone) PaintOutsideArea(canvas);
    PaintBorder(canvas);
    if (OnPainted) OnPainted(this);
}
