#pragma once
#include "grid/control/CellPaintContext.h"

class TExtStringGrid;

// Paints one cell of the string grid after the base grid has filled its background and
// drawn its lines: the fixed-cell looks, the row markers, the text, the borders, the 3-D
// touches of the classic looks, the graphic, the owner-draw events and the focus frame, in
// that order. It changes the canvas only, never the cell.
class TCellPainter {
public:
    TCellPainter(TExtStringGrid& Grid, TCellPaintContext& Context, TColor Background)
        : G(Grid), C(Context), Background(Background)
    {
    }
    void Paint();

private:
    void Prepare();
    void ResolveLook();
    bool HasFixedLook() const;
    void DrawFixedLook();
    bool DrawHoverLook();
    void DrawSuiteGradient(const TRect& Area, bool Down) const;
    void DrawFixedGradient(const TRect& R, TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo,
                           TColor Border, bool SidesOnly) const;
    int DrawRowIndicator();
    void DrawListViewHeader();
    void DrawModifiedMarker();
    void DrawEditorButtons();
    void DrawTextStep();
    void DrawBorders();
    void DrawClassicEdges();
    void DrawLightLines();
    void DrawSoftLines();
    void DrawFixedRightColumnLines();
    void DrawPushedFixedEdges(const TRect& Cell);
    void DrawGraphic();
    void FireDrawEvents();
    void DrawFocusFrame();
    void Line(int X1, int Y1, int X2, int Y2, TColor Color) const;
    bool OwnerDraws() const;

    TExtStringGrid& G;
    TCellPaintContext& C;
    TRect& R = C.CellRect;
    // The cell's background as the base painter filled it.
    TColor Background;
};
