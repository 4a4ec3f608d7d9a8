#pragma once
#include "workspace/UTitledForm.h"

// The BACnet object rule editor. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFBACnetSlaveSetAccess : public TTitledForm {
public:
    explicit TFBACnetSlaveSetAccess(TComponent* owner) : TTitledForm(owner, 1500, 1501) { Set_Lang(); }
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
