#include <gtest/gtest.h>

#include "app/window/UCreate_Windows.h"
#include "app/window/UVantrelFirmWare.h"
#include "platform/net/HttpClient.h"
#include "support/EventLoop.h"
#include "support/FakeDialogs.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/UNew_Project.h"
#include "workspace/UParGen.h"
#include "workspace/USoftOptions.h"

namespace {
// The configurator beside a program folder that holds an Italian language file; the
// Options window is reached through the main window's Options button.
class OptionsWindow : public testing::Test {
protected:
    OptionsWindow()
    {
        WriteTestFile(exe.File("LANGUAGE/Italiano.lng"),
                      "STR16 = Apri\nSTR100 = Nuova Configurazione\n"
                      "STR300 = Opzioni Software\nSTR400 = Comunicazione\n");
        Start();
    }
    ~OptionsWindow() override
    {
        Free_Windows();
        SetHttpGet(nullptr);
    }

    void Start() { Create_Windows(&owner, exe.Path()); }
    void Restart()
    {
        FVantrelFirmWare->Close();
        Free_Windows();
        Start();
    }

    // Opens the Options window, picks Italiano with Yes and closes the window with OK or Cancel.
    void Pick_Italiano(bool ok)
    {
        dialogs.AnswerMessage(mrYes);
        dialogs.OnModal([ok](TCustomForm&) {
            FSoftOptions->LangClick(FSoftOptions->L_L[0]);
            // Every window is relabelled at once, before the Options window closes.
            EXPECT_EQ(FVantrelFirmWare->Btn_Open->Caption(), "Apri");
            EXPECT_EQ(FNew_Project->Caption(), "Nuova Configurazione");
            EXPECT_EQ(FParGen->Caption(), "Comunicazione");
            EXPECT_EQ(FSoftOptions->Caption(), "Opzioni Software");
            EXPECT_EQ(FSoftOptions->L_Sel_Lang->Caption(), "Selected Language : Italiano");
            if (ok) FSoftOptions->Btn_OK->Click();
        });
        FVantrelFirmWare->Btn_Opz->Click();
    }

    TempDir exe;
    TFakeDialogs dialogs;
    TComponent owner{nullptr};
};
} // namespace

TEST_F(OptionsWindow, CancelKeepsTheLanguageForThisRunOnly)
{
    Pick_Italiano(false);
    EXPECT_EQ(FVantrelFirmWare->Btn_Open->Caption(), "Apri");
    EXPECT_EQ(Language_Name, "English");
    Restart();
    EXPECT_EQ(FVantrelFirmWare->Btn_Open->Caption(), "Open Configuration");
    EXPECT_EQ(FNew_Project->Caption(), "Create New Configuration");
}

TEST_F(OptionsWindow, OkMakesTheLanguageSurviveARestart)
{
    Pick_Italiano(true);
    EXPECT_EQ(Language_Name, "Italiano");
    EXPECT_NE(ReadTestFile(exe.File("Vantrel.xml")).find("Italiano"), std::string::npos)
        << "written as the window closes with OK";
    Restart();
    EXPECT_EQ(FVantrelFirmWare->Btn_Open->Caption(), "Apri");
    EXPECT_EQ(FNew_Project->Caption(), "Nuova Configurazione");
}

TEST_F(OptionsWindow, TheTimerRunsOnlyWithBothConnectionOptions)
{
    const auto set_options = [this](bool internet, bool update) {
        dialogs.OnModal([internet, update](TCustomForm&) {
            FSoftOptions->CB_En_Con->SetChecked(internet);
            FSoftOptions->CB_Update->SetChecked(update);
            FSoftOptions->Btn_OK->Click();
        });
        FVantrelFirmWare->Btn_Opz->Click();
    };
    set_options(false, true);
    EXPECT_FALSE(FVantrelFirmWare->Timer_Update->Enabled());
    EXPECT_EQ(Opt_Enable_Update, 1) << "the mark of the disabled box is saved";
    Restart();
    EXPECT_FALSE(FVantrelFirmWare->Timer_Update->Enabled());
    EXPECT_EQ(Opt_Enable_Update, 1);

    set_options(true, true);
    EXPECT_TRUE(FVantrelFirmWare->Timer_Update->Enabled());
    set_options(true, false);
    EXPECT_FALSE(FVantrelFirmWare->Timer_Update->Enabled());
}

// The main window's timer asks the version service beside the window; the answer comes
// through the event loop.
TEST_F(OptionsWindow, TheUpdateTimerAsksTheVersionService)
{
    std::string reply = "VER. 1.013";
    SetHttpGet([&reply](const THttpRequest&) { return THttpResponse{200, reply}; });
    const auto tick = [] {
        FVantrelFirmWare->Timer_UpdateTimer(FVantrelFirmWare->Timer_Update);
        ASSERT_TRUE(Run_Loop_Until([] { return FVantrelFirmWare->Version_Check->Answered(); }));
    };
    tick();
    EXPECT_TRUE(FVantrelFirmWare->LL_Update->Visible());
    EXPECT_NE(FVantrelFirmWare->LL_Update->Caption().find("/Home/download/download.asp#GW30605\""),
              std::string::npos);
    reply = "VER. 1.012";
    tick();
    EXPECT_FALSE(FVantrelFirmWare->LL_Update->Visible());
}
