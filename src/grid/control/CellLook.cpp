#include "grid/control/CellLook.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/model/CellProperties.h"

TColor MixColors(TColor Color1, TColor Color2, int Percent)
{
    if (Percent >= 100) return Color1;
    if (Percent < 1 || Color1 == clNone) return Color2;
    if (Color2 == clNone) return Color1;
    const TColor c1 = ColorToRGB(Color1), c2 = ColorToRGB(Color2);
    const double share = Percent / 100.0;
    const auto mix = [share](int a, int b) {
        return std::min(255, static_cast<int>(std::lround(share * a + (1 - share) * b)));
    };
    return RGB(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
               mix(GetBValue(c1), GetBValue(c2)));
}

TColor MixColorsIf(TColor Color1, TColor Color2, bool Mix, int Percent)
{
    return Mix ? MixColors(Color1, Color2, Percent) : Color1;
}

void ApplyCellFont(const TCellProperties& Props, TFont* AFont)
{
    if (Props.FontColor != clNone) AFont->SetColor(Props.FontColor);
    if (!Props.FontStyle.Empty()) AFont->SetStyle(Props.FontStyle);
    if (Props.FontSize != 0) AFont->SetSize(Props.FontSize);
    if (!Props.FontName.empty()) AFont->SetName(Props.FontName);
}
