#include <gtest/gtest.h>

#include <algorithm>

#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Input.h"
#include "platform/ui/Mouse.h"
#include "support/DiskFull.h"
#include "support/FakeDialogs.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/UParGen.h"

namespace {
const std::string Golden_New_Project = std::string(TEST_DATA_DIR) + "/pargen/new_project/ParGen.xml";

class ParGenWindow : public testing::Test {
protected:
    ParGenWindow()
    {
        Load_Default_Texts();
        File_ParGen = dir.File("ParGen.xml");
        form = new TFParGen(&owner);
        form->AfterConstruction();
    }
    ~ParGenWindow() override { Load_Default_Texts(); }

    // Shows the window modally, runs the action on it and returns the modal result.
    TModalResult Show(std::function<void(TFParGen&)> action)
    {
        dialogs.OnModal([action](TCustomForm& shown) { action(static_cast<TFParGen&>(shown)); });
        return form->ShowModal();
    }

    std::string Octets(const std::string& prefix) const
    {
        std::string text;
        for (int i = 1; i <= 4; ++i)
            text += (i > 1 ? "." : "") + form->Edit_Named(prefix + std::to_string(i))->Text();
        return text;
    }

    TempDir dir;
    TFakeDialogs dialogs;
    TComponent owner{nullptr};
    TFParGen* form;
};

void Press_OK(TFParGen& window) { window.Btn_OK->Click(); }
} // namespace

TEST_F(ParGenWindow, ShowsTheTwoPanelsOfTheModel)
{
    EXPECT_EQ(form->CPG->Panels(),
              (std::vector<TCategoryPanel*>{form->Panel(TComm_Panel::CANopen),
                                            form->Panel(TComm_Panel::EtherNetIP_Master)}));
    EXPECT_EQ(form->Panel(TComm_Panel::CANopen)->Caption(), "1. CANopen");
    EXPECT_EQ(form->Panel(TComm_Panel::EtherNetIP_Master)->Caption(), "2. EtherNet/IP Master");
    const int header = form->CPG->HeaderHeight();
    EXPECT_EQ(form->Panel(TComm_Panel::CANopen)->Height(), 121 + 21 + header + 12);
    EXPECT_EQ(form->Panel(TComm_Panel::EtherNetIP_Master)->Height(), 93 + 21 + header + 12);
    EXPECT_EQ(form->ClientWidth(), 460);
    EXPECT_EQ(form->ClientHeight(), 700);

    EXPECT_EQ(form->Caption(), "Set Communication");
    EXPECT_EQ(form->Edit_Named("E_CANopen_SDO_Timeout")->BoundsRect(), Rect(252, 121, 429, 142));
    EXPECT_EQ(form->Edit_Named("E_EtherNetIP_Master_IP1")->Hint(), "Insert First byte of IP Address");
    EXPECT_EQ(form->Check_Named("CB_EtherNetIP_Master_GAT")->Caption(), "Gateway");
    EXPECT_EQ(form->Check_Named("CB_EtherNetIP_Master_GAT")->Hint(), "Enable/disable the Default Gateway");
    EXPECT_EQ(form->Edit_Named("E_EtherNetIP_Master_GAT4")->Hint(), "Insert Fourth byte of Default Gateway");
    EXPECT_EQ(form->Edit_Named("E_CANopen_NetOpe_Delay")->Hint(), Lang_Table[762]);
    EXPECT_FALSE(form->Edit_Named("E_EtherNetIP_Master_Port")->Enabled());
    EXPECT_EQ(form->List_Named("CB_CANopen_Baudrate")->Items()->Count(), 9);
}

