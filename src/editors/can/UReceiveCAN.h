#pragma once
#include "editors/can/CANFrameEditor.h"

// The CAN frames the converter receives from its bus: per frame its identifier and type,
// its data bytes, a time-out for its data and the position of the exchange array each
// byte goes to; stored in CAN_Rec_Frames.xml.
class TFReceiveCAN : public TCANFrameEditor {
public:
    explicit TFReceiveCAN(TComponent* owner);
};

extern TFReceiveCAN* FReceiveCAN;
