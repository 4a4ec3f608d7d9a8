#include "grid/control/CellLook.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BackGround.h"
#include "grid/foundation/model/Bands.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

namespace {

// A text with a blank becomes a name-value entry, so the list shows the text and the filter
// matches it quoted.
std::string FilterEntry(const std::string& Text)
{
    if (Text.find(' ') == std::string::npos) return Text;
    return Text + "=\"" + Text + "\"";
}

void AddUnique(TStringList& List, const std::string& Entry)
{
    if (List.IndexOf(Entry) < 0) List.Add(Entry);
}

} // namespace

// The headers of the current cell light up with ActiveCellShow; a cell's own brush colour
// shows only under cell contents that leave the background to it (no picture).
void TExtStringGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (ActiveCellShow) {
        const int displCol = DisplColIndex(ACol);
        const bool rowHeader = ARow == Row() && FixedCols() > 0 && displCol == FixedCols() - 1;
        const bool colHeader = displCol == Col() && FixedRows() > 0 && ARow == FixedRows() - 1;
        if (rowHeader || colHeader) {
            AFont->Assign(*ActiveCellFont());
            ABrush->SetColor(ActiveCellColor);
        }
    }
    if (const TCellProperties* props = FindCellProperties(ACol, ARow)) {
        if (!GraphicOfCellProperties(props) && props->BrushColor() != clNone)
            ABrush->SetColor(props->BrushColor());
        ApplyCellFont(*props, AFont);
    }
    if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

// A new cell never takes the fixed, band, background or selection colour as its own, or it
// would keep that colour when the cell stops being fixed, banded or selected.
void TExtStringGrid::GetDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                              TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo,
                                              TAlignment& HAlign, TVAlignment& VAlign, bool& WordWrap,
                                              TCellGradientDirection& GradientDirection)
{
    TBaseGrid::GetDefaultCellProperties(ACol, ARow, AFont, ABrush, ColorTo, ColorMirror, ColorMirrorTo,
                                        HAlign, VAlign, WordWrap, GradientDirection);
    TGridDrawState state;
    GetVisualProperties(ACol, ARow, state, false, false, true, ABrush, ColorTo, ColorMirror, ColorMirrorTo,
                        AFont, HAlign, VAlign, WordWrap, GradientDirection);
    const TBackGroundDisplay display = BackGround()->Display();
    const bool gradientBackground = display == bdGradientHorz || display == bdGradientVert;
    const TGridRect sel = Selection();
    const int displCol = DisplColIndex(ACol);
    const bool selected =
        state.Contains(gdSelected) || (ShowSelection && displCol >= sel.Left && displCol <= sel.Right &&
                                       ARow >= sel.Top && ARow <= sel.Bottom);
    if (IsFixed(ACol, ARow) || Bands()->Active() || gradientBackground || selected) {
        ABrush->SetColor(clNone);
        ColorTo = clNone;
    }
}

bool TExtStringGrid::GetColumnFilter(int ACol)
{
    TStringList& entries = *FFilterEntries;
    entries.Clear();
    if (FilterDropDownAuto && (ACol >= FixedCols() || FilterDropDownColumns == fdAll)) {
        entries.SetSorted(true);
        for (int r = FixedRows(); r < RowCount() - FixedFooters; ++r)
            AddUnique(entries, FilterEntry(Trim(Cells(ACol, r))));
        if (!FilterIncremental) {
            for (int i = 0; i < FRows.Hidden().Count(); ++i) {
                const TGridStrings& cells = FRows.Hidden().Item(i).Items;
                if (ACol < cells.Count()) AddUnique(entries, FilterEntry(cells.Strings[ACol]));
            }
        }
        entries.SetSorted(false);
        if (!FilterDropDownClear.empty()) entries.Insert(0, FilterDropDownClear);
    }
    if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, &entries);
    return entries.Count() > 0;
}
