#include "grid/control/settings/DragScrollOptions.h"

void TDragScrollOptions::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TDragScrollOptions*>(&Source);
    if (!other) return;
    Active = other->Active;
    Delays = other->Delays;
    Margins = other->Margins;
}
