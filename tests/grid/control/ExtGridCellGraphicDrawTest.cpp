#include <gtest/gtest.h>

#include <vector>

#include "../foundation/Locale.h"
#include "GridOnForm.h"

namespace {

// Paints one cell's graphic onto a white 100 x 40 bitmap standing for the cell (1, 1).
class ExtGridCellGraphicDrawTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        grid->ControlLook()->SetControlStyle(TControlLook::csClassic);
        grid->ControlLook()->SetCheckSize(15);
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect({0, 0, 100, 40});
    }
    void Paint(TAlignment TextAlign, int TextWidth, TCellVAlign VAlign)
    {
        TCellPaintContext context;
        context.Grid = grid;
        context.Canvas = bitmap.Canvas();
        context.RealCol = 1;
        context.DisplCol = 1;
        context.Row = 1;
        context.CellRect = {0, 0, 100, 40};
        context.GraphicTextHAlign = TextAlign;
        context.VAlign = grid->VAlignment;
        context.TextWidth = TextWidth;
        TCellGraphic* graphic = grid->GetCellGraphicInfo(1, 1, context);
        grid->DrawCellGraphic(context, context.CellRect, graphic, VAlign);
    }
    TColor At(int X, int Y) { return bitmap.Canvas()->Pixels(X, Y); }
    // Pixels of the colour inside the rectangle.
    int Count(const TRect& R, TColor Color)
    {
        int n = 0;
        for (int x = R.Left; x < R.Right; ++x)
            for (int y = R.Top; y < R.Bottom; ++y)
                n += At(x, y) == ColorToRGB(Color) ? 1 : 0;
        return n;
    }

    TBitmap bitmap{100, 40};
};

struct PlacementCase {
    const char* What;
    bool Data;
    TAlignment TextAlign;
    int TextWidth;
    TCellVAlign VAlign;
    TPoint TopLeft;
};

// The box's top-left corner carries the shadow of its sunken frame; the pixel left of it is
// the cell's background.
TEST_F(ExtGridCellGraphicDrawTest, ACheckBoxSitsWhereTheTextAlignmentPutsIt)
{
    const std::vector<PlacementCase> cases = {
        {"data, left", true, taLeftJustify, 0, vaTop, {2, 2}},
        {"data, right", true, taRightJustify, 0, vaTop, {83, 2}},
        {"data, centred", true, taCenter, 0, vaCenter, {42, 12}},
        {"data, centred, bottom", true, taCenter, 0, vaBottom, {42, 23}},
        {"plain, right of text", false, taRightJustify, 20, vaTop, {61, 2}},
        {"plain, centred before text", false, taCenter, 20, vaTop, {24, 2}},
    };
    for (const PlacementCase& c : cases) {
        SetUp();
        grid->AddCheckBox(1, 1, true, c.Data);
        Paint(c.TextAlign, c.TextWidth, c.VAlign);
        const TPoint p = c.TopLeft;
        EXPECT_EQ(At(p.X, p.Y), ColorToRGB(clBtnShadow)) << c.What;
        EXPECT_EQ(At(p.X - 1, p.Y), ColorToRGB(clWhite)) << c.What;
        EXPECT_EQ(At(p.X, p.Y - 1), ColorToRGB(clWhite)) << c.What;
        EXPECT_EQ(At(p.X + 14, p.Y + 14), ColorToRGB(clBtnHighlight)) << c.What;
        EXPECT_EQ(At(p.X + 15, p.Y + 14), ColorToRGB(clWhite)) << c.What;
    }
}

// The state of a data check box is an exact comparison with the check-true text; a cell
// that may not be edited shows a disabled box.
TEST_F(ExtGridCellGraphicDrawTest, ADataCheckBoxIsDrawnCheckedOnlyForItsCheckTrueText)
{
    const TRect inside{44, 14, 55, 25};
    for (const auto& [text, checked] :
         std::vector<std::pair<std::string, bool>>{{"Y", true}, {"y", false}, {"N", false}}) {
        SetUp();
        grid->SetOptions(grid->Options() + goEditing);
        grid->AddCheckBox(1, 1, false, true);
        grid->SetCells(1, 1, text);
        Paint(taCenter, 0, vaCenter);
        EXPECT_EQ(Count(inside, clWindowText) > 0, checked) << text;
        EXPECT_GT(Count(inside, clWindow), 0) << text;
    }
    grid->SetOptions(grid->Options() - goEditing);
    grid->SetCells(1, 1, "Y");
    Paint(taCenter, 0, vaCenter);
    EXPECT_EQ(Count(inside, clWindow), 0);
    EXPECT_EQ(Count(inside, clWindowText), 0);
    EXPECT_GT(Count(inside, clBtnShadow), 0);
}

