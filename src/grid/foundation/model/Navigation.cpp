#include "grid/foundation/model/Navigation.h"

void TNavigation::Changed()
{
    if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value)
{
    if (FAdvanceDirection == Value) return;
    FAdvanceDirection = Value;
    Changed();
}

void TNavigation::SetAdvanceInsert(bool Value)
{
    if (FAdvanceInsert == Value) return;
    FAdvanceInsert = Value;
    Changed();
}

void TNavigation::SetAdvanceAuto(bool Value)
{
    if (FAdvanceAuto == Value) return;
    FAdvanceAuto = Value;
    if (Value) AdvanceOnEnter = true;
}

void TNavigation::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TNavigation*>(&Source);
    if (!other) return;
    const bool keepScrollOnSort = KeepScrollOnSort;
    static_cast<TNavigationOptions&>(*this) = *other;
    KeepScrollOnSort = keepScrollOnSort;
}
