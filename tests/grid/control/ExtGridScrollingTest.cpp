#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/BalloonWindow.h"
#include "grid/control/HTMLHintWindow.h"
#include "grid/control/HeaderDragButton.h"
#include "grid/control/ScrollControl.h"
#include "grid/control/SearchPanelLayout.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/DragScrollOptions.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/model/SyncGrid.h"
#include "grid/foundation/painting/ColorUtils.h"
#include "grid/foundation/text/CellText.h"

namespace {

class ExtGridScrollingTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetBounds(0, 0, 400, 250);
        grid->SetColCount(20);
        grid->SetRowCount(100);
    }
    void Scroll(UINT Msg, Word Code, int Pos = 0)
    {
        grid->Perform(Msg, (static_cast<WPARAM>(Pos) << 16) | Code);
    }
};

TEST_F(ExtGridScrollingTest, ScrollInViewCentresOnlyCellsOutOfView)
{
    const int rows = grid->VisibleRowCount();
    const int cols = grid->VisibleColCount();
    const struct {
        int col, row;
        int wantCol, wantRow, wantLeft, wantTop;
    } cases[] = {
        // Already in view: nothing moves.
        {2, 3, 1, 1, 1, 1},
        // Below the view: the row becomes current and sits in the middle.
        {2, 60, 1, 60, 1, 60 - rows / 2},
        // Right of the view as well.
        {15, 60, 15, 60, 15 - cols / 2, 60 - rows / 2},
        // Beyond the grid: nothing at all.
        {20, 3, 1, 1, 1, 1},
        {2, 100, 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        grid->SetTopRow(1);
        grid->SetLeftCol(1);
        grid->GotoCell(1, 1);
        grid->ScrollInView(c.col, c.row);
        SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row));
        EXPECT_EQ(grid->Col(), c.wantCol);
        EXPECT_EQ(grid->Row(), c.wantRow);
        EXPECT_EQ(grid->LeftCol(), c.wantLeft);
        EXPECT_EQ(grid->TopRow(), c.wantTop);
    }
}

TEST_F(ExtGridScrollingTest, ScrollInViewKeepsTheRowAboveTheSearchFooter)
{
    grid->SearchFooter()->SetVisible(true);
    const int row = 100 - grid->VisibleRowCount() / 2;
    grid->ScrollInView(1, row);
    EXPECT_LE(grid->CellRect(0, row).Bottom, grid->Height() - TSearchPanelLayout::PanelHeight - 17);
}

TEST_F(ExtGridScrollingTest, SynchronisedGridsFollowInTheDirectionsAsked)
{
    const struct {
        bool vertical, horizontal;
    } cases[] = {{true, false}, {false, true}, {true, true}, {false, false}};
    for (const auto& c : cases) {
        auto* other = new TExtStringGrid(&form);
        other->SetParent(&form);
        other->SetBounds(0, 260, 400, 250);
        other->SetColCount(20);
        other->SetRowCount(100);
        grid->SyncGrid()->SetGrid(other);
        grid->SyncGrid()->ScrollVertical = c.vertical;
        grid->SyncGrid()->ScrollHorizontal = c.horizontal;
        grid->SetTopRow(30);
        grid->SetLeftCol(5);
        EXPECT_EQ(other->TopRow(), c.vertical ? 30 : 1);
        EXPECT_EQ(other->LeftCol(), c.horizontal ? 5 : 1);
        grid->SyncGrid()->SetGrid(nullptr);
        grid->SetTopRow(1);
        grid->SetLeftCol(1);
        delete other;
    }
}

