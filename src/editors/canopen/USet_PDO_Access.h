#pragma once
#include "editors/frame/RuleEditorForm.h"

// The CANopen process data objects the converter receives ("Receive PDO", grid sga) and
// sends ("Transmit PDO", grid sgb), each data byte tied to a position of the exchange
// arrays; stored in PDO_CANopen.xml.
class TFSet_PDO_Access : public TRuleEditorForm {
public:
    explicit TFSet_PDO_Access(TComponent* owner);
};

extern TFSet_PDO_Access* FSet_PDO_Access;
