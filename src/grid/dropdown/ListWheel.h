#pragma once

// A wheel move in a drop-down's list scrolls it without choosing the rows it passes over.
template <class TMove> bool WheelWithoutPicking(bool& WheelSelection, bool& ConfirmSelection, TMove Move)
{
    WheelSelection = true;
    ConfirmSelection = false;
    const bool Handled = Move();
    WheelSelection = false;
    return Handled;
}
