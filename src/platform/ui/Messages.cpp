#include <QCoreApplication>
#include <QEvent>

#include <map>

#include "platform/rtl/SysUtils.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Input.h"
#include "platform/ui/QtApp.h"

namespace {

// Our own bits for the shift state in the LParam of key messages.
constexpr LPARAM KeyDataShift = 1 << 24;
constexpr LPARAM KeyDataCtrl = 1 << 25;
constexpr LPARAM KeyDataAlt = 1 << 29;  // where Windows keeps it too

class TPostedMessage : public QEvent {
public:
    static QEvent::Type Kind()
    {
        static const auto kind = static_cast<QEvent::Type>(QEvent::registerEventType());
        return kind;
    }
    TPostedMessage(TControl* control, UINT msg, WPARAM w, LPARAM l)
        : QEvent(Kind()), target(control), message{msg, w, l, 0}
    {
    }
    TWeakRef<TControl> target;
    TMessage message;
};

class TPostOffice : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() != TPostedMessage::Kind()) return QObject::event(e);
        auto* posted = static_cast<TPostedMessage*>(e);
        TControl* control = posted->target.Get();
        if (!control) return true;
        GuardedCall([&] {
            // A posted key goes where a typed one goes: a Tab reaches the form's focus handling.
            auto* win = dynamic_cast<TWinControl*>(control);
            if (win && DeliverKeyMessage(win, posted->message)) return;
            control->Perform(posted->message.Msg, posted->message.WParam, posted->message.LParam);
        });
        return true;
    }
};

}  // namespace

LPARAM ShiftStateToKeyData(TShiftState shift)
{
    return (shift.Contains(ssShift) ? KeyDataShift : 0) | (shift.Contains(ssCtrl) ? KeyDataCtrl : 0) |
           (shift.Contains(ssAlt) ? KeyDataAlt : 0);
}

TShiftState KeyDataToShiftState(LPARAM keyData)
{
    TShiftState shift;
    if (keyData & KeyDataShift) shift += ssShift;
    if (keyData & KeyDataCtrl) shift += ssCtrl;
    if (keyData & KeyDataAlt) shift += ssAlt;
    return shift;
}

WPARAM ShiftStateToMouseKeys(TShiftState shift)
{
    WPARAM keys = 0;
    if (shift.Contains(ssShift)) keys |= MK_SHIFT;
    if (shift.Contains(ssCtrl)) keys |= MK_CONTROL;
    if (shift.Contains(ssAlt)) keys |= MK_ALT;
    if (shift.Contains(ssLeft)) keys |= MK_LBUTTON;
    if (shift.Contains(ssRight)) keys |= MK_RBUTTON;
    if (shift.Contains(ssMiddle)) keys |= MK_MBUTTON;
    return keys;
}

TShiftState MouseKeysToShiftState(WPARAM keys)
{
    TShiftState shift;
    if (keys & MK_SHIFT) shift += ssShift;
    if (keys & MK_CONTROL) shift += ssCtrl;
    if (keys & MK_ALT) shift += ssAlt;
    if (keys & MK_LBUTTON) shift += ssLeft;
    if (keys & MK_RBUTTON) shift += ssRight;
    if (keys & MK_MBUTTON) shift += ssMiddle;
    return shift;
}

void PostMessage(TControl* control, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!control) return;
    EnsureQtApplication();
    static TPostOffice* office = new TPostOffice;
    QCoreApplication::postEvent(office, new TPostedMessage(control, msg, wParam, lParam));
}

UINT RegisterWindowMessage(const std::string& name)
{
    static std::map<std::string, UINT> registered;
    const std::string key = UpperCase(name);
    auto it = registered.find(key);
    if (it != registered.end()) return it->second;
    const UINT id = 0xC000 + static_cast<UINT>(registered.size());
    registered.emplace(key, id);
    return id;
}
