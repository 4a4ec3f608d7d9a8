#pragma once
#include "editors/canopen/SdoEntrySizes.h"
#include "editors/frame/RuleEditorForm.h"

// The entries of the converter's object dictionary that CANopen clients read ("SDO in
// Read", grid sga) and write ("SDO in Write", grid sgb), each tied to byte positions of
// the exchange arrays; stored in SDO_Server_CANopen.xml.
class TFSet_SDO_Server_Access : public TRuleEditorForm {
public:
    explicit TFSet_SDO_Server_Access(TComponent* owner);

protected:
    // Sub-index 255 is reserved for the object's structure.
    std::string Check_Row(int Table, int Row) const override;
    // Sub-index 0 of an index holds the number of its entries, so an index is either one
    // value at sub-index 0 or a record of other sub-indexes, over both tables; and an entry
    // read and written has one size.
    std::string Check_Across_Rows() const override;

private:
    std::vector<TSDO_Row> Table_Rows(int Table) const;
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;
