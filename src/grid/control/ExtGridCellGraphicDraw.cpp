#include <algorithm>
#include <cmath>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ProgressAppearance.h"
#include "grid/foundation/painting/CanvasShapes.h"
#include "grid/foundation/painting/CellButtons.h"
#include "grid/foundation/painting/FilePicture.h"
#include "grid/foundation/painting/RotatedTextPlacement.h"
#include "grid/foundation/text/NumberText.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/RotatedText.h"

// The cell painter's graphic steps: what a cell's graphic measures, where it goes in the
// cell and how each kind is drawn.

namespace {

bool IsCheckKind(TCellType Kind)
{
    return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRowCheckBox ||
           Kind == ctRadioButton || Kind == ctTriStateCheckBox;
}

TPoint OwnSize(const TObject* Object)
{
    const auto* graphic = dynamic_cast<const TGraphic*>(Object);
    return graphic ? TPoint{graphic->Width(), graphic->Height()} : TPoint{0, 0};
}

TCellVAlign CellVAlignOf(TVAlignment Value)
{
    if (Value == vtaCenter) return vaCenter;
    if (Value == vtaBottom) return vaBottom;
    return vaTop;
}

// Where the graphic box goes across the cell, by its own placement and the text's.
void PlaceHorizontally(const TRect& R, TCellHAlign Place, TAlignment Text, int GW, int TW, int& L, int& Rt)
{
    switch (Place) {
    case haRight:
        Rt = R.Right - 1;
        L = Rt - GW;
        return;
    case haCenter:
        L = R.Width() > GW ? R.Left + (R.Width() - GW) / 2 : R.Left + 1;
        break;
    case haFull:
        L = R.Left;
        Rt = R.Right;
        return;
    case haBeforeText:
        L = Text == taRightJustify ? R.Right - TW - GW
            : Text == taCenter     ? R.Left + (R.Width() - TW - GW) / 2
                                   : R.Left + 1;
        break;
    case haAfterText:
        if (Text == taRightJustify) {
            Rt = R.Right - 1;
            L = Rt - GW;
            return;
        }
        L = Text == taCenter ? R.Left + TW + (R.Width() - TW - GW) / 2 : R.Left + TW;
        break;
    default:
        L = R.Left + 1;
        break;
    }
    Rt = L + GW;
    L = std::max(L, R.Left + 1);
}

void PlaceVertically(const TRect& R, TCellVAlign Place, int GH, int& T, int& B)
{
    switch (Place) {
    case vaBottom:
        B = R.Bottom - 1;
        T = B - GH;
        return;
    case vaCenter:
        T = R.Height() > GH ? R.Top + (R.Height() - GH) / 2 : R.Top + 1;
        break;
    case vaUnderText:
        T = R.Bottom - GH;
        B = R.Bottom;
        return;
    case vaFull:
        T = R.Top;
        B = R.Bottom;
        return;
    default:
        T = R.Top + 1;
        break;
    }
    B = T + GH;
}

// The cell's text turned by its angle, from the point that aligns it inside R.
void DrawRotatedCellText(TCanvas* Canvas, const TRect& R, int Angle, TAlignment HAlign, TVAlignment VAlign,
                         const std::string& Text)
{
    const TSize extent{Canvas->TextWidth(Text), Canvas->TextHeight(Text)};
    const TPoint origin = PlaceRotatedText(R, extent, Angle, HAlign, VAlign);
    const TBrushStyle brush = Canvas->Brush()->Style();
    const TRect clip = Canvas->ClipRect();
    Canvas->IntersectClipRect({R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2});
    Canvas->Brush()->SetStyle(bsClear);
    TextOutRotated(Canvas, origin.X, origin.Y, Text, Angle * 10);
    Canvas->Brush()->SetStyle(brush);
    Canvas->SetClipRect(clip);
}

} // namespace

