#pragma once
#include "platform/ui/Types.h"

// Where the combined date-and-time picker puts its time field. The offsets are those of a
// window whose frame lies outside its client area; here a control draws its frame inside
// its own bounds, so the field is moved in by the frame's width and kept inside it, as the
// frame area would clip it there.
struct TTimeFieldLook {
    bool hasLocaleInfoEx = true;
    bool commonControls6 = true; // version 6 or later, and the theme query exists
    bool themeActive = true;
    bool metro = false;
    bool bevelled = false; // a bevel kind with an inner or outer bevel
    int frame = 0;         // width of the frame drawn inside the control
};

// `textWidth`: the time field's text in the control's font.
TRect TimeFieldBounds(const TTimeFieldLook& look, int width, int height, int textWidth);
