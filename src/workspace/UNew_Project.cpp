#include "workspace/UNew_Project.h"

#include "platform/ui/Dialogs.h"
#include "workspace/ULanguage.h"
#include "workspace/UProjects.h"

TFNew_Project* FNew_Project = nullptr;

TFNew_Project::TFNew_Project(TComponent* owner) : TTitledForm(owner, 100, 101)
{
    Make_Fixed_Size(*this);
    SetClientSize(331, 162);

    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetParent(this);
    Label1->SetLeft(16);
    Label1->SetTop(70);

    E_New_Proj = new TEdit(this);
    E_New_Proj->SetName("E_New_Proj");
    E_New_Proj->SetParent(this);
    E_New_Proj->SetBounds(16, 94, 297, 21);
    E_New_Proj->SetShowHint(true);
    E_New_Proj->SetTabStop(true);
    E_New_Proj->OnKeyPress = [this](TObject* sender, char32_t& key) { E_New_ProjKeyPress(sender, key); };

    P_Button = Add_Button_Panel();
    Btn_OK = Add_Button(P_Button, "Btn_OK", 85, mrNone);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_Cancel = Add_Button(P_Button, "Btn_Cancel", 203, mrCancel);

    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TFNew_Project::Set_Lang()
{
    TTitledForm::Set_Lang();
    Label1->SetCaption(Lang_Table[102]);
    Btn_OK->SetCaption(Lang_Table[103]);
    Btn_Cancel->SetCaption(Lang_Table[104]);
    E_New_Proj->SetHint(Lang_Table[108]);
    Btn_OK->SetHint(Lang_Table[109]);
    Btn_Cancel->SetHint(Lang_Table[110]);
}

void TFNew_Project::FormShow(TObject*)
{
    E_New_Proj->SetText("");
    if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(TObject* Sender, char32_t& Key)
{
    if (Key != U'\r') return;
    Key = 0;
    Btn_OKClick(Sender);
}

void TFNew_Project::Btn_OKClick(TObject*)
{
    std::string cause;
    if (const int refusal = Create_Project(E_New_Proj->Text(), &cause)) {
        MessageDlg(cause.empty() ? Lang_Table[refusal] : Lang_Table[refusal] + " " + cause, mtError, {mbOK},
                   0);
        return;
    }
    SetModalResult(mrOk);
}
