#include "app/window/UVantrelFirmWare.h"

#include <vector>

#include "app/window/UStepFiles.h"
#include "artefacts/descriptions/UBACnet_EDE_File.h"
#include "artefacts/descriptions/UEds.h"
#include "artefacts/descriptions/UProfibus_GSD.h"
#include "artefacts/descriptions/UProfinetFileName.h"
#include "artefacts/descriptions/UProfinetXML.h"
#include "artefacts/descriptions/USNMP_MIB.h"
#include "artefacts/image/USaveBincc.h"
#include "artefacts/update/UBoot.h"
#include "editors/bacnet/UBACnetSlaveSetAccess.h"
#include "editors/bacnet/UBACnet_Eng_Unit.h"
#include "editors/can/UReceiveCAN.h"
#include "editors/can/UTransmitCAN.h"
#include "editors/canopen/USet_PDO_Access.h"
#include "editors/canopen/USet_SDO_Client_Access.h"
#include "editors/canopen/USet_SDO_Server_Access.h"
#include "editors/ethernetip/UEtherNetIP_Data_Seg.h"
#include "editors/ethernetip/UEtherNetIP_EDS.h"
#include "editors/ethernetip/UEtherNetIP_Master_Access.h"
#include "editors/knx/UKNXAccess.h"
#include "editors/mqtt/UMQTT_Set_Topic.h"
#include "editors/mqtt/UTopicTemplate.h"
#include "editors/snmp/USNMP_Trap_Access.h"
#include "platform/os/FileSystem.h"
#include "platform/os/Shell.h"
#include "platform/rtl/Exceptions.h"
#include "resources/MainGlyphs.h"
#include "workspace/UAbout.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/UMakerWeb.h"
#include "workspace/UNew_Project.h"
#include "workspace/UOpenConf.h"
#include "workspace/UParGen.h"
#include "workspace/UProjects.h"
#include "workspace/USettings.h"
#include "workspace/USoftOptions.h"
#include "workspace/UStart_Program.h"
#include "workspace/UTitledForm.h"

TFVantrelFirmWare* FVantrelFirmWare = nullptr;

