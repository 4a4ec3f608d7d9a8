#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "../PlainLookGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

namespace {

// Stands for the grid control's cell graphic: only an object of exactly this class name is
// freed with the cell's properties.
class TCellGraphic : public TObject {
public:
    explicit TCellGraphic(bool* Freed) : FFreed(Freed) {}
    ~TCellGraphic() override { *FFreed = true; }

private:
    bool* FFreed;
};
class TOwnGraphic : public TCellGraphic {
    using TCellGraphic::TCellGraphic;
};

// A base grid that records what its hooks see and paints plain backgrounds.
class TProbeGrid : public TPlainLookGrid {
public:
    using TBaseGrid::FreeCellPropertiesRange;
    using TPlainLookGrid::TPlainLookGrid;

    void SetHideLastRow(bool Value) { FHideLastRow = Value; }
    void SetNormalRowCount(int Value) { FNormalRowCount = Value; }
    void SetHoverRowIdx(int Value) { FHoverRowIdx = Value; }

    std::map<std::pair<int, int>, int> Painted;
    std::vector<std::pair<int, int>> TextChanged;
    int FooterChanges = 0;

protected:
    void DrawCellContent(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect,
                         TGridDrawState AState) override
    {
        ++Painted[{ACol, ARow}];
        TBaseGrid::DrawCellContent(Canvas, ACol, ARow, ARect, AState);
    }
    void CellTextChanged(int ACol, int ARow) override { TextChanged.push_back({ACol, ARow}); }
    void FooterRowChanged() override { ++FooterChanges; }
};

// A 6 x 8 grid of 40 x 20 cells with one fixed column and row, on a shown off-screen form.
class BaseGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.SetClientSize(260, 120);
        grid = new TProbeGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 260, 120);
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->SetDefaultColWidth(40);
        grid->SetDefaultRowHeight(20);
        form.Show();
    }
    TColor PaintAndProbe(int X, int Y)
    {
        bitmap.SetSize(grid->Width(), grid->Height());
        grid->PaintTo(bitmap.Canvas(), 0, 0);
        return bitmap.Canvas()->Pixels(X, Y);
    }
    void Paint() { PaintAndProbe(0, 0); }

    TForm form{nullptr};
    TProbeGrid* grid = nullptr;
    TBitmap bitmap;
};

TEST_F(BaseGridTest, StoresAndReadsCellsBeyondItsCounts)
{
    grid->SetCells(10, 3, "hidden column");
    grid->SetCells(2, 30, "beyond the rows");
    EXPECT_EQ(grid->Cells(10, 3), "hidden column");
    EXPECT_EQ(grid->Cells(2, 30), "beyond the rows");
    EXPECT_EQ(grid->Cells(40, 40), "");
    EXPECT_FALSE(grid->HasCellProperties(10, 3));
    grid->SetRowCount(2);
    EXPECT_EQ(grid->Cells(2, 30), "beyond the rows");
}

TEST_F(BaseGridTest, NewCellPropertiesTakeTheGridsDefaults)
{
    grid->SetColor(clYellow);
    TFont font;
    font.SetName("Arial");
    font.SetSize(12);
    font.SetColor(clMaroon);
    font.SetStyle({fsBold});
    grid->SetFont(&font);
    grid->SetWordWrap(false);
    TCellProperties* props = grid->GetCellProperties(2, 3);
    EXPECT_EQ(props->BrushColor(), clYellow);
    EXPECT_EQ(props->BrushColorTo(), clNone);
    EXPECT_EQ(props->FontName, "Arial");
    EXPECT_EQ(props->FontSize, 12);
    EXPECT_EQ(props->FontColor, clMaroon);
    EXPECT_EQ(props->FontStyle, TFontStyles{fsBold});
    EXPECT_FALSE(props->WordWrap());
    EXPECT_EQ(props->Alignment, taLeftJustify);
    EXPECT_EQ(props->VAlignment(), vtaTop);
    EXPECT_EQ(props->GradientDirection, GradientVertical);
    EXPECT_TRUE(props->IsBaseCell);
    EXPECT_EQ(props->CellSpanX, -1);
    EXPECT_EQ(props->CellSpanY, -1);
    EXPECT_EQ(props->OwnerCol(), 2);
    EXPECT_EQ(props->OwnerRow(), 3);
    EXPECT_EQ(grid->GetCellProperties(2, 3), props);
    EXPECT_EQ(grid->GridObjects(2, 3), props);
}

TEST_F(BaseGridTest, ObjectsLiveInThePropertiesAndLeaveTheTextAlone)
{
    TObject marker;
    grid->SetObjects(1, 1, &marker);
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_TRUE(grid->HasCellProperties(1, 1));
    EXPECT_EQ(grid->Objects(1, 1), &marker);
    EXPECT_EQ(grid->Objects(2, 2), nullptr);
    EXPECT_EQ(grid->GraphicObjects(1, 1), nullptr);
}

