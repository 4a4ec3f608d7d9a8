#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "GridOnForm.h"
#include "PaintedCells.h"
#include "grid/control/FooterPanel.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/foundation/painting/ColorUtils.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Input.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Forms.h"

namespace {

// Twelve columns of 50 pixels, one of them fixed, scrolled to LeftCol 5: the footer shows
// column 0 and then columns 5 to 11.
class FooterPanelTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(12);
        grid->SetDefaultColWidth(50);
        grid->SetLeftCol(5);
        grid->FloatingFooter()->SetVisible(true);
        panel = grid->FooterPanel();
        panel->SetHeight(20);
    }
    LRESULT AskHint(int X, THintInfo& Info)
    {
        Info.HintControl = panel;
        Info.CursorPos = {X, 5};
        return panel->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&Info));
    }
    TFooterPanel* panel = nullptr;
};

TEST_F(FooterPanelTest, ColumnsLineUpWithTheFixedAndTheScrolledColumns)
{
    ASSERT_EQ(grid->LeftCol(), 5);
    const struct {
        int x, col;
    } cases[] = {{0, 0}, {49, 0}, {50, 5}, {99, 5}, {100, 6}, {160, 7}, {399, 11}, {400, -1}, {1000, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(panel->ColumnAt(c.x), c.col) << "x " << c.x;
}

TEST_F(FooterPanelTest, AHintAsksTheGridForTheFooterRowOfTheColumn)
{
    int hintRow = -1;
    int hintCol = -1;
    grid->OnGridHint = [&](TObject*, int ARow, int ACol, std::string& Hint) {
        hintRow = ARow;
        hintCol = ACol;
        Hint = "sum";
    };
    panel->SetShowHint(true);
    THintInfo info;
    EXPECT_EQ(AskHint(160, info), 0); // the third scrolled column
    EXPECT_EQ(hintRow, grid->RowCount() - 1);
    EXPECT_EQ(hintCol, 7);
    EXPECT_EQ(info.HintStr, "sum");
    EXPECT_EQ(panel->LastHintX(), 7);

    panel->SetShowHint(false);
    THintInfo refused;
    EXPECT_NE(AskHint(160, refused), 0);
    EXPECT_EQ(panel->LastHintX(), -1);
}

TEST_F(FooterPanelTest, AClickReportsTheFooterCell)
{
    int clicks = 0;
    std::vector<std::pair<int, int>> cells;
    grid->OnClick = [&](TObject*) { ++clicks; };
    grid->OnClickCell = [&](TObject*, int ARow, int ACol) { cells.emplace_back(ARow, ACol); };
    ClickAt(panel, 60, 5);
    ClickAt(panel, 450, 5);
    EXPECT_EQ(clicks, 2);
    const int footerRow = grid->RowCount() - 1;
    EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{{footerRow, 5}, {footerRow, -1}}));
}

TEST_F(FooterPanelTest, TheBorderLineRunsAlongTheTopOnlyWithABorderColour)
{
    grid->SetWidth(700);
    grid->SetLeftCol(3);
    const int columnsWidth = 50 + (12 - grid->LeftCol()) * 50;
    ASSERT_LT(columnsWidth + 20, panel->ClientWidth());
    const struct {
        TFooterStyle style;
        TColor border;
        int lineEnd; // the used width: the columns, or the whole panel for custom painting
    } cases[] = {{fsCustomPreview, clRed, columnsWidth},
                 {fsCustomPaint, clRed, panel->ClientWidth()},
                 {fsCustomPreview, clNone, 0}};
    for (const auto& c : cases) {
        grid->FloatingFooter()->SetFooterStyle(c.style);
        grid->FloatingFooter()->SetBorderColor(c.border);
        TBitmap bitmap;
        bitmap.SetSize(panel->Width(), panel->Height());
        panel->PaintTo(bitmap.Canvas(), 0, 0);
        for (int x : {1, columnsWidth - 2, columnsWidth + 10, panel->ClientWidth() - 2})
            EXPECT_EQ(bitmap.Canvas()->Pixels(x, 0) == clRed, x < c.lineEnd)
                << "style " << c.style << " x " << x;
    }
}

TEST_F(FooterPanelTest, TheCustomPreviewShowsTheCurrentRowsCells)
{
    grid->FocusCell(6, 3);
    grid->SetCells(6, 3, "WWWW");
    grid->FloatingFooter()->SetFooterStyle(fsCustomPreview);
    grid->FloatingFooter()->SetColor(clWhite);
    const struct {
        const char* customTemplate;
        bool dark;
    } cases[] = {{"<#6>", true}, {"<#x>", false}, {"", false}};
    for (const auto& c : cases) {
        grid->FloatingFooter()->SetCustomTemplate(c.customTemplate);
        TBitmap bitmap;
        bitmap.SetSize(panel->Width(), panel->Height());
        panel->PaintTo(bitmap.Canvas(), 0, 0);
        bool dark = false;
        for (int x = 2; x < 40 && !dark; ++x)
            for (int y = 3; y < 18 && !dark; ++y)
                dark = (bitmap.Canvas()->Pixels(x, y) & 0xFF) < 0x80;
        EXPECT_EQ(dark, c.dark) << c.customTemplate;
    }
}

