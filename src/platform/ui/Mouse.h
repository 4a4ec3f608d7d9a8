#pragma once
#include "platform/ui/Types.h"

// The desktop's mouse settings.
class TMouse {
public:
    // The lines one notch of the wheel scrolls.
    int WheelScrollLines() const;
    // Where the mouse pointer is, in screen pixels.
    TPoint CursorPos() const;
};

extern TMouse* const Mouse;
