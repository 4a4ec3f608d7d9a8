#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "platform/ui/Controls.h"

// An edit link's control sits in the grid's cell like the grid's own editors: with goTabs
// the form must not take Tab (or the arrows) from it, or the link never sees the keys that
// move on through the grid.

void TExtStringGrid::SubclassEditLinkControl(TWinControl* Control)
{
    // A grid freed before its link's control leaves the control its own procedure.
    const auto pass = [grid = WeakSelf(), previous = Control->WindowProc, Control](TMessage& Message) {
        const auto alive = grid.lock();
        if (alive && *alive)
            static_cast<TExtStringGrid*>(*alive)->EditLinkWndProc(Control, Message);
        else if (previous)
            previous(Message);
        else
            Control->WndProc(Message);
    };
    FGridControlWndProc = std::exchange(Control->WindowProc, pass);
}

void TExtStringGrid::RestoreEditLinkControl(TWinControl* Control)
{
    Control->WindowProc = std::exchange(FGridControlWndProc, nullptr);
}

void TExtStringGrid::EditLinkWndProc(TWinControl* Control, TMessage& Message)
{
    if (FGridControlWndProc)
        FGridControlWndProc(Message);
    else
        Control->WndProc(Message);
    if (Message.Msg == WM_GETDLGCODE && Options().Contains(goTabs))
        Message.Result |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}
