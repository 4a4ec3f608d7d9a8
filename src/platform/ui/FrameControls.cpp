#include "platform/ui/FrameControls.h"

void DrawPushButtonFrame(TCanvas* canvas, TRect& rect, bool pushed)
{
    if (pushed) {
        Frame3D(canvas, rect, clWindowFrame, clWindowFrame, 1);
        Frame3D(canvas, rect, clBtnShadow, clBtnShadow, 1);
    } else {
        Frame3D(canvas, rect, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(canvas, rect, cl3DLight, clBtnShadow, 1);
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(rect);
}

namespace {

// A down arrow of `size` pixels across its top, centred in the rectangle.
void DownArrow(TCanvas* canvas, const TRect& rect, int dx, int dy, TColor color)
{
    const int size = std::max(3, std::min(rect.Width(), rect.Height()) / 2) | 1;
    const int left = rect.Left + (rect.Width() - size) / 2 + dx;
    const int top = rect.Top + (rect.Height() - (size + 1) / 2) / 2 + dy;
    canvas->Brush()->SetColor(color);
    for (int row = 0; row < (size + 1) / 2; ++row)
        canvas->FillRect(Rect(left + row, top + row, left + size - row, top + row + 1));
}

} // namespace

void DrawComboScrollGlyph(TCanvas* canvas, const TRect& rect, bool flat, bool inactive)
{
    TRect r = rect;
    canvas->Brush()->SetStyle(bsSolid);
    if (flat)
        Frame3D(canvas, r, clBtnShadow, clBtnShadow, 1);
    else
        DrawPushButtonFrame(canvas, r, false);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(r);
    if (inactive) {
        DownArrow(canvas, r, 1, 1, clBtnHighlight);
        DownArrow(canvas, r, 0, 0, clBtnShadow);
    } else {
        DownArrow(canvas, r, 0, 0, clBtnText);
    }
}
