#include "grid/control/settings/DragDropSettings.h"

#include "grid/foundation/dragdrop/DragDropFormats.h"
#include "grid/foundation/model/SettingsNotify.h"

void TDragDropSettings::SetOleDropRTF(bool Value)
{
    FOleDropRTF = Value;
    SetDragDropActive(Value);
}

void TDragDropSettings::SetOleDropTarget(bool Value)
{
    StoreAndNotify(FOleDropTarget, Value, OnDropTargetChange, this);
}

void TDragDropSettings::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TDragDropSettings*>(&Source);
    if (!other) return;
    static_cast<TDragDropFlags&>(*this) = *other;
    FOleDropRTF = other->FOleDropRTF;
    FOleDropTarget = other->FOleDropTarget;
}
