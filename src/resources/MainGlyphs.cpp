#include "resources/MainGlyphs.h"

#include <cmath>

namespace {
constexpr TColor Glyph_Background = clFuchsia;

void Disc(TCanvas& canvas, const TRect& r, TColor fill)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(fill);
    canvas.Pen()->SetColor(fill);
    canvas.Ellipse(r);
}

void Thick_Line(TCanvas& canvas, TPoint from, TPoint to, int width, TColor color)
{
    canvas.Pen()->SetColor(color);
    canvas.Pen()->SetWidth(width);
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
    canvas.Pen()->SetWidth(1);
}

void Information(TCanvas& c)
{
    Disc(c, Rect(2, 2, 30, 30), RGB(40, 110, 190));
    Disc(c, Rect(14, 7, 19, 12), clWhite);
    c.Brush()->SetColor(clWhite);
    c.FillRect(Rect(14, 14, 19, 25));
}

void Options(TCanvas& c)
{
    const TColor steel = RGB(90, 100, 115);
    for (int k = 0; k < 8; ++k) {
        const double a = k * 3.14159265 / 4;
        const int x = static_cast<int>(std::lround(16 + 13 * std::cos(a)));
        const int y = static_cast<int>(std::lround(16 + 13 * std::sin(a)));
        Thick_Line(c, Point(16, 16), Point(x, y), 5, steel);
    }
    Disc(c, Rect(6, 6, 27, 27), steel);
    Disc(c, Rect(12, 12, 21, 21), Glyph_Background);
}

void Close_Mark(TCanvas& c)
{
    Disc(c, Rect(2, 2, 30, 30), RGB(200, 50, 40));
    Thick_Line(c, Point(10, 10), Point(23, 23), 4, clWhite);
    Thick_Line(c, Point(22, 10), Point(9, 23), 4, clWhite);
}

void Step_Arrow(TCanvas& c)
{
    c.Brush()->SetColor(RGB(40, 110, 190));
    c.Pen()->SetColor(RGB(40, 110, 190));
    c.Polygon({Point(4, 3), Point(12, 8), Point(4, 13)});
}
}  // namespace

void Draw_Main_Glyph(TMainGlyph glyph, TBitmap& bitmap)
{
    const int size = glyph == mgStep ? 16 : 32;
    bitmap.SetSize(size, size);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Glyph_Background);
    canvas.FillRect(Rect(0, 0, size, size));
    switch (glyph) {
    case mgInformation:
        Information(canvas);
        break;
    case mgOptions:
        Options(canvas);
        break;
    case mgClose:
        Close_Mark(canvas);
        break;
    case mgStep:
        Step_Arrow(canvas);
        break;
    }
}

void Draw_Product_Picture(TBitmap& bitmap)
{
    bitmap.SetSize(81, 81);
    TCanvas& c = *bitmap.Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(RGB(248, 247, 237));
    c.FillRect(Rect(0, 0, 81, 81));
    // The housing on its rail, the front plate and its two connectors and status lights.
    c.Brush()->SetColor(RGB(150, 150, 150));
    c.FillRect(Rect(4, 36, 77, 46));
    c.Pen()->SetColor(RGB(60, 60, 60));
    c.Brush()->SetColor(RGB(225, 225, 220));
    c.Rectangle(18, 6, 63, 76);
    c.Brush()->SetColor(RGB(40, 110, 190));
    c.FillRect(Rect(22, 10, 59, 20));
    c.Brush()->SetColor(RGB(70, 70, 70));
    c.FillRect(Rect(26, 50, 38, 60));
    c.FillRect(Rect(43, 50, 55, 60));
    Disc(c, Rect(26, 26, 31, 31), RGB(40, 180, 60));
    Disc(c, Rect(34, 26, 39, 31), RGB(230, 160, 30));
}
