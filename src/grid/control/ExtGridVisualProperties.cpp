#include "grid/control/CellLook.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/foundation/model/Bands.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/painting/ColorUtils.h"
#include "grid/foundation/text/CellText.h"
#include "grid/foundation/text/NumberText.h"
#include "platform/rtl/SysUtils.h"

// How a cell looks: font, brush and gradient colours, alignment, word wrap and draw state.
// The rules are weighed in a fixed order; a later rule overrides an earlier one, so the
// order is the behaviour.

namespace {

// Text cells show their own brush colour as theirs; cells with a control or a picture take
// it as a background only, so the fixed and selection looks still reach them.
bool IsTextCellType(TCellType Type) { return Type == ctNone || Type == ctRotated || Type == ctEmpty; }

} // namespace

std::string TExtStringGrid::ShownCellText(int ARealCol, int ADisplRow, int& TextType)
{
    std::string text = GetFormattedCell(ARealCol, ADisplRow);
    TextType = GetTextType(text, EnableHTML);
    if (TextType == ttFormula) {
        text = GridCells(ARealCol, ADisplRow);
        TextType = GetTextType(text, EnableHTML);
    }
    return text;
}

bool TExtStringGrid::InSelection(int ADisplCol, int ADisplRow) const
{
    const TGridRect sel = Selection();
    return ADisplCol >= sel.Left && ADisplCol <= sel.Right && ADisplRow >= sel.Top && ADisplRow <= sel.Bottom;
}

void TExtStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA,
                                         TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    const bool fixedArea = ACol < FixedCols() || ARow < FixedRows();
    const bool printFonts = Print && !PrintSettings()->UseDisplayFont;
    if (fixedArea)
        AFont->Assign(printFonts ? *PrintSettings()->FixedFont() : *FixedFont());
    else
        AFont->Assign(printFonts ? *PrintSettings()->Font() : *Font());

    const TMouseActions& mouse = *MouseActions();
    const int rCol = Remap ? DisplToRealCol(ACol) : ACol;
    // The row flags are read where they are kept: the row selection by real row only when it
    // survives hiding, the enabled flags by display row, as the keyboard reads them.
    const int selRow = FlagLineOf(TDisplRow(ARow)).Select;

    TColor brush = clNone;
    AColorTo = AMirrorColor = AMirrorColorTo = clNone;
    bool ownBrush = false;
    if (const TCellProperties* props = FindCellProperties(rCol, ARow)) {
        if (IsTextCellType(GetCellType(rCol, ARow))) {
            if (props->BrushColor() != clNone) {
                brush = props->BrushColor();
                ownBrush = true;
            }
        } else {
            brush = props->BrushColor();
        }
        ApplyCellFont(*props, AFont);
        WW = props->WordWrap();
        AColorTo = props->BrushColorTo();
        GD = props->GradientDirection;
    }
    if (AState.Contains(gdSelected)) GD = GradientVertical;

    if (brush == clNone) brush = DefaultCellColor(ACol, ARow, Print);

    const bool fixed = IsFixed(ACol, ARow) || fixedArea;
    if (fixed && !Print && !ownBrush) {
        brush = FixedColor();
        AFont->Assign(*FixedFont());
        AState += gdFixed;
    }
    if (fixed && !ownBrush && FLook > glClassic) {
        brush = SuiteGradientFrom;
        AColorTo = SuiteGradientTo;
        AMirrorColor = SuiteGradientMirrorFrom;
        AMirrorColorTo = SuiteGradientMirrorTo;
    }
    ABrush->SetColor(brush);

    if (Print)
        GetCellPrintColor(rCol, ARow, AState, ABrush, AFont);
    else
        GetCellColor(rCol, ARow, AState, ABrush, AFont);
    if (OnGetCellGradient) {
        TColor color = ABrush->Color();
        OnGetCellGradient(this, ARow, rCol, color, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush->SetColor(color);
    }

    // The current cell of a disjunct cell selection falls back to these when not selected.
    const TColor unselectedBrush = ABrush->Color();
    const TColor unselectedFont = AFont->Color();
    const auto applySelection = [&](TColor Color) {
        ABrush->SetColor(Color);
        AColorTo = SelectionColorTo;
        AMirrorColor = SelectionMirrorColor;
        AMirrorColorTo = SelectionMirrorColorTo;
        if (SelectionTextColor != clNone) AFont->SetColor(SelectionTextColor);
    };

    const bool mouseDown = FMouseDown;
    const bool body = ACol >= FixedCols() && ARow >= FixedRows();
    const bool selectionShown = !Print && Select && ShowSelection && !fixed;
    if (body && mouse.DisjunctRowSelect() && selectionShown) {
        const bool rowSelected = RowFlagAt(selRow);
        if (((mouseDown && ARow == Row()) || !rowSelected) &&
            (!mouseDown || rowSelected || !AState.Contains(gdSelected))) {
            AState -= gdSelected;
        } else {
            AState = TGridDrawState{gdSelected};
            applySelection(SelectionColor);
        }
    }
    if (body && mouse.DisjunctColSelect() && selectionShown) {
        const bool colSelected = ACol < ColCount() && ColSelect(ACol);
        if (((!mouseDown || ACol != Col()) && colSelected) ||
            (mouseDown && !colSelected && AState.Contains(gdSelected))) {
            AState = TGridDrawState{gdSelected};
            applySelection(SelectionColor);
        }
    }
    const bool inSelection = InSelection(ACol, ARow);
    if ((selectionShown && inSelection && !mouse.DisjunctRowSelect() && !mouse.DisjunctColSelect()) ||
        (AState.Contains(gdSelected) && mouseDown && ShowSelection)) {
        const TColor current = ABrush->Color();
        applySelection(current == Color() ? SelectionColor
                                          : MixColorsIf(SelectionColor, current, SelectionColorMixer,
                                                        SelectionColorMixerFactor));
        AState += gdSelected;
    }
    if (mouse.DisjunctCellSelect() && ShowSelection) {
        if (SelectedCells(ACol, ARow)) {
            applySelection(SelectionColor);
            AState += gdSelected;
        } else if (ACol == Col() && ARow == Row()) {
            AState -= gdSelected;
            ABrush->SetColor(unselectedBrush);
            AFont->SetColor(unselectedFont);
        }
    }

    if (UseDisabledFont && ((FUseEnabledRows && !RowEnabledAt(ARow)) || !Enabled()))
        AFont->SetColor(DisabledFontColor);
    if (inSelection && ARow != Row() && mouse.DisjunctRowSelect() && SelectionColorTo == clNone)
        ABrush->SetColor(LightenColorPercent(ABrush->Color(), 7));

    GetCellWordWrap(rCol, ARow, WW);
    GetCellAlignmentEx(rCol, ARow, HA, VA);
}

