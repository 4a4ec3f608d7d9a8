#include "grid/control/ExtStringGrid.h"

// Placeholders until cell graphics are drawn: no cell shows one.

TCellGraphic* TExtStringGrid::GetCellGraphicInfo(int, int, TCellPaintContext&) { return nullptr; }

void TExtStringGrid::DrawCellGraphic(TCellPaintContext&, const TRect&, TCellGraphic*, TCellVAlign) {}
