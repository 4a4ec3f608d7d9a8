#pragma once
#include <string>

#include "controls/LbButtonLayout.h"
#include "platform/ui/Graphics.h"

// Everything the face of a styled push button is drawn from.
struct TLbFaceParams {
    TAlignment Alignment = taCenter;
    std::string Caption;
    TLbButtonLayout Layout = blGlyphLeft;
    const TFont* Font = nullptr;
    TColor ShadowColor = clGray;
    TColor LightColor = clWhite;
    TColor HotTrackColor = clNone;
    TColor ColorWhenDown = clNone;
    TColor Color = clBtnFace;
    TLbButtonStyle Style = bsNormal;
    bool HasPopupMenu = false;
    bool WordWrap = false;
    bool Flat = false;
    bool Enabled = true;
    bool Hot = false; // the mouse is over the button or it has the focus
    bool Pressed = false;
    TBitmap* Glyph = nullptr;
    int NumGlyphs = 0;
    int HotTrackStep = 0;
};

// The transparent colour of the shapes that do not fill their whole rectangle.
constexpr TColor LbTransparentColor = RGB(255, 0, 255);

bool IsTransparentLbStyle(TLbButtonStyle style);

// Draws the face into the rectangle (0, 0, width, height) of the canvas.
void DrawLbButtonFace(TCanvas& canvas, int width, int height, const TLbFaceParams& params);

// A vertical gradient of 32 bands over the rectangle.
void DrawLbGradient(TCanvas& canvas, const TRect& rect, TColor from, TColor to);
