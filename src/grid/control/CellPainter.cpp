#include "grid/control/CellPainter.h"

#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/painting/CanvasShapes.h"
#include "grid/foundation/painting/CellButtons.h"
#include "grid/foundation/painting/ColorUtils.h"
#include "grid/foundation/painting/Gradients.h"
#include "platform/ui/Themes.h"

namespace {

constexpr int kEditorButtonWidth = 16;

// The dotted focus frame, drawn over the cell in the inverse of its background: every
// other pixel around the rectangle, as an inverting frame would show it on a plain cell.
void DrawDottedFrame(TCanvas* Canvas, const TRect& R, TColor Background)
{
    if (R.IsEmpty()) return;
    Canvas->Brush()->SetColor(ColorToRGB(Background) ^ 0xFFFFFF);
    int n = 0;
    const auto dot = [&](int X, int Y) {
        if (n++ % 2 == 0) Canvas->FillRect(Rect(X, Y, X + 1, Y + 1));
    };
    for (int x = R.Left; x < R.Right; ++x)
        dot(x, R.Top);
    for (int y = R.Top + 1; y < R.Bottom; ++y)
        dot(R.Right - 1, y);
    for (int x = R.Right - 2; x >= R.Left; --x)
        dot(x, R.Bottom - 1);
    for (int y = R.Bottom - 2; y > R.Top; --y)
        dot(R.Left, y);
}

bool IsFixedGradientLook(TGridLook Look)
{
    return Look == glSuite || Look == glXP || Look == glVista || Look == glWin7 || Look == glOffice2007;
}

} // namespace

void TExtStringGrid::DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                                     TGridDrawState AState)
{
    // The focus frame inverts this colour, the background the base painter filled.
    const TColor background = ACanvas->Brush()->Color();
    TCellPaintContext context;
    context.Grid = this;
    context.Canvas = ACanvas;
    context.DisplCol = ACol;
    context.Row = ARow;
    context.State = AState;
    context.CellRect = ARect;
    TCellPainter(*this, context, background).Paint();
}

void TCellPainter::Paint()
{
    const TRect cell = R;
    Prepare();
    ResolveLook();
    C.FixedLook = HasFixedLook();
    if (C.FixedLook && !C.Styled && IsFixedGradientLook(G.Look())) DrawFixedLook();
    const int indicatorWidth = DrawRowIndicator();
    if (C.FixedLook && !C.Styled && G.Look() == glListView && !G.Flat) DrawListViewHeader();
    DrawModifiedMarker();
    if (G.OnCustomCellBkgDraw) G.OnCustomCellBkgDraw(&G, C.Canvas, C.RealCol, C.Row, C.State, R, false);
    const int buttonsRight = R.Right;
    DrawEditorButtons();
    DrawTextStep();
    R.Right = buttonsRight;
    C.Canvas->Brush()->SetColor(C.SavedBrushColor);
    C.Canvas->Font()->SetColor(C.SavedFontColor);
    R = InflateRect(R, 1, 1);
    DrawBorders();
    R.Left -= indicatorWidth;
    if (C.FixedLook && !G.Flat) {
        if (G.Look() == glClassic) DrawClassicEdges();
        if (G.Look() == glSuite || G.Look() == glXP) DrawLightLines();
        if (G.Look() == glSoft) DrawSoftLines();
    }
    DrawFixedRightColumnLines();
    DrawPushedFixedEdges(cell);
    // No tree lines: the grid has no node rows.
    DrawGraphic();
    FireDrawEvents();
    DrawFocusFrame();
}

void TCellPainter::Prepare()
{
    C.RealCol = G.DisplToRealCol(C.DisplCol);
    const TMouseActions& mouse = *G.MouseActions();
    C.DisjunctRow = mouse.DisjunctRowSelect() && mouse.RowSelectPersistent ? G.RealRowIndex(C.Row) : C.Row;
    // The filter row comes from a setting: only a row of the grid can show the glyph.
    const int filterRow = G.FilterDropDownRow;
    C.FilterGlyph =
        filterRow >= 0 && filterRow < G.RowCount() && C.Row == filterRow && G.GetColumnFilter(C.RealCol);
    C.ScrollPos = G.PaintCellScrollBar(C.Canvas, C.RealCol, C.Row, R);
}

