#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/ui/Menus.h"
#include "platform/ui/PopupCommandMenu.h"

namespace {

class MenusTest : public testing::Test {
protected:
    void SetUp() override
    {
        menu.Add("Copy");
        menu.Add("Paste");
        SetPopupMenuTracker([this](const TPopupCommandMenu& shown, TPoint at) {
            for (const TPopupCommandMenu::TItem& item : shown.Items())
                captions.push_back(item.Caption);
            openedAt = at;
            return pick;
        });
    }
    void TearDown() override { SetPopupMenuTracker(nullptr); }

    TPopupMenu menu{nullptr};
    std::vector<std::string> captions;
    std::optional<TPoint> openedAt;
    int pick = 0;
};

TEST_F(MenusTest, ThePickedItemRunsItsHandlerAfterTheMenuClosed)
{
    std::vector<std::string> clicked;
    for (int i = 0; i < menu.Count(); ++i)
        menu.Items(i)->OnClick = [&, i](TObject*) { clicked.push_back(menu.Items(i)->Caption); };
    bool popupFirst = false;
    menu.OnPopup = [&](TObject*) { popupFirst = !openedAt.has_value(); };
    pick = 2;
    menu.Popup(30, 40);
    EXPECT_TRUE(popupFirst);
    EXPECT_EQ(captions, (std::vector<std::string>{"Copy", "Paste"}));
    EXPECT_EQ(*openedAt, (TPoint{30, 40}));
    EXPECT_EQ(menu.PopupPoint(), (TPoint{30, 40}));
    EXPECT_EQ(clicked, (std::vector<std::string>{"Paste"}));
}

TEST_F(MenusTest, AMenuClosedWithoutAPickRunsNothing)
{
    int clicks = 0;
    menu.Items(0)->OnClick = [&](TObject*) { ++clicks; };
    pick = 0;
    menu.Popup(0, 0);
    pick = 7; // no such item
    menu.Popup(0, 0);
    EXPECT_EQ(clicks, 0);
}

} // namespace
