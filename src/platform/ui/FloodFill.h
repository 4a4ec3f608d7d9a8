#pragma once
#include "platform/ui/Graphics.h"

// Fills, in the brush colour, the area around (x, y) that is bounded by pixels of
// borderColor, within the clip rectangle. Only surfaces kept in memory (bitmaps and
// windows) can be filled; on others, and when (x, y) itself has the border colour,
// nothing happens.
void FloodFill(TCanvas* canvas, int x, int y, TColor borderColor);
