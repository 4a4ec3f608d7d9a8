#pragma once
#include "workspace/UTitledForm.h"

// The CAN transmit frame rule editor. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFTransmitCAN : public TTitledForm {
public:
    explicit TFTransmitCAN(TComponent* owner) : TTitledForm(owner, 1300, 1301) { Set_Lang(); }
};

extern TFTransmitCAN* FTransmitCAN;
