#pragma once
#include "grid/foundation/painting/OfficeTheme.h"
#include "grid/dropdown/DropDownStyles.h"
#include "platform/ui/Graphics.h"

// How a colour style dresses the header, lines and selection of a list drop-down's popup grid.
struct TListDropDownLook {
    TSuiteStyle Style;
    TColor HeaderColor, HeaderColorTo;
    TSelectionColorStyle Selection;
    TColor FontColor; // clNone: unchanged
    TColor LineColor, FixedLineColor;
    TColor SelectionColor; // clNone: those of the selection style
    TColor SelectionTextColor;
};

// The look of a style, or nullptr for one that changes nothing of the list. The Office 2010
// styles are part of the multi-column list's table only.
const TListDropDownLook* FindListDropDownLook(TSuiteStyle Style, bool WithOffice2010);

// The grid lines that go with a selection colour style; scCustom keeps the given ones.
void ListLineColorsOf(TSelectionColorStyle Style, TColor& LineColor, TColor& FixedLineColor);
