#include "grid/control/CellTextPainter.h"

#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridBackground.h"
#include "grid/control/settings/BackGround.h"
#include "grid/control/settings/Filter.h"
#include "grid/control/settings/FilterDropDown.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/painting/CanvasShapes.h"
#include "grid/foundation/painting/CellGraphics.h"
#include "grid/foundation/text/CellText.h"
#include "grid/foundation/text/TextUtils.h"
#include "platform/rtl/Utf8.h"

namespace {

constexpr int kFilterGlyphWidth = 16;

unsigned HorizontalFlag(TAlignment Align)
{
    switch (Align) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

unsigned VerticalFlag(TVAlignment Align)
{
    switch (Align) {
    case vtaCenter:
        return DT_VCENTER;
    case vtaBottom:
        return DT_BOTTOM;
    default:
        return DT_TOP;
    }
}

// A small funnel: the picture of a column filter when the application gives none.
void DrawFilterFunnel(TCanvas* Canvas, int Left, int Top, bool Active)
{
    const TColor color = Active ? clBlue : clGray;
    Canvas->Pen()->SetColor(color);
    Canvas->Brush()->SetColor(color);
    Canvas->Polygon({{Left + 3, Top + 4},
                     {Left + 13, Top + 4},
                     {Left + 9, Top + 8},
                     {Left + 9, Top + 12},
                     {Left + 7, Top + 13},
                     {Left + 7, Top + 8}});
}

} // namespace

void TExtStringGrid::DrawCellText(TCellPaintContext& Context) { TCellTextPainter(*this, Context).Paint(); }

void TCellTextPainter::Paint()
{
    URLColour = G.URLColor;
    ApplySelectionColors();
    int textType = ttPlain;
    std::string text = CellText(textType);
    TR = C.CellRect;
    if (G.IsFixed(C.RealCol, C.Row)) {
        TR.Left += G.GridLineWidth();
        TR.Top += G.GridLineWidth();
    }
    // A scrolled cell shows its text from further down, cut at the cell's edges.
    const bool scrolled = C.ScrollPos > 0;
    TRect keptClip{};
    if (scrolled) {
        keptClip = C.Canvas->ClipRect();
        C.Canvas->IntersectClipRect(C.CellRect);
        TR.Top -= C.ScrollPos;
    }
    if (C.FilterGlyph) {
        DrawFilterGlyph(TR);
        TR = C.CellRect;
    }
    ResetDisjunctSelection();
    DrawCellBackground();
    DrawSelectionFrame();
    if (C.ShowText) {
        ShrinkForMarginsAndGraphic();
        if (textType == ttMarkup)
            DrawMarkupText(text);
        else if (textType == ttRichText)
            G.DrawRichTextCell(C.RealCol, C.Row, TR, C.Canvas);
        else
            DrawPlainText(text);
    }
    if (scrolled) C.Canvas->SetClipRect(keptClip);
}

void TCellTextPainter::ApplySelectionColors()
{
    const int rowSelCols = G.ColCount() - G.FixedRightCols - 1;
    const bool rowSelected = G.Options().Contains(goRowSelect) && G.RowFlagAt(C.DisjunctRow) &&
                             C.RealCol >= G.FixedCols() && C.RealCol <= rowSelCols;
    if (!C.State.Contains(gdSelected) && !rowSelected) return;
    if (G.IsFixed(G.RealToDisplCol(C.RealCol), C.DisjunctRow)) return;
    TCanvas& canvas = *C.Canvas;
    if (G.ShowSelection) {
        if (G.SelectionColor != clNone) canvas.Brush()->SetColor(G.SelectionColor);
        if (G.SelectionTextColor != clNone && G.Enabled()) canvas.Font()->SetColor(G.SelectionTextColor);
        URLColour = G.SelectionTextColor;
    } else if (!G.Focused() || G.HasCheckBox(C.RealCol, C.Row)) {
        canvas.Brush()->SetColor(C.SavedBrushColor);
        canvas.Font()->SetColor(C.SavedFontColor);
        URLColour = G.URLColor;
    }
}

std::string TCellTextPainter::CellText(int& TextType)
{
    std::string text = G.ShownCellText(C.RealCol, C.Row, TextType);
    bool password = false;
    G.IsPasswordCell(C.RealCol, C.Row, password);
    if (password && !G.PasswordChar.empty()) FillWithChar(text, utf8::Decode(G.PasswordChar).front());
    return text;
}

void TCellTextPainter::DrawFilterGlyph(const TRect& Area)
{
    const TFilterDropDown& dropDown = *G.FilterDropDown();
    const bool active = G.Filter()->HasFilter(C.RealCol);
    const TBitmap* glyph = active ? dropDown.GlyphActive() : dropDown.Glyph();
    const int left = Area.Right - kFilterGlyphWidth;
    if (glyph->Empty()) {
        const TColor brush = C.Canvas->Brush()->Color();
        DrawFilterFunnel(C.Canvas, left, Area.Top, active);
        C.Canvas->Brush()->SetColor(brush);
    } else {
        DrawBitmapTransparent(C.Canvas, glyph, C.Canvas->Brush()->Color(),
                              Bounds(left, Area.Top, glyph->Width(), glyph->Height()));
    }
}

void TCellTextPainter::ResetDisjunctSelection()
{
    const TMouseActions& mouse = *G.MouseActions();
    const bool unselectedRow = mouse.DisjunctRowSelect() && !G.RowFlagAt(C.DisjunctRow);
    const bool unselectedCol =
        mouse.DisjunctColSelect() &&
        !(C.DisplCol < G.ColCount() && G.ColSelect(C.DisplCol));
    if (C.RealCol < G.FixedCols() || C.Row < G.FixedRows() || G.FMouseDown ||
        !(unselectedRow || unselectedCol))
        return;
    TCanvas& canvas = *C.Canvas;
    URLColour = G.URLColor;
    canvas.Brush()->SetColor(G.Color());
    canvas.Font()->SetColor(G.Font()->Color());
    G.GetCellColor(C.RealCol, C.Row, C.State, canvas.Brush(), canvas.Font());
    if (G.ZoomFactor != 0) canvas.Font()->SetSize(canvas.Font()->Size() + G.ZoomFactor);
}

// The grid's background picture or gradient shows through cells without a colour of
// their own (and, for the gradient, through cells that hold a control).
void TCellTextPainter::DrawCellBackground()
{
    const TBackGround& back = *G.BackGround();
    const bool gradient = back.Display() == bdGradientHorz || back.Display() == bdGradientVert;
    TBitmap& picture = *back.Bitmap();
    if (picture.Empty() && !gradient) return;
    const bool fixed = C.State.Contains(gdFixed);
    const bool admitted = back.Cells() == bcAll || (back.Cells() == bcFixed) == fixed;
    const TCellProperties* props = G.FindCellProperties(C.RealCol, C.Row);
    const bool ownColor = props && props->BrushColor() != clNone;
    const bool selected = C.State.Contains(gdSelected);
    const int lw = G.GridLineWidth();
    TCanvas* canvas = C.Canvas;
    if (!picture.Empty() && !ownColor && admitted && !(G.ShowSelection && selected)) {
        const TRect area{TR.Left - lw + 1, TR.Top - lw + 1, TR.Right, TR.Bottom};
        if (back.Display() == bdTile)
            DrawTiledPicture(canvas, picture, G.BackgroundOrigin(), area);
        else
            DrawPlacedPicture(canvas, picture, {back.Left(), back.Top()}, area);
    }
    const TCellType type = G.GetCellType(C.RealCol, C.Row);
    const bool control = type == ctCheckBox || type == ctDataCheckBox || type == ctRadio ||
                         type == ctButton || type == ctRadioButton;
    const bool focusedSelected = C.State.Contains(gdFocused) && G.Options().Contains(goDrawFocusSelected);
    const bool selectionShows = (selected && !C.State.Contains(gdFocused)) || focusedSelected;
    if (gradient && (!ownColor || control) && admitted && (!G.ShowSelection || !selectionShows)) {
        const TColor brush = canvas->Brush()->Color();
        const int extent = back.Display() == bdGradientHorz ? G.ClientWidth() : G.ClientHeight();
        DrawBackgroundGradient(canvas, back, extent,
                               TRect{TR.Left - 1, TR.Top - lw, TR.Right, TR.Bottom + lw - 1});
        canvas->Brush()->SetColor(brush);
    }
}

// A 2-pixel frame around the outer edges of the selected block; the bottom-right cell can
// carry the resize handle.
void TCellTextPainter::DrawSelectionFrame()
{
    const int col = G.RealToDisplCol(C.RealCol);
    if (!G.SelectionRectangle || !G.InSelection(col, C.Row) || G.IsFixed(col, C.Row)) return;
    TGridRect sel = G.Selection();
    if (G.IsMergedCell(col, C.Row)) {
        const TPoint base = G.BaseCell(sel.Left, sel.Top);
        sel = TGridRect{base.X, base.Y, base.X, base.Y};
    }
    TCanvas& canvas = *C.Canvas;
    const int lw = G.GridLineWidth();
    canvas.Pen()->SetColor(G.SelectionRectangleColor);
    canvas.Pen()->SetWidth(2);
    const auto line = [&canvas](int X1, int Y1, int X2, int Y2) {
        canvas.MoveTo(X1, Y1);
        canvas.LineTo(X2, Y2);
    };
    const bool rightCol = col == sel.Right;
    const int lineEnd = rightCol ? TR.Right - 1 : TR.Right;
    if (col == sel.Left) line(TR.Left - lw + 1, TR.Bottom, TR.Left - lw + 1, TR.Top - lw);
    if (rightCol) line(TR.Right - 1, TR.Bottom, TR.Right - 1, TR.Top - lw);
    if (C.Row == sel.Top) line(TR.Left - lw, TR.Top - lw + 1, lineEnd, TR.Top - lw + 1);
    if (C.Row == sel.Bottom) line(TR.Left - lw, TR.Bottom, lineEnd, TR.Bottom);
    if (G.SelectionResizer && rightCol && C.Row == sel.Bottom) {
        const TColor brush = canvas.Brush()->Color();
        const TRect cell = G.CellRect(col, C.Row);
        canvas.Brush()->SetColor(G.SelectionRectangleColor);
        canvas.Rectangle(TR.Right - 4, TR.Bottom - 4, cell.Right, cell.Bottom);
        canvas.Brush()->SetColor(brush);
    }
    canvas.Pen()->SetWidth(1);
}

void TCellTextPainter::ShrinkForMarginsAndGraphic()
{
    TR.Left += G.XYOffset.X;
    TR.Top += G.XYOffset.Y;
    if (!G.XYOffsetTopLeftOnly) TR.Right -= G.XYOffset.X;
    SortShift = 0;
    C.TextHeight = C.Canvas->TextHeight("hg");
    switch (C.GraphicHAlign) {
    case haBeforeText:
        TR.Left += C.GraphicWidth;
        if (C.HAlign == taLeftJustify) SortShift = C.GraphicWidth;
        break;
    case haAfterText:
        TR.Right -= C.GraphicWidth;
        break;
    case haLeft:
        SortShift = C.GraphicWidth;
        break;
    default:
        break;
    }
    if (C.GraphicVAlign == vaAboveText) TR.Top += C.GraphicHeight;
    if (C.GraphicVAlign == vaUnderText) TR.Bottom -= C.GraphicHeight;
}

bool TExtStringGrid::IsSortHeader(int ACol, int ARow) const
{
    const TSortSettings& sort = *SortSettings();
    const int row =
        IsMergedCell(DisplColIndex(ACol), ARow) ? ARow + CellSpan(DisplColIndex(ACol), ARow).Y : ARow;
    // The sort column is a setting: it counts only while it names a column of the grid.
    const bool sortColumn = sort.Column >= 0 && sort.Column < TotalColCount() && ACol == sort.Column;
    return row == sort.Row() && sort.Show() && RowCount() > FixedRows() + 1 &&
           (sortColumn || SortIndexes.FindIndex(ACol) >= 0);
}

bool TCellTextPainter::SortGlyphShown() const
{
    if (!G.IsSortHeader(C.RealCol, C.Row) || G.FixedRows() <= 0) return false;
    if (C.RealCol < G.FixedCols() && !G.SortSettings()->FixedCols) return false;
    const int index = G.SortIndexes.FindIndex(C.RealCol);
    return index <= 0 || G.SortSettings()->IndexShow;
}

void TCellTextPainter::DrawSortGlyph(int X)
{
    int y = TR.Top + 8;
    if (C.VAlign == vtaCenter) y = TR.Top + TR.Height() / 2;
    if (C.VAlign == vtaBottom) y = TR.Bottom - 8;
    G.DrawSortIndicator(C.Canvas, C.RealCol, X, y);
}

void TCellTextPainter::DrawMarkupText(const std::string& Text)
{
    if (C.FilterGlyph) TR.Right -= 18;
    --TR.Left;
    const bool sortHeader = SortGlyphShown();
    if (sortHeader) TR.Right -= 10;
    THtmlDrawParams params;
    params.LinkColor = URLColour;
    params.ShadowColor = 0x808080;
    params.UnderlineHoverOnly = G.URLUnderlineOnHover;
    params.BlinkVisible = G.GridBlink();
    // Markup wraps unless long texts are to end in "...".
    params.WordWrap = !G.CellEndsInEllipsis(C.RealCol, C.Row);
    params.BiDiMode = G.BiDiMode();
    params.MouseDown = G.FCtrlDown && G.FCtrlXY.X == C.RealCol && G.FCtrlXY.Y == C.Row;
    // Markup shows no pictures from a container or cache, and no link lights up on hover.
    const THtmlDrawResult drawn = HtmlDraw(C.Canvas, Text, TR, params);
    if (sortHeader) DrawSortGlyph(TR.Right + 2);
    C.TextWidth = drawn.MeasuredWidth + 2;
}

unsigned TCellTextPainter::PlainTextFlags(std::string& Text) const
{
    // The platform's text drawing breaks lines as an edit control does by itself.
    unsigned flags = 0;
    const bool ellipsis = G.CellEndsInEllipsis(C.RealCol, C.Row);
    if (!C.WordWrap && (!G.Multilinecells || CountLines(Text, true) == 1)) {
        Text = ExtractFirstLine(Text, false);
        flags = DT_SINGLELINE;
        if (ellipsis) flags |= DT_END_ELLIPSIS;
    }
    if (C.WordWrap && !G.Multilinecells && ellipsis) flags |= DT_END_ELLIPSIS;
    flags |= DT_EXPANDTABS | DT_NOPREFIX | HorizontalFlag(C.HAlign) | VerticalFlag(C.VAlign);
    if (C.WordWrap || G.Multilinecells)
        flags |= DT_WORDBREAK;
    else
        flags |= DT_SINGLELINE;
    if (G.UseRightToLeftReading()) flags |= DT_RTLREADING;
    return flags;
}

// Wrapped text shows only the lines that fit whole, as an edit control does: a last line
// cut in half reads as garbage.
TRect TCellTextPainter::WholeLines(const std::string& Text, unsigned Flags) const
{
    TRect area = TR;
    if (!(Flags & DT_WORDBREAK) || C.TextHeight <= 0) return area;
    TRect measured = TR;
    DrawText(C.Canvas, Text, measured, Flags | DT_CALCRECT);
    if (measured.Height() > area.Height())
        area.Bottom = area.Top + std::max(1, area.Height() / C.TextHeight) * C.TextHeight;
    return area;
}

void TCellTextPainter::DrawPlainText(std::string Text)
{
    TCanvas& canvas = *C.Canvas;
    const TSortSettings& sort = *G.SortSettings();
    if (C.HAlign == taCenter && C.Row == sort.Row() && sort.Show() && C.RealCol == sort.Column) TR.Left += 10;
    const bool link = G.URLShow && IsUrlText(G.Cells(C.RealCol, C.Row));
    const TFontStyles keptStyle = canvas.Font()->Style();
    if (link) {
        if (!G.URLFull) StripUrlScheme(Text);
        canvas.Font()->SetStyle(keptStyle + fsUnderline);
        canvas.Font()->SetColor(URLColour);
    }
    const unsigned flags = PlainTextFlags(Text);
    G.FVAlignFlag = VerticalFlag(C.VAlign);
    canvas.Brush()->SetStyle(bsClear);
    if (C.FilterGlyph) TR.Right -= kFilterGlyphWidth;
    if (C.Graphic && !Text.empty()) {
        TRect measured = TR;
        DrawText(&canvas, Text, measured, flags | DT_CALCRECT);
        C.TextWidth = measured.Right - TR.Left + 2;
    }
    TRect textRect = WholeLines(Text, flags);
    DrawText(&canvas, Text, textRect, flags);
    if (C.Graphic && C.Graphic->CellErrLen > 0 &&
        (C.Graphic->CellType == ctEmpty || C.Graphic->CellType == ctValue))
        DrawWavyUnderline(&canvas, Text, TR, C.TextHeight, C.Graphic->CellErrFrom, C.Graphic->CellErrLen);
    canvas.Brush()->SetStyle(bsSolid);

    TR = C.CellRect;
    if (C.FilterGlyph) TR.Right -= kFilterGlyphWidth;
    if (SortGlyphShown()) {
        const int width = std::max(0, std::min(TR.Width() - 16, canvas.TextWidth(Text)));
        int x = TR.Left + 8;
        if (C.HAlign == taLeftJustify) x = TR.Left + width + SortShift + 10;
        if (C.HAlign == taRightJustify) x = TR.Right - width - 10;
        DrawSortGlyph(x);
    }
    if (link) canvas.Font()->SetStyle(keptStyle);
}
