#pragma once
#include "grid/foundation/model/CellProperties.h"
#include "platform/ui/Graphics.h"

// A cell's own font parts: a set part replaces the painter's, an unset one keeps it.
inline void ApplyCellFont(const TCellProperties& Props, TFont* AFont)
{
    if (Props.FontColor != clNone) AFont->SetColor(Props.FontColor);
    if (!Props.FontStyle.Empty()) AFont->SetStyle(Props.FontStyle);
    if (Props.FontSize != 0) AFont->SetSize(Props.FontSize);
    if (!Props.FontName.empty()) AFont->SetName(Props.FontName);
}
