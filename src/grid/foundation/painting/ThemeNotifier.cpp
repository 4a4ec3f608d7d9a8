#include "grid/foundation/painting/ThemeNotifier.h"

#include <algorithm>

#include "grid/foundation/painting/OfficeTheme.h"
#include "platform/ui/Forms.h"

namespace {
TThemeNotifier*& ProcessNotifier()
{
    static TThemeNotifier* notifier = nullptr;
    return notifier;
}
} // namespace

void THandleList::Insert(int Index, TWinControl* Window)
{
    if (Index < 0 || Index > Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    items_.insert(items_.begin() + Index, Window);
}

void THandleList::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    items_.erase(items_.begin() + Index);
}

void THandleList::DeleteValue(TWinControl* Window)
{
    const auto it =
        std::find_if(items_.begin(), items_.end(), [&](const auto& w) { return w.Get() == Window; });
    if (it != items_.end()) items_.erase(it);
}

bool THandleList::HasValue(TWinControl* Window) const
{
    return std::any_of(items_.begin(), items_.end(), [&](const auto& w) { return w.Get() == Window; });
}

TRegMonitorThread::TRegMonitorThread() : FReg(RegistryStore()), FEvent(std::make_shared<TEvent>()) {}

TRegMonitorThread::~TRegMonitorThread() { Stop(); }

void TRegMonitorThread::Stop()
{
    Terminate();
    WaitFor();
}

void TRegMonitorThread::Execute()
{
    if (!FReg || !FReg->KeyExists(RootKey, Key))
        throw ERegistryException("Unable to open registry key " + Key);
    const unsigned filter = Filter == 0 ? REG_NOTIFY_ALL : Filter;
    const auto arm = [&] {
        FEvent->ResetEvent();
        FReg->NotifyChangeKeyValue(RootKey, Key, WatchSub, filter, FEvent);
    };
    arm();
    while (!Terminated()) {
        FEvent->WaitFor();
        if (Terminated()) break;
        // Armed again before the windows hear of it, so that a change made meanwhile is
        // told in the next round rather than lost.
        arm();
        Synchronize([this] { NotifyWindows(); });
    }
}

void TRegMonitorThread::NotifyWindows()
{
    const auto send = [this](TWinControl* window) {
        if (window) window->Perform(WM_OFFICETHEMECHANGED, RootKey, reinterpret_cast<LPARAM>(&Key));
    };
    send(Wnd.Get());
    for (int i = 0; i < FWinList.Count(); ++i)
        send(FWinList.Items(i));
}

TThemeNotifierWindow::TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner) { SetVisible(false); }

void TThemeNotifierWindow::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_OFFICETHEMECHANGED) {
        if (OnOfficeThemeChange) OnOfficeThemeChange(this);
        return;
    }
    TWinControl::WndProc(Message);
}

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner)
{
    if (ComponentState().Contains(csDesigning)) return;
    const int version = GetOfficeVersion();
    if (version == 0) return;
    FNotifier = new TThemeNotifierWindow(this);
    if (auto* parent = dynamic_cast<TWinControl*>(AOwner)) FNotifier->SetParent(parent);
    FNotifier->OnOfficeThemeChange = [this](TObject*) {
        if (OnOfficeThemeChange) OnOfficeThemeChange(this);
    };
    FRegMonitorThread = std::make_unique<TRegMonitorThread>();
    FRegMonitorThread->Wnd = FNotifier;
    FRegMonitorThread->Filter = REG_NOTIFY_CHANGE_LAST_SET;
    FRegMonitorThread->Key = version == 2 ? "Software\\Microsoft\\Office\\14.0\\Common"
                                          : "Software\\Microsoft\\Office\\12.0\\Common";
    FRegMonitorThread->RootKey = HKEY_CURRENT_USER;
    FRegMonitorThread->WatchSub = true;
    FRegMonitorThread->Start();
}

TThemeNotifier::~TThemeNotifier()
{
    FRegMonitorThread.reset();
    if (ProcessNotifier() == this) ProcessNotifier() = nullptr;
}

void TThemeNotifier::RegisterWindow(TWinControl* Hwnd)
{
    if (Hwnd && FRegMonitorThread && !FRegMonitorThread->WinList().HasValue(Hwnd))
        FRegMonitorThread->WinList().Add(Hwnd);
}

void TThemeNotifier::UnRegisterWindow(TWinControl* Hwnd)
{
    if (Hwnd && FRegMonitorThread) FRegMonitorThread->WinList().DeleteValue(Hwnd);
}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner)
{
    TThemeNotifier*& notifier = ProcessNotifier();
    if (!notifier) {
        TCustomForm* mainForm = Application->MainForm();
        notifier = new TThemeNotifier(mainForm && mainForm->HandleAllocated() ? mainForm : AOwner);
    }
    return notifier;
}
