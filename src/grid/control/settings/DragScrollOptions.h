#pragma once
#include "platform/ui/Component.h"

// While something is dragged over the grid within a margin of an edge, the grid scrolls
// towards that edge: first after InitialDelay, then every RepeatDelay milliseconds.
struct TDragScrollDelays {
    int InitialDelay = 1000;
    int RepeatDelay = 250;
};

struct TDragScrollMargins {
    int TopMargin = 50;
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
};

class TDragScrollOptions : public TPersistent {
public:
    bool Active = false;
    TDragScrollDelays Delays;
    TDragScrollMargins Margins;

    void Assign(const TPersistent& Source) override;
};