TEST_F(ExtGridScrollingTest, ThumbDragShowsTheTargetAndEndingRemovesIt)
{
    const struct {
        TScrollHintType hints;
        UINT msg;
        const char* shown; // nullptr: no hint
    } cases[] = {
        {shBoth, WM_VSCROLL, "Row : 40"},      {shVertical, WM_VSCROLL, "Row : 40"},
        {shHorizontal, WM_VSCROLL, nullptr},   {shBoth, WM_HSCROLL, "Col : 8"},
        {shHorizontal, WM_HSCROLL, "Col : 8"}, {shNone, WM_HSCROLL, nullptr},
    };
    for (const auto& c : cases) {
        grid->ScrollHints = c.hints;
        Scroll(c.msg, SB_THUMBTRACK, c.msg == WM_VSCROLL ? 40 : 8);
        THTMLHintWindow* hint = grid->ScrollHintWindow();
        ASSERT_EQ(hint != nullptr, c.shown != nullptr) << c.hints;
        if (hint) {
            EXPECT_EQ(hint->Caption(), c.shown);
            EXPECT_TRUE(hint->Visible());
        }
        Scroll(c.msg, SB_ENDSCROLL);
        EXPECT_EQ(grid->ScrollHintWindow(), nullptr);
    }
}

TEST_F(ExtGridScrollingTest, TheHintEventRewritesTheTextAndScrollSynchMovesTheCells)
{
    grid->ScrollHints = shVertical;
    int asked = -1;
    grid->OnScrollHint = [&](TObject*, int ARow, std::string& Hint) {
        asked = ARow;
        Hint = "<b>Station " + std::to_string(ARow) + "</b>";
    };
    Scroll(WM_VSCROLL, SB_THUMBTRACK, 50);
    EXPECT_EQ(asked, 50);
    EXPECT_EQ(grid->ScrollHintWindow()->Caption(), "<b>Station 50</b>");
    EXPECT_EQ(grid->TopRow(), 1); // without ScrollSynch the cells wait for the release

    grid->ScrollSynch = true;
    Scroll(WM_VSCROLL, SB_THUMBTRACK, 50);
    EXPECT_EQ(grid->TopRow(), 50);
}

TEST_F(ExtGridScrollingTest, DraggingNearAnEdgeScrollsTowardsIt)
{
    grid->DragScrollOptions()->Active = true;
    grid->SetTopRow(20);
    grid->SetLeftCol(5);
    const int w = grid->Width(), h = grid->Height();
    const struct {
        int x, y;
        TDragScrollDirections dirs;
        int top, left;
    } cases[] = {
        {200, 10, {dsdUp}, 19, 5},        {200, h - 10, {dsdDown}, 21, 5},   {10, 100, {dsdLeft}, 20, 4},
        {w - 10, 100, {dsdRight}, 20, 6}, {10, 10, {dsdUp, dsdLeft}, 19, 4}, {200, 100, {}, 20, 5},
    };
    for (const auto& c : cases) {
        grid->SetTopRow(20);
        grid->SetLeftCol(5);
        grid->DragScrollOver(c.x, c.y, dssMove);
        EXPECT_EQ(grid->PendingDragScroll(), c.dirs) << c.x << "," << c.y;
        grid->DragScrollTick();
        EXPECT_EQ(grid->TopRow(), c.top) << c.x << "," << c.y;
        EXPECT_EQ(grid->LeftCol(), c.left) << c.x << "," << c.y;
    }
    grid->DragScrollOver(200, 10, dssLeave);
    EXPECT_EQ(grid->PendingDragScroll(), TDragScrollDirections{});
}

TEST_F(ExtGridScrollingTest, TheDragScrollEventMayForbidTheStep)
{
    grid->DragScrollOptions()->Active = true;
    grid->SetTopRow(20);
    grid->OnDragScroll = [](TObject*, int, int, TDragScrollDirections&, bool& CanScroll) {
        CanScroll = false;
    };
    grid->DragScrollOver(200, 10, dssEnter);
    grid->DragScrollTick();
    EXPECT_EQ(grid->TopRow(), 20);
}

