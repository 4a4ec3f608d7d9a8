#pragma once
#include "grid/dropdown/DropDownTypes.h"
#include "grid/foundation/painting/OfficeTheme.h"
#include "platform/ui/Graphics.h"

class TExtButtonAppearance;
class THeaderAppearance;
class TFooterAppearance;

// The popup colours a colour style sets; a style that keeps the frame colour leaves it.
struct TDropDownPopupColors {
    TColor Color = clWhite;
    TColor ColorTo = clNone;
    TColor BorderColor = clBlack;
};

// Loads a colour style into a drop-down's popup colours, its header and footer bars and the
// look of their buttons. tsCustom loads nothing.
void LoadDropDownStyle(TSuiteStyle Style, TDropDownPopupColors& Popup, THeaderAppearance& Header,
                       TFooterAppearance& Footer, TExtButtonAppearance& Buttons);

struct TSelectionColors {
    TColor Color;
    TColor ColorTo;
};

// The selection colours of a selection colour style; scCustom keeps Current.
TSelectionColors SelectionColorsOf(TSelectionColorStyle Style, TSelectionColors Current);

// The frame and mirror colours with which a selection colour style draws a selected item.
struct TSelectionCellColors {
    TColor Edge, Border, BorderBottom, BorderTop, Mirror, MirrorTo;
};
TSelectionCellColors SelectionCellColorsOf(TSelectionColorStyle Style);
