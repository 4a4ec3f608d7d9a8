#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// Colour arithmetic. System colours are turned into their red-green-blue value first;
// every channel is kept within 0 to 255.

// Each channel halved, rounded down.
TColor HalveColor(TColor Color);
// Each channel c becomes c + c x Percent / 100, rounded; a negative percent darkens.
TColor LightenColorPercent(TColor Color, int Percent);
// The colour at Position of a blend from From to To over Minimum..Maximum: each channel
// From + (To - From) x Position / (Maximum - Minimum), rounded. From when To is clNone or
// the range is empty.
TColor BlendColorStep(TColor From, TColor To, int Minimum, int Maximum, int Position);
// The six hexadecimal digits "RRGGBB" of the colour, red first.
std::string IntToHexText(TColor Color);
