#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "platform/net/HttpClient.h"
#include "platform/os/FileSystem.h"
#include "platform/os/Shell.h"
#include "platform/ui/Input.h"
#include "support/EventLoop.h"
#include "support/FakeDialogs.h"
#include "support/LocalHttpServer.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/USoftOptions.h"

namespace {
// The Options window alone, beside a program folder of its own with an empty LANGUAGE.
class SoftOptions : public testing::Test {
protected:
    SoftOptions()
    {
        Set_Program_Dirs(exe.Path());
        CreateDir(Language_Dir);
        Load_Default_Texts();
        Language_Name = "English";
        Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = 0;
        form = new TFSoftOptions(&owner);
        form->AfterConstruction();
    }
    ~SoftOptions() override
    {
        SetHttpGet(nullptr);
        SetShellOpener(nullptr);
        Language_Name = "English";
        Load_Default_Texts();
    }

    void Add_Language(const std::string& name, const std::string& lines = "")
    {
        WriteTestFile(Language_Dir + "/" + name + ".lng", lines);
    }

    static void Add_Flag(const std::string& fileName, int size)
    {
        TBitmap flag;
        flag.SetSize(size, size);
        flag.SaveToFile(Language_Dir + "/" + fileName);
    }

    // Shows the window modally, runs the action on it and returns the modal result.
    TModalResult Show(const std::function<void(TFSoftOptions&)>& action)
    {
        dialogs.OnModal([action](TCustomForm& shown) { action(static_cast<TFSoftOptions&>(shown)); });
        return form->ShowModal();
    }

    TempDir exe;
    TFakeDialogs dialogs;
    TComponent owner{nullptr};
    TFSoftOptions* form;
};

// The names of the slots shown, in slot order.
std::vector<std::string> Shown_Languages(const TFSoftOptions& w)
{
    std::vector<std::string> names;
    for (int k = 0; k < TFSoftOptions::Lang_Slots; ++k) {
        if (w.L_L[k]->Visible())
            names.push_back(w.L_L[k]->Caption());
        else
            EXPECT_FALSE(w.I_L[k]->Visible()) << "slot " << k + 1;
    }
    return names;
}

std::string Page_State(const TFSoftOptions& w)
{
    return w.L_Page_Lang->Caption() + (w.Btn_Prev->Visible() ? " prev" : "") +
           (w.Btn_Next->Visible() ? " next" : "");
}
} // namespace

TEST_F(SoftOptions, IsLaidOutAndLabelledAsBuilt)
{
    EXPECT_EQ(form->ClientWidth(), 509);
    EXPECT_EQ(form->ClientHeight(), 373);
    EXPECT_EQ(form->Caption(), "Software Options");
    EXPECT_EQ(form->L_SW_Code->Caption(), "CF30605");
    ASSERT_EQ(form->PC_Options->PageCount(), 3);
    EXPECT_EQ(form->PC_Options->Pages(0)->Caption(), "Language");
    EXPECT_EQ(form->PC_Options->Pages(1)->Caption(), "Connection Options");
    EXPECT_EQ(form->PC_Options->Pages(2)->Caption(), "Software Settings");
    EXPECT_EQ(form->L_Sel_Lang->Caption(), "Selected Language : ");
    EXPECT_EQ(form->L_Page_Lang->Caption(), "Page 1 / 1");
    EXPECT_EQ(form->Btn_Check_Update->BoundsRect(), Bounds(36, 78, 204, 28));
    EXPECT_EQ(form->Btn_Next->BoundsRect(), Bounds(379, 205, 110, 28));
    EXPECT_EQ(form->I_L[4]->BoundsRect(), Bounds(254, 94, 48, 48));
    EXPECT_EQ(form->L_L[2]->Name(), "L_L3");
    EXPECT_EQ(form->CB_DoubleClick_Auto_Size->Caption(), "Enable Auto Size of Table Columns by Double Click");
    EXPECT_EQ(form->Btn_Cancel->Left(), 134);
}