void TCellPainter::ResolveLook()
{
    TCanvas& canvas = *C.Canvas;
    C.WordWrap = G.WordWrap();
    G.GetVisualProperties(C.DisplCol, C.Row, C.State, false, false, true, canvas.Brush(), C.ColorTo,
                          C.MirrorColor, C.MirrorColorTo, canvas.Font(), C.HAlign, C.VAlign, C.WordWrap,
                          C.GradientDirection);
    C.GraphicTextHAlign = C.HAlign;
    C.Graphic = G.GetCellGraphicInfo(C.RealCol, C.Row, C);
    if (C.State.Contains(gdSelected) && !C.State.Contains(gdFocused) && G.SelectionColor == clNone)
        canvas.Brush()->SetColor(clHighlight);
    if (G.ZoomFactor != 0) canvas.Font()->SetSize(canvas.Font()->Size() + G.ZoomFactor);
    C.SavedBrushColor = canvas.Brush()->Color();
    C.SavedFontColor = canvas.Font()->Color();
}

bool TCellPainter::HasFixedLook() const
{
    const bool fixed = G.IsFixed(C.DisplCol, C.Row) || C.DisplCol < G.FixedCols() || C.Row < G.FixedRows();
    // The base painter shows the hover colour on a hovered fixed cell.
    return fixed && !(C.Row == G.FHoverRowIdx && G.HoverRowCells().Contains(hcFixed));
}

void TCellPainter::DrawFixedGradient(const TRect& Area, TColor From, TColor To, TColor MirrorFrom,
                                     TColor MirrorTo, TColor Border, bool SidesOnly) const
{
    DrawGradientBackground(C.Canvas, Area, From, To, MirrorFrom, MirrorTo, true, Border, SidesOnly, true);
}

void TCellPainter::DrawFixedLook()
{
    if (DrawHoverLook()) return;
    const int col = C.DisplCol, row = C.Row;
    const TSortSettings& sort = *G.SortSettings();
    const bool activeRowHeader = row == G.Row() && G.FixedCols() > 0 && col == G.FixedCols() - 1;
    const bool activeColHeader = col == G.Col() && G.FixedRows() > 0 && row == G.FixedRows() - 1;
    if (G.ActiveCellShow && (activeRowHeader || activeColHeader)) {
        DrawFixedGradient(R, G.ActiveCellColor, G.ActiveCellColorTo, clNone, clNone, clNone, false);
    } else if (sort.Column != -1 && sort.HeaderColor() != clNone && sort.Column == C.RealCol &&
               row == G.FixedRows() - 1 && (col >= G.FixedCols() || sort.FixedCols)) {
        DrawFixedGradient(R, sort.HeaderColor(), sort.HeaderColorTo(), sort.HeaderMirrorColor(),
                          sort.HeaderMirrorColorTo(), clNone, false);
    } else if (!G.Flat) {
        const TColor sides = G.Look() == glVista ? clWhite : clNone;
        DrawFixedGradient(R, C.Canvas->Brush()->Color(), C.ColorTo, C.MirrorColor, C.MirrorColorTo, sides,
                          true);
    }
}

