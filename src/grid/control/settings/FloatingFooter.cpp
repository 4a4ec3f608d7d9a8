#include "grid/control/settings/FloatingFooter.h"

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
