#pragma once
#include <string>

#include "workspace/UTitledForm.h"

// The picker of a BACnet engineering unit. The caller puts a code into E_Selected_EU and
// its name into Label5, shows the window and, on OK, takes E_Selected_EU back: either the
// unit picked from the two lists or whatever was typed there.
class TFBACnet_Eng_Unit : public TTitledForm {
public:
    explicit TFBACnet_Eng_Unit(TComponent* owner);

    void Set_Lang() override;
    // The unit's name; "unknown" for a code that names none.
    static std::string Desc_Unit(int Num_Unit);

    void FormShow();
    // Lists the units of the selected category and selects the first.
    void CB_Select_TypeSelect();
    // Makes the listed unit the selected code.
    void Btn_Select_Eng_UnitClick();

    TLabel* Label1;
    TEdit* E_Selected_EU;
    TShape* Shape1;
    TLabel* Label2;
    TLabel* Label3;
    TComboBox* CB_Select_Type;
    TLabel* Label4;
    TComboBox* CB_Select_Unit;
    TLabel* Label5;
    TLbButton* Btn_Select_Eng_Unit;
    TShape* Shape2;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

protected:
    void DoShow() override;
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
