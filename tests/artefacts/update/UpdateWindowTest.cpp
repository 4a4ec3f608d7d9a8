#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "artefacts/update/UBoot.h"
#include "platform/os/FileSystem.h"
#include "platform/os/Programs.h"
#include "platform/os/SerialPorts.h"
#include "platform/ui/Input.h"
#include "support/EventLoop.h"
#include "support/FakeDialogs.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

namespace {
// The update window beside a temporary program folder with its firmware file. The device
// answers the requests its script marks with 'y' (none after the script's end) on a fake
// clock; the updater is a stand-in that ends at once with the exit code `updater_Exit_Code`.
class UpdateWindow : public testing::Test {
protected:
    UpdateWindow()
    {
        Load_Default_Texts();
        Exe_Dir = exe.Path();
        Master_Dir = exe.File("MASTER");
        Project_Dir = exe.File("PROJECTS/Plant 1");
        WriteTestFile(exe.File("MASTER/Sim30605.sim"), "firmware");
        Last_IP_Address = "192.168.2.205";
        Update_Option = 0;
        Update_Read_Back = 1;
        SetIcmpEcho([this](const TEchoRequest& request) {
            addresses.push_back(request.Host);
            if (addresses.size() > 100) throw EIcmpError("runaway test");
            const size_t index = addresses.size() - 1;
            const bool answered = index < script.size() && script[index] == 'y';
            now += answered ? 1 : request.TimeoutMs;
            return TEchoReply{answered ? 8 + request.PayloadSize : 0};
        });
        SetProgramStarter([this](const std::string& path, const std::string& params, bool hidden) {
            return Start_Updater(path, params, hidden);
        });
        form = new TFBoot(&owner);
        form->AfterConstruction();
        form->Use_Ping_Hooks({[this] { return now; },
                              [this] {
                                  now += 10;
                                  ++pauses;
                                  if (On_Pause) On_Pause();
                              }});
        form->Form_Type = 1;
    }

    struct Ended : TStartedProgram {
        explicit Ended(int code) : code(code) {}
        bool Running() override { return false; }
        int ExitCode() override { return code; }
        int code;
    };

    std::unique_ptr<TStartedProgram> Start_Updater(const std::string& path, const std::string& params,
                                                   bool hidden)
    {
        starts.push_back(path + "|" + params + "|" + (hidden ? "hidden" : "shown"));
        if (!updater_Present) return nullptr;
        return std::make_unique<Ended>(updater_Exit_Code);
    }

    // Shows the window modally, runs the action on it and closes it as its close box does
    // when the action left it open.
    TModalResult Show(std::function<void()> action)
    {
        dialogs.OnModal([action](TCustomForm&) { action(); });
        return form->ShowModal();
    }

    void Set_Address(const std::vector<std::string>& parts)
    {
        for (size_t i = 0; i < parts.size(); ++i)
            form->E_IP[i]->SetText(parts[i]);
    }

    std::vector<std::string> Edits() const
    {
        std::vector<std::string> texts;
        for (const TEdit* edit : form->E_IP)
            texts.push_back(edit->Text());
        return texts;
    }

    std::string Job_Path() const { return exe.File("Ethernet_Update.xml"); }

    TempDir exe;
    TFakeDialogs dialogs;
    TComponent owner{nullptr};
    TFBoot* form;
    std::string script = "yy";
    std::vector<std::string> addresses;
    std::vector<std::string> starts;
    bool updater_Present = true;
    int updater_Exit_Code = 0;
    std::function<void()> On_Pause;
    int64_t now = 5'000'000;
    int pauses = 0;
};

std::string Text(int index) { return Lang_Table[index]; }
} // namespace

struct LayoutCase {
    const char* name;
    int formType;
    int caption;
    int height;
    std::vector<const char*> panels; // the panels shown below the title, top to bottom
    std::vector<const char*> tabOrder;
};

class UpdateWindowLayout : public UpdateWindow, public testing::WithParamInterface<LayoutCase> {};

