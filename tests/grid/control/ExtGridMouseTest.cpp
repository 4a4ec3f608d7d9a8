#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "GridOnForm.h"
#include "grid/control/BalloonWindow.h"
#include "grid/control/HeaderDragButton.h"
#include "grid/control/NoActiveForm.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/foundation/dragdrop/EnumFormats.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Clipboard.h"
#include "platform/os/Shell.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Input.h"
#include "platform/ui/LayeredWindow.h"
#include "platform/ui/ScreenInput.h"
#include "support/EventLoop.h"
#include "support/FakeDialogs.h"

namespace {

// Records the cells the grid repaints.
class THintingGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    void RepaintCell(int ACol, int ARow) override
    {
        Repainted.push_back({ACol, ARow});
        TExtStringGrid::RepaintCell(ACol, ARow);
    }
    std::vector<std::pair<int, int>> Repainted;
};

// Five columns (column 1 is 100 pixels wide) and six rows, one fixed row and column.
class ExtGridMouseTest : public GridOnFormOf<THintingGrid> {
protected:
    void SetUp() override
    {
        GridOnFormOf<THintingGrid>::SetUp();
        grid->SetBounds(0, 0, 480, 280);
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->SetColWidths(1, 100);
        grid->OnClickCell = [this](TObject*, int ARow, int ACol) { clicked.push_back({ARow, ACol}); };
    }
    void TearDown() override { Application->CancelHint(); }

    TPoint Centre(int ACol, int ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // A press, movements with the button held and a release, as the window system gives them.
    void Drag(TPoint From, const std::vector<TPoint>& Path)
    {
        ScreenMouse(smPress, grid->ClientToScreen(From));
        for (TPoint p : Path) {
            ScreenMouse(smMove, grid->ClientToScreen(p));
            onTheWay();
        }
        ScreenMouse(smRelease, grid->ClientToScreen(Path.back()));
    }
    std::vector<std::string> Column(int ACol) const
    {
        std::vector<std::string> texts;
        for (int r = 1; r < grid->RowCount(); ++r)
            texts.push_back(grid->Cells(ACol, r));
        return texts;
    }

    // (row, column) of each OnClickCell.
    std::vector<std::pair<int, int>> clicked;
    std::function<void()> onTheWay = [] {};
};

TEST_F(ExtGridMouseTest, ClickCellReportsTheRowFirstAndOneClickPerPress)
{
    int clicks = 0;
    grid->OnClick = [&](TObject*) { ++clicks; };
    const TPoint p = Centre(2, 3);
    SendClick(grid, p.X, p.Y);
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{3, 2}}));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(ExtGridMouseTest, ARefusedCellClickNeitherReportsNorMoves)
{
    grid->OnCanClickCell = [](TObject*, int ARow, int, bool& Allow) { Allow = ARow != 3; };
    for (int row : {2, 3}) {
        const TPoint p = Centre(2, row);
        SendClick(grid, p.X, p.Y);
    }
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{2, 2}}));
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(ExtGridMouseTest, DirectEditOpensTheEditorOnTheFirstPressWhereTheCellChangeIsAllowed)
{
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    const struct {
        bool DirectEdit;
        bool AllowChange;
        bool Editing;
    } cases[] = {{true, true, true}, {true, false, false}, {false, true, false}};
    for (const auto& c : cases) {
        grid->SetEditorMode(false);
        grid->MoveCurrentCell(1, 1);
        grid->MouseActions()->DirectEdit = c.DirectEdit;
        grid->OnCellChanging = [&](TObject*, int, int, int, int, bool& Allow) { Allow = c.AllowChange; };
        const TPoint p = Centre(3, 2);
        SendClick(grid, p.X, p.Y);
        EXPECT_EQ(grid->EditorMode(), c.Editing) << c.DirectEdit << c.AllowChange;
    }
}

// A press this near a header's side border starts sizing the column instead.
TEST_F(ExtGridMouseTest, APressNearAHeaderBorderSizesAndIsNoCellClick)
{
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    const TRect r = grid->CellRect(1, 0);
    const struct {
        int X;
        bool Click;
    } cases[] = {{r.Right - 1, false}, {r.Right - 3, false}, {r.Right - 4, true}, {r.Left + 50, true}};
    for (const auto& c : cases) {
        clicked.clear();
        SendClick(grid, c.X, r.Top + 5);
        EXPECT_EQ(clicked.size(), c.Click ? 1u : 0u) << c.X - r.Left;
        EXPECT_EQ(grid->ColWidths(1), 100) << c.X - r.Left;
    }
}

