#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "app/window/UCreate_Windows.h"
#include "app/window/UVantrelFirmWare.h"
#include "platform/os/FileSystem.h"
#include "platform/os/FolderLock.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Input.h"
#include "resources/BuiltinTexts.h"
#include "support/FakeDialogs.h"
#include "support/TestDisplay.h"
#include "support/TestFiles.h"
#include "support/Unprivileged.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"
#include "workspace/UNew_Project.h"
#include "workspace/UParGen.h"
#include "workspace/USettings.h"
#include "workspace/USoftOptions.h"

extern char** environ;

// What the user meets around the program folder: a second copy of the configurator on it,
// folders that cannot be made, files made read-only, names with an "&", and the languages.
namespace {
class ProgramFolder : public testing::Test {
protected:
    void TearDown() override { Free_Windows(); }

    void Start() { Create_Windows(&owner, exe.Path()); }

    // A user's click on a main-window button; an error that escapes it reaches the error
    // box on the next turn of the event loop.
    void Click(TLbButton* Button)
    {
        FVantrelFirmWare->Show();
        SendClick(Button, 10, 10);
        Application->ProcessMessages();
    }

    // Step 1 with the name typed into the New window and Enter pressed.
    void Type_New_Configuration(const std::string& Name)
    {
        dialogs.OnModal([Name](TCustomForm&) {
            SendText(Name, FNew_Project->E_New_Proj);
            SendKey(VK_RETURN, {}, FNew_Project->E_New_Proj);
            if (FNew_Project->ModalResult() == mrNone) FNew_Project->SetModalResult(mrCancel);
        });
        Click(FVantrelFirmWare->Btn_New);
    }

    TempDir exe;
    TFakeDialogs dialogs;
    TComponent owner{nullptr};
};

// The configurator as a user starts it: the program put into a folder of its own, which
// becomes its program folder, and started there with the given additions to the environment.
class TRunningProgram {
public:
    explicit TRunningProgram(const std::string& Folder, const std::vector<std::string>& Environment = {})
    {
        const std::string program = Folder + "/Vantrel_EtherNetIP_Master";
        if (!PathExists(program)) {
            std::error_code linked;
            std::filesystem::create_hard_link(VANTREL_PROGRAM, program, linked);
            if (linked) std::filesystem::copy_file(VANTREL_PROGRAM, program);
        }
        std::vector<std::string> variables = Environment;
        for (char** variable = environ; *variable; ++variable) {
            const std::string text = *variable;
            const auto set = [&text](const std::string& own) {
                return own.compare(0, own.find('=') + 1, text, 0, own.find('=') + 1) == 0;
            };
            if (std::none_of(Environment.begin(), Environment.end(), set)) variables.push_back(text);
        }
        std::vector<char*> envp;
        for (std::string& variable : variables)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        if (posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) pid_ = 0;
    }
    ~TRunningProgram() { Kill(); }
    TRunningProgram(const TRunningProgram&) = delete;
    TRunningProgram& operator=(const TRunningProgram&) = delete;

    pid_t Pid() const { return pid_; }

    bool Runs()
    {
        if (pid_ <= 0) return false;
        if (waitpid(pid_, &status_, WNOHANG) == 0) return true;
        pid_ = 0;
        return false;
    }

    // Whether it ended by itself, not by a signal.
    bool Ended_By_Itself() const { return status_ != -1 && WIFEXITED(status_); }

    // As a crash ends it: nothing of the program's own runs on the way out.
    void Kill()
    {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, &status_, 0);
        pid_ = 0;
    }

private:
    pid_t pid_ = 0;
    int status_ = -1;
};

bool Wait_For(const std::function<bool()>& Done)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!Done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// The picture of a label as the screen shows it.
std::vector<TColor> Picture_Of(TLabel* Label)
{
    TBitmap bitmap(Label->Width(), Label->Height());
    Label->PaintTo(bitmap.Canvas(), 0, 0);
    std::vector<TColor> pixels;
    for (int y = 0; y < Label->Height(); ++y)
        for (int x = 0; x < Label->Width(); ++x)
            pixels.push_back(bitmap.Canvas()->Pixels(x, y));
    return pixels;
}

