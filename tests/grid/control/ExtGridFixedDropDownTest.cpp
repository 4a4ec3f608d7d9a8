#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/painting/ColorUtils.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PopupCommandMenu.h"

// The drop-down button of a lit header: its right 16 pixels are a button of their own, drawn
// pressed apart from the rest of the header and opening the header's menu.

namespace {

class ExtGridFixedDropDownTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->SetHoverFixedCells(hfAll);
        grid->ControlLook()->FixedDropDownButton = true;
        grid->SuiteGradientHoverFrom = grid->SuiteGradientHoverTo = grid->SuiteGradientHoverBorder = clYellow;
        grid->SuiteGradientDownFrom = grid->SuiteGradientDownTo = grid->SuiteGradientDownBorder = clRed;
        header = grid->CellRect(2, 0);
        middle = {(header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2};
        onButton = {header.Right - 8, middle.Y};
        bitmap.SetSize(grid->Width(), grid->Height());
    }
    void TearDown() override { SetPopupMenuTracker(nullptr); }

    void Send(UINT Msg, TPoint At) { grid->Perform(Msg, Msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, PointToLParam(At)); }
    // The header's look left of the button, on the button and on the button's arrow.
    struct TLook {
        TColor Rest, Button, Arrow;
        bool operator==(const TLook&) const = default;
    };
    TLook Shown()
    {
        grid->PaintTo(bitmap.Canvas(), 0, 0);
        const auto at = [&](int X, int Y) { return ColorToRGB(bitmap.Canvas()->Pixels(X, Y)); };
        return {at(header.Left + 3, header.Top + 3), at(header.Right - 14, header.Top + 3),
                at(header.Right - 8, header.Top + 9)};
    }

    TRect header;
    TPoint middle, onButton;
    TBitmap bitmap;
};

TEST_F(ExtGridFixedDropDownTest, TheButtonShowsPressedApartFromTheHeader)
{
    const TColor yellow = ColorToRGB(clYellow), red = ColorToRGB(clRed), black = ColorToRGB(clBlack);
    Send(WM_MOUSEMOVE, middle);
    EXPECT_EQ(Shown(), (TLook{yellow, yellow, black})) << "lit";
    Send(WM_LBUTTONDOWN, middle);
    EXPECT_FALSE(grid->FixedDropDownPressed());
    EXPECT_EQ(Shown(), (TLook{red, yellow, black})) << "header pressed";
    Send(WM_LBUTTONUP, middle);
    EXPECT_EQ(Shown(), (TLook{yellow, yellow, black})) << "released";

    Send(WM_MOUSEMOVE, onButton);
    Send(WM_LBUTTONDOWN, onButton);
    EXPECT_TRUE(grid->FixedDropDownPressed());
    EXPECT_EQ(Shown(), (TLook{yellow, red, black})) << "button pressed";
    Send(WM_LBUTTONUP, onButton);
    EXPECT_FALSE(grid->FixedDropDownPressed());
    EXPECT_EQ(Shown(), (TLook{yellow, yellow, black})) << "button released";
}

TEST_F(ExtGridFixedDropDownTest, AColumnRefusedTheButtonShowsAndTakesNone)
{
    std::vector<int> asked;
    grid->OnCanShowFixedDropDown = [&](TObject*, int ACol, bool& CanShow) {
        asked.push_back(ACol);
        CanShow = ACol != 2;
    };
    const TColor red = ColorToRGB(clRed);
    Send(WM_MOUSEMOVE, onButton);
    Send(WM_LBUTTONDOWN, onButton);
    EXPECT_FALSE(grid->FixedDropDownPressed());
    EXPECT_EQ(Shown(), (TLook{red, red, red}));
    Send(WM_LBUTTONUP, onButton);
    EXPECT_FALSE(asked.empty());
    for (int col : asked)
        EXPECT_EQ(col, 2);
}

// The menu opens below the button, tagged with the column, while the header stays lit with
// its button pressed; a press beside the button or on the sizing border opens nothing.
TEST_F(ExtGridFixedDropDownTest, TheButtonOpensTheHeaderMenuBelowIt)
{
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    auto* menu = new TPopupMenu(&form);
    menu->Add("Filter");
    grid->SetFixedDropDownMenu(menu);
    std::optional<TPoint> openedAt;
    std::optional<TLook> lookWhileOpen;
    SetPopupMenuTracker([&](const TPopupCommandMenu&, TPoint At) {
        openedAt = At;
        lookWhileOpen = Shown();
        return -1;
    });
    std::vector<std::pair<int, int>> clicked;
    grid->OnFixedDropDownClick = [&](TObject*, int ACol, int ARow, TPopupMenu*& AMenu, bool&) {
        clicked.emplace_back(ACol, ARow);
        EXPECT_EQ(AMenu, menu);
    };

    const struct {
        int x;
        bool opens;
    } cases[] = {{middle.X, false}, {header.Right - 15, true}, {header.Right - 3, true}, {header.Right - 1, false}};
    for (const auto& c : cases) {
        openedAt.reset();
        clicked.clear();
        SendClick(grid, c.x, middle.Y);
        EXPECT_EQ(openedAt.has_value(), c.opens) << "x " << c.x;
        if (!c.opens) continue;
        EXPECT_EQ(*openedAt, grid->ClientToScreen({header.Right - 16, header.Bottom})) << "x " << c.x;
        EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{2, 0}})) << "x " << c.x;
        EXPECT_EQ(menu->Tag(), 2);
        ASSERT_TRUE(lookWhileOpen.has_value());
        EXPECT_EQ(lookWhileOpen->Button, ColorToRGB(clRed)) << "x " << c.x;
    }
}

// The event may take the menu away (nothing opens) or keep the header lit afterwards.
TEST_F(ExtGridFixedDropDownTest, TheClickEventDecidesTheMenuAndTheHighlight)
{
    auto* menu = new TPopupMenu(&form);
    grid->SetFixedDropDownMenu(menu);
    int opened = 0;
    SetPopupMenuTracker([&](const TPopupCommandMenu&, TPoint) {
        ++opened;
        return -1;
    });
    int clicks = 0;
    grid->OnFixedDropDownClick = [&](TObject*, int, int, TPopupMenu*& AMenu, bool& Keep) {
        ++clicks;
        AMenu = nullptr;
        Keep = true;
    };
    Send(WM_MOUSEMOVE, onButton);
    // The right button keeps its own meaning on the button too.
    SendClick(grid, onButton.X, onButton.Y, mbRight);
    EXPECT_EQ(clicks, 0);
    SendClick(grid, onButton.X, onButton.Y);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(opened, 0);
    // Kept lit: leaving the grid does not put the header out.
    grid->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Shown().Rest, ColorToRGB(clYellow));
}

} // namespace