TEST_P(UpdateWindowLayout, ShowsThePanelsOfTheMode)
{
    SetSerialPortProbe([](int) { return false; }); // the serial mode lists ports as it shows
    form->Form_Type = GetParam().formType;
    std::vector<std::string> panels, tabOrder;
    std::string focused;
    Show([&] {
        int top = form->P_Title->Height();
        for (TControl* control : {form->P_IP_Address, form->P_Serial, form->P_Options}) {
            if (!control->Visible()) continue;
            panels.push_back(control->Name());
            EXPECT_EQ(control->Top(), top) << control->Name();
            EXPECT_EQ(control->Width(), 449) << control->Name();
            top = control->Top() + control->Height();
        }
        tabOrder.resize(5);
        for (TPanel* panel :
             {form->P_Title, form->P_IP_Address, form->P_Serial, form->P_Options, form->P_Button})
            tabOrder.at(panel->TabOrder()) = panel->Name();
        if (TWinControl* control = form->ActiveControl()) focused = control->Name();
    });
    std::vector<std::string> expected(GetParam().panels.begin(), GetParam().panels.end());
    EXPECT_EQ(panels, expected);
    EXPECT_EQ(tabOrder, std::vector<std::string>(GetParam().tabOrder.begin(), GetParam().tabOrder.end()));
    EXPECT_EQ(form->ClientWidth(), 449);
    EXPECT_EQ(form->ClientHeight(), GetParam().height);
    EXPECT_EQ(form->Caption(), Text(GetParam().caption));
    EXPECT_EQ(form->L_SW_Desc->Caption(), Text(GetParam().caption + 1));
    EXPECT_EQ(focused, GetParam().formType == 1 ? "E_IP1" : "CB_COM_Port");
}

