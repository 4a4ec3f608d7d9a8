#pragma once
#include "workspace/UTitledForm.h"

// The editor of one MQTT topic or template text. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFTopicTemplate : public TTitledForm {
public:
    explicit TFTopicTemplate(TComponent* owner) : TTitledForm(owner, 1900, 1902) { Set_Lang(); }
};

extern TFTopicTemplate* FTopicTemplate;