// A balloon on a check box shares the slot that makes the header's row check box look
// partly checked; the check box itself keeps its look.
TEST_F(ExtGridCellGraphicDrawTest, ABalloonDoesNotGrayACheckBox)
{
    const TRect inside{44, 14, 55, 25};
    grid->SetOptions(grid->Options() + goEditing);
    grid->AddCheckBox(1, 1, false, false);
    grid->AddBalloon(1, 1, "Title", "Text", biInfo);
    Paint(taCenter, 0, vaCenter);
    EXPECT_EQ(Count(inside, clBtnShadow), 0);
    EXPECT_EQ(Count(inside, clWindow), inside.Width() * inside.Height());
}

TEST_F(ExtGridCellGraphicDrawTest, ABitmapLandsInsideTheCellMargin)
{
    TBitmap red(4, 4);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 4, 4});
    grid->AddBitmap(1, 1, &red, false, haLeft, vaTop);
    Paint(taLeftJustify, 0, vaTop);
    EXPECT_EQ(At(2, 2), ColorToRGB(clRed));
    EXPECT_EQ(At(5, 5), ColorToRGB(clRed));
    EXPECT_EQ(At(1, 2), ColorToRGB(clWhite));
    EXPECT_EQ(At(6, 6), ColorToRGB(clWhite));
}

// Once a flat grid has colour tones, its cell buttons are filled in the tone of their state.
TEST_F(ExtGridCellGraphicDrawTest, ButtonsTakeTheToneColoursOfAFlatTonedGrid)
{
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->AddButton(1, 1, 40, 20, "", haLeft, vaTop);
    const TPoint inside{20, 10};
    Paint(taLeftJustify, 0, vaTop);
    const TColor untoned = At(inside.X, inside.Y);

    TColorTones tones;
    tones.Background = {0x00E0D0C0, 0x00604020, clBlack};
    tones.Foreground = {0x00C0C0C0, clGray, clBlack};
    tones.Selected = {0x0000C0FF, clGray, clWhite};
    tones.Hover = {0x00C0FFC0, clGray, clBlack};
    tones.Disabled = {0x00A0A0A0, clGray, clGray};
    grid->SetColorTones(tones);
    ASSERT_EQ(grid->CellButtonKind(), btkCustom);
    const struct {
        bool Down;
        TColor Fill;
    } cases[] = {{false, tones.Background.BrushColor}, {true, tones.Selected.BrushColor}};
    for (const auto& c : cases) {
        grid->PushButton(1, 1, c.Down);
        Paint(taLeftJustify, 0, vaTop);
        EXPECT_EQ(At(inside.X + (c.Down ? 1 : 0), inside.Y), ColorToRGB(c.Fill)) << c.Down;
    }
    EXPECT_NE(untoned, ColorToRGB(tones.Background.BrushColor));
}

// Ratings round down to halves: full stars in the fill colour, a half star in both colours,
// empty stars in the empty colour. A progress pie takes 20 x 20 at the graphic's top-left.
TEST_F(ExtGridCellGraphicDrawTest, RatingsShowFullHalfAndEmptyStars)
{
    struct RatingCase {
        std::string Value;
        std::vector<char> Stars; // 'f' full, 'h' half, 'e' empty
    };
    const std::vector<RatingCase> cases = {
        {"3.7", {'f', 'f', 'f', 'h', 'e'}},
        {"3.9", {'f', 'f', 'f', 'h', 'e'}},
        {"4", {'f', 'f', 'f', 'f', 'e'}},
        {"0", {'e', 'e', 'e', 'e', 'e'}},
    };
    for (const RatingCase& c : cases) {
        SetUp();
        grid->AddRating(1, 1, 5, clRed, clBlue);
        grid->SetCells(1, 1, c.Value);
        Paint(taLeftJustify, 0, vaTop);
        for (int i = 0; i < 5; ++i) {
            const TRect star{1 + 18 * i, 2, 1 + 18 * i + 16, 18};
            const int red = Count(star, clRed), blue = Count(star, clBlue);
            const char seen = red > 0 && blue > 0 ? 'h' : red > 0 ? 'f' : 'e';
            EXPECT_EQ(seen, c.Stars[i]) << c.Value << " star " << i;
        }
    }
    SetUp();
    grid->AddProgressPie(1, 1, clRed, 100);
    Paint(taLeftJustify, 0, vaTop);
    EXPECT_GT(Count({2, 2, 22, 22}, clRed), 0);
    EXPECT_EQ(Count({22, 0, 100, 40}, clRed), 0);
    EXPECT_EQ(Count({0, 22, 100, 40}, clRed), 0);
}