TEST(ScrollControlThumb, FollowsTheGridsRowsAndColumns)
{
    const struct {
        TScrollAxis axis;
        int length;
        TScrollThumb thumb;
    } cases[] = {
        // 100 rows, 1 fixed of 22 pixels, 20 shown, 406 pixels: 384 x 0.2 = 76.8.
        {{100, 1, 20, 1, 22, 0, 22}, 406, {true, 22, 77}},
        // Scrolled to the end: the thumb is moved back inside the control.
        {{100, 1, 20, 99, 22, 0, 22}, 406, {true, 329, 77}},
        // Never shorter than 20 pixels.
        {{1000, 1, 20, 1, 22, 0, 22}, 406, {true, 22, 20}},
        // Halves round to even: 306 x 0.25 = 76.5.
        {{100, 0, 25, 0, 100, 0, 22}, 406, {true, 100, 76}},
        // Fixed footers shorten the track: 384 - 40 = 344, x 0.2 = 68.8.
        {{100, 1, 20, 1, 22, 40, 22}, 406, {true, 22, 69}},
        // Everything shown: no thumb.
        {{21, 1, 20, 1, 22, 0, 22}, 406, {false, 0, 0}},
    };
    for (const auto& c : cases) {
        const TScrollThumb t = TScrollControl::ThumbFor(c.axis, c.length);
        EXPECT_EQ(t.Shown, c.thumb.Shown) << c.axis.Count << " " << c.axis.First;
        EXPECT_EQ(t.Position, c.thumb.Position) << c.axis.Count << " " << c.axis.First;
        EXPECT_EQ(t.Size, c.thumb.Size) << c.axis.Count << " " << c.axis.First;
    }
}

TEST_F(ExtGridScrollingTest, SlimScrollControlsPageAndReplaceTheBars)
{
    grid->SetScrollType(ssMetro);
    TScrollControl* vert = grid->VertScrollControl();
    ASSERT_NE(vert, nullptr);
    EXPECT_EQ(vert->Width(), 6);
    EXPECT_EQ(grid->HorzScrollControl()->Height(), 6);
    EXPECT_EQ(grid->ScrollBars(), ssNone);
    ASSERT_TRUE(vert->Thumb().Shown);

    // Pressing above the thumb pages up, never above the first scrollable row.
    grid->SetTopRow(3);
    const TScrollThumb t = vert->Thumb();
    vert->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, t.Position - 1));
    vert->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, t.Position - 1));
    EXPECT_EQ(grid->TopRow(), 1);
    // Below it, down by the rows shown.
    const int page = grid->VisibleRowCount();
    const TScrollThumb t2 = vert->Thumb();
    vert->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, t2.Position + t2.Size + 1));
    vert->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, t2.Position + t2.Size + 1));
    EXPECT_EQ(grid->TopRow(), 1 + page);

    grid->SetScrollType(ssNormal);
    EXPECT_EQ(grid->VertScrollControl(), nullptr);
    EXPECT_EQ(grid->ScrollBars(), ssBoth);
}

TEST_F(ExtGridScrollingTest, FlatBarsAreScrollWidthThick)
{
    grid->SetScrollWidth(9);
    const int standard = grid->Width() - grid->ClientWidth();
    grid->SetScrollType(ssFlat);
    EXPECT_EQ(grid->Width() - grid->ClientWidth(), 9);
    grid->SetScrollWidth(12);
    EXPECT_EQ(grid->Height() - grid->ClientHeight(), 12);
    grid->SetScrollType(ssNormal);
    EXPECT_EQ(grid->Width() - grid->ClientWidth(), standard);
}

TEST(HintWindowPlacement, AddsTheMarginsAndStaysOnTheMonitor)
{
    const TRect monitor = Rect(0, 0, 1920, 1080);
    const struct {
        TPoint at;
        TSize text;
        bool wide;
        TRect placed;
    } cases[] = {
        {{100, 100}, {200, 16}, false, Rect(100, 100, 316, 120)},
        {{100, 100}, {200, 16}, true, Rect(100, 100, 308, 120)},
        // Past the right edge: it ends 2 pixels before it.
        {{1800, 100}, {200, 16}, false, Rect(1702, 100, 1918, 120)},
        // Past the bottom: 2 pixels above it.
        {{100, 1070}, {200, 16}, true, Rect(100, 1058, 308, 1078)},
    };
    for (const auto& c : cases) {
        const TRect r = THTMLHintWindow::PlaceHint(c.at, c.text, c.wide, monitor);
        EXPECT_EQ(r, c.placed) << c.at.X << "," << c.at.Y;
    }
}

