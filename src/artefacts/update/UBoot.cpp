#include "artefacts/update/UBoot.h"

#include "workspace/UComon.h"

TFBoot* FBoot = nullptr;

TFBoot::TFBoot(TComponent* owner) : TTitledForm(owner, 1000, 1001)
{
    OnShow = [this](TObject*) {
        L_SW_Code->SetCaption(SW_Code);
        Set_Lang();
    };
}

void TFBoot::Set_Lang()
{
    if (Form_Type == 0) Set_Title_Texts(1000, 1001);
    if (Form_Type == 1) Set_Title_Texts(1002, 1003);
}
