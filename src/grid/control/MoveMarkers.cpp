#include "grid/control/MoveMarkers.h"

#include "grid/foundation/painting/OverlayWindows.h"

void TMoveMarkers::Create()
{
    if (FUp) return;
    FUp = new TArrowWindow(FGrid, arrUp);
    FDown = new TArrowWindow(FGrid, arrDown);
    FLeft = new TArrowWindow(FGrid, arrLeft);
    FRight = new TArrowWindow(FGrid, arrRight);
}

void TMoveMarkers::Place(TArrowWindow* Arrow, int X, int Y, bool Visible)
{
    Arrow->SetBounds(X, Y, Arrow->Width(), Arrow->Height());
    Arrow->SetVisible(Visible);
    if (Visible) Arrow->BringToFront();
}

void TMoveMarkers::MarkColumn(const TRect& R, bool Before, bool Visible)
{
    Create();
    const int x = (Before ? R.Left : R.Right) - 5;
    Place(FUp, x, R.Bottom, Visible);
    Place(FDown, x, R.Top - 8, Visible);
}

void TMoveMarkers::MarkRow(const TRect& R, bool Before, bool Visible)
{
    Create();
    const int y = (Before ? R.Top : R.Bottom) - 5;
    Place(FLeft, R.Left - 10, y, Visible);
    Place(FRight, R.Right, y, Visible);
}

void TMoveMarkers::MarkDropCell(const TRect& R)
{
    Create();
    Hide();
    Place(FLeft, R.Left - 10, R.Top, true);
}

void TMoveMarkers::Hide()
{
    if (!FUp) return;
    for (TArrowWindow* arrow : {FUp, FDown, FLeft, FRight})
        arrow->Hide();
}

bool TMoveMarkers::Showing() const { return FUp && (FUp->Visible() || FLeft->Visible()); }

TPoint TMoveMarkers::UpArrowPos() const { return FUp ? TPoint{FUp->Left(), FUp->Top()} : TPoint{-1, -1}; }

TPoint TMoveMarkers::LeftArrowPos() const
{
    return FLeft ? TPoint{FLeft->Left(), FLeft->Top()} : TPoint{-1, -1};
}
