#pragma once
#include "workspace/UTitledForm.h"

// The device update window. It relabels itself each time it is shown, in the mode that
// Form_Type selects. For now it carries its title and texts; its content comes with its
// own issue.
class TFBoot : public TTitledForm {
public:
    explicit TFBoot(TComponent* owner);

    // Caption and description of the serial mode (0) or of the Ethernet mode (1); any other
    // mode leaves them as they are.
    void Set_Lang() override;

    int Form_Type = 0;  // 0 serial, 1 Ethernet
};

extern TFBoot* FBoot;