TEST_F(ExtGridCellGraphicDrawTest, GraphicInfoTellsSizeAndWhetherTheTextShows)
{
    struct InfoCase {
        std::function<void()> Add;
        TPoint Size;
        bool ShowText;
    };
    const std::vector<InfoCase> cases = {
        {[&] { grid->AddCheckBox(1, 1, false, false); }, {15, 15}, true},
        {[&] { grid->AddCheckBox(1, 1, false, true); }, {15, 15}, false},
        {[&] { grid->AddRadioButton(1, 1, false); }, {14, 14}, true},
        {[&] { grid->AddProgressPie(1, 1, clRed, 5); }, {20, 20}, true},
        {[&] { grid->AddRating(1, 1, 4, clRed, clGray); }, {72, 16}, false},
        {[&] { grid->AddProgress(1, 1, clRed, clWhite); }, {0, 0}, false},
        {[&] { grid->AddButton(1, 1, 30, 12, "b", haLeft, vaTop); }, {30, 12}, true},
        {[&] { grid->RemoveCellGraphic(1, 1); }, {0, 0}, true},
    };
    for (const InfoCase& c : cases) {
        c.Add();
        TCellPaintContext context;
        grid->GetCellGraphicInfo(1, 1, context);
        EXPECT_EQ(context.GraphicWidth, c.Size.X);
        EXPECT_EQ(context.GraphicHeight, c.Size.Y);
        EXPECT_EQ(context.ShowText, c.ShowText);
    }
}

// A group without a selected index checks the caption equal to the cell text, if any.
TEST_F(ExtGridCellGraphicDrawTest, ARadioGroupChecksTheCaptionOfTheCellText)
{
    TStringList captions;
    captions.Add("a");
    captions.Add("b");
    const int lineHeight = grid->Canvas()->TextHeight("gh");
    for (const auto& [text, checkedItem] : std::vector<std::pair<std::string, int>>{{"b", 1}, {"x", -1}}) {
        SetUp();
        grid->SetCells(1, 1, text);
        grid->DrawRadioGroup(bitmap.Canvas(), {0, 0, 100, 40}, 2, -1, false, false, &captions, false, 1, 1,
                             TControlLook::csClassic, 1.0, false);
        for (int i = 0; i < 2; ++i) {
            const int x = 2, y = 2 + lineHeight * i;
            EXPECT_EQ(At(x + 5, y + 5) == ColorToRGB(clWindowText), i == checkedItem)
                << text << " item " << i;
        }
    }
}

TEST_F(ExtGridCellGraphicDrawTest, FormattedCellsUseTheFloatFormatOnlyThroughTheEvent)
{
    LocaleScope english(kEnglish);
    struct FormatCase {
        std::string Text;
        std::string Format;
        std::string Shown;
    };
    const std::vector<FormatCase> cases = {
        {"1.5", "%.3f", "1.500"}, {"7", "%d", "7"}, {"1.5", "%d", "1.5"},
        {"abc", "%.3f", "abc"},   {"2", "", "2"},
    };
    grid->SetCells(1, 1, "1.5");
    EXPECT_EQ(grid->GetFormattedCell(1, 1), "1.5");
    for (const FormatCase& c : cases) {
        grid->OnGetFloatFormat = [&c](TObject*, int, int, bool&, std::string& Format) { Format = c.Format; };
        grid->SetCells(1, 1, c.Text);
        EXPECT_EQ(grid->GetFormattedCell(1, 1), c.Shown) << c.Text << " " << c.Format;
    }
    EXPECT_EQ(TExtStringGrid::LimitPercent(-3), 0);
    EXPECT_EQ(TExtStringGrid::LimitPercent(130), 100);
    EXPECT_EQ(TExtStringGrid::LimitPercent(42.5), 42.5);
}

} // namespace
