#include "grid/foundation/model/BaseGrid.h"
#include "grid/foundation/painting/Gradients.h"
#include "grid/foundation/painting/SelectionLook.h"

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    // A block painted from its base cell needs no second painting from its other cells in
    // this cycle.
    if (const auto block = FMerged.Block(ACol, ARow); block && block->IsMerged() && IsBaseCell(ACol, ARow))
        FindCellProperties(ACol, ARow)->PaintID = FPaintID;
    DoPaintCell(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(Canvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(Canvas, ACol, ARow, ARect, AState, false);
}

bool TBaseGrid::NeedsFixedClip(int ACol, int ARow, const TRect& ARect) const
{
    const int fixedWidth = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int fixedHeight = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    return (FixedCols() > 0 && ACol >= FixedCols() && ARect.Left < fixedWidth) ||
           (FixedRows() > 0 && ARow >= FixedRows() && ARect.Top < fixedHeight);
}

void TBaseGrid::DoPaintCell(TCanvas* Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState,
                            bool Full)
{
    if (FHideLastRow && ARow == RowCount() - 1) {
        Canvas->Brush()->SetColor(Color());
        Canvas->Pen()->SetColor(Color());
        Canvas->Rectangle(ARect);
        return;
    }
    int baseCol = ACol, baseRow = ARow;
    if (!FindBaseCell(ACol, ARow, baseCol, baseRow)) {
        TCellProperties* base = FindCellProperties(baseCol, baseRow);
        if (base->PaintID != FPaintID) {
            base->PaintID = FPaintID;
            PaintCell(Canvas, baseCol, baseRow, ARect, AState);
        }
        return;
    }

    if (IsFixed(ACol, ARow) && Full) {
        AState += TGridDrawState{gdFixed};
        AState -= TGridDrawState{gdSelected};
    }
    if (Full) ARect = CellRect(ACol, ARow);
    // The given rectangle of PaintCellExt belongs to another canvas: grid clipping would hide it.
    const bool clipped = Full && NeedsFixedClip(ACol, ARow, ARect);
    if (clipped)
        Canvas->SetClipRect(Rect(ACol >= FixedCols() ? FixedColsWidth() : 0,
                                 ARow >= FixedRows() ? FixedRowsHeight() : 0, Width(), Height()));
    Canvas->Pen()->SetWidth(1);
    Canvas->Font()->Assign(*Font());

    TColor colorTo = clNone, colorMirror = clNone, colorMirrorTo = clNone;
    TAlignment hAlign = taLeftJustify;
    TVAlignment vAlign = vtaTop;
    bool wordWrap = FWordWrap;
    TCellGradientDirection direction = GradientVertical;
    GetVisualProperties(ACol, ARow, AState, false, true, true, Canvas->Brush(), colorTo, colorMirror,
                        colorMirrorTo, Canvas->Font(), hAlign, vAlign, wordWrap, direction);
    TBrush* brush = Canvas->Brush();

    const bool selected = AState.Contains(gdSelected);
    const bool fixed = AState.Contains(gdFixed);
    if (ARow == FHoverRowIdx && FHoverRow && !(selected && !FHoverRowCells.Contains(hcSelected)) &&
        !(fixed && !FHoverRowCells.Contains(hcFixed))) {
        brush->SetColor(FHoverRowColor);
        colorTo = FHoverRowColorTo;
        colorMirror = colorMirrorTo = clNone;
        direction = GradientVertical;
    }
    if ((FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) && ACol >= FixedCols()) ||
        (!Full && selected)) {
        brush->SetColor(FActiveRowColor);
        colorTo = FActiveRowColorTo;
        colorMirror = FActiveRowMirrorColor;
        colorMirrorTo = FActiveRowMirrorColorTo;
    }
    Canvas->Pen()->SetColor(brush->Color());

    if (selected && FSelectionStyle != ssDefault && FShowSel) {
        PaintSelection(Canvas, ACol, ARect);
    } else if (!UsesVclStyles() || (!fixed && !selected)) {
        if (colorMirrorTo == clNone)
            DrawGradient(Canvas, brush->Color(), colorTo, 64, ARect, direction == GradientHorizontal);
        else
            DrawGradientBackground(Canvas, ARect, brush->Color(), colorTo, colorMirror, colorMirrorTo, true,
                                   clNone, false, true);
    }

    PaintGridLines(Canvas, ACol, ARect, AState);

    if (Full) {
        TRect content = ARect;
        if (fixed) {
            content.Right -= 1;
            content.Bottom -= 2;
        } else {
            content = InflateRect(content, -FGridLineWidth, -FGridLineWidth);
        }
        DrawCellContent(Canvas, ACol, ARow, content, AState);
    }
    if (clipped) Canvas->ResetClip();
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Pen()->SetStyle(psSolid);
}

void TBaseGrid::PaintSelection(TCanvas* Canvas, int ACol, TRect ARect)
{
    const TGridRect selection = Selection();
    if (!Options().Contains(goHorzLine)) ++ARect.Bottom;
    if (!Options().Contains(goVertLine)) ++ARect.Right;
    if (UseRightToLeftReading()) {
        ++ARect.Right;
        ++ARect.Bottom;
    }
    const bool focused = Focused() || Options().Contains(goDrawFocusSelected);
    const TSelectionColors& colors = SelectionColors(FSelectionStyle, focused);
    DrawSelectionCell(Canvas, colors.Fill, colors.FillTo, colors.Mirror, colors.MirrorTo, colors.InnerTop,
                      colors.InnerBottom, colors.Border, colors.Corner, Color(), ARect,
                      SelectionPartOf(ACol, selection.Left, selection.Right));
}

void TBaseGrid::PaintGridLines(TCanvas* Canvas, int ACol, const TRect& ARect, TGridDrawState AState)
{
    const bool fixed = AState.Contains(gdFixed);
    TPen* pen = Canvas->Pen();
    int h = 1;
    if (fixed) {
        pen->SetColor(FGridFixedLineColor);
        pen->SetWidth(1);
    } else {
        if (FGridLineWidth > 0) pen->SetColor(FGridLineColor);
        pen->SetWidth(FGridLineWidth);
        h = (FGridLineWidth + 1) / 2;
    }
    const TGridOptions options = Options();
    const bool horz = fixed ? options.Contains(goFixedHorzLine) : options.Contains(goHorzLine);
    const bool vert = fixed ? options.Contains(goFixedVertLine) : options.Contains(goVertLine);
    if ((ACol != 0 || !HasNodes()) && horz) {
        Canvas->MoveTo(ARect.Left - h + 1, ARect.Bottom - h);
        Canvas->LineTo(ARect.Right - h + 1, ARect.Bottom - h);
    }
    if (vert) {
        const int x = UseRightToLeftAlignment() ? ARect.Right - h + 1 : ARect.Right - h;
        Canvas->MoveTo(x, ARect.Bottom - h);
        Canvas->LineTo(x, ARect.Top - h);
    }
}
