#pragma once
#include <string>

#include "platform/rtl/DateUtils.h"
#include "workspace/UTitledForm.h"

// The window that composes the GSDML file name from the fixed first part, the user's part
// and the date the program started; OK leaves the name in Name_File_XML.
class TFProfinetFileName : public TTitledForm {
public:
    explicit TFProfinetFileName(TComponent* owner);
    void Set_Lang() override;

    void Btn_OKClick(TObject* Sender);

    std::string Name_File_XML;

    TLabel* Label1;
    TLabel* Label2;
    TLabel* L_XML_Fix1;
    TLabel* Label4;
    TEdit* E_XML_User;
    TLabel* Label5;
    TLabel* L_XML_Fix2;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

protected:
    void Loaded() override;

private:
    void Fit_Name_Row();
};

extern TFProfinetFileName* FProfinetFileName;

// The fixed first part of every GSDML file name of the family's PROFINET converter.
extern const std::string GSDML_Name_Fix;

// "-yyyymmdd.xml" for that day.
std::string GSDML_Date_Part(TDateTime day);

// The file name from the user's part: none when it is blank, joined by "_" unless it
// already starts with one; the part is kept as typed.
std::string GSDML_File_Name(const std::string& userPart, const std::string& datePart);
