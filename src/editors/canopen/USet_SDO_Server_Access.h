#pragma once
#include "workspace/UTitledForm.h"

// The CANopen SDO server rule editor. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFSet_SDO_Server_Access : public TTitledForm {
public:
    explicit TFSet_SDO_Server_Access(TComponent* owner) : TTitledForm(owner, 2200, 2201) { Set_Lang(); }
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;
