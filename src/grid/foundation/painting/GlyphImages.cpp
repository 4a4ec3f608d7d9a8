#include "grid/foundation/painting/GlyphImages.h"

#include <cmath>

namespace {
constexpr TColor kShade = 0x808080;

TColor BottomLeft(TBitmap& Bitmap) { return Bitmap.Canvas()->Pixels(0, Bitmap.Height() - 1); }
} // namespace

void MakeDisabledGlyph(TBitmap& Glyph, TBitmap& Disabled)
{
    Disabled.SetSize(Glyph.Width(), Glyph.Height());
    for (int y = 0; y < Glyph.Height(); ++y)
        for (int x = 0; x < Glyph.Width(); ++x) {
            const TColor c = Glyph.Canvas()->Pixels(x, y);
            const int level =
                static_cast<int>(std::lround((GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3.0)) / 2 + 96;
            Disabled.Canvas()->SetPixels(x, y, RGB(level, level, level));
        }
}

void MakeGlyphShade(TBitmap& Glyph, TBitmap& Shade)
{
    Shade.SetSize(Glyph.Width(), Glyph.Height());
    if (Glyph.Empty()) return;
    const TColor transparent = BottomLeft(Glyph);
    const TColor background = transparent == clWhite ? clBlack : clWhite;
    for (int y = 0; y < Glyph.Height(); ++y)
        for (int x = 0; x < Glyph.Width(); ++x)
            Shade.Canvas()->SetPixels(x, y,
                                      Glyph.Canvas()->Pixels(x, y) == transparent ? background : kShade);
}

void DrawTransparent(TCanvas* Canvas, TPoint At, TBitmap& Bitmap)
{
    if (Bitmap.Empty()) return;
    Bitmap.SetTransparentMode(tmAuto);
    Bitmap.SetTransparent(true);
    Canvas->Draw(At.X, At.Y, &Bitmap);
}