// The picture of a label of the same look that shows the text as typed: its caption marks
// every "&" as a plain one.
std::vector<TColor> Picture_As_Typed(TLabel* Label, const std::string& Text)
{
    std::string escaped;
    for (char c : Text)
        escaped += c == '&' ? std::string("&&") : std::string(1, c);
    auto* reference = new TLabel(Label->Owner());
    reference->SetParent(Label->Parent());
    reference->SetParentFont(false);
    reference->Font()->Assign(*Label->Font());
    reference->SetTransparent(Label->Transparent());
    reference->SetCaption(escaped);
    auto picture = Picture_Of(reference);
    delete reference;
    return picture;
}
} // namespace

// A second configurator on the same program folder says so and ends; the first runs on as it
// was. The lock goes with the first one's process, so a crash leaves none behind.
TEST_F(ProgramFolder, ASecondConfiguratorOnTheFolderSaysSoAndTheFirstRunsOn)
{
    TRunningProgram first(exe.Path());
    ASSERT_TRUE(Wait_For([&] { return DirectoryExists(exe.File("LANGUAGE")) || !first.Runs(); }));
    ASSERT_TRUE(first.Runs());

    // What the program's entry does, in this process as a second copy.
    EXPECT_EQ(Claim_Program_Folder(exe.Path()), nullptr);
    const auto said = dialogs.TextsSince(0);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0], std::string(Builtin_Texts[Txt_Configurator_Already_Runs]) + " " + exe.Path());
    EXPECT_EQ(dialogs.Messages()[0].Type, mtError);
    EXPECT_TRUE(first.Runs());
    EXPECT_FALSE(PathExists(exe.File(Settings_File_Name))) << "neither copy wrote the settings";

    first.Kill();
    const auto claimed = Claim_Program_Folder(exe.Path());
    EXPECT_NE(claimed, nullptr) << "a crashed configurator leaves no lock";
    EXPECT_EQ(dialogs.Messages().size(), 1u);
}

// The same, as the user meets it: a second configurator started on the folder shows its
// message and waits; Enter closes the message and the second one ends, and the first runs on
// untouched.
TEST_F(ProgramFolder, ASecondConfiguratorStartedByTheUserEndsAfterItsMessage)
{
    const TTestDisplay display;
    if (!display.Available()) GTEST_SKIP() << "no X display for the program's windows: " << display.Missing();
    const std::vector<std::string> on_display = {"DISPLAY=" + display.Name(), "QT_QPA_PLATFORM=xcb"};
    TRunningProgram first(exe.Path(), on_display);
    ASSERT_TRUE(Wait_For([&] { return display.Top_Window_Of(first.Pid()) != 0 || !first.Runs(); }));
    ASSERT_TRUE(first.Runs());

    TRunningProgram second(exe.Path(), on_display);
    ASSERT_TRUE(Wait_For([&] { return display.Top_Window_Of(second.Pid()) != 0 || !second.Runs(); }));
    ASSERT_TRUE(second.Runs()) << "the message waits for the user";
    constexpr unsigned long Return_Key = 0xFF0D;
    display.Press_Key_In_Window_Of(second.Pid(), Return_Key);
    ASSERT_TRUE(Wait_For([&] { return !second.Runs(); }));
    EXPECT_TRUE(second.Ended_By_Itself());
    EXPECT_TRUE(first.Runs());
    EXPECT_FALSE(PathExists(exe.File(Settings_File_Name))) << "neither copy wrote the settings";
}

// A program folder where the start cannot make its folders: the start says once which and
// why, and New Configuration names the folder as the cause, not the valid name typed.
TEST_F(ProgramFolder, FoldersThatCannotBeMadeAreNamedAtStartAndByNewConfiguration)
{
    WriteTestFile(exe.File("PROJECTS"), "a file where the configurations go");
    Start();
    const std::string projects = exe.File("PROJECTS");
    EXPECT_EQ(dialogs.TextsSince(0), std::vector<std::string>{Lang_Table[Txt_Program_Folder_Not_Made] + "\n" +
                                                              projects + ". Not a directory"});
    size_t before = dialogs.Messages().size();
    Type_New_Configuration("Plant1");
    EXPECT_EQ(dialogs.TextsSince(before),
              std::vector<std::string>{Lang_Table[111] + " " + projects + ". Not a directory"});
    EXPECT_EQ(Project_Dir, "");

    // A program folder this user may not write: nothing can be made in it.
    Free_Windows();
    const TempDir locked;
    ASSERT_EQ(chmod(locked.Path().c_str(), 0755), 0);
    {
        const TUnprivilegedUser user;
        before = dialogs.Messages().size();
        Create_Windows(&owner, locked.Path());
        const std::string reason = ". Permission denied";
        EXPECT_EQ(dialogs.TextsSince(before),
                  std::vector<std::string>{Lang_Table[Txt_Program_Folder_Not_Made] + "\n" +
                                           locked.File("MASTER") + reason + "\n" + locked.File("PROJECTS") +
                                           reason + "\n" + locked.File("LANGUAGE") + reason});
        before = dialogs.Messages().size();
        Type_New_Configuration("Plant1");
        EXPECT_EQ(dialogs.TextsSince(before),
                  std::vector<std::string>{Lang_Table[111] + " " + locked.File("PROJECTS") +
                                           ". No such file or directory"});
    }
    Free_Windows();
}

