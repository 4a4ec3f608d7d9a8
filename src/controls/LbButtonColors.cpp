#include "controls/LbButtonColors.h"

#include <algorithm>

namespace {
int BlendChannel(int from, int to, int part, int whole)
{
    // Both ends are 0 to 255, so the scaled value is never negative: halves round up.
    const int scaled = from * whole + (to - from) * part;
    return (2 * scaled + whole) / (2 * whole);
}

constexpr int GradientBandCount = 32;
} // namespace

TColor BlendLbColor(TColor from, TColor to, int part, int whole)
{
    return RGB(BlendChannel(GetRValue(from), GetRValue(to), part, whole),
               BlendChannel(GetGValue(from), GetGValue(to), part, whole),
               BlendChannel(GetBValue(from), GetBValue(to), part, whole));
}

TColor LbFaceColor(const TLbFaceColors& colors, int hotTrackStep, bool enabled, bool pressed)
{
    TColor face = colors.Color;
    if (enabled && colors.HotTrackColor != clNone)
        face = BlendLbColor(colors.Color, colors.HotTrackColor, hotTrackStep, LbHotTrackSteps);
    if (pressed && colors.ColorWhenDown != clNone) face = colors.ColorWhenDown;
    return face;
}

std::vector<TLbGradientBand> LbGradientBands(int top, int bottom, TColor from, TColor to)
{
    std::vector<TLbGradientBand> bands;
    const int span = bottom - top;
    const int last = GradientBandCount - 1;
    for (int i = 0; span > 0 && i <= last; ++i) {
        const int bandTop = top + i * span / last;
        const int bandBottom = std::min(bandTop + span / last + 1, bottom);
        if (bandBottom > bandTop) bands.push_back({bandTop, bandBottom, BlendLbColor(from, to, i, last)});
    }
    return bands;
}

namespace {
struct TPresetEntry {
    TLbColorStyle Style;
    TLbColorPreset Preset;
};

const TPresetEntry Presets[] = {
    {lcsGold,
     {RGB(192, 192, 0), RGB(255, 255, 0), RGB(128, 128, 0), clNone, RGB(223, 223, 0), false, clBlack,
      bsModern}},
    {lcsChrome,
     {RGB(192, 192, 192), RGB(255, 255, 255), RGB(128, 128, 128), clNone, clNone, false, clBlack, bsModern}},
    {lcsBlue, {RGB(0, 128, 255), RGB(0, 255, 255), RGB(0, 0, 255), clNone, clNone, false, clBlack, bsModern}},
    {lcsRed, {RGB(255, 0, 0), RGB(255, 192, 192), RGB(192, 0, 0), clNone, clNone, false, clBlack, bsModern}},
    {lcsUltraFlat1,
     {clBtnFace, RGB(132, 146, 181), RGB(132, 146, 181), RGB(132, 146, 181), RGB(214, 211, 222), true,
      clBlack, bsNormal}},
    {lcsUltraFlat2,
     {clBtnFace, RGB(0, 0, 0), RGB(0, 0, 0), RGB(188, 218, 36), RGB(228, 246, 140), true, clBlack, bsNormal}},
    {lcsUltraFlatXP,
     {RGB(219, 216, 209), RGB(132, 146, 181), RGB(133, 146, 181), RGB(133, 146, 181), RGB(182, 189, 210),
      true, clBlack, bsNormal}},
    {lcsAqua,
     {RGB(148, 206, 236), RGB(212, 230, 252), RGB(0, 0, 0), clNone, clNone, false, clBlack, bsModern}},
    {lcsDefault,
     {clBtnFace, RGB(255, 255, 255), RGB(128, 128, 128), clNone, clNone, false, clBlack, bsNormal}},
    {lcsQuicken,
     {RGB(0, 48, 96), RGB(192, 192, 192), RGB(192, 192, 192), RGB(41, 101, 173), RGB(156, 174, 206), false,
      clWhite, bsQuicken}},
};
} // namespace

const TLbColorPreset* FindLbColorPreset(TLbColorStyle style)
{
    for (const TPresetEntry& entry : Presets)
        if (entry.Style == style) return &entry.Preset;
    return nullptr;
}
