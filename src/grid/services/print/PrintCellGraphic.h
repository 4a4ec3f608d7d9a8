#pragma once
#include "platform/ui/Graphics.h"

class TExtStringGrid;

// A cell's graphic as it prints: drawn at its screen size onto a bitmap filled with the
// cell's colour, which the page then stretches into the graphic's place. Answers false,
// drawing nothing, for a cell whose graphic does not print.
bool RenderPrintedCellGraphic(TExtStringGrid& Grid, int RealCol, int ARow, TColor Background, TBitmap& Bitmap);

// The screen size of a printed cell graphic; (0, 0) when the cell has none that prints.
TPoint PrintedCellGraphicSize(TExtStringGrid& Grid, int RealCol, int ARow);

// Whether the printed graphic shows the cell's value itself, so that its text stays off.
bool PrintedGraphicHidesText(const TExtStringGrid& Grid, int RealCol, int ARow);
