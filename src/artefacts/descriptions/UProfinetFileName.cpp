#include "artefacts/descriptions/UProfinetFileName.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"
#include "workspace/ULanguage.h"

TFProfinetFileName* FProfinetFileName = nullptr;

const std::string GSDML_Name_Fix = "GSDML-V2.31-Quorvane-GW30628";

std::string GSDML_Date_Part(TDateTime day)
{
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    return Format("-%.4d%.2d%.2d.xml", {year, month, dayOfMonth});
}

std::string GSDML_File_Name(const std::string& userPart, const std::string& datePart)
{
    if (Trim(userPart).empty()) return GSDML_Name_Fix + datePart;
    const std::string joint = userPart.front() == '_' ? "" : "_";
    return GSDML_Name_Fix + joint + userPart + datePart;
}

namespace {
TLabel* Add_Label(TFProfinetFileName& form, const std::string& name, int left, int top, bool tahoma)
{
    auto* label = Add_Control<TLabel>(&form, &form, name);
    label->SetLeft(left);
    label->SetTop(top);
    if (tahoma) {
        label->SetParentFont(false);
        label->Font()->SetName("Tahoma");
        label->Font()->SetSize(8);
    }
    return label;
}
} // namespace

TFProfinetFileName::TFProfinetFileName(TComponent* owner) : TTitledForm(owner, 900, 901)
{
    Make_Fixed_Size(*this);
    SetClientSize(540, 205);

    Label1 = Add_Label(*this, "Label1", 16, 70, false);
    Label2 = Add_Label(*this, "Label2", 16, 107, true);
    L_XML_Fix1 = Add_Label(*this, "L_XML_Fix1", 16, 126, true);
    Label4 = Add_Label(*this, "Label4", 179, 107, true);
    E_XML_User = Add_Control<TEdit>(this, this, "E_XML_User");
    E_XML_User->SetBounds(179, 123, 267, 21);
    E_XML_User->SetShowHint(true);
    Label5 = Add_Label(*this, "Label5", 447, 107, true);
    L_XML_Fix2 = Add_Label(*this, "L_XML_Fix2", 447, 126, true);

    P_Button = Add_Button_Panel();
    Btn_OK = Add_Button(P_Button, "Btn_OK", 16, mrNone);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_Cancel = Add_Button(P_Button, "Btn_Cancel", 134, mrCancel);

    L_XML_Fix1->SetCaption(GSDML_Name_Fix);
    // The window is made when the program starts: the name carries that day however long
    // the program then runs.
    L_XML_Fix2->SetCaption(GSDML_Date_Part(Now()));
}

void TFProfinetFileName::Loaded()
{
    TTitledForm::Loaded();
    Fit_Name_Row();
}

// The labels have their sizes once loaded. Where Tahoma is missing, its stand-in runs wider:
// the user's box gives up the room the fixed parts need, so that neither is hidden behind it
// nor cut at the window's edge.
void TFProfinetFileName::Fit_Name_Row()
{
    const int gap = 4;
    const int userLeft = std::max(E_XML_User->Left(), L_XML_Fix1->Left() + L_XML_Fix1->Width() + gap);
    const int dateLeft =
        std::min(L_XML_Fix2->Left(), ClientWidth() - L_XML_Fix1->Left() - L_XML_Fix2->Width());
    E_XML_User->SetBounds(userLeft, E_XML_User->Top(), dateLeft - gap - userLeft, E_XML_User->Height());
    Label4->SetLeft(userLeft);
    Label5->SetLeft(dateLeft);
    L_XML_Fix2->SetLeft(dateLeft);
}

void TFProfinetFileName::Set_Lang()
{
    TTitledForm::Set_Lang();
    Label1->SetCaption(Lang_Table[904]);
    Label2->SetCaption(Lang_Table[905]);
    Label4->SetCaption(Lang_Table[906]);
    Label5->SetCaption(Lang_Table[907]);
    E_XML_User->SetHint(Lang_Table[908]);
    Btn_OK->SetCaption(Lang_Table[902]);
    Btn_OK->SetHint(Lang_Table[909]);
    Btn_Cancel->SetCaption(Lang_Table[903]);
    Btn_Cancel->SetHint(Lang_Table[910]);
}

void TFProfinetFileName::Btn_OKClick(TObject*)
{
    Name_File_XML = GSDML_File_Name(E_XML_User->Text(), L_XML_Fix2->Caption());
    SetModalResult(mrOk);
}
