#pragma once
#include "platform/ui/Forms.h"

// Shows the hourglass while it lives and puts the earlier cursor back, also after an error.
class TBusyCursor {
public:
    TBusyCursor() : FPrevious(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
    ~TBusyCursor() { Screen->SetCursor(FPrevious); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    TCursor FPrevious;
};
