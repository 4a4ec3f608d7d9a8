#include "grid/control/CellLook.h"
#include "grid/control/ExtColumnGrid.h"
#include "grid/control/GridCombo.h"
#include "grid/control/GridSpin.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/foundation/model/Bands.h"

namespace {

bool IsComboEditor(TEditorType Editor) { return Editor == edComboEdit || Editor == edComboList; }

} // namespace

bool TExtColumnGrid::IsNormalColumn(int ACol) const
{
    return ACol >= FixedCols() && ACol < TotalColCount() - FixedRightCols;
}

bool TExtColumnGrid::InNormalArea(int ACol, int ARow) const
{
    return IsNormalColumn(ACol) && ARow >= FixedRows() && ARow < RowCount() - FixedFooters;
}

void TExtColumnGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item && IsNormalColumn(ACol) && ARow < RowCount() - FixedFooters) {
        const bool banded = item->ShowBands() && Bands()->Active();
        if (item->Fixed())
            ABrush->SetColor(FixedColor());
        else if (ARow >= FixedRows() && !banded)
            ABrush->SetColor(item->Color());
        AFont->Assign(ARow < FixedRows() ? *item->HeaderFont() : *item->Font());
    }
    // The string grid lays the cell's own colours and the active-cell look on top.
    TExtStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                       TFont* AFont)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) {
        const bool fixedArea = ACol < FixedCols() || ARow < FixedRows() ||
                               ACol >= TotalColCount() - FixedRightCols || ARow >= RowCount() - FixedFooters;
        const TCellProperties* props = FindCellProperties(ACol, ARow);
        if (fixedArea) {
            AFont->Assign(*PrintSettings()->FixedFont());
        } else {
            // Printed bands keep the band colour the brush already holds.
            if (item->Fixed())
                ABrush->SetColor(FixedColor());
            else if (!(item->ShowBands() && Bands()->Active() && Bands()->Print))
                ABrush->SetColor(item->PrintColor);
            if (props && props->BrushColor() != clNone) ABrush->SetColor(props->BrushColor());
            AFont->Assign(item->PrintFontCustom ? *item->PrintFont() : *PrintSettings()->Font());
            if (item->PrintFontCustom && props) ApplyCellFont(*props, AFont);
        }
    }
    TExtStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item && ACol >= FixedCols() && ARow >= FixedRows()) {
        Borders = item->Borders();
        APen->Assign(*item->BorderPen());
    }
    TExtStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item && ACol >= FixedCols() && ARow >= FixedRows() && item->PrintBorderCustom) {
        Borders = item->PrintBorders;
        APen->Assign(*item->PrintBorderPen());
    }
    TExtStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) {
        HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
        if (const TCellProperties* props = FindCellProperties(ACol, ARow)) HAlign = props->Alignment;
    }
    TExtStringGrid::GetCellAlignment(ACol, ARow, HAlign, VAlign);
}

void TExtColumnGrid::GetColFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) {
        AStyle = item->SortStyle;
        APrefix = item->SortPrefix;
        ASuffix = item->SortSuffix;
    }
    TExtStringGrid::GetColFormat(ACol, AStyle, APrefix, ASuffix);
}

void TExtColumnGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item && ACol >= FixedCols() && ARow >= FixedRows()) AEditor = item->Editor();
    TExtStringGrid::GetCellEditor(ACol, ARow, AEditor);
}

void TExtColumnGrid::GetCellEditorEx(int ACol, int ARow, TEditorType& AEditor)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) {
        if (ACol >= FixedCols() && ARow >= FixedRows()) {
            AEditor = item->Editor();
            LoadColumnEditor(*item, AEditor);
        }
        if (!item->FloatFormat().empty()) FloatFormat = item->FloatFormat();
    }
    TExtStringGrid::GetCellEditorEx(ACol, ARow, AEditor);
}

// The column's combo and spin settings go to the grid's in-place editors, and its edit link
// becomes the grid's custom editor: a column without a link leaves edCustom cells unedited
// rather than opening another column's link.
void TExtColumnGrid::LoadColumnEditor(const TGridColumnItem& Item, TEditorType Editor)
{
    SetEditLink(Item.EditLink());
    if (Editor == edComboEdit || Editor == edComboList) {
        EditCombo()->Items()->Assign(*Item.ComboItems());
        ControlLook()->DropDownCount = Item.DropDownCount;
    } else if (Editor == edSpinEdit) {
        TGridSpin* spin = SpinEdit();
        spin->SetMinValue(Item.SpinMin);
        spin->SetMaxValue(Item.SpinMax);
        spin->SetIncrement(Item.SpinStep);
    }
}

void TExtColumnGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed) const
{
    const TGridColumnItem* item = ItemOf(RealColIndex(ACol));
    if (item && ACol >= FixedCols() && ARow >= FixedRows()) IsFixed = item->Fixed();
    TExtStringGrid::IsFixedCell(ACol, ARow, IsFixed);
}

void TExtColumnGrid::IsReadOnlyCell(int ACol, int ARow, bool& CanEdit)
{
    CanEdit = false;
    const TGridColumnItem* item = ItemOf(ACol);
    if (!ComponentState().Contains(csLoading) && item && ACol >= FixedCols() && ARow >= FixedRows())
        CanEdit = !(item->ReadOnly || item->Fixed());
    if (const TCellProperties* props = FindCellProperties(ACol, ARow); props && CanEdit)
        CanEdit = !props->ReadOnly;
    const TPoint base = BaseCell(ACol, ARow);
    CanEditCell(base.X, base.Y, CanEdit);
}

void TExtColumnGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (const TGridColumnItem* item = ItemOf(ACol)) IsPassword = item->Password();
    TExtStringGrid::IsPasswordCell(ACol, ARow, IsPassword);
}

// Answers from the column's editor whether or not combo buttons are always shown.
bool TExtColumnGrid::HasCombo(int ACol, int ARow)
{
    const TGridColumnItem* item = ItemOf(ACol);
    bool hasCombo = item && ACol >= FixedCols() && ARow >= FixedRows() && IsComboEditor(item->Editor());
    if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, hasCombo);
    return hasCombo;
}

// The column's texts win over the grid's and its events', so that a data check-box column
// always stores what its column says.
void TExtColumnGrid::GetCheckTrue(int ACol, int ARow, std::string& Value)
{
    TExtStringGrid::GetCheckTrue(ACol, ARow, Value);
    if (const TGridColumnItem* item = ItemOf(ACol); item && InNormalArea(ACol, ARow)) Value = item->CheckTrue;
}

void TExtColumnGrid::GetCheckFalse(int ACol, int ARow, std::string& Value)
{
    TExtStringGrid::GetCheckFalse(ACol, ARow, Value);
    if (const TGridColumnItem* item = ItemOf(ACol); item && InNormalArea(ACol, ARow))
        Value = item->CheckFalse;
}

bool TExtColumnGrid::GetColumnFilter(int ACol)
{
    FilterEntries()->SetSorted(false);
    TExtStringGrid::GetColumnFilter(ACol);
    const TGridColumnItem* item = ItemOf(ACol);
    if (!item || item->Filter()->Count() == 0) return false;
    FilterEntries()->Clear();
    for (const std::string& line : item->Filter()->Items())
        FilterEntries()->Add(line.substr(0, line.find('=')));
    return true;
}

std::string TExtColumnGrid::GetFloatFormat(int ACol, int ARow) const
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (item && !item->FloatFormat().empty()) return item->FloatFormat();
    return TExtStringGrid::GetFloatFormat(ACol, ARow);
}

void TExtColumnGrid::GetDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                              TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo,
                                              TAlignment& HAlign, TVAlignment& VAlign, bool& WordWrap,
                                              TCellGradientDirection& GradientDirection)
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (!item) {
        TExtStringGrid::GetDefaultCellProperties(ACol, ARow, AFont, ABrush, ColorTo, ColorMirror,
                                                 ColorMirrorTo, HAlign, VAlign, WordWrap, GradientDirection);
        return;
    }
    AFont->Assign(*item->Font());
    ABrush->SetColor(item->Color());
    ColorTo = ColorMirror = ColorMirrorTo = clNone;
    HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    VAlign = VAlignment;
    WordWrap = TExtStringGrid::WordWrap();
    GradientDirection = static_cast<TCellGradientDirection>(0);
    // A new cell never keeps the fixed or band colour as its own.
    if (IsFixed(ACol, ARow) || (Bands()->Active() && item->ShowBands())) ABrush->SetColor(clNone);
}

std::string TExtColumnGrid::GetEditMask(int ACol, int ARow)
{
    std::string mask;
    if (const TGridColumnItem* item = ItemOf(RealColIndex(ACol)); item && ACol >= FixedCols())
        mask = item->EditMask;
    const std::string gridMask = TExtStringGrid::GetEditMask(ACol, ARow);
    return gridMask.empty() ? mask : gridMask;
}

int TExtColumnGrid::GetEditLimit()
{
    const TGridColumnItem* item = ItemOf(RealColIndex(Col()));
    return item && Col() >= FixedCols() ? item->EditLength : MaxEditLength;
}

TCellGraphic* TExtColumnGrid::GetCellGraphic(int ACol, int ARow) const
{
    TCellGraphic* own = TExtStringGrid::GetCellGraphic(ACol, ARow);
    if (own || ComponentState().Contains(csDestroying)) return own;
    return DataCheckBoxGraphic(ACol, ARow);
}

TCellType TExtColumnGrid::GetCellType(int ACol, int ARow) const
{
    // The string grid's answer would see the shared virtual box through GetCellGraphic.
    const bool ownGraphic = TExtStringGrid::GetCellGraphic(ACol, ARow) != nullptr;
    if (!ownGraphic && !ComponentState().Contains(csDestroying) && DataCheckBoxGraphic(ACol, ARow))
        return ctDataCheckBox;
    return TExtStringGrid::GetCellType(ACol, ARow);
}

TCellGraphic* TExtColumnGrid::DataCheckBoxGraphic(int ACol, int ARow) const
{
    const TGridColumnItem* item = ItemOf(ACol);
    if (!item || item->Editor() != edDataCheckBox || !InNormalArea(ACol, ARow)) return nullptr;
    FCellGraphic->CellType = ctVirtCheckBox;
    FCellGraphic->CellTransparent = ControlLook()->ControlStyle() == TControlLook::csFlat;
    return FCellGraphic.get();
}
