#include "grid/foundation/editors/TimeFieldPlacement.h"

#include <algorithm>

TRect TimeFieldBounds(const TTimeFieldLook& look, int width, int height, int textWidth)
{
    const int a = textWidth + 31;
    const int b = look.hasLocaleInfoEx && look.bevelled ? 4 : 0;
    int right = 34, top = 1, less = 2; // themed
    if (!look.hasLocaleInfoEx)
        right = 21, top = -2, less = 0;
    else if (!look.commonControls6)
        right = 23, top = -2, less = 0;
    else if (!look.themeActive)
        right = 21, top = 2, less = 4;
    else if (look.metro)
        right = 21;
    const int f = look.frame;
    const int left = width - a - b - right + f;
    const int y = top + f;
    const int bottom = std::min(y + height - b - less, height - f);
    const int clippedTop = std::max(y, f);
    return Rect(left, clippedTop, left + a, std::max(clippedTop, bottom));
}