TEST_F(ExtGridMouseTest, SizingAColumnReportsItsNewWidthInTheEventAndTheHint)
{
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    grid->HintShowSizing = true;
    std::vector<std::pair<int, int>> sizing;
    grid->OnColumnSizing = [&](TObject*, int ACol, int Size) { sizing.push_back({ACol, Size}); };
    std::string hint;
    onTheWay = [&] {
        if (THintWindow* w = grid->SizingHintWindow()) hint = w->Visible() ? w->Caption() : "";
    };
    const TRect r = grid->CellRect(1, 0);
    Drag({r.Right, r.Top + 5}, {{r.Right + 10, r.Top + 5}, {r.Right + 20, r.Top + 5}});
    ASSERT_FALSE(sizing.empty());
    EXPECT_EQ(sizing.back(), (std::pair<int, int>{1, 120}));
    EXPECT_EQ(hint, "cw=<b>120</b>");
    EXPECT_EQ(grid->ColWidths(1), 120);
    EXPECT_FALSE(grid->SizingHintWindow()->Visible());
    EXPECT_TRUE(clicked.empty());
}

TEST_F(ExtGridMouseTest, HeaderClicksSortUpDownAndBackToTheOriginalOrder)
{
    const std::vector<std::string> original{"pear", "apple", "fig", "banana", "cherry"};
    for (int r = 1; r < 6; ++r)
        grid->SetCells(1, r, original[static_cast<size_t>(r - 1)]);
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->UndoSort = true;
    const struct {
        std::vector<std::string> Order;
        int SortColumn;
    } clicks[] = {
        {{"apple", "banana", "cherry", "fig", "pear"}, 1},
        {{"pear", "fig", "cherry", "banana", "apple"}, 1},
        {original, -1},
        {{"apple", "banana", "cherry", "fig", "pear"}, 1},
    };
    int click = 0;
    for (const auto& c : clicks) {
        ++click;
        const TPoint p = Centre(1, 0);
        SendClick(grid, p.X, p.Y);
        EXPECT_EQ(Column(1), c.Order) << "click " << click;
        EXPECT_EQ(grid->SortSettings()->Column, c.SortColumn) << "click " << click;
    }
}

TEST_F(ExtGridMouseTest, AHeaderClickDoesNotSortFewerThanThreeRows)
{
    grid->SetRowCount(2);
    grid->SetCells(1, 1, "b");
    grid->SortSettings()->SetShow(true);
    const TPoint p = Centre(1, 0);
    SendClick(grid, p.X, p.Y);
    EXPECT_EQ(grid->SortSettings()->Column, -1);
}

TEST_F(ExtGridMouseTest, ADoubleClickOnAHeaderBorderSizesTheColumnAndTheReleaseDoesNotSort)
{
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    grid->SortSettings()->SetShow(true);
    std::vector<int> sized;
    grid->OnColumnSize = [&](TObject*, int ACol, bool&) { sized.push_back(ACol); };
    int doubleClicks = 0;
    grid->OnDblClick = [&](TObject*) { ++doubleClicks; };
    const TRect r = grid->CellRect(2, 0);
    SendDoubleClick(grid, r.Left + 1, r.Top + 5);
    // Asked when the press lands on the border, and again by the double click's sizing.
    EXPECT_EQ(sized, (std::vector<int>{1, 1}));
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(grid->SortSettings()->Column, -1);
}

TEST_F(ExtGridMouseTest, ADoubleClickReportsTheCellRowFirst)
{
    std::vector<std::pair<int, int>> cells;
    grid->OnDblClickCell = [&](TObject*, int ARow, int ACol) { cells.push_back({ARow, ACol}); };
    const TPoint p = Centre(3, 2);
    SendDoubleClick(grid, p.X, p.Y);
    EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{{2, 3}}));
}

TEST_F(ExtGridMouseTest, ADraggedColumnMovesWhereItsTargetAllowsAndTheSortFollows)
{
    grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
    FillCoordinates();
    for (bool allow : {true, false}) {
        FillCoordinates();
        grid->SortSettings()->Column = 3;
        std::vector<int> targets;
        grid->OnColumnMoving = [&](TObject*, int ACol, bool& Allow) {
            targets.push_back(ACol);
            Allow = allow;
        };
        Drag(Centre(1, 0), {Centre(2, 0), Centre(3, 0)});
        EXPECT_EQ(targets, (std::vector<int>{2, 3})) << allow;
        EXPECT_EQ(grid->Cells(3, 1), allow ? "1,1" : "3,1") << allow;
        EXPECT_EQ(grid->Cells(2, 1), allow ? "3,1" : "2,1") << allow;
        EXPECT_EQ(grid->SortSettings()->Column, allow ? 2 : 3) << allow;
    }
}

