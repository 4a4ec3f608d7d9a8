#pragma once
#include <functional>
#include <memory>
#include <string>

#include "controls/LbButton.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
#include "workspace/UVersionCheck.h"

// Text-table entries of what the start tells the user.
constexpr int Txt_Configurator_Already_Runs = 95;
constexpr int Txt_Program_Folder_Not_Made = 96;

// The main window: the product code, the state of the open configuration and the numbered
// steps of the work, one styled button each, all dispatched by Btn_Click. Its creation
// brings the workspace up (program folders, settings, language, last project), and its
// closing writes the settings file. Built for model 30605: the buttons of the family's
// other models exist, hidden, with their dispatch wired.
class TFVantrelFirmWare : public TForm {
public:
    explicit TFVantrelFirmWare(TComponent* owner);

    // The folder the next main window starts in (the executable's folder by default), so
    // that the start-up can run beside a test's own folder.
    static void Set_Start_Folder(const std::string& exeDir);

    void Btn_Click(TObject* Sender);
    void Set_Lang();
    void Change_Language();
    void Create_New_Project();
    void Open_Project();
    void Set_Files();
    void Save_Setting();
    void Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo);
    void Build_EDS_File();
    void Update_Device();
    void PROFINET_XML();
    void BACnet_EDE_File();
    void Timer_UpdateTimer(TObject* Sender);
    void LL_UpdateLinkClick(TObject* Sender, const std::string& Link);
    void L_QuorvaneClick(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    // The check the update timer started last; it runs beside the window, and its answer
    // shows or hides LL_Update.
    std::unique_ptr<TVersion_Check> Version_Check;
    // Generators of the family's other models behind hidden buttons, set to the description
    // generators at creation; a test may replace them, and an unset one does nothing.
    std::function<void()> Create_PROFINET_XML;
    std::function<void()> Create_SNMP_MIB;
    std::function<void()> Create_PROFIBUS_GSD;
    std::function<void(const std::string& fileName)> Create_BACnet_EDE;

    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLinkLabel* LL_Update;
    TLbButton* Btn_Info;
    TLbButton* Btn_Opz;
    TLbButton* Btn_Close;
    TShape* Shape2;
    TLabel* L_Name_Conf;
    TLabel* L_Name_Conf_L2;
    TLabel* L_Begin;
    TLabel* L_Step_1;
    TLabel* L_Step_2;
    TLabel* L_Step_3;
    TLabel* L_Step_4;
    TLabel* L_Step_5;
    TLabel* L_Step_6;
    TLabel* L_Step_7;
    TLabel* L_Step_8;
    TLbButton* Btn_New;
    TLbButton* Btn_Open;
    TLbButton* Btn_Prm_Gen;
    TLbButton* Btn_EtherNetIP_Access;
    TLbButton* Btn_SDO_Server_CANopen;
    TLbButton* Btn_SDO_Client_CANopen;
    TLbButton* Btn_PDO_CANopen;
    TLbButton* Btn_CANopen_EDS;
    TLbButton* Btn_CreateBin;
    TLbButton* Btn_PROFINET_XML;
    TLbButton* Btn_SNMP_Trap;
    TLbButton* Btn_SNMP_MIB;
    TLbButton* Btn_MQTT_Set_Topic;
    TLbButton* Btn_CAN_Rec_Frame;
    TLbButton* Btn_CAN_Send_Frame;
    TLbButton* Btn_KNX_Access;
    TLbButton* Btn_BACnet_SetAccess;
    TLbButton* Btn_BACnet_EDE_File;
    TLbButton* Btn_PROFIBUS_GSD;
    TLabel* L_Quorvane;
    TShape* Shape1;
    TTimer* Timer_Update;
    TSaveDialog* SaveEDS;
    TSaveDialog* SaveMIB;
    TSaveDialog* SD1;

private:
    void FormCreate();
    void Create_Components();
    void Create_Step_Buttons();
    void Layout_Model();
    void Show_Configuration_State();
    void Enable_Version_Timer();
    void Show_Update_Link(bool newer);
    void Run_Step(TObject* Sender);
    TLabel* Add_Label(const std::string& name, int left, int top, bool bold);
    TLbButton* Add_Button(const std::string& name);
    TLabel* Step_Label(int step) const;
};

extern TFVantrelFirmWare* FVantrelFirmWare;
