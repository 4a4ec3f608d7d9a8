#include "artefacts/update/UBoot.h"

#include <utility>
#include <vector>

#include "artefacts/update/UUpdateJob.h"
#include "platform/os/FileSystem.h"
#include "platform/ui/Dialogs.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/UStart_Program.h"

TFBoot* FBoot = nullptr;

namespace {
constexpr int Client_Width = 449;
constexpr int IP_Edit_Left = 232;
constexpr int IP_Edit_Step = 52;
constexpr int IP_Edit_Width = 41;

// Keeps controls disabled for the life of the scope, however it is left.
class TDisabled_Controls {
public:
    explicit TDisabled_Controls(std::vector<TControl*> controls) : controls_(std::move(controls))
    {
        for (TControl* control : controls_)
            control->SetEnabled(false);
    }
    ~TDisabled_Controls()
    {
        for (TControl* control : controls_)
            control->SetEnabled(true);
    }
    TDisabled_Controls(const TDisabled_Controls&) = delete;
    TDisabled_Controls& operator=(const TDisabled_Controls&) = delete;

private:
    std::vector<TControl*> controls_;
};

TLabel* Add_Label(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top)
{
    auto* label = Add_Control<TLabel>(owner, parent, name);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

TComboBox* Add_Drop_Down_List(TComponent* owner, TWinControl* parent, const std::string& name, int left,
                              int top, int width)
{
    auto* combo = Add_Control<TComboBox>(owner, parent, name);
    combo->SetStyle(csDropDownList);
    combo->SetBounds(left, top, width, 21);
    combo->SetShowHint(true);
    return combo;
}

TProgram_Run Run_Updater(const std::string& program, const std::string& params, bool hidden)
{
    return Start_Program(program, params, hidden);
}
} // namespace

TFBoot::TFBoot(TComponent* owner) : TTitledForm(owner, 1000, 1001)
{
    SetName("FBoot");
    Make_Fixed_Size(*this);
    SetClientSize(Client_Width, 230);

    P_Button = Add_Button_Panel();
    Btn_Cancel = Add_Button(P_Button, "Btn_Cancel", 16, mrCancel);
    Btn_Update = Add_Button(P_Button, "Btn_Update", 263, mrNone);
    Btn_Update->SetWidth(170);
    Btn_Update->OnClick = [this](TObject* sender) { Btn_UpdateClick(sender); };

    Create_IP_Address_Panel();
    Create_Serial_Panel();
    Create_Options_Panel();

    Use_Ping_Hooks(TDevice_Ping::System_Hooks());
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

TPanel* TFBoot::Add_Panel(const std::string& name, int height)
{
    auto* panel = Add_Control<TPanel>(this, this, name);
    panel->SetBounds(0, 0, Client_Width, height);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(Window_Color);
    panel->SetVisible(false);
    return panel;
}

void TFBoot::Create_IP_Address_Panel()
{
    P_IP_Address = Add_Panel("P_IP_Address", 49);
    L_IP_Address = Add_Label(this, P_IP_Address, "L_IP_Address", 16, 17);
    for (size_t i = 0; i < E_IP.size(); ++i) {
        const int left = IP_Edit_Left + static_cast<int>(i) * IP_Edit_Step;
        E_IP[i] = Add_Control<TEdit>(this, P_IP_Address, "E_IP" + std::to_string(i + 1));
        E_IP[i]->SetBounds(left, 14, IP_Edit_Width, 21);
        E_IP[i]->SetText("0");
        E_IP[i]->SetShowHint(true);
        E_IP[i]->OnKeyPress = [this](TObject* sender, char32_t& key) { IP_KeyPress(sender, key); };
        if (i == 0) continue;
        L_IP_Dot[i - 1] = Add_Label(this, P_IP_Address, "Label" + std::to_string(i + 1), left - 8, 18);
        L_IP_Dot[i - 1]->SetCaption(".");
    }
}

// The serial mode is never chosen by the main window, but it is complete, and its texts
// follow the language like the rest of the window.
void TFBoot::Create_Serial_Panel()
{
    P_Serial = Add_Panel("P_Serial", 51);
    L_COM_Port = Add_Label(this, P_Serial, "L_COM_Port", 16, 6);
    CB_COM_Port = Add_Drop_Down_List(this, P_Serial, "CB_COM_Port", 16, 25, 150);
    CB_COM_Port->Items()->Add("COM1");
    CB_COM_Port->SetItemIndex(0);
    Btn_COM_List = Add_Button(P_Serial, "Btn_COM_List", 180, mrNone);
    Btn_COM_List->SetBounds(180, 21, 200, 28);
    Btn_COM_List->OnClick = [this](TObject* sender) { Btn_COM_ListClick(sender); };
}

void TFBoot::Create_Options_Panel()
{
    P_Options = Add_Panel("P_Options", 72);
    L_Update_Option = Add_Label(this, P_Options, "L_Update_Option", 16, 10);
    CB_Update_Options = Add_Drop_Down_List(this, P_Options, "CB_Update_Options", 16, 30, 240);
    CB_Update_Option_Read_Back = Add_Control<TCheckBox>(this, P_Options, "CB_Update_Option_Read_Back");
    CB_Update_Option_Read_Back->SetBounds(280, 32, 150, 17);
    CB_Update_Option_Read_Back->SetChecked(true);
    CB_Update_Option_Read_Back->SetShowHint(true);
}

void TFBoot::Set_Lang()
{
    if (Form_Type == 0) Set_Title_Texts(1000, 1001);
    if (Form_Type == 1) Set_Title_Texts(1002, 1003);
    L_IP_Address->SetCaption(Lang_Table[1006]);
    for (size_t i = 0; i < E_IP.size(); ++i)
        E_IP[i]->SetHint(Lang_Table[1021 + static_cast<int>(i)]);
    L_COM_Port->SetCaption(Lang_Table[1007]);
    CB_COM_Port->SetHint(Lang_Table[1025]);
    Btn_COM_List->SetCaption(Lang_Table[1027]);
    Btn_COM_List->SetHint(Lang_Table[1027]);
    L_Update_Option->SetCaption(Lang_Table[1014]);
    CB_Update_Options->Items()->Clear();
    for (int text : {1015, 1016, 1017})
        CB_Update_Options->Items()->Add(Lang_Table[text]);
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Options->SetHint(Lang_Table[1032]);
    CB_Update_Option_Read_Back->SetCaption(Lang_Table[1018]);
    CB_Update_Option_Read_Back->SetHint(Lang_Table[1033]);
    Btn_Cancel->SetCaption(Lang_Table[1019]);
    Btn_Cancel->SetHint(Lang_Table[1034]);
    Btn_Update->SetCaption(Lang_Table[1020]);
    Btn_Update->SetHint(Lang_Table[1035]);
}

void TFBoot::FormShow(TObject*)
{
    Set_Lang();
    L_SW_Code->SetCaption(SW_Code);
    if (Form_Type == 1) {
        Show_Panels({P_IP_Address, P_Options}, {P_Serial});
        Load_Address();
        Load_Options();
        Focus_If_Possible(E_IP[0]);
    }
    if (Form_Type == 0) {
        Show_Panels({P_Serial, P_Options}, {P_IP_Address});
        Load_Options();
        update_ComPort();
        Focus_If_Possible(CB_COM_Port);
    }
}

void TFBoot::Show_Panels(std::initializer_list<TPanel*> shown, std::initializer_list<TPanel*> hidden)
{
    for (TPanel* panel : {P_IP_Address, P_Serial, P_Options}) {
        panel->SetVisible(false);
        panel->SetAlign(alNone);
    }
    int top = P_Title->Height();
    int order = 0;
    P_Title->SetTabOrder(order++);
    for (TPanel* panel : shown) {
        panel->SetTop(top);
        top += panel->Height();
        panel->SetAlign(alTop);
        panel->SetVisible(true);
        panel->SetTabOrder(order++);
    }
    P_Button->SetTabOrder(order++);
    for (TPanel* panel : hidden)
        panel->SetTabOrder(order++);
    SetClientSize(Client_Width, top + P_Button->Height());
}

// An address that cannot be split leaves the edits as the user left them.
void TFBoot::Load_Address()
{
    std::array<std::string, 4> parts;
    if (Last_IP_Address.empty() || !Check_IP_Address(Last_IP_Address, parts[0], parts[1], parts[2], parts[3]))
        return;
    for (size_t i = 0; i < E_IP.size(); ++i)
        E_IP[i]->SetText(parts[i]);
}

void TFBoot::Load_Options()
{
    CB_Update_Options->SetItemIndex(Update_Option);
    CB_Update_Option_Read_Back->SetChecked(Update_Read_Back != 0);
}

void TFBoot::Remember_Options()
{
    Update_Option = CB_Update_Options->ItemIndex();
    Update_Read_Back = CB_Update_Option_Read_Back->Checked() ? 1 : 0;
}

void TFBoot::Focus_If_Possible(TWinControl* control)
{
    if (control->CanFocus()) control->SetFocus();
}

void TFBoot::IP_KeyPress(TObject* Sender, char32_t& Key)
{
    if (Key != U'.') return;
    for (size_t i = 0; i + 1 < E_IP.size(); ++i)
        if (Sender == E_IP[i]) Focus_If_Possible(E_IP[i + 1]);
    Key = 0;
}

std::string TFBoot::IP_Address_Text() const
{
    return E_IP[0]->Text() + "." + E_IP[1]->Text() + "." + E_IP[2]->Text() + "." + E_IP[3]->Text();
}

void TFBoot::Btn_UpdateClick(TObject*)
{
    if (Form_Type == 0) Remember_Options();
    if (Form_Type == 1) Test_And_Update();
}

// The address is read once, before the test, and the edits and Update stay disabled until it
// ends: the device that answered is the one the choices and the job name.
void TFBoot::Test_And_Update()
{
    if (Ping.Running()) return;
    // Without its firmware file the updater could only fail, and only after the user waited
    // for the device test: say so at once.
    if (Sends_Firmware(CB_Update_Options->ItemIndex()) && !FileExists(Firmware_Path())) {
        MessageDlg(Lang_Table[1098] + "\n" + Firmware_Path(), mtError, {mbOK}, 0);
        return;
    }
    const std::string address = IP_Address_Text();
    TPing_Result result;
    {
        const TDisabled_Controls locked({E_IP[0], E_IP[1], E_IP[2], E_IP[3], Btn_Update});
        result = Ping.Send_Ping(address);
    }
    if (result.Outcome != TPing_Outcome::Answered) {
        Report_Ping_Failure(result);
        return;
    }
    Last_IP_Address = address;
    Remember_Options();
    const TProgram_Run run = Run_Update({address, Update_Option, Update_Read_Back != 0}, Run_Updater);
    if (!run.Started)
        MessageDlg(Lang_Table[1099] + "\n" + Updater_Path(), mtError, {mbOK}, 0);
    else if (run.Failed())
        MessageDlg(Lang_Table[1097] + std::to_string(run.ExitCode), mtError, {mbOK}, 0);
}

void TFBoot::Use_Ping_Hooks(TDevice_Ping::THooks hooks)
{
    hooks.Pause = [this, pause = std::move(hooks.Pause)] {
        pause();
        if (Modal() && ModalResult() != mrNone) Ping.Cancel();
    };
    Ping = TDevice_Ping(std::move(hooks));
}

void TFBoot::Btn_COM_ListClick(TObject*) { update_ComPort(); }

void TFBoot::update_ComPort()
{
    const std::unique_ptr<TStringList> ports = Get_COM_Port_List();
    CB_COM_Port->Items()->Clear();
    for (int i = 0; i < ports->Count(); ++i)
        CB_COM_Port->Items()->Add("COM" + (*ports)[i]);
    CB_COM_Port->SetItemIndex(0);
}
