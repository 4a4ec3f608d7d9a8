#include <gtest/gtest.h>

#include <vector>

#include "GridOnForm.h"
#include "PaintedCells.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/Bands.h"

// The text step of the cell painter, checked by painting two cells that must look alike:
// the cell under test and a reference cell that shows the expected text directly.

namespace {

class ExtGridCellTextTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(5);
        for (int c = 1; c < 4; ++c)
            grid->SetColWidths(c, 120);
        grid->SetSelection(TGridRect{-1, -1, -1, -1});
        bitmap.SetSize(grid->Width(), grid->Height());
    }
    void PaintGrid() { grid->PaintTo(bitmap.Canvas(), 0, 0); }
    std::vector<TColor> Inside(int ACol, int ARow) { return CellInside(bitmap, *grid, ACol, ARow); }
    TBitmap bitmap;
};

TEST_F(ExtGridCellTextTest, CellLooksLikeItsExpectedText)
{
    const struct {
        const char* what;
        std::string text, expected;
        bool password, multiline;
        int rowHeight;
    } cases[] = {
        {"password: one mask character per character", "aé€", "***", true, false, 22},
        {"a second line is cut without multi-line cells", "one\r\ntwo", "one", false, false, 40},
        {"a text without line break stays whole", "one two", "one two", false, false, 22},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid->SetWordWrap(false);
        grid->Multilinecells = c.multiline;
        grid->SetRowHeights(2, c.rowHeight);
        grid->OnIsPasswordCell = [&c](TObject*, int ARow, int ACol, bool& IsPassword) {
            IsPassword = c.password && ACol == 1 && ARow == 2;
        };
        grid->SetCells(1, 2, c.text);
        grid->SetCells(2, 2, c.expected);
        PaintGrid();
        EXPECT_EQ(Inside(1, 2), Inside(2, 2));
    }
}

TEST_F(ExtGridCellTextTest, MultilineCellsShowEveryLine)
{
    grid->SetWordWrap(false);
    grid->SetRowHeights(2, 40);
    grid->SetCells(1, 2, "one\r\ntwo");
    grid->SetCells(2, 2, "one");
    grid->Multilinecells = true;
    PaintGrid();
    EXPECT_NE(Inside(1, 2), Inside(2, 2));
}

TEST_F(ExtGridCellTextTest, LongTextEndsInAnEllipsisOnlyWithEnhancedTextSize)
{
    grid->SetWordWrap(false);
    grid->SetCells(1, 2, "a long text that never fits into its cell");
    grid->SetCells(2, 2, "a long text that never fits into its cell");
    grid->EnhTextSize = true;
    PaintGrid();
    const std::vector<TColor> ellipsis = Inside(1, 2);
    grid->EnhTextSize = false;
    PaintGrid();
    EXPECT_NE(ellipsis, Inside(1, 2));
}

TEST_F(ExtGridCellTextTest, LinkLosesItsSchemeAndItsUnderlineStaysInItsCell)
{
    grid->SetWordWrap(false);
    grid->SetURLShow(true);
    grid->SetCells(1, 2, "http://example.org");
    grid->SetCells(1, 3, "example.org");
    TCellProperties* link = grid->GetCellProperties(1, 3);
    link->FontColor = grid->URLColor;
    link->FontStyle = TFontStyles{fsUnderline};
    grid->SetCells(2, 2, "plain");
    grid->SetCells(2, 3, "plain");
    PaintGrid();
    EXPECT_EQ(Inside(1, 2), Inside(1, 3));
    EXPECT_EQ(Inside(2, 2), Inside(2, 3)) << "the cell after a link is drawn as without one";
    grid->SetURLFull(true);
    PaintGrid();
    EXPECT_NE(Inside(1, 2), Inside(1, 3)) << "URLFull keeps the scheme";
}

