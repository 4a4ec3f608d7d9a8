#pragma once
#include "platform/ui/Component.h"

// The glowing frame around the focused cell.
class TFocusHelper : public TPersistent {
public:
    bool Enabled = false;

    void Assign(const TPersistent& Source) override
    {
        if (const auto* other = dynamic_cast<const TFocusHelper*>(&Source)) Enabled = other->Enabled;
    }
};
