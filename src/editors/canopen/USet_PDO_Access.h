#pragma once
#include "workspace/UTitledForm.h"

// The CANopen PDO rule editor. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFSet_PDO_Access : public TTitledForm {
public:
    explicit TFSet_PDO_Access(TComponent* owner) : TTitledForm(owner, 2000, 2001) { Set_Lang(); }
};

extern TFSet_PDO_Access* FSet_PDO_Access;
