#include "grid/foundation/painting/ClassicFrames.h"

#include <algorithm>

namespace {

void DrawEdges(TCanvas* Canvas, TRect R, TClassicFrameState State)
{
    if (State.Flat) {
        Frame3D(Canvas, R, clBtnShadow, clBtnShadow, 1);
    } else if (State.Pushed) {
        Frame3D(Canvas, R, cl3DDkShadow, clBtnHighlight, 1);
        Frame3D(Canvas, R, clBtnShadow, cl3DLight, 1);
    } else {
        Frame3D(Canvas, R, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(Canvas, R, cl3DLight, clBtnShadow, 1);
    }
}

void Triangle(TCanvas* Canvas, TClassicGlyph Glyph, int CentreX, int CentreY, int Half, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    const int height = Half + 1;
    const int top = CentreY - height / 2;
    if (Glyph == cgArrowDown)
        Canvas->Polygon({Point(CentreX - Half, top), Point(CentreX + Half, top), Point(CentreX, top + Half)});
    else
        Canvas->Polygon(
            {Point(CentreX - Half, top + Half), Point(CentreX + Half, top + Half), Point(CentreX, top)});
}

} // namespace

void DrawClassicFrameControl(TCanvas* Canvas, const TRect& R, TClassicGlyph Glyph, TClassicFrameState State)
{
    if (R.IsEmpty()) return;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(R);
    DrawEdges(Canvas, R, State);
    DrawFrameGlyph(Canvas, R, Glyph, State);
}

void DrawFrameGlyph(TCanvas* Canvas, const TRect& R, TClassicGlyph Glyph, TClassicFrameState State)
{
    if (Glyph == cgNone || R.IsEmpty()) return;
    const int half = std::max(1, std::min(R.Width() - 4, R.Height() - 4) / 4);
    int x = R.Left + R.Width() / 2, y = R.Top + R.Height() / 2;
    if (State.Pushed) ++x, ++y;
    if (State.Inactive) {
        Triangle(Canvas, Glyph, x + 1, y + 1, half, clBtnHighlight);
        Triangle(Canvas, Glyph, x, y, half, clBtnShadow);
    } else {
        Triangle(Canvas, Glyph, x, y, half, clBtnText);
    }
}
