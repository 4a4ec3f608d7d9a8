#pragma once
#include "workspace/UTitledForm.h"

// The SNMP rule editor. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFSNMP_Trap_Access : public TTitledForm {
public:
    explicit TFSNMP_Trap_Access(TComponent* owner) : TTitledForm(owner, 1200, 1201) { Set_Lang(); }
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
