#pragma once
#include "grid/control/ExtGridEnums.h"
#include "platform/ui/Controls.h"

// Middle-button panning: where the mouse lies from the point panning started, each way -1, 0
// or +1 (up and left are -1); within 5 pixels counts as 0.
struct TPanDirection {
    int V = 0;
    int H = 0;
};
TPanDirection PanDirection(TPoint Start, TPoint Mouse, TIntelliPan Pan);

// The grid's pan cursors: the neutral one while the mouse rests, one per direction otherwise.
constexpr TCursor crPanNeutral = 8000;
TCursor PanCursor(TPanDirection Direction);
