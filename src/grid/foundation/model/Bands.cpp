#include "grid/foundation/model/Bands.h"

#include "grid/foundation/model/SettingsNotify.h"

void TBands::SetActive(bool Value) { StoreChanged(FActive, Value, OnChange, this); }

template <typename T> void TBands::Change(T& Field, T Value)
{
    if (Field == Value) return;
    Field = Value;
    if (FActive && OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value) { Change(FPrimaryColor, Value); }
void TBands::SetPrimaryLength(int Value) { Change(FPrimaryLength, Value); }
void TBands::SetSecondaryColor(TColor Value) { Change(FSecondaryColor, Value); }
void TBands::SetSecondaryLength(int Value) { Change(FSecondaryLength, Value); }

void TBands::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TBands*>(&Source);
    if (!other) return;
    FActive = other->FActive;
    FPrimaryColor = other->FPrimaryColor;
    FPrimaryLength = other->FPrimaryLength;
    FSecondaryColor = other->FSecondaryColor;
    FSecondaryLength = other->FSecondaryLength;
    Print = other->Print;
}
