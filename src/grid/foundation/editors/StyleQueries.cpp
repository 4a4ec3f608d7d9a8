#include "grid/foundation/editors/StyleQueries.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/painting/VisualStyles.h"
#include "platform/os/SystemProfile.h"

bool IsWinXPOrLater()
{
    const TSystemProfile& p = SystemProfile();
    return p.MajorVersion > 5 || (p.MajorVersion == 5 && p.MinorVersion >= 1);
}

bool IsThemedComCtl6()
{
    return IsWinXPOrLater() && IsThemeActive() && SystemProfile().ComCtlMajorVersion > 5;
}

void DrawButtonGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, TColor BorderColor, int Steps,
                        TRect R, bool Horizontal)
{
    if (Steps == 0) Steps = 1;
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    const auto channel = [Steps](int a, int b, int i) {
        return static_cast<int>(std::lround(a + (b - a) * static_cast<double>(i) / Steps));
    };
    const double band = (Horizontal ? R.Width() : R.Height()) / static_cast<double>(Steps);
    for (int i = 0; i < Steps; ++i) {
        Canvas->Brush()->SetColor(RGB(channel(GetRValue(from), GetRValue(to), i),
                                      channel(GetGValue(from), GetGValue(to), i),
                                      channel(GetBValue(from), GetBValue(to), i)));
        const int start = static_cast<int>(std::lround(i * band));
        const int end = static_cast<int>(std::lround((i + 1) * band)) + 1;
        const TRect part = Horizontal ? Rect(R.Left + start, R.Top, std::min(R.Left + end, R.Right), R.Bottom)
                                      : Rect(R.Left, R.Top + start, R.Right, std::min(R.Top + end, R.Bottom));
        Canvas->FillRect(part);
    }
    if (BorderColor == clNone) return;
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetColor(BorderColor);
    Canvas->Rectangle(R);
    Canvas->Brush()->SetStyle(bsSolid);
}