// A dragged header takes a see-through picture of its cells along (ShowCells), or the header
// drag button with its text; either keeps the press point's offset and goes at the release.
TEST_F(ExtGridMouseTest, AMovedHeaderTakesItsCellsOrItsButtonAlong)
{
    grid->SetOptions(grid->Options() + TGridOptions{goColMoving, goRowMoving});
    const TRect col1 = grid->CellRect(1, 0), row2 = grid->CellRect(0, 2);
    const struct {
        bool ShowCells;
        TPoint From, To;
        TSize Image; // the picture of the moved cells; empty: the button
        std::string Caption;
    } cases[] = {
        {true, {col1.Left + 10, col1.Top + 4}, Centre(3, 0), {col1.Width() + 1, 0}, ""},
        {true, {row2.Left + 10, row2.Top + 4}, Centre(0, 4), {0, row2.Height() + 1}, ""},
        {false, {col1.Left + 10, col1.Top + 4}, Centre(3, 0), {}, "1,0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ShowCells ? "cells" : "button");
        FillCoordinates();
        grid->DragDropSettings()->ShowCells = c.ShowCells;
        TPoint imageAt{-1, -1}, buttonAt{-1, -1};
        TSize image{};
        std::string caption;
        onTheWay = [&] {
            if (TNoActiveForm* form = grid->MoveForm()) {
                imageAt = form->ScreenPos();
                image = {form->Width(), form->Height()};
            }
            if (THeaderDragButton* button = grid->MoveButton(); button && button->Visible()) {
                buttonAt = {button->Left(), button->Top()};
                caption = button->DragCaption();
            }
        };
        Drag(c.From, {c.To});
        const TPoint expected = grid->ClientToScreen({c.To.X - 10, c.To.Y - 4});
        if (c.ShowCells) {
            EXPECT_EQ(imageAt, expected);
            // A column's picture is as high as the rows in sight, a row's as wide as the columns.
            if (c.Image.cx) {
                EXPECT_EQ(image.cx, c.Image.cx);
            } else {
                EXPECT_EQ(image.cy, c.Image.cy);
            }
            EXPECT_EQ(buttonAt, (TPoint{-1, -1}));
        } else {
            EXPECT_EQ(buttonAt, expected);
            EXPECT_EQ(caption, c.Caption);
        }
        EXPECT_EQ(grid->MoveForm(), nullptr) << "gone with the release";
        EXPECT_TRUE(!grid->MoveButton() || !grid->MoveButton()->Visible());
    }
}

TEST_F(ExtGridMouseTest, ThePictureOfACellIsTheCellWithItsGridLines)
{
    const TRect r = grid->CellRect(2, 2);
    const std::unique_ptr<TNoActiveForm> form = grid->SelectionToForm({2, 2, 2, 2});
    EXPECT_EQ(form->Width(), r.Width() + 1);
    EXPECT_EQ(form->Height(), r.Height() + 1);
    form->ShowAt(grid->ClientToScreen({r.Left, r.Top}));
    EXPECT_EQ(LayeredWindowAlpha(form.get()), 192);
    TBitmap shown;
    ASSERT_TRUE(LayeredWindowPicture(form.get(), shown));
    EXPECT_EQ(shown.Width(), r.Width() + 1);
    const std::unique_ptr<TNoActiveForm> block = grid->SelectionToForm({3, 3, 1, 1});
    EXPECT_EQ(block->Width(), grid->CellRect(3, 3).Right - grid->CellRect(1, 1).Left + 1);
}

// The arrows mark the target of the movement before: none on the first movement, the
// far edge of column (row) 2 on the second, nothing after the release.
TEST_F(ExtGridMouseTest, ArrowsMarkTheTargetOfAMove)
{
    const TRect col2 = grid->CellRect(2, 0), row2 = grid->CellRect(0, 2);
    const struct {
        TGridOption Option;
        TPoint From;
        bool Columns;
        TPoint Arrow;
    } cases[] = {
        {goColMoving, Centre(1, 0), true, {col2.Right - 5, col2.Bottom}},
        {goRowMoving, Centre(0, 1), false, {row2.Left - 10, row2.Bottom - 5}},
    };
    for (const auto& c : cases) {
        grid->SetOptions(grid->Options() + TGridOptions{c.Option});
        std::vector<bool> showing;
        TPoint arrow;
        onTheWay = [&] {
            showing.push_back(grid->MoveMarkers().Showing());
            arrow = c.Columns ? grid->MoveMarkers().UpArrowPos() : grid->MoveMarkers().LeftArrowPos();
        };
        const std::vector<TPoint> path = c.Columns ? std::vector<TPoint>{Centre(2, 0), Centre(3, 0)}
                                                   : std::vector<TPoint>{Centre(0, 2), Centre(0, 3)};
        Drag(c.From, path);
        EXPECT_EQ(showing, (std::vector<bool>{false, true})) << c.Columns;
        EXPECT_EQ(arrow, c.Arrow) << c.Columns;
        EXPECT_FALSE(grid->MoveMarkers().Showing()) << c.Columns;
        grid->SetOptions(grid->Options() - TGridOptions{c.Option});
    }
}

TEST_F(ExtGridMouseTest, ADraggedRowMovesWithItsHeightAndTellsItsHandlerOnce)
{
    grid->SetOptions(grid->Options() + TGridOptions{goRowMoving});
    FillCoordinates();
    grid->SetRowHeights(1, 30);
    std::vector<std::pair<int, int>> moves;
    int heightSeen = 0;
    grid->OnRowMoved = [&](TObject*, int From, int To) {
        moves.push_back({From, To});
        heightSeen = grid->RowHeights(To);
    };
    Drag(Centre(0, 1), {Centre(0, 2), Centre(0, 3)});
    EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{1, 3}}));
    EXPECT_EQ(grid->Cells(1, 3), "1,1");
    EXPECT_EQ(heightSeen, 30);
}

