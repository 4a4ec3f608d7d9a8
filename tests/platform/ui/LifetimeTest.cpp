#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Input.h"
#include "platform/ui/StdCtrls.h"
#include "support/EventLoop.h"
#include "support/FakeDialogs.h"

namespace {

// A form whose destruction handler reads state of its own class: it must still exist.
class TNotingForm : public TForm {
public:
    TNotingForm(TComponent* owner, std::vector<std::string>& log) : TForm(owner), log_(log)
    {
        OnDestroy = [this](TObject*) { log_.push_back("OnDestroy " + note_); };
        Button = new TButton(this);
        Button->SetParent(this);
        Button->SetBounds(10, 10, 80, 24);
    }
    ~TNotingForm() override { log_.push_back("freed"); }
    TButton* Button;

private:
    std::vector<std::string>& log_;
    std::string note_ = "with its own state";
};

TNotingForm* NewForm(std::vector<std::string>& log, TComponent* owner = nullptr)
{
    auto* form = new TNotingForm(owner, log);
    form->AfterConstruction();
    return form;
}

const std::vector<std::string> kFreedOnce{"OnDestroy with its own state", "freed"};

TEST(LifetimeTest, EveryFreeRunsOnDestroyOnceWithTheWholeFormStillThere)
{
    const std::vector<std::pair<std::string, std::function<void(TComponent* owner, TForm* form)>>> frees = {
        {"delete", [](TComponent*, TForm* form) { delete form; }},
        {"owner freed", [](TComponent* owner, TForm*) { delete owner; }},
        {"Release", [](TComponent*, TForm* form) { form->Release(); }},
    };
    for (const auto& [how, free] : frees) {
        std::vector<std::string> log;
        auto* owner = new TComponent(nullptr);
        TWeakRef<TComponent> ownerRef(owner);
        auto* form = NewForm(log, owner);
        TWeakRef<TForm> formRef(form);
        free(owner, form);
        Application->ProcessMessages();
        EXPECT_FALSE(formRef) << how;
        EXPECT_EQ(log, kFreedOnce) << how;
        delete ownerRef.Get();
    }
}

TEST(LifetimeTest, ReleaseWaitsForTheEventThatAskedForIt)
{
    std::vector<std::string> log;
    auto* form = NewForm(log);
    TWeakRef<TForm> formRef(form);
    bool aliveAfterTheHandler = false;
    form->Button->OnKeyDown = [&](TObject*, Word&, TShiftState) { form->Release(); };
    form->OnKeyDown = [&](TObject*, Word&, TShiftState) {
        form->Button->Perform(WM_KEYDOWN, 'A', 0);
        aliveAfterTheHandler = static_cast<bool>(formRef);
    };
    form->Perform(WM_KEYDOWN, 'A', 0);
    EXPECT_TRUE(aliveAfterTheHandler);
    Application->ProcessMessages();
    EXPECT_FALSE(formRef);
    EXPECT_EQ(log, kFreedOnce);
}

TEST(LifetimeTest, CloseWithCaFreeFreesTheFormFromTheEventLoop)
{
    std::vector<std::string> log;
    auto* form = NewForm(log);
    TWeakRef<TForm> formRef(form);
    form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    form->Show();
    form->Close();
    EXPECT_TRUE(formRef);
    Application->ProcessMessages();
    EXPECT_FALSE(formRef);
    EXPECT_EQ(log, kFreedOnce);
}

TEST(LifetimeTest, AModalFormClosedWithCaFreeIsFreedAfterShowModalReturns)
{
    TFakeDialogs dialogs;
    std::vector<std::string> log;
    auto* form = NewForm(log);
    TWeakRef<TForm> formRef(form);
    form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    dialogs.OnModal([](TCustomForm& shown) { shown.SetModalResult(mrOk); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    ASSERT_TRUE(formRef) << "the caller may still read the form";
    EXPECT_FALSE(form->Visible());
    Application->ProcessMessages();
    EXPECT_FALSE(formRef);
    EXPECT_EQ(log, kFreedOnce);
}

// The real modal loop: a timer frees the form while its ShowModal runs.
TEST(LifetimeTest, AFormFreedInsideItsShowModalEndsTheLoop)
{
    const std::vector<std::pair<std::string, std::function<void(TForm*)>>> frees = {
        {"delete", [](TForm* form) { delete form; }},
        {"Release", [](TForm* form) { form->Release(); }},
    };
    for (const auto& [how, freeing] : frees) {
        const auto& free = freeing;  // clang 14 cannot capture a structured binding
        TFakeDialogs dialogs;
        dialogs.OnModal([](TCustomForm& shown) { RealDialogService().RunModal(shown); });
        std::vector<std::string> log;
        auto* form = NewForm(log);
        TWeakRef<TForm> formRef(form);
        TTimer timer(nullptr);
        timer.SetInterval(1);
        timer.OnTimer = [&](TObject*) {
            timer.SetEnabled(false);
            free(form);
        };
        EXPECT_EQ(form->ShowModal(), mrCancel) << how;
        Run_Loop_Until([&] { return !formRef; });
        EXPECT_FALSE(formRef) << how;
        EXPECT_EQ(log, kFreedOnce) << how;
    }
}

TEST(LifetimeTest, AButtonThatFreesItsModalFormStillSetsTheModalResult)
{
    TFakeDialogs dialogs;
    std::vector<std::string> log;
    auto* form = NewForm(log);
    TWeakRef<TForm> formRef(form);
    form->Button->SetModalResult(mrOk);
    form->Button->SetDefault(true);
    form->Button->OnClick = [form](TObject*) { delete form; };
    dialogs.OnModal([](TCustomForm& shown) { PressKey(VK_RETURN, {}, static_cast<TNotingForm&>(shown).Button); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    Application->ProcessMessages();
    EXPECT_FALSE(formRef);
    EXPECT_EQ(log, kFreedOnce);
}

} // namespace
