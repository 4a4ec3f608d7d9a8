#pragma once
#include "workspace/UTitledForm.h"

// The KNX rule editor. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFKNXAccess : public TTitledForm {
public:
    explicit TFKNXAccess(TComponent* owner) : TTitledForm(owner, 1700, 1701) { Set_Lang(); }
};

extern TFKNXAccess* FKNXAccess;
