#include <gtest/gtest.h>

#include <vector>

#include "GridOnForm.h"
#include "PaintedCells.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/painting/ColorUtils.h"

// The cell painter's sequence: the fixed-cell looks, the owner-draw events and what the
// grid's switches leave out.

namespace {

class ExtGridCellPainterTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetBorderStyle(bsNone);
        grid->SetSelection(TGridRect{-1, -1, -1, -1});
        bitmap.SetSize(grid->Width(), grid->Height());
    }
    void PaintGrid() { grid->PaintTo(bitmap.Canvas(), 0, 0); }
    TColor Pixel(int X, int Y) { return bitmap.Canvas()->Pixels(X, Y); }
    std::vector<TColor> Inside(int ACol, int ARow) { return CellInside(bitmap, *grid, ACol, ARow); }
    TBitmap bitmap;
};

TEST_F(ExtGridCellPainterTest, FixedCellLookFollowsTheLook)
{
    const TColor face = ColorToRGB(clBtnFace);
    const struct {
        TGridLook look;
        bool flat;
        TColor bottomLine, topInside;
    } cases[] = {
        {glXP, false, HalveColor(clBtnFace), clWhite},
        {glXP, true, clGray, clWhite},
        {glStandard, false, clGray, face},
        {glClassic, false, clBlack, clWhite},
    };
    for (const auto& c : cases) {
        grid->SetLook(c.look);
        grid->SetFlat(c.flat);
        PaintGrid();
        const TRect r = grid->CellRect(2, 0);
        const int x = (r.Left + r.Right) / 2;
        EXPECT_EQ(Pixel(x, r.Bottom - 1), ColorToRGB(c.bottomLine)) << c.look << " flat " << c.flat;
        EXPECT_EQ(Pixel(x, r.Top), ColorToRGB(c.topInside)) << c.look << " flat " << c.flat;
    }
}

TEST_F(ExtGridCellPainterTest, ZoomFactorChangesTheFontSizeByPoints)
{
    grid->Font()->SetSize(8);
    int drawnSize = 0;
    grid->OnCustomCellDraw = [&drawnSize](TObject*, TCanvas* Canvas, int ACol, int ARow, TGridDrawState,
                                          const TRect&, bool) {
        if (ACol == 2 && ARow == 2) drawnSize = Canvas->Font()->Size();
    };
    for (const auto& [zoom, size] : {std::pair{0, 8}, {2, 10}, {-2, 6}}) {
        grid->ZoomFactor = zoom;
        PaintGrid();
        EXPECT_EQ(drawnSize, size) << zoom;
    }
}

TEST_F(ExtGridCellPainterTest, NoDefaultDrawLeavesTheTextToTheEventsOnly)
{
    grid->SetCells(1, 2, "text");
    PaintGrid();
    const std::vector<TColor> empty = Inside(1, 3);
    const std::vector<TColor> withText = Inside(1, 2);
    ASSERT_NE(withText, empty);
    grid->NoDefaultDraw = true;
    PaintGrid();
    EXPECT_EQ(Inside(1, 2), withText) << "no effect without a drawing event";
    std::vector<TPoint> drawn;
    grid->OnDrawCell = [&drawn](TObject*, int ACol, int ARow, const TRect&, TGridDrawState) {
        drawn.push_back({ACol, ARow});
    };
    PaintGrid();
    EXPECT_EQ(Inside(1, 2), empty);
    EXPECT_FALSE(drawn.empty());
}

TEST_F(ExtGridCellPainterTest, SelectedUnfocusedCellWithoutSelectionColourTakesTheHighlight)
{
    grid->SetSelectionColor(clNone);
    TColor brush = clNone;
    grid->OnCustomCellBkgDraw = [&brush](TObject*, TCanvas* Canvas, int ACol, int ARow, TGridDrawState S,
                                         const TRect&, bool) {
        if (ACol == 1 && ARow == 2 && !S.Contains(gdFocused)) brush = Canvas->Brush()->Color();
    };
    grid->SetSelection(TGridRect{1, 2, 2, 3});
    PaintGrid();
    EXPECT_EQ(brush, clHighlight);
}

TEST_F(ExtGridCellPainterTest, IndexedSortHeadersShowTheirPosition)
{
    for (int c = 1; c < 4; ++c)
        grid->SetCells(c, 0, "H");
    grid->SortSettings()->Column = 1;
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->IndexShow = true;
    grid->SortIndexes.AddIndex(1, true);
    grid->SortIndexes.AddIndex(2, true);
    PaintGrid();
    const std::vector<TColor> first = Inside(1, 0), second = Inside(2, 0), unsorted = Inside(3, 0);
    EXPECT_NE(first, unsorted);
    EXPECT_NE(second, unsorted);
    EXPECT_NE(first, second) << "the numbers 1 and 2";
}

} // namespace
