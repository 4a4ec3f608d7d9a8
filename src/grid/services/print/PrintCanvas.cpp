#include "grid/services/print/PrintCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/ui/Graphics.h"
#include "platform/ui/RotatedText.h"

namespace {

constexpr double kPageUnitsPerInch = 254.0;

} // namespace

int PixelsToPageUnits(int Pixels, int PixelsPerInch)
{
    return static_cast<int>(std::lround(Pixels * kPageUnitsPerInch / std::max(1, PixelsPerInch)));
}

int PrintedTextEscapement(int Angle, bool Previewing, bool DriverFix, int LandscapeRotation)
{
    const bool turnBack = !Previewing && DriverFix && LandscapeRotation != 270;
    return turnBack ? 10 * Angle : -10 * Angle;
}

TPrintCanvas::TPrintCanvas(TCanvas& Canvas, int PixelsPerInch, TPoint DeviceOrigin)
    : FCanvas(Canvas), FPixelsPerInch(std::max(1, PixelsPerInch)), FOrigin(DeviceOrigin)
{
}

int TPrintCanvas::ToDeviceLength(int PageLength) const
{
    return static_cast<int>(std::lround(PageLength * FPixelsPerInch / kPageUnitsPerInch));
}

int TPrintCanvas::ToPage(int DeviceLength) const { return PixelsToPageUnits(DeviceLength, FPixelsPerInch); }

TPoint TPrintCanvas::ToDevice(int X, int Y) const
{
    return {FOrigin.X + ToDeviceLength(X), FOrigin.Y + ToDeviceLength(-Y)};
}

TRect TPrintCanvas::ToDevice(const TRect& PageRect) const
{
    const TPoint topLeft = ToDevice(PageRect.Left, PageRect.Top);
    const TPoint bottomRight = ToDevice(PageRect.Right, PageRect.Bottom);
    return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

void TPrintCanvas::SetFontHeight(TFont& Font, int PageHeight) const
{
    Font.SetHeight(-std::max(1, ToDeviceLength(std::abs(PageHeight))));
}

void TPrintCanvas::SetPenWidth(int PageWidth) const
{
    FCanvas.Pen()->SetWidth(std::max(1, ToDeviceLength(PageWidth)));
}

int TPrintCanvas::TextWidth(const std::string& Text) const { return ToPage(FCanvas.TextWidth(Text)); }

int TPrintCanvas::TextHeight(const std::string& Text) const { return ToPage(FCanvas.TextHeight(Text)); }

void TPrintCanvas::TextOut(int X, int Y, const std::string& Text) const
{
    const TPoint at = ToDevice(X, Y);
    FCanvas.TextOut(at.X, at.Y, Text);
}

void TPrintCanvas::TextOutRotated(int X, int Y, const std::string& Text, int Escapement) const
{
    const TPoint at = ToDevice(X, Y);
    ::TextOutRotated(&FCanvas, at.X, at.Y, Text, -Escapement);
}

void TPrintCanvas::Line(int X1, int Y1, int X2, int Y2) const
{
    const TPoint from = ToDevice(X1, Y1);
    const TPoint to = ToDevice(X2, Y2);
    FCanvas.MoveTo(from.X, from.Y);
    FCanvas.LineTo(to.X, to.Y);
}

void TPrintCanvas::FillRect(const TRect& PageRect) const { FCanvas.FillRect(ToDevice(PageRect)); }

void TPrintCanvas::DrawText(const std::string& Text, const TRect& PageRect, unsigned Flags) const
{
    TRect device = ToDevice(PageRect);
    ::DrawText(&FCanvas, Text, device, Flags);
}