TEST_F(BaseGridTest, TextsGoThroughTheBaseCellOfABlock)
{
    grid->SetCells(1, 1, "base");
    grid->SetCells(2, 2, "covered");
    grid->SetCells(4, 4, "plain");
    grid->MergeCells(1, 1, 2, 2);
    EXPECT_EQ(grid->Cells(2, 2), "base");
    grid->TextChanged.clear();
    grid->SetCells(2, 1, "new");
    EXPECT_EQ(grid->GridCells(1, 1), "new");
    EXPECT_EQ(grid->GridCells(2, 1), "");
    grid->SetCells(4, 4, "still plain");
    EXPECT_EQ(grid->TextChanged, (std::vector<std::pair<int, int>>{{1, 1}}));
    grid->SplitCells(1, 2);
    EXPECT_EQ(grid->Cells(2, 2), "covered");
}

TEST_F(BaseGridTest, FooterRowWritesAreReported)
{
    grid->SetHideLastRow(true);
    grid->SetCells(1, 6, "x");
    EXPECT_EQ(grid->FooterChanges, 0);
    grid->SetCells(1, 7, "sum");
    EXPECT_EQ(grid->FooterChanges, 1);
    EXPECT_EQ(grid->Cells(1, 7), "sum");
}

TEST_F(BaseGridTest, DisplayHooksRunOnlyForNormalRows)
{
    int calls = 0;
    grid->OnGetDisplWideText = [&](TObject*, int, int, std::string&) { ++calls; };
    grid->SetCells(1, 1, "abc");
    EXPECT_EQ(grid->Cells(1, 1), "abc"); // no normal rows in a base grid on its own
    EXPECT_EQ(calls, 0);
    grid->SetNormalRowCount(2);
    EXPECT_EQ(grid->Cells(1, 1), std::string("|\\\0a\0b\0c", 8));
    grid->OnGetDisplText = [](TObject*, int ACol, int ARow, std::string& Value) {
        Value += std::to_string(ACol) + std::to_string(ARow);
    };
    grid->OnGetDisplWideText = nullptr;
    grid->MergeCells(1, 1, 2, 1);
    EXPECT_EQ(grid->Cells(2, 1), "abc11"); // the hook sees the base cell
    EXPECT_EQ(grid->Cells(1, 3), "");
    grid->SetCells(1, 3, "raw");
    EXPECT_EQ(grid->Cells(1, 3), "raw");
}

TEST_F(BaseGridTest, OnlyPlainCellGraphicsAreFreedWithTheProperties)
{
    bool plainFreed = false, ownFreed = false;
    grid->SetGraphicObjects(1, 1, new TCellGraphic(&plainFreed));
    auto own = std::make_unique<TOwnGraphic>(&ownFreed);
    grid->SetGraphicObjects(2, 1, own.get());
    grid->FreeCellPropertiesRange(0, 0, 5, 5);
    EXPECT_TRUE(plainFreed);
    EXPECT_FALSE(ownFreed);
    EXPECT_FALSE(grid->HasCellProperties(1, 1));
    EXPECT_FALSE(grid->HasCellProperties(2, 1));
}

TEST_F(BaseGridTest, UndoHistoryIsLinkedAndDroppedWhenFreed)
{
    auto* history = new TExtGridUndoRedo(&form);
    grid->SetUndoRedo(history);
    EXPECT_EQ(history->Grid(), grid);
    delete history;
    EXPECT_EQ(grid->UndoRedo(), nullptr);
}

TEST_F(BaseGridTest, MergedBlockPaintsOncePerCycle)
{
    grid->MergeCells(1, 1, 2, 3);
    Paint();
    EXPECT_EQ(grid->Painted[std::make_pair(1, 1)], 1);
    grid->Painted.clear();
    Paint();
    EXPECT_EQ(grid->Painted[std::make_pair(1, 1)], 1);
}

TEST_F(BaseGridTest, BlockWhoseBaseIsScrolledAwayIsStillPaintedOnce)
{
    grid->SetRowCount(30);
    grid->MergeCells(1, 1, 2, 3);
    grid->SetTopRow(2);
    grid->Painted.clear();
    Paint();
    EXPECT_EQ(grid->Painted[std::make_pair(1, 1)], 1);
    EXPECT_EQ(grid->Painted.count(std::make_pair(2, 2)), 0u);
    // Below the fixed row the block is painted, above it clipped away.
    EXPECT_EQ(PaintAndProbe(60, 30), clWhite);
    EXPECT_EQ(PaintAndProbe(60, 10), ColorToRGB(clBtnFace));
}