INSTANTIATE_TEST_SUITE_P(
    Modes, UpdateWindowLayout,
    testing::Values(LayoutCase{"Ethernet",
                               1,
                               1002,
                               230,
                               {"P_IP_Address", "P_Options"},
                               {"P_Title", "P_IP_Address", "P_Options", "P_Button", "P_Serial"}},
                    LayoutCase{"Serial",
                               0,
                               1000,
                               232,
                               {"P_Serial", "P_Options"},
                               {"P_Title", "P_Serial", "P_Options", "P_Button", "P_IP_Address"}}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST_F(UpdateWindow, CarriesTheTextsOfTheLanguage)
{
    Show([] {});
    EXPECT_EQ(form->L_IP_Address->Caption(), "Insert the IP Address of Device");
    EXPECT_EQ(form->E_IP[3]->Hint(), "Insert fourth byte of IP Address");
    EXPECT_EQ(form->L_IP_Dot[0]->Caption(), ".");
    EXPECT_EQ(form->L_Update_Option->Caption(), "Select Update Options");
    EXPECT_EQ(form->CB_Update_Options->Items()->Text(),
              "Firmware + Configuration\r\nFirmware\r\nConfiguration\r\n");
    EXPECT_EQ(form->CB_Update_Options->Hint(), "Select the operation to do in update");
    EXPECT_EQ(form->CB_Update_Option_Read_Back->Caption(), "Read Back");
    EXPECT_EQ(form->Btn_Cancel->Caption(), "Cancel");
    EXPECT_EQ(form->Btn_Cancel->Hint(), "Exit without to do the Update");
    EXPECT_EQ(form->Btn_Update->Caption(), "Execute Update Firmware");
    EXPECT_EQ(form->Btn_Update->Hint(), "Start the update of Device");
    EXPECT_EQ(form->L_SW_Code->Caption(), SW_Code);

    // A language change while the window is closed shows at the next opening, with the
    // remembered option still chosen.
    Lang_Table.Put(1017, "Konfiguration");
    Lang_Table.Put(1020, "Aktualisieren");
    Update_Option = 2;
    form->Set_Lang();
    Show([] {});
    EXPECT_EQ(form->CB_Update_Options->Text(), "Konfiguration");
    EXPECT_EQ(form->Btn_Update->Caption(), "Aktualisieren");
    Load_Default_Texts();
}

struct AddressCase {
    const char* lastAddress;
    std::vector<std::string> edits;
};

// The remembered address fills the edits only when it is an address; otherwise they keep what
// the user left in them at the last opening.
TEST_F(UpdateWindow, FillsTheEditsFromTheRememberedAddress)
{
    const AddressCase cases[] = {
        {"192.168.2.205", {"192", "168", "2", "205"}}, {"", {"192", "168", "2", "205"}},
        {" 10.0.0.7 ", {"10", "0", "0", "7"}},         {"10.0.0", {"10", "0", "0", "7"}},
        {"10.0.0.256", {"10", "0", "0", "7"}},         {"10.0.x.1", {"10", "0", "0", "7"}}};
    TFBoot* fresh = new TFBoot(&owner);
    fresh->AfterConstruction();
    EXPECT_EQ(fresh->IP_Address_Text(), "0.0.0.0") << "before any opening";
    for (const AddressCase& c : cases) {
        Last_IP_Address = c.lastAddress;
        Show([] {});
        EXPECT_EQ(Edits(), c.edits) << c.lastAddress;
    }
}

TEST_F(UpdateWindow, TheOptionsComeFromTheRememberedChoices)
{
    for (int option : {2, 1, 0})
        for (uint8_t readBack : {0, 1}) {
            Update_Option = option;
            Update_Read_Back = readBack;
            Show([] {});
            EXPECT_EQ(form->CB_Update_Options->ItemIndex(), option);
            EXPECT_EQ(form->CB_Update_Option_Read_Back->Checked(), readBack == 1);
        }
}

// Typing an address with its dots into the first edit spreads it over the four.
TEST_F(UpdateWindow, TheDotMovesToTheNextEdit)
{
    Show([&] {
        Set_Address({"", "", "", ""});
        SendText("192.168.1.5");
        SendText(".");
    });
    EXPECT_EQ(Edits(), (std::vector<std::string>{"192", "168", "1", "5"}));
}

struct UpdateCase {
    const char* name;
    std::vector<std::string> address;
    const char* script;
    size_t requests;
    int messageText; // 0: no box
    TMsgDlgType messageType;
};

class UpdateWindowDevice : public UpdateWindow, public testing::WithParamInterface<UpdateCase> {};

// Only a device that answered gets a job and the updater; the others get the box that says
// why, and the remembered choices stay as they were.
TEST_P(UpdateWindowDevice, UpdatesOnlyADeviceThatAnswers)
{
    script = GetParam().script;
    Last_IP_Address = "10.1.1.1";
    Show([&] {
        Set_Address(GetParam().address);
        form->CB_Update_Options->SetItemIndex(2);
        form->CB_Update_Option_Read_Back->SetChecked(false);
        ClickAt(form->Btn_Update, 10, 10);
    });
    const std::string address = GetParam().address[0] + "." + GetParam().address[1] + "." +
                                GetParam().address[2] + "." + GetParam().address[3];
    EXPECT_EQ(addresses.size(), GetParam().requests);
    const bool updated = GetParam().messageText == 0;
    if (updated) {
        EXPECT_TRUE(dialogs.Messages().empty());
        EXPECT_EQ(starts, std::vector<std::string>{exe.File("Ethernet_Update") + "||shown"});
        const std::string job = ReadTestFile(Job_Path());
        EXPECT_NE(job.find("<IP_Address_Dev>" + address + "</IP_Address_Dev>"), std::string::npos);
        EXPECT_NE(job.find("Plant 1/bin/bank.bin"), std::string::npos);
        EXPECT_EQ(job.find("Sim30605.sim"), std::string::npos);
        EXPECT_NE(job.find("<Ope_Read_Back>0</Ope_Read_Back>"), std::string::npos);
    } else {
        ASSERT_EQ(dialogs.Messages().size(), 1u);
        EXPECT_EQ(dialogs.Messages()[0].Text, Text(GetParam().messageText));
        EXPECT_EQ(dialogs.Messages()[0].Type, GetParam().messageType);
        EXPECT_TRUE(starts.empty());
        EXPECT_FALSE(FileExists(Job_Path()));
    }
    EXPECT_EQ(Last_IP_Address, updated ? address : "10.1.1.1");
    EXPECT_EQ(Update_Option, updated ? 2 : 0);
    EXPECT_EQ(Update_Read_Back, updated ? 0 : 1);
    EXPECT_EQ(form->ping_res(), GetParam().requests == 0 ? 0 : updated ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, UpdateWindowDevice,
    testing::Values(UpdateCase{"AnswersAtOnce", {"192", "168", "1", "5"}, "yy", 2, 0, mtCustom},
                    // Leading zeros reach the job as typed.
                    UpdateCase{
                        "AnswersEveryOtherRequest", {"192", "168", "001", "5"}, "nyny", 4, 0, mtCustom},
                    // About 5 s of unanswered requests on the fake clock.
                    UpdateCase{"SwitchedOff", {"192", "168", "1", "5"}, "", 13, 1036, mtWarning},
                    UpdateCase{"OctetAbove255", {"192", "168", "1", "300"}, "yy", 0, 1037, mtError},
                    UpdateCase{"EmptyEdit", {"192", "", "1", "5"}, "yy", 0, 1037, mtError}),
    [](const testing::TestParamInfo<UpdateCase>& info) { return std::string(info.param.name); });

// While the device is tested the address cannot change and Update cannot be pressed again;
// an address typed meanwhile is not the one that was tested, so it reaches nothing.
TEST_F(UpdateWindow, TheTestedAddressIsTheOneUpdated)
{
    std::vector<bool> enabled;
    Show([&] {
        Set_Address({"192", "168", "1", "5"});
        On_Pause = [&] {
            for (TControl* control :
                 {static_cast<TControl*>(form->Btn_Update), static_cast<TControl*>(form->E_IP[3])})
                enabled.push_back(control->Enabled());
            form->E_IP[3]->SetText("99");
            form->Btn_UpdateClick(form->Btn_Update);
        };
        form->Btn_UpdateClick(form->Btn_Update);
        On_Pause = nullptr;
        EXPECT_TRUE(form->Btn_Update->Enabled());
        EXPECT_TRUE(form->E_IP[3]->Enabled());
    });
    EXPECT_EQ(enabled, std::vector<bool>(4, false));
    EXPECT_EQ(addresses, (std::vector<std::string>{"192.168.1.5", "192.168.1.5"}));
    EXPECT_EQ(starts.size(), 1u);
    EXPECT_EQ(Last_IP_Address, "192.168.1.5");
    EXPECT_NE(ReadTestFile(Job_Path()).find("<IP_Address_Dev>192.168.1.5<"), std::string::npos);
}

// Closing the window during the test, by Cancel or by its close box, ends the test: nothing
// is remembered, written or run, and no box is shown.
TEST_F(UpdateWindow, ClosingDuringTheTestAbortsTheUpdate)
{
    const std::function<void()> closers[] = {[&] { ClickAt(form->Btn_Cancel, 10, 10); },
                                             [&] { form->Close(); }};
    script = "nnnnnnnnnnnnnnnnnnnny";
    for (const auto& close : closers) {
        addresses.clear();
        const TModalResult result = Show([&] {
            Set_Address({"192", "168", "1", "5"});
            On_Pause = [&] {
                if (pauses % 2 == 0) close();
            };
            form->Btn_UpdateClick(form->Btn_Update);
            On_Pause = nullptr;
        });
        EXPECT_EQ(result, mrCancel);
        EXPECT_LE(addresses.size(), 2u);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_TRUE(starts.empty());
    EXPECT_FALSE(FileExists(Job_Path()));
    EXPECT_EQ(Last_IP_Address, "192.168.2.205");
}

TEST_F(UpdateWindow, AnUpdaterThatCannotStartIsReported)
{
    updater_Present = false;
    Show([&] {
        Set_Address({"10", "0", "0", "9"});
        form->Btn_UpdateClick(form->Btn_Update);
    });
    EXPECT_EQ(starts.size(), 1u);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Type, mtError);
    EXPECT_NE(dialogs.Messages()[0].Text.find(exe.File("Ethernet_Update")), std::string::npos);
    EXPECT_EQ(Last_IP_Address, "10.0.0.9") << "the device answered: its address is kept";
}

TEST_F(UpdateWindow, AnUpdaterThatCannotStartIsReportedInTheLanguageOfTheFile)
{
    const std::string language = exe.File("Italiano.lng");
    WriteTestFile(language, "STR1099 = Impossibile avviare il programma di aggiornamento:\r\n");
    Read_Language_File(language);
    updater_Present = false;
    Show([&] {
        Set_Address({"10", "0", "0", "9"});
        form->Btn_UpdateClick(form->Btn_Update);
    });
    Load_Default_Texts();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text,
              "Impossibile avviare il programma di aggiornamento:\n" + exe.File("Ethernet_Update"));
}

// Serial mode remembers the choices and neither tests, writes nor runs anything.
TEST_F(UpdateWindow, SerialModeOnlyRemembersTheChoices)
{
    SetSerialPortProbe([](int port) { return port == 4; });
    form->Form_Type = 0;
    Show([&] {
        EXPECT_EQ(form->CB_COM_Port->Items()->Text(), "COM4\r\n");
        SetSerialPortProbe([](int port) { return port == 2 || port == 9; });
        ClickAt(form->Btn_COM_List, 10, 10);
        form->CB_Update_Options->SetItemIndex(1);
        form->CB_Update_Option_Read_Back->SetChecked(false);
        form->Btn_UpdateClick(form->Btn_Update);
    });
    EXPECT_EQ(form->CB_COM_Port->Items()->Text(), "COM2\r\nCOM9\r\n");
    EXPECT_EQ(form->CB_COM_Port->ItemIndex(), 0);
    EXPECT_EQ(Update_Option, 1);
    EXPECT_EQ(Update_Read_Back, 0);
    EXPECT_TRUE(addresses.empty());
    EXPECT_TRUE(starts.empty());
    EXPECT_FALSE(FileExists(Job_Path()));
}

// A job that cannot be written reaches the error report, and no updater runs without it.
TEST_F(UpdateWindow, AJobThatCannotBeWrittenIsReported)
{
    Exe_Dir = exe.File("missing");
    Show([&] { SendClick(form->Btn_Update, 10, 10); });
    EXPECT_EQ(addresses.size(), 2u);
    EXPECT_TRUE(starts.empty());
    ASSERT_TRUE(Run_Loop_Until([&] { return !dialogs.Messages().empty(); }));
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Type, mtError);
    EXPECT_NE(dialogs.Messages()[0].Text.find("Ethernet_Update.xml"), std::string::npos)
        << dialogs.Messages()[0].Text;
}

// An updater that ends with an error code has not updated the device: the user is told,
// with the code, instead of seeing the window as after a good update.
TEST_F(UpdateWindow, AnUpdaterThatFailsIsReportedWithItsCode)
{
    for (const int code : {1, 5, 137}) {
        updater_Exit_Code = code;
        addresses.clear();
        const size_t before = dialogs.Messages().size();
        Show([&] {
            Set_Address({"10", "0", "0", "9"});
            ClickAt(form->Btn_Update, 10, 10);
        });
        ASSERT_EQ(dialogs.Messages().size(), before + 1) << code;
        EXPECT_EQ(dialogs.Messages().back().Type, mtError);
        EXPECT_EQ(dialogs.Messages().back().Text, Text(1097) + std::to_string(code));
    }
    EXPECT_EQ(starts.size(), 3u);
}

// A job that would send a firmware file missing from MASTER is refused before the device is
// tested and before anything is written or run; a job of the configuration alone goes on.
TEST_F(UpdateWindow, AMissingFirmwareFileIsReportedBeforeStarting)
{
    std::remove(exe.File("MASTER/Sim30605.sim").c_str());
    const struct {
        int option;
        bool refused;
    } cases[] = {{0, true}, {1, true}, {2, false}};
    for (const auto& c : cases) {
        addresses.clear();
        starts.clear();
        std::remove(Job_Path().c_str());
        const size_t before = dialogs.Messages().size();
        Show([&] {
            Set_Address({"10", "0", "0", "9"});
            form->CB_Update_Options->SetItemIndex(c.option);
            ClickAt(form->Btn_Update, 10, 10);
        });
        EXPECT_EQ(starts.size(), c.refused ? 0u : 1u) << c.option;
        EXPECT_EQ(FileExists(Job_Path()), !c.refused) << c.option;
        EXPECT_EQ(addresses.empty(), c.refused) << c.option;
        if (!c.refused) {
            EXPECT_EQ(dialogs.Messages().size(), before) << c.option;
            continue;
        }
        ASSERT_EQ(dialogs.Messages().size(), before + 1) << c.option;
        EXPECT_EQ(dialogs.Messages().back().Type, mtError);
        EXPECT_EQ(dialogs.Messages().back().Text, Text(1098) + "\n" + exe.File("MASTER/Sim30605.sim"));
    }
}
