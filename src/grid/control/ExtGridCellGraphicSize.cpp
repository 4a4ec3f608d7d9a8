#include <algorithm>
#include <cmath>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/IntList.h"
#include "platform/ui/ImgList.h"

// How much room a cell's graphic takes beside or above its text, on screen and on paper.
// Text is measured on the grid's canvas in the font the caller has set on it.

namespace {

bool IsBeside(const TCellGraphic& G) { return G.CellHAlign == haBeforeText || G.CellHAlign == haAfterText; }
bool IsAboveOrBelow(const TCellGraphic& G)
{
    return G.CellVAlign == vaUnderText || G.CellVAlign == vaAboveText;
}

TPoint GraphicOwnSize(const TObject* Object)
{
    const auto* graphic = dynamic_cast<const TGraphic*>(Object);
    return graphic ? TPoint{graphic->Width(), graphic->Height()} : TPoint{0, 0};
}

// The room of a radio group: captions side by side, or one under the other with LineHeight
// per caption.
TPoint RadioGroupSize(TCanvas* Canvas, const TCellGraphic& G, int MinLineHeight)
{
    const int textHeight = Canvas->TextHeight("gh");
    if (!G.CellStrings) return {G.CellBoolean ? 0 : 12, G.CellBoolean ? textHeight : 0};
    const TStringList& captions = *G.CellStrings;
    if (G.CellBoolean) {
        int width = 0;
        for (int i = 0; i < captions.Count(); ++i)
            width += Canvas->TextWidth(captions[i]) + 12;
        return {width, textHeight};
    }
    int width = 12;
    for (int i = 0; i < captions.Count(); ++i)
        width = std::max(width, Canvas->TextWidth(captions[i]) + 12);
    return {width, std::max(MinLineHeight, textHeight) * captions.Count()};
}

} // namespace

TPoint TExtStringGrid::CalcCellGraphicSize(int ACol, int ARow, int ExtraHeight)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return {0, 0};
    const TCellGraphic& g = *graphic;
    const bool text = !Cells(ACol, ARow).empty();
    const TPoint cell = CellSize(DisplColIndex(ACol), ARow);
    TPoint size{0, 0};
    // Ratings and buttons sized by their caption keep their width in a full-width cell.
    bool keepWidth = false;

    switch (g.CellType) {
    case ctIcon: {
        const TPoint own = GraphicOwnSize(g.CellIcon);
        size = {IsBeside(g) || !text ? own.X : 0, own.Y};
        break;
    }
    case ctBitmap: {
        const TPoint own = GraphicOwnSize(g.CellBitmap);
        size = {IsBeside(g) || !text ? own.X : 0, IsAboveOrBelow(g) || !text ? own.Y : 0};
        break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        size = {ControlLook()->CheckSize(), ControlLook()->CheckSize()};
        break;
    case ctRadioButton:
        size = {ControlLook()->RadioSize(), ControlLook()->RadioSize()};
        break;
    case ctProgressPie:
        size = {20, 20};
        break;
    case ctRating:
        size = {18 * g.CellAngle, 16};
        keepWidth = true;
        break;
    case ctPicture:
    case ctFilePicture: {
        const TPoint margins{2 * XYOffset.X, 2 * XYOffset.Y};
        size = g.GetPictureSize(cell.X - margins.X - 1, cell.Y - margins.Y - ExtraHeight - 1, text);
        break;
    }
    case ctButton:
    case ctBitButton:
        size = {g.ButtonWidth(), g.ButtonHeight()};
        if (text) {
            if (g.CellHAlign == haCenter) size.X = 0;
            if (g.CellHAlign == haFull) size.X = Canvas()->TextWidth(g.CellText) + 4;
            if (IsAboveOrBelow(g))
                size.X = 0;
            else
                size.Y = 0;
        } else if (g.CellHAlign == haFull) {
            Canvas()->Font()->Assign(*Font());
            size.X = Canvas()->TextWidth(g.CellText) + 4;
            keepWidth = !g.CellText.empty();
        }
        break;
    case ctInterface: {
        const auto* drawer = dynamic_cast<const IGridCellDrawer*>(g.CellBitmap);
        size = drawer ? TPoint{drawer->Width(), drawer->Height()} : TPoint{0, 0};
        if (size.X == 0 || size.Y == 0) size = cell;
        break;
    }
    case ctRadio:
        size = RadioGroupSize(Canvas(), g, 16);
        break;
    case ctImageList:
    case ctDataImage:
        if (FGridImages)
            size = {IsBeside(g) || !text ? FGridImages->Width() : 0,
                    IsAboveOrBelow(g) || !text ? FGridImages->Height() : 0};
        break;
    case ctImages:
        size = MultiImageSize(g);
        break;
    default:
        break;
    }

    if (g.CellVAlign == vaFull) size.Y = cell.Y;
    if (g.CellHAlign == haFull && !keepWidth) size.X = cell.X;
    return size;
}

TPoint TExtStringGrid::GetCellTextGraphicSize(int ACol, int ARow, int AWidth, int AHeight, double Scale)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return {0, 0};
    const TCellGraphic& g = *graphic;
    const bool text = !Cells(ACol, ARow).empty();
    switch (g.CellType) {
    case ctBitmap:
        return GraphicOwnSize(g.CellBitmap);
    case ctIcon:
        return GraphicOwnSize(g.CellIcon);
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        return {ControlLook()->CheckSize(), ControlLook()->CheckSize()};
    case ctRadioButton:
        return {ControlLook()->RadioSize(), ControlLook()->RadioSize()};
    case ctNode:
    case ctProgressPie:
        return {20, 20};
    case ctRadio:
        return RadioGroupSize(Canvas(), g, 0);
    case ctImageList:
        if (!FGridImages) return {0, 0};
        return {IsBeside(g) || !text ? FGridImages->Width() : 0, FGridImages->Height()};
    case ctDataImage:
        if (!FGridImages) return {0, 0};
        return {FGridImages->Width(), FGridImages->Height()};
    case ctImages:
        return MultiImageSize(g);
    case ctPicture:
    case ctFilePicture: {
        const TPoint size = g.GetPictureSize(AWidth, AHeight, text);
        if (Scale <= 0) return size;
        return {static_cast<int>(std::lround(size.X / Scale)), static_cast<int>(std::lround(size.Y / Scale))};
    }
    case ctProgress:
    case ctXPProgress:
        return {ColWidths(DisplColIndex(ACol)), RowHeights(ARow)};
    case ctButton:
    case ctBitButton:
        return {g.ButtonWidth(), g.ButtonHeight()};
    case ctInterface: {
        const auto* drawer = dynamic_cast<const IGridCellDrawer*>(g.CellBitmap);
        if (!drawer) return {0, 0};
        const TRect cell = CellRect(DisplColIndex(ACol), ARow);
        return {drawer->Width() ? drawer->Width() : cell.Width(),
                drawer->Height() ? drawer->Height() : cell.Height()};
    }
    case ctShape: {
        const int side = RowHeights(ARow) - 2 * XYOffset.Y;
        return {side, side};
    }
    default:
        return {0, 0};
    }
}