// A hover-sensitive header under the mouse lights up in the hover colours; pressed, or
// while its column is being moved, it takes the down colours. A header with a drop-down
// button shows the button's part pressed apart from the rest.
bool TCellPainter::DrawHoverLook()
{
    if (!G.IsHoverFixedCell(C.DisplCol, C.Row) || G.ComponentState().Contains(csDesigning)) return false;
    const bool moving = G.GridState() == gsColMoving;
    const bool hovered = !moving && G.FHoverFixed.X == C.DisplCol && G.FHoverFixed.Y == C.Row;
    const bool moved = moving && G.Movecell == C.DisplCol;
    if (!hovered && !moved) return false;
    ++R.Bottom;
    const bool pressed = G.FFixedCellPushed || (moving && G.Movecell >= 0);
    const bool button = G.ControlLook()->FixedDropDownButton && G.CanShowFixedDropDown(C.RealCol);
    const int split = R.Right - TExtStringGrid::kHeaderDropDownWidth;
    if (pressed && button) {
        const TRect rest{R.Left, R.Top, split, R.Bottom};
        const TRect part{split, R.Top, R.Right, R.Bottom};
        DrawSuiteGradient(G.FDropDownDown ? part : rest, true);
        DrawSuiteGradient(G.FDropDownDown ? rest : part, false);
    } else {
        DrawSuiteGradient(R, pressed);
    }
    if (button) {
        Line(split, R.Top, split, R.Bottom, G.FFixedCellPushed ? G.SuiteGradientDownBorder : G.SuiteGradientHoverBorder);
        const TColor brush = C.Canvas->Brush()->Color();
        DrawSmallArrow(C.Canvas, R.Right - 8, R.Top + 8, clBlack);
        C.Canvas->Brush()->SetColor(brush);
        R.Right = split;
    }
    return true;
}

void TCellPainter::DrawSuiteGradient(const TRect& Area, bool Down) const
{
    if (Down)
        DrawFixedGradient(Area, G.SuiteGradientDownFrom, G.SuiteGradientDownTo, G.SuiteGradientDownMirrorFrom,
                          G.SuiteGradientDownMirrorTo, G.SuiteGradientDownBorder, false);
    else
        DrawFixedGradient(Area, G.SuiteGradientHoverFrom, G.SuiteGradientHoverTo, G.SuiteGradientHoverMirrorFrom,
                          G.SuiteGradientHoverMirrorTo, G.SuiteGradientHoverBorder, false);
}

int TCellPainter::DrawRowIndicator()
{
    const TBitmap* indicator = G.RowIndicator();
    const bool onRow = C.RealCol == 0 && C.Row == G.Row() && G.FixedCols() > 0 &&
                       !(G.RowCount() == G.FixedRows() && G.FixedRowAlways);
    if (!onRow || !indicator || indicator->Empty()) return 0;
    int y = R.Top;
    if (G.VAlignment == vtaCenter) y = R.Top + (R.Height() - indicator->Height()) / 2;
    if (G.VAlignment == vtaBottom) y = R.Bottom - indicator->Height();
    DrawBitmapTransparent(C.Canvas, indicator, C.Canvas->Brush()->Color(),
                          Bounds(R.Left + 2, y, indicator->Width(), indicator->Height()));
    const int width = indicator->Width() + 2;
    R.Left += width;
    return width;
}

void TCellPainter::DrawListViewHeader()
{
    TCanvas& canvas = *C.Canvas;
    if (ThemesEnabled()) {
        ++R.Bottom;
        DrawThemedPart(&canvas, tpHeaderItem, {}, R);
        Line(R.Left, R.Top, R.Right, R.Top, clWhite);
        return;
    }
    canvas.Brush()->SetColor(clBtnFace);
    canvas.Pen()->SetColor(clWhite);
    canvas.Rectangle(R);
}

void TCellPainter::DrawModifiedMarker()
{
    const TShowModified& modified = *G.ShowModified();
    if (C.DisplCol != 0 || !modified.Enabled || !G.RowModified(C.Row)) return;
    TCanvas& canvas = *C.Canvas;
    const TColor keptBrush = canvas.Brush()->Color();
    canvas.Brush()->SetColor(modified.Color());
    canvas.Pen()->SetColor(modified.Color());
    canvas.Rectangle(R.Right - 4, R.Top, R.Right, R.Bottom);
    canvas.Brush()->SetColor(keptBrush);
}

