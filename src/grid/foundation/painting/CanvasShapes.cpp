#include "grid/foundation/painting/CanvasShapes.h"

#include "platform/rtl/Resources.h"
#include "platform/ui/ImageReader.h"

void DrawSmallArrow(TCanvas* Canvas, int X, int Y, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    Canvas->Polygon({Point(X - 3, Y), Point(X + 3, Y), Point(X, Y + 3)});
}

void FillRectColor(TCanvas* Canvas, const TRect& R, TColor Color)
{
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(R);
}

void DrawBitmapTransparent(TCanvas* Canvas, const TBitmap* Bitmap, TColor BackgroundColor, const TRect& R)
{
    if (!Bitmap || Bitmap->Empty()) return;
    TBitmap keyed;
    keyed.Assign(*Bitmap);
    keyed.SetTransparentColor(keyed.Canvas()->Pixels(0, 0));
    keyed.SetTransparent(true);
    FillRectColor(Canvas, Bounds(R.Left, R.Top, keyed.Width(), keyed.Height()), BackgroundColor);
    Canvas->Draw(R.Left, R.Top, &keyed);
}

void DrawBitmapResourceTransparent(TCanvas* Canvas, TColor BackgroundColor, const TRect& R,
                                   const std::string& ResName)
{
    const std::string* bytes = HInstance().FindResource(ResName);
    TBitmap bitmap;
    if (!bytes || !ReadImage(*bytes, bitmap)) return;
    DrawBitmapTransparent(Canvas, &bitmap, BackgroundColor, R);
}
