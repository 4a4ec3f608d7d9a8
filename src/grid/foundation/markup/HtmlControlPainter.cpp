#include "grid/foundation/markup/HtmlControlPainter.h"

#include <vector>

namespace {
constexpr TColor kStyledFrame = 0xB99D7F;
constexpr TColor kClassicFrame = 0x808080;
constexpr TColor kStyledFace = 0xF3F3F3;
constexpr TColor kStyledHotFace = 0xFCF1E3;
constexpr TColor kStyledPressedFace = 0xF0DDC4;

void Box(TCanvas* canvas, const TRect& rect, TColor fill, TColor frame)
{
    canvas->Brush()->SetColor(fill);
    canvas->Pen()->SetColor(frame);
    canvas->Pen()->SetWidth(1);
    canvas->Rectangle(rect);
}

// Classic raised edges, sunken when pressed.
void ClassicFace(TCanvas* canvas, const TRect& rect, bool pressed)
{
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(rect);
    TRect edge = rect;
    if (pressed) {
        Frame3D(canvas, edge, clBtnShadow, clBtnShadow, 1);
        return;
    }
    Frame3D(canvas, edge, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(canvas, edge, cl3DLight, clBtnShadow, 1);
}

void DownArrow(TCanvas* canvas, const TRect& rect)
{
    const int cx = (rect.Left + rect.Right) / 2;
    const int cy = (rect.Top + rect.Bottom) / 2;
    canvas->Brush()->SetColor(clBlack);
    canvas->Pen()->SetColor(clBlack);
    canvas->Polygon({{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}});
}
} // namespace

void PaintHtmlEditBox(TCanvas* canvas, const TRect& box, bool visualStyles)
{
    Box(canvas, box, clWhite, visualStyles ? kStyledFrame : kClassicFrame);
}

void PaintHtmlComboButton(TCanvas* canvas, const TRect& rect, bool hot, bool visualStyles)
{
    if (visualStyles)
        Box(canvas, rect, hot ? kStyledHotFace : kStyledFace, kStyledFrame);
    else
        ClassicFace(canvas, rect, false);
    DownArrow(canvas, rect);
}

void PaintHtmlCheckBox(TCanvas* canvas, const TRect& rect, bool checked, bool visualStyles)
{
    Box(canvas, rect, clWhite, visualStyles ? kStyledFrame : kClassicFrame);
    if (!checked) return;
    TPen* pen = canvas->Pen();
    pen->SetColor(clBlack);
    pen->SetWidth(2);
    const int x = rect.Left + 3;
    const int y = rect.Top + rect.Height() / 2;
    canvas->Polyline({{x, y - 1}, {x + 2, y + 2}, {rect.Right - 3, rect.Top + 3}});
    pen->SetWidth(1);
}

void PaintHtmlRadioButton(TCanvas* canvas, const TRect& rect, bool checked, bool visualStyles)
{
    canvas->Brush()->SetColor(clWhite);
    canvas->Pen()->SetColor(visualStyles ? kStyledFrame : kClassicFrame);
    canvas->Ellipse(rect);
    if (!checked) return;
    canvas->Brush()->SetColor(clBlack);
    canvas->Pen()->SetColor(clBlack);
    canvas->Ellipse(InflateRect(rect, -rect.Width() / 3, -rect.Height() / 3));
}

void PaintHtmlPushButton(TCanvas* canvas, const TRect& rect, bool pressed, bool hot, bool visualStyles)
{
    if (!visualStyles) {
        ClassicFace(canvas, rect, pressed);
        return;
    }
    Box(canvas, rect, pressed ? kStyledPressedFace : hot ? kStyledHotFace : kStyledFace, kStyledFrame);
}

void PaintHtmlControlText(TCanvas* canvas, const TRect& rect, const std::string& text, bool centred)
{
    canvas->Brush()->SetStyle(bsClear);
    TRect bounds = rect;
    DrawText(canvas, text, bounds,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (centred ? DT_CENTER : DT_LEFT));
}
