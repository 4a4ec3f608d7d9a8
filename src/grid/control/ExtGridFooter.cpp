#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/FloatingFooter.h"

int TExtStringGrid::FooterRow() const { return RowCount() - 1; }

bool TExtStringGrid::HasFooterRow() const
{
    return FloatingFooter()->Visible() && FloatingFooter()->FooterStyle() == fsFixedLastRow && RowCount() > 0;
}

// The row cut off by a lower count gives its place, and its properties, to the footer; a
// higher count leaves an empty row where the footer was.
void TExtStringGrid::MoveFooterRow(int OldFooter)
{
    const int footer = RowCount() - 1;
    if (footer < 0) return;
    if (footer < OldFooter) FreeCellPropertiesRange(0, footer, TotalColCount() - 1, footer);
    for (int c = 0; c < TotalColCount(); ++c) {
        SetGridCells(c, footer, GridCells(c, OldFooter));
        SetGridObjects(c, footer, GridObjects(c, OldFooter));
    }
    ClearRowSlot(TDisplRow(OldFooter));
    InvalidateRow(OldFooter);
    CalcFooter(-1);
}

void TExtStringGrid::SetFixedFooters(int Value)
{
    FixedFooters = Value;
    Invalidate();
}

void TExtStringGrid::SetFixedRightCols(int Value)
{
    FixedRightCols = Value;
    Invalidate();
}

void TExtStringGrid::UpdateFooter()
{
    if (HasFooterRow()) RepaintRow(FooterRow());
}

void TExtStringGrid::FooterRowChanged()
{
    TBaseGrid::FooterRowChanged();
    UpdateFooter();
}

namespace {

using TColumnStatistic = double (TExtStringGrid::*)(int ACol, int FromRow, int ToRow) const;

TColumnStatistic StatisticOf(TColumnCalcType CalcType)
{
    switch (CalcType) {
    case acSUM:
        return &TExtStringGrid::ColumnSum;
    case acAVG:
        return &TExtStringGrid::ColumnAvg;
    case acMIN:
        return &TExtStringGrid::ColumnMin;
    case acMAX:
        return &TExtStringGrid::ColumnMax;
    case acDISTINCT:
        return &TExtStringGrid::ColumnDistinct;
    case acSTDDEV:
        return &TExtStringGrid::ColumnStdDev;
    default:
        return nullptr;
    }
}

} // namespace

// Each footer cell whose properties name a calculation gets it over the normal rows above
// the footer, the hidden ones too with CalculateHiddenRows. A column whose first row holds
// no number keeps its footer as it was.
void TExtStringGrid::CalcFooterCells(int ACol)
{
    if (!HasFooterRow() || !FloatingFooter()->EnableCalculation) return;
    const int hidden = FloatingFooter()->CalculateHiddenRows ? NumHiddenRows() : 0;
    const int footer = FooterRow();
    const int first = FixedRows();
    const int last = footer - 1 + hidden;
    const int firstCol = ACol == -1 ? 0 : ACol;
    const int lastCol = ACol == -1 ? AllColCount() - 1 : ACol;
    for (int c = firstCol; c <= lastCol; ++c) {
        const TCellProperties* props = FindCellProperties(c, footer);
        if (!props) continue;
        if (const TColumnStatistic statistic = StatisticOf(props->CalcType)) {
            try {
                SetFloats(c, footer, last >= first ? (this->*statistic)(c, first, last) : 0);
            } catch (const EExtGridError&) {
            }
        } else if (props->CalcType == acCOUNT) {
            SetInts(c, footer, hidden + RowCount() - FixedRows() - 1);
        } else if (props->CalcType == acCUSTOM) {
            std::string value;
            if (OnCalcFooter)
                OnCalcFooter(this, c, hidden + footer, value);
            else if (FloatingFooter()->OnCalcFooter)
                FloatingFooter()->OnCalcFooter(this, c, hidden + footer, value);
            SetCells(c, footer, value);
        }
    }
}
