#include <gtest/gtest.h>

#include <functional>

#include "GridOnForm.h"
#include "grid/control/CellLook.h"
#include "grid/foundation/model/Bands.h"
#include "grid/foundation/model/MouseActions.h"

// Which colour, gradient, font and state a cell resolves to, for the rules that compete
// for it.

namespace {

struct TResolved {
    TColor Brush = clNone;
    TColor ColorTo = clNone;
    TColor FontColor = clNone;
    bool Bold = false;
    TGridDrawState State;
    TAlignment HAlign = taLeftJustify;
};

class ExtGridVisualPropertiesTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->SetSelection(TGridRect{-1, -1, -1, -1});
    }
    TResolved Resolve(int ACol, int ARow, TGridDrawState State = {}, bool Select = true)
    {
        TBitmap bitmap(4, 4);
        TCanvas& canvas = *bitmap.Canvas();
        TResolved r;
        r.State = State;
        TColor mirror = clNone, mirrorTo = clNone;
        TVAlignment vAlign = vtaTop;
        bool wordWrap = false;
        TCellGradientDirection direction = GradientVertical;
        grid->GetVisualProperties(ACol, ARow, r.State, false, Select, true, canvas.Brush(), r.ColorTo, mirror,
                                  mirrorTo, canvas.Font(), r.HAlign, vAlign, wordWrap, direction);
        r.Brush = canvas.Brush()->Color();
        r.FontColor = canvas.Font()->Color();
        r.Bold = canvas.Font()->Style().Contains(fsBold);
        return r;
    }
};

TEST_F(ExtGridVisualPropertiesTest, ColourPrecedence)
{
    const TColor own = 0x123456, primary = 0x00DDEEFF, secondary = 0x00FFEEDD;
    const struct {
        const char* what;
        std::function<void(TExtStringGrid&)> setUp;
        int col, row;
        TColor brush, colorTo;
        bool fixed;
    } cases[] = {
        {"plain body cell", [](TExtStringGrid&) {}, 2, 3, clWindow, clNone, false},
        {"header takes the look's fixed gradient", [](TExtStringGrid&) {}, 2, 0, clWhite, clNone, true},
        {"classic header takes the fixed colour", [](TExtStringGrid& g) { g.SetLook(glClassic); }, 2, 0,
         clBtnFace, clNone, true},
        {"own colour beats the fixed row",
         [](TExtStringGrid& g) { g.GetCellProperties(2, 0)->SetBrushColor(own); }, 2, 0, own, clNone,
         false},
        {"own colour beats the footer row",
         [](TExtStringGrid& g) {
             g.FixedFooters = 1;
             g.GetCellProperties(2, 7)->SetBrushColor(own);
         },
         2, 7, own, clNone, false},
        {"footer row takes the fixed colour without the fixed look",
         [](TExtStringGrid& g) { g.FixedFooters = 1; }, 2, 7, clBtnFace, clNone, false},
        {"first band row", [](TExtStringGrid&) {}, 2, 1, primary, clNone, false},
        {"second band row", [](TExtStringGrid&) {}, 2, 2, secondary, clNone, false},
        {"third band row", [](TExtStringGrid&) {}, 2, 3, primary, clNone, false},
        {"fixed right column is never banded", [](TExtStringGrid& g) { g.FixedRightCols = 1; }, 5, 1,
         clBtnFace, clNone, false},
        {"colour event has the last word",
         [](TExtStringGrid& g) {
             g.OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush* B, TFont*) {
                 B->SetColor(clRed);
             };
         },
         2, 3, clRed, clNone, false},
        {"gradient event sets brush and gradient",
         [](TExtStringGrid& g) {
             g.OnGetCellGradient = [](TObject*, int, int, TColor& C, TColor& To, TColor&, TColor&,
                                      TCellGradientDirection&) {
                 C = clAqua;
                 To = clNavy;
             };
         },
         2, 3, clAqua, clNavy, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid->Bands()->SetPrimaryColor(primary);
        grid->Bands()->SetSecondaryColor(secondary);
        grid->Bands()->SetPrimaryLength(1);
        grid->Bands()->SetSecondaryLength(1);
        grid->Bands()->SetActive(std::string(c.what).find("band") != std::string::npos);
        c.setUp(*grid);
        const TResolved r = Resolve(c.col, c.row);
        EXPECT_EQ(ColorToRGB(r.Brush), ColorToRGB(c.brush));
        if (c.colorTo != clNone || !c.fixed) {
            EXPECT_EQ(r.ColorTo, c.colorTo);
        }
        EXPECT_EQ(r.State.Contains(gdFixed), c.fixed);
        EXPECT_EQ(r.Bold, c.row == 0) << "the fixed font in the fixed area only";
        // Back to the defaults for the next case.
        grid->SetLook(glXP);
        grid->FixedFooters = 0;
        grid->FixedRightCols = 0;
        grid->OnGetCellColor = nullptr;
        grid->OnGetCellGradient = nullptr;
        for (int r = 0; r < grid->RowCount(); ++r)
            grid->SetCellProperties(2, r, nullptr);
    }
}