// Files the user made read-only stay as they are: the window that would write one says so,
// naming the file, and stays open as it does on a full disk; the close says so for the
// settings file. Root, who may write any file, is held to it too.
TEST_F(ProgramFolder, ReadOnlyFilesAreRefusedByNameAndKept)
{
    Start();
    Type_New_Configuration("Plant1");
    ASSERT_EQ(Project_Name, "Plant1");
    const struct {
        TLbButton* TFVantrelFirmWare::*Step;
        const std::string* File;
    } steps[] = {{&TFVantrelFirmWare::Btn_Prm_Gen, &File_ParGen},
                 {&TFVantrelFirmWare::Btn_EtherNetIP_Access, &File_EtherNetIP_Master_Rules},
                 {&TFVantrelFirmWare::Btn_SDO_Server_CANopen, &File_SDO_Server_CANopen},
                 {&TFVantrelFirmWare::Btn_SDO_Client_CANopen, &File_SDO_Client_CANopen},
                 {&TFVantrelFirmWare::Btn_PDO_CANopen, &File_PDO_CANopen}};
    for (const auto& step : steps) {
        const std::string path = *step.File;
        bool stayedOpen = false;
        const auto press_ok = [&](bool readOnly) {
            dialogs.OnModal([&, readOnly](TCustomForm& form) {
                SendClick(dynamic_cast<TControl*>(form.FindComponent("Btn_OK")), 10, 10);
                Application->ProcessMessages();
                stayedOpen = form.ModalResult() == mrNone;
                if (readOnly) form.SetModalResult(mrCancel);
            });
            Click(FVantrelFirmWare->*step.Step);
        };
        press_ok(false);
        ASSERT_TRUE(FileExists(path)) << path;
        const std::string saved = ReadTestFile(path);
        ASSERT_EQ(chmod(path.c_str(), 0444), 0);

        const size_t before = dialogs.Messages().size();
        press_ok(true);
        EXPECT_EQ(dialogs.TextsSince(before),
                  std::vector<std::string>{"Cannot write file \"" + path + "\". The file is read-only"});
        EXPECT_TRUE(stayedOpen) << path;
        EXPECT_EQ(ReadTestFile(path), saved) << path;
    }

    const std::string settings = exe.File(Settings_File_Name);
    WriteTestFile(settings,
                  "<Conf_Settings><lastproj><projectname>Kept</projectname></lastproj></Conf_Settings>");
    ASSERT_EQ(chmod(settings.c_str(), 0444), 0);
    const size_t before = dialogs.Messages().size();
    Click(FVantrelFirmWare->Btn_Close);
    EXPECT_EQ(dialogs.TextsSince(before),
              std::vector<std::string>{"Cannot write file \"" + settings + "\". The file is read-only"});
    EXPECT_EQ(ReadTestFile(settings),
              "<Conf_Settings><lastproj><projectname>Kept</projectname></lastproj></Conf_Settings>");
}

