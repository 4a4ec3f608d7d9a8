#pragma once
#include "workspace/UTitledForm.h"

// The CAN receive frame rule editor. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFReceiveCAN : public TTitledForm {
public:
    explicit TFReceiveCAN(TComponent* owner) : TTitledForm(owner, 1400, 1401) { Set_Lang(); }
};

extern TFReceiveCAN* FReceiveCAN;
