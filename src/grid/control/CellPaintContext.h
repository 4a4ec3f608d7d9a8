#pragma once
#include <functional>

#include "grid/control/CellGraphic.h"
#include "grid/foundation/model/GridEnums.h"
#include "platform/grids/Grids.h"

class TCanvas;
class TExtStringGrid;

// Drawing of the application's own into a cell; ACol is the real column.
using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                TGridDrawState AState, const TRect& ARect, bool Printing)>;

// The working record of painting one cell: filled step by step by the cell painter, read
// and written by the text step and by the cell-graphic drawer.
struct TCellPaintContext {
    TExtStringGrid* Grid = nullptr;
    TCanvas* Canvas = nullptr;
    int DisplCol = 0;
    int RealCol = 0;
    int Row = 0;
    TGridDrawState State;
    TRect CellRect;
    int DisjunctRow = 0;
    bool FilterGlyph = false;
    int ScrollPos = 0;
    bool WordWrap = false;
    TAlignment HAlign = taLeftJustify;
    // The graphic drawer's own copy of the text alignment.
    TAlignment GraphicTextHAlign = taLeftJustify;
    TVAlignment VAlign = vtaTop;
    TColor ColorTo = clNone;
    TColor MirrorColor = clNone;
    TColor MirrorColorTo = clNone;
    TCellGradientDirection GradientDirection = GradientVertical;
    TCellGraphic* Graphic = nullptr;
    int GraphicWidth = 0;
    int GraphicHeight = 0;
    TCellHAlign GraphicHAlign = haLeft;
    TCellVAlign GraphicVAlign = vaTop;
    bool ShowText = true;
    int TextWidth = 0;
    int TextHeight = 0;
    TColor SavedBrushColor = clNone;
    TColor SavedFontColor = clNone;
    bool FixedLook = false;
    bool Styled = false;
};
