#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/window/UCreate_Windows.h"
#include "app/window/UVantrelFirmWare.h"
#include "artefacts/update/UBoot.h"
#include "platform/os/FileSystem.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"
#include "support/FakeDialogs.h"
#include "support/HostileFiles.h"
#include "support/TestFiles.h"
#include "support/Unprivileged.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/UNew_Project.h"
#include "workspace/UParGen.h"
#include "workspace/UParGenFile.h"
#include "workspace/USettings.h"

// What a user meets when something other than a file stands where the program keeps one: a
// link to /dev/zero, a FIFO nobody writes to, a directory. Each is told at once, naming the
// file and what stands there; nothing freezes, nothing runs out of memory, nothing readable
// is overwritten.
namespace {
class HostileFiles : public testing::Test {
protected:
    void SetUp() override { Create_Windows(&owner, exe.Path()); }
    void TearDown() override { Free_Windows(); }

    void Create_Project()
    {
        dialogs.OnModal([](TCustomForm&) {
            FNew_Project->E_New_Proj->SetText("Plant1");
            FNew_Project->Btn_OKClick(FNew_Project->Btn_OK);
        });
        FVantrelFirmWare->Btn_New->Click();
    }

    // A user's click on a main-window button; an error that escapes it reaches the error
    // box on the next turn of the event loop.
    void Click(TLbButton* Button)
    {
        FVantrelFirmWare->Show();
        SendClick(Button, 10, 10);
        Application->ProcessMessages();
    }

    std::vector<std::string> Messages_Since(size_t Count) const
    {
        std::vector<std::string> texts;
        for (size_t i = Count; i < dialogs.Messages().size(); ++i)
            texts.push_back(dialogs.Messages()[i].Text);
        return texts;
    }