// The settings file made read-only, as the user meets it in the program itself: the close
// says so in a message and keeps the file; Enter closes the message and the program ends.
TEST_F(ProgramFolder, TheProgramClosedOverAReadOnlySettingsFileSaysSoAndKeepsIt)
{
    const TTestDisplay display;
    if (!display.Available()) GTEST_SKIP() << "no X display for the program's windows: " << display.Missing();
    const std::string settings = exe.File(Settings_File_Name);
    const std::string kept =
        "<Conf_Settings><lastlang><language>English</language></lastlang></Conf_Settings>";
    WriteTestFile(settings, kept);
    ASSERT_EQ(chmod(settings.c_str(), 0444), 0);
    TRunningProgram program(exe.Path(), {"DISPLAY=" + display.Name(), "QT_QPA_PLATFORM=xcb"});
    unsigned long main_window = 0;
    ASSERT_TRUE(Wait_For(
        [&] { return (main_window = display.Top_Window_Of(program.Pid())) != 0 || !program.Runs(); }));

    // The main window's Close button: 50 x 50 pixels at 632, 8 of its client area.
    display.Click_In_Window_Of(program.Pid(), 657, 33);
    ASSERT_TRUE(Wait_For([&] {
        const unsigned long shown = display.Top_Window_Of(program.Pid());
        return (shown != 0 && shown != main_window) || !program.Runs();
    }));
    ASSERT_TRUE(program.Runs()) << "the close says why the settings were not written";
    constexpr unsigned long Return_Key = 0xFF0D;
    display.Press_Key_In_Window_Of(program.Pid(), Return_Key);
    ASSERT_TRUE(Wait_For([&] { return !program.Runs(); }));
    EXPECT_TRUE(program.Ended_By_Itself());
    EXPECT_EQ(ReadTestFile(settings), kept);
}

// Labels that show the user's data show it as typed: an "&" is no shortcut mark there.
TEST_F(ProgramFolder, NamesWithAnAmpersandShowAsTyped)
{
    Start();
    for (const std::string name : {"R&D 1", "A&&B", "&Plant"}) {
        Type_New_Configuration(name);
        ASSERT_EQ(Project_Name, name);
        TLabel* line = FVantrelFirmWare->L_Name_Conf_L2;
        EXPECT_EQ(Picture_Of(line), Picture_As_Typed(line, name)) << name;
    }

    WriteTestFile(exe.File("LANGUAGE/R&D.lng"), "STR15 = Neu\r\n");
    dialogs.OnModal([this](TCustomForm& form) {
        TLabel* slot = FSoftOptions->L_L[0];
        EXPECT_EQ(Picture_Of(slot), Picture_As_Typed(slot, "R&D"));
        dialogs.AnswerMessage(mrYes);
        SendClick(slot, 2, 2);
        EXPECT_EQ(Lang_Table[15], "Neu");
        EXPECT_EQ(Picture_Of(FSoftOptions->L_Sel_Lang),
                  Picture_As_Typed(FSoftOptions->L_Sel_Lang, Lang_Table[304] + "R&D"));
        form.SetModalResult(mrCancel);
    });
    Click(FVantrelFirmWare->Btn_Opz);
}

// The build puts English beside the program as a language file: after another language the
// user picks English from the list, and every text is the built-in one again.
TEST_F(ProgramFolder, EnglishIsListedAndBringsBackTheBuiltInTexts)
{
    std::filesystem::create_directory(exe.File("LANGUAGE"));
    std::filesystem::copy_file(ENGLISH_LNG, exe.File("LANGUAGE/English.lng"));
    WriteTestFile(exe.File("LANGUAGE/Italiano.lng"),
                  "STR15 = Nuova Configurazione\r\nSTR304 = \xC2\xB6Lingua: \xC2\xB6\r\n");
    Start();
    dialogs.OnModal([this](TCustomForm& form) {
        ASSERT_EQ(FSoftOptions->L_L[0]->Caption(), "English");
        ASSERT_EQ(FSoftOptions->L_L[1]->Caption(), "Italiano");
        for (TLabel* slot : {FSoftOptions->L_L[1], FSoftOptions->L_L[0]}) {
            dialogs.AnswerMessage(mrYes);
            SendClick(slot, 2, 2);
        }
        form.SetModalResult(mrOk);
    });
    Click(FVantrelFirmWare->Btn_Opz);
    EXPECT_EQ(Language_Name, "English");
    ASSERT_EQ(Lang_Table.Count(), Builtin_Text_Count);
    for (int entry = 0; entry < Builtin_Text_Count; ++entry)
        EXPECT_EQ(Lang_Table[entry], Builtin_Texts[entry]) << "entry " << entry;
    EXPECT_EQ(FVantrelFirmWare->Btn_New->Caption(), Builtin_Texts[15]);
}
