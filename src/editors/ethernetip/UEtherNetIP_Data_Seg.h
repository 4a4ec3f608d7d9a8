#pragma once
#include "workspace/UTitledForm.h"

// The editor of a scan-list entry's configuration data segment. For now the window carries its title and
// texts, so that the main window reaches it and relabels it; its content comes with its own issue.
class TFEtherNetIP_Data_Seg : public TTitledForm {
public:
    explicit TFEtherNetIP_Data_Seg(TComponent* owner) : TTitledForm(owner, 2400, 2401) { Set_Lang(); }
};

extern TFEtherNetIP_Data_Seg* FEtherNetIP_Data_Seg;
