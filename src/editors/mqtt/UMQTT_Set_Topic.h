#pragma once
#include "workspace/UTitledForm.h"

// The MQTT topic editor. For now the window carries its title and texts, so
// that the main window reaches it and relabels it; its content comes with its own issue.
class TFMQTT_Set_Topic : public TTitledForm {
public:
    explicit TFMQTT_Set_Topic(TComponent* owner) : TTitledForm(owner, 1800, 1801) { Set_Lang(); }
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