TEST_F(ParGenWindow, OkOnANewProjectWritesTheDefaults)
{
    EXPECT_EQ(Show(Press_OK), mrOk);
    EXPECT_EQ(ReadTestFile(File_ParGen), ReadTestFile(Golden_New_Project));
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ParGenWindow, ShowsTheFileAndSavesTheFieldsAsTyped)
{
    WriteTestFile(File_ParGen,
                  "<Par_Gen><EtherNetIP_Master_IP1>010</EtherNetIP_Master_IP1>"
                  "<EtherNetIP_Master_EN_GAT>1</EtherNetIP_Master_EN_GAT>"
                  "<EtherNetIP_Master_Port>502</EtherNetIP_Master_Port>"
                  "<CANopen_BAUDRATE>8</CANopen_BAUDRATE><CANopen_Delay>999</CANopen_Delay></Par_Gen>");
    const TModalResult result = Show([this](TFParGen& window) {
        EXPECT_EQ(Octets("E_EtherNetIP_Master_IP"), "010.168.0.5");
        EXPECT_TRUE(window.Check_Named("CB_EtherNetIP_Master_GAT")->Checked());
        EXPECT_EQ(window.Edit_Named("E_EtherNetIP_Master_Port")->Text(), "44818");
        EXPECT_EQ(window.List_Named("CB_CANopen_Baudrate")->Text(), "1000K");
        window.Edit_Named("E_CANopen_IDDevice")->SetText("12");
        Press_OK(window);
    });
    ASSERT_EQ(result, mrOk);
    TParGen_Data expected;
    expected.EtherNetIP_Master_IP[0] = "010";
    expected.EtherNetIP_Master_EN_GAT = true;
    expected.CANopen_Baudrate = 8;
    expected.CANopen_NetOpe_Delay = "999"; // not checked while network start is off
    expected.CANopen_IDDevice = "12";
    TParGen_Data saved;
    Load_ParGen_File(File_ParGen, saved);
    EXPECT_EQ(saved, expected);
}

TEST_F(ParGenWindow, FailedCheckShowsTheFirstErrorAndWritesNothing)
{
    const TModalResult result = Show([](TFParGen& window) {
        window.Edit_Named("E_CANopen_IDDevice")->SetText("0");
        window.Edit_Named("E_EtherNetIP_Master_IP1")->SetText("300");
        Press_OK(window);
        EXPECT_EQ(window.ModalResult(), mrNone);
    });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text,
              "Error EtherNet/IP Master!! IP Address 1 must be between 0 and 255");
    EXPECT_EQ(dialogs.Messages()[0].Type, mtError);
    EXPECT_FALSE(FileExists(File_ParGen));
}

TEST_F(ParGenWindow, EachOpeningStartsFromTheFile)
{
    Show([](TFParGen& window) { window.Edit_Named("E_EtherNetIP_Master_IP1")->SetText("1"); });
    Show([this](TFParGen&) { EXPECT_EQ(Octets("E_EtherNetIP_Master_IP"), "192.168.0.5"); });

    WriteTestFile(File_ParGen, "<Par_Gen><CANopen_IDDev>99</CANopen_IDDev></Par_Gen>");
    Show([](TFParGen& window) { EXPECT_EQ(window.Edit_Named("E_CANopen_IDDevice")->Text(), "99"); });
    // A broken file is reported, and what the window shows is no longer the other values.
    WriteTestFile(File_ParGen, "<Par_Gen><CANopen_IDDev>");
    Show([](TFParGen& window) { EXPECT_EQ(window.Field_Data(), TParGen_Data{}); });
    EXPECT_EQ(dialogs.Messages().size(), 1u);
}

// The user learns which file is broken and how, and may still set the parameters: the
// window opens with what could be read and the defaults for the rest, and only OK replaces
// the broken file.
TEST_F(ParGenWindow, MalformedFileIsReportedAndReplacedOnlyByOk)
{
    const std::string broken =
        "<Par_Gen>\n<CANopen_IDDev>5</CANopen_IDDev>\n<CANopen_Delay>3</CANopen_IDDev>";
    WriteTestFile(File_ParGen, broken);
    TParGen_Data readable;
    readable.CANopen_IDDevice = "5";
    EXPECT_EQ(Show([&](TFParGen& window) { EXPECT_EQ(window.Field_Data(), readable); }), mrCancel);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text,
              "ParGen.xml: the file is damaged (line 3: start and end tags do not match). The values that "
              "could be read are shown; the others are at their defaults");
    EXPECT_EQ(dialogs.Messages()[0].Type, mtError);
    EXPECT_EQ(ReadTestFile(File_ParGen), broken);

    EXPECT_EQ(Show(Press_OK), mrOk);
    EXPECT_EQ(dialogs.Messages().size(), 2u);
    TParGen_Data saved;
    EXPECT_EQ(Load_ParGen_File(File_ParGen, saved), "");
    EXPECT_EQ(saved, readable);
}

