#pragma once
#include "platform/ui/ButtonTypes.h"
#include "platform/ui/Types.h"

// Where a tool button puts its glyph and caption inside its face.
struct TGlyphCaptionPlace {
    TPoint GlyphPos;
    TRect TextBounds;
};

// Client is the face, Offset the shift of a pressed or raised face. Margin -1 centres the
// group (with Spacing -1 too, margin and spacing take a third each of the free space);
// Spacing -1 alone spreads the free space after the margin. Without a caption the glyph
// sits at the button's top-left corner.
TGlyphCaptionPlace PlaceGlyphAndCaption(const TRect& Client, TPoint Offset, TSize GlyphSize, TSize TextSize,
                                        TButtonLayout Layout, int Margin, int Spacing);
