#pragma once
#include <string>

#include "editors/frame/RuleEditorForm.h"

struct TSNMPTableLayout;

// The SNMP rules of the converter: the traps it sends from data of its exchange array
// ("SNMP Read", grid ECG_SNMP_Read) and the values a manager may write into the array
// ("SNMP Write", grid ECG_SNMP_Write); stored in SNMP_Trap.xml, which the MIB generator
// reads too. Column 0 numbers the enabled rules in the order the MIB lists them.
class TFSNMP_Trap_Access : public TRuleEditorForm {
public:
    explicit TFSNMP_Trap_Access(TComponent* owner);

    void FormShow() override;
    // Column 0 of the grid := 1, 2, 3 ... for the enabled rows, empty for the others.
    void Index_Row_Build(TExtColumnGrid& app_SGA);

    int NByte_IN = 1438;
    int NByte_OUT = 1438;

protected:
    std::string Check_Row(int Table, int Row) const override;
    // Every description, over both tables, names one MIB object.
    std::string Check_Across_Rows() const override;

private:
    std::string Format_Rule(const TSNMPTableLayout& Layout, int Table, int Row) const;
};

// 0 when every character is a digit or an ASCII letter and, with Check_Type 1, the first
// is a lower-case letter; 1 otherwise. An empty text gives 0.
int Check_Error_CommName_Desc(const std::string& str, int Check_Type);

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