TEST_F(ExtGridCellTextTest, SelectionRectangleFramesOnlyTheOuterEdgesOfTheBlock)
{
    grid->SetColCount(6);
    for (int c = 1; c < 6; ++c)
        grid->SetColWidths(c, 40);
    bitmap.SetSize(grid->Width(), grid->Height());
    grid->SelectionRectangle = true;
    grid->SelectionRectangleColor = clRed;
    grid->SetSelection(TGridRect{1, 1, 3, 2});
    PaintGrid();
    const auto red = [this](int X, int Y) { return bitmap.Canvas()->Pixels(X, Y) == clRed; };
    const TRect topLeft = grid->CellRect(1, 1), middle = grid->CellRect(2, 1),
                bottomRight = grid->CellRect(3, 2);
    const int midY = (middle.Top + middle.Bottom) / 2, midX = (middle.Left + middle.Right) / 2;
    EXPECT_TRUE(red(topLeft.Left, midY)) << "left edge";
    EXPECT_TRUE(red(midX, middle.Top)) << "top edge";
    EXPECT_TRUE(red(bottomRight.Right - 2, (bottomRight.Top + bottomRight.Bottom) / 2)) << "right edge";
    EXPECT_TRUE(red(midX, bottomRight.Bottom - 1)) << "bottom edge";
    for (int x = middle.Left - 2; x <= middle.Left + 2; ++x)
        EXPECT_FALSE(red(x, midY)) << "inner column edge " << x;
    for (int y = middle.Bottom - 2; y <= middle.Bottom + 2; ++y)
        EXPECT_FALSE(red(midX, y)) << "inner row edge " << y;
    EXPECT_FALSE(red(grid->CellRect(4, 1).Left + 5, midY)) << "outside the block";
}

TEST_F(ExtGridCellTextTest, SettingsNamingMissingRowsOrColumnsPaintNothingExtra)
{
    grid->SetCells(1, 0, "Head");
    PaintGrid();
    const std::vector<TColor> plain = Inside(1, 0);
    grid->SortSettings()->Column = 40;
    grid->SortSettings()->SetShow(true);
    grid->FilterDropDownRow = 50;
    grid->OnGetColumnFilter = [](TObject*, int, TStringList* Filter) { Filter->Add("x"); };
    grid->Bands()->SetPrimaryLength(0);
    grid->Bands()->SetSecondaryLength(0);
    grid->Bands()->SetActive(true);
    PaintGrid();
    EXPECT_EQ(Inside(1, 0), plain);
}

TEST_F(ExtGridCellTextTest, SortColumnHeaderShowsItsGlyph)
{
    grid->SetCells(1, 0, "Head");
    grid->SetCells(2, 0, "Head");
    grid->SortSettings()->Column = 1;
    grid->SortSettings()->SetShow(true);
    PaintGrid();
    EXPECT_NE(Inside(1, 0), Inside(2, 0));
}

} // namespace

namespace {

TEST_F(ExtGridCellTextTest, WrappedTextShowsOnlyLinesThatFitWhole)
{
    grid->SetWordWrap(true);
    grid->SetColWidths(1, 50);
    grid->SetCells(1, 2, "alpha beta gamma delta epsilon zeta");
    PaintGrid();
    const TRect r = grid->CellRect(1, 2);
    TBitmap probe(4, 4);
    probe.Canvas()->Font()->Assign(*grid->Font());
    const int secondLine = r.Top + 1 + 2 + probe.Canvas()->TextHeight("hg");
    int firstLineInk = 0;
    for (int y = r.Top; y < r.Bottom - 1; ++y)
        for (int x = r.Left + 1; x < r.Right - 1; ++x) {
            const bool ink = bitmap.Canvas()->Pixels(x, y) != ColorToRGB(grid->Color());
            if (y >= secondLine) {
                ASSERT_FALSE(ink) << x << "," << y;
            } else if (ink) {
                ++firstLineInk;
            }
        }
    EXPECT_GT(firstLineInk, 0);
}

} // namespace

namespace {

TEST_F(ExtGridCellTextTest, AlwaysVisibleDropDownButtonPushesTheTextLeft)
{
    grid->DefaultAlignment = taRightJustify;
    for (int r = 1; r < 4; ++r)
        grid->SetCells(1, r, "right");
    grid->OnHasComboBox = [](TObject*, int, int ARow, bool& HasComboBox) { HasComboBox = ARow == 2; };
    PaintGrid();
    const std::vector<TColor> withoutButton = Inside(1, 2);
    grid->ControlLook()->SetDropDownAlwaysVisible(true);
    PaintGrid();
    EXPECT_NE(Inside(1, 2), withoutButton);
    EXPECT_EQ(Inside(1, 3), withoutButton) << "a cell without a combo keeps its look";
    // The text now ends 16 pixels further left: the button's place.
    const TRect r = grid->CellRect(1, 2);
    int inkRightOfButton = 0;
    for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
        for (int x = r.Right - 17; x < r.Right - 2; ++x)
            if (bitmap.Canvas()->Pixels(x, y) == clBlack) ++inkRightOfButton;
    EXPECT_EQ(inkRightOfButton, 0) << "no black text under the button";
}

} // namespace