// A scroll moves the painted pixels, a merged block's too: what shows after it is what a
// full repaint shows, whichever way the block is cut by the scroll.
TEST_F(BaseGridTest, ScrolledBlocksShowAsAFullRepaintShowsThem)
{
    const auto shown = [this] {
        TBitmap shot(grid->Width(), grid->Height());
        form.PaintTo(shot.Canvas(), 0, 0); // the grid's own pixels as they are, nothing invalidated
        std::vector<TColor> pixels;
        for (int y = 0; y < grid->Height(); ++y)
            for (int x = 0; x < grid->Width(); ++x)
                pixels.push_back(shot.Canvas()->Pixels(x, y));
        return pixels;
    };
    grid->SetRowCount(30);
    grid->SetColCount(12);
    grid->MergeCells(2, 2, 2, 3);
    grid->SetCells(2, 2, "block");
    grid->SetSelectionStyle(ssDefault);
    Application->ProcessMessages();
    for (const auto& [msg, code] : {std::pair{WM_VSCROLL, SB_LINEDOWN}, std::pair{WM_VSCROLL, SB_LINEDOWN},
                                    std::pair{WM_HSCROLL, SB_LINEDOWN}, std::pair{WM_VSCROLL, SB_LINEUP},
                                    std::pair{WM_HSCROLL, SB_LINEUP}}) {
        grid->Perform(msg, code);
        grid->Update();
        const std::vector<TColor> scrolled = shown();
        grid->Repaint();
        EXPECT_EQ(scrolled, shown()) << "top row " << grid->TopRow() << ", left column " << grid->LeftCol();
    }
}

// A block whose base cell lost its properties paints as single cells.
TEST_F(BaseGridTest, BrokenBlockPaintsItsCellsSingly)
{
    grid->MergeCells(1, 1, 2, 2);
    grid->FreeCellPropertiesRange(1, 1, 1, 1);
    Paint();
    EXPECT_EQ(grid->Painted[std::make_pair(2, 2)], 1);
    EXPECT_EQ(grid->Painted[std::make_pair(1, 1)], 1);
}

TEST_F(BaseGridTest, GridLinesInTheirColours)
{
    EXPECT_EQ(PaintAndProbe(60, 39), clSilver); // bottom line of cell (1, 1)
    EXPECT_EQ(PaintAndProbe(79, 30), clSilver); // its right line
    EXPECT_EQ(PaintAndProbe(20, 19), clGray);   // bottom line of the fixed cell (0, 0)
    EXPECT_EQ(PaintAndProbe(100, 50), clWhite);
    grid->SetGridLineColor(clRed);
    EXPECT_EQ(PaintAndProbe(60, 39), clRed);
}

// The line width and the default-drawing flag are one property each, whichever pointer
// reaches them: setting them as a platform grid neither moves the cells nor lets the
// platform draw over the grid's own painting.
TEST_F(BaseGridTest, LineWidthAndDefaultDrawingAreOnePropertyThroughAnyPointer)
{
    TCustomGrid* platformGrid = grid;
    const TRect cell = grid->CellRect(2, 2);
    EXPECT_EQ(platformGrid->GridLineWidth(), 1);
    EXPECT_FALSE(platformGrid->DefaultDrawing());

    platformGrid->SetGridLineWidth(3);
    platformGrid->SetDefaultDrawing(true);
    EXPECT_EQ(grid->GridLineWidth(), 3);
    EXPECT_TRUE(grid->DefaultDrawing());
    EXPECT_EQ(platformGrid->GridLineWidth(), 3);
    EXPECT_EQ(platformGrid->CellRect(2, 2), cell);
    EXPECT_EQ(grid->CellRect(2, 2), cell);
    // The grid's own 3-pixel line closes the cell; no platform line or focus frame.
    EXPECT_EQ(PaintAndProbe(cell.Left + 20, cell.Bottom - 3), clSilver);
    EXPECT_EQ(PaintAndProbe(cell.Left + 20, cell.Bottom - 4), clWhite);
}

TEST_F(BaseGridTest, HiddenFooterRowIsAPlainRectangle)
{
    grid->SetColor(clAqua);
    grid->SetRowCount(5);
    grid->SetHideLastRow(true);
    grid->SetCells(1, 4, "sum");
    EXPECT_EQ(PaintAndProbe(60, 90), clAqua);
    EXPECT_EQ(PaintAndProbe(60, 99), clAqua); // no line
    EXPECT_EQ(grid->Painted.count(std::make_pair(1, 4)), 0u);
}

