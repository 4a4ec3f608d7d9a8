#include "controls/LbButtonFace.h"

#include <algorithm>

#include "controls/LbButtonBitmaps.h"
#include "controls/LbButtonColors.h"

bool IsTransparentLbStyle(TLbButtonStyle style)
{
    return style == bsModern || style == bsShape || style == bsQuicken;
}

void DrawLbGradient(TCanvas& canvas, const TRect& rect, TColor from, TColor to)
{
    canvas.Brush()->SetStyle(bsSolid);
    for (const TLbGradientBand& band : LbGradientBands(rect.Top, rect.Bottom, from, to)) {
        canvas.Brush()->SetColor(band.Color);
        canvas.FillRect(Rect(rect.Left, band.Top, rect.Right, band.Bottom));
    }
}

namespace {
// The state of one drawing, with the colours resolved and the pressed state made sound.
struct TFaceState {
    const TLbFaceParams& p;
    int W;
    int H;
    bool pressed;
    int offset;
    TColor face;
    TColor light;
    TColor shadow;
};

TColor Resolved(TColor color) { return color == clNone ? clNone : ColorToRGB(color); }

TFaceState MakeState(const TLbFaceParams& p, int width, int height)
{
    const bool pressed = p.Pressed && p.Enabled; // a disabled button never looks pressed
    const TLbFaceColors colors{ColorToRGB(p.Color), Resolved(p.HotTrackColor), Resolved(p.ColorWhenDown)};
    return {p,
            width,
            height,
            pressed,
            LbSunkenOffset(p.Style, pressed),
            LbFaceColor(colors, p.HotTrackStep, p.Enabled, pressed),
            ColorToRGB(p.LightColor),
            ColorToRGB(p.ShadowColor)};
}

void DrawBackground(TCanvas& canvas, const TFaceState& s)
{
    canvas.Brush()->SetStyle(bsSolid);
    switch (s.p.Style) {
    case bsShape:
        canvas.Brush()->SetColor(LbTransparentColor);
        canvas.FillRect(Rect(0, 0, s.W, s.H));
        break;
    case bsNormal:
    case bsEncarta:
    case bsOld:
        canvas.Brush()->SetColor(s.face);
        canvas.FillRect(Rect(0, 0, s.W, s.H));
        break;
    case bsModern: {
        const int middle = s.H / 4 + s.offset;
        DrawLbGradient(canvas, Rect(2, 2, s.W - 2, middle), s.light, s.face);
        DrawLbGradient(canvas, Rect(2, middle, s.W - 2, s.H - 1), s.face, s.light);
        break;
    }
    case bsQuicken:
        break;
    }
}

void Line(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points)
{
    canvas.Pen()->SetColor(color);
    canvas.Polyline(points);
}

// Left and top edges first, then on from the top-right corner along the right and bottom.
void DrawBevel(TCanvas& canvas, const TFaceState& s, TColor topLeft, TColor bottomRight, int bottomEnd)
{
    Line(canvas, topLeft, {{0, s.H - 1}, {0, 0}, {s.W - 1, 0}});
    Line(canvas, bottomRight, {{s.W - 1, 0}, {s.W - 1, s.H - 1}, {bottomEnd, s.H - 1}});
}

void DrawBorder(TCanvas& canvas, const TFaceState& s)
{
    const TLbFaceParams& p = s.p;
    canvas.Brush()->SetStyle(bsClear);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(1);
    const bool bevelled = p.Enabled ? !p.Flat || p.Hot || s.pressed : !p.Flat;
    switch (p.Style) {
    case bsNormal:
    case bsEncarta:
        if (!bevelled) break;
        DrawBevel(canvas, s, s.pressed ? s.shadow : s.light, s.pressed ? s.light : s.shadow, 0);
        break;
    case bsOld: {
        if (!bevelled) break;
        if (s.pressed)
            Line(canvas, s.shadow, {{1, s.H - 3}, {1, 1}, {s.W - 2, 1}});
        else
            Line(canvas, s.shadow, {{s.W - 2, 0}, {s.W - 2, s.H - 2}, {0, s.H - 2}});
        const TColor dark = ColorToRGB(cl3DDkShadow);
        DrawBevel(canvas, s, s.pressed ? dark : s.light, s.pressed ? s.light : dark, -1);
        break;
    }
    case bsModern:
        canvas.Pen()->SetColor(s.pressed ? s.shadow : s.face);
        canvas.Rectangle(1, 1, s.W - 1, s.H - 1);
        canvas.Pen()->SetColor(s.shadow);
        canvas.RoundRect(0, 0, s.W, s.H, 6, 6);
        break;
    case bsQuicken:
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(s.face);
        canvas.Pen()->SetStyle(psClear);
        canvas.RoundRect(0, 1, s.W, s.H, 4, 4);
        canvas.Pen()->SetStyle(psSolid);
        canvas.Brush()->SetStyle(bsClear);
        Line(canvas, s.shadow, {{4, 0}, {s.W - 5, 0}});
        Line(canvas, s.shadow, {{4, s.H - 1}, {s.W - 5, s.H - 1}});
        break;
    case bsShape:
        break;
    }
}

// The glyph's frame for the state, cut out over a copy of frame 0 so that a frame the glyph
// lacks shows frame 0.
void MakeGlyphCell(TBitmap& cell, TBitmap& glyph, int cellWidth, int frame)
{
    const int height = glyph.Height();
    cell.SetSize(cellWidth, height);
    cell.Canvas()->CopyRect(Rect(0, 0, cellWidth, height), glyph.Canvas(), Rect(0, 0, cellWidth, height));
    TRect source;
    if (IntersectRect(source, Rect(frame * cellWidth, 0, (frame + 1) * cellWidth, height),
                      Rect(0, 0, glyph.Width(), height))) {
        const TRect dest = OffsetRect(source, -frame * cellWidth, 0);
        cell.Canvas()->CopyRect(dest, glyph.Canvas(), source);
    }
    cell.SetTransparent(true);
}

unsigned AlignmentFormat(TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify:
        return DT_LEFT;
    case taRightJustify:
        return DT_RIGHT;
    default:
        return DT_CENTER;
    }
}

