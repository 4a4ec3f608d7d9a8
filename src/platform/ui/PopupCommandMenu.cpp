#include <QAction>
#include <QMenu>

#include "platform/ui/PopupCommandMenu.h"
#include "platform/ui/QtControls.h"

namespace {

int DesktopTracker(const TPopupCommandMenu& menu, TPoint screenPoint)
{
    EnsureQtApplication();
    QMenu popup;
    for (const TPopupCommandMenu::TItem& item : menu.Items())
        popup.addAction(QString::fromStdString(item.Caption))->setData(item.Id);
    const QAction* picked = popup.exec(QPoint(screenPoint.X, screenPoint.Y));
    return picked ? picked->data().toInt() : 0;
}

TPopupMenuTracker& Tracker()
{
    static TPopupMenuTracker tracker = DesktopTracker;
    return tracker;
}

} // namespace

void SetPopupMenuTracker(TPopupMenuTracker tracker)
{
    Tracker() = tracker ? std::move(tracker) : DesktopTracker;
}

int TPopupCommandMenu::Track(TPoint screenPoint, TWinControl* owner) const
{
    TWeakRef<TControl> ref(owner);
    const int id = Tracker()(*this, screenPoint);
    if (id != 0 && ref) owner->Perform(WM_COMMAND, static_cast<WPARAM>(id), 0);
    return id;
}
