#pragma once
#include "platform/ui/Types.h"

class TArrowWindow;
class TWinControl;

// The arrows that mark where a column or row being moved will land: up and down arrows at
// a column's edge, left and right arrows at a row's edge. They are made on first use, as
// children of the grid, which owns them.
class TMoveMarkers {
public:
    explicit TMoveMarkers(TWinControl* Grid) : FGrid(Grid) {}

    // Marks the left edge of the header cell R (client pixels) when Before, else its right edge.
    void MarkColumn(const TRect& R, bool Before, bool Visible);
    // Marks the top edge of the row header cell R when Before, else its bottom edge.
    void MarkRow(const TRect& R, bool Before, bool Visible);
    // Marks where a drop lands: the left arrow at the start of the cell R, the others hidden.
    void MarkDropCell(const TRect& R);
    void Hide();
    bool Showing() const;
    TPoint UpArrowPos() const;
    TPoint LeftArrowPos() const;

private:
    void Create();
    static void Place(TArrowWindow* Arrow, int X, int Y, bool Visible);

    TWinControl* FGrid;
    TArrowWindow* FUp = nullptr;
    TArrowWindow* FDown = nullptr;
    TArrowWindow* FLeft = nullptr;
    TArrowWindow* FRight = nullptr;
};
