#include "grid/control/settings/BalloonSettings.h"

#include "grid/foundation/model/SettingsNotify.h"

void TBalloonSettings::SetEnable(bool Value)
{
    FEnable = Value;
    if (OnEnableChange) OnEnableChange(this);
}

void TBalloonSettings::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TBalloonSettings*>(&Source);
    if (!other) return;
    TextColor = other->TextColor;
    BackgroundColor = other->BackgroundColor;
    InitialDelay = other->InitialDelay;
    AutoHideDelay = other->AutoHideDelay;
    ReshowDelay = other->ReshowDelay;
    FEnable = other->FEnable;
}

void TShowModified::SetColor(TColor Value) { StoreAndNotify(FColor, Value, OnChange, this); }

void TShowModified::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TShowModified*>(&Source);
    if (!other) return;
    FColor = other->FColor;
    Enabled = other->Enabled;
}
