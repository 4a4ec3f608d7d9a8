#include "app/window/UCreate_Windows.h"

#include <type_traits>
#include <vector>

#include "app/window/UVantrelFirmWare.h"
#include "artefacts/descriptions/UProfinetFileName.h"
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
#include "platform/os/FolderLock.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Dialogs.h"
#include "workspace/UAbout.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/UNew_Project.h"
#include "workspace/UOpenConf.h"
#include "workspace/UParGen.h"
#include "workspace/USettings.h"
#include "workspace/USoftOptions.h"

namespace {
const std::string Program_Lock_File_Name = ".Vantrel.lock";

// Visits the variable of every window, in the order of their creation.
template <class Visit> void For_Each_Window(Visit&& visit)
{
    visit(FVantrelFirmWare);
    visit(FNew_Project);
    visit(FOpenConf);
    visit(FAbout);
    visit(FSoftOptions);
    visit(FParGen);
    visit(FEtherNetIP_Master_Access);
    visit(FProfinetFileName);
    visit(FBoot);
    visit(FSNMP_Trap_Access);
    visit(FReceiveCAN);
    visit(FTransmitCAN);
    visit(FBACnet_Eng_Unit);
    visit(FBACnetSlaveSetAccess);
    visit(FKNXAccess);
    visit(FMQTT_Set_Topic);
    visit(FTopicTemplate);
    visit(FSet_PDO_Access);
    visit(FSet_SDO_Client_Access);
    visit(FSet_SDO_Server_Access);
    visit(FEtherNEtIP_EDS);
    visit(FEtherNetIP_Data_Seg);
}

template <class Form> void Create_Window(TComponent* owner, Form*& window)
{
    if (owner == Application) {
        Application->CreateForm(window);
    } else {
        window = new Form(owner);
        window->AfterConstruction();
    }
}

// Every window not made yet, in the order of their creation.
void Create_Remaining_Windows(TComponent* owner)
{
    For_Each_Window([owner](auto*& window) {
        if (!window) Create_Window(owner, window);
    });
    // The Options window reaches back to the main window, which exists before it.
    FSoftOptions->Change_Language = [] { FVantrelFirmWare->Change_Language(); };
    FSoftOptions->Enable_Update_Timer = [](bool enabled) {
        FVantrelFirmWare->Timer_Update->SetEnabled(enabled);
    };
}
} // namespace

std::unique_ptr<TFolderLock> Claim_Program_Folder(const std::string& exeDir)
{
    auto lock = std::make_unique<TFolderLock>(exeDir, Program_Lock_File_Name);
    if (lock->Held()) return lock;
    // Only the language is taken from the settings: the running configurator owns the file
    // and reports its damage.
    Set_Program_Dirs(exeDir);
    Read_Settings(Settings_File_Path());
    try {
        Load_Language();
    } catch (const Exception&) {
        // The built-in texts are loaded before the language file is opened.
    }
    MessageDlg(Lang_Table[Txt_Configurator_Already_Runs] + " " + exeDir, mtError, {mbOK}, 0);
    return nullptr;
}

void Create_Windows(TComponent* owner, const std::string& exeDir)
{
    TFVantrelFirmWare::Set_Start_Folder(exeDir);
    Create_Remaining_Windows(owner);
}

void Start_Windows(const std::string& exeDir)
{
    TFVantrelFirmWare::Set_Start_Folder(exeDir);
    Create_Window(Application, FVantrelFirmWare);
    Application->DeferUntilShown([] { Create_Remaining_Windows(Application); });
}

void Free_Windows()
{
    // The last created first, as an owner frees what it owns.
    std::vector<TComponent*> windows;
    For_Each_Window([&windows](auto*& window) {
        windows.insert(windows.begin(), window);
        window = nullptr;
    });
    for (TComponent* window : windows)
        delete window;
}
