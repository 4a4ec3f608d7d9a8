#include "grid/control/settings/ProgressAppearance.h"

void TGridProgressAppearance::Changed()
{
    if (OnChange) OnChange(this);
}

void TGridProgressAppearance::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TGridProgressAppearance*>(&Source);
    if (!other) return;
    FValues = other->FValues;
    Changed();
}
