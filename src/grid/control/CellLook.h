#pragma once
#include "platform/ui/Graphics.h"

class TCellProperties;

// A cell's own font parts: a set part replaces the font's, an unset one keeps it.
void ApplyCellFont(const TCellProperties& Props, TFont* AFont);

// The selection colour laid over a cell's own colour. Percent is Color1's share: 100 or
// more gives Color1, below 1 gives Color2; a colour that is not set gives the other one.
TColor MixColors(TColor Color1, TColor Color2, int Percent);
// MixColors when Mix is set, else Color1 alone.
TColor MixColorsIf(TColor Color1, TColor Color2, bool Mix, int Percent);
