#include "platform/ui/Menus.h"

#include "platform/ui/PopupCommandMenu.h"

TMenuItem* TPopupMenu::Add(const std::string& caption)
{
    items_.push_back(std::make_unique<TMenuItem>(caption));
    return items_.back().get();
}

void TPopupMenu::Popup(int x, int y)
{
    popupPoint_ = {x, y};
    TWeakRef<TComponent> self(this);
    if (OnPopup) OnPopup(this);
    if (!self) return;
    TPopupCommandMenu commands;
    // Command 0 means "nothing picked", so item i answers as i + 1.
    for (int i = 0; i < Count(); ++i)
        commands.Append(i + 1, items_[static_cast<size_t>(i)]->Caption);
    const int picked = commands.Track(popupPoint_, nullptr);
    if (!self || picked < 1 || picked > Count()) return;
    TMenuItem* item = Items(picked - 1);
    // A handler that clears the menu must not free the event under its own feet.
    const TNotifyEvent onClick = item->OnClick;
    if (onClick) onClick(item);
}
