#include <gtest/gtest.h>

#include <set>

#include "GridTestSupport.h"
#include "platform/os/SystemProfile.h"
#include "platform/rtl/SysUtils.h"

namespace {

class GridPaintTest : public ::testing::Test, public GridFixture {
protected:
    GridPaintTest() : bitmap(300, 110) {}
    // Paints the grid once and returns the cells DrawCell was asked for.
    std::multiset<std::pair<int, int>> Paint()
    {
        grid->Drawn.clear();
        grid->PaintTo(bitmap.Canvas(), 0, 0);
        std::multiset<std::pair<int, int>> cells;
        for (const auto& d : grid->Drawn)
            cells.emplace(d.Col, d.Row);
        return cells;
    }
    TColor Pixel(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
    TBitmap bitmap;
};

// What the form shows of the grid now, without asking the grid to paint anything again.
std::vector<TColor> Shown(TForm* form, const TControl* grid)
{
    TBitmap shot(grid->Width(), grid->Height());
    form->PaintTo(shot.Canvas(), -grid->Left(), -grid->Top());
    std::vector<TColor> pixels;
    for (int y = 0; y < grid->Height(); ++y)
        for (int x = 0; x < grid->Width(); ++x)
            pixels.push_back(shot.Canvas()->Pixels(x, y));
    return pixels;
}

// A scroll shifts the painted cells and paints only those that come into view; the result
// is what a full repaint shows.
TEST_F(GridPaintTest, ScrollingPaintsOnlyTheCellsComingIntoView)
{
    using TCells = std::set<std::pair<int, int>>;
    const auto cells = [](std::vector<int> cols, std::vector<int> rows) {
        TCells all;
        for (int c : cols)
            for (int r : rows)
                all.emplace(c, r);
        return all;
    };
    // Shown before each scroll: columns 0, 3..6 and rows 0, 3..6 of 65 x 25 pixels each
    // (line included) in 300 x 110; the last column and row only in part.
    struct TCase {
        const char* what;
        UINT msg;
        Word code;
        TBiDiMode mode;
        TCells painted;
    };
    const TCase cases[] = {
        {"one row down", WM_VSCROLL, SB_LINEDOWN, bdLeftToRight, cells({0, 3, 4, 5, 6}, {6, 7})},
        {"one row up", WM_VSCROLL, SB_LINEUP, bdLeftToRight, cells({0, 3, 4, 5, 6}, {2})},
        {"one column right", WM_HSCROLL, SB_LINEDOWN, bdLeftToRight, cells({6, 7}, {0, 3, 4, 5, 6})},
        {"one column left", WM_HSCROLL, SB_LINEUP, bdLeftToRight, cells({2}, {0, 3, 4, 5, 6})},
        {"one column right, right to left", WM_HSCROLL, SB_LINEDOWN, bdRightToLeft,
         cells({6, 7}, {0, 3, 4, 5, 6})},
    };
    grid->SetColCount(40);
    grid->SetRowCount(40);
    for (int c = 0; c < 40; ++c)
        for (int r = 0; r < 40; ++r)
            grid->SetCells(c, r, Format("%d.%d", {c, r}));
    Application->ProcessMessages(); // the window is on the screen: painting reaches it
    for (const TCase& c : cases) {
        grid->SetBiDiMode(c.mode);
        grid->SetTopRow(3);
        grid->SetLeftCol(3);
        grid->Repaint();
        grid->Drawn.clear();
        grid->Perform(c.msg, c.code);
        grid->Update();
        TCells painted;
        for (const auto& d : grid->Drawn)
            painted.emplace(d.Col, d.Row);
        EXPECT_EQ(painted, c.painted) << c.what;
        const std::vector<TColor> scrolled = Shown(form, grid);
        grid->Repaint();
        EXPECT_EQ(scrolled, Shown(form, grid)) << c.what;
    }
}

TEST_F(GridPaintTest, DrawCellRunsOnceForEachVisibleCellOnly)
{
    grid->SetColCount(200);
    grid->SetRowCount(512);
    std::multiset<std::pair<int, int>> expected;
    for (int c : {0, 1, 2, 3, 4})
        for (int r : {0, 1, 2, 3, 4})
            expected.emplace(c, r);
    EXPECT_EQ(Paint(), expected);
    grid->SetTopRow(300);
    grid->SetLeftCol(100);
    expected.clear();
    for (int c : {0, 100, 101, 102, 103})
        for (int r : {0, 300, 301, 302, 303})
            expected.emplace(c, r);
    EXPECT_EQ(Paint(), expected);
    for (const auto& d : grid->Drawn)
        EXPECT_EQ(d.Rect, grid->CellRect(d.Col, d.Row));
}

TEST_F(GridPaintTest, DrawStateTellsFixedSelectedAndFocused)
{
    grid->SetOptions(grid->Options() + goRangeSelect);
    grid->SetSelection({1, 1, 2, 2}); // current cell (2, 2)
    grid->SetFocus();
    Paint();
    const auto state = [&](int c, int r) {
        for (const auto& d : grid->Drawn)
            if (d.Col == c && d.Row == r) return d.State;
        return TGridDrawState{};
    };
    EXPECT_EQ(state(0, 1), TGridDrawState{gdFixed});
    EXPECT_EQ(state(1, 1), TGridDrawState{gdSelected});
    EXPECT_EQ(state(2, 2), (TGridDrawState{gdSelected, gdFocused}));
    EXPECT_EQ(state(3, 3), TGridDrawState{});
}

TEST_F(GridPaintTest, DefaultDrawingFillsCellsAndLinesAndOffDrawsNothing)
{
    grid->SetSelection({1, 1, 2, 2});
    grid->SetCells(3, 3, "W");
    Paint();
    EXPECT_EQ(Pixel(100, 40), ColorToRGB(clHighlight)); // selected, grid not focused
    EXPECT_EQ(Pixel(220, 90), ColorToRGB(clWindow));
    EXPECT_EQ(Pixel(129, 90), ColorToRGB(clSilver)); // the line after column 1
    EXPECT_EQ(Pixel(64, 90), ColorToRGB(clBlack));   // the fixed column's line
    grid->SetDefaultDrawing(false);
    grid->SetColor(clYellow);
    Paint();
    EXPECT_EQ(Pixel(100, 40), ColorToRGB(clYellow)); // only the background
    EXPECT_EQ(Pixel(129, 90), ColorToRGB(clYellow));
    EXPECT_EQ(Pixel(10, 40), ColorToRGB(clYellow));
}

TEST_F(GridPaintTest, FixedCellsInClassicLookUseFixedColor)
{
    TSystemProfile& profile = SystemProfile();
    const TSystemProfile saved = profile;
    profile.ThemeActive = false;
    grid->SetFixedColor(clAqua);
    Paint();
    profile = saved;
    EXPECT_EQ(Pixel(30, 40), ColorToRGB(clAqua));
    EXPECT_EQ(Pixel(0, 40), ColorToRGB(clBtnHighlight)); // the raised edge
}

// A string grid that scrolled, selected, sized a column and edits a cell paints with its
// editor open (examples/window_gallery saves such a grid as a picture to look at).
TEST_F(GridPaintTest, Demo)
{
    grid->SetBounds(0, 0, 400, 200);
    grid->SetScrollBars(ssBoth);
    grid->SetColCount(8);
    grid->SetRowCount(40);
    grid->SetOptions(grid->Options() + goEditing + goColSizing);
    for (int c = 1; c < 8; ++c)
        grid->SetCells(c, 0, Format("Col %d", {c}));
    for (int r = 1; r < 40; ++r) {
        grid->SetCells(0, r, Format("%d", {r}));
        for (int c = 1; c < 8; ++c)
            grid->SetCells(c, r, Format("%d.%d", {r, c}));
    }
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({194, 10})); // size column 2 by its border
    grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam({244, 10}));
    grid->Perform(WM_LBUTTONUP, 0, PointToLParam({244, 10}));
    EXPECT_EQ(grid->ColWidths(2), 114);
    grid->Perform(WM_VSCROLL, (WPARAM(10) << 16) | SB_THUMBPOSITION);
    EXPECT_EQ(grid->TopRow(), 10);
    grid->SetFocus();
    grid->SetSelection({1, 11, 2, 13});
    grid->ShowEditorChar(U'Ä');
    ASSERT_TRUE(grid->EditorMode());
    TBitmap shot(400, 200);
    grid->PaintTo(shot.Canvas(), 0, 0);
    EXPECT_EQ(grid->InplaceEditor()->Text(), "Ä");
}

} // namespace
