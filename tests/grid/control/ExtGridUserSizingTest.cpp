#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ColumnGridOnForm.h"
#include "GridOnForm.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/Input.h"

namespace {

// Columns and rows sized by the user: a real press on a header's (fixed column's) border,
// a move with the button held, and the release.
template <typename TGrid> class UserSizingOf : public GridOnFormOf<TGrid> {
protected:
    void SetUp() override
    {
        GridOnFormOf<TGrid>::SetUp();
        this->grid->SetOptions(this->grid->Options() + goColSizing + goRowSizing);
    }
    // Drags the right border of display column ACol by Dx pixels in the header row.
    void DragColumnBorder(int ACol, int Dx)
    {
        const int border = this->grid->CellRect(ACol, 0).Right;
        SendDrag(this->grid, border, 5, border + Dx, 5);
    }
    // Drags the bottom border of display row ARow by Dy pixels in the fixed column.
    void DragRowBorder(int ARow, int Dy)
    {
        const int border = this->grid->CellRect(0, ARow).Bottom;
        SendDrag(this->grid, 5, border, 5, border + Dy);
    }
};

using ExtGridUserSizingTest = UserSizingOf<TExtStringGrid>;
using ExtColumnGridUserSizingTest = UserSizingOf<TProbeColumnGrid>;

TEST_F(ExtGridUserSizingTest, OnColumnSizeMayRefuseTheColumnLeftOfThePointer)
{
    std::vector<int> asked;
    grid->OnColumnSize = [&](TObject* Sender, int ACol, bool& Allow) {
        EXPECT_EQ(Sender, grid);
        asked.push_back(ACol);
        Allow = ACol != 2;
    };
    DragColumnBorder(2, 40);
    EXPECT_EQ(grid->ColWidths(2), 64) << "refused";
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front(), 2) << "asked at the press";
    DragColumnBorder(1, 40);
    EXPECT_EQ(grid->ColWidths(1), 104) << "allowed";
}

TEST_F(ExtGridUserSizingTest, OnRowSizeMayRefuseTheRowAboveThePointer)
{
    std::vector<int> ended;
    grid->OnRowSize = [&](TObject*, int ARow, bool& Allow) { Allow = ARow != 2; };
    grid->OnEndRowSize = [&](TObject*, int ARow) { ended.push_back(ARow); };
    const int height = grid->RowHeights(1);
    DragRowBorder(2, 15);
    EXPECT_EQ(grid->RowHeights(2), height) << "refused";
    DragRowBorder(1, 15);
    EXPECT_EQ(grid->RowHeights(1), height + 15) << "allowed";
    EXPECT_EQ(ended, std::vector<int>{1});
}

TEST_F(ExtGridUserSizingTest, TheEndOfASizingIsReportedAndTheSizeHookMayChangeTheWidth)
{
    std::vector<std::string> events;
    grid->OnEndColumnSize = [&](TObject*, int ACol) { events.push_back("end " + std::to_string(ACol)); };
    grid->OnUpdateColumnSize = [&](TObject*, int ACol, int& AWidth) {
        events.push_back("update " + std::to_string(ACol) + " " + std::to_string(AWidth));
        AWidth = 90;
    };
    DragColumnBorder(3, 20);
    EXPECT_EQ(events, (std::vector<std::string>{"end 3", "update 3 84"}));
    EXPECT_EQ(grid->ColWidths(3), 90);
    events.clear();
    grid->SetColWidths(2, 70);
    EXPECT_TRUE(events.empty()) << "a width set by code is no sizing by the user";
}

TEST_F(ExtColumnGridUserSizingTest, AColumnItemsLimitsHoldForTheMouse)
{
    grid->Columns()->Items(2)->MinSize = 50;
    grid->Columns()->Items(2)->MaxSize = 110;
    const struct {
        const char* what;
        bool hideFirst;
        int dx, width;
    } cases[] = {
        {"beyond the largest", false, 76, 110},
        {"within the limits", false, 20, 84},
        {"below the smallest", false, -30, 50},
        {"behind a hidden column", true, 76, 110},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid->UnHideColumnsAll();
        if (c.hideFirst) grid->HideColumn(1);
        const int display = grid->DisplColIndex(2);
        grid->SetColWidths(display, 64);
        DragColumnBorder(display, c.dx);
        EXPECT_EQ(grid->ColWidths(display), c.width);
    }
}

TEST_F(ExtGridUserSizingTest, WithAllColumnSizeTheOtherNormalColumnsKeepTheirProportion)
{
    grid->MouseActions()->AllColumnSize = true;
    const std::vector<int> widths = {30, 50, 41, 64, 20};
    for (int c = 0; c < grid->ColCount(); ++c)
        grid->SetColWidths(c, widths[c]);
    DragColumnBorder(1, 50);
    EXPECT_EQ(grid->ColWidths(1), 100);
    EXPECT_EQ(grid->ColWidths(0), 30) << "fixed";
    EXPECT_EQ(grid->ColWidths(2), 82);
    EXPECT_EQ(grid->ColWidths(3), 128);
    EXPECT_EQ(grid->ColWidths(4), 40);
}

TEST_F(ExtGridUserSizingTest, WithAllRowSizeTheOtherNormalRowsKeepTheirProportion)
{
    grid->MouseActions()->AllRowSize = true;
    grid->SetRowHeights(1, 20);
    grid->SetRowHeights(2, 15);
    grid->SetRowHeights(3, 25);
    const int fixed = grid->RowHeights(0);
    DragRowBorder(1, 10);
    EXPECT_EQ(grid->RowHeights(1), 30);
    EXPECT_EQ(grid->RowHeights(0), fixed) << "fixed";
    EXPECT_EQ(grid->RowHeights(2), 22) << "22.5 rounds to even";
    EXPECT_EQ(grid->RowHeights(3), 38) << "37.5 rounds to even";
}

TEST_F(ExtGridUserSizingTest, WithoutAllColumnSizeOnlyTheSizedColumnChanges)
{
    DragColumnBorder(1, 50);
    EXPECT_EQ(grid->ColWidths(1), 114);
    for (int c : {0, 2, 3, 4})
        EXPECT_EQ(grid->ColWidths(c), 64) << c;
}

} // namespace
