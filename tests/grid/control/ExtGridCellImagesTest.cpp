#include <gtest/gtest.h>

#include <vector>

#include "ColourImageList.h"
#include "GridOnForm.h"
#include "grid/foundation/model/IntList.h"

namespace {

// A grid with an image list of three 10 x 8 images, red, green and blue.
class ExtGridCellImagesTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        images = NewColourImageList(&form);
        grid->SetGridImages(images);
    }
    // Paints the graphic of cell (1, 1) onto a white 100 x 40 bitmap standing for the cell.
    void Paint()
    {
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect({0, 0, 100, 40});
        TCellPaintContext context;
        context.Grid = grid;
        context.Canvas = bitmap.Canvas();
        context.RealCol = context.DisplCol = context.Row = 1;
        context.CellRect = {0, 0, 100, 40};
        context.VAlign = grid->VAlignment;
        TCellGraphic* graphic = grid->GetCellGraphicInfo(1, 1, context);
        grid->DrawCellGraphic(context, context.CellRect, graphic, vaTop);
    }
    TColor At(int X, int Y) { return bitmap.Canvas()->Pixels(X, Y); }

    TCustomImageList* images = nullptr;
    TBitmap bitmap{100, 40};
};

} // namespace

TEST_F(ExtGridCellImagesTest, WithoutAnImageListNoImageCellIsAdded)
{
    grid->SetGridImages(nullptr);
    grid->SetCells(1, 1, "");
    grid->AddImageIdx(1, 1, 2, haLeft, vaTop);
    grid->AddDataImage(1, 1, 3, haLeft, vaTop);
    grid->AddMultiImage(1, 1, 0, haLeft, vaTop);
    EXPECT_EQ(grid->GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(grid->Cells(1, 1), "");
}

TEST_F(ExtGridCellImagesTest, AnImageCellKeepsItsIndexAndLosesItWithoutTheList)
{
    grid->AddImageIdx(1, 1, 2, haLeft, vaTop);
    int idx = -1;
    ASSERT_TRUE(grid->GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 2);
    grid->SetImageIdx(1, 1, 1);
    ASSERT_TRUE(grid->GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 1);
    EXPECT_EQ(grid->GetImageSortValue(1, 1), 1);
    EXPECT_FALSE(grid->GetImageIdx(2, 1, idx));

    // Freeing the list leaves no dangling list behind; the cell can still be cleared.
    delete images;
    EXPECT_EQ(grid->GridImages(), nullptr);
    EXPECT_FALSE(grid->GetImageIdx(1, 1, idx));
    EXPECT_TRUE(grid->RemoveImageIdx(1, 1));
    EXPECT_EQ(grid->GetCellType(1, 1), ctEmpty);
}

TEST_F(ExtGridCellImagesTest, ADataImageStartsAnEmptyCellAtItsIndexAndLeavesATextAlone)
{
    grid->SetCells(1, 1, "");
    grid->AddDataImage(1, 1, 3, haLeft, vaTop);
    EXPECT_EQ(grid->Cells(1, 1), "3");
    EXPECT_TRUE(grid->HasDataImage(1, 1));
    EXPECT_TRUE(grid->IsDataGraphicCell(1, 1));

    grid->SetCells(2, 1, "7");
    grid->AddDataImage(2, 1, 3, haLeft, vaTop);
    EXPECT_EQ(grid->Cells(2, 1), "7");

    grid->RemoveDataImage(1, 1);
    EXPECT_FALSE(grid->HasDataImage(1, 1));
    EXPECT_EQ(grid->Cells(1, 1), "");
    // The text goes even where no data image was.
    grid->SetCells(3, 1, "x");
    grid->RemoveDataImage(3, 1);
    EXPECT_EQ(grid->Cells(3, 1), "");
}

TEST_F(ExtGridCellImagesTest, AMultiImageCellOwnsItsListOfIndexes)
{
    grid->AddMultiImage(1, 1, 0, haLeft, vaTop);
    TIntList* list = grid->GetCellImages(1, 1);
    ASSERT_NE(list, nullptr);
    list->Add(0);
    list->Add(2);
    EXPECT_EQ(grid->GetCellImages(2, 1), nullptr);
    EXPECT_TRUE(grid->RemoveMultiImage(1, 1));
    EXPECT_EQ(grid->GetCellImages(1, 1), nullptr);
}

TEST_F(ExtGridCellImagesTest, ImageCellsMeasureByTheListsImageSize)
{
    struct SizeCase {
        const char* What;
        std::string Text;
        TCellHAlign HAlign;
        TCellVAlign VAlign;
        TPoint Screen;
    };
    const std::vector<SizeCase> cases = {
        {"no text", "", haLeft, vaTop, {10, 8}},
        {"text, placed left", "abc", haLeft, vaTop, {0, 0}},
        {"text, before it", "abc", haBeforeText, vaTop, {10, 0}},
        {"text, under it", "abc", haLeft, vaUnderText, {0, 8}},
    };
    for (const SizeCase& c : cases) {
        grid->SetCells(1, 1, c.Text);
        grid->AddImageIdx(1, 1, 0, c.HAlign, c.VAlign);
        EXPECT_EQ(grid->GetCellGraphicSize(1, 1), c.Screen) << c.What;
    }
    // On paper the image keeps its height.
    grid->SetCells(1, 1, "abc");
    grid->AddImageIdx(1, 1, 0, haLeft, vaTop);
    EXPECT_EQ(grid->GetCellTextGraphicSize(1, 1, 100, 40, 1), (TPoint{0, 8}));
    grid->AddDataImage(1, 1, 0, haLeft, vaTop);
    EXPECT_EQ(grid->GetCellTextGraphicSize(1, 1, 100, 40, 1), (TPoint{10, 8}));

    for (int dir : {0, 1}) {
        grid->AddMultiImage(1, 1, dir, haLeft, vaTop);
        for (int i = 0; i < 3; ++i)
            grid->GetCellImages(1, 1)->Add(i);
        const TPoint expected = dir == 0 ? TPoint{30, 8} : TPoint{10, 24};
        EXPECT_EQ(grid->GetCellGraphicSize(1, 1), expected) << dir;
        EXPECT_EQ(grid->GetCellTextGraphicSize(1, 1, 100, 40, 1), expected) << dir;
    }
}

TEST_F(ExtGridCellImagesTest, ImagesAreDrawnFromTheList)
{
    grid->AddImageIdx(1, 1, 2, haLeft, vaTop);
    Paint();
    EXPECT_EQ(At(3, 3), ColorToRGB(clBlue));

    // A data image shows the image of the cell's number, and none for a text that is none.
    grid->SetCells(1, 1, "1");
    grid->AddDataImage(1, 1, 0, haLeft, vaTop);
    Paint();
    EXPECT_EQ(At(3, 3), ColorToRGB(clLime));
    grid->SetCells(1, 1, "many");
    Paint();
    EXPECT_EQ(At(3, 3), ColorToRGB(clWhite));

    grid->AddMultiImage(1, 1, 0, haLeft, vaTop);
    grid->GetCellImages(1, 1)->Add(2);
    grid->GetCellImages(1, 1)->Add(0);
    Paint();
    EXPECT_EQ(At(3, 3), ColorToRGB(clBlue));
    EXPECT_EQ(At(13, 3), ColorToRGB(clRed));
    EXPECT_EQ(At(23, 3), ColorToRGB(clWhite));
}
