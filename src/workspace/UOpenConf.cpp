#include "workspace/UOpenConf.h"

#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/UProjects.h"

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(TComponent* owner) : TTitledForm(owner, 200, 201)
{
    SetBorderStyle(bsSizeable);
    SetClientSize(377, 351);

    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetParent(this);
    Label1->SetLeft(16);
    Label1->SetTop(70);

    P_Button = Add_Button_Panel();
    Btn_OK = Add_Button(P_Button, "Btn_OK", 123, mrOk);
    Btn_Cancel = Add_Button(P_Button, "Btn_Cancel", 241, mrCancel);
    for (TLbButton* button : {Btn_OK, Btn_Cancel})
        button->SetAnchors({akTop, akRight});

    ListBox1 = new TListBox(this);
    ListBox1->SetName("ListBox1");
    ListBox1->SetParent(this);
    ListBox1->SetBounds(16, 94, ClientWidth() - 32, ClientHeight() - P_Button->Height() - 94 - 8);
    ListBox1->SetAnchors({akLeft, akTop, akRight, akBottom});
    ListBox1->SetShowHint(true);
    ListBox1->OnClick = [this](TObject* sender) { ListBox1Click(sender); };

    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TFOpenConf::Set_Lang()
{
    TTitledForm::Set_Lang();
    Label1->SetCaption(Lang_Table[202]);
    Btn_OK->SetCaption(Lang_Table[203]);
    Btn_Cancel->SetCaption(Lang_Table[204]);
    ListBox1->SetHint(Lang_Table[205]);
    Btn_OK->SetHint(Lang_Table[206]);
    Btn_Cancel->SetHint(Lang_Table[207]);
}

void TFOpenConf::Load_Existing_Configuration() { Load_Project_Names(Projects_Dir, SL); }

int TFOpenConf::Search_Open_Conf(const std::string& snc) const { return Search_Project_Name(SL, snc); }

void TFOpenConf::FormShow(TObject*)
{
    Load_Existing_Configuration();
    ListBox1->Items()->Clear();
    for (int i = 0; i < SL.Count(); ++i)
        ListBox1->Items()->Add(SL[i]);
    const int open = Search_Open_Conf(Open_Project_Folder_Name());
    Choose(open >= 0 ? open : (SL.Count() > 0 ? 0 : -1));
}

void TFOpenConf::Choose(int index)
{
    ListBox1->SetItemIndex(index);
    Name_Conf = index >= 0 ? SL[index] : std::string();
}

// The name comes from the folder listing, not from the list's text: a folder name that is no
// UTF-8 text shows with replacement characters, which name no folder on disk.
void TFOpenConf::ListBox1Click(TObject*)
{
    const int index = ListBox1->ItemIndex();
    if (index >= 0 && index < SL.Count()) Name_Conf = SL[index];
}