namespace {
std::string Start_Folder;

constexpr int Version_Check_Delay = 60000;      // the first check, after start
constexpr int Version_Check_Interval = 7200000;  // every 2 hours after it
constexpr TColor Sky_Blue = 0xF0CAA6;           // clSkyBlue
constexpr TColor Grey_Text = clGray;

// A step button: its member, name, text-table caption and hint, and its look.
struct Step_Button {
    TLbButton* TFVantrelFirmWare::*member;
    const char* name;
    int caption;
    int hint;
    bool skyBlue;      // hot-tracks in sky blue instead of yellow
    bool encartaStyle;  // bsEncarta, else the button's default style
};

const Step_Button Step_Buttons[] = {
    {&TFVantrelFirmWare::Btn_New, "Btn_New", 15, 22, true, true},
    {&TFVantrelFirmWare::Btn_Open, "Btn_Open", 16, 23, true, true},
    {&TFVantrelFirmWare::Btn_Prm_Gen, "Btn_Prm_Gen", 20, 24, false, false},
    {&TFVantrelFirmWare::Btn_EtherNetIP_Access, "Btn_EtherNetIP_Access", 21, 25, false, true},
    {&TFVantrelFirmWare::Btn_SDO_Server_CANopen, "Btn_SDO_Server_CANopen", 47, 48, false, true},
    {&TFVantrelFirmWare::Btn_SDO_Client_CANopen, "Btn_SDO_Client_CANopen", 49, 50, false, true},
    {&TFVantrelFirmWare::Btn_PDO_CANopen, "Btn_PDO_CANopen", 51, 52, false, true},
    {&TFVantrelFirmWare::Btn_CANopen_EDS, "Btn_CANopen_EDS", 53, 54, false, true},
    {&TFVantrelFirmWare::Btn_CreateBin, "Btn_CreateBin", 17, 26, true, true},
    {&TFVantrelFirmWare::Btn_PROFINET_XML, "Btn_PROFINET_XML", 27, 28, false, true},
    {&TFVantrelFirmWare::Btn_SNMP_Trap, "Btn_SNMP_Trap", 29, 30, false, true},
    {&TFVantrelFirmWare::Btn_SNMP_MIB, "Btn_SNMP_MIB", 31, 32, false, true},
    {&TFVantrelFirmWare::Btn_MQTT_Set_Topic, "Btn_MQTT_Set_Topic", 33, 34, false, true},
    {&TFVantrelFirmWare::Btn_CAN_Rec_Frame, "Btn_CAN_Rec_Frame", 35, 36, false, true},
    {&TFVantrelFirmWare::Btn_CAN_Send_Frame, "Btn_CAN_Send_Frame", 37, 38, false, true},
    {&TFVantrelFirmWare::Btn_KNX_Access, "Btn_KNX_Access", 39, 40, false, true},
    {&TFVantrelFirmWare::Btn_BACnet_SetAccess, "Btn_BACnet_SetAccess", 41, 42, false, true},
    {&TFVantrelFirmWare::Btn_BACnet_EDE_File, "Btn_BACnet_EDE_File", 43, 44, false, true},
    {&TFVantrelFirmWare::Btn_PROFIBUS_GSD, "Btn_PROFIBUS_GSD", 45, 46, false, true},
};

// The buttons of the title row: glyph only, with their hints.
struct Title_Button {
    TLbButton* TFVantrelFirmWare::*member;
    const char* name;
    int left;
    int hint;
    TMainGlyph glyph;
};

const Title_Button Title_Buttons[] = {
    {&TFVantrelFirmWare::Btn_Info, "Btn_Info", 516, 12, mgInformation},
    {&TFVantrelFirmWare::Btn_Opz, "Btn_Opz", 574, 13, mgOptions},
    {&TFVantrelFirmWare::Btn_Close, "Btn_Close", 632, 14, mgClose},
};

// Every window but the main window and the About box, in the order of their relabelling.
std::vector<TTitledForm*> Windows_To_Relabel()
{
    return {FNew_Project,
            FOpenConf,
            FSoftOptions,
            FBoot,
            FParGen,
            FEtherNetIP_Master_Access,
            FEtherNEtIP_EDS,
            FProfinetFileName,
            FSNMP_Trap_Access,
            FReceiveCAN,
            FTransmitCAN,
            FSet_PDO_Access,
            FSet_SDO_Client_Access,
            FSet_SDO_Server_Access,
            FBACnetSlaveSetAccess,
            FBACnet_Eng_Unit,
            FKNXAccess,
            FMQTT_Set_Topic,
            FTopicTemplate,
            FEtherNetIP_Data_Seg};
}

// The rule editors that a step shows modally once a configuration is open.
TForm* Step_Window(const TFVantrelFirmWare& w, TObject* sender)
{
    const std::pair<TLbButton*, TForm*> windows[] = {{w.Btn_Prm_Gen, FParGen},
                                                     {w.Btn_EtherNetIP_Access, FEtherNetIP_Master_Access},
                                                     {w.Btn_SDO_Server_CANopen, FSet_SDO_Server_Access},
                                                     {w.Btn_SDO_Client_CANopen, FSet_SDO_Client_Access},
                                                     {w.Btn_PDO_CANopen, FSet_PDO_Access},
                                                     {w.Btn_SNMP_Trap, FSNMP_Trap_Access},
                                                     {w.Btn_MQTT_Set_Topic, FMQTT_Set_Topic},
                                                     {w.Btn_CAN_Rec_Frame, FReceiveCAN},
                                                     {w.Btn_CAN_Send_Frame, FTransmitCAN},
                                                     {w.Btn_KNX_Access, FKNXAccess},
                                                     {w.Btn_BACnet_SetAccess, FBACnetSlaveSetAccess}};
    for (const auto& [button, window] : windows)
        if (sender == button) return window;
    return nullptr;
}

void Call(const std::function<void()>& action)
{
    if (action) action();
}
}  // namespace

void TFVantrelFirmWare::Set_Start_Folder(const std::string& exeDir) { Start_Folder = exeDir; }

TFVantrelFirmWare::TFVantrelFirmWare(TComponent* owner) : TForm(owner)
{
    SetName("FVantrelFirmWare");
    Make_Fixed_Size(*this);
    Apply_Window_Look(*this);
    Create_Components();
    Create_PROFINET_XML = [] { ::Create_PROFINET_XML(FProfinetFileName->Name_File_XML); };
    Create_SNMP_MIB = ::Create_SNMP_MIB;
    Create_PROFIBUS_GSD = ::Create_PROFIBUS_GSD;
    Create_BACnet_EDE = ::Create_BACnet_EDE;
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
    FormCreate();
}

TLabel* TFVantrelFirmWare::Add_Label(const std::string& name, int left, int top, bool bold)
{
    auto* label = new TLabel(this);
    label->SetName(name);
    label->SetParent(this);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetParentFont(false);
    label->Font()->SetName("Verdana");
    label->Font()->SetHeight(-11);
    label->Font()->SetColor(Grey_Text);
    if (bold) label->Font()->SetStyle({fsBold});
    return label;
}