TCellGraphic* TExtStringGrid::GetCellGraphicInfo(int ACol, int ARow, TCellPaintContext& Context)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    Context.Graphic = graphic;
    Context.GraphicWidth = 0;
    Context.GraphicHeight = 0;
    Context.ShowText = true;
    Context.GraphicHAlign = haLeft;
    Context.GraphicVAlign = vaTop;
    if (!graphic) return nullptr;
    const TCellGraphic& g = *graphic;
    Context.GraphicHAlign = g.CellHAlign;
    Context.GraphicVAlign = g.CellVAlign;
    TPoint size{0, 0};
    switch (g.CellType) {
    case ctBitmap:
        size = OwnSize(g.CellBitmap);
        break;
    case ctIcon:
        size = OwnSize(g.CellIcon);
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        size = {ControlLook()->CheckSize(), ControlLook()->CheckSize()};
        Context.ShowText = false;
        break;
    case ctImageList:
        if (FGridImages) size = {FGridImages->Width(), FGridImages->Height()};
        break;
    case ctImages:
        size = MultiImageSize(g);
        break;
    case ctDataImage:
        if (FGridImages) size = {FGridImages->Width(), FGridImages->Height()};
        Context.ShowText = false;
        break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
        Context.ShowText = false;
        break;
    case ctCheckBox:
    case ctTriStateCheckBox:
        size = {ControlLook()->CheckSize(), ControlLook()->CheckSize()};
        break;
    case ctPicture:
    case ctFilePicture: {
        const TPoint cell = CellSize(DisplColIndex(ACol), ARow);
        size = g.GetPictureSize(cell.X, cell.Y, true);
        break;
    }
    case ctButton:
    case ctBitButton:
        size = {g.ButtonWidth(), g.ButtonHeight()};
        break;
    case ctProgressPie:
        size = {20, 20};
        break;
    case ctInterface:
        if (const auto* drawer = dynamic_cast<const IGridCellDrawer*>(g.CellBitmap))
            size = {drawer->Width(), drawer->Height()};
        break;
    case ctRadioButton:
        size = {ControlLook()->RadioSize() + 4, ControlLook()->RadioSize() + 4};
        break;
    case ctShape: {
        const int side = RowHeights(ARow) - 2 * XYOffset.Y;
        size = {side, side};
        break;
    }
    case ctRating:
        size = {g.CellAngle * 18, 16};
        Context.ShowText = false;
        break;
    default:
        break;
    }
    Context.GraphicWidth = size.X;
    Context.GraphicHeight = size.Y;
    return graphic;
}