TEST_F(FooterPanelTest, TheFooterRowShowsTheLastRowsCellsUnderTheirColumns)
{
    const int footerRow = grid->RowCount() - 1;
    grid->FloatingFooter()->SetColor(clWhite);
    grid->SetCells(6, footerRow, "WWWW");
    grid->SetColors(7, footerRow, clRed);
    std::vector<std::pair<int, TRect>> painted;
    TBitmap bitmap;
    bitmap.SetSize(panel->Width(), panel->Height());
    const auto paint = [&] { panel->PaintTo(bitmap.Canvas(), 0, 0); };
    const auto darkIn = [](TBitmap& bitmap, int left, int right) {
        for (int x = left; x < right; ++x)
            for (int y = 2; y < bitmap.Height() - 2; ++y)
                if ((bitmap.Canvas()->Pixels(x, y) & 0xFF) < 0x80) return true;
        return false;
    };
    paint();
    // Fixed column 0 takes x 0..49, then columns 5, 6, 7 ... from x 50 on.
    EXPECT_FALSE(darkIn(bitmap, 52, 98));
    EXPECT_TRUE(darkIn(bitmap, 102, 148));
    EXPECT_EQ(bitmap.Canvas()->Pixels(175, 10), clRed);

    grid->OnFooterPaint = [&](TObject* Sender, int AColumn, TCanvas*, const TRect& ARect) {
        EXPECT_EQ(Sender, panel);
        painted.emplace_back(AColumn, ARect);
    };
    paint();
    ASSERT_FALSE(painted.empty());
    EXPECT_EQ(painted.front().first, 5);
    // The default look leaves the white edge on the left of the first cell.
    EXPECT_EQ(painted.front().second.Left, 51);
    EXPECT_EQ(painted.front().second.Right, 100);
}

// A column's calculation sits in the last row's cell properties; setting it computes the
// footer value at once, and Invalidate repaints the panel.
TEST_F(FooterPanelTest, AColumnCalculationIsKeptInTheLastRowAndComputedAtOnce)
{
    TFloatingFooter& footer = *grid->FloatingFooter();
    const int last = grid->RowCount() - 1;
    for (int r = grid->FixedRows(); r < last; ++r)
        grid->SetCells(6, r, "2");
    EXPECT_EQ(footer.GetColumnCalc(6), acNONE);
    EXPECT_FALSE(grid->HasCellProperties(6, last));
    footer.SetColumnCalc(6, acSUM);
    EXPECT_EQ(footer.GetColumnCalc(6), acSUM);
    EXPECT_EQ(grid->GetCellProperties(6, last)->CalcType, acSUM);
    EXPECT_EQ(grid->Cells(6, last), FloatToStrFixed(2.0 * (last - grid->FixedRows()), 2));
    EXPECT_EQ(footer.GetColumnCalc(7), acNONE);

    footer.SetFooterStyle(fsCustomPaint);
    Application->ProcessMessages();
    int paints = 0;
    grid->OnFooterPaint = [&](TObject*, int, TCanvas*, const TRect&) { ++paints; };
    footer.Invalidate();
    Application->ProcessMessages();
    EXPECT_GT(paints, 0);
}

// The application hears once, with the grid as Sender, when the footer's panel gets its
// window, which it does with the grid's.
TEST(FloatingFooterCreationTest, OnCreatedFloatingFooterFiresWhenThePanelHasItsWindow)
{
    TForm form(nullptr);
    auto* grid = new TExtStringGrid(&form);
    grid->SetParent(&form);
    std::vector<TObject*> senders;
    grid->OnCreatedFloatingFooter = [&](TObject* Sender) { senders.push_back(Sender); };
    EXPECT_TRUE(senders.empty());
    form.Show();
    grid->FloatingFooter()->SetVisible(true);
    form.Repaint();
    EXPECT_EQ(senders, std::vector<TObject*>{grid});
}

// The footer row lives in the panel: while the panel shows it, the grid's own copy of the
// last row is blank, and it comes back as soon as the panel shows something else.
TEST(FooterRowTest, TheLastRowShowsInThePanelOnly)
{
    TForm form(nullptr);
    form.SetClientSize(400, 300);
    auto* grid = new TExtStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 400, 300);
    grid->SetRowCount(5);
    form.Show();
    for (int r = 0; r < grid->RowCount(); ++r)
        grid->SetCells(1, r, "WWWWWW");
    const int footer = grid->RowCount() - 1;
    TBitmap bitmap;
    bitmap.SetSize(grid->Width(), grid->Height());
    const auto blank = [&](int ARow) {
        grid->PaintTo(bitmap.Canvas(), 0, 0);
        const std::vector<TColor> inside = CellInside(bitmap, *grid, 1, ARow);
        return std::all_of(inside.begin(), inside.end(),
                           [&](TColor c) { return c == ColorToRGB(grid->Color()); });
    };
    ASSERT_FALSE(blank(footer));

    const struct {
        bool visible;
        TFooterStyle style;
        bool hidden;
    } cases[] = {
        {true, fsFixedLastRow, true},
        {true, fsColumnPreview, false},
        {true, fsFixedLastRow, true},
        {false, fsFixedLastRow, false},
        {false, fsCustomPaint, false},
        {true, fsCustomPaint, false},
    };
    for (const auto& c : cases) {
        grid->FloatingFooter()->SetFooterStyle(c.style);
        grid->FloatingFooter()->SetVisible(c.visible);
        EXPECT_EQ(blank(footer), c.hidden) << "visible " << c.visible << ", style " << c.style;
        EXPECT_FALSE(blank(footer - 1)) << "visible " << c.visible << ", style " << c.style;
    }
}

} // namespace