    TempDir exe;
    TFakeDialogs dialogs;
    TComponent owner{nullptr};
};

// A project file and the step whose window reads it.
struct TStep_File {
    const char* Name;
    TLbButton* TFVantrelFirmWare::*Step;
};

const TStep_File Step_Files[] = {
    {"ParGen.xml", &TFVantrelFirmWare::Btn_Prm_Gen},
    {"EtherNetIP_Master_Rules.xml", &TFVantrelFirmWare::Btn_EtherNetIP_Access},
    {"SDO_Server_CANopen.xml", &TFVantrelFirmWare::Btn_SDO_Server_CANopen},
    {"SDO_Client_CANopen.xml", &TFVantrelFirmWare::Btn_SDO_Client_CANopen},
    {"PDO_CANopen.xml", &TFVantrelFirmWare::Btn_PDO_CANopen},
};

bool Is_Character_Device(const std::string& Path)
{
    struct stat st {};
    return stat(Path.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
}
} // namespace

TEST_F(HostileFiles, SettingsFileFallsBackToTheDefaultsAndIsToldOnce)
{
    const std::string path = exe.File("Vantrel.xml");
    for (const THostileEntry& entry : Hostile_Entries()) {
        Free_Windows();
        entry.Place(path);
        const size_t before = dialogs.Messages().size();
        Create_Windows(&owner, exe.Path());
        EXPECT_EQ(Messages_Since(before),
                  std::vector<std::string>{Refusal_Text(path, entry) +
                                           ". The settings are back at their defaults."})
            << entry.Name;
        EXPECT_EQ(Last_IP_Address, Default_IP_Address) << entry.Name;
        EXPECT_EQ(Language_Name, Default_Language_Name) << entry.Name;

        // The close cannot put the settings there either, and says so.
        const size_t beforeClose = dialogs.Messages().size();
        FVantrelFirmWare->Close();
        const auto shown = Messages_Since(beforeClose);
        ASSERT_EQ(shown.size(), 1u) << entry.Name;
        EXPECT_NE(shown[0].find(entry.Kind), std::string::npos) << entry.Name << ": " << shown[0];
    }
    EXPECT_TRUE(Is_Character_Device("/dev/zero"));
}

TEST_F(HostileFiles, EachStepWindowNamesItsFileAndWhatStandsThere)
{
    Create_Project();
    for (const TStep_File& file : Step_Files) {
        const std::string path = Project_Dir + "/" + file.Name;
        for (const THostileEntry& entry : Hostile_Entries()) {
            entry.Place(path);
            const size_t before = dialogs.Messages().size();
            bool shown = false;
            dialogs.OnModal([&](TCustomForm& form) {
                shown = true;
                form.SetModalResult(mrCancel);
            });
            Click(FVantrelFirmWare->*file.Step);
            const auto messages = Messages_Since(before);
            ASSERT_EQ(messages.size(), 1u) << file.Name << ", " << entry.Name;
            EXPECT_NE(messages[0].find(Refusal_Text(path, entry)), std::string::npos)
                << file.Name << ", " << entry.Name << ": " << messages[0];
            // No window opens on defaults that OK could write over the file.
            EXPECT_FALSE(shown) << file.Name << ", " << entry.Name;
            Remove_Entry(path);
        }
    }
}

// OK in the communication parameters cannot put a file in place of what was put at its path
// while the window was open.
TEST_F(HostileFiles, SetCommunicationOkLeavesWhatStandsThere)
{
    Create_Project();
    const THostileEntry& fifo = Hostile_Entries()[1];
    dialogs.OnModal([&fifo](TCustomForm& form) {
        fifo.Place(File_ParGen);
        ClickAt(static_cast<TFParGen&>(form).Btn_OK, 10, 10);
        form.SetModalResult(mrCancel);
    });
    const size_t before = dialogs.Messages().size();
    Click(FVantrelFirmWare->Btn_Prm_Gen);
    const auto messages = Messages_Since(before);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "Cannot write file \"" + File_ParGen + "\". It is a FIFO (named pipe), not a regular file");
    struct stat st {};
    ASSERT_EQ(lstat(File_ParGen.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// A project file the user may not read: its window says so and does not open, so that OK
// cannot put defaults or an empty table over the user's intact file. Root reads any file,
// so the tests read as an unprivileged user where they run as root.
TEST_F(HostileFiles, AFileThatMayNotBeReadKeepsItsWindowClosed)
{
    Create_Project();
    // The user may replace files in the project folder, as the owner of a project may.
    ASSERT_EQ(chmod(exe.Path().c_str(), 0755), 0);
    ASSERT_EQ(chmod(Project_Dir.c_str(), 0777), 0);
    for (const TStep_File& file : Step_Files) {
        const std::string path = Project_Dir + "/" + file.Name;
        const std::string content = "<Par_Gen><CANopen_IDDevice>42</CANopen_IDDevice></Par_Gen>";
        WriteTestFile(path, content);
        ASSERT_EQ(chmod(path.c_str(), 0200), 0);
        bool shown = false;
        dialogs.OnModal([&](TCustomForm& form) {
            shown = true;
            if (auto* ok = dynamic_cast<TControl*>(form.FindComponent("Btn_OK"))) ClickAt(ok, 10, 10);
            form.SetModalResult(mrCancel);
        });
        const size_t before = dialogs.Messages().size();
        {
            const TUnprivilegedUser user;
            Click(FVantrelFirmWare->*file.Step);
        }
        const auto messages = Messages_Since(before);
        ASSERT_EQ(messages.size(), 1u) << file.Name;
        EXPECT_NE(messages[0].find("\"" + path + "\""), std::string::npos)
            << file.Name << ": " << messages[0];
        EXPECT_NE(messages[0].find("Permission denied"), std::string::npos)
            << file.Name << ": " << messages[0];
        EXPECT_FALSE(shown) << file.Name;
        EXPECT_EQ(ReadTestFile(path), content) << file.Name;
        Remove_Entry(path);
    }
}

// Step 8 stops as it does for a damaged file: the good image stays and the update window
// does not open.
TEST_F(HostileFiles, UpdateDeviceStopsAndKeepsTheImage)
{
    Create_Project();
    const std::string bank = Project_Dir + "/bin/bank.bin";
    for (const TStep_File& file : Step_Files) {
        const std::string path = Project_Dir + "/" + file.Name;
        for (const THostileEntry& entry : Hostile_Entries()) {
            WriteTestFile(bank, "good image");
            entry.Place(path);
            const size_t before = dialogs.Messages().size();
            const size_t windows = dialogs.ModalForms().size();
            Click(FVantrelFirmWare->Btn_CreateBin);
            const auto messages = Messages_Since(before);
            ASSERT_EQ(messages.size(), 1u) << file.Name << ", " << entry.Name;
            EXPECT_NE(messages[0].find(Refusal_Text(path, entry)), std::string::npos)
                << file.Name << ", " << entry.Name << ": " << messages[0];
            EXPECT_EQ(ReadTestFile(bank), "good image") << file.Name << ", " << entry.Name;
            EXPECT_EQ(dialogs.ModalForms().size(), windows) << file.Name << ", " << entry.Name;
            Remove_Entry(path);
        }
    }
}

// Step 7 reads the PDO and SDO server rules: it stops there, and no EDS file is written.
TEST_F(HostileFiles, EdsStepStopsAndWritesNothing)
{
    Create_Project();
    const std::string eds = Project_Dir + "/Converter.eds";
    for (const char* name : {"PDO_CANopen.xml", "SDO_Server_CANopen.xml"}) {
        const std::string path = Project_Dir + "/" + name;
        for (const THostileEntry& entry : Hostile_Entries()) {
            entry.Place(path);
            dialogs.AnswerFile(eds);
            const size_t before = dialogs.Messages().size();
            Click(FVantrelFirmWare->Btn_CANopen_EDS);
            const auto messages = Messages_Since(before);
            ASSERT_EQ(messages.size(), 1u) << name << ", " << entry.Name;
            EXPECT_NE(messages[0].find(Refusal_Text(path, entry)), std::string::npos)
                << name << ", " << entry.Name << ": " << messages[0];
            EXPECT_FALSE(PathExists(eds)) << name << ", " << entry.Name;
            Remove_Entry(path);
        }
    }
}

// An SDO server file, written by hand or by an earlier version, that reads an entry with 4
// bytes and writes it with 2: the EDS would describe it with one size and the image move
// another. Step 7 and Step 8 refuse it, naming the file and the row, and write nothing.
TEST_F(HostileFiles, AnSdoEntryWithTwoSizesStopsTheEdsAndTheUpdate)
{
    Create_Project();
    const auto row = [](const char* index, const char* sub, const char* bytes) {
        return std::string("<row Index=\"") + index + "\" SubIndex=\"" + sub + "\" NByte=\"" + bytes +
               "\" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"2\" Address_B4=\"3\" Mnemonic=\"\"/>";
    };
    WriteTestFile(File_SDO_Server_CANopen, "<SDO_Server_CANopen><SDO_Read>" + row("0x2000", "1", "4") +
                                               "</SDO_Read><SDO_Write>" + row("0x2001", "0", "1") +
                                               row("8192", "1", "2") + "</SDO_Write></SDO_Server_CANopen>");
    const std::vector<std::string> refusal{"\"" + File_SDO_Server_CANopen + "\": Error row 2" +
                                           Lang_Table[2294]};

    const std::string eds = Project_Dir + "/Converter.eds";
    dialogs.AnswerFile(eds);
    size_t before = dialogs.Messages().size();
    Click(FVantrelFirmWare->Btn_CANopen_EDS);
    EXPECT_EQ(Messages_Since(before), refusal);
    EXPECT_FALSE(PathExists(eds));

    const std::string bank = Project_Dir + "/bin/bank.bin";
    WriteTestFile(bank, "good image");
    before = dialogs.Messages().size();
    const size_t windows = dialogs.ModalForms().size();
    Click(FVantrelFirmWare->Btn_CreateBin);
    EXPECT_EQ(Messages_Since(before), refusal);
    EXPECT_EQ(ReadTestFile(bank), "good image");
    EXPECT_EQ(dialogs.ModalForms().size(), windows);
}

// Step 8 over a rule file whose value cannot be read as a number, written by another
// program in another code page: the message names the file, the section and the row. The
// value is shown with the bytes it has.
TEST_F(HostileFiles, UpdateDeviceNamesTheFileAndRowOfABadValue)
{
    Create_Project();
    WriteTestFile(
        File_SDO_Client_CANopen,
        "<SDO_Client_CANopen><SDO_Read>"
        R"(<row Device_ID="1" Index="0x2000" SubIndex="0" NByte="1" Poll_Time="100" Address_B1="0"/>)"
        "<row Device_ID=\"1\" Index=\"0x2001\" SubIndex=\"0\" NByte=\"1\" Poll_Time=\"\xA0\xA0"
        "100\" Address_B1=\"1\"/>"
        "</SDO_Read><SDO_Write/></SDO_Client_CANopen>");
    const size_t before = dialogs.Messages().size();
    Click(FVantrelFirmWare->Btn_CreateBin);
    EXPECT_EQ(Messages_Since(before),
              std::vector<std::string>{"'\xA0\xA0"
                                       "100' is not a valid integer value in \"" +
                                       File_SDO_Client_CANopen + "\", section \"SDO_Read\", row 2"});
}