TEST_F(ExtGridVisualPropertiesTest, FixedGradientRunsToTheButtonFaceOnModernLooks)
{
    const TResolved r = Resolve(2, 0);
    EXPECT_EQ(r.Brush, clWhite);
    EXPECT_EQ(ColorToRGB(r.ColorTo), ColorToRGB(clBtnFace));
    EXPECT_TRUE(r.Bold);
}

TEST_F(ExtGridVisualPropertiesTest, RangeSelectionColoursAndTheMixer)
{
    grid->Bands()->SetPrimaryColor(clWhite);
    grid->Bands()->SetSecondaryColor(clBlack);
    grid->Bands()->SetActive(true);
    grid->SetSelection(TGridRect{1, 1, 3, 2});
    const TColor mixed = MixColors(grid->SelectionColor, clBlack, 50);
    const struct {
        const char* what;
        bool mixer;
        int col, row;
        TColor brush;
        bool selected;
    } cases[] = {
        {"on the grid colour: pure selection colour", true, 2, 1, grid->SelectionColor, true},
        {"on a band colour with the mixer: half and half", true, 2, 2, mixed, true},
        {"on a band colour without the mixer", false, 2, 2, grid->SelectionColor, true},
        {"outside the selection", true, 4, 2, clBlack, false},
    };
    grid->Bands()->SetPrimaryColor(grid->Color());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid->SetSelectionColorMixer(c.mixer);
        const TResolved r = Resolve(c.col, c.row);
        EXPECT_EQ(ColorToRGB(r.Brush), ColorToRGB(c.brush));
        EXPECT_EQ(r.State.Contains(gdSelected), c.selected);
        if (c.selected) {
            EXPECT_EQ(r.FontColor, grid->SelectionTextColor);
        }
    }
    // The cell painter resolves without the selection modes.
    EXPECT_EQ(ColorToRGB(Resolve(2, 1, {}, false).Brush), ColorToRGB(grid->Color()));
}

TEST_F(ExtGridVisualPropertiesTest, DisjunctRowsColourOnlyFlaggedRows)
{
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetSelection(TGridRect{1, 1, 4, 3});
    grid->SetRowSelect(5, true);
    const TResolved flagged = Resolve(2, 5);
    EXPECT_EQ(flagged.Brush, grid->SelectionColor);
    EXPECT_TRUE(flagged.State == TGridDrawState{gdSelected});
    const TResolved inRange = Resolve(2, 2, {gdSelected});
    EXPECT_FALSE(inRange.State.Contains(gdSelected));
    EXPECT_NE(inRange.Brush, grid->SelectionColor);
}

// Only listed cells look selected; the current cell, even inside the selection, looks as
// it would without one unless it is listed.
TEST_F(ExtGridVisualPropertiesTest, DisjunctCellsColourOnlyListedCells)
{
    grid->MouseActions()->SetDisjunctCellSelect(true);
    grid->SetSelection(TGridRect{1, 1, 1, 1});
    const TColor plain = Resolve(2, 5).Brush;
    grid->SetSelectedCells(3, 4, true);
    // The base painter marks the cells of the selection rectangle.
    const struct {
        int Col, Row;
        TGridDrawState Marked;
        bool Selected;
    } cases[] = {{3, 4, {}, true}, {2, 5, {}, false}, {1, 1, {gdSelected}, false}};
    for (const auto& c : cases) {
        const TResolved r = Resolve(c.Col, c.Row, c.Marked);
        EXPECT_EQ(r.State.Contains(gdSelected), c.Selected) << c.Col << "," << c.Row;
        EXPECT_EQ(r.Brush, c.Selected ? grid->SelectionColor : plain) << c.Col << "," << c.Row;
    }
    grid->SetSelectedCells(1, 1, true);
    EXPECT_EQ(Resolve(1, 1).Brush, grid->SelectionColor);
}

