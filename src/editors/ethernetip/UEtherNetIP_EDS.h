#pragma once
#include "workspace/UTitledForm.h"

// The chooser of the connection of an imported EDS file. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFEtherNEtIP_EDS : public TTitledForm {
public:
    explicit TFEtherNEtIP_EDS(TComponent* owner) : TTitledForm(owner, 2300, 2301) { Set_Lang(); }
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;