TEST_F(ExtGridScrollingTest, HintsAreMeasuredWideAndWideTextOnOneLine)
{
    auto* hint = new THTMLHintWindow(&form);
    const std::string line = "A rather long hint text that is wider than the rectangle it is shown for";
    hint->ActivateHint(Rect(10, 10, 40, 30), line);
    EXPECT_GT(hint->TextSize().cx, 30);
    EXPECT_LE(hint->TextSize().cx, THTMLHintWindow::MeasureWidth);
    EXPECT_EQ(hint->Width(), hint->TextSize().cx + 16);
    hint->Hide();

    const TRect one = hint->CalcHintRect(1008, EncodeWideCellText("Ligne"), nullptr);
    const TRect two = hint->CalcHintRect(1008, EncodeWideCellText("Ligne\r\nzwei"), nullptr);
    EXPECT_EQ(two.Height(), one.Height());
    const TRect markup = hint->CalcHintRect(1008, "Ligne<br>zwei", nullptr);
    EXPECT_GT(markup.Height(), one.Height());
}

TEST_F(ExtGridScrollingTest, BalloonWindowFollowsTheEnableSwitch)
{
    EXPECT_EQ(grid->BalloonWindow(), nullptr);
    grid->Balloon()->Transparency = 64;
    grid->Balloon()->SetEnable(true);
    TBalloonWindow* first = grid->BalloonWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Alpha(), 191);
    grid->Balloon()->SetEnable(false);
    EXPECT_EQ(grid->BalloonWindow(), nullptr);
    grid->Balloon()->Transparency = 0;
    grid->Balloon()->SetEnable(true);
    ASSERT_NE(grid->BalloonWindow(), nullptr);
    EXPECT_EQ(grid->BalloonWindow()->Alpha(), 255);
}

TEST_F(ExtGridScrollingTest, BalloonsShowTheCellTextWithinTheirWidth)
{
    grid->Balloon()->SetEnable(true);
    grid->SetCells(1, 1, std::string(400, 'w'));
    grid->OnCellBalloon = [](TObject*, int, int, std::string& Title, std::string&, int& Icon) {
        Title = "Sl\xC3\xA4ve";
        Icon = 2;
    };
    const TRect cell = grid->CellRect(1, 1);
    grid->ShowBalloonAt({cell.Left + 2, cell.Top + 2});
    TBalloonWindow* balloon = grid->BalloonWindow();
    EXPECT_TRUE(balloon->Visible());
    EXPECT_EQ(balloon->Title(), "Sl\xC3\xA4ve");
    EXPECT_EQ(balloon->Icon(), 2);
    EXPECT_LE(balloon->Width(), TBalloonWindow::MaxWidth);

    grid->SetCells(2, 2, "");
    const TRect empty = grid->CellRect(2, 2);
    grid->ShowBalloonAt({empty.Left + 2, empty.Top + 2});
    EXPECT_FALSE(balloon->Visible());
}

TEST_F(ExtGridScrollingTest, TheHeaderDragButtonShowsTheCaptionOnAFixedCell)
{
    const struct {
        bool flat;
        TColor corner;
    } cases[] = {{false, clBtnHighlight}, {true, clBtnShadow}};
    for (const auto& c : cases) {
        auto* button = new THeaderDragButton(grid);
        EXPECT_FALSE(button->Visible());
        EXPECT_FALSE(button->Enabled());
        button->Flat = c.flat;
        button->SetBounds(0, 0, 80, 24);
        button->SetDragCaption("Adresse \xC3\xA9");
        TBitmap shot(80, 24);
        button->PaintTo(shot.Canvas(), 0, 0);
        EXPECT_EQ(shot.Canvas()->Pixels(0, 0), ColorToRGB(c.corner));
        int textPixels = 0;
        for (int x = 2; x < 78; ++x)
            if (shot.Canvas()->Pixels(x, 12) != ColorToRGB(grid->FixedColor())) ++textPixels;
        EXPECT_GT(textPixels, 0);
        delete button;
    }
}