TLbButton* TFVantrelFirmWare::Add_Button(const std::string& name)
{
    auto* button = new TLbButton(this);
    button->SetName(name);
    button->SetParent(this);
    button->SetColor(Window_Color);
    button->SetLightColor(clGray);
    button->SetColorWhenDown(33023);
    button->SetShowHint(true);
    button->OnClick = [this](TObject* sender) { Btn_Click(sender); };
    return button;
}

void TFVantrelFirmWare::Create_Components()
{
    L_SW_Code = Add_Label("L_SW_Code", 16, 8, false);
    L_SW_Code->Font()->SetHeight(-32);
    L_SW_Desc = Add_Label("L_SW_Desc", 16, 42, true);

    LL_Update = new TLinkLabel(this);
    LL_Update->SetName("LL_Update");
    LL_Update->SetParent(this);
    LL_Update->SetLeft(208);
    LL_Update->SetTop(19);
    LL_Update->SetVisible(false);
    LL_Update->OnLinkClick = [this](TObject* sender, const std::string& link, TSysLinkType) {
        LL_UpdateLinkClick(sender, link);
    };

    for (const Title_Button& def : Title_Buttons) {
        TLbButton* button = Add_Button(def.name);
        button->SetBounds(def.left, 8, 50, 50);
        button->SetStyle(bsEncarta);
        button->SetHotTrackColor(clYellow);
        Draw_Main_Glyph(def.glyph, *button->Glyph());
        button->SetNumGlyphs(1);
        this->*def.member = button;
    }

    Shape2 = new TShape(this);
    Shape2->SetName("Shape2");
    Shape2->SetParent(this);
    Shape2->SetBounds(80, 70, 348, 36);
    Shape2->Brush()->SetStyle(bsClear);
    Shape2->Pen()->SetColor(clSilver);

    L_Name_Conf = Add_Label("L_Name_Conf", 87, 75, false);
    L_Name_Conf_L2 = Add_Label("L_Name_Conf_L2", 87, 88, false);
    // The project's name as the user typed it: an "&" in it is no shortcut mark.
    L_Name_Conf_L2->SetShowAccelChar(false);
    L_Begin = Add_Label("L_Begin", 16, 84, true);
    TLabel** steps[] = {&L_Step_1, &L_Step_2, &L_Step_3, &L_Step_4,
                        &L_Step_5, &L_Step_6, &L_Step_7, &L_Step_8};
    for (int k = 1; k <= 8; ++k)
        *steps[k - 1] = Add_Label("L_Step_" + std::to_string(k), 16, 0, true);

    Create_Step_Buttons();

    L_Quorvane = Add_Label("L_Quorvane", 565, 0, true);
    L_Quorvane->SetCursor(crHandPoint);
    L_Quorvane->SetCaption(Maker_Web_Address);
    L_Quorvane->OnClick = [this](TObject* sender) { L_QuorvaneClick(sender); };

    Shape1 = new TShape(this);
    Shape1->SetName("Shape1");
    Shape1->SetParent(this);

    Timer_Update = new TTimer(this);
    Timer_Update->SetName("Timer_Update");
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(Version_Check_Delay);
    Timer_Update->OnTimer = [this](TObject* sender) { Timer_UpdateTimer(sender); };

    const auto addDialog = [this](const char* name, const char* filter, const char* ext) {
        auto* dialog = new TSaveDialog(this);
        dialog->SetName(name);
        dialog->Filter = filter;
        dialog->DefaultExt = ext;
        return dialog;
    };
    SaveEDS = addDialog("SaveEDS", "Electronic Data Sheet (*.eds)|*.eds", "eds");
    SaveMIB = addDialog("SaveMIB", "Management Information Base (*.mib)|*.mib", "mib");
    SD1 = addDialog("SD1", "CSV (MS-DOS) (*.csv)|*.csv", "");
}

void TFVantrelFirmWare::Create_Step_Buttons()
{
    for (const Step_Button& def : Step_Buttons) {
        TLbButton* button = Add_Button(def.name);
        button->SetBounds(0, 0, 170, 36);
        button->SetAlignment(taLeftJustify);
        button->SetHotTrackColor(def.skyBlue ? Sky_Blue : clYellow);
        if (def.encartaStyle) button->SetStyle(bsEncarta);
        Draw_Main_Glyph(mgStep, *button->Glyph());
        button->SetNumGlyphs(1);
        this->*def.member = button;
    }
}

TLabel* TFVantrelFirmWare::Step_Label(int step) const
{
    TLabel* const labels[] = {L_Step_1, L_Step_2, L_Step_3, L_Step_4, L_Step_5, L_Step_6, L_Step_7, L_Step_8};
    return labels[step - 1];
}