int TextWidthOf(TCanvas& canvas, const std::string& text)
{
    TRect r = Rect(0, 0, 0, 0);
    DrawText(&canvas, text, r, DT_CALCRECT | DT_SINGLELINE);
    return r.Width();
}
} // namespace

void DrawLbButtonFace(TCanvas& canvas, int width, int height, const TLbFaceParams& p)
{
    const TFaceState s = MakeState(p, width, height);
    DrawBackground(canvas, s);
    DrawBorder(canvas, s);

    canvas.Font()->Assign(*p.Font);
    if (p.Style == bsEncarta && s.pressed) canvas.Font()->SetStyle(canvas.Font()->Style() + fsBold);
    if (!p.Enabled && p.Style != bsShape) canvas.Font()->SetColor(RGB(128, 128, 128));

    TLbFaceGeometry g;
    g.Width = width;
    g.Height = height;
    g.Style = p.Style;
    g.Layout = p.Layout;
    g.Alignment = p.Alignment;
    g.WordWrap = p.WordWrap;
    g.Offset = s.offset;
    const bool hasGlyphBitmap = p.Glyph && !p.Glyph->Empty();
    if (hasGlyphBitmap && p.NumGlyphs > 0) {
        g.CellWidth = p.Glyph->Width() / p.NumGlyphs;
        g.CellHeight = p.Glyph->Height();
    }

    const int limit = LbTextWidthLimit(g);
    const auto widthOf = [&canvas](const std::string& text) { return TextWidthOf(canvas, text); };
    const std::string caption = p.WordWrap ? p.Caption : FitLbCaption(p.Caption, limit, widthOf);
    const unsigned format = DT_WORDBREAK | (p.Style == bsShape ? DT_CENTER : AlignmentFormat(p.Alignment));
    TRect measured = Rect(0, 0, limit, 0);
    const int textHeight = DrawText(&canvas, caption, measured, format | DT_CALCRECT);

    const TLbFacePlacement place = PlaceLbFace(g, !caption.empty(), widthOf(caption), textHeight);
    canvas.Brush()->SetStyle(bsClear);
    TRect textRect = place.Text;
    DrawText(&canvas, caption, textRect, format);

    if (g.HasGlyph()) {
        TBitmap cell;
        MakeGlyphCell(cell, *p.Glyph, g.CellWidth, LbGlyphFrame(p.Enabled, p.Hot, s.pressed, p.NumGlyphs));
        canvas.Draw(place.GlyphLeft, place.GlyphTop, &cell);
    }
    if (p.HasPopupMenu) {
        TBitmap arrow;
        LoadLbButtonBitmap("LBARROW", arrow);
        canvas.Draw(width - 11, height / 2 - 1, &arrow);
    }
}