TEST_F(ExtGridMouseTest, AHeaderHintShowsBelowTheHeaderAtThePointerAndGoesOnAnotherCell)
{
    grid->SetShowHint(true);
    grid->OnGridHint = [](TObject*, int ARow, int ACol, std::string& Hint) {
        Hint = "cell " + std::to_string(ACol) + "," + std::to_string(ARow);
    };
    const TRect header = grid->CellRect(1, 0);
    const TPoint at{header.Left + 30, header.Top + 5};
    ASSERT_TRUE(ShowControlHint(grid, at));
    THintWindow* hint = ShownHintWindow();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->Caption(), "cell 1,0");
    const TPoint expected = grid->ClientToScreen({at.X, header.Bottom + 6});
    EXPECT_EQ(hint->Left(), expected.X);
    EXPECT_EQ(hint->Top(), expected.Y);

    SendMouseMove(grid, at.X + 10, at.Y);
    EXPECT_TRUE(hint->Visible()) << "the same cell keeps its hint";
    const TPoint other = Centre(2, 0);
    SendMouseMove(grid, other.X, other.Y);
    EXPECT_FALSE(hint->Visible());
}

TEST_F(ExtGridMouseTest, ABalloonWaitsItsInitialDelayGoesAfterItsAutoHideDelayAndOnAnotherCell)
{
    using clock = std::chrono::steady_clock;
    const auto since = [](clock::time_point t) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(clock::now() - t).count();
    };
    grid->SetCells(1, 1, "first");
    grid->SetCells(2, 2, "second");
    TBalloonSettings& settings = *grid->Balloon();
    settings.InitialDelay = 80;
    settings.ReshowDelay = 10;
    settings.AutoHideDelay = 200;
    settings.SetEnable(true);
    TBalloonWindow* balloon = grid->BalloonWindow();
    ASSERT_NE(balloon, nullptr);

    clock::time_point moved = clock::now();
    SendMouseMove(grid, Centre(1, 1).X, Centre(1, 1).Y);
    EXPECT_FALSE(balloon->Visible());
    ASSERT_TRUE(Run_Loop_Until([&] { return balloon->Visible(); }));
    EXPECT_GE(since(moved), 70);
    EXPECT_EQ(balloon->Body(), "first");
    const clock::time_point shown = clock::now();
    ASSERT_TRUE(Run_Loop_Until([&] { return !balloon->Visible(); }));
    EXPECT_GE(since(shown), 180);
    // Once gone, it stays away while the pointer stays in its cell.
    SendMouseMove(grid, Centre(1, 1).X + 3, Centre(1, 1).Y);
    Run_Loop_Until([&] { return since(shown) > 400; });
    EXPECT_FALSE(balloon->Visible());

    // Another cell: the shown balloon goes at once, the next comes after the reshow delay.
    SendMouseMove(grid, Centre(1, 2).X, Centre(1, 2).Y);
    grid->SetCells(1, 2, "third");
    ASSERT_TRUE(Run_Loop_Until([&] { return balloon->Visible(); }));
    moved = clock::now();
    SendMouseMove(grid, Centre(2, 2).X, Centre(2, 2).Y);
    EXPECT_FALSE(balloon->Visible());
    EXPECT_EQ(grid->LastBalloonPos(), (TPoint{-1, -1}));
    ASSERT_TRUE(Run_Loop_Until([&] { return balloon->Visible(); }));
    EXPECT_LT(since(moved), 70);
    EXPECT_EQ(balloon->Body(), "second");

    grid->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(balloon->Visible());
}

