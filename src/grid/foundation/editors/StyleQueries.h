#pragma once
#include "platform/ui/Graphics.h"

// What the search bar's controls ask of the platform before they use its visual styles,
// and the gradient that paints their faces.

// The platform is version 5.1 or higher.
bool IsWinXPOrLater();
// Visual styles are active and the common-controls library is of version 6 or above.
bool IsThemedComCtl6();
// (GetXPColorScheme, the colour scheme of the active style, is in OfficeTheme.h.)

// Fills R in Steps bands (vertical bands when Horizontal, else horizontal ones), each one
// pixel larger than its share so that none leaves a gap; band i takes FromColor +
// (ToColor - FromColor) * i / Steps in each channel, rounded. Steps 0 counts as 1. A
// BorderColor other than clNone frames R.
void DrawButtonGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, TColor BorderColor, int Steps,
                        TRect R, bool Horizontal);