TEST_F(BaseGridTest, ActiveRowColoursTheOtherCellsOfTheCurrentRow)
{
    grid->SetActiveRowShow(true);
    grid->SetCol(2);
    grid->SetRow(2);
    grid->SetSelection({2, 2, 2, 2});
    ASSERT_EQ(grid->Row(), 2);
    ASSERT_EQ(grid->Col(), 2);
    EXPECT_EQ(PaintAndProbe(60, 50), ColorToRGB(clInfoBk));  // (1, 2)
    EXPECT_EQ(PaintAndProbe(100, 50), clNavy);               // the current cell, selected
    EXPECT_EQ(PaintAndProbe(20, 50), ColorToRGB(clBtnFace)); // fixed column
    TBitmap ext(40, 20);
    grid->Painted.clear();
    grid->PaintCellExt(ext.Canvas(), 3, 3, Rect(0, 0, 40, 20), {gdSelected});
    EXPECT_EQ(ext.Canvas()->Pixels(20, 10), ColorToRGB(clInfoBk));
    EXPECT_TRUE(grid->Painted.empty());
}

TEST_F(BaseGridTest, HoverRowSparesSelectedCellsWithoutHcSelected)
{
    grid->SetHoverRow(true);
    grid->SetHoverRowColor(clLime);
    grid->SetHoverRowCells({hcNormal});
    grid->SetCol(2);
    grid->SetRow(3);
    grid->SetSelection({2, 3, 2, 3});
    grid->SetHoverRowIdx(3);
    EXPECT_EQ(PaintAndProbe(60, 70), clLime);
    EXPECT_EQ(PaintAndProbe(100, 70), clNavy);
}

struct TLookCase {
    TGridSelectionStyle Style;
    bool FocusLook;
    TColor Border;
};

class SelectionLookPaintTest : public BaseGridTest, public testing::WithParamInterface<TLookCase> {};

// Cells (1, 1) .. (3, 1) selected: a left end, a middle and a right end.
TEST_P(SelectionLookPaintTest, SelectedRangeReadsAsOneBar)
{
    const TLookCase& look = GetParam();
    grid->SetSelectionStyle(look.Style);
    if (look.FocusLook) {
        grid->SetOptions(grid->Options() + goDrawFocusSelected);
    } else {
        auto* other = new TEdit(&form);
        other->SetParent(&form);
        other->SetFocus();
        ASSERT_FALSE(grid->Focused());
    }
    grid->SetSelection({1, 1, 3, 1});
    EXPECT_EQ(PaintAndProbe(45, 20), look.Border);          // top frame of the left end
    EXPECT_EQ(PaintAndProbe(40, 30), look.Border);          // its left side
    EXPECT_NE(PaintAndProbe(80, 30), look.Border);          // the middle cell has no side line
    EXPECT_EQ(PaintAndProbe(80, 20), look.Border);          // but the top frame runs on
    EXPECT_EQ(PaintAndProbe(158, 30), look.Border);         // right side of the right end (x = R - 1)
    EXPECT_TRUE(grid->Painted.count(std::make_pair(2, 1))); // the text is still drawn
}

INSTANTIATE_TEST_SUITE_P(Looks, SelectionLookPaintTest,
                         testing::Values(TLookCase{ssVista, true, 0xFDDE99},
                                         TLookCase{ssWin7, true, 0xCEA27D},
                                         TLookCase{ssOffice2007, true, 0x8DD7D3},
                                         TLookCase{ssVista, false, 0xD9D9D9}));

} // namespace

namespace {

TEST_F(BaseGridTest, ArrowsStepOverABlockAsOneCell)
{
    grid->MergeCells(2, 2, 3, 1);
    struct {
        Word Key;
        int Col, Row;
    } const cases[] = {{VK_RIGHT, 5, 2}, {VK_LEFT, 1, 2}, {VK_DOWN, 2, 3}, {VK_UP, 2, 1}};
    for (const auto& c : cases) {
        grid->SetCol(2);
        grid->SetRow(2);
        grid->Perform(WM_KEYDOWN, c.Key);
        EXPECT_EQ(grid->Col(), c.Col) << "key " << c.Key;
        EXPECT_EQ(grid->Row(), c.Row) << "key " << c.Key;
    }
    grid->SetCol(1);
    grid->SetRow(1);
    grid->Perform(WM_KEYDOWN, VK_DOWN);
    grid->Perform(WM_KEYDOWN, VK_RIGHT); // from (1, 2) into the block: its base cell
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(BaseGridTest, BlockRectangleSurvivesAZeroWidthColumn)
{
    grid->SetColWidths(1, 0);
    grid->MergeCells(1, 1, 2, 3);
    const TRect r = grid->CellRect(2, 2);
    EXPECT_EQ(r.Top, 20);
    EXPECT_EQ(r.Bottom, 80);
    EXPECT_EQ(r.Left, 40);
    EXPECT_EQ(r.Right, 80);
    EXPECT_EQ(grid->CellSize(1, 1), (TPoint{40, 60}));
    EXPECT_EQ(grid->CellRect(3, 5), Rect(80, 100, 120, 120));
}

} // namespace