// The 2 x 2 selection (1, 1) to (2, 2) holding "a", "b", "c", "d", in a grid that drags
// its cells; the drag loop drops at once with the effect given.
class ExtGridDragSourceTest : public ExtGridMouseTest {
protected:
    void SetUp() override
    {
        ExtGridMouseTest::SetUp();
        grid->DragDropSettings()->OleDropSource = true;
        grid->SetOptions(grid->Options() + TGridOptions{goRangeSelect});
        grid->SetCells(1, 1, "a");
        grid->SetCells(2, 1, "b");
        grid->SetCells(1, 2, "c");
        grid->SetCells(2, 2, "d");
        grid->SetSelection({1, 1, 2, 2});
        grid->OnOleDragStart = [this](TObject*, int ARow, int ACol) { starts.push_back({ARow, ACol}); };
        grid->OnOleDragStop = [this](TObject*, int Effect) { stops.push_back(Effect); };
        previous = SetDragLoop([this](IDataObject& data, IDropSource& source, DWORD, DWORD& effect) {
            dragged.push_back(TEnumFormats(&data).Text());
            source.GiveFeedback(dropEffect);
            effect = dropEffect;
            return DRAGDROP_S_DROP;
        });
    }
    void TearDown() override
    {
        SetDragLoop(previous);
        ExtGridMouseTest::TearDown();
    }

    TDragLoop previous;
    DWORD dropEffect = DROPEFFECT_MOVE;
    std::vector<std::string> dragged;
    std::vector<std::pair<int, int>> starts;
    std::vector<int> stops;
};

TEST_F(ExtGridDragSourceTest, FourPixelsOfTravelDragTheSelectionAndAMoveEmptiesIt)
{
    const TPoint from = Centre(1, 1);
    Drag(from, {{from.X + 3, from.Y}});
    EXPECT_TRUE(dragged.empty());
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1})) << "a press without a drag selects its cell";
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{1, 1}}));

    grid->SetSelection({1, 1, 2, 2});
    Drag(from, {{from.X, from.Y + 4}});
    EXPECT_EQ(dragged, std::vector<std::string>{"a\tb\r\nc\td"});
    EXPECT_EQ(starts, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(stops, std::vector<int>{DROPEFFECT_MOVE});
    for (TPoint cell : {TPoint{1, 1}, TPoint{2, 1}, TPoint{1, 2}, TPoint{2, 2}})
        EXPECT_EQ(grid->Cells(cell.X, cell.Y), "") << cell.X << "," << cell.Y;
}

TEST_F(ExtGridDragSourceTest, ACopyOrARefusedDragLeavesTheCells)
{
    const TPoint from = Centre(2, 2);
    dropEffect = DROPEFFECT_COPY;
    Drag(from, {{from.X + 6, from.Y}});
    EXPECT_EQ(stops, std::vector<int>{DROPEFFECT_COPY});
    grid->SetSelection({1, 1, 2, 2});
    dropEffect = DROPEFFECT_MOVE;
    grid->DragDropSettings()->OleCopyAlways = true;
    Drag(from, {{from.X + 6, from.Y}});
    EXPECT_EQ(grid->Cells(2, 2), "d");

    grid->SetSelection({1, 1, 2, 2});
    dragged.clear();
    grid->OnOleDrag = [](TObject*, int, int, const std::string& Data, bool& Allow) {
        EXPECT_EQ(Data, "d");
        Allow = false;
    };
    Drag(from, {{from.X + 6, from.Y}});
    EXPECT_TRUE(dragged.empty());
    EXPECT_EQ(grid->Cells(2, 2), "d");
    EXPECT_EQ(starts.size(), 2u);
}

TEST_F(ExtGridMouseTest, TheSelectionsHandleStretchesItAndTheReleaseReportsBothSelections)
{
    grid->SetOptions(grid->Options() + TGridOptions{goRangeSelect});
    grid->SelectionResizer = grid->SelectionRectangle = true;
    grid->SetSelection({1, 1, 2, 2});
    std::vector<std::pair<TGridRect, TGridRect>> resize, resized;
    grid->OnSelectionResize = [&](TObject*, const TGridRect& O, const TGridRect& N) { resize.push_back({O, N}); };
    grid->OnSelectionResized = [&](TObject*, const TGridRect& O, const TGridRect& N) {
        resized.push_back({O, N});
    };
    const TRect corner = grid->CellRect(2, 2);
    const TPoint handle{corner.Right - 3, corner.Bottom - 3};
    EXPECT_EQ(grid->SelectionResizeHandle(), (TRect{corner.Right - 6, corner.Bottom - 6, corner.Right, corner.Bottom}));
    SendMouseMove(grid, handle.X, handle.Y);
    EXPECT_EQ(grid->MouseSelectMode(), msResize);

    Drag(handle, {Centre(3, 3), Centre(3, 4)});
    const TGridRect before{1, 1, 2, 2}, after{1, 1, 3, 4};
    EXPECT_EQ(grid->Selection(), after);
    const std::vector<std::pair<TGridRect, TGridRect>> reported = {{before, after}};
    EXPECT_EQ(resize, reported);
    EXPECT_EQ(resized, reported);

    // A press beside the handle starts a new selection and reports no resize.
    Drag(Centre(2, 2), {Centre(2, 3)});
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 2, 3}));
    EXPECT_EQ(resize.size(), 1u);
}

