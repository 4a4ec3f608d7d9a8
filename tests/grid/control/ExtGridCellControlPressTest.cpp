#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/GridSpin.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScreenInput.h"

// Real clicks on the controls a cell draws: in-cell and expand buttons, node glyphs, radio
// groups and ratings, and the events each one answers with.

namespace {

class ExtGridCellControlPressTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 480, 280);
        grid->SetColCount(4);
        grid->SetRowCount(6);
        grid->SetOptions(grid->Options() + TGridOptions{goEditing});
        grid->OnClickCell = [this](TObject*, int ARow, int ACol) { cellClicks.push_back({ACol, ARow}); };
    }
    static TPoint Centre(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

    std::vector<std::pair<int, int>> cellClicks;
};

TEST_F(ExtGridCellControlPressTest, AnInCellButtonClicksOnlyWhenPressedOnIt)
{
    grid->AddButton(2, 1, 30, 12, "b", haLeft, vaTop);
    std::vector<std::pair<int, int>> buttonClicks;
    grid->OnButtonClick = [&](TObject*, int ACol, int ARow) { buttonClicks.push_back({ACol, ARow}); };
    const TRect button = grid->GetCellButtonRect(2, 1);
    const TRect cell = grid->CellRect(2, 1);
    struct Case {
        const char* where;
        TPoint at;
        size_t buttonClicks;
    };
    const Case cases[] = {
        {"on the button", Centre(button), 1},
        {"beside the button", {cell.Right - 6, cell.Bottom - 3}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        ASSERT_FALSE(button.Contains({cell.Right - 6, cell.Bottom - 3}));
        buttonClicks.clear();
        cellClicks.clear();
        SendClick(grid, c.at.X, c.at.Y);
        EXPECT_EQ(buttonClicks.size(), c.buttonClicks);
        if (c.buttonClicks) {
            EXPECT_EQ(buttonClicks.front(), (std::pair<int, int>{2, 1}));
        }
        // Either way the press is the cell's click, and the button is up again.
        EXPECT_EQ(cellClicks, (std::vector<std::pair<int, int>>{{2, 1}}));
        EXPECT_EQ(grid->Row(), 1);
        EXPECT_EQ(grid->Col(), 2);
    }
}

// Pressed on one cell's button and let go on another's, neither button clicks.
TEST_F(ExtGridCellControlPressTest, AButtonLetGoOverAnotherCellsButtonDoesNotClick)
{
    grid->AddButton(2, 1, 30, 12, "a", haLeft, vaTop);
    grid->AddButton(2, 2, 30, 12, "b", haLeft, vaTop);
    int buttonClicks = 0;
    grid->OnButtonClick = [&](TObject*, int, int) { ++buttonClicks; };
    const TPoint from = Centre(grid->GetCellButtonRect(2, 1)), to = Centre(grid->GetCellButtonRect(2, 2));
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(from));
    grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(to));
    grid->Perform(WM_LBUTTONUP, 0, PointToLParam(to));
    EXPECT_EQ(buttonClicks, 0);
    SendClick(grid, to.X, to.Y);
    EXPECT_EQ(buttonClicks, 1);
}