void TExtStringGrid::DrawCellGraphic(TCellPaintContext& Context, const TRect& Rect, TCellGraphic* Graphic,
                                     TCellVAlign VAlign)
{
    if (!Graphic || !Context.Canvas) return;
    TCellGraphic& g = *Graphic;
    TCanvas* canvas = Context.Canvas;
    const int col = Context.RealCol, row = Context.Row;
    const TPoint margin = XYOffset;
    TRect R = Rect;
    if (g.CellType != ctNode && g.CellType != ctProgress && g.CellType != ctRangeIndicator &&
        g.CellType != ctXPProgress)
        R = {R.Left + margin.X - 1, R.Top + margin.Y - 1, R.Right - margin.X + 1, R.Bottom - margin.Y + 1};
    int TW = Context.TextWidth > 0 ? Context.TextWidth + 2 : Context.TextWidth;
    const int GW = Context.GraphicWidth, GH = Context.GraphicHeight;
    int L = 0, Rt = 0, T = 0, B = 0;
    PlaceHorizontally(R, g.CellHAlign, Context.GraphicTextHAlign, GW, TW, L, Rt);
    if (IsCheckKind(g.CellType) && Context.VAlign != VAlignment) VAlign = CellVAlignOf(Context.VAlign);
    PlaceVertically(R, VAlign, GH, T, B);

    bool enabled = true;
    switch (g.CellType) {
    case ctNode:
        DrawNodeGlyph(canvas, Rect, row, g.CellBoolean);
        break;
    case ctRotated:
        DrawRotatedCellText(canvas, R, g.CellAngle, Context.HAlign, Context.VAlign, Cells(col, row));
        break;
    case ctBitmap:
        if (const auto* bitmap = dynamic_cast<const TBitmap*>(g.CellBitmap)) {
            if (g.CellTransparent)
                DrawBitmapTransparent(canvas, bitmap, canvas->Brush()->Color(), {L, T, Rt, B});
            else
                canvas->Draw(L, T, bitmap);
        }
        break;
    case ctIcon:
        canvas->Draw(L, T, dynamic_cast<const TGraphic*>(g.CellIcon));
        break;
    case ctImageList:
        if (FGridImages) FGridImages->Draw(canvas, L, T, g.CellIndex);
        break;
    case ctDataImage:
        // The cell's number alone picks the image, as the image picker writes it.
        if (FGridImages) FGridImages->Draw(canvas, L, T, DataImageIndex(col, row));
        break;
    case ctImages:
        if (const TIntList* images = GetCellImages(col, row); images && FGridImages) {
            for (int i = 0; i < images->Count(); ++i) {
                FGridImages->Draw(canvas, L, T, images->Items(i));
                if (g.CellBoolean)
                    L += FGridImages->Width();
                else
                    T += FGridImages->Height();
            }
        }
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox:
        DrawCheckBoxCell(Context, R, g, TW, L, T, B);
        break;
    case ctRadio: {
        IsReadOnlyCell(col, row, enabled);
        TStringList* captions = GetRadioStrings(col, row);
        DrawRadioGroup(canvas, R, captions ? captions->Count() : 0, g.CellIndex, g.CellBoolean, !enabled,
                       captions, Context.State.Contains(gdSelected), col, row, ControlLook()->ControlStyle(),
                       1.0, false);
        break;
    }
    case ctPicture:
        if (const auto* picture = dynamic_cast<const TPicture*>(g.CellBitmap)) {
            if (g.CellAngle != noStretch)
                canvas->StretchDraw({L, T, Rt, B}, picture->Graphic());
            else
                canvas->Draw(L, T, picture->Graphic());
        }
        break;
    case ctFilePicture:
        if (const auto* picture = dynamic_cast<const TFilePicture*>(g.CellBitmap))
            picture->DrawPicture(canvas, {L, T, Rt, B});
        break;
    case ctComment:
        if (ControlLook()->CommentColor() != clNone) {
            const TColor color = static_cast<TColor>(g.CellIndex) != clNone ? static_cast<TColor>(g.CellIndex)
                                                                            : ControlLook()->CommentColor();
            canvas->Pen()->SetColor(color);
            canvas->Brush()->SetColor(color);
            const int x = R.Right + margin.X, y = R.Top - margin.Y;
            canvas->Polygon({{x - 8, y + 1}, {x - 3, y + 1}, {x - 3, y + 6}});
            canvas->Brush()->SetColor(Color());
        }
        break;
    case ctButton:
    case ctBitButton:
    case ctExpand:
        DrawButtonCell(Context, g, L, T, Rt, B);
        break;
    case ctProgressPie:
        DrawProgressPie(canvas, {L, T, L + 20, T + 20}, g.CellColor, g.CellAngle, false);
        break;
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
        DrawProgressCell(Context, R, g);
        break;
    case ctInterface:
        if (auto* drawer = dynamic_cast<IGridCellDrawer*>(g.CellBitmap))
            drawer->Draw(canvas, {R.Left - 1, R.Top - 1, R.Right, R.Bottom}, this, col, row,
                         Context.State.Contains(gdSelected));
        break;
    case ctShape:
        DrawCellShape(canvas, L, T, Rt - L - 1, B - T - 1, static_cast<TCellShape>(g.CellAngle), g.CellColor,
                      static_cast<TColor>(g.CellIndex));
        break;
    case ctRating: {
        double value = 0;
        if (!TryStrToFloat(Cells(col, row), value)) value = 0;
        const double half = std::trunc(value * 2) / 2;
        for (int i = 0; i < g.CellAngle; ++i, L += 18) {
            const bool full = i + 1 <= half;
            DrawCellShape(canvas, L, T, 16, 16, csStar, full ? static_cast<TColor>(g.CellIndex) : g.CellColor,
                          full ? static_cast<TColor>(g.CellIndex) : g.CellColor);
            if (i < half && half < i + 1)
                DrawCellShape(canvas, L, T, 16, 16, csHalfStar, static_cast<TColor>(g.CellIndex),
                              static_cast<TColor>(g.CellIndex));
        }
        break;
    }
    default:
        // The other kinds show nothing of their own.
        break;
    }
}

