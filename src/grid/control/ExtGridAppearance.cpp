#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/markup/HtmlTextOps.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/rtl/Classes.h"

void TExtStringGrid::SetSelectionColorMixerFactor(int Value)
{
    if (Value == SelectionColorMixerFactor) return;
    SelectionColorMixerFactor = std::clamp(Value, 0, 100);
    Invalidate();
}

// The base grid's painter reads its own flag.
void TExtStringGrid::SetShowSelection(bool Value)
{
    if (Value == ShowSelection) return;
    ShowSelection = FShowSel = Value;
    Invalidate();
}

void TExtStringGrid::SetHighlightColor(TColor Value)
{
    if (Value == HighlightColor) return;
    HighlightColor = Value;
    SetHtmlHighlightColors(HighlightColor, HighlightTextColor);
    Invalidate();
}

void TExtStringGrid::SetHighlightTextColor(TColor Value)
{
    if (Value == HighlightTextColor) return;
    HighlightTextColor = Value;
    SetHtmlHighlightColors(HighlightColor, HighlightTextColor);
    Invalidate();
}

// The fonts keep the grid's change handler, which repaints on every later change.
void TExtStringGrid::SetActiveCellFont(const TFont& Value)
{
    FActiveCellFont->Assign(Value);
    Invalidate();
}

void TExtStringGrid::SetFixedFont(const TFont& Value)
{
    FFixedFont->Assign(Value);
    Invalidate();
}

void TExtStringGrid::SetRowIndicator(const TBitmap& Value)
{
    FRowIndicator->Assign(Value);
    RepaintCell(0, Row());
}

void TExtStringGrid::SetLookupItems(const TStringList* Value)
{
    if (Value) *FLookupItems = *Value;
}

void TExtStringGrid::SetWordWrap(bool Value)
{
    TBaseGrid::SetWordWrap(Value);
    if (FUpdateCount == 0) Invalidate();
}

void TExtStringGrid::SetVAlignment(TVAlignment Value)
{
    static constexpr unsigned kFlags[] = {0, DT_VCENTER, DT_BOTTOM};
    VAlignment = Value;
    FVAlignFlag = kFlags[Value];
    if (FUpdateCount == 0) Invalidate();
}

void TExtStringGrid::SetFlat(bool Value)
{
    Flat = Value;
    if (!ComponentState().Contains(csLoading)) Invalidate();
}

void TExtStringGrid::SetSpreadSheet(bool Value)
{
    SpreadSheet = Value;
    SelectionRectangle = true;
    SelectionResizer = true;
    Navigation()->AllowSmartClipboard = true;
    SetOptions(Options() + goEditing + goRangeSelect);
    MouseActions()->RangeSelectAndEdit = true;
}
