#pragma once
#include "workspace/UTitledForm.h"

// The window that composes the GSDML file name. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFProfinetFileName : public TTitledForm {
public:
    explicit TFProfinetFileName(TComponent* owner) : TTitledForm(owner, 900, 901) { Set_Lang(); }
};

extern TFProfinetFileName* FProfinetFileName;