void TExtStringGrid::DrawCheckBoxCell(TCellPaintContext& Context, const TRect& R, const TCellGraphic& g,
                                      int TW, int L, int T, int B)
{
    const int col = Context.RealCol, row = Context.Row;
    const int GW = Context.GraphicWidth;
    const bool textBeside =
        g.CellType == ctCheckBox || g.CellType == ctRadioButton || g.CellType == ctTriStateCheckBox;
    switch (Context.GraphicTextHAlign) {
    case taRightJustify:
        L = std::max((textBeside ? R.Right - TW : R.Right) - GW - 1, R.Left + 1);
        break;
    case taCenter:
        if (!textBeside || TW == 0)
            L = R.Left + std::max(0, R.Width() - GW) / 2;
        else
            L = std::max(R.Left + std::max(0, R.Width() - TW) / 2 - GW, R.Left + 1);
        break;
    default:
        L = R.Left + 1;
        break;
    }
    const int Rt = L + GW;
    bool enabled = true;
    IsReadOnlyCell(col, row, enabled);
    const TControlLook::TControlStyle style = ControlLook()->ControlStyle();
    switch (g.CellType) {
    case ctDataCheckBox:
    case ctVirtCheckBox:
        DrawCheckBox(Context.Canvas, {L, T, Rt, B}, IsCheckTrue(col, row), enabled, false, style, false,
                     cbUnchecked);
        break;
    case ctTriStateCheckBox:
        DrawCheckBox(Context.Canvas, {L, T, Rt, B}, false, enabled, false, style, true, g.CellCheckBoxState);
        break;
    case ctRadioButton: {
        const int size = ControlLook()->RadioSize();
        const int left = L + XYOffset.X;
        DrawRadioGroup(Context.Canvas, {left, T, left + size, T + size}, 1, g.CellBoolean ? 0 : -1, false,
                       !enabled, nullptr, false, col, row, style, 1.0, false);
        break;
    }
    default:
        // Only the header's row check box is partly checked; in a plain check box the same
        // slot says that a balloon rides on it.
        DrawCheckBox(Context.Canvas, {L, T, Rt, B}, g.CellBoolean, enabled,
                     g.CellType == ctRowCheckBox && g.CellAngle > 0, style, false, cbUnchecked);
        break;
    }
}

void TExtStringGrid::DrawButtonCell(TCellPaintContext& Context, TCellGraphic& g, int L, int T, int Rt, int B)
{
    TCanvas* canvas = Context.Canvas;
    const TRect cell = Context.CellRect;
    g.CellValue = static_cast<double>((((T - cell.Top) & 0xFFFF) << 16) | ((L - cell.Left) & 0xFFFF));
    bool enabled = true;
    if (!ControlLook()->NoDisabledButtonLook()) IsReadOnlyCell(Context.RealCol, Context.Row, enabled);
    const TCellButtonKind kind = CellButtonKind();
    const bool hot = FHoverButton == TPoint{Context.DisplCol, Context.Row};
    TCellButtonState state = g.CellBoolean ? btsDown : hot ? btsHot : btsNormal;
    if (!enabled && g.CellType != ctExpand) state = btsDisabled;
    TRect box = g.CellType == ctExpand ? TRect{cell.Right - 13, cell.Top, cell.Right, cell.Top + 13}
                                       : TRect{L, T, Rt, B};
    DrawThemedButton(canvas, this, box, kind, state, ToneButtonLook());
    if (state == btsDown) box = {box.Left + 1, box.Top + 1, box.Right + 1, box.Bottom + 1};

    if (g.CellType == ctExpand) {
        canvas->Pen()->SetColor(clBlack);
        canvas->Pen()->SetWidth(1);
        const TRect r = cell;
        if (g.CellVar == 0)
            canvas->Polyline({{r.Right - 10, r.Top + 5}, {r.Right - 7, r.Top + 8}, {r.Right - 3, r.Top + 4}});
        else
            canvas->Polyline({{r.Right - 10, r.Top + 8}, {r.Right - 7, r.Top + 5}, {r.Right - 3, r.Top + 9}});
        return;
    }
    const auto* glyph = g.CellType == ctBitButton ? dynamic_cast<const TBitmap*>(g.CellBitmap) : nullptr;
    if (glyph && !glyph->Empty()) {
        int offset = (box.Height() - glyph->Height()) / 2;
        if (offset < 1) offset = 3;
        if (box.Width() <= glyph->Width() || !g.CellText.empty()) {
            DrawBitmapTransparent(canvas, glyph, clBtnFace,
                                  {box.Left + 3, box.Top + offset, box.Right, box.Bottom});
            box.Left += glyph->Width() + 4;
        } else {
            const int x = box.Left + (box.Width() - glyph->Width()) / 2;
            DrawBitmapTransparent(canvas, glyph, clBtnFace, {x, box.Top + offset, box.Right, box.Bottom});
        }
    }
    const unsigned lines = g.CellText.find('\r') != std::string::npos ? DT_WORDBREAK : DT_SINGLELINE;
    canvas->Brush()->SetStyle(bsClear);
    if (kind == btkCustom) canvas->Font()->SetColor(ToneButtonTextColor(state));
    TRect textRect{box.Left + 1, box.Top, box.Right, box.Bottom};
    DrawText(canvas, g.CellText, textRect, lines | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS);
    canvas->Brush()->SetStyle(bsSolid);
}

