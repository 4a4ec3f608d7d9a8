#pragma once
#include "workspace/UTitledForm.h"

// The New Configuration window: asks for the name of a new project, creates its folder and
// opens it; closes with OK only when the project exists.
class TFNew_Project : public TTitledForm {
public:
    explicit TFNew_Project(TComponent* owner);
    void Set_Lang() override;

    void FormShow(TObject* Sender);
    void E_New_ProjKeyPress(TObject* Sender, char32_t& Key);
    void Btn_OKClick(TObject* Sender);

    TLabel* Label1;
    TEdit* E_New_Proj;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
};

extern TFNew_Project* FNew_Project;