TColor TExtStringGrid::DefaultCellColor(int ACol, int ARow, bool Print) const
{
    const TBands& bands = *Bands();
    TColor color = Color();
    const bool bandedCol = ACol >= FixedCols() && ACol < TotalColCount() - FixedRightCols;
    const bool bandedRow = ARow >= FixedRows() && ARow < RowCount() - FixedFooters;
    if (bands.Active() && (!Print || bands.Print) && bandedCol && bandedRow && bands.TotalLength() > 0)
        color = (ARow - FixedRows()) % bands.TotalLength() < bands.PrimaryLength() ? bands.PrimaryColor()
                                                                                   : bands.SecondaryColor();
    if (ACol < FixedCols() || ARow < FixedRows() || DisplColIndex(ACol) >= ColCount() - FixedRightCols ||
        ARow >= RowCount() - FixedFooters)
        color = FixedColor();
    return color;
}

bool TExtStringGrid::RowFlagAt(int ARow) const
{
    return FRows.Flags().Selected(ARow);
}

bool TExtStringGrid::RowEnabledAt(int ADisplRow) const { return FRows.Flags().Enabled(ADisplRow); }

void TExtStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont* AFont,
                                       TBrush* ABrush)
{
    const bool fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    AFont->Assign(fixed ? *FixedFont() : *Font());
    if (const TCellProperties* props = FindCellProperties(RCol, ARow)) ApplyCellFont(*props, AFont);
    GetCellColor(RCol, ARow, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellAlignmentEx(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    HAlign = DefaultAlignment;
    VAlign = VAlignment;
    const std::string text = Cells(ACol, ARow);
    const bool wide = text.compare(0, 2, "|\\") == 0;
    const bool formula = (!text.empty() && text[0] == '=') || (wide && text.size() > 3 && text[3] == '=');
    if (AutoNumAlign && !formula) {
        const int kind = ClassifyNumberText(Trim(text));
        if (!Trim(text).empty() && (kind == ntInteger || kind == ntSeparated || kind == ntExponent))
            HAlign = taRightJustify;
    }
    if (const TCellProperties* props = FindCellProperties(ACol, ARow); props && !formula)
        HAlign = props->Alignment;
    GetCellAlignment(ACol, ARow, HAlign, VAlign);
}
