#pragma once
#include <string>

#include "platform/ui/Types.h"

class TCanvas;
class TFont;

// A length of device pixels in page units; screen measures have 96 pixels to the inch.
int PixelsToPageUnits(int Pixels, int PixelsPerInch = 96);

// The escapement of a rotated cell's printed font, in tenths of a degree on the page. Some
// printer drivers turn rotated text the other way on landscape pages; the driver fix turns
// it back on a printer that does not answer 270 degrees for its landscape rotation.
int PrintedTextEscapement(int Angle, bool Previewing, bool DriverFix, int LandscapeRotation);

// A page in tenths of a millimetre with y growing upwards from the page's top edge (so
// positions down the page are negative), drawn on a canvas of any resolution whose device
// origin is the page's top-left corner.
class TPrintCanvas {
public:
    TPrintCanvas(TCanvas& Canvas, int PixelsPerInch, TPoint DeviceOrigin);

    TCanvas& Canvas() const { return FCanvas; }
    int PixelsPerInch() const { return FPixelsPerInch; }

    TPoint ToDevice(int X, int Y) const;
    TRect ToDevice(const TRect& PageRect) const;
    // A device length in page units, and back.
    int ToPage(int DeviceLength) const;
    int ToDeviceLength(int PageLength) const;

    // The font's character height in page units; a size of 0 keeps at least one pixel.
    void SetFontHeight(TFont& Font, int PageHeight) const;
    void SetPenWidth(int PageWidth) const;
    int TextWidth(const std::string& Text) const;
    int TextHeight(const std::string& Text) const;

    void TextOut(int X, int Y, const std::string& Text) const;
    // Text turned by Escapement tenths of a degree as measured on the page, whose y axis
    // points the other way to the device's: a negative escapement turns counter-clockwise.
    void TextOutRotated(int X, int Y, const std::string& Text, int Escapement) const;
    void Line(int X1, int Y1, int X2, int Y2) const;
    // Fills (Left, Top) to (Right, Bottom) with Top above Bottom in page units.
    void FillRect(const TRect& PageRect) const;
    // Draws text after the DT_ flags inside a page rectangle.
    void DrawText(const std::string& Text, const TRect& PageRect, unsigned Flags) const;

private:
    TCanvas& FCanvas;
    int FPixelsPerInch;
    TPoint FOrigin;
};
