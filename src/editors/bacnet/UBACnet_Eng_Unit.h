#pragma once
#include "workspace/UTitledForm.h"

// The picker of a BACnet engineering unit. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFBACnet_Eng_Unit : public TTitledForm {
public:
    explicit TFBACnet_Eng_Unit(TComponent* owner) : TTitledForm(owner, 1600, 1601) { Set_Lang(); }
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