TEST_F(ExtGridCellControlPressTest, AnExpandButtonTogglesItsStateOnEachClick)
{
    grid->AddExpand(2, 1, 60);
    std::vector<bool> expands;
    grid->OnExpandClick = [&](TObject*, int ACol, int ARow, bool Expanded) {
        EXPECT_EQ(ACol, 2);
        EXPECT_EQ(ARow, 1);
        expands.push_back(Expanded);
    };
    const TPoint on = Centre(grid->GetExpandRect(2, 1));
    const TRect cell = grid->CellRect(2, 1);
    for (const TPoint at : {on, TPoint{cell.Left + 3, cell.Bottom - 3}, on})
        SendClick(grid, at.X, at.Y);
    EXPECT_EQ(expands, (std::vector<bool>{true, false}));
    EXPECT_FALSE(grid->GetExpandState(2, 1));

    // A double click on the button is its single click: no cell double click, no editor.
    bool doubleClicked = false;
    grid->OnDblClickCell = [&](TObject*, int, int) { doubleClicked = true; };
    SendDoubleClick(grid, on.X, on.Y);
    EXPECT_EQ(expands, (std::vector<bool>{true, false, true}));
    EXPECT_FALSE(doubleClicked);
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(ExtGridCellControlPressTest, APressOnANodeGlyphContractsAndExpandsUnlessRefused)
{
    struct Case {
        bool refuse;
        bool contractedAfterOne;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {false, true, {"before contract", "contract", "before expand", "expand"}},
        {true, false, {"before contract", "before contract"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refuse);
        grid->RemoveAllNodes();
        grid->AddNode(1, 3);
        std::vector<std::string> events;
        grid->OnBeforeContractNode = [&](TObject*, int ARow, int, bool& Allow) {
            EXPECT_EQ(ARow, 1);
            events.push_back("before contract");
            Allow = !c.refuse;
        };
        grid->OnBeforeExpandNode = [&](TObject*, int, int, bool&) { events.push_back("before expand"); };
        grid->OnContractNode = [&](TObject*, int, int) { events.push_back("contract"); };
        grid->OnExpandNode = [&](TObject*, int, int) { events.push_back("expand"); };
        const TRect nodeCell = grid->CellRect(0, 1);
        TPoint glyph{nodeCell.Left, Centre(nodeCell).Y};
        while (glyph.X < nodeCell.Right && !grid->IsNodeGlyphHit(1, glyph.X))
            ++glyph.X;
        ++glyph.X;
        ASSERT_TRUE(grid->IsNodeGlyphHit(1, glyph.X));
        SendClick(grid, glyph.X, glyph.Y);
        EXPECT_EQ(grid->GetNodeState(1), c.contractedAfterOne);
        SendClick(grid, glyph.X, glyph.Y);
        EXPECT_FALSE(grid->GetNodeState(1));
        EXPECT_EQ(events, c.events);
    }
}

TEST_F(ExtGridCellControlPressTest, APressInARadioGroupSelectsTheOptionUnderThePoint)
{
    grid->ControlLook()->SetControlStyle(TControlLook::csClassic);
    grid->SetRowHeights(1, 90);
    auto captions = std::make_unique<TStringList>();
    for (const char* caption : {"one", "two", "three"})
        captions->Add(caption);
    grid->AddRadio(2, 1, 0, 0, captions.get());
    std::vector<int> radioClicks;
    grid->OnRadioClick = [&](TObject*, int ACol, int ARow, int AIdx) {
        EXPECT_EQ(ACol, 2);
        EXPECT_EQ(ARow, 1);
        radioClicks.push_back(AIdx);
    };
    TBitmap bitmap(1, 1);
    bitmap.Canvas()->Font()->Assign(*grid->Font());
    const int item = std::max(grid->ControlLook()->RadioSize(), bitmap.Canvas()->TextHeight("gh"));
    const TRect cell = grid->CellRect(2, 1);
    struct Case {
        int dy;
        int expected;
    };
    // Exactly on the boundary between two options neither is hit.
    const Case cases[] = {{item * 2 + 1, 2}, {1, 0}, {item + item / 2, 1}, {item, 1}, {item * 3 + 1, 1}};
    std::vector<int> expectedClicks;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dy);
        SendClick(grid, cell.Left + 5, cell.Top + c.dy);
        int index = -1;
        ASSERT_TRUE(grid->GetRadioIdx(2, 1, index));
        EXPECT_EQ(index, c.expected);
        if (c.dy % item != 0 && c.dy < item * 3) expectedClicks.push_back(c.expected);
    }
    EXPECT_EQ(radioClicks, expectedClicks);
}

// A group that stores its choice as text follows every click; the options are where the
// cell's own font paints them.
TEST_F(ExtGridCellControlPressTest, ARadioGroupStoringTextTakesEveryClickInTheCellsFont)
{
    grid->ControlLook()->SetControlStyle(TControlLook::csClassic);
    grid->SetColWidths(2, 300);
    auto captions = std::make_unique<TStringList>();
    for (const char* caption : {"A", "BBBB", "C"})
        captions->Add(caption);
    grid->AddRadio(2, 1, 1, -1, captions.get());
    grid->OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush*, TFont* AFont) {
        if (ACol == 2 && ARow == 1) AFont->SetSize(20);
    };
    TBitmap bitmap(1, 1);
    bitmap.Canvas()->Font()->Assign(*grid->Font());
    bitmap.Canvas()->Font()->SetSize(20);
    // The middle of each option, side by side.
    std::vector<int> middles;
    for (int i = 0, sum = 0; i < captions->Count(); ++i) {
        const int width = bitmap.Canvas()->TextWidth((*captions)[i]) + grid->ControlLook()->RadioSize();
        middles.push_back(sum + width / 2);
        sum += width;
    }
    const TRect cell = grid->CellRect(2, 1);
    for (int option : {2, 1, 2, 0}) {
        SCOPED_TRACE(option);
        SendClick(grid, cell.Left + middles[option], cell.Top + cell.Height() / 2);
        EXPECT_EQ(grid->Cells(2, 1), (*captions)[option]);
        int index = -1;
        ASSERT_TRUE(grid->GetRadioIdx(2, 1, index));
        EXPECT_EQ(index, option) << "the index names the option the text names";
    }
}

