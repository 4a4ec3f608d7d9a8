#pragma once
#include "editors/frame/RuleEditorForm.h"

// The SDO requests the converter sends to other CANopen devices: reads ("SDO Read", grid
// sga) and writes ("SDO Write", grid sgb), each tied to byte positions of the exchange
// arrays; stored in SDO_Client_CANopen.xml.
class TFSet_SDO_Client_Access : public TRuleEditorForm {
public:
    explicit TFSet_SDO_Client_Access(TComponent* owner);
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
