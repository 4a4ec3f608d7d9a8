#pragma once
#include <vector>

#include "controls/LbButtons.h"
#include "platform/ui/Graphics.h"

// The colour rules of the styled push button. Colours given here are plain RGB values
// (system colours already resolved), except clNone where a colour may be absent.

// The hot-track colour arrives in this many steps and leaves in as many when it fades.
constexpr int LbHotTrackSteps = 8;

// Per channel: from + (to - from) * part / whole, rounded to the nearest value.
TColor BlendLbColor(TColor from, TColor to, int part, int whole);

struct TLbFaceColors {
    TColor Color;
    TColor HotTrackColor; // clNone: no hover colour
    TColor ColorWhenDown; // clNone: the pressed face keeps its colour
};

// The colour of the face: the hot-track blend at hotTrackStep (0 to LbHotTrackSteps) while
// enabled, and the pressed colour above it while pressed.
TColor LbFaceColor(const TLbFaceColors& colors, int hotTrackStep, bool enabled, bool pressed);

// One horizontal band of a vertical gradient, from Top up to but excluding Bottom.
struct TLbGradientBand {
    int Top;
    int Bottom;
    TColor Color;
    bool operator==(const TLbGradientBand&) const = default;
};

// The 32 bands that shade from `from` at `top` to `to` at `bottom`; bands that the bottom
// clips away entirely are left out.
std::vector<TLbGradientBand> LbGradientBands(int top, int bottom, TColor from, TColor to);

// What a colour preset sets on the button.
struct TLbColorPreset {
    TColor Color;
    TColor LightColor;
    TColor ShadowColor;
    TColor ColorWhenDown;
    TColor HotTrackColor;
    bool Flat;
    TColor FontColor;
    TLbButtonStyle Shape;
};

// The preset of a colour style, or nullptr for lcsCustom, which changes nothing.
const TLbColorPreset* FindLbColorPreset(TLbColorStyle style);
