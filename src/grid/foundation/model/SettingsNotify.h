#pragma once
#include "platform/ui/Component.h"

// The settings objects never call the grid; their writers store the value and tell the
// grid through an event that it wires to its own handler (repaint, re-layout ...).

// Stores Value and raises Event, whether the value changed or not.
template <typename T>
void StoreAndNotify(T& Field, const T& Value, const TNotifyEvent& Event, TObject* Sender)
{
    Field = Value;
    if (Event) Event(Sender);
}

// Stores Value and raises Event only when the value differs from the stored one.
template <typename T> void StoreChanged(T& Field, const T& Value, const TNotifyEvent& Event, TObject* Sender)
{
    if (Field == Value) return;
    StoreAndNotify(Field, Value, Event, Sender);
}