void TExtStringGrid::DrawProgressCell(TCellPaintContext& Context, TRect R, const TCellGraphic& g)
{
    TCanvas* canvas = Context.Canvas;
    const std::string text = Cells(Context.RealCol, Context.Row);
    double value = 0;
    if (!TryStrToFloat(text, value)) value = 0;
    const int mx = ControlLook()->ProgressMarginX(), my = ControlLook()->ProgressMarginY();
    if (g.CellType == ctProgress) {
        R = {R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2};
        const TColor doneText = g.CellBoolean ? static_cast<TColor>(g.CellIndex) : (g.CellColor ^ 0xFFFFFF);
        const TColor restText = g.CellBoolean ? static_cast<TColor>(g.CellAngle) : (g.CellColor2 ^ 0xFFFFFF);
        DrawProgressBar(canvas, R, g.CellColor, doneText, g.CellColor2, restText, value, mx, my,
                        g.CellErrFrom, g.CellErrLen, g.CellText, ControlLook()->ProgressBorderColor, false);
        return;
    }
    R = {R.Left + mx, R.Top + my, R.Right - mx, R.Bottom - my};
    if (g.CellType == ctRangeIndicator) {
        DrawBalanceBar(canvas, R, std::trunc(value), g.CellIndex, g.CellBoolean, g.CellColor, g.CellColor2);
        return;
    }
    // An empty range shows an empty bar rather than dividing by nothing.
    const int span = g.CellErrLen - g.CellErrFrom;
    const int percent =
        span == 0 ? 0
                  : static_cast<int>(std::lround(std::fabs(std::trunc(value) - g.CellErrFrom) / span * 100));
    const TGridProgressAppearance& a = *ProgressAppearance();
    ProgressLook look;
    look.Level0Color = a.Level0Color();
    look.Level0ColorTo = a.Level0ColorTo();
    look.Level1Color = a.Level1Color();
    look.Level1ColorTo = a.Level1ColorTo();
    look.Level2Color = a.Level2Color();
    look.Level2ColorTo = a.Level2ColorTo();
    look.Level3Color = a.Level3Color();
    look.Level3ColorTo = a.Level3ColorTo();
    look.Level1Perc = a.Level1Perc();
    look.Level2Perc = a.Level2Perc();
    look.ShowBorder = a.ShowBorder();
    look.BorderColor = a.BorderColor();
    look.Stacked = a.Stacked();
    look.ShowPercentage = a.ShowPercentage();
    look.CompletionSmooth = a.CompletionSmooth();
    look.ShowGradient = a.ShowGradient();
    look.FontColor = a.CompleteFontColor();
    look.Steps = a.Steps();
    look.BackgroundColor = a.UnCompleteColor() != clNone ? a.UnCompleteColor() : canvas->Brush()->Color();
    look.Font = Font();
    DrawLevelProgress(canvas, {R.Left, R.Top, R.Right - 1, R.Bottom - 1}, percent, look);
}

std::string TExtStringGrid::GetFormattedCell(int ACol, int ARow)
{
    return OnGetFloatFormat ? FormatCellNumber(ACol, ARow, FloatFormat) : Cells(ACol, ARow);
}

std::string TExtStringGrid::FormatCellNumber(int ACol, int ARow, std::string NumberFormat)
{
    std::string result = Cells(ACol, ARow);
    const int numberClass = ClassifyNumberText(result);
    bool isFloat = numberClass == 0 || numberClass == 1 || numberClass == 5;
    if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, isFloat, NumberFormat);
    if (!isFloat || NumberFormat.empty()) return result;
    try {
        if (NumberFormat.find('d') != std::string::npos) return ::Format(NumberFormat, {Ints(ACol, ARow)});
        return ::Format(NumberFormat, {Floats(ACol, ARow)});
    } catch (const std::exception&) {
        return result;
    }
}
