#pragma once
#include <cstdint>

// The names the grids register with the window system, registered once per program and
// kept for the whole run.
struct TGridRegistrations {
    // The message the in-place date picker posts to move the focus on.
    unsigned DTPShiftFocus;
    // The grid's own clipboard format for cells.
    uint16_t CellsClipboardFormat;
};

const TGridRegistrations& GridRegistrations();