TEST_F(ExtGridCellControlPressTest, APressOnARatingSetsHalfAStarPerNinePixels)
{
    grid->AddRating(2, 1, 5, clYellow, clGray);
    bool refuse = false;
    grid->OnRatingChange = [&](TObject*, int, int, double&, bool& Allow) { Allow = !refuse; };
    const TRect cell = grid->CellRect(2, 1);
    struct Case {
        int dx;
        bool refused;
        double expected;
    };
    const Case cases[] = {{4, false, 0}, {9, false, 0.5}, {40, false, 2}, {20, true, 2}, {30, false, 1.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dx);
        refuse = c.refused;
        SendClick(grid, cell.Left + c.dx, (cell.Top + cell.Bottom) / 2);
        EXPECT_DOUBLE_EQ(grid->Floats(2, 1), c.expected);
    }
}

// With FixedAsButtons a fixed cell goes down like a button while held and clicks on the
// release; a fixed one clicks wherever it is let go.
TEST_F(ExtGridCellControlPressTest, WithFixedAsButtonsAFixedCellPressesAndClicksLikeAButton)
{
    std::vector<std::pair<int, int>> buttonClicks;
    grid->OnButtonClick = [&](TObject*, int ACol, int ARow) { buttonClicks.push_back({ACol, ARow}); };
    const TPoint rowHeader = Centre(grid->CellRect(0, 2));
    const TPoint colHeader = Centre(grid->CellRect(2, 0));
    const TPoint cell = Centre(grid->CellRect(2, 3));
    struct Case {
        const char* where;
        bool fixedAsButtons;
        TPoint press, release;
        std::vector<std::pair<int, int>> clicks;
    };
    const Case cases[] = {
        {"a row header let go on itself", true, rowHeader, rowHeader, {{0, 2}}},
        {"a row header let go on a cell", true, rowHeader, cell, {{0, 2}}},
        {"a column header let go on a cell", true, colHeader, cell, {{2, 0}}},
        {"a row header without FixedAsButtons", false, rowHeader, rowHeader, {}},
        {"a normal cell", true, cell, cell, {}},
    };
    // The pixels of the pressed cell and its edges, as the grid paints them.
    TBitmap bitmap(grid->Width(), grid->Height());
    const auto cellPixels = [&](TPoint At) {
        int col = -1, row = -1;
        grid->MouseToCell(At.X, At.Y, col, row);
        const TRect r = InflateRect(grid->CellRect(col, row), 2, 2);
        grid->PaintTo(bitmap.Canvas(), 0, 0);
        std::vector<TColor> pixels;
        for (int y = std::max(r.Top, 0); y < r.Bottom; ++y)
            for (int x = std::max(r.Left, 0); x < r.Right; ++x)
                pixels.push_back(bitmap.Canvas()->Pixels(x, y));
        return pixels;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        grid->FixedAsButtons = c.fixedAsButtons;
        buttonClicks.clear();
        const std::vector<TColor> before = cellPixels(c.press);
        ScreenMouse(smPress, grid->ClientToScreen(c.press));
        const bool pushed = !c.clicks.empty();
        const std::vector<TColor> held = cellPixels(c.press);
        if (pushed) {
            EXPECT_NE(held, before) << "drawn down while held";
        }
        ScreenMouse(smMove, grid->ClientToScreen(c.release));
        ScreenMouse(smRelease, grid->ClientToScreen(c.release));
        EXPECT_EQ(buttonClicks, c.clicks);
        if (pushed) {
            EXPECT_NE(cellPixels(c.press), held) << "up again after the release";
        }
    }
}

// A press on a spin button drawn in the current cell opens the spin editor one step on.
TEST_F(ExtGridCellControlPressTest, APressOnADrawnSpinButtonStepsTheEditorItOpens)
{
    grid->DefaultEditor = edSpinEdit;
    grid->ControlLook()->SetSpinButtonsAlwaysVisible(true);
    std::vector<bool> steps;
    grid->OnSpinClick = [&](TObject*, int, int, int, bool Up) { steps.push_back(Up); };
    struct Case {
        const char* where;
        int row;
        int dx, dy; // from the cell's bottom-right corner
        int value;
        std::vector<bool> steps;
    };
    const Case cases[] = {
        {"the upper button", 1, -5, -16, 6, {true}},
        {"the lower button", 2, -5, -3, 4, {false}},
        {"left of the buttons", 3, -20, -3, 5, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        grid->SetCells(2, c.row, "5");
        const TRect r = grid->CellRect(2, c.row);
        ASSERT_GT(r.Height(), 16);
        SendClick(grid, r.Left + 5, r.Top + 5);
        ASSERT_EQ(grid->Row(), c.row);
        ASSERT_FALSE(grid->EditorMode());
        ASSERT_TRUE(grid->HasSpinEdit(2, c.row));
        steps.clear();
        SendClick(grid, r.Right + c.dx, r.Bottom + c.dy);
        ASSERT_TRUE(grid->EditorMode());
        EXPECT_EQ(grid->SpinEdit()->Value(), c.value);
        EXPECT_EQ(steps, c.steps);
    }
}

} // namespace
