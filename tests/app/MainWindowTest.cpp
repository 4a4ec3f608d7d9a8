#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "app/window/UCreate_Windows.h"
#include "app/window/UVantrelFirmWare.h"
#include "artefacts/descriptions/UProfinetFileName.h"
#include "artefacts/update/UBoot.h"
#include "editors/ethernetip/UEtherNetIP_Master_Access.h"
#include "platform/net/HttpClient.h"
#include "platform/os/FileSystem.h"
#include "platform/os/Shell.h"
#include "platform/ui/Input.h"
#include "support/EventLoop.h"
#include "support/EdsChecker.h"
#include "support/FakeDialogs.h"
#include "support/TestFiles.h"
#include "workspace/UAbout.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/UNew_Project.h"
#include "workspace/UOpenConf.h"
#include "workspace/UParGen.h"
#include "workspace/UParGenFile.h"
#include "workspace/USettings.h"
#include "workspace/USoftOptions.h"

namespace {
// Starts the configurator beside a temporary program folder, with every dialog answered by
// the test; Restart closes it and starts it again in the same folder.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { Start(); }
    void TearDown() override { Free_Windows(); }

    void Start() { Create_Windows(&owner, exe.Path()); }
    void Restart()
    {
        FVantrelFirmWare->Close();
        Free_Windows();
        Start();
    }

    // Shows the New window through Step 1 and types the name, pressing OK.
    void Create_Through_Window(const std::string& name)
    {
        dialogs.OnModal([name](TCustomForm& form) {
            ASSERT_EQ(&form, FNew_Project);
            FNew_Project->E_New_Proj->SetText(name);
            FNew_Project->Btn_OKClick(FNew_Project->Btn_OK);
        });
        FVantrelFirmWare->Btn_New->Click();
    }

    // The texts of the message boxes shown since the given count.
    std::vector<std::string> Messages_Since(size_t count) const
    {
        std::vector<std::string> texts;
        for (size_t i = count; i < dialogs.Messages().size(); ++i) texts.push_back(dialogs.Messages()[i].Text);
        return texts;
    }

    std::string Name_Lines() const
    {
        return FVantrelFirmWare->L_Name_Conf->Caption() + "|" + FVantrelFirmWare->L_Name_Conf_L2->Caption();
    }

    TempDir exe;
    TFakeDialogs dialogs;
    TComponent owner{nullptr};
};

std::string Text(int index) { return Lang_Table[index]; }
}  // namespace

