#include "workspace/USoftOptions.h"

#include <algorithm>
#include <utility>

#include "platform/os/FileSystem.h"
#include "platform/os/Shell.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/UMakerWeb.h"
#include "workspace/UVersionCheck.h"

TFSoftOptions* FSoftOptions = nullptr;

namespace {
constexpr int Client_Width = 509;
constexpr int Client_Height = 373;
constexpr int Flag_Size = 48;
constexpr int Check_Box_Width = 450;
const std::string Language_Ext = ".lng";
const std::string Default_Flag = "DefaultFlag.bmp";
// The page of the product the download link opens.
const std::string Download_Anchor = "GW30628";

// Where the slots stand on the language page: the flag, its name beside it.
struct Slot_Place {
    int imageLeft, imageTop, labelLeft, labelTop;
};
constexpr Slot_Place Slot_Places[TFSoftOptions::Lang_Slots] = {{24, 40, 80, 56},    {26, 94, 80, 110},
                                                               {24, 148, 80, 164},  {254, 40, 310, 56},
                                                               {254, 94, 310, 110}, {254, 148, 310, 164}};

// Only plain files are offered: Windows marks read-only, temporary, compressed, offline and
// encrypted files, and this platform knows only the first of those.
bool Is_Listable(const TSearchRec& file)
{
    return (file.Attr & ~static_cast<uint32_t>(faHidden | faSysFile | faArchive | faNormal)) == 0;
}

// Gives a variable another value for the life of the scope.
class Restore_On_Exit {
public:
    Restore_On_Exit(std::string& variable, const std::string& value)
        : variable_(variable), saved_(std::exchange(variable, value))
    {
    }
    ~Restore_On_Exit() { variable_ = saved_; }
    Restore_On_Exit(const Restore_On_Exit&) = delete;
    Restore_On_Exit& operator=(const Restore_On_Exit&) = delete;

private:
    std::string& variable_;
    std::string saved_;
};

// Transparent, since the themed page body is not the page's own colour.
TLabel* Add_Label(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top)
{
    auto* label = Add_Control<TLabel>(owner, parent, name);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetTransparent(true);
    return label;
}
} // namespace

TFSoftOptions::TFSoftOptions(TComponent* owner) : TTitledForm(owner, 300, 301)
{
    SetName("FSoftOptions");
    Make_Fixed_Size(*this);
    SetClientSize(Client_Width, Client_Height);

    P_Button = Add_Button_Panel();
    Btn_OK = Add_Button(P_Button, "Btn_OK", 16, mrNone);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_Cancel = Add_Button(P_Button, "Btn_Cancel", 134, mrCancel);

    PC_Options = Add_Control<TPageControl>(this, this, "PC_Options");
    PC_Options->SetAlign(alClient);
    Create_Language_Page();
    Create_Connection_Page();
    Create_Settings_Page();

    OnShow = [this](TObject* sender) { FormShow(sender); };
    TS_Con_Options->SetTabVisible(true);
}

TTabSheet* TFSoftOptions::Add_Page(const std::string& name)
{
    auto* page = new TTabSheet(this);
    page->SetName(name);
    page->SetPageControl(PC_Options);
    return page;
}

TCheckBox* TFSoftOptions::Add_Check_Box(TTabSheet* page, const std::string& name, int left, int top)
{
    auto* check = Add_Control<TCheckBox>(this, page, name);
    check->SetBounds(left, top, Check_Box_Width, 17);
    check->OnClick = [this](TObject* sender) { CB_En_ConClick(sender); };
    return check;
}

void TFSoftOptions::Create_Language_Page()
{
    TS_Language = Add_Page("TS_Language");
    // Language names are file names, shown as they stand: an "&" in one is no shortcut mark.
    L_Sel_Lang = Add_Label(this, TS_Language, "L_Sel_Lang", 12, 11);
    L_Sel_Lang->SetShowAccelChar(false);
    for (int k = 0; k < Lang_Slots; ++k) {
        const Slot_Place& place = Slot_Places[k];
        const std::string number = std::to_string(k + 1);
        I_L[k] = Add_Control<TImage>(this, TS_Language, "I_L" + number);
        I_L[k]->SetBounds(place.imageLeft, place.imageTop, Flag_Size, Flag_Size);
        I_L[k]->SetTransparent(true);
        I_L[k]->OnClick = [this](TObject* sender) { LangClick(sender); };
        L_L[k] = Add_Label(this, TS_Language, "L_L" + number, place.labelLeft, place.labelTop);
        L_L[k]->SetShowAccelChar(false);
        L_L[k]->OnClick = [this](TObject* sender) { LangClick(sender); };
    }
    Btn_Prev = Add_Button(TS_Language, "Btn_Prev", 12, mrNone);
    Btn_Prev->SetTop(204);
    Btn_Next = Add_Button(TS_Language, "Btn_Next", 379, mrNone);
    Btn_Next->SetTop(205);
    for (TLbButton* button : {Btn_Prev, Btn_Next})
        button->OnClick = [this](TObject* sender) { Btn_NextClick(sender); };
    L_Page_Lang = Add_Label(this, TS_Language, "L_Page_Lang", 220, 212);
}