TEST_F(ExtGridVisualPropertiesTest, DisabledGridGreysEveryTextSelectedOnesToo)
{
    grid->SetSelection(TGridRect{1, 1, 2, 2});
    grid->SetEnabled(false);
    EXPECT_EQ(Resolve(3, 4).FontColor, grid->DisabledFontColor);
    EXPECT_EQ(Resolve(1, 1).FontColor, grid->DisabledFontColor);
    grid->UseDisabledFont = false;
    EXPECT_EQ(Resolve(1, 1).FontColor, grid->SelectionTextColor);
}

// A disabled or disjunctly selected row looks so itself when a row above it is hidden:
// the flags are read at the row they were set on.
TEST_F(ExtGridVisualPropertiesTest, RowFlagsLookOnTheirOwnRowsUnderAHiddenRow)
{
    grid->HideRow(2);
    grid->SetRowEnabled(4, false);
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetRowSelect(5, true);
    const struct {
        int row;
        bool disabled, selected;
    } cases[] = {{3, false, false}, {4, true, false}, {5, false, true}, {6, false, false}};
    for (const auto& c : cases) {
        const TResolved r = Resolve(2, c.row);
        EXPECT_EQ(r.FontColor == grid->DisabledFontColor, c.disabled) << "row " << c.row;
        EXPECT_EQ(r.State.Contains(gdSelected), c.selected) << "row " << c.row;
    }
}

TEST_F(ExtGridVisualPropertiesTest, CheckBoxCellWithOwnColourStillTakesTheFixedLook)
{
    TCellGraphic checkBox;
    checkBox.CellType = ctCheckBox;
    for (int row : {0, 3}) {
        grid->GetCellProperties(2, row)->SetBrushColor(clLime);
        grid->GetCellProperties(2, row)->GraphicObject = &checkBox;
    }
    const TResolved header = Resolve(2, 0);
    EXPECT_TRUE(header.State.Contains(gdFixed));
    EXPECT_TRUE(header.Bold);
    EXPECT_EQ(header.Brush, clWhite) << "the fixed gradient of glXP";
    EXPECT_EQ(Resolve(2, 3).Brush, clLime);
    for (int row : {0, 3})
        grid->GetCellProperties(2, row)->GraphicObject = nullptr;
}

TEST_F(ExtGridVisualPropertiesTest, MixColors)
{
    const struct {
        TColor c1, c2;
        int percent;
        TColor expected;
    } cases[] = {
        {clWhite, clBlack, 100, clWhite}, {clWhite, clBlack, 0, clBlack},
        {clWhite, clNone, 50, clWhite},   {clNone, clBlack, 50, clBlack},
        {clWhite, clBlack, 50, 0x808080}, {RGB(200, 100, 0), RGB(0, 0, 255), 25, RGB(50, 25, 191)},
        {clWhite, clBlack, 150, clWhite},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MixColors(c.c1, c.c2, c.percent), c.expected) << c.c1 << " " << c.c2 << " " << c.percent;
    EXPECT_EQ(MixColorsIf(clWhite, clBlack, false, 50), clWhite);
}

TEST_F(ExtGridVisualPropertiesTest, NumbersAlignRightUnlessFormulaOrOwnAlignment)
{
    grid->AutoNumAlign = true;
    const struct {
        const char* text;
        bool ownLeft;
        TAlignment expected;
    } cases[] = {
        {"12.5", false, taRightJustify}, {"-7", false, taRightJustify}, {"1e5", false, taRightJustify},
        {"=1+2", false, taLeftJustify},  {"abc", false, taLeftJustify}, {"", false, taLeftJustify},
        {"12.5", true, taLeftJustify},
    };
    for (const auto& c : cases) {
        grid->SetCellProperties(2, 3, nullptr);
        grid->SetCells(2, 3, c.text);
        if (c.ownLeft) grid->GetCellProperties(2, 3)->Alignment = taLeftJustify;
        TAlignment h = taCenter;
        TVAlignment v = vtaTop;
        grid->GetCellAlignmentEx(2, 3, h, v);
        EXPECT_EQ(h, c.expected) << c.text;
    }
}

} // namespace