// Drop-down and spin buttons that show before the cell is edited; each takes 16 pixels off
// the right of the text.
void TCellPainter::DrawEditorButtons()
{
    const TControlLook& look = *G.ControlLook();
    if ((!look.DropDownAlwaysVisible() && !look.SpinButtonsAlwaysVisible()) || G.IsFixed(C.DisplCol, C.Row))
        return;
    const TCellButtonKind kind = G.CellButtonKind();
    const int col = G.RealColIndex(C.DisplCol);
    bool editable = true;
    G.IsReadOnlyCell(col, C.Row, editable);
    const TCellButtonState state = editable ? btsNormal : btsDisabled;
    const TCellButtonLook colours = G.ToneButtonLook();
    if (look.DropDownAlwaysVisible() && G.HasCombo(col, C.Row)) {
        DrawThemedComboButton(C.Canvas, &G, Rect(R.Left - 2, R.Top - 1, R.Right + 1, R.Bottom), kind, state,
                              colours);
        R.Right -= kEditorButtonWidth;
    }
    if (look.SpinButtonsAlwaysVisible() && G.HasSpinEdit(col, C.Row)) {
        DrawThemedSpinButtons(C.Canvas, &G, R, kind, state, colours);
        R.Right -= kEditorButtonWidth;
    }
}

bool TCellPainter::OwnerDraws() const { return (G.OnDrawCell || G.OnCustomCellDraw) && G.NoDefaultDraw; }

void TCellPainter::DrawTextStep()
{
    if (C.Graphic && G.NoImageAndText) return;
    if (!OwnerDraws()) G.DrawCellText(C);
}

// The cell's own borders, inside the rectangle, each in its pen.
void TCellPainter::DrawBorders()
{
    if (!G.HasCustomCellBorders() && !G.OnGetCellBorderProp) return;
    TCanvas& canvas = *C.Canvas;
    TPen kept;
    kept.Assign(*canvas.Pen());
    TCellBorders borders;
    G.GetCellBorder(C.RealCol, C.Row, canvas.Pen(), borders);
    TPen left, top, right, bottom;
    for (TPen* pen : {&left, &top, &right, &bottom})
        pen->Assign(*canvas.Pen());
    if (G.OnGetCellBorderProp) G.OnGetCellBorderProp(&G, C.Row, C.RealCol, &left, &top, &right, &bottom);
    const int half = (canvas.Pen()->Width() + 1) / 2;
    const int insetX = G.Options().Contains(goVertLine) ? half : 0;
    const int insetY = G.Options().Contains(goHorzLine) ? half : 0;
    TRect b = R;
    b.Left += insetX;
    b.Bottom -= insetY;
    const auto line = [&canvas](const TPen& Pen, int X1, int Y1, int X2, int Y2) {
        canvas.Pen()->Assign(Pen);
        canvas.MoveTo(X1, Y1);
        canvas.LineTo(X2, Y2);
    };
    if (borders.Contains(cbLeft)) line(left, std::max(0, b.Left), b.Top, std::max(0, b.Left), b.Bottom);
    b.Right -= insetX;
    if (borders.Contains(cbRight)) line(right, b.Right - 1, b.Top, b.Right - 1, b.Bottom);
    if (borders.Contains(cbTop)) {
        b.Top += insetY;
        const int lineWidth = G.GridLineWidth();
        const int y = lineWidth != 0 ? std::max(0, b.Top - lineWidth) : b.Top + 1;
        line(top, b.Left, y, b.Right, y);
    }
    if (borders.Contains(cbBottom))
        line(bottom, b.Left - G.GridLineWidth() - 1, b.Bottom - 1, b.Right, b.Bottom - 1);
    canvas.Pen()->Assign(kept);
}

void TCellPainter::Line(int X1, int Y1, int X2, int Y2, TColor Color) const
{
    C.Canvas->Pen()->SetColor(Color);
    C.Canvas->MoveTo(X1, Y1);
    C.Canvas->LineTo(X2, Y2);
}

void TCellPainter::DrawClassicEdges()
{
    ++R.Top;
    ++R.Bottom;
    ++R.Left;
    TRect edge = R;
    Frame3D(C.Canvas, edge, clBtnHighlight, clBtnShadow, 1);
    Line(R.Right - 1, R.Top, R.Right - 1, R.Bottom - 1, clBlack);
    C.Canvas->LineTo(R.Left - 1, R.Bottom - 1);
}

