#include <gtest/gtest.h>

#include <chrono>

#include "grid/foundation/painting/ThemeNotifier.h"
#include "platform/ui/Forms.h"

namespace {

using namespace std::chrono_literals;

const char* const kCommon14 = "Software\\Microsoft\\Office\\14.0\\Common";
const char* const kCommon12 = "Software\\Microsoft\\Office\\12.0\\Common";

// A window that notes the theme-change messages it gets.
class ListeningWindow : public TWinControl {
public:
    ListeningWindow() : TWinControl(nullptr) {}
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_OFFICETHEMECHANGED) {
            ++messages;
            lastRoot = static_cast<HKEY>(m.WParam);
            lastKey = *reinterpret_cast<const std::string*>(m.LParam);
        }
        TWinControl::WndProc(m);
    }
    int messages = 0;
    HKEY lastRoot = 0;
    std::string lastKey;
};

class ThemeNotifierTest : public testing::Test {
protected:
    ThemeNotifierTest() : saved_(RegistryStore()) { SetRegistryStore(store_); }
    ~ThemeNotifierTest() override { SetRegistryStore(saved_); }

    void InstallOffice(const char* common)
    {
        store_->CreateKey(HKEY_CURRENT_USER, std::string(common) + "\\General");
    }
    // Runs the event loop until the window has the messages or a second has passed.
    static void WaitForMessages(const ListeningWindow& window, int count)
    {
        const auto deadline = std::chrono::steady_clock::now() + 1s;
        while (window.messages < count && std::chrono::steady_clock::now() < deadline)
            Application->ProcessMessages();
    }
    // The monitor starts watching some time after it is created: changes a value below the
    // key until the window hears of it, then forgets what it heard.
    void WaitUntilWatching(const char* key, ListeningWindow& window)
    {
        for (int i = 0; i < 100 && window.messages == 0; ++i) {
            store_->WriteValue(HKEY_CURRENT_USER, std::string(key) + "\\Warm-up", "Tick", i);
            WaitForMessages(window, 1);
        }
        ASSERT_GT(window.messages, 0);
        window.messages = 0;
    }

    std::shared_ptr<TRegistryStore> store_ = std::make_shared<TRegistryStore>();

private:
    std::shared_ptr<TRegistryStore> saved_;
};

TEST_F(ThemeNotifierTest, WithoutOfficeOrWithoutARegistryNoThreadStarts)
{
    ListeningWindow window;
    TThemeNotifier noOffice(nullptr);
    EXPECT_EQ(noOffice.RegMonitorThread(), nullptr);
    noOffice.RegisterWindow(&window);
    SetRegistryStore(nullptr);
    TThemeNotifier noRegistry(nullptr);
    EXPECT_EQ(noRegistry.RegMonitorThread(), nullptr);
    noRegistry.RegisterWindow(&window);
    noRegistry.UnRegisterWindow(&window);
}

TEST_F(ThemeNotifierTest, AChangeBelowTheWatchedKeyReachesEveryRegisteredWindowOnce)
{
    InstallOffice(kCommon12);
    InstallOffice(kCommon14);
    Application->ProcessMessages();
    ListeningWindow window, other;
    TThemeNotifier notifier(nullptr);
    int themeChanges = 0;
    notifier.OnOfficeThemeChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &notifier);
        ++themeChanges;
    };
    ASSERT_NE(notifier.RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier.RegMonitorThread()->Key, kCommon14);
    notifier.RegisterWindow(&window);
    notifier.RegisterWindow(&window);
    EXPECT_EQ(notifier.RegMonitorThread()->WinList().Count(), 1);
    WaitUntilWatching(kCommon14, window);
    themeChanges = 0;
    notifier.RegisterWindow(&other);

    store_->WriteValue(HKEY_CURRENT_USER, std::string(kCommon14) + "\\Deeper", "Theme", 2);
    WaitForMessages(window, 1);
    WaitForMessages(other, 1);
    EXPECT_EQ(window.messages, 1);
    EXPECT_EQ(other.messages, 1);
    EXPECT_EQ(themeChanges, 1);
    EXPECT_EQ(window.lastRoot, HKEY_CURRENT_USER);
    EXPECT_EQ(window.lastKey, kCommon14);

    notifier.UnRegisterWindow(&other);
    store_->WriteValue(HKEY_CURRENT_USER, kCommon12, "Theme", 1); // not watched
    store_->WriteValue(HKEY_CURRENT_USER, kCommon14, "Theme", 3);
    WaitForMessages(window, 2);
    EXPECT_EQ(window.messages, 2);
    EXPECT_EQ(other.messages, 1);
    EXPECT_EQ(themeChanges, 2);
}

TEST_F(ThemeNotifierTest, AWindowFreedWhileRegisteredIsSkipped)
{
    InstallOffice(kCommon12);
    Application->ProcessMessages();
    TThemeNotifier notifier(nullptr);
    ASSERT_NE(notifier.RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier.RegMonitorThread()->Key, kCommon12);
    ListeningWindow survivor;
    {
        ListeningWindow gone;
        notifier.RegisterWindow(&gone);
    }
    notifier.RegisterWindow(&survivor);
    WaitUntilWatching(kCommon12, survivor);
    store_->WriteValue(HKEY_CURRENT_USER, kCommon12, "Theme", 2);
    WaitForMessages(survivor, 1);
    EXPECT_EQ(survivor.messages, 1);
}

TEST_F(ThemeNotifierTest, AMissingKeyEndsTheMonitorWithItsError)
{
    TRegMonitorThread thread;
    thread.Key = "Software\\Nowhere";
    thread.Start();
    thread.WaitFor();
    EXPECT_EQ(thread.FatalException(), "Unable to open registry key Software\\Nowhere");
}

TEST_F(ThemeNotifierTest, TheProcessNotifierIsMadeOnceAndAgainAfterItIsFreed)
{
    TComponent owner(nullptr);
    TThemeNotifier* first = GetThemeNotifier(&owner);
    EXPECT_EQ(first->Owner(), &owner);
    EXPECT_EQ(GetThemeNotifier(nullptr), first);
    delete first;
    TThemeNotifier* second = GetThemeNotifier(&owner);
    EXPECT_NE(second, nullptr);
    EXPECT_EQ(GetThemeNotifier(&owner), second);
}

// The main form frees its notifier, window and monitor thread with it, even with a change
// on its way to the GUI thread, after which no change reaches a registered window; the
// next notifier goes to the caller's owner, not to the freed form.
TEST_F(ThemeNotifierTest, TheProcessNotifierGoesWithTheMainFormThatOwnsIt)
{
    if (Application->MainForm()) GTEST_SKIP() << "another test keeps a main form";
    InstallOffice(kCommon14);
    Application->ProcessMessages();
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->HandleNeeded();
    TComponent owner(nullptr);
    TThemeNotifier* onForm = GetThemeNotifier(&owner);
    EXPECT_EQ(onForm->Owner(), form);
    ListeningWindow window;
    onForm->RegisterWindow(&window);
    WaitUntilWatching(kCommon14, window);

    store_->WriteValue(HKEY_CURRENT_USER, kCommon14, "Theme", 1);
    delete form;
    EXPECT_EQ(Application->MainForm(), nullptr);
    const int heard = window.messages;
    store_->WriteValue(HKEY_CURRENT_USER, kCommon14, "Theme", 2);
    Application->ProcessMessages();
    EXPECT_EQ(window.messages, heard);

    TThemeNotifier* next = GetThemeNotifier(&owner);
    EXPECT_EQ(next->Owner(), &owner);
    EXPECT_EQ(GetThemeNotifier(nullptr), next);
}

} // namespace
