#pragma once
#include "workspace/UTitledForm.h"

// The Software Options window (language, internet options, grid comforts) with the online
// version check. For now it carries its title and texts; its content comes with its own
// issue.
class TFSoftOptions : public TTitledForm {
public:
    explicit TFSoftOptions(TComponent* owner) : TTitledForm(owner, 300, 301) { Set_Lang(); }

    // True when the version service reports a newer version than this configurator's.
    bool Check_Version() { return false; }
};

extern TFSoftOptions* FSoftOptions;
