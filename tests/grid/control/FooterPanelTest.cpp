#include <gtest/gtest.h>

#include "GridOnForm.h"
#include "grid/control/FooterPanel.h"
#include "grid/control/settings/FloatingFooter.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Input.h"

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

} // namespace
