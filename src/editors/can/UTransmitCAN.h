#pragma once
#include "editors/can/CANFrameEditor.h"

// The CAN frames the converter sends on its bus: per frame its identifier and type, its
// data bytes, whether it goes on a change of its data or on a timer, and the position of
// the exchange array each byte comes from; stored in CAN_Send_Frames.xml. The converter
// sends no frame on command: that column stays hidden and always reads "N".
class TFTransmitCAN : public TCANFrameEditor {
public:
    explicit TFTransmitCAN(TComponent* owner);

    void Btn_OK_Click() override;

protected:
    void Loaded_Row(int Table, int Row, const std::vector<bool>& Present) override;
};

extern TFTransmitCAN* FTransmitCAN;
