#include <gtest/gtest.h>

#include "GridOnForm.h"

// The room a cell's text needs, compared with the same text measured directly in the
// cell's font.

namespace {

using ExtGridTextSizeTest = GridOnForm;

TEST_F(ExtGridTextSizeTest, PlainTextIsMeasuredLineByLine)
{
    TBitmap probe(1, 1);
    TCanvas& canvas = *probe.Canvas();
    canvas.Font()->Assign(*grid->Font());
    const int lineHeight = canvas.TextHeight("gh");
    const struct {
        const char* what;
        std::string text;
        bool multiline, urlShow;
        int width, lines;
    } cases[] = {
        {"one line", "a text", false, false, canvas.TextWidth("a text"), 1},
        {"the widest of two lines", "short\r\na longer line", true, false, canvas.TextWidth("a longer line"),
         2},
        {"only the first line without multi-line cells", "short\r\na longer line", false, false,
         canvas.TextWidth("short"), 1},
        {"a link without its scheme", "http://example.org", false, true, canvas.TextWidth("example.org"), 1},
        {"non-ASCII text", "Größe €", false, false, canvas.TextWidth("Größe €"), 1},
    };
    for (const auto& c : cases) {
        grid->Multilinecells = c.multiline;
        grid->SetURLShow(c.urlShow);
        grid->SetCells(2, 2, c.text);
        const TSize size = grid->GetCellTextSize(2, 2, false, false);
        EXPECT_EQ(size.cx, c.width) << c.what;
        EXPECT_EQ(size.cy, lineHeight * c.lines) << c.what;
    }
}

TEST_F(ExtGridTextSizeTest, BoldHeaderAndMarkupTakeMoreRoom)
{
    grid->SetCells(2, 0, "Header");
    grid->SetCells(2, 2, "Header");
    EXPECT_GT(grid->GetCellTextSize(2, 0, false, false).cx, grid->GetCellTextSize(2, 2, false, false).cx);
    grid->SetCells(2, 3, "<b>Header</b>");
    const TSize markup = grid->GetCellTextSize(2, 3, false, false);
    EXPECT_GT(markup.cx, grid->GetCellTextSize(2, 2, false, false).cx);
    EXPECT_GT(markup.cy, 0);
}

} // namespace