// An editing grid whose current cell may not be edited has switched editing off: stretching
// the selection from that cell's handle fills the new cells from the old selection, as a
// paste into them would.
TEST_F(ExtGridMouseTest, StretchingTheSelectionFromAReadOnlyCellOfAnEditingGridFillsIt)
{
    grid->SelectionResizer = grid->SelectionRectangle = true;
    grid->Navigation()->AllowSmartClipboard = true;
    const struct {
        const char* Name;
        bool Editing;
        std::vector<std::string> Source;
        std::vector<std::string> After; // column 2, rows 2 to 5
    } cases[] = {
        {"one cell repeats", true, {"7"}, {"7", "7", "7", "7"}},
        {"two numbers continue as a series", true, {"1", "3"}, {"1", "3", "5", "7"}},
        {"a grid that does not edit only stretches", false, {"7"}, {"7", "", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        grid->SetOptions(grid->Options() - TGridOptions{goEditing} + TGridOptions{goRangeSelect});
        grid->ClearRect(1, 1, 4, 5);
        grid->SetSelection({1, 1, 1, 1});
        if (c.Editing) grid->SetOptions(grid->Options() + TGridOptions{goEditing});
        grid->SetReadOnly(2, 2, true);
        for (size_t i = 0; i < c.Source.size(); ++i)
            grid->SetCells(2, 2 + static_cast<int>(i), c.Source[i]);
        // The user selects the source from the read-only cell down.
        const TPoint first = Centre(2, 2);
        SendClick(grid, first.X, first.Y);
        EXPECT_FALSE(grid->Options().Contains(goEditing));
        if (c.Source.size() > 1) {
            const TPoint last = Centre(2, 1 + static_cast<int>(c.Source.size()));
            SendClick(grid, last.X, last.Y, mbLeft, {ssShift});
        }
        const TRect corner = grid->CellRect(2, 1 + static_cast<int>(c.Source.size()));
        const TPoint handle{corner.Right - 3, corner.Bottom - 3};
        SendMouseMove(grid, handle.X, handle.Y);
        ScreenMouse(smPress, grid->ClientToScreen(handle));
        std::string copied = c.Source.front();
        for (size_t i = 1; i < c.Source.size(); ++i)
            copied += "\r\n" + c.Source[i];
        if (c.Source.size() > 1) copied += "\r\n";
        EXPECT_EQ(Clipboard()->AsText(), copied) << "the press copies the selection";
        const TPoint end = Centre(2, 5);
        ScreenMouse(smMove, grid->ClientToScreen(end));
        ScreenMouse(smRelease, grid->ClientToScreen(end));
        EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 2, 5}));
        const std::vector<std::string> after{grid->Cells(2, 2), grid->Cells(2, 3), grid->Cells(2, 4), grid->Cells(2, 5)};
        EXPECT_EQ(after, c.After);
        grid->SetReadOnly(2, 2, false);
    }
}

TEST_F(ExtGridMouseTest, UnsetBalloonDelaysFollowTheApplicationsHintPauses)
{
    // The application's pauses are put back for the tests after this one.
    struct TKeptPauses {
        int Pause = Application->HintPause(), HidePause = Application->HintHidePause();
        ~TKeptPauses()
        {
            Application->SetHintPause(Pause);
            Application->SetHintHidePause(HidePause);
        }
    } kept;
    Application->SetHintPause(400);
    Application->SetHintHidePause(3000);
    TBalloonSettings& settings = *grid->Balloon();
    EXPECT_EQ(grid->BalloonInitialDelay(), 400);
    EXPECT_EQ(grid->BalloonReshowDelay(), 80);
    EXPECT_EQ(grid->BalloonAutoHideDelay(), 3000);
    settings.InitialDelay = 100;
    EXPECT_EQ(grid->BalloonReshowDelay(), 20);
    settings.ReshowDelay = 5;
    settings.AutoHideDelay = 900;
    EXPECT_EQ(grid->BalloonReshowDelay(), 5);
    EXPECT_EQ(grid->BalloonAutoHideDelay(), 900);
}

