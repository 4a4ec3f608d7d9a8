#pragma once
#include "editors/frame/RuleEditorForm.h"

// The BACnet objects a BACnet slave converter exposes: the objects clients read (grid
// ECG_BACnet_in_Read, values in the input exchange array) and write (ECG_BACnet_in_Write,
// values in the output exchange array), each with its engineering unit; stored in
// BACnet_Slave_SetAccess.xml. The communication parameters choose between 2000 objects per
// grid and 2000 in all, or 1000 per grid and 1000 in all.
class TFBACnetSlaveSetAccess : public TRuleEditorForm {
public:
    explicit TFBACnetSlaveSetAccess(TComponent* owner);

    void Set_Lang() override;
    void FormShow() override;
    // Column 2 of a rule row opens the engineering-unit picker for the cell.
    void DblClickCell(TObject* Sender, int ARow, int ACol) override;
    // A type chosen in the write grid presets the row's Length.
    void ECG_BACnet_in_WriteComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                        const std::string& ASelection);

    TExtColumnGrid* ECG_BACnet_in_Read;
    TExtColumnGrid* ECG_BACnet_in_Write;
    // True in the 1000-object mode of the communication parameters, read at each show.
    bool Desc_Lenght = false;

protected:
    std::string Check_Row(int Table, int Row) const override;
    // The objects of both grids together stay within the mode's limit.
    std::string Check_Across_Rows() const override;

private:
    void Pick_Unit(TExtColumnGrid& Grid, int Row);
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;

// Whether the communication parameters (ParGen.xml) ask for the 1000-object mode; false
// when they cannot be read.
bool BACnet_Desc_Chars_Limit(const std::string& ParGen);
