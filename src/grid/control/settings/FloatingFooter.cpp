#include "grid/control/settings/FloatingFooter.h"

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/CellProperties.h"

void TFloatingFooter::SetBorderColor(TColor Value)
{
    if (FBorderColor != Value) Store(FBorderColor, Value, ffcLook);
}

void TFloatingFooter::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TFloatingFooter*>(&Source);
    if (!other) return;
    CalculateHiddenRows = other->CalculateHiddenRows;
    FColor = other->FColor;
    FColumn = other->FColumn;
    FCustomTemplate = other->FCustomTemplate;
    FFooterStyle = other->FFooterStyle;
    SetVisible(other->FVisible);
    FShowHint = other->FShowHint;
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int Col) const
{
    const TCellProperties* props = FGrid ? FGrid->FindCellProperties(Col, FGrid->RowCount() - 1) : nullptr;
    return props ? props->CalcType : acNONE;
}

void TFloatingFooter::SetColumnCalc(int Col, TColumnCalcType Calc)
{
    if (!FGrid) return;
    FGrid->GetCellProperties(Col, FGrid->RowCount() - 1)->CalcType = Calc;
    FGrid->CellsLoaded(Col, FGrid->RowCount() - 1);
}
