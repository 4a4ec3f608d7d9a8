#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "GridOnForm.h"

namespace {

using ExtGridCellGraphicSizeTest = GridOnForm;

struct PictureCase {
    TStretchMode Mode;
    int Room;
    TPoint Size;
};

TEST(CellGraphicPictureSize, APictureFitsItsRoomByItsStretchMode)
{
    TBitmap bitmap(100, 50);
    TPicture picture;
    picture.SetGraphic(&bitmap);
    const std::vector<PictureCase> cases = {
        {StretchWithAspectRatio, 60, {60, 30}},
        {ShrinkWithAspectRatio, 60, {60, 30}},
        {Shrink, 60, {60, 60}},
        {Shrink, 200, {100, 50}},
        {noStretch, 60, {100, 50}},
        {noStretch, 200, {100, 50}},
        {Stretch, 200, {200, 200}},
        {StretchWithAspectRatio, 200, {200, 100}},
        {ShrinkWithAspectRatio, 200, {100, 50}},
    };
    for (const PictureCase& c : cases) {
        TCellGraphic graphic;
        graphic.SetPicture(&picture, false, c.Mode, 0, haLeft, vaTop);
        const TPoint size = graphic.GetPictureSize(c.Room, c.Room, false);
        EXPECT_EQ(size.X, c.Size.X) << c.Mode << " in " << c.Room;
        EXPECT_EQ(size.Y, c.Size.Y) << c.Mode << " in " << c.Room;
        graphic.CellBitmap = nullptr;
    }
    TCellGraphic padded;
    padded.SetPicture(&picture, false, Stretch, 10, haLeft, vaTop);
    EXPECT_EQ(padded.GetPictureSize(60, 40, true).X, 50);
    EXPECT_EQ(padded.GetPictureSize(60, 40, true).Y, 30);
    padded.CellBitmap = nullptr;
}

struct SizeCase {
    const char* What;
    std::function<void(TExtStringGrid&)> Set;
    TPoint Screen;
};

TEST_F(ExtGridCellGraphicSizeTest, EachKindMeasuresItsRoomBesideOrAboveTheText)
{
    grid->ControlLook()->SetCheckSize(15);
    grid->SetColWidths(1, 80);
    grid->SetRowHeights(1, 30);
    static TBitmap icon(12, 10);
    const int c = 1, r = 1;
    const std::vector<SizeCase> cases = {
        {"nothing", [](TExtStringGrid&) {}, {0, 0}},
        {"check box", [](TExtStringGrid& g) { g.AddCheckBox(c, r, true, false); }, {15, 15}},
        {"radio button", [](TExtStringGrid& g) { g.AddRadioButton(c, r, true); }, {10, 10}},
        {"icon left of text", [](TExtStringGrid& g) { g.AddIcon(c, r, &icon, haLeft, vaTop); }, {0, 10}},
        {"icon before text",
         [](TExtStringGrid& g) { g.AddIcon(c, r, &icon, haBeforeText, vaTop); },
         {12, 10}},
        {"bitmap left of text",
         [](TExtStringGrid& g) { g.AddBitmap(c, r, &icon, false, haLeft, vaTop); },
         {0, 0}},
        {"bitmap above text",
         [](TExtStringGrid& g) { g.AddBitmap(c, r, &icon, false, haLeft, vaAboveText); },
         {0, 10}},
        {"progress pie", [](TExtStringGrid& g) { g.AddProgressPie(c, r, clRed, 10); }, {20, 20}},
        {"rating keeps its width", [](TExtStringGrid& g) { g.AddRating(c, r, 5, clRed, clGray); }, {90, 16}},
        {"button beside text",
         [](TExtStringGrid& g) { g.AddButton(c, r, 40, 18, "b", haLeft, vaTop); },
         {40, 0}},
        {"button under text",
         [](TExtStringGrid& g) { g.AddButton(c, r, 40, 18, "b", haLeft, vaUnderText); },
         {0, 18}},
        {"centred button",
         [](TExtStringGrid& g) { g.AddButton(c, r, 40, 18, "b", haCenter, vaTop); },
         {0, 0}},
        {"full height",
         [](TExtStringGrid& g) { g.AddShape(c, r, csCircle, clRed, clRed, haLeft, vaFull); },
         {0, 30}},
        {"full width",
         [](TExtStringGrid& g) { g.AddShape(c, r, csCircle, clRed, clRed, haFull, vaTop); },
         {80, 0}},
    };
    for (const SizeCase& k : cases) {
        grid->RemoveCellGraphic(c, r);
        grid->SetCells(c, r, "text");
        k.Set(*grid);
        const TPoint size = grid->GetCellGraphicSize(c, r);
        EXPECT_EQ(size.X, k.Screen.X) << k.What;
        EXPECT_EQ(size.Y, k.Screen.Y) << k.What;
    }
}

TEST_F(ExtGridCellGraphicSizeTest, ARadioGroupGivesEachCaptionALine)
{
    TStringList captions;
    captions.Add("one");
    captions.Add("two");
    captions.Add("three");
    grid->AddRadio(1, 1, 0, 0, &captions);
    const int textHeight = grid->Canvas()->TextHeight("gh");
    const int widest = grid->Canvas()->TextWidth("three") + 12;
    const TPoint screen = grid->GetCellGraphicSize(1, 1);
    EXPECT_EQ(screen.X, widest);
    EXPECT_EQ(screen.Y, 3 * std::max(16, textHeight));
    const TPoint printed = grid->GetCellTextGraphicSize(1, 1, 100, 100, 1.0);
    EXPECT_EQ(printed.Y, 3 * textHeight);

    grid->AddRadio(2, 1, 1, 0, &captions);
    int sideBySide = 0;
    for (const char* caption : {"one", "two", "three"})
        sideBySide += grid->Canvas()->TextWidth(caption) + 12;
    EXPECT_EQ(grid->GetCellGraphicSize(2, 1).X, sideBySide);
    EXPECT_EQ(grid->GetCellGraphicSize(2, 1).Y, textHeight);
}

TEST_F(ExtGridCellGraphicSizeTest, PrintedSizesFollowThePage)
{
    grid->SetColWidths(1, 70);
    grid->SetRowHeights(1, 24);
    grid->AddProgress(1, 1, clRed, clWhite);
    EXPECT_EQ(grid->GetCellTextGraphicSize(1, 1, 0, 0, 1.0).X, 70);
    EXPECT_EQ(grid->GetCellTextGraphicSize(1, 1, 0, 0, 1.0).Y, 24);
    grid->AddShape(1, 1, csCircle, clRed, clRed, haLeft, vaTop);
    EXPECT_EQ(grid->GetCellTextGraphicSize(1, 1, 0, 0, 1.0).X, 20);
    grid->AddButton(1, 1, 40, 18, "b", haFull, vaTop);
    EXPECT_EQ(grid->GetCellTextGraphicSize(1, 1, 0, 0, 1.0).X, 40);

    TBitmap bitmap(100, 50);
    TPicture* picture = grid->CreatePicture(1, 1, false, Stretch, 0, haLeft, vaTop);
    picture->SetGraphic(&bitmap);
    const TPoint halved = grid->GetCellTextGraphicSize(1, 1, 200, 100, 2.0);
    EXPECT_EQ(halved.X, 100);
    EXPECT_EQ(halved.Y, 50);
    const TPoint unscaled = grid->GetCellTextGraphicSize(1, 1, 200, 100, 0.0);
    EXPECT_EQ(unscaled.X, 200); // a zero scale divides nothing
}

} // namespace
