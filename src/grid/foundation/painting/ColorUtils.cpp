#include "grid/foundation/painting/ColorUtils.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"

namespace {

int Channel(double value) { return static_cast<int>(std::clamp<int64_t>(Round(value), 0, 255)); }

// Applies a function to the three channels of the colour's red-green-blue value.
template <typename F> TColor MapChannels(TColor Color, F f)
{
    const TColor c = ColorToRGB(Color);
    return RGB(f(GetRValue(c)), f(GetGValue(c)), f(GetBValue(c)));
}

} // namespace

TColor HalveColor(TColor Color)
{
    return MapChannels(Color, [](int c) { return c / 2; });
}

TColor LightenColorPercent(TColor Color, int Percent)
{
    return MapChannels(Color, [Percent](int c) { return Channel(c + c * Percent / 100.0); });
}

TColor BlendColorStep(TColor From, TColor To, int Minimum, int Maximum, int Position)
{
    if (To == clNone || Maximum == Minimum) return From;
    const TColor from = ColorToRGB(From);
    const TColor to = ColorToRGB(To);
    const auto blend = [&](int f, int t) {
        return Channel(f + static_cast<double>(t - f) * Position / (Maximum - Minimum));
    };
    return RGB(blend(GetRValue(from), GetRValue(to)), blend(GetGValue(from), GetGValue(to)),
               blend(GetBValue(from), GetBValue(to)));
}

std::string IntToHexText(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    return IntToHex(GetRValue(c), 2) + IntToHex(GetGValue(c), 2) + IntToHex(GetBValue(c), 2);
}
