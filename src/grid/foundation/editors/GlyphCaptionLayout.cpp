#include "grid/foundation/editors/GlyphCaptionLayout.h"

TGlyphCaptionPlace PlaceGlyphAndCaption(const TRect& Client, TPoint Offset, TSize GlyphSize, TSize TextSize,
                                        TButtonLayout Layout, int Margin, int Spacing)
{
    const TSize client{Client.Width(), Client.Height()};
    const bool across = Layout == blGlyphLeft || Layout == blGlyphRight;
    TPoint glyph, text;
    // Centred on the other axis.
    if (across) {
        glyph.Y = (client.cy - GlyphSize.cy + 1) / 2;
        text.Y = (client.cy - TextSize.cy + 1) / 2;
    } else {
        glyph.X = (client.cx - GlyphSize.cx + 1) / 2;
        text.X = (client.cx - TextSize.cx + 1) / 2;
    }
    if (TextSize.cx == 0 || GlyphSize.cx == 0) Spacing = 0;
    const int room = across ? client.cx : client.cy;
    const int glyphLength = across ? GlyphSize.cx : GlyphSize.cy;
    const int textLength = across ? TextSize.cx : TextSize.cy;
    if (Margin == -1) {
        if (Spacing == -1) {
            Margin = (room - glyphLength - textLength) / 3;
            Spacing = Margin;
        } else {
            Margin = (room - (glyphLength + Spacing + textLength) + 1) / 2;
        }
    } else if (Spacing == -1) {
        Spacing = (room - Margin - glyphLength - textLength) / 2;
    }
    switch (Layout) {
    case blGlyphLeft:
        glyph.X = Margin;
        text.X = glyph.X + GlyphSize.cx + Spacing;
        break;
    case blGlyphRight:
        glyph.X = client.cx - Margin - GlyphSize.cx;
        text.X = glyph.X - Spacing - TextSize.cx;
        break;
    case blGlyphTop:
        glyph.Y = Margin;
        text.Y = glyph.Y + GlyphSize.cy + Spacing;
        break;
    case blGlyphBottom:
        glyph.Y = client.cy - Margin - GlyphSize.cy;
        text.Y = glyph.Y - Spacing - TextSize.cy;
        break;
    }
    TGlyphCaptionPlace place;
    place.GlyphPos = TextSize.cx == 0
                         ? TPoint{0, 0}
                         : TPoint{glyph.X + Client.Left + Offset.X, glyph.Y + Client.Top + Offset.Y};
    place.TextBounds =
        Bounds(text.X + Client.Left + Offset.X, text.Y + Client.Top + Offset.Y, TextSize.cx, TextSize.cy);
    return place;
}
