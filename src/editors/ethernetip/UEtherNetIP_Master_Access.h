#pragma once
#include "workspace/UTitledForm.h"

// The EtherNet/IP scan list editor. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFEtherNetIP_Master_Access : public TTitledForm {
public:
    explicit TFEtherNetIP_Master_Access(TComponent* owner) : TTitledForm(owner, 800, 801) { Set_Lang(); }
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;