TEST_F(SoftOptions, ThirteenLanguagesFillThreePages)
{
    const char* names[] = {"mu",      "Lambda", "kappa", "Iota", "theta", "Eta", "zeta",
                           "Epsilon", "delta",  "Gamma", "beta", "Alpha", "Nu"};
    for (const char* name : names)
        Add_Language(name);
    WriteTestFile(Language_Dir + "/notes.txt", "");
    CreateDir(Language_Dir + "/Folder.lng");

    Show([](TFSoftOptions& w) {
        EXPECT_EQ(w.PC_Options->ActivePage(), w.TS_Language);
        EXPECT_EQ(w.L_Sel_Lang->Caption(), "Selected Language : English");
        EXPECT_EQ(Page_State(w), "Page 1 / 3 next");
        EXPECT_EQ(Shown_Languages(w),
                  (std::vector<std::string>{"Alpha", "beta", "delta", "Epsilon", "Eta", "Gamma"}));
        w.Btn_Prev->Click(); // hidden, and nothing before page 1 anyway
        EXPECT_EQ(w.Show_Page, 1);
        w.Btn_Next->Click();
        EXPECT_EQ(Page_State(w), "Page 2 / 3 prev next");
        EXPECT_EQ(Shown_Languages(w),
                  (std::vector<std::string>{"Iota", "kappa", "Lambda", "mu", "Nu", "theta"}));
        w.Btn_Next->Click();
        EXPECT_EQ(Page_State(w), "Page 3 / 3 prev");
        EXPECT_EQ(Shown_Languages(w), std::vector<std::string>{"zeta"});
        w.Btn_NextClick(w.Btn_Next);
        EXPECT_EQ(w.Show_Page, 3);
        w.Btn_Prev->Click();
        EXPECT_EQ(Page_State(w), "Page 2 / 3 prev next");
    });
    EXPECT_EQ(form->SL_Languages.Count(), 13);
}

TEST_F(SoftOptions, NoLanguageFilesShowNoSlotAndNoWayOn)
{
    Show([](TFSoftOptions& w) {
        EXPECT_TRUE(Shown_Languages(w).empty());
        // Its one empty page, not "Page 1 / 0".
        EXPECT_EQ(Page_State(w), "Page 1 / 1");
    });
}