void TFVantrelFirmWare::Layout_Model()
{
    // The layout common to the family: step labels hidden, the first steps shown.
    for (int k = 1; k <= 8; ++k) {
        Step_Label(k)->SetTop(128 + 44 * (k - 1));
        Step_Label(k)->SetVisible(false);
    }
    L_Quorvane->SetTop(392);
    L_Quorvane->SetVisible(false);
    for (const Step_Button& def : Step_Buttons)
        (this->*def.member)->SetVisible(false);
    const auto place = [](TLbButton* button, int left, int top) {
        button->SetLeft(left);
        button->SetTop(top);
        button->SetVisible(true);
    };
    place(Btn_New, 80, 112);
    place(Btn_Open, 258, 112);
    place(Btn_Prm_Gen, 80, 156);
    place(Btn_CreateBin, 80, 332);

    // Model 30605: the eight steps, the buttons of a step 16 pixels above its label.
    for (int k = 1; k <= 8; ++k)
        Step_Label(k)->SetVisible(true);
    L_Quorvane->SetTop(L_Step_8->Top());
    L_Quorvane->SetVisible(true);
    TLbButton* const model_steps[] = {Btn_EtherNetIP_Access, Btn_SDO_Server_CANopen, Btn_SDO_Client_CANopen,
                                      Btn_PDO_CANopen, Btn_CANopen_EDS};
    for (int i = 0; i < 5; ++i)
        place(model_steps[i], 80, 112 + 44 * (i + 2));
    Btn_CreateBin->SetTop(112 + 44 * 7);

    Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
    SetClientSize(694, Btn_CreateBin->Top() + 152);
}

void TFVantrelFirmWare::FormCreate()
{
    Lang_Table.Clear();
    Layout_Model();

    Set_Program_Dirs(Start_Folder.empty() ? ExeDir() : Start_Folder);
    // Told once the language is loaded: otherwise every later step that needs the folder
    // would fail with a message that blames something else.
    std::string unmadeFolders;
    for (const std::string& dir : {Master_Dir, Projects_Dir, Language_Dir}) {
        if (DirectoryExists(dir)) continue;
        const std::string failure = CreateDirFailure(dir);
        if (!failure.empty()) unmadeFolders += "\n" + dir + ". " + failure;
    }

    Project_Name.clear();
    Update_Read_Back = 1;
    // Told once: the close writes the file again, with what could be read kept.
    const std::string settingsDamage = Read_Settings(Settings_File_Path());
    if (!settingsDamage.empty()) MessageDlg(settingsDamage, mtWarning, {mbOK}, 0);
    Enable_Version_Timer();

    Main_Title = "Quorvane - Configurator CF30605 - EtherNet/IP Master / CANopen ";
    SW_Code = SW_Code_Const;
    SW_Desc = SW_Desc_Const;
    SetCaption(Main_Title);
    L_SW_Code->SetCaption(SW_Code);
    L_SW_Desc->SetCaption(SW_Desc);

    try {
        Load_Language();
    } catch (const Exception& e) {
        Application->ShowException(e);
    }
    if (!unmadeFolders.empty())
        MessageDlg(Lang_Table[Txt_Program_Folder_Not_Made] + unmadeFolders, mtError, {mbOK}, 0);
    Reopen_Last_Project();
    Set_Lang();
    ::Set_Files();
    Copy_Row_Buffer.Clear();
    MIB_Read_Desc_List.Clear();
    MIB_Write_Desc_List.Clear();
}

void TFVantrelFirmWare::Enable_Version_Timer()
{
    Timer_Update->SetEnabled(Opt_Enable_Internet && Opt_Enable_Update);
}

void TFVantrelFirmWare::Show_Configuration_State()
{
    const bool open = !Project_Dir.empty();
    L_Name_Conf->SetCaption(Lang_Table[open ? 11 : 9]);
    L_Name_Conf_L2->SetCaption(open ? Project_Name : Lang_Table[10]);
}

void TFVantrelFirmWare::Set_Lang()
{
    for (const Step_Button& def : Step_Buttons) {
        (this->*def.member)->SetCaption(Lang_Table[def.caption]);
        (this->*def.member)->SetHint(Lang_Table[def.hint]);
    }
    for (const Title_Button& def : Title_Buttons)
        (this->*def.member)->SetHint(Lang_Table[def.hint]);
    L_Begin->SetCaption(Lang_Table[0]);
    for (int k = 1; k <= 8; ++k)
        Step_Label(k)->SetCaption(Lang_Table[k]);
    Show_Configuration_State();
}