TEST_F(MainWindowTest, FirstRunCreatesTheFoldersAndOpensNothing)
{
    for (const char* dir : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(DirectoryExists(exe.File(dir))) << dir;
    EXPECT_EQ(Name_Lines(), Text(9) + "|" + Text(10));
    EXPECT_EQ(Text(9), "None Configuration Opened ");
    EXPECT_EQ(Language_Name, "English");
    EXPECT_FALSE(FVantrelFirmWare->Timer_Update->Enabled());
    EXPECT_EQ(FVantrelFirmWare->Caption(), "Quorvane - Configurator CF30605 - EtherNet/IP Master / CANopen ");
    EXPECT_EQ(FVantrelFirmWare->L_SW_Code->Caption(), "CF30605");
    EXPECT_EQ(FNew_Project->L_SW_Code->Caption(), "CF30605");
    EXPECT_EQ(FNew_Project->Caption(), "Create New Configuration");
    EXPECT_EQ(FEtherNetIP_Master_Access->L_SW_Desc->Caption(), Text(801));
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(MainWindowTest, LaysOutTheStepsOfModel30605)
{
    TFVantrelFirmWare& w = *FVantrelFirmWare;
    EXPECT_EQ(w.ClientWidth(), 694);
    EXPECT_EQ(w.ClientHeight(), 572);
    EXPECT_EQ(w.Shape1->BoundsRect(), Bounds(10, 471, 674, 1));
    const std::tuple<TLbButton*, int, int> shown[] = {{w.Btn_New, 80, 112},
                                                      {w.Btn_Open, 258, 112},
                                                      {w.Btn_Prm_Gen, 80, 156},
                                                      {w.Btn_EtherNetIP_Access, 80, 200},
                                                      {w.Btn_SDO_Server_CANopen, 80, 244},
                                                      {w.Btn_SDO_Client_CANopen, 80, 288},
                                                      {w.Btn_PDO_CANopen, 80, 332},
                                                      {w.Btn_CANopen_EDS, 80, 376},
                                                      {w.Btn_CreateBin, 80, 420}};
    for (const auto& [button, left, top] : shown) {
        EXPECT_TRUE(button->Visible()) << button->Name();
        EXPECT_EQ(button->BoundsRect(), Bounds(left, top, 170, 36)) << button->Name();
    }
    for (TLbButton* hidden : {w.Btn_PROFINET_XML, w.Btn_SNMP_Trap, w.Btn_SNMP_MIB, w.Btn_MQTT_Set_Topic,
                              w.Btn_CAN_Rec_Frame, w.Btn_CAN_Send_Frame, w.Btn_KNX_Access,
                              w.Btn_BACnet_SetAccess, w.Btn_BACnet_EDE_File, w.Btn_PROFIBUS_GSD})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    TLabel* const steps[] = {w.L_Step_1, w.L_Step_2, w.L_Step_3, w.L_Step_4,
                             w.L_Step_5, w.L_Step_6, w.L_Step_7, w.L_Step_8};
    for (int k = 0; k < 8; ++k) {
        EXPECT_TRUE(steps[k]->Visible());
        EXPECT_EQ(steps[k]->Top(), 128 + 44 * k);
        EXPECT_EQ(steps[k]->Caption(), "Step " + std::to_string(k + 1));
    }
    EXPECT_EQ(w.L_Quorvane->Top(), 436);
    EXPECT_EQ(w.Btn_CreateBin->Caption(), "Update Device UDP");
    EXPECT_EQ(w.Btn_Close->Hint(), "Close Configurator");
}

TEST_F(MainWindowTest, StepsNeedAnOpenConfiguration)
{
    TFVantrelFirmWare& w = *FVantrelFirmWare;
    for (TLbButton* step :
         {w.Btn_Prm_Gen, w.Btn_EtherNetIP_Access, w.Btn_SDO_Server_CANopen, w.Btn_SDO_Client_CANopen,
          w.Btn_PDO_CANopen, w.Btn_CANopen_EDS, w.Btn_CreateBin, w.Btn_PROFINET_XML, w.Btn_BACnet_EDE_File}) {
        const size_t before = dialogs.Messages().size();
        w.Btn_Click(step);  // hidden buttons take no clicks, but their dispatch is wired
        ASSERT_EQ(Messages_Since(before), std::vector<std::string>{"Error! Project not Valid"}) << step->Name();
        EXPECT_EQ(dialogs.Messages().back().Type, mtError);
        EXPECT_EQ(dialogs.Messages().back().Buttons, TMsgDlgButtons{mbOK});
    }
    EXPECT_TRUE(dialogs.ModalForms().empty());
    EXPECT_TRUE(dialogs.FileRequests().empty());
    EXPECT_FALSE(FileExists(exe.File("PROJECTS/bin/bank.bin")));
}

TEST_F(MainWindowTest, FirstStepsWorkWithoutConfiguration)
{
    TFVantrelFirmWare& w = *FVantrelFirmWare;
    w.Btn_Info->Click();
    w.Btn_Opz->Click();
    w.Btn_Open->Click();
    w.Btn_New->Click();
    EXPECT_EQ(dialogs.ModalForms(),
              (std::vector<std::string>{"TFAbout", "TFSoftOptions", "TFOpenConf", "TFNew_Project"}));
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_FALSE(FileExists(Settings_File_Path())) << "a cancelled Options window saves nothing";
    EXPECT_EQ(FAbout->Label10->Caption(), "1.002");
    EXPECT_EQ(FAbout->ClientWidth(), 425);
    EXPECT_EQ(FAbout->ClientHeight(), 148);

    dialogs.OnModal([](TCustomForm& form) { form.SetModalResult(mrOk); });
    w.Btn_Opz->Click();
    EXPECT_TRUE(FileExists(Settings_File_Path())) << "a confirmed Options window saves the settings";
}

TEST_F(MainWindowTest, ClosingWritesTheDefaultSettings)
{
    FVantrelFirmWare->Btn_Close->Click();
    ASSERT_TRUE(FileExists(exe.File("Vantrel.xml")));
    Project_Name = "x";
    Language_Name = "x";
    Read_Settings(exe.File("Vantrel.xml"));
    EXPECT_EQ(Project_Name + "|" + Last_IP_Address + "|" + Language_Name, "|192.168.2.205|English");
    EXPECT_EQ(Opt_Enable_Internet + Opt_Enable_Update + Opt_Jump_Field_Tables + Opt_Double_Click_Auto_Size,
              0);
}

// Told once at start, and what could be read survives the next close.
TEST_F(MainWindowTest, DamagedSettingsAreToldOnceAndTheirReadableValuesKept)
{
    FVantrelFirmWare->Close();
    Free_Windows();
    WriteTestFile(exe.File("Vantrel.xml"),
                  "<Conf_Settings><lastproj><projectname></projectname></lastproj>\n"
                  "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>\n"
                  "<lastlang><language>English</language></lastlang>\n"
                  "<lastinternet><enable_internet>0</enable_internet><enable_update>0</enable_update>"
                  "<enable_jump_field_tables>1</enable_jump_field_tables><Double_Cl");
    const size_t before = dialogs.Messages().size();
    Start();
    ASSERT_EQ(Messages_Since(before),
              std::vector<std::string>{"Vantrel.xml: the file is damaged (line 4: the file ends too early). The "
                                       "settings that could be read are kept; the others are back at their "
                                       "defaults."});
    EXPECT_EQ(dialogs.Messages().back().Type, mtWarning);

    Restart();
    EXPECT_EQ(Messages_Since(before).size(), 1u) << "the close wrote the file whole again";
    EXPECT_EQ(Last_IP_Address, "10.0.0.7");
    EXPECT_EQ(Opt_Jump_Field_Tables, 1);
}

TEST_F(MainWindowTest, NewConfigurationCreatesAndReopens)
{
    Create_Through_Window("Plant1");
    EXPECT_TRUE(DirectoryExists(exe.File("PROJECTS/Plant1/bin")));
    EXPECT_EQ(Name_Lines(), Text(11) + "|Plant1");
    EXPECT_EQ(File_ParGen, exe.File("PROJECTS/Plant1/ParGen.xml"));
    EXPECT_TRUE(dialogs.Messages().empty());

    Restart();
    EXPECT_EQ(Project_Dir, exe.File("PROJECTS/Plant1"));
    EXPECT_EQ(Name_Lines(), Text(11) + "|Plant1");
}

// Step 2 on a damaged ParGen.xml: the user learns which file is broken and how, the window
// opens with what could be read, Cancel keeps the broken file for a closer look and OK
// replaces it, keeping the values read.
TEST_F(MainWindowTest, SetCommunicationOnADamagedFileReportsItAndOnlyOkReplacesIt)
{
    Create_Through_Window("Plant1");
    const std::string broken = "<Par_Gen>\n<CANopen_IDDev>5</CANopen_IDDev>\n<CANopen_Delay>3</CANopen_IDDev>";
    WriteTestFile(File_ParGen, broken);
    TParGen_Data readable;
    readable.CANopen_IDDevice = "5";
    const size_t before = dialogs.Messages().size();
    dialogs.OnModal([&](TCustomForm& form) {
        EXPECT_EQ(static_cast<TFParGen&>(form).Field_Data(), readable);
        form.SetModalResult(mrCancel);
    });
    FVantrelFirmWare->Btn_Prm_Gen->Click();
    EXPECT_EQ(Messages_Since(before),
              std::vector<std::string>{"ParGen.xml: the file is damaged (line 3: start and end tags do not "
                                       "match). The values that could be read are shown; the others are at "
                                       "their defaults"});
    EXPECT_EQ(ReadTestFile(File_ParGen), broken);

    dialogs.OnModal([](TCustomForm& form) { static_cast<TFParGen&>(form).Btn_OK->Click(); });
    FVantrelFirmWare->Btn_Prm_Gen->Click();
    TParGen_Data saved;
    Load_ParGen_File(File_ParGen, saved);
    EXPECT_EQ(saved, readable);
}

TEST_F(MainWindowTest, NewConfigurationRefusesBadNamesAndStaysOpen)
{
    Create_Through_Window("Plant1");
    const std::pair<const char*, int> refused[] = {
        {"PLANT1", 106}, {"", 107}, {"../x", 105}, {"a/b", 105}, {".plant", 105}};
    for (const auto& [name, text] : refused) {
        const size_t before = dialogs.Messages().size();
        dialogs.OnModal([name = name](TCustomForm&) {
            FNew_Project->E_New_Proj->SetText(name);
            FNew_Project->Btn_OKClick(FNew_Project->Btn_OK);
            EXPECT_EQ(FNew_Project->ModalResult(), mrNone) << "the window stays open";
        });
        FVantrelFirmWare->Btn_New->Click();
        ASSERT_EQ(Messages_Since(before), std::vector<std::string>{Text(text)}) << name;
        EXPECT_EQ(dialogs.Messages().back().Type, mtError);
    }
    EXPECT_FALSE(DirectoryExists(exe.File("x")));
    EXPECT_FALSE(DirectoryExists(exe.File("PROJECTS/a")));
    EXPECT_FALSE(DirectoryExists(exe.File("PROJECTS/.plant")));
    EXPECT_EQ(Name_Lines(), Text(11) + "|Plant1") << "a cancelled New window keeps the open project";
}

TEST_F(MainWindowTest, EnterInTheNameFieldActsAsOk)
{
    dialogs.OnModal([](TCustomForm&) {
        FNew_Project->E_New_Proj->SetText("Plant2");
        char32_t key = U'\r';
        FNew_Project->E_New_ProjKeyPress(FNew_Project->E_New_Proj, key);
    });
    FVantrelFirmWare->Btn_New->Click();
    EXPECT_EQ(Project_Name, "Plant2");
}

TEST_F(MainWindowTest, ProjectOfDeletedFolderIsNotOpenedButKept)
{
    Create_Through_Window("Plant1");
    FVantrelFirmWare->Close();
    Free_Windows();
    std::filesystem::remove_all(exe.File("PROJECTS/Plant1"));
    Start();
    EXPECT_EQ(Project_Dir, "");
    EXPECT_EQ(Name_Lines(), Text(9) + "|" + Text(10));
    Restart();
    EXPECT_EQ(Project_Name, "Plant1") << "the settings file goes on naming it";
}

TEST_F(MainWindowTest, OpenPreselectsTheOpenProject)
{
    for (const char* name : {"Alpha", "Beta"})
        CreateDir(exe.File("PROJECTS/") + name);
    std::string preselected;
    dialogs.OnModal([&preselected](TCustomForm& form) {
        preselected = FOpenConf->Name_Conf;
        form.SetModalResult(mrOk);
    });
    FVantrelFirmWare->Btn_Open->Click();
    EXPECT_EQ(preselected, "Alpha") << "none open: the first entry";
    EXPECT_EQ(FOpenConf->ListBox1->Count(), 2);

    dialogs.OnModal([](TCustomForm& form) {
        FOpenConf->ListBox1->SetItemIndex(1);
        FOpenConf->ListBox1Click(FOpenConf->ListBox1);
        form.SetModalResult(mrOk);
    });
    FVantrelFirmWare->Btn_Open->Click();
    EXPECT_EQ(Name_Lines(), Text(11) + "|Beta");

    dialogs.OnModal([&preselected](TCustomForm&) { preselected = FOpenConf->Name_Conf; });
    FVantrelFirmWare->Btn_Open->Click();
    EXPECT_EQ(preselected, "Beta");
    EXPECT_EQ(Project_Dir, exe.File("PROJECTS/Beta")) << "Cancel keeps the open project";
}

// Every styled button of every window has the same bevel colours, as the windows were drawn.
TEST_F(MainWindowTest, EveryStyledButtonHasTheWindowsColours)
{
    int buttons = 0;
    std::function<void(const TComponent&)> visit = [&](const TComponent& component) {
        for (int i = 0; i < component.ComponentCount(); ++i) {
            const TComponent* child = component.Components(i);
            if (const auto* button = dynamic_cast<const TLbButton*>(child)) {
                ++buttons;
                EXPECT_EQ(button->LightColor(), clGray) << button->Name();
                EXPECT_EQ(button->Color(), TColor(15595512)) << button->Name();
            }
            visit(*child);
        }
    };
    visit(owner);
    EXPECT_GT(buttons, 20);
}

TEST_F(MainWindowTest, OpenTakesTheProjectClickedWithTheMouse)
{
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        CreateDir(exe.File("PROJECTS/") + name);
    Create_Through_Window("Delta");
    dialogs.OnModal([](TCustomForm&) {
        TListBox* list = FOpenConf->ListBox1;
        const TRect item = list->ItemRect(list->Items()->IndexOf("Gamma"));
        SendClick(list, item.Left + 4, (item.Top + item.Bottom) / 2);
        ClickAt(FOpenConf->Btn_OK, 10, 10);
    });
    FVantrelFirmWare->Btn_Open->Click();
    EXPECT_EQ(Project_Dir, exe.File("PROJECTS/Gamma"));
    EXPECT_EQ(Name_Lines(), Text(11) + "|Gamma");
}

// A folder unpacked from an archive made elsewhere may have a name that is no UTF-8 text:
// the list shows it as best it can, and the click opens the folder listed, whose name the
// settings file then keeps for the next start.
TEST_F(MainWindowTest, OpenTakesTheListedFolderWhoseNameIsNoText)
{
    const std::string latin1 = "Pl\xE4nt";
    ASSERT_TRUE(CreateDir(exe.File("PROJECTS/" + latin1)));
    Create_Through_Window("Zulu");
    dialogs.OnModal([&](TCustomForm&) {
        const int index = FOpenConf->SL.IndexOf(latin1);
        ASSERT_GE(index, 0);
        TListBox* list = FOpenConf->ListBox1;
        const TRect item = list->ItemRect(index);
        SendClick(list, item.Left + 4, (item.Top + item.Bottom) / 2);
        ClickAt(FOpenConf->Btn_OK, 10, 10);
    });
    FVantrelFirmWare->Btn_Open->Click();
    EXPECT_EQ(Project_Dir, exe.File("PROJECTS/" + latin1));
    EXPECT_TRUE(DirectoryExists(Project_Dir));

    const size_t before = dialogs.Messages().size();
    Restart();
    EXPECT_EQ(Project_Dir, exe.File("PROJECTS/" + latin1));
    EXPECT_EQ(Messages_Since(before), std::vector<std::string>{}) << "the settings file reads back whole";
}

TEST_F(MainWindowTest, OpenWithNoProjectsLeavesNoneOpen)
{
    Create_Through_Window("Plant1");
    std::filesystem::remove_all(exe.File("PROJECTS/Plant1"));
    dialogs.OnModal([](TCustomForm& form) { form.SetModalResult(mrOk); });
    FVantrelFirmWare->Btn_Open->Click();
    EXPECT_EQ(FOpenConf->ListBox1->Count(), 0);
    EXPECT_EQ(Project_Dir, "");
    EXPECT_EQ(Name_Lines(), Text(9) + "|" + Text(10));
}

TEST_F(MainWindowTest, StepsOpenTheirWindowsOnceAConfigurationIsOpen)
{
    Create_Through_Window("Plant1");
    const size_t before = dialogs.ModalForms().size();
    FVantrelFirmWare->Btn_EtherNetIP_Access->Click();
    FVantrelFirmWare->Btn_CreateBin->Click();
    EXPECT_EQ(std::vector<std::string>(dialogs.ModalForms().begin() + before, dialogs.ModalForms().end()),
              (std::vector<std::string>{"TFEtherNetIP_Master_Access", "TFBoot"}));
    EXPECT_TRUE(FileExists(exe.File("PROJECTS/Plant1/bin/bank.bin")))
        << "built also when the update is cancelled";
    EXPECT_EQ(FBoot->Form_Type, 1);
    EXPECT_EQ(FBoot->Caption(), Text(1002));
}

TEST_F(MainWindowTest, EdsStepWritesTheChosenFile)
{
    Create_Through_Window("Plant1");
    FVantrelFirmWare->Btn_CANopen_EDS->Click();
    ASSERT_EQ(dialogs.FileRequests().size(), 1u);
    EXPECT_EQ(dialogs.FileRequests()[0].InitialDir, Project_Dir);
    EXPECT_EQ(dialogs.FileRequests()[0].Filter, "Electronic Data Sheet (*.eds)|*.eds");

    dialogs.AnswerFile(exe.File("out.eds"));
    FVantrelFirmWare->Btn_CANopen_EDS->Click();
    EXPECT_TRUE(FileExists(exe.File("out.eds")));
    Expect_Clean_CANopen_EDS(exe.File("out.eds"));
}

TEST_F(MainWindowTest, HiddenDescriptionStepsWriteTheirFiles)
{
    Create_Through_Window("Plant1");
    TFVantrelFirmWare& w = *FVantrelFirmWare;

    w.Btn_Click(w.Btn_PROFIBUS_GSD);  // a new project has no communication parameters yet
    EXPECT_EQ(dialogs.Messages().back().Text, Text(1104));

    dialogs.AnswerFile(exe.File("out.mib"));
    w.Btn_Click(w.Btn_SNMP_MIB);
    EXPECT_TRUE(FileExists(exe.File("out.mib")));

    dialogs.AnswerFile(exe.File("out"));
    w.Btn_Click(w.Btn_BACnet_EDE_File);
    EXPECT_TRUE(FileExists(exe.File("out.csv")));

    dialogs.OnModal([](TCustomForm&) {
        FProfinetFileName->E_XML_User->SetText("Line1");
        FProfinetFileName->Btn_OK->Click();
    });
    dialogs.AnswerFile(exe.File("typed.xml"));
    w.Btn_Click(w.Btn_PROFINET_XML);
    EXPECT_EQ(FProfinetFileName->Name_File_XML.rfind("GSDML-V2.31-Quorvane-GW30628_Line1-", 0), 0u);
    EXPECT_TRUE(FileExists(exe.File(FProfinetFileName->Name_File_XML)));
}

TEST_F(MainWindowTest, VersionCheckShowsTheLinkAndWaitsTwoHours)
{
    Opt_Enable_Internet = Opt_Enable_Update = 1;
    FVantrelFirmWare->Save_Setting();
    Restart();
    EXPECT_TRUE(FVantrelFirmWare->Timer_Update->Enabled());
    EXPECT_EQ(FVantrelFirmWare->Timer_Update->Interval(), 60000);

    const auto answer = [](const char* version) {
        SetHttpGet([version](const THttpRequest&) { return THttpResponse{200, version}; });
        FVantrelFirmWare->Timer_UpdateTimer(FVantrelFirmWare->Timer_Update);
        ASSERT_TRUE(Run_Loop_Until([] { return FVantrelFirmWare->Version_Check->Answered(); }));
        SetHttpGet(nullptr);
    };
    answer("VER. 1.013");
    EXPECT_TRUE(FVantrelFirmWare->LL_Update->Visible());
    EXPECT_NE(FVantrelFirmWare->LL_Update->Caption().find("download.asp#GW30605\">" + Text(19) + "</a>"),
              std::string::npos);
    EXPECT_EQ(FVantrelFirmWare->Timer_Update->Interval(), 7200000);
    EXPECT_TRUE(FVantrelFirmWare->Timer_Update->Enabled());

    answer("VER. 1.012");
    EXPECT_FALSE(FVantrelFirmWare->LL_Update->Visible());
}

TEST_F(MainWindowTest, ChangeLanguageRelabelsEveryWindowButTheAboutBox)
{
    Lang_Table.Put(16, "Apri");
    Lang_Table.Put(100, "Nuova");
    Lang_Table.Put(800, "Scanner");
    Lang_Table.Put(1902, "Argomento");
    FVantrelFirmWare->Change_Language();
    EXPECT_EQ(FVantrelFirmWare->Btn_Open->Caption(), "Apri");
    EXPECT_EQ(FNew_Project->Caption(), "Nuova");
    EXPECT_EQ(FEtherNetIP_Master_Access->Caption(), "Scanner");
    EXPECT_EQ(FAbout->Caption(), "About...");
}

TEST_F(MainWindowTest, SettingsThatCannotBeWrittenAreReportedAndTheWindowStillCloses)
{
    CreateDir(exe.File("Vantrel.xml"));  // a folder where the file should go
    FVantrelFirmWare->Show();
    FVantrelFirmWare->Close();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Type, mtError);
    EXPECT_FALSE(FVantrelFirmWare->Visible());
}

TEST_F(MainWindowTest, LinksOpenTheMakersPagesThroughTheShell)
{
    std::vector<std::string> opened;
    SetShellOpener([&opened](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    FVantrelFirmWare->L_QuorvaneClick(FVantrelFirmWare->L_Quorvane);
    FAbout->Label4Click(FAbout->Image2);
    FVantrelFirmWare->LL_UpdateLinkClick(FVantrelFirmWare->LL_Update, "http://example/download.asp#GW30605");
    SetShellOpener(nullptr);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_NE(opened[0].find("/HOME/default.asp?frompg=CF30605"), std::string::npos);
    EXPECT_EQ(opened[1], opened[0]);
    EXPECT_EQ(opened[2], "http://example/download.asp#GW30605");
}
