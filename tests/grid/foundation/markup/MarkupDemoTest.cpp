#include <gtest/gtest.h>

#include "../PlainLookGrid.h"
#include "grid/foundation/painting/GridPictureSource.h"
#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/painting/PictureContainer.h"
#include "platform/ui/Forms.h"
#include "support/TestFiles.h"

namespace {

// A base grid whose cells hold markup, drawn by the renderer with the grid's pictures.
class TMarkupGrid : public TPlainLookGrid {
public:
    explicit TMarkupGrid(TComponent* owner) : TPlainLookGrid(owner), pictures_(&container, nullptr) {}
    TPictureContainer container{nullptr};

protected:
    void DrawCellContent(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect,
                         TGridDrawState AState) override
    {
        THtmlDrawParams params;
        params.Pictures = &pictures_;
        params.WordWrap = true;
        params.Selected = AState.Contains(gdSelected);
        if (params.Selected) Canvas->Font()->SetColor(clHighlightText);
        TRect r = ARect;
        r.Left += 2;
        r.Top += 2;
        HtmlDraw(Canvas, Cells(ACol, ARow), r, params);
    }

private:
    TGridPictureSource pictures_;
};

// A 16 x 16 picture: a blue square with a yellow centre.
void MakeIcon(const std::string& path)
{
    TBitmap icon(16, 16);
    icon.Canvas()->Brush()->SetColor(clBlue);
    icon.Canvas()->FillRect(Rect(0, 0, 16, 16));
    icon.Canvas()->Brush()->SetColor(clYellow);
    icon.Canvas()->FillRect(Rect(4, 4, 12, 12));
    icon.SaveToFile(path);
}

// Markup cells as the renderer shows them in a grid (examples/window_gallery saves such a
// grid as a picture to look at).
TEST(MarkupDemoTest, MarkupCellsRenderInAGrid)
{
    TempDir dir;
    MakeIcon(dir.File("icon.bmp"));
    TForm form(nullptr);
    form.SetClientSize(560, 230);
    auto* grid = new TMarkupGrid(&form);
    grid->SetParent(&form);
    grid->SetAlign(alClient);
    TPictureItem* item = grid->container.Items()->Add();
    item->SetName("icon");
    item->Picture()->LoadFromFile(dir.File("icon.bmp"));
    grid->SetColCount(3);
    grid->SetRowCount(4);
    grid->SetColWidths(0, 30);
    grid->SetColWidths(1, 250);
    grid->SetColWidths(2, 270);
    for (int r = 1; r < 4; ++r)
        grid->SetRowHeights(r, 64);
    grid->SetCells(1, 0, "<B>Markup</B>");
    grid->SetCells(2, 0, "<I>More markup</I>");
    grid->SetCells(1, 1, "Plain, <B>bold</B>, <I>italic</I>, <U>underlined</U> and <S>struck</S> text");
    grid->SetCells(
        2, 1,
        "<FONT COLOR=\"clRed\">red</FONT> <FONT COLOR=\"#008000\" BGCOLOR=\"clYellow\">green on "
        "yellow</FONT> <FONT FACE=\"Courier New\" SIZE=\"4\">big</FONT> x<SUP>2</SUP> H<SUB>2</SUB>O");
    grid->SetCells(1, 2, "<UL><LI>first item<LI>second item<UL><LI>nested</UL></UL>");
    grid->SetCells(2, 2,
                   "<IMG SRC=\"icon\" ALIGN=\"middle\"> picture and <A HREF=\"http://x\">an anchor</A>");
    grid->SetCells(
        1, 3,
        "<CONTROL TYPE=\"CHECK\" ID=\"c1\" WIDTH=\"16\" VALUE=\"TRUE\"> checked <CONTROL TYPE=\"EDIT\" "
        "ID=\"e1\" WIDTH=\"60\" VALUE=\"text\">");
    grid->SetCells(2, 3, "<P ALIGN=\"right\">right</P><P ALIGN=\"center\"><R a=\"20\">turned</R> text</P>");
    form.Show();

    TBitmap shot(form.ClientWidth(), form.ClientHeight());
    form.PaintTo(shot.Canvas(), 0, 0);
    // The bold header, the red word and the picture's yellow centre are on the screen.
    auto has = [&](const TRect& r, TColor color) {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (shot.Canvas()->Pixels(x, y) == color) return true;
        return false;
    };
    const TRect cellRed = grid->CellRect(2, 1), cellImage = grid->CellRect(2, 2), cellAnchor = cellImage;
    EXPECT_TRUE(has(cellRed, clRed));
    EXPECT_TRUE(has(cellRed, clYellow));
    EXPECT_TRUE(has(cellImage, clYellow));
    EXPECT_TRUE(has(cellAnchor, clBlue));
}

} // namespace
