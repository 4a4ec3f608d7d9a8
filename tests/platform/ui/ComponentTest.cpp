#include <gtest/gtest.h>

#include <chrono>

#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/StdCtrls.h"
#include "support/FakeDialogs.h"

namespace {

// Writes its name into a log when freed.
class TLogged : public TComponent {
public:
    TLogged(TComponent* owner, const std::string& name, std::vector<std::string>& log) : TComponent(owner), log_(log)
    {
        SetName(name);
    }
    ~TLogged() override { log_.push_back(Name()); }
    std::vector<std::string> removed;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        if (operation == opRemove) removed.push_back(component->Name());
        TComponent::Notification(component, operation);
    }

private:
    std::vector<std::string>& log_;
};

TEST(ComponentTest, AnOwnerFreesWhatItOwnsLastCreatedFirst)
{
    std::vector<std::string> log;
    auto* owner = new TLogged(nullptr, "owner", log);
    new TLogged(owner, "a", log);
    auto* b = new TLogged(owner, "b", log);
    new TLogged(b, "b1", log);
    auto* watcher = new TLogged(nullptr, "watcher", log);
    watcher->FreeNotification(b);
    EXPECT_EQ(owner->FindComponent("B"), b);
    delete owner;
    // Each logs as its destructor starts, before it frees what it owns.
    EXPECT_EQ(log, (std::vector<std::string>{"owner", "b", "b1", "a"}));
    EXPECT_EQ(watcher->removed, std::vector<std::string>{"b"});
    delete watcher;
}

class TClickForm : public TForm {
public:
    explicit TClickForm(TComponent* owner) : TForm(owner)
    {
        Box = new TCheckBox(this);
        Box->SetParent(this);
        Box->OnClick = [this](TObject*) { ++clicks; };
        Box->SetChecked(true);  // while the form is being built: no event
        EXPECT_TRUE(Box->ComponentState().Contains(csLoading));
        OnCreate = [this](TObject*) { checkedAtCreate = Box->Checked(); };
    }
    TCheckBox* Box;
    int clicks = 0;
    bool checkedAtCreate = false;
};

TEST(ComponentTest, EventsWaitUntilTheFormIsBuilt)
{
    TClickForm* form;
    Application->CreateForm(form);
    EXPECT_TRUE(form->checkedAtCreate);
    EXPECT_EQ(form->clicks, 0);
    EXPECT_FALSE(form->Box->ComponentState().Contains(csLoading));
    form->Box->SetChecked(false);
    EXPECT_EQ(form->clicks, 1);
    delete form;
}

TEST(ComponentTest, RegisteredMessagesAreStableAndPostedOnesDropForFreedControls)
{
    const UINT done = RegisterWindowMessage("GridEditDone");
    EXPECT_GE(done, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("GRIDEDITDONE"), done);
    EXPECT_NE(RegisterWindowMessage("DTPShiftFocus"), done);

    struct TReceiver : TCustomControl {
        using TCustomControl::TCustomControl;
        std::vector<UINT> got;
        void WndProc(TMessage& m) override
        {
            if (m.Msg >= 0xC000) got.push_back(m.Msg);
            TCustomControl::WndProc(m);
        }
    };
    auto* kept = new TReceiver(nullptr);
    auto* freed = new TReceiver(nullptr);
    PostMessage(kept, done, 1, 2);
    PostMessage(freed, done, 1, 2);
    EXPECT_TRUE(kept->got.empty());  // posted, not sent
    delete freed;
    Application->ProcessMessages();
    EXPECT_EQ(kept->got, std::vector<UINT>{done});
    delete kept;
}

TEST(ComponentTest, TimerFiresOnTheEventLoopWhileEnabled)
{
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 2) timer.SetEnabled(false);
    };
    timer.SetInterval(5);
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (timer.Enabled() && std::chrono::steady_clock::now() < limit) Application->ProcessMessages();
    EXPECT_EQ(ticks, 2);
    for (int i = 0; i < 5; ++i) Application->ProcessMessages();
    EXPECT_EQ(ticks, 2);
}

TEST(ComponentTest, TimerExceptionsGoToTheErrorBox)
{
    TFakeDialogs dialogs;
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        throw Exception("No Valid Connection found");
    };
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (timer.Enabled() && std::chrono::steady_clock::now() < limit) Application->ProcessMessages();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].Text, "No Valid Connection found");
}

TEST(ComponentTest, MessageBoxesAndFileDialogsGoThroughTheService)
{
    TFakeDialogs dialogs;
    dialogs.AnswerMessage(mrNo);
    EXPECT_EQ(MessageDlg("Replace the file?", mtConfirmation, mbYesNo, 0), mrNo);
    EXPECT_EQ(MessageDlg("Error! Project not Valid", mtError, {mbOK}, 0), mrOk);
    ShowMessage("Done");
    ASSERT_EQ(dialogs.Messages().size(), 3u);
    EXPECT_EQ(dialogs.Messages()[0].Type, mtConfirmation);
    EXPECT_EQ(dialogs.Messages()[0].Buttons, mbYesNo);
    EXPECT_EQ(dialogs.Messages()[1].Caption, "Error");
    EXPECT_EQ(dialogs.Messages()[2].Caption, Application->Title());

    TSaveDialog save(nullptr);
    save.Filter = "Electronic Data Sheet (*.eds)|*.eds";
    save.DefaultExt = "eds";
    save.InitialDir = "/projects/Plant1";
    save.Options += ofOverwritePrompt;
    dialogs.AnswerFile("/projects/Plant1/out.eds");
    EXPECT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName, "/projects/Plant1/out.eds");
    EXPECT_FALSE(save.Execute());  // nothing queued: cancelled
    EXPECT_EQ(save.FileName, "/projects/Plant1/out.eds");
    ASSERT_EQ(dialogs.FileRequests().size(), 2u);
    EXPECT_TRUE(dialogs.FileRequests()[0].Save);
    EXPECT_EQ(dialogs.FileRequests()[0].InitialDir, "/projects/Plant1");
    EXPECT_TRUE(dialogs.FileRequests()[0].Options.Contains(ofOverwritePrompt));
}

TEST(ComponentTest, LinkCaptionsKeepTheirLinksAndEscapeTheRest)
{
    EXPECT_EQ(LinkCaptionToHtml(R"(New version <a href="http://x/download.asp#GW30605">here</a> & more)"),
              R"(New version <a href="http://x/download.asp#GW30605">here</a> &amp; more)");
    EXPECT_EQ(LinkCaptionToHtml("No Update Available <b>"), "No Update Available &lt;b&gt;");
}

}  // namespace
