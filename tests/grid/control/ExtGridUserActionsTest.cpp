#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "GridOnForm.h"
#include "grid/foundation/model/MouseActions.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Input.h"

// What a user does with the mouse and the keyboard, through the events the window system
// delivers, and what the grid's handlers then see.

namespace {

class ExtGridUserActionsTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 480, 280);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetOptions(grid->Options() + TGridOptions{goEditing});
        grid->OnClickCell = [this](TObject*, int ARow, int ACol) { clicked.push_back({ARow, ACol}); };
        grid->OnCheckBoxClick = [this](TObject*, int ACol, int ARow, bool State) {
            checkClicks.emplace_back(ACol, ARow, State);
        };
    }
    // A point the grid takes as inside the cell's check box.
    TPoint InCheckBox(int ACol, int ARow)
    {
        const TRect r = grid->CellRect(ACol, ARow);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (grid->IsInCheckBox(ACol, ARow, x, y)) return {x, y};
        ADD_FAILURE() << "no check box in " << ACol << "," << ARow;
        return {};
    }
    int TextWidth(const std::string& Text, TFont* Font)
    {
        TBitmap bitmap(1, 1);
        bitmap.Canvas()->Font()->Assign(*Font);
        return bitmap.Canvas()->TextWidth(Text);
    }

    std::vector<std::pair<int, int>> clicked;
    std::vector<std::tuple<int, int, bool>> checkClicks;
};

// A press on a check box is the box's click, not the cell's; a click and the Space key
// each write exactly the check texts into a data check box.
TEST_F(ExtGridUserActionsTest, ACheckBoxPressTogglesTheDataTextAndIsNoCellClick)
{
    grid->AddCheckBox(2, 1, false, true);
    ASSERT_EQ(grid->Cells(2, 1), "N");
    const TPoint box = InCheckBox(2, 1);
    SendClick(grid, box.X, box.Y);
    EXPECT_EQ(grid->Cells(2, 1), "Y");
    EXPECT_EQ(checkClicks, (std::vector<std::tuple<int, int, bool>>{{2, 1, true}}));
    EXPECT_TRUE(clicked.empty());

    // Beside the box the press is an ordinary cell click.
    const TPoint other = {grid->CellRect(1, 1).Left + 5, box.Y};
    SendClick(grid, other.X, other.Y);
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(checkClicks.size(), 1u);

    // Space is the box's click too, with the state after the toggle.
    grid->SetFocus();
    grid->MoveCurrentCell(2, 1);
    checkClicks.clear();
    for (const char* expected : {"N", "Y"}) {
        SendKey(VK_SPACE, {}, grid);
        EXPECT_EQ(grid->Cells(2, 1), expected);
    }
    EXPECT_EQ(checkClicks, (std::vector<std::tuple<int, int, bool>>{{2, 1, false}, {2, 1, true}}));
    EXPECT_EQ(clicked.size(), 1u);
}

// A double click on a header's right border sizes the column to its widest text, with
// the text margins and the grid lines around it.
TEST_F(ExtGridUserActionsTest, AHeaderBorderDoubleClickSizesTheColumnToItsWidestText)
{
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    grid->SetColWidths(2, 200);
    const std::vector<std::string> texts = {"ab", "a considerably longer text", "mid length"};
    for (int r = 1; r <= 3; ++r)
        grid->SetCells(2, r, texts[static_cast<size_t>(r - 1)]);
    int widest = 0;
    for (const std::string& t : texts)
        widest = std::max(widest, TextWidth(t, grid->Font()));

    std::vector<int> ended;
    grid->OnEndColumnSize = [&](TObject*, int ACol) { ended.push_back(ACol); };
    const TRect header = grid->CellRect(2, 0);
    SendDoubleClick(grid, header.Right - 2, header.Top + 5);
    EXPECT_EQ(grid->ColWidths(2), widest + 8);
    EXPECT_EQ(ended, std::vector<int>{2});
}

// The grid answers the window system's hint request itself: a comment cell hints its
// comment at the cell's top-right corner.
TEST_F(ExtGridUserActionsTest, AHintRequestOverACommentCellShowsTheComment)
{
    grid->AddComment(2, 2, "Mind the unit");
    const TRect r = grid->CellRect(2, 2);
    THintInfo info;
    info.HintControl = grid;
    info.CursorPos = {r.Left + 5, r.Top + 5};
    grid->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.HintStr, "Mind the unit");
    EXPECT_EQ(info.HintPos, grid->ClientToScreen({r.Right, r.Top}));
}

// Where editing waits for a double click, the double click opens the editor; a double
// click on a control cell is the control's and opens nothing.
// With PreciseCheckBoxCheck a right-aligned cell takes the press where it paints its box,
// at the right, and not on the empty left side.
TEST_F(ExtGridUserActionsTest, APreciseCheckBoxIsHitWhereItsCellsAlignmentPutsIt)
{
    grid->MouseActions()->PreciseCheckBoxCheck = true;
    grid->AddCheckBox(2, 1, false, false);
    grid->GetCellProperties(2, 1)->Alignment = taRightJustify;
    const TRect r = grid->CellRect(2, 1);
    const int size = grid->ControlLook()->CheckSize();
    const int y = r.Top + r.Height() / 2 - 1;
    SendClick(grid, r.Left + 2 + size / 2, y);
    EXPECT_TRUE(checkClicks.empty()) << "the empty left side";
    SendClick(grid, r.Right - 2 - size / 2, y);
    EXPECT_EQ(checkClicks, (std::vector<std::tuple<int, int, bool>>{{2, 1, true}}));
}

TEST_F(ExtGridUserActionsTest, ADoubleClickOpensTheEditorWhereEditingWaitsForIt)
{
    grid->MouseActions()->SetEditOnDblClickOnly(true);
    grid->AddCheckBox(3, 2, false, true);
    std::vector<std::pair<int, int>> doubleClicked;
    grid->OnDblClickCell = [&](TObject*, int ARow, int ACol) { doubleClicked.push_back({ARow, ACol}); };
    const struct {
        int Col;
        bool Editing;
    } cases[] = {{1, true}, {3, false}};
    for (const auto& c : cases) {
        grid->SetEditorMode(false);
        const TRect r = grid->CellRect(c.Col, 2);
        SendDoubleClick(grid, r.Left + r.Width() / 2, r.Top + r.Height() / 2);
        EXPECT_EQ(grid->EditorMode(), c.Editing) << c.Col;
    }
    EXPECT_EQ(doubleClicked, (std::vector<std::pair<int, int>>{{2, 1}}));
}

} // namespace
