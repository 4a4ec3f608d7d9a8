#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/Grouping.h"
#include "grid/foundation/model/MouseActions.h"

void TExtStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit)
{
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

bool TExtStringGrid::IsCellEditorNone(int ACol, int ARow)
{
    if (!OnGetEditorType) return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

// A grid cut down to its fixed rows (or columns) keeps them fixed with the "always"
// options, which the platform grid alone cannot.
void TExtStringGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed) const
{
    IsFixed = IsFixed || (FixedRowAlways && ARow <= FFixedRowsMin && RowCount() == FFixedRowsMin) ||
              (FixedColAlways && ACol < FFixedColsMin && ColCount() == FFixedColsMin) || ACol < FixedCols() ||
              ARow < FixedRows();
    if (!IsFixed && OnIsFixedCell) OnIsFixedCell(const_cast<TExtStringGrid*>(this), ARow, ACol, IsFixed);
}

// The painter asks IsFixed too and draws the fixed footers and right columns in their own
// look; the focus rules ask this one, which also counts them.
bool TExtStringGrid::IsFixedForFocus(int ADisplCol, int ADisplRow) const
{
    const TPoint base = BaseCell(RealColIndex(ADisplCol), ADisplRow);
    const int baseCol = DisplColIndex(base.X);
    if (base.Y >= RowCount() - FixedFooters) return true;
    if (baseCol >= ColCount() - FixedRightCols && baseCol < ColCount()) return true;
    return IsFixed(ADisplCol, ADisplRow);
}

bool TExtStringGrid::IsFixed(int ACol, int ARow) const
{
    bool fixed = false;
    IsFixedCell(ACol, ARow, fixed);
    return fixed;
}

// ACol is a real column. A cell's read-only flag counts only while editing is on or was
// switched off by the grid itself.
void TExtStringGrid::IsReadOnlyCell(int ACol, int ARow, bool& CanEdit)
{
    const TPoint base = BaseCell(ACol, ARow);
    if (const TCellProperties* props = FindCellProperties(base.X, base.Y); props && CanEdit) {
        CanEdit = !props->ReadOnly;
        if (!Options().Contains(goEditing) && !FEditDisable && !MouseActions()->RangeSelectAndEdit)
            CanEdit = false;
    }
    if (base.X < TotalColCount())
        CanEditCell(base.X, base.Y, CanEdit);
    else
        CanEdit = true;
}

void TExtStringGrid::CellChanging(int NewCol, int NewRow, bool& Allow)
{
    if (NewRow != Row() && OnRowChanging) OnRowChanging(this, Row(), NewRow, Allow);
    if (NewCol != Col() && OnColChanging) OnColChanging(this, Col(), NewCol, Allow);
    if ((NewRow != Row() || NewCol != Col()) && OnCellChanging && !FDisableChange)
        OnCellChanging(this, Row(), Col(), NewRow, NewCol, Allow);
}

void TExtStringGrid::StoreOldCellValue(int ACol, int ARow)
{
    FOldCol = ACol;
    FOldRow = ARow;
    FOldCellText = GridCells(RealColIndex(ACol), ARow);
    FOldModifiedValue = FModified;
}

void TExtStringGrid::GetCellHint(int ACol, int ARow, std::string& Hint, std::string& WideHint)
{
    if (OnGridHint) OnGridHint(this, ARow, ACol, Hint);
    if (OnGridWideHint) OnGridWideHint(this, ARow, ACol, WideHint);
    if (!WideHint.empty()) Hint = WideHint;
}

void TExtStringGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                       TFont* AFont)
{
    if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

bool TExtStringGrid::HasCustomCellBorders() const
{
    return OnGetCellBorder || Grouping()->HeaderUnderline || Grouping()->SummaryLine;
}

// Group headers can be underlined and summary rows lined on top, beside the node column.
void TExtStringGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    const TGrouping& look = *Grouping();
    if (look.HeaderUnderline && ACol > 0 && IsNode(ARow)) {
        Borders = {cbBottom};
        APen->SetColor(look.HeaderLineColor);
        APen->SetWidth(look.HeaderLineWidth);
    }
    if (look.SummaryLine && ACol > 0 && IsSummary(ARow)) {
        Borders = {cbTop};
        APen->SetColor(look.SummaryLineColor);
        APen->SetWidth(look.SummaryLineWidth);
    }
    if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

// The check box column of a hotmail-style row selection is centred.
void TExtStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol == 0 && MouseActions()->HotmailRowSelect()) HAlign = taCenter;
    if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExtStringGrid::GetColFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix)
{
    if (OnGetFormat) OnGetFormat(this, ACol, AStyle, APrefix, ASuffix);
}

void TExtStringGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExtStringGrid::GetCellEditorEx(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExtStringGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TExtStringGrid::GetCellWordWrap(int ACol, int ARow, bool& WordWrap)
{
    if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

// Without a handler, an always-visible editor button shows where the cell's editor kind has one.
bool TExtStringGrid::HasCombo(int ACol, int ARow)
{
    bool hasCombo = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, hasCombo);
    } else if (ControlLook()->DropDownAlwaysVisible()) {
        TEditorType kind = DefaultEditor;
        GetCellEditorEx(ACol, ARow, kind);
        hasCombo = kind == edComboEdit || kind == edComboList;
    }
    return hasCombo;
}

bool TExtStringGrid::HasSpinEdit(int ACol, int ARow)
{
    bool hasSpin = false;
    if (ACol < FixedCols() || ARow < FixedRows()) return false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, hasSpin);
    } else if (ControlLook()->SpinButtonsAlwaysVisible()) {
        TEditorType kind = DefaultEditor;
        GetCellEditor(ACol, ARow, kind);
        hasSpin = kind == edSpinEdit || kind == edFloatSpinEdit || kind == edTimeSpinEdit || kind == edDateSpinEdit;
    }
    return hasSpin;
}

void TExtStringGrid::GetCheckTrue(int ACol, int ARow, std::string& Value)
{
    Value = CheckTrue;
    if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExtStringGrid::GetCheckFalse(int ACol, int ARow, std::string& Value)
{
    Value = CheckFalse;
    if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

void TExtStringGrid::GetCellCursor(int ACol, int ARow, int X, int Y)
{
    if (!OnGetCellCursor) return;
    TCursor cursor = Cursor();
    OnGetCellCursor(this, ACol, ARow, X, Y, cursor);
    FShownCursor = cursor;
}

void TExtStringGrid::CanAddRow(bool& CanAdd)
{
    if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TExtStringGrid::CanInsertRow(int ARow, bool& CanInsert)
{
    if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}
