#pragma once
#include <functional>
#include <string>

#include "controls/LbButtons.h"
#include "platform/ui/Graphics.h"

// Where the styled push button puts its caption and glyph.

// The shape, size and settings of one face being drawn.
struct TLbFaceGeometry {
    int Width = 0;
    int Height = 0;
    TLbButtonStyle Style = bsNormal;
    TLbButtonLayout Layout = blGlyphLeft;
    TAlignment Alignment = taCenter;
    bool WordWrap = false;
    int Offset = 0;    // the sunken offset of a pressed face
    int CellWidth = 0; // the glyph cell; 0 x 0 without a glyph
    int CellHeight = 0;

    bool HasGlyph() const { return CellWidth > 0 && CellHeight > 0; }
};

// A pressed face sinks by one pixel, except the Encarta shape, which turns bold instead.
int LbSunkenOffset(TLbButtonStyle style, bool pressed);

// The glyph frame for the state: 1 disabled, 2 pressed, 3 hot, else 0; a frame the glyph
// does not have falls back to 0 (the disabled frame is cut out anyway and shows frame 0).
int LbGlyphFrame(bool enabled, bool hot, bool pressed, int numGlyphs);

// The width the caption may take (T).
int LbTextWidthLimit(const TLbFaceGeometry& geometry);

// Without word wrap the caption loses characters from its end until it fits the limit.
std::string FitLbCaption(const std::string& caption, int limit,
                         const std::function<int(const std::string&)>& widthOf);

struct TLbFacePlacement {
    TRect Text; // the rectangle the caption is drawn in
    int GlyphLeft = 0;
    int GlyphTop = 0;
};

// The caption arrives measured: its width on one line and its height when broken into
// lines of the width limit.
TLbFacePlacement PlaceLbFace(const TLbFaceGeometry& geometry, bool hasCaption, int captionWidth,
                             int captionHeight);
