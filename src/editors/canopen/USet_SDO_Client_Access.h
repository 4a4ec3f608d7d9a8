#pragma once
#include "workspace/UTitledForm.h"

// The CANopen SDO client rule editor. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFSet_SDO_Client_Access : public TTitledForm {
public:
    explicit TFSet_SDO_Client_Access(TComponent* owner) : TTitledForm(owner, 2100, 2101) { Set_Lang(); }
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
