#pragma once
#include <string>

#include "platform/rtl/Classes.h"
#include "workspace/UTitledForm.h"

// The Open Configuration window: lists the projects and lets the user pick one, which the
// main window then opens (Name_Conf).
class TFOpenConf : public TTitledForm {
public:
    explicit TFOpenConf(TComponent* owner);
    void Set_Lang() override;

    void FormShow(TObject* Sender);
    void Load_Existing_Configuration();
    int Search_Open_Conf(const std::string& snc) const;
    void ListBox1Click(TObject* Sender);

    TLabel* Label1;
    TListBox* ListBox1;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

    TStringList SL;        // the project names found
    std::string Name_Conf;  // the name chosen

private:
    void Choose(int index);
};

extern TFOpenConf* FOpenConf;