TEST_F(ExtGridMouseTest, ATextTooBigForItsCellShowsWholeInItsHint)
{
    grid->HintShowLargeText = true;
    grid->SetCells(1, 2, "a text far too long for a column of a hundred pixels");
    grid->SetCells(1, 3, "<B>bold</B> and a text far too long for a column of a hundred pixels");
    grid->SetCells(1, 4, "short");
    const TRect r = grid->CellRect(1, 2);
    const auto hintAt = [&](int ARow, std::string& Text) {
        THintInfo info;
        info.CursorPos = {r.Left + 10, grid->CellRect(1, ARow).Top + 5};
        Text.clear();
        grid->PrepareCellHint(Text, info);
        return grid->ScreenToClient(info.HintPos);
    };
    std::string text;
    EXPECT_EQ(hintAt(2, text), (TPoint{r.Left, r.Top}));
    EXPECT_EQ(text, "a text far too long for a column of a hundred pixels");
    hintAt(3, text);
    EXPECT_EQ(text, "bold and a text far too long for a column of a hundred pixels");
    grid->HTMLHint = true;
    hintAt(3, text);
    EXPECT_EQ(text, grid->Cells(1, 3));
    EXPECT_EQ(hintAt(4, text), (TPoint{r.Left + 10, grid->CellRect(1, 4).Bottom + 6}));
    EXPECT_EQ(text, "");

    grid->HintShowLargeTextPos = hpCursor;
    EXPECT_EQ(hintAt(2, text), (TPoint{r.Left + 10, r.Bottom + 6}));
    EXPECT_EQ(text, grid->Cells(1, 2));
}

TEST_F(ExtGridMouseTest, AnInCellButtonIsRepaintedWhenThePointerComesOntoItAndGoes)
{
    grid->AddButton(2, 2, 30, 16, "b", haLeft, vaTop);
    TBitmap shot(grid->Width(), grid->Height());
    grid->PaintTo(shot.Canvas(), 0, 0);
    const TRect button = grid->GetCellButtonRect(2, 2);
    ASSERT_GT(button.Width(), 0);
    const struct {
        TPoint At;
        std::vector<std::pair<int, int>> Repainted;
    } steps[] = {
        {{button.Left + 3, button.Top + 3}, {{2, 2}}},
        {{button.Left + 6, button.Top + 3}, {}},
        {{button.Right + 5, button.Top + 3}, {{2, 2}}},
        {{button.Left + 3, button.Top + 3}, {{2, 2}}},
    };
    for (const auto& step : steps) {
        grid->Repainted.clear();
        SendMouseMove(grid, step.At.X, step.At.Y);
        EXPECT_EQ(grid->Repainted, step.Repainted) << step.At.X << "," << step.At.Y;
    }
    grid->Repainted.clear();
    grid->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(grid->Repainted, (std::vector<std::pair<int, int>>{{2, 2}}));
}

TEST_F(ExtGridMouseTest, AHoveredHeaderIsRepaintedWhenThePointerComesAndGoes)
{
    grid->SetHoverFixedCells(hfAll);
    const struct {
        TPoint At;
        std::vector<std::pair<int, int>> Repainted;
    } steps[] = {
        {Centre(1, 0), {{1, 0}}},
        {{Centre(1, 0).X + 5, Centre(1, 0).Y}, {}},
        {Centre(2, 0), {{1, 0}, {2, 0}}},
        {Centre(2, 3), {{2, 0}}},
    };
    for (const auto& step : steps) {
        grid->Repainted.clear();
        SendMouseMove(grid, step.At.X, step.At.Y);
        EXPECT_EQ(grid->Repainted, step.Repainted) << step.At.X << "," << step.At.Y;
    }
    SendMouseMove(grid, Centre(0, 2).X, Centre(0, 2).Y);
    grid->Repainted.clear();
    grid->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(grid->Repainted, (std::vector<std::pair<int, int>>{{0, 2}}));
}

TEST_F(ExtGridMouseTest, ADragOverTheRowHeadersSelectsWholeRows)
{
    grid->MouseActions()->RowSelect = true;
    SendMouseMove(grid, Centre(0, 2).X, Centre(0, 2).Y);
    ASSERT_EQ(grid->MouseSelectMode(), msRow);
    Drag(Centre(0, 2), {Centre(0, 3), Centre(0, 4)});
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 4, 4}));
    EXPECT_EQ(grid->MouseSelectMode(), msNormal);
}

TEST_F(ExtGridMouseTest, AFixedColumnSizesFromItsBorderWhenAllowed)
{
    grid->MouseActions()->SizeFixedCol = true;
    std::vector<int> ended;
    grid->OnEndColumnSize = [&](TObject*, int ACol) { ended.push_back(ACol); };
    const int border = grid->ColWidths(0) - 1;
    const int y = Centre(0, 2).Y;
    SendMouseMove(grid, border, y);
    Drag({border, y}, {{border + 8, y}, {80, y}});
    EXPECT_EQ(grid->ColWidths(0), 80);
    EXPECT_EQ(ended, std::vector<int>{0});
    EXPECT_TRUE(clicked.empty());
}