void TCellPainter::DrawLightLines()
{
    ++R.Bottom;
    if (!G.Options().Contains(goFixedHorzLine)) return;
    Line(R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1, HalveColor(G.FixedColor()));
    Line(R.Right - 2, R.Top + 1, R.Left + 1, R.Top + 1, clWhite);
    C.Canvas->LineTo(R.Left + 1, R.Bottom - 1);
}

void TCellPainter::DrawSoftLines()
{
    ++R.Right;
    ++R.Bottom;
    const TColor shade = HalveColor(G.FixedColor());
    if (G.Options().Contains(goFixedHorzLine)) {
        Line(R.Left, R.Bottom - 1, R.Right - 1, R.Bottom - 1, shade);
        Line(R.Right, R.Top + 1, R.Left + 1, R.Top + 1, clWhite);
        C.Canvas->LineTo(R.Left + 1, R.Bottom - 1);
    }
    if (G.Options().Contains(goFixedVertLine)) {
        Line(R.Right - 2, R.Top, R.Right - 2, R.Bottom - 1, shade);
        Line(R.Right - 1, R.Top, R.Right - 1, R.Bottom - 1, clWhite);
    }
}

void TCellPainter::DrawFixedRightColumnLines()
{
    const int first = G.ColCount() + G.NumHiddenColumns() - G.FixedRightCols;
    if (G.FixedRightCols <= 0 || C.RealCol < first || G.Look() == glClassic || !G.Flat) return;
    C.Canvas->Pen()->SetWidth(1);
    if (G.Options().Contains(goFixedHorzLine)) {
        Line(R.Left - 1, R.Top - 1, R.Right + 1, R.Top - 1, clGray);
        Line(R.Left - 1, R.Bottom + 1, R.Right + 1, R.Bottom + 1, clGray);
    }
    if (G.Options().Contains(goFixedVertLine)) {
        Line(R.Left - 1, R.Top - 1, R.Left - 1, R.Bottom + 1, clGray);
        Line(R.Right + 1, R.Top - 1, R.Right + 1, R.Bottom + 1, clGray);
    }
}

// A fixed cell held down as a button looks sunken until the release.
void TCellPainter::DrawPushedFixedEdges(const TRect& Cell)
{
    if (G.FPushedFixedCell.IsEmpty() || G.FPushedCellButton != TPoint{C.DisplCol, C.Row}) return;
    TRect edge = Cell;
    Frame3D(C.Canvas, edge, clBtnShadow, clBtnHighlight, 1);
}

void TCellPainter::DrawGraphic()
{
    if (!C.Graphic) return;
    TRect area = R;
    if (C.FixedLook) ++area.Top;
    G.DrawCellGraphic(C, area, C.Graphic, C.GraphicVAlign);
    R = area;
}

void TCellPainter::FireDrawEvents()
{
    if (G.OnDrawCell) {
        const int lineWidth = G.GridLineWidth();
        G.OnDrawCell(&G, C.RealCol, C.Row,
                     Rect(R.Left + 1, R.Top + 1, R.Right - lineWidth, R.Bottom - lineWidth), C.State);
    }
    if (G.OnCustomCellDraw) G.OnCustomCellDraw(&G, C.Canvas, C.RealCol, C.Row, C.State, R, false);
}

void TCellPainter::DrawFocusFrame()
{
    if (G.HideFocusRect || G.Options().Contains(goRowSelect) || !G.Focused()) return;
    const TPoint base = G.BaseCell(C.DisplCol, C.Row);
    if (base.X != G.Col() || base.Y != G.Row() || G.IsFixed(G.Col(), G.Row())) return;
    TRect frame = InflateRect(R, G.GridLineWidth() - 1, G.GridLineWidth() - 1);
    --frame.Right;
    --frame.Bottom;
    const TColor brush = C.Canvas->Brush()->Color();
    DrawDottedFrame(C.Canvas, frame, Background);
    C.Canvas->Brush()->SetColor(brush);
}
