#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/Registry.h"
#include "platform/rtl/Threads.h"
#include "platform/ui/Controls.h"

// Tells registered windows when the Office colour theme changes in the registry.

// The message sent to registered windows: WParam is the watched root key, LParam the
// address of the watched key path (a std::string).
constexpr UINT WM_OFFICETHEMECHANGED = 2993;

// A list of windows. A window freed while listed stays in the list as an empty entry that
// is never sent anything.
class THandleList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TWinControl* Items(int Index) const { return items_.at(Index).Get(); }
    void SetItems(int Index, TWinControl* Window) { items_.at(Index) = Window; }
    void Add(TWinControl* Window) { items_.emplace_back(Window); }
    void Insert(int Index, TWinControl* Window);
    void Delete(int Index);
    // Deletes the first entry of that window, when there is one.
    void DeleteValue(TWinControl* Window);
    bool HasValue(TWinControl* Window) const;

private:
    std::vector<TWeakRef<TWinControl>> items_;
};

// Watches a registry key and sends WM_OFFICETHEMECHANGED, on the GUI thread, to Wnd and
// then to every window of WinList at each change notification.
class TRegMonitorThread : public TThread {
public:
    // Created suspended; Start runs it. The store is the one in use at creation.
    TRegMonitorThread();
    ~TRegMonitorThread() override;

    std::string Key;
    HKEY RootKey = HKEY_CURRENT_USER;
    bool WatchSub = true;
    unsigned Filter = 0; // 0: every kind of change
    TWeakRef<TWinControl> Wnd;
    THandleList& WinList() { return FWinList; }

    // Ends the thread, waking it from its wait.
    void Stop();

protected:
    // Raises ERegistryException "Unable to open registry key <key>" when the key is missing.
    void Execute() override;
    void TerminatedSet() override { FEvent->SetEvent(); }

private:
    void NotifyWindows();

    std::shared_ptr<TRegistryStore> FReg;
    std::shared_ptr<TEvent> FEvent;
    THandleList FWinList;
};

// The invisible window through which the monitor thread reaches the notifier.
class TThemeNotifierWindow : public TWinControl {
public:
    explicit TThemeNotifierWindow(TComponent* AOwner);
    TNotifyEvent OnOfficeThemeChange;
    void WndProc(TMessage& Message) override;
};

// Watches the registry key of the installed Office version (2010 before 2007) and fires
// OnOfficeThemeChange at each change; windows registered with RegisterWindow get the
// message as well. Without Office 2007 or 2010 settings (or without a registry) there is
// no window and no thread, and registering does nothing.
class TThemeNotifier : public TComponent {
public:
    explicit TThemeNotifier(TComponent* AOwner);
    ~TThemeNotifier() override;

    void RegisterWindow(TWinControl* Hwnd);
    void UnRegisterWindow(TWinControl* Hwnd);
    TRegMonitorThread* RegMonitorThread() const { return FRegMonitorThread.get(); }

    TNotifyEvent OnOfficeThemeChange;

private:
    TThemeNotifierWindow* FNotifier = nullptr;
    std::unique_ptr<TRegMonitorThread> FRegMonitorThread;
};

// The process-wide notifier, created on first use: owned by the application's main form
// when there is one with a window, otherwise by AOwner. Freeing it lets the next call
// create a new one.
TThemeNotifier* GetThemeNotifier(TComponent* AOwner);
