#include "grid/control/settings/ColumnSize.h"

void TColumnSize::SetStretch(bool Value)
{
    FStretch = Value;
    if (OnStretchChange) OnStretchChange();
}

void TColumnSize::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TColumnSize*>(&Source);
    if (!other) return;
    Save = other->Save;
    Key = other->Key;
    Section = other->Section;
    FStretch = other->FStretch;
    StretchColumn = other->StretchColumn;
    SynchWithGrid = other->SynchWithGrid;
    SynchNormalCellsOnly = other->SynchNormalCellsOnly;
    Location = other->Location;
    Rows = other->Rows;
}

void TSizeWhileTyping::Assign(const TPersistent& Source)
{
    if (const auto* other = dynamic_cast<const TSizeWhileTyping*>(&Source)) *this = *other;
}
