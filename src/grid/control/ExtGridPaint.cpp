#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridBackground.h"
#include "grid/control/settings/BackGround.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/SearchFooter.h"

// The paint pass around the cells: the frame of the modern looks, the background beside and
// below the last cells, and the sort glyphs the header cells ask for.

namespace {

constexpr TColor kSunkenShade = 0x808080;
constexpr int kSearchFooterHeight = 32;

bool HasFramedLook(TGridLook Look)
{
    return Look == glSoft || Look == glSuite || Look == glXP || Look == glListView || Look == glVista ||
           Look == glWin7 || Look == glOffice2007;
}

void Outline(TCanvas* Canvas, TColor Color, const std::vector<TPoint>& Points)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Polyline(Points);
}

} // namespace

bool TExtStringGrid::PaintsBorder() const
{
    return HasFramedLook(FLook) && BorderStyle() != bsNone && FBorderColor != clNone && !Flat;
}

void TExtStringGrid::PaintBorder(TCanvas* ACanvas)
{
    if (!PaintsBorder()) return;
    const int w = ClientWidth(), h = ClientHeight();
    const TColor keptPen = ACanvas->Pen()->Color();
    if (FitCellsInGrid) {
        Outline(ACanvas, FBorderColor, {{1, h}, {1, 1}, {w - 2, 1}, {w - 2, h - 2}, {1, h - 2}});
        if (Parent())
            Outline(ACanvas, Parent()->Color(), {{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    } else {
        Outline(ACanvas, FBorderColor, {{0, h - 1}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    }
    ACanvas->Pen()->SetColor(keptPen);
}

void TExtStringGrid::PaintOutsideArea(TCanvas* ACanvas)
{
    const TBackGround& back = *BackGround();
    const bool gradient = back.Display() == bdGradientHorz || back.Display() == bdGradientVert;
    const bool rowsGoOn = TopRow() + VisibleRowCount() < RowCount();
    const bool colsGoOn = LeftCol() + VisibleColCount() < ColCount();
    if ((rowsGoOn && colsGoOn) || (gradient && back.ColorTo() == clNone) || ColCount() <= 0 ||
        RowCount() <= 0)
        return;
    TRect client = ClientRect();
    if (SearchFooter()->Visible()) client.Bottom -= kSearchFooterHeight;
    if (FloatingFooter()->Visible()) client.Bottom -= FloatingFooter()->Height();

    std::vector<TRect> areas;
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    const int right = CellRect(lastCol, TopRow()).Right + GridLineWidth();
    if (right < client.Right && !CellRect(lastCol, TopRow()).IsEmpty())
        areas.push_back(Rect(right, client.Top, client.Right, client.Bottom));
    const int bottom = CellRect(LeftCol(), lastRow).Bottom + GridLineWidth();
    if (bottom < client.Bottom && !CellRect(LeftCol(), lastRow).IsEmpty())
        areas.push_back(Rect(client.Left, bottom, client.Right, client.Bottom));

    TBitmap& picture = *back.Bitmap();
    const int extent = back.Display() == bdGradientHorz ? ClientWidth() : ClientHeight();
    for (const TRect& area : areas) {
        if (picture.Empty() && gradient)
            DrawBackgroundGradient(ACanvas, back, extent, area);
        else if (!picture.Empty() && back.Display() != bdTile)
            DrawPlacedPicture(ACanvas, picture, {back.Left(), back.Top()}, area);
        else if (!picture.Empty() && back.Cells() != bcFixed)
            DrawTiledPicture(ACanvas, picture, BackgroundOrigin(), area);
    }
}

// Tiles line up with the first cell that shows the picture: the control's corner, or the
// first normal cell when only normal cells show it. They stay with the window rather than
// scroll with the cells, so a cell never sums the sizes of the rows above it.
TPoint TExtStringGrid::BackgroundOrigin() const
{
    if (BackGround()->Cells() != bcNormal) return {0, 0};
    return {FixedColsWidth(), FixedRowsHeight()};
}

void TExtStringGrid::DrawSortIndicator(TCanvas* ACanvas, int ACol, int X, int Y)
{
    const TSortSettings& sort = *SortSettings();
    TPen& pen = *ACanvas->Pen();
    const auto line = [ACanvas, &pen](TColor Color, int X1, int Y1, int X2, int Y2) {
        pen.SetColor(Color);
        ACanvas->MoveTo(X1, Y1);
        ACanvas->LineTo(X2, Y2);
    };
    if (sort.IndexShow) {
        const int index = SortIndexes.FindIndex(ACol);
        if (index < 0) return;
        const bool indexGlyphs = !sort.IndexUpGlyph()->Empty() && !sort.IndexDownGlyph()->Empty();
        const bool descending = !SortIndexes.SortDirections(index);
        ACanvas->Brush()->SetColor(sort.IndexColor);
        ACanvas->Font()->SetColor(clBlack);
        ACanvas->Font()->SetSize(6);
        pen.SetColor(clBlack);
        if (indexGlyphs)
            ACanvas->Draw(X - 7, Y - 7, descending ? sort.IndexUpGlyph() : sort.IndexDownGlyph());
        else if (descending)
            ACanvas->Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
        else
            ACanvas->Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
        ACanvas->Brush()->SetStyle(bsClear);
        ACanvas->TextOut(X - 2, descending ? Y - 4 : Y - 2, std::to_string(index + 1));
        ACanvas->Brush()->SetStyle(bsSolid);
    } else {
        const bool glyphs = !sort.UpGlyph()->Empty() && !sort.DownGlyph()->Empty();
        const bool descending = sort.Direction == sdDescending;
        if (glyphs) {
            ACanvas->Draw(X - 4, Y - 4, descending ? sort.DownGlyph() : sort.UpGlyph());
        } else if (descending) {
            line(clWhite, X + 4, Y - 4, X, Y + 4);
            line(kSunkenShade, X, Y + 4, X - 4, Y - 4);
            ACanvas->LineTo(X + 4, Y - 4);
        } else {
            line(clWhite, X - 4, Y + 4, X + 4, Y + 4);
            ACanvas->LineTo(X, Y - 4);
            line(kSunkenShade, X, Y - 4, X - 4, Y + 4);
        }
    }
    pen.SetColor(clBlack);
}
