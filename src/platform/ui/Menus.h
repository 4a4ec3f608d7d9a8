#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Component.h"
#include "platform/ui/Types.h"

// One command of a pop-up menu: its caption and what a pick of it does.
class TMenuItem : public TObject {
public:
    explicit TMenuItem(std::string caption) : Caption(std::move(caption)) {}
    std::string Caption;
    TNotifyEvent OnClick;
};

// A pop-up menu a window opens at a point of the screen. The item picked fires its
// OnClick once the menu has closed. The menu shows through the pop-up tracker of
// PopupCommandMenu.h, which tests replace to pick an item.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner) : TComponent(owner) {}

    TMenuItem* Add(const std::string& caption);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)).get(); }

    // Opens the menu with its top-left corner at the screen point (x, y) and waits until
    // it closes.
    void Popup(int x, int y);
    // Where the menu opened last.
    TPoint PopupPoint() const { return popupPoint_; }

    // Fired right before the menu shows, so that a window can adapt its items.
    TNotifyEvent OnPopup;

private:
    std::vector<std::unique_ptr<TMenuItem>> items_;
    TPoint popupPoint_{0, 0};
};
