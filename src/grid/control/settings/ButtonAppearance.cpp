#include "grid/control/settings/ButtonAppearance.h"

TExtButtonAppearance::TExtButtonAppearance() : FFont(std::make_unique<TFont>()) { FFont->SetName("Tahoma"); }

TExtButtonAppearance::~TExtButtonAppearance() = default;

void TExtButtonAppearance::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TExtButtonAppearance*>(&Source);
    if (!other) return TPersistent::Assign(Source);
    SetBorderColor(other->FBorderColor);
    SetBorderColorHot(other->FBorderColorHot);
    SetBorderColorDown(other->FBorderColorDown);
    SetBorderColorDisabled(other->FBorderColorDisabled);
    SetBorderColorChecked(other->FBorderColorChecked);
    SetColor(other->FColor);
    SetColorTo(other->FColorTo);
    SetColorDisabled(other->FColorDisabled);
    SetColorDisabledTo(other->FColorDisabledTo);
    SetColorDown(other->FColorDown);
    SetColorDownTo(other->FColorDownTo);
    SetColorHot(other->FColorHot);
    SetColorHotTo(other->FColorHotTo);
    SetColorChecked(other->FColorChecked);
    SetColorCheckedTo(other->FColorCheckedTo);
    SetGradient(other->FGradient);
}