TEST(SearchPanelLayout, PartsFollowTheFooterSettings)
{
    const struct {
        bool visible, highlight, matchCase, findPrev;
        int top, height, matchCaseLeft, highlightHeight, matchCaseHeight, findPrevHeight;
    } cases[] = {
        {true, true, true, true, 268, 32, 425, 23, 18, 23},
        {true, false, true, true, 268, 32, 330, 0, 18, 23},
        {true, true, false, false, 268, 32, 425, 23, 0, 0},
        {false, true, true, true, 0, 0, 425, 23, 18, 23},
    };
    for (const auto& c : cases) {
        TSearchFooter footer(nullptr, false);
        footer.SetVisible(c.visible);
        footer.SetShowHighLight(c.highlight);
        footer.SetShowMatchCase(c.matchCase);
        footer.SetShowFindPrev(c.findPrev);
        const TSearchPanelLayout l = LayoutSearchPanel(footer, 300);
        EXPECT_EQ(l.PanelTop, c.top);
        EXPECT_EQ(l.PanelHeightShown, c.height);
        EXPECT_EQ(l.MatchCaseLeft, c.matchCaseLeft);
        EXPECT_EQ(l.HighlightHeight, c.highlightHeight);
        EXPECT_EQ(l.MatchCaseHeight, c.matchCaseHeight);
        EXPECT_EQ(l.FindPrevHeight, c.findPrevHeight);
        EXPECT_EQ(l.FindNextHeight, 23);
    }
}

} // namespace

namespace {

// What the form shows of the grid now, without asking the grid to paint anything again.
std::vector<TColor> ShownGrid(TForm& Form, const TControl& Grid)
{
    TBitmap shot(Grid.Width(), Grid.Height());
    Form.PaintTo(shot.Canvas(), -Grid.Left(), -Grid.Top());
    std::vector<TColor> pixels;
    for (int y = 0; y < Grid.Height(); ++y)
        for (int x = 0; x < Grid.Width(); ++x)
            pixels.push_back(shot.Canvas()->Pixels(x, y));
    return pixels;
}

// A scroll moves the painted cells, while the frame of the look stays along the edges: what
// the grid shows after moving the current cell out of view is what a full repaint shows.
TEST_F(ExtGridScrollingTest, MovingTheCurrentCellOutOfViewLeavesNothingStale)
{
    for (int c = 0; c < grid->ColCount(); ++c) {
        grid->SetColWidths(c, 40 + 7 * (c % 5));
        for (int r = 0; r < grid->RowCount(); ++r)
            grid->SetCells(c, r, std::to_string(c) + "." + std::to_string(r));
    }
    grid->SetFocus();
    Application->ProcessMessages();
    const TPoint moves[] = {{9, 1},  {10, 1}, {11, 1}, {19, 1}, {12, 1}, {3, 1},   {1, 1},
                            {1, 12}, {1, 13}, {1, 40}, {1, 30}, {5, 31}, {18, 99}, {2, 2}};
    for (const TPoint& to : moves) {
        grid->SetCol(to.X);
        grid->SetRow(to.Y);
        grid->Update();
        const std::vector<TColor> scrolled = ShownGrid(form, *grid);
        grid->Repaint();
        EXPECT_EQ(scrolled, ShownGrid(form, *grid)) << "cell " << to.X << "," << to.Y;
    }
}

TEST_F(ExtGridScrollingTest, TheCornerBetweenTheBarsShowsTheBarsFaceNotTheCells)
{
    grid->SetColor(clRed);
    grid->SetFixedColor(clRed);
    Application->ProcessMessages();
    ASSERT_TRUE(grid->ScrollBarShown(SB_HORZ));
    ASSERT_TRUE(grid->ScrollBarShown(SB_VERT));
    const std::vector<TColor> shown = ShownGrid(form, *grid);
    const auto pixel = [&](int X, int Y) { return shown[static_cast<size_t>(Y * grid->Width() + X)]; };
    const int cornerX = (grid->ClientWidth() + grid->Width()) / 2;
    const int cornerY = (grid->ClientHeight() + grid->Height()) / 2;
    EXPECT_EQ(pixel(cornerX, cornerY), ColorToRGB(clBtnFace));
    EXPECT_EQ(pixel(grid->ClientWidth() / 2, grid->ClientHeight() / 2), ColorToRGB(clRed));
}

} // namespace
