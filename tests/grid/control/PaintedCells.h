#pragma once
#include <vector>

#include "grid/control/ExtStringGrid.h"

// The pixels inside a painted cell, its lines left out: two cells that must look alike
// compare equal.
inline std::vector<TColor> CellInside(TBitmap& Bitmap, const TExtStringGrid& Grid, int ACol, int ARow)
{
    const TRect r = Grid.CellRect(ACol, ARow);
    std::vector<TColor> pixels;
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
        for (int x = r.Left + 1; x < r.Right - 1; ++x)
            pixels.push_back(Bitmap.Canvas()->Pixels(x, y));
    return pixels;
}