// A link in a cell text is opened by the desktop only when it is a web or mail address and
// the user agreed; a cell reference moves inside the grid.
TEST_F(ExtGridMouseTest, APressedLinkOpensOnlyWebAndMailAddressesAfterAConfirmation)
{
    const struct {
        const char* Href;
        int Answer;
        bool Asked;
        bool Opened;
    } cases[] = {
        {"https://example.com/x", mrYes, true, true},
        {"http://example.com", mrNo, true, false},
        {"mailto:a@example.com", mrYes, true, true},
        {"file:///bin/sh", mrYes, false, false},
        {"calc.exe", mrYes, false, false},
        {"javascript:alert(1)", mrYes, false, false},
    };
    for (const auto& c : cases) {
        TFakeDialogs dialogs;
        dialogs.AnswerMessage(c.Answer);
        std::vector<std::string> opened;
        SetShellOpener([&](const std::string& url) {
            opened.push_back(url);
            return true;
        });
        grid->SetCells(2, 2, std::string("<a href=\"") + c.Href + "\">link</a>");
        const TRect r = grid->CellRect(2, 2);
        SendClick(grid, r.Left + 6, r.Top + 6);
        SetShellOpener(nullptr);
        EXPECT_EQ(dialogs.Messages().size(), c.Asked ? 1u : 0u) << c.Href;
        EXPECT_EQ(opened, c.Opened ? std::vector<std::string>{c.Href} : std::vector<std::string>{}) << c.Href;
    }
}

TEST_F(ExtGridMouseTest, ThePointerEntersAndLeavesLinks)
{
    grid->SetCells(1, 1, "<a href=\"a\">aaaa</a>");
    grid->SetCells(1, 2, "<a href=\"b\">bbbb</a>");
    grid->SetCells(1, 3, "plain");
    std::vector<std::string> events;
    grid->OnAnchorEnter = [&](TObject*, int, int, const std::string& A) { events.push_back("enter " + A); };
    grid->OnAnchorExit = [&](TObject*, int, int, const std::string& A) { events.push_back("exit " + A); };
    const auto onText = [this](int ARow, int Dx) {
        const TRect r = grid->CellRect(1, ARow);
        return TPoint{r.Left + 6 + Dx, r.Top + 6};
    };
    const struct {
        TPoint At;
        std::vector<std::string> Events;
    } steps[] = {
        {onText(1, 0), {"enter a"}}, {onText(1, 3), {}},          {onText(2, 0), {"enter b"}},
        {onText(3, 0), {"exit b"}},  {onText(1, 0), {"enter a"}},
    };
    for (const auto& step : steps) {
        events.clear();
        SendMouseMove(grid, step.At.X, step.At.Y);
        EXPECT_EQ(events, step.Events) << step.At.X << "," << step.At.Y;
    }
}

TEST_F(ExtGridMouseTest, WithAnchorHintALinkShowsItsTitleBesideThePointer)
{
    grid->AnchorHint = true;
    grid->SetCells(1, 1, "<a href=\"http://a.example\" title=\"Open A\">aaaa</a>");
    grid->SetCells(1, 2, "<a href=\"http://b.example\">bbbb</a>");
    grid->SetCells(1, 3, "<a href=\"http://c.example\">cccc</a>");
    grid->SetCells(1, 4, "no link here");
    grid->OnAnchorHint = [](TObject*, int ARow, int ACol, std::string& Anchor) {
        if (ARow == 3) Anchor = "title " + std::to_string(ACol) + "," + std::to_string(ARow);
    };
    const struct {
        int Row;
        std::string Hint;
        bool BesidePointer;
    } cases[] = {
        {1, "Open A", true},
        {2, "http://b.example", true},
        {3, "title 1,3", true},
        {4, "", false},
    };
    for (const auto& c : cases) {
        const TRect r = grid->CellRect(1, c.Row);
        THintInfo info;
        info.CursorPos = {r.Left + 6, r.Top + 6};
        std::string hint;
        grid->PrepareCellHint(hint, info);
        EXPECT_EQ(hint, c.Hint) << "row " << c.Row;
        const TPoint expected = c.BesidePointer ? TPoint{r.Left + 14, r.Top - 10} : TPoint{r.Left + 6, r.Bottom + 6};
        EXPECT_EQ(grid->ScreenToClient(info.HintPos), expected) << "row " << c.Row;
    }

    // Without AnchorHint a link gives no hint of its own.
    grid->AnchorHint = false;
    const TRect r = grid->CellRect(1, 1);
    THintInfo info;
    info.CursorPos = {r.Left + 6, r.Top + 6};
    std::string hint;
    grid->PrepareCellHint(hint, info);
    EXPECT_EQ(hint, "");
}

TEST_F(ExtGridMouseTest, ACellLinkMovesTheFocusToItsCell)
{
    grid->SetCells(1, 1, "<a href=\"cell://R4C3\">go</a>");
    const TRect r = grid->CellRect(1, 1);
    SendClick(grid, r.Left + 6, r.Top + 6);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 4);
}

} // namespace
