#include "editors/ethernetip/OkCancelForm.h"

#include "workspace/ULanguage.h"

TOkCancelForm::TOkCancelForm(TComponent* owner, int FirstText, int ClientWidth, TModalResult OkResult)
    : TTitledForm(owner, FirstText, FirstText + 1), firstText_(FirstText)
{
    SetClientWidth(ClientWidth);
    SetClientHeight(337);
    P_Button = Add_Button_Panel();
    Btn_OK = Add_Button(P_Button, "Btn_OK", 16, OkResult);
    Btn_Cancel = Add_Button(P_Button, "Btn_Cancel", 134, mrCancel);
}

void TOkCancelForm::Set_Lang()
{
    TTitledForm::Set_Lang();
    Btn_OK->SetCaption(Lang_Table[firstText_ + 2]);
    Btn_Cancel->SetCaption(Lang_Table[firstText_ + 3]);
    Btn_OK->SetHint(Lang_Table[firstText_ + 4]);
    Btn_Cancel->SetHint(Lang_Table[firstText_ + 5]);
}

void TOkCancelForm::DoShow()
{
    FormShow();
    TTitledForm::DoShow();
}