// The list ignores the letter case of ".lng", so loading and the flag must too: the
// language picked is the one loaded now and at the next start.
TEST_F(SoftOptions, ALanguageFileWithAnUpperCaseExtensionLoadsNowAndAtTheNextStart)
{
    WriteTestFile(Language_Dir + "/Italiano.LNG", "STR300 = Opzioni\n");
    Add_Flag("Italiano.BMP", 40);
    dialogs.AnswerMessage(mrYes);
    const TModalResult result = Show([](TFSoftOptions& w) {
        ASSERT_EQ(Shown_Languages(w), std::vector<std::string>{"Italiano"});
        EXPECT_EQ(w.I_L[0]->Picture()->Width(), 40);
        SendClick(w.L_L[0], 2, 2);
        EXPECT_EQ(Lang_Table[300], "Opzioni");
        EXPECT_EQ(w.L_Sel_Lang->Caption(), "Selected Language : Italiano");
        w.Btn_OK->Click();
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Language_Name, "Italiano");
    Load_Default_Texts();
    Load_Language();
    EXPECT_EQ(Language_Name, "Italiano");
    EXPECT_EQ(Lang_Table[300], "Opzioni");
}

TEST_F(SoftOptions, FlagsComeFromTheLanguageFolder)
{
    Add_Language("Deutsch");
    Add_Flag("Deutsch.bmp", 48);
    Add_Language("English");
    Add_Language("Broken");
    WriteTestFile(Language_Dir + "/Broken.bmp", "not a bitmap");
    const auto flags = [this] {
        std::vector<int> widths; // 0 for a hidden flag
        form->ShowModal();
        for (int k = 0; k < 3; ++k)
            widths.push_back(form->I_L[k]->Visible() ? form->I_L[k]->Picture()->Width() : 0);
        EXPECT_EQ(Shown_Languages(*form), (std::vector<std::string>{"Broken", "Deutsch", "English"}));
        return widths;
    };
    EXPECT_EQ(flags(), (std::vector<int>{0, 48, 0}));
    Add_Flag("DefaultFlag.bmp", 32);
    EXPECT_EQ(flags(), (std::vector<int>{32, 48, 32}));
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(SoftOptions, PickingALanguageAsksFirst)
{
    Add_Language("Italiano", "STR304 = Lingua : \u00B6\nSTR305 = Pagina \u00B6\nSTR300 = Opzioni\n");
    int relabels = 0;
    form->Change_Language = [&relabels] { ++relabels; };
    dialogs.AnswerMessage(mrNo);
    dialogs.AnswerMessage(mrYes);
    Show([&relabels](TFSoftOptions& w) {
        w.LangClick(w.L_L[0]);
        EXPECT_EQ(w.Language_In_Use, "English");
        EXPECT_EQ(w.L_Sel_Lang->Caption(), "Selected Language : English");
        EXPECT_EQ(Lang_Table[300], "Software Options");
        EXPECT_EQ(relabels, 0);

        w.LangClick(w.L_L[0]);
        EXPECT_EQ(w.Language_In_Use, "Italiano");
        EXPECT_EQ(w.L_Sel_Lang->Caption(), "Lingua : Italiano");
        EXPECT_EQ(w.L_Page_Lang->Caption(), "Pagina 1 / 1");
    });
    ASSERT_EQ(dialogs.Messages().size(), 2u);
    EXPECT_EQ(dialogs.Messages()[1].Text, "Do you want to change the Language from English to Italiano?");
    EXPECT_EQ(dialogs.Messages()[1].Type, mtConfirmation);
    EXPECT_EQ(dialogs.Messages()[1].Buttons, mbYesNo);
    EXPECT_EQ(relabels, 1);
    EXPECT_EQ(Lang_Table[300], "Opzioni");
    EXPECT_EQ(Language_Name, "English") << "Cancel keeps the language of the next start";
}

TEST_F(SoftOptions, WithoutTheMainWindowItRelabelsItself)
{
    Add_Language("Italiano", "STR300 = Opzioni\nSTR311 = Controlla\n");
    dialogs.AnswerMessage(mrYes);
    Show([](TFSoftOptions& w) { w.LangClick(w.I_L[0]); });
    EXPECT_EQ(form->Caption(), "Opzioni");
    EXPECT_EQ(form->Btn_Check_Update->Caption(), "Controlla");
}

struct ConnectionCase {
    bool internet, update;
    bool updateEnabled, checkEnabled;
};

class SoftOptionsConnection : public SoftOptions, public testing::WithParamInterface<ConnectionCase> {};

// The update box keeps its mark while the connection is off, and OK saves it; the timer
// runs only with both.
TEST_P(SoftOptionsConnection, UpdateNeedsTheConnection)
{
    const ConnectionCase& c = GetParam();
    Opt_Enable_Internet = !c.internet;
    Opt_Enable_Update = c.update;
    std::vector<bool> timer;
    form->Enable_Update_Timer = [&timer](bool enabled) { timer.push_back(enabled); };
    EXPECT_EQ(Show([&c](TFSoftOptions& w) {
                  w.PC_Options->SetActivePage(w.TS_Con_Options);
                  w.CB_En_Con->SetChecked(c.internet); // as a click does
                  EXPECT_EQ(w.CB_Update->Checked(), c.update);
                  EXPECT_EQ(w.CB_Update->Enabled(), c.updateEnabled);
                  EXPECT_EQ(w.Btn_Check_Update->Enabled(), c.checkEnabled);
                  w.Btn_OK->Click();
              }),
              mrOk);
    EXPECT_EQ(Opt_Enable_Internet, c.internet);
    EXPECT_EQ(Opt_Enable_Update, c.update);
    EXPECT_EQ(timer, std::vector<bool>{c.internet && c.update});
}

INSTANTIATE_TEST_SUITE_P(Cases, SoftOptionsConnection,
                         testing::Values(ConnectionCase{false, true, false, false},
                                         ConnectionCase{false, false, false, false},
                                         ConnectionCase{true, false, true, false},
                                         ConnectionCase{true, true, true, true}));

TEST_F(SoftOptions, UntickingUpdateDisablesTheCheckButton)
{
    Opt_Enable_Internet = Opt_Enable_Update = 1;
    Show([](TFSoftOptions& w) {
        EXPECT_TRUE(w.Btn_Check_Update->Enabled());
        w.CB_Update->SetChecked(false);
        EXPECT_FALSE(w.Btn_Check_Update->Enabled());
    });
}

TEST_F(SoftOptions, OkCommitsTheOptionsAndCancelNothing)
{
    Opt_Jump_Field_Tables = 1;
    const auto toggle = [](TFSoftOptions& w) {
        EXPECT_TRUE(w.CB_Soft_Set_Jump_Table->Checked());
        EXPECT_FALSE(w.CB_DoubleClick_Auto_Size->Checked());
        w.CB_Soft_Set_Jump_Table->SetChecked(false);
        w.CB_DoubleClick_Auto_Size->SetChecked(true);
        w.CB_En_Con->SetChecked(true);
    };
    EXPECT_EQ(Show(toggle), mrCancel);
    EXPECT_EQ(Opt_Jump_Field_Tables + Opt_Double_Click_Auto_Size * 2 + Opt_Enable_Internet * 4, 1);

    EXPECT_EQ(Show([&toggle](TFSoftOptions& w) {
                  toggle(w);
                  w.Btn_OK->Click();
              }),
              mrOk);
    EXPECT_EQ(Opt_Jump_Field_Tables + Opt_Double_Click_Auto_Size * 2 + Opt_Enable_Internet * 4, 6);
}

struct CheckCase {
    const char* name;
    int status;
    const char* body;
    int text; // 314 shown as the link to the download page
};

class SoftOptionsCheck : public SoftOptions, public testing::WithParamInterface<CheckCase> {};

TEST_P(SoftOptionsCheck, ShowsTheResultOfTheVersionService)
{
    std::vector<std::string> asked;
    SetHttpGet([&asked](const THttpRequest& request) {
        asked.push_back(request.URL);
        if (GetParam().status == 0) throw EHttpError("connection refused");
        return THttpResponse{GetParam().status, GetParam().body};
    });
    std::vector<std::string> opened;
    SetShellOpener([&opened](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    Opt_Enable_Internet = Opt_Enable_Update = 1;
    Show([](TFSoftOptions& w) {
        EXPECT_FALSE(w.LL_Check_Update->Visible());
        w.Btn_Check_Update->Click();
        ASSERT_TRUE(Run_Loop_Until([&w] { return w.Version_Check->Answered(); }));
        EXPECT_TRUE(w.LL_Check_Update->Visible());
    });
    EXPECT_EQ(asked, std::vector<std::string>{
                         "http://www.quorvane.com/home/download/GetversionSW.asp?nomesw=CF30628"});
    const std::string page = "http://www.quorvane.com/Home/download/download.asp#GW30628";
    EXPECT_EQ(form->LL_Check_Update->Caption(), GetParam().text == 314
                                                    ? "<a href=\"" + page + "\">" + Lang_Table[314] + "</a>"
                                                    : Lang_Table[GetParam().text]);
    form->LL_Check_UpdateLinkClick(form->LL_Check_Update, page);
    EXPECT_EQ(opened, std::vector<std::string>{page});

    Show([](TFSoftOptions& w) { EXPECT_FALSE(w.LL_Check_Update->Visible()) << "hidden at each showing"; });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SoftOptionsCheck,
    testing::Values(CheckCase{"Newer", 200, "VER. 1.013", 314}, CheckCase{"Same", 200, "ver. 1.012", 315},
                    CheckCase{"NoInformation", 200, "VER. 0.000", 315}, CheckCase{"Empty", 200, "", 315},
                    // The service could not be asked: no word on updates either way.
                    CheckCase{"NotFound", 404, "VER. 1.013", 399}, CheckCase{"Refused", 0, "", 399}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

// The service may be slow or silent: the window goes on answering the user meanwhile, and
// the answer shows when it comes.
TEST_F(SoftOptions, VersionCheckLeavesTheWindowUsable)
{
    std::promise<void> reply;
    std::shared_future<void> replied = reply.get_future().share();
    std::atomic<bool> asked{false};
    SetHttpGet([replied, &asked](const THttpRequest&) {
        asked = true;
        if (replied.wait_for(std::chrono::seconds(10)) != std::future_status::ready)
            throw EHttpError("the test never let the service answer");
        return THttpResponse{200, "VER. 1.013"};
    });
    Opt_Enable_Internet = Opt_Enable_Update = 1;
    Show([&](TFSoftOptions& w) {
        w.Btn_Check_Update->Click();
        ASSERT_TRUE(Run_Loop_Until([&asked] { return asked.load(); }));
        w.PC_Options->SetActivePage(w.TS_Soft_Settings);
        w.CB_Soft_Set_Jump_Table->SetChecked(true);
        Application->ProcessMessages();
        EXPECT_FALSE(w.LL_Check_Update->Visible()) << "no answer yet";
        reply.set_value();
        ASSERT_TRUE(Run_Loop_Until([&w] { return w.Version_Check->Answered(); }));
        EXPECT_TRUE(w.LL_Check_Update->Visible());
        EXPECT_NE(w.LL_Check_Update->Caption().find("<a href="), std::string::npos);
        w.Btn_OK->Click();
    });
    EXPECT_EQ(Opt_Jump_Field_Tables, 1);
}

// A window closed while its check waits for the service does not hear the late answer
// when it shows again.
TEST_F(SoftOptions, ReopeningDropsTheCheckStillWaiting)
{
    LocalHttpServer silent(std::nullopt);
    form->Version_Service = TVersion_Service{silent.Host(), 60000, 60000};
    Opt_Enable_Internet = Opt_Enable_Update = 1;
    Show([&silent](TFSoftOptions& w) {
        w.Btn_Check_Update->Click();
        ASSERT_TRUE(Run_Loop_Until([&silent] { return !silent.Last_Request().empty(); }));
    });
    Show([](TFSoftOptions& w) {
        EXPECT_EQ(w.Version_Check, nullptr);
        Application->ProcessMessages();
        EXPECT_FALSE(w.LL_Check_Update->Visible());
    });
}
