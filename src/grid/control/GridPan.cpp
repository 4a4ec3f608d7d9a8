#include "grid/control/GridPan.h"

namespace {

constexpr int PanDeadZone = 5;

int Sign(int Value, int Centre)
{
    if (Value < Centre - PanDeadZone) return -1;
    if (Value > Centre + PanDeadZone) return 1;
    return 0;
}

} // namespace

TPanDirection PanDirection(TPoint Start, TPoint Mouse, TIntelliPan Pan)
{
    TPanDirection d;
    if (Pan != ipHorizontal) d.V = Sign(Mouse.Y, Start.Y);
    if (Pan != ipVertical) d.H = Sign(Mouse.X, Start.X);
    return d;
}

TCursor PanCursor(TPanDirection Direction)
{
    // Rows: V = -1, 0, +1; columns: H = -1, 0, +1.
    static constexpr TCursor kCursors[3][3] = {
        {8006, 8004, 8005},
        {8002, crPanNeutral, 8003},
        {8008, 8001, 8007},
    };
    return kCursors[Direction.V + 1][Direction.H + 1];
}
