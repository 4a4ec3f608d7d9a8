#pragma once
#include "editors/frame/RuleEditorForm.h"

// The KNX messages the converter sends: per message its source and destination
// addresses, service, priority and data format, when it goes (on command, on a change,
// on a timer) and the bytes or bits of the exchange array it carries; stored in
// KNX_SetAccess.xml.
class TFKNXAccess : public TRuleEditorForm {
public:
    explicit TFKNXAccess(TComponent* owner);

    void FormShow() override;

    // Size of the exchange array that positions index.
    int Max_Num_Byte = 1560;

protected:
    std::string Check_Row(int Table, int Row) const override;
    bool Is_Enabled(int Table, int Row) const override;
    // A priority the list does not offer reads as "Normal".
    void Loaded_Row(int Table, int Row, const std::vector<bool>& Present) override;

private:
    std::string Address_Rule(int Row) const;
    std::string Data_Rule(int Row) const;
};

extern TFKNXAccess* FKNXAccess;