void TFSoftOptions::Create_Connection_Page()
{
    TS_Con_Options = Add_Page("TS_Con_Options");
    CB_En_Con = Add_Check_Box(TS_Con_Options, "CB_En_Con", 12, 16);
    CB_Update = Add_Check_Box(TS_Con_Options, "CB_Update", 36, 47);
    Btn_Check_Update = Add_Button(TS_Con_Options, "Btn_Check_Update", 36, mrNone);
    Btn_Check_Update->SetBounds(36, 78, 204, 28);
    Btn_Check_Update->OnClick = [this](TObject* sender) { Btn_Check_UpdateClick(sender); };
    LL_Check_Update = Add_Control<TLinkLabel>(this, TS_Con_Options, "LL_Check_Update");
    LL_Check_Update->SetLeft(40);
    LL_Check_Update->SetTop(120);
    LL_Check_Update->SetVisible(false);
    LL_Check_Update->OnLinkClick = [this](TObject* sender, const std::string& link, TSysLinkType) {
        LL_Check_UpdateLinkClick(sender, link);
    };
}

void TFSoftOptions::Create_Settings_Page()
{
    TS_Soft_Settings = Add_Page("TS_Soft_Settings");
    CB_Soft_Set_Jump_Table = Add_Check_Box(TS_Soft_Settings, "CB_Soft_Set_Jump_Table", 12, 16);
    CB_DoubleClick_Auto_Size = Add_Check_Box(TS_Soft_Settings, "CB_DoubleClick_Auto_Size", 12, 39);
}

void TFSoftOptions::Set_Lang()
{
    TTitledForm::Set_Lang();
    TS_Language->SetCaption(Lang_Table[302]);
    TS_Con_Options->SetCaption(Lang_Table[303]);
    TS_Soft_Settings->SetCaption(Lang_Table[319]);
    L_Sel_Lang->SetCaption(Lang_Table[304]);
    Show_Page_Label(1, 1);
    Btn_Prev->SetCaption(Lang_Table[307]);
    Btn_Next->SetCaption(Lang_Table[308]);
    CB_En_Con->SetCaption(Lang_Table[309]);
    CB_Update->SetCaption(Lang_Table[310]);
    Btn_Check_Update->SetCaption(Lang_Table[311]);
    Btn_OK->SetCaption(Lang_Table[312]);
    Btn_Cancel->SetCaption(Lang_Table[313]);
    CB_Soft_Set_Jump_Table->SetCaption(Lang_Table[320]);
    CB_DoubleClick_Auto_Size->SetCaption(Lang_Table[321]);
}

void TFSoftOptions::Show_Page_Label(int Num_Page, int pages)
{
    L_Page_Lang->SetCaption(Lang_Table[305] + std::to_string(Num_Page) + Lang_Table[306] +
                            std::to_string(pages));
}

