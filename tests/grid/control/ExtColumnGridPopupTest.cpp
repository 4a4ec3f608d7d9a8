#include <gtest/gtest.h>

#include <optional>

#include "ColumnGridOnForm.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PopupCommandMenu.h"

namespace {

class ExtColumnGridPopupTest : public ColumnGridOnForm {
protected:
    void SetUp() override
    {
        ColumnGridOnForm::SetUp();
        menu = new TPopupMenu(&form);
        menu->Add("Sort");
        SetPopupMenuTracker([this](const TPopupCommandMenu& shown, TPoint at) {
            openedAt = at;
            shownItems = static_cast<int>(shown.Items().size());
            return pick;
        });
        grid->OnColumnPopup = [this](TObject*, int c, int r, TPopupMenu* m) {
            fired = {c, r};
            EXPECT_EQ(m, menu);
        };
    }
    void TearDown() override { SetPopupMenuTracker(nullptr); }

    TPoint CellCentre(int c, int r) const
    {
        const TRect cell = grid->CellRect(c, r);
        return {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    }
    void Click(int c, int r, TMouseButton button)
    {
        const TPoint at = CellCentre(c, r);
        SendClick(grid, at.X, at.Y, button);
    }

    TPopupMenu* menu = nullptr;
    std::optional<TPoint> openedAt;
    std::optional<TPoint> fired;
    int shownItems = 0;
    int pick = 0;
};

struct PopupCase {
    TColumnPopupType type;
    TMouseButton button;
    int row;
    bool fires;
    bool opens;
};

TEST_F(ExtColumnGridPopupTest, TheButtonAndTheRowDecideWhetherTheMenuOpens)
{
    const PopupCase cases[] = {
        {cpFixedCellsRClick, mbRight, 0, true, true},   {cpFixedCellsRClick, mbRight, 2, true, false},
        {cpFixedCellsRClick, mbLeft, 0, false, false},  {cpFixedCellsLClick, mbLeft, 0, true, true},
        {cpNormalCellsRClick, mbRight, 2, true, true},  {cpNormalCellsRClick, mbRight, 0, true, false},
        {cpNormalCellsLClick, mbLeft, 2, true, true},   {cpNormalCellsLClick, mbRight, 2, false, false},
        {cpAllCellsRClick, mbRight, 0, true, true},     {cpAllCellsRClick, mbRight, 2, true, true},
        {cpAllCellsLClick, mbRight, 0, false, false},   {cpAllCellsLClick, mbLeft, 2, true, true},
    };
    grid->Columns()->Items(2)->SetColumnPopup(menu);
    for (const PopupCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << " button " << int(c.button) << " row " << c.row);
        grid->Columns()->Items(2)->ColumnPopupType = c.type;
        fired.reset();
        openedAt.reset();
        Click(2, c.row, c.button);
        EXPECT_EQ(fired.has_value(), c.fires);
        if (fired) {
            EXPECT_EQ(fired->X, 2);
            EXPECT_EQ(fired->Y, c.row);
        }
        EXPECT_EQ(openedAt.has_value(), c.opens);
    }
}

TEST_F(ExtColumnGridPopupTest, TheMenuOpensAtTheCellsLeftBottomCorner)
{
    grid->Columns()->Items(1)->SetColumnPopup(menu);
    grid->Columns()->Items(1)->ColumnPopupType = cpAllCellsLClick;
    Click(1, 3, mbLeft);
    const TRect cell = grid->CellRect(1, 3);
    ASSERT_TRUE(openedAt.has_value());
    EXPECT_EQ(*openedAt, grid->ClientToScreen({cell.Left, cell.Bottom}));
    EXPECT_EQ(shownItems, 1);
}

TEST_F(ExtColumnGridPopupTest, ColumnsWithoutAMenuOpenNothing)
{
    grid->Columns()->Items(1)->SetColumnPopup(menu);
    Click(3, 0, mbRight);
    EXPECT_FALSE(fired.has_value());
    EXPECT_FALSE(openedAt.has_value());
}

// Behind a hidden column the shown index names another column: the menu is the one of the
// column the user clicked.
TEST_F(ExtColumnGridPopupTest, UnderHiddenColumnsTheClickedColumnsMenuOpens)
{
    grid->Columns()->Items(3)->SetColumnPopup(menu);
    grid->HideColumn(2);
    Click(2, 0, mbRight);
    ASSERT_TRUE(fired.has_value());
    EXPECT_EQ(fired->X, 2);
    EXPECT_TRUE(openedAt.has_value());
    fired.reset();
    Click(3, 0, mbRight);
    EXPECT_FALSE(fired.has_value());
}

TEST_F(ExtColumnGridPopupTest, APickedCommandRunsItsHandler)
{
    int clicks = 0;
    menu->Items(0)->OnClick = [&](TObject* sender) {
        ++clicks;
        EXPECT_EQ(sender, menu->Items(0));
    };
    grid->Columns()->Items(1)->SetColumnPopup(menu);
    pick = 1;
    Click(1, 0, mbRight);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ExtColumnGridPopupTest, AFreedMenuLeavesEveryColumnThatHeldIt)
{
    grid->Columns()->Items(1)->SetColumnPopup(menu);
    grid->Columns()->Items(2)->Assign(*grid->Columns()->Items(1));
    EXPECT_EQ(grid->Columns()->Items(2)->ColumnPopup(), menu);
    delete menu;
    EXPECT_EQ(grid->Columns()->Items(1)->ColumnPopup(), nullptr);
    EXPECT_EQ(grid->Columns()->Items(2)->ColumnPopup(), nullptr);
    Click(1, 0, mbRight);
    EXPECT_FALSE(fired.has_value());
    EXPECT_FALSE(openedAt.has_value());
}

// A window may free the menu while it hears of it: nothing opens then.
TEST_F(ExtColumnGridPopupTest, AMenuFreedByTheEventDoesNotOpen)
{
    grid->Columns()->Items(1)->SetColumnPopup(menu);
    grid->OnColumnPopup = [](TObject*, int, int, TPopupMenu* m) { delete m; };
    Click(1, 0, mbRight);
    EXPECT_FALSE(openedAt.has_value());
}

} // namespace
