#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Controls.h"

// A pop-up menu of commands, built for one showing: each item has a command identifier,
// and the picked item's identifier goes to the owner window as WM_COMMAND (WParam: the
// identifier, notification code 0), as the desktop's pop-up menus report a choice.
class TPopupCommandMenu {
public:
    struct TItem {
        int Id;
        std::string Caption;
    };

    void Append(int id, const std::string& caption) { items_.push_back({id, caption}); }
    const std::vector<TItem>& Items() const { return items_; }

    // Shows the menu with its top-left corner at a screen point and waits until it closes;
    // a picked command is then sent to `owner`. Returns the identifier, 0 when none.
    int Track(TPoint screenPoint, TWinControl* owner) const;

private:
    std::vector<TItem> items_;
};

// What a shown menu answers: the identifier of the picked item, or 0. Tests replace it to
// pick an item and to see the menu and where it opened; nullptr puts the desktop's back.
using TPopupMenuTracker = std::function<int(const TPopupCommandMenu& menu, TPoint screenPoint)>;
void SetPopupMenuTracker(TPopupMenuTracker tracker);