void TFVantrelFirmWare::Change_Language()
{
    Set_Lang();
    for (TTitledForm* window : Windows_To_Relabel())
        if (window) window->Set_Lang();
}

void TFVantrelFirmWare::Btn_Click(TObject* Sender)
{
    if (Sender == Btn_New) return Create_New_Project();
    if (Sender == Btn_Open) return Open_Project();
    if (Sender == Btn_Close) return Close();
    if (Sender == Btn_Info) {
        FAbout->ShowModal();
        return;
    }
    if (Sender == Btn_Opz) {
        if (FSoftOptions->ShowModal() != mrOk) return;
        Save_Setting();
        Enable_Version_Timer();
        return;
    }
    if (Project_Dir.empty()) {
        MessageDlg(Lang_Table[18], mtError, {mbOK}, 0);
        return;
    }
    Run_Step(Sender);
}

void TFVantrelFirmWare::Run_Step(TObject* Sender)
{
    if (TForm* window = Step_Window(*this, Sender)) {
        window->ShowModal();  // each editor saves its own file
        return;
    }
    if (Sender == Btn_CANopen_EDS) return Build_EDS_File();
    if (Sender == Btn_CreateBin) return Update_Device();
    if (Sender == Btn_PROFINET_XML) return PROFINET_XML();
    if (Sender == Btn_SNMP_MIB) return Call(Create_SNMP_MIB);
    if (Sender == Btn_BACnet_EDE_File) return BACnet_EDE_File();
    if (Sender == Btn_PROFIBUS_GSD) return Call(Create_PROFIBUS_GSD);
}

void TFVantrelFirmWare::Create_New_Project()
{
    if (FNew_Project->ShowModal() != mrOk) return;
    Show_Configuration_State();
}

void TFVantrelFirmWare::Open_Project()
{
    if (FOpenConf->ShowModal() != mrOk) return;
    Open_Project_Named(FOpenConf->Name_Conf);
    Show_Configuration_State();
}

void TFVantrelFirmWare::Set_Files() { ::Set_Files(); }

void TFVantrelFirmWare::Save_Setting() { Write_Settings(Settings_File_Path()); }

void TFVantrelFirmWare::Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo)
{
    ::Start_Program(NomeSW, Parameter, tipo);
}

void TFVantrelFirmWare::Build_EDS_File()
{
    SaveEDS->InitialDir = Project_Dir;
    if (SaveEDS->Execute()) Create_EDS_File(SaveEDS->FileName);
}

void TFVantrelFirmWare::Update_Device()
{
    Compile_Bank();
    Save_Bank();
    FBoot->Form_Type = 1;
    FBoot->ShowModal();
}

void TFVantrelFirmWare::PROFINET_XML()
{
    if (FProfinetFileName->ShowModal() == mrOk) Call(Create_PROFINET_XML);
}

void TFVantrelFirmWare::BACnet_EDE_File()
{
    SD1->InitialDir = Project_Dir;
    if (!SD1->Execute()) return;
    const std::string fileName = EDE_File_Name(SD1->FileName);
    if (FileExists(fileName) && MessageDlg(Lang_Table[70], mtConfirmation, mbYesNoCancel, 0) != mrYes) return;
    if (Create_BACnet_EDE) Create_BACnet_EDE(fileName);
}

void TFVantrelFirmWare::Timer_UpdateTimer(TObject*)
{
    Timer_Update->SetEnabled(false);
    Version_Check = std::make_unique<TVersion_Check>(
        [this](TVersion_Answer answer) { Show_Update_Link(answer == TVersion_Answer::Newer); });
    Timer_Update->SetInterval(Version_Check_Interval);
    Timer_Update->SetEnabled(true);
}

void TFVantrelFirmWare::Show_Update_Link(bool newer)
{
    if (newer) {
        LL_Update->SetCaption(Link_Markup(Maker_Download_Page("GW30605"), Lang_Table[19]));
        LL_Update->SetVisible(true);
    } else {
        LL_Update->SetVisible(false);
    }
}

void TFVantrelFirmWare::LL_UpdateLinkClick(TObject*, const std::string& Link) { ShellOpen(Link); }

void TFVantrelFirmWare::L_QuorvaneClick(TObject*) { ShellOpen(Maker_Home_Page()); }

// The program closes even when the settings cannot be written: the user is told why, and
// nothing else is lost, since the project files are written by the windows that edit them.
void TFVantrelFirmWare::FormClose(TObject*, TCloseAction&)
{
    try {
        Save_Setting();
    } catch (const Exception& e) {
        Application->ShowException(e);
    }
}