void TFSoftOptions::FormShow(TObject*)
{
    Version_Check.reset(); // the answer of an earlier showing is not this one's
    Language_In_Use = Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->SetVisible(false);
    PC_Options->SetActivePage(TS_Language);
    CB_En_Con->SetChecked(Opt_Enable_Internet);
    CB_Update->SetChecked(Opt_Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Opt_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->SetChecked(Opt_Double_Click_Auto_Size);
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages.Clear();
    for (const TSearchRec& file : FindFiles(Language_Dir, "*" + Language_Ext))
        if (Is_Listable(file)) SL_Languages.Add(file.Name);
    SL_Languages.SetCaseSensitive(false);
    SL_Languages.Sort();
    Show_Page = 1;
    Update_Lang_Page(1);
}

// An empty list still shows its one empty page: "Page 1 / 1".
int TFSoftOptions::Lang_Page_Count() const
{
    return std::max(1, (SL_Languages.Count() + Lang_Slots - 1) / Lang_Slots);
}

std::string TFSoftOptions::Slot_Language(int page, int k) const
{
    const std::string& file = SL_Languages[(page - 1) * Lang_Slots + k];
    return Copy(file, 1, Length(file) - Length(Language_Ext));
}

void TFSoftOptions::Update_Lang_Page(int Num_Page)
{
    const int pages = Lang_Page_Count();
    L_Sel_Lang->SetCaption(Lang_Table[304] + Language_In_Use);
    Show_Page_Label(Num_Page, pages);
    Btn_Prev->SetVisible(Num_Page != 1);
    // Also hidden on an empty list, where there is no page to go to.
    Btn_Next->SetVisible(Num_Page < pages);
    const int shown = SL_Languages.Count() - (Num_Page - 1) * Lang_Slots;
    for (int k = 0; k < Lang_Slots; ++k) {
        const bool visible = k < shown;
        I_L[k]->SetVisible(visible);
        L_L[k]->SetVisible(visible);
        if (!visible) continue;
        const std::string language = Slot_Language(Num_Page, k);
        L_L[k]->SetCaption(language);
        Show_Flag(I_L[k], language);
    }
}

// A flag that cannot be read counts as a missing one, so that the rest of the page still
// shows.
void TFSoftOptions::Show_Flag(TImage* image, const std::string& language)
{
    image->Picture()->Clear();
    for (const std::string& file : {language + ".bmp", Default_Flag}) {
        const std::string path = Language_File_Path(file);
        if (path.empty()) continue;
        try {
            image->Picture()->LoadFromFile(path);
            break;
        } catch (const Exception&) {
            image->Picture()->Clear();
        }
    }
    image->SetVisible(image->Picture()->Graphic() != nullptr);
}

void TFSoftOptions::Btn_NextClick(TObject* Sender)
{
    const int pages = Lang_Page_Count();
    if (Sender == Btn_Next && Show_Page + 1 <= pages) ++Show_Page;
    if (Sender == Btn_Prev && Show_Page - 1 > 0) --Show_Page;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TObject* Sender)
{
    int slot = 0;
    while (slot < Lang_Slots && Sender != I_L[slot] && Sender != L_L[slot])
        ++slot;
    if (slot == Lang_Slots) return;
    const std::string name = Slot_Language(Show_Page, slot);
    const std::string question = Lang_Table[316] + Language_In_Use + Lang_Table[317] + name + Lang_Table[318];
    if (MessageDlg(question, mtConfirmation, mbYesNo, 0) != mrYes) return;

    {
        // The language of the next start stays the one of the settings until OK, also when
        // the file cannot be read.
        const Restore_On_Exit restore(Language_Name, name);
        Load_Language();
    }
    Language_In_Use = name;

    if (Change_Language)
        Change_Language();
    else
        Set_Lang();
    L_Sel_Lang->SetCaption(Lang_Table[304] + Language_In_Use);
    Show_Page_Label(Show_Page, Lang_Page_Count());
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::CB_En_ConClick(TObject*) { Update_CheckBox(); }

void TFSoftOptions::Btn_Check_UpdateClick(TObject*)
{
    Version_Check = std::make_unique<TVersion_Check>(
        [this](TVersion_Answer answer) { Show_Check_Result(answer); }, Version_Service);
}

// A service that cannot be reached says nothing about updates: "No Update Available" would
// tell the user that the version in hand is the newest.
void TFSoftOptions::Show_Check_Result(TVersion_Answer answer)
{
    switch (answer) {
    case TVersion_Answer::Newer:
        LL_Check_Update->SetCaption(Link_Markup(Maker_Download_Page(Download_Anchor), Lang_Table[314]));
        break;
    case TVersion_Answer::Not_Newer:
        LL_Check_Update->SetCaption(Lang_Table[315]);
        break;
    case TVersion_Answer::No_Answer:
        LL_Check_Update->SetCaption(Lang_Table[399]);
        break;
    }
    LL_Check_Update->SetVisible(true);
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const std::string& Link) { ShellOpen(Link); }

void TFSoftOptions::Btn_OKClick(TObject*)
{
    Language_Name = Language_In_Use;
    Opt_Enable_Internet = CB_En_Con->Checked();
    Opt_Enable_Update = CB_Update->Checked();
    if (Enable_Update_Timer) Enable_Update_Timer(Opt_Enable_Internet && Opt_Enable_Update);
    Opt_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked();
    Opt_Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    SetModalResult(mrOk);
}
