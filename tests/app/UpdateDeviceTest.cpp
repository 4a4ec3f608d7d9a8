#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <functional>
#include <string>

#include "app/window/UCreate_Windows.h"
#include "app/window/UVantrelFirmWare.h"
#include "artefacts/update/UBoot.h"
#include "platform/net/IcmpEcho.h"
#include "platform/os/FileSystem.h"
#include "platform/ui/Input.h"
#include "support/FakeDialogs.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/UNew_Project.h"

namespace {
// The configurator in a temporary program folder, with the firmware file it ships in MASTER,
// and one project open; only the loopback address answers echo requests.
class UpdateDevice : public testing::Test {
protected:
    void SetUp() override
    {
        SetIcmpEcho([](const TEchoRequest& request) {
            return TEchoReply{request.Host == "127.0.0.1" ? 8 + request.PayloadSize : 0};
        });
        Create_Windows(&owner, exe.Path());
        WriteTestFile(exe.File("MASTER/Sim30605.sim"), "firmware");
        dialogs.OnModal([](TCustomForm&) {
            FNew_Project->E_New_Proj->SetText("Plant1");
            FNew_Project->Btn_OKClick(FNew_Project->Btn_OK);
        });
        FVantrelFirmWare->Btn_New->Click();
    }
    void TearDown() override { Free_Windows(); }

    // A stand-in for the updater that notes each run beside the job and ends with the code.
    void Install_Updater(int exitCode = 0)
    {
        const std::string path = exe.File("Ethernet_Update");
        WriteTestFile(path, "#!/bin/sh\necho run >> \"$(dirname \"$0\")/runs\"\nexit " +
                                std::to_string(exitCode) + "\n");
        chmod(path.c_str(), 0755);
    }

    // Step 8: the user types the address into the first edit, picks the option, presses
    // Update and then Cancel.
    void Update_Through_Step(int option)
    {
        dialogs.OnModal([option](TCustomForm& form) {
            ASSERT_EQ(&form, FBoot);
            for (TEdit* edit : FBoot->E_IP)
                edit->SetText("");
            SendText("127.0.0.1");
            FBoot->CB_Update_Options->SetItemIndex(option);
            ClickAt(FBoot->Btn_Update, 10, 10);
            ClickAt(FBoot->Btn_Cancel, 10, 10);
        });
        FVantrelFirmWare->Btn_CreateBin->Click();
    }

    std::string Job() const { return ReadTestFile(exe.File("Ethernet_Update.xml")); }

    TempDir exe;
    TFakeDialogs dialogs;
    TComponent owner{nullptr};
};
} // namespace

TEST_F(UpdateDevice, UpdateWritesTheJobOfTheOptionAndRunsTheUpdaterOnce)
{
    Install_Updater();
    const struct {
        int option;
        bool firmware, configuration;
    } cases[] = {{0, true, true}, {1, true, false}, {2, false, true}};
    for (const auto& c : cases) {
        std::remove(exe.File("runs").c_str());
        Update_Through_Step(c.option);
        const std::string job = Job();
        EXPECT_NE(job.find("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>"), std::string::npos);
        EXPECT_EQ(job.find(exe.File("MASTER/Sim30605.sim")) != std::string::npos, c.firmware) << c.option;
        EXPECT_EQ(job.find(exe.File("PROJECTS/Plant1/bin/bank.bin")) != std::string::npos, c.configuration)
            << c.option;
        EXPECT_EQ(ReadTestFile(exe.File("runs")), "run\n") << c.option;
    }
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(Last_IP_Address, "127.0.0.1");
    EXPECT_EQ(Update_Option, 2);
}

TEST_F(UpdateDevice, WithoutTheUpdaterAnErrorBoxShows)
{
    Update_Through_Step(0);
    EXPECT_TRUE(FileExists(exe.File("Ethernet_Update.xml")));
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Type, mtError);
    EXPECT_NE(dialogs.Messages()[0].Text.find(exe.File("Ethernet_Update")), std::string::npos);
}

TEST_F(UpdateDevice, AnUpdaterThatEndsWithAnErrorIsReported)
{
    Install_Updater(3);
    Update_Through_Step(2);
    EXPECT_EQ(ReadTestFile(exe.File("runs")), "run\n");
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Type, mtError);
    EXPECT_EQ(dialogs.Messages()[0].Text, Lang_Table[1097] + "3");
}
