#include "controls/LbButtonLayout.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"

int LbSunkenOffset(TLbButtonStyle style, bool pressed) { return pressed && style != bsEncarta ? 1 : 0; }

int LbGlyphFrame(bool enabled, bool hot, bool pressed, int numGlyphs)
{
    if (!enabled) return 1;
    if (pressed && numGlyphs > 2) return 2;
    if (hot && numGlyphs > 3) return 3;
    return 0;
}

int LbTextWidthLimit(const TLbFaceGeometry& geometry)
{
    const bool besideGlyph = geometry.Style != bsShape &&
                             (geometry.Layout == blGlyphLeft || geometry.Layout == blGlyphRight) &&
                             geometry.HasGlyph();
    return std::max(besideGlyph ? geometry.Width - geometry.CellWidth - 12 : geometry.Width - 8, 0);
}

std::string FitLbCaption(const std::string& caption, int limit,
                         const std::function<int(const std::string&)>& widthOf)
{
    std::string fitted = caption;
    while (!fitted.empty() && widthOf(fitted) > limit)
        fitted = Copy(fitted, 1, Length(fitted) - 1);
    return fitted;
}

namespace {
// The glyph's left edge for the alignment, given where it stands when left-aligned, and
// how far the right and centre positions step back from the plain ones.
int AlignedGlyphLeft(const TLbFaceGeometry& g, int leftPosition, int rightShift, int centreShift)
{
    switch (g.Alignment) {
    case taLeftJustify:
        return leftPosition;
    case taRightJustify:
        return g.Width + g.Offset - g.CellWidth - 4 - rightShift;
    default:
        return (g.Width - g.CellWidth) / 2 + g.Offset + centreShift;
    }
}

TLbFacePlacement PlaceShape(const TLbFaceGeometry& g, int captionHeight)
{
    TLbFacePlacement p;
    p.Text = {g.Offset, (g.Height - captionHeight) / 2 + g.Offset, g.Width, g.Height};
    p.GlyphLeft = (g.Width - g.CellWidth) / 2;
    p.GlyphTop = (g.Height - g.CellHeight) / 2;
    return p;
}

TLbFacePlacement PlaceBeside(const TLbFaceGeometry& g, bool hasCaption, int captionWidth, int captionHeight)
{
    const int o = g.Offset;
    const int gap = hasCaption ? captionWidth + 4 : 0;
    int textLeft = o + 4;
    TLbFacePlacement p;
    p.GlyphTop = (g.Height - g.CellHeight) / 2 + o;
    if (g.Layout == blGlyphLeft) {
        if (g.HasGlyph()) textLeft += g.CellWidth + 4;
        p.GlyphLeft = g.WordWrap ? o + 4 : AlignedGlyphLeft(g, o + 4, gap, -(gap / 2));
    } else {
        p.GlyphLeft = g.WordWrap ? o + 4 + gap : AlignedGlyphLeft(g, o + 4 + gap, 0, gap / 2);
    }
    const int textTop = (g.Height - captionHeight) / 2 + o;
    p.Text = {textLeft, textTop, textLeft + LbTextWidthLimit(g), textTop + captionHeight};
    return p;
}

TLbFacePlacement PlaceStacked(const TLbFaceGeometry& g, int captionHeight)
{
    const int o = g.Offset;
    const int block = g.HasGlyph() ? g.CellHeight + captionHeight + 4 : captionHeight;
    const int c = (g.Height - block) / 2;
    int textTop;
    TLbFacePlacement p;
    if (g.Layout == blGlyphTop) {
        p.GlyphTop = c + o;
        textTop = c + g.CellHeight + o;
    } else {
        textTop = c + o;
        p.GlyphTop = c + captionHeight + o;
    }
    p.GlyphLeft = AlignedGlyphLeft(g, o + 4, 0, 0);
    p.Text = {o + 4, textTop, o + 4 + LbTextWidthLimit(g), textTop + captionHeight};
    return p;
}
} // namespace

TLbFacePlacement PlaceLbFace(const TLbFaceGeometry& geometry, bool hasCaption, int captionWidth,
                             int captionHeight)
{
    if (geometry.Style == bsShape) return PlaceShape(geometry, captionHeight);
    if (geometry.Layout == blGlyphLeft || geometry.Layout == blGlyphRight)
        return PlaceBeside(geometry, hasCaption, captionWidth, captionHeight);
    return PlaceStacked(geometry, captionHeight);
}
