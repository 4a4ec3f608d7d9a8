#pragma once
#include "workspace/UTitledForm.h"

// The Set Communication window (ParGen.xml). For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFParGen : public TTitledForm {
public:
    explicit TFParGen(TComponent* owner) : TTitledForm(owner, 400, 401) { Set_Lang(); }
};

extern TFParGen* FParGen;
