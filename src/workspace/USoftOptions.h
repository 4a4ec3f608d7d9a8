#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/Classes.h"
#include "platform/ui/ComCtrls.h"
#include "workspace/UTitledForm.h"
#include "workspace/UVersionCheck.h"

// The Software Options window: the language of the user interface, chosen from the language
// files present and in force at once for every window; the internet connection and the
// check for a newer version; two comforts of the rule grids. The options are committed by
// OK only. Its version check runs beside the window, which stays usable meanwhile.
class TFSoftOptions : public TTitledForm {
public:
    static constexpr int Lang_Slots = 6; // languages on one page

    explicit TFSoftOptions(TComponent* owner);
    void Set_Lang() override;

    void FormShow(TObject* Sender);
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    // Btn_Prev and Btn_Next.
    void Btn_NextClick(TObject* Sender);
    // The flag or the name of a language slot.
    void LangClick(TObject* Sender);
    void Update_CheckBox();
    // Every check box of the window.
    void CB_En_ConClick(TObject* Sender);
    void Btn_Check_UpdateClick(TObject* Sender);
    void LL_Check_UpdateLinkClick(TObject* Sender, const std::string& Link);
    void Btn_OKClick(TObject* Sender);

    // The check Btn_Check_UpdateClick started last; it runs beside the window, and its
    // answer shows in LL_Check_Update.
    std::unique_ptr<TVersion_Check> Version_Check;
    TVersion_Service Version_Service; // where it asks

    // The main window's part, which lives above this window: relabelling every window after
    // a language change (without it only this window is relabelled), and the timer of the
    // version check.
    std::function<void()> Change_Language;
    std::function<void(bool enabled)> Enable_Update_Timer;

    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TPageControl* PC_Options;
    TTabSheet* TS_Language;
    TTabSheet* TS_Con_Options;
    TTabSheet* TS_Soft_Settings;
    TLabel* L_Sel_Lang;
    std::array<TImage*, Lang_Slots> I_L{}; // I_L1 ... I_L6
    std::array<TLabel*, Lang_Slots> L_L{}; // L_L1 ... L_L6
    TLbButton* Btn_Prev;
    TLbButton* Btn_Next;
    TLabel* L_Page_Lang;
    TCheckBox* CB_En_Con;
    TCheckBox* CB_Update;
    TLbButton* Btn_Check_Update;
    TLinkLabel* LL_Check_Update;
    TCheckBox* CB_Soft_Set_Jump_Table;
    TCheckBox* CB_DoubleClick_Auto_Size;

    // The language file names found, sorted without regard to letter case.
    TStringList SL_Languages;
    int Show_Page = 1;
    std::string Language_In_Use;

private:
    void Create_Language_Page();
    void Create_Connection_Page();
    void Create_Settings_Page();
    TTabSheet* Add_Page(const std::string& name);
    TCheckBox* Add_Check_Box(TTabSheet* page, const std::string& name, int left, int top);
    int Lang_Page_Count() const;
    // The language of slot k (from 0) of a page (from 1).
    std::string Slot_Language(int page, int k) const;
    void Show_Flag(TImage* image, const std::string& language);
    void Show_Page_Label(int Num_Page, int pages);
    void Show_Check_Result(TVersion_Answer answer);
};

extern TFSoftOptions* FSoftOptions;
