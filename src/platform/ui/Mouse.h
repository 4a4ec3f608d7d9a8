#pragma once

// The desktop's mouse settings.
class TMouse {
public:
    // The lines one notch of the wheel scrolls.
    int WheelScrollLines() const;
};

extern TMouse* const Mouse;