// A file cut short (a full disk elsewhere, a copy broken off) still holds the user's
// addresses and CANopen settings: the window shows them, and OK keeps them.
TEST_F(ParGenWindow, FileCutShortKeepsTheValuesItStillHolds)
{
    TParGen_Data data;
    data.EtherNetIP_Master_IP = {"10", "0", "0", "50"};
    data.EtherNetIP_Master_SM = {"255", "255", "0", "0"};
    data.EtherNetIP_Master_GAT = {"10", "0", "0", "1"};
    data.EtherNetIP_Master_EN_GAT = true;
    data.CANopen_IDDevice = "5";
    data.CANopen_Baudrate = 6; // 500K
    Save_ParGen_File(File_ParGen, data);
    const std::string whole = ReadTestFile(File_ParGen);
    WriteTestFile(File_ParGen, whole.substr(0, whole.size() * 9 / 10));

    Show([&](TFParGen& window) {
        EXPECT_EQ(window.Field_Data(), data);
        EXPECT_EQ(Octets("E_EtherNetIP_Master_IP"), "10.0.0.50");
        EXPECT_EQ(window.List_Named("CB_CANopen_Baudrate")->Text(), "500K");
        Press_OK(window);
    });
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_NE(dialogs.Messages()[0].Text.find("ParGen.xml: the file is damaged"), std::string::npos);
    EXPECT_NE(dialogs.Messages()[0].Text.find(Lang_Table[Txt_ParGen_Readable_Part_Kept]), std::string::npos);
    EXPECT_EQ(ReadTestFile(File_ParGen), whole);
}

TEST_F(ParGenWindow, OkOnAFullDiskKeepsTheFileAndTheWindowOpen)
{
    const std::string good = "<Par_Gen><CANopen_IDDev>5</CANopen_IDDev></Par_Gen>";
    WriteTestFile(File_ParGen, good);
    const TModalResult result = Show([](TFParGen& window) {
        TDiskFull disk;
        try { // where the click comes from the event loop, the error report takes over
            Press_OK(window);
        } catch (...) {
            Application->HandleException(nullptr);
        }
        EXPECT_EQ(window.ModalResult(), mrNone);
    });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text,
              "Cannot write file \"" + File_ParGen + "\". No space left on device");
    EXPECT_EQ(ReadTestFile(File_ParGen), good);
}

TEST_F(ParGenWindow, DotMovesAlongTheMasterOctets)
{
    Show([this](TFParGen& window) {
        window.Edit_Named("E_EtherNetIP_Master_IP1")->SetFocus();
        TypeText("10.1.2.3.255.255.0.0.172.16.0.254.");
        EXPECT_EQ(Octets("E_EtherNetIP_Master_IP"), "10.1.2.3");
        EXPECT_EQ(Octets("E_EtherNetIP_Master_SM"), "255.255.0.0");
        EXPECT_EQ(Octets("E_EtherNetIP_Master_GAT"), "172.16.0.254");
        EXPECT_TRUE(window.Edit_Named("E_EtherNetIP_Master_GAT4")->Focused());
    });
}

TEST_F(ParGenWindow, KeepsItsWidth)
{
    form->SetClientSize(600, 400);
    EXPECT_EQ(form->ClientWidth(), 460);
    EXPECT_EQ(form->ClientHeight(), 400);
}

TEST_F(ParGenWindow, WheelScrollsThePanelsOnlyOverThem)
{
    form->SetClientHeight(250); // the panels no longer fit
    Show([](TFParGen& window) {
        const auto wheel = [](TControl* control, int delta) {
            const TPoint at = control->ClientToScreen({control->Width() / 2, control->Height() / 2});
            control->Perform(WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<Word>(delta)) << 16,
                             PointToLParam(at));
        };
        wheel(window.Edit_Named("E_CANopen_IDDevice"), -120);
        const int lines = Mouse->WheelScrollLines();
        EXPECT_EQ(window.CPG->ScrollPos(), lines * TCategoryPanelGroup::Scroll_Line);
        wheel(window.P_Title, -120);
        wheel(window.P_Button, -120);
        EXPECT_EQ(window.CPG->ScrollPos(), lines * TCategoryPanelGroup::Scroll_Line);
        wheel(window.CPG, 120);
        EXPECT_EQ(window.CPG->ScrollPos(), 0);
    });
}

TEST_F(ParGenWindow, LanguageChangeKeepsThePanelTitles)
{
    Lang_Table.Put(753, "CANopen (new)");
    Lang_Table.Put(754, "Node");
    form->Set_Lang();
    EXPECT_EQ(form->Panel(TComm_Panel::CANopen)->Caption(), "1. CANopen");
    const auto* label = dynamic_cast<TLabel*>(form->FindComponent("L_CANopen_IDDevice"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), "Node");
}
