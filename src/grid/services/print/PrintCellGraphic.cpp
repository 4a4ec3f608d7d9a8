#include "grid/services/print/PrintCellGraphic.h"

#include "grid/control/CellGraphic.h"
#include "grid/control/CellPaintContext.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/painting/FilePicture.h"
#include "platform/ui/ImgList.h"

namespace {

// The graphics that print; the other kinds print their text alone.
bool PrintsCellGraphic(TCellType Type)
{
    switch (Type) {
    case ctBitmap:
    case ctIcon:
    case ctImageList:
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctDataImage:
    case ctNode:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
    case ctProgress:
    case ctProgressPie:
    case ctInterface:
        return true;
    default:
        return false;
    }
}

const TCellGraphic* PrintedGraphicOf(const TExtStringGrid& Grid, int RealCol, int ARow)
{
    const TCellGraphic* graphic = Grid.GetCellGraphic(RealCol, ARow);
    return graphic && PrintsCellGraphic(graphic->CellType) ? graphic : nullptr;
}

// Draws the graphic with the screen painter, which places it at the top left of the
// bitmap when given a rectangle reaching past the bitmap by the margin it takes off.
void DrawScreenCellGraphic(TExtStringGrid& Grid, TCanvas* Canvas, int RealCol, int ARow, const TPoint& Size)
{
    TCellGraphic* graphic = Grid.GetCellGraphic(RealCol, ARow);
    Canvas->Font()->Assign(*Grid.Font());
    TCellPaintContext context;
    context.Grid = &Grid;
    context.Canvas = Canvas;
    context.RealCol = RealCol;
    context.DisplCol = Grid.DisplColIndex(RealCol);
    context.Row = ARow;
    context.Graphic = graphic;
    context.GraphicWidth = Size.X;
    context.GraphicHeight = Size.Y;
    const TPoint margin = Grid.XYOffset;
    const bool unshrunk = graphic->CellType == ctProgress;
    const TRect rect = unshrunk ? TRect{0, 0, Size.X, Size.Y}
                                : TRect{-margin.X, -margin.Y, Size.X + margin.X, Size.Y + margin.Y};
    Grid.DrawCellGraphic(context, rect, graphic, vaTop);
}

} // namespace

TPoint PrintedCellGraphicSize(TExtStringGrid& Grid, int RealCol, int ARow)
{
    if (!PrintedGraphicOf(Grid, RealCol, ARow)) return {0, 0};
    const int displayCol = Grid.DisplColIndex(RealCol);
    TPoint size = Grid.GetCellTextGraphicSize(RealCol, ARow, Grid.ColWidths(displayCol), Grid.RowHeights(ARow), 1.0);
    const TCellType type = Grid.GetCellGraphic(RealCol, ARow)->CellType;
    // On paper the text moves aside for an image, which the screen draws over the text.
    if (type == ctImageList && size.X == 0 && Grid.GridImages()) size.X = Grid.GridImages()->Width();
    // A radio group takes the whole cell, as on screen.
    if (type == ctRadio) size = {Grid.ColWidths(displayCol), Grid.RowHeights(ARow)};
    return size;
}

bool PrintedGraphicHidesText(const TExtStringGrid& Grid, int RealCol, int ARow)
{
    const TCellGraphic* graphic = PrintedGraphicOf(Grid, RealCol, ARow);
    return graphic && (graphic->CellType == ctRadio || graphic->CellType == ctProgress);
}

bool RenderPrintedCellGraphic(TExtStringGrid& Grid, int RealCol, int ARow, TColor Background, TBitmap& Bitmap)
{
    const TCellGraphic* graphic = PrintedGraphicOf(Grid, RealCol, ARow);
    const TPoint size = PrintedCellGraphicSize(Grid, RealCol, ARow);
    if (!graphic || size.X <= 0 || size.Y <= 0) return false;
    Bitmap.SetSize(size.X, size.Y);
    TCanvas* canvas = Bitmap.Canvas();
    const TRect all{0, 0, size.X, size.Y};
    canvas->Brush()->SetColor(Background == clNone ? clWhite : Background);
    canvas->FillRect(all);
    const TCellGraphic& g = *graphic;
    const TControlLook::TControlStyle style = Grid.ControlLook()->ControlStyle();
    switch (g.CellType) {
    case ctBitmap:
        canvas->StretchDraw(all, dynamic_cast<const TGraphic*>(g.CellBitmap));
        break;
    case ctIcon:
        canvas->StretchDraw(all, dynamic_cast<const TGraphic*>(g.CellIcon));
        break;
    case ctPicture:
        if (const auto* picture = dynamic_cast<const TPicture*>(g.CellBitmap))
            canvas->StretchDraw(all, picture->Graphic());
        break;
    case ctFilePicture:
        if (const auto* picture = dynamic_cast<const TFilePicture*>(g.CellBitmap)) picture->DrawPicture(canvas, all);
        break;
    case ctInterface:
        if (auto* drawer = dynamic_cast<IGridCellDrawer*>(g.CellBitmap)) drawer->Draw(canvas, all, &Grid, RealCol, ARow, false);
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox: {
        bool checked = false;
        Grid.GetCheckBoxState(RealCol, ARow, checked);
        Grid.DrawCheckBox(canvas, all, checked, true, false, style, false, cbUnchecked);
        break;
    }
    default:
        DrawScreenCellGraphic(Grid, canvas, RealCol, ARow, size);
        break;
    }
    return true;
}
