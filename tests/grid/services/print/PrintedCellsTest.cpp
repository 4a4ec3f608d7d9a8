#include <gtest/gtest.h>

#include <functional>

#include "../../control/ColourImageList.h"
#include "../../control/GridOnForm.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/foundation/model/IntList.h"
#include "grid/services/print/PrintCanvas.h"
#include "platform/print/Printers.h"
#include "platform/rtl/Classes.h"
#include "support/TestFiles.h"

namespace {

// Text is drawn smoothed: its pixels are shades of its colour.
bool Reddish(TColor Pixel)
{
    const int r = Pixel & 0xFF, g = (Pixel >> 8) & 0xFF, b = (Pixel >> 16) & 0xFF;
    return r > 160 && g < 120 && b < 120;
}

constexpr int kPageWidth = 794, kPageHeight = 1123;

// Rotated and graphic cells on a preview page of A4 at 96 pixels to the inch.
class PrintedCellsTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        images = NewColourImageList(&form);
        grid->SetGridImages(images);
    }
    void Preview()
    {
        page.Canvas()->Brush()->SetColor(clWhite);
        page.Canvas()->FillRect(Rect(0, 0, kPageWidth, kPageHeight));
        grid->PrintPreview(page.Canvas(), Rect(0, 0, kPageWidth, kPageHeight));
    }
    // The pixels of a colour in the page's top band, where the small grids lie, and the
    // box around them.
    int Count(TColor Color, TRect* Box = nullptr)
    {
        return Count([Color](TColor Pixel) { return Pixel == Color; }, Box);
    }
    int Count(const std::function<bool(TColor)>& Matches, TRect* Box = nullptr)
    {
        int count = 0;
        TRect box{kPageWidth, kPageHeight, -1, -1};
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < kPageWidth; ++x)
                if (Matches(page.Canvas()->Pixels(x, y))) {
                    ++count;
                    box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x),
                           std::max(box.Bottom, y)};
                }
        if (Box) *Box = box;
        return count;
    }
    TPrintSettings& settings() { return *grid->PrintSettings(); }

    TCustomImageList* images = nullptr;
    TBitmap page{kPageWidth, kPageHeight};
};

TEST_F(PrintedCellsTest, GraphicsPrintWithTheGridsOwnDrawings)
{
    struct Case {
        const char* Kind;
        TColor Ink;
        std::function<void(TExtStringGrid&)> Add;
    };
    const Case cases[] = {
        {"image list", clBlue, [](TExtStringGrid& g) { g.AddImageIdx(1, 1, 2, haLeft, vaTop); }},
        {"data image", clBlue,
         [](TExtStringGrid& g) {
             g.SetCells(1, 1, "2");
             g.AddDataImage(1, 1, 0, haLeft, vaTop);
         }},
        {"multi image", clBlue,
         [](TExtStringGrid& g) {
             g.AddMultiImage(1, 1, 0, haLeft, vaTop);
             g.GetCellImages(1, 1)->Add(2);
             g.GetCellImages(1, 1)->Add(2);
         }},
        {"progress bar", clBlue,
         [](TExtStringGrid& g) {
             g.SetCells(1, 1, "60");
             g.AddProgress(1, 1, clBlue, clWhite);
         }},
        {"progress pie", clBlue, [](TExtStringGrid& g) { g.AddProgressPie(1, 1, clBlue, 75); }},
        // The node box is drawn in the node colour, black by default, beside the same text.
        {"node", clBlack, [](TExtStringGrid& g) { g.AddNode(1, 2); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Kind);
        FillPlain({{"a", "b"}, {"c", "d"}, {"e", "f"}, {"g", "h"}});
        settings().Borders = pbNoborder;
        c.Add(*grid);
        settings().PrintGraphics = false;
        Preview();
        const int textOnly = Count(c.Ink);
        settings().PrintGraphics = true;
        Preview();
        EXPECT_GT(Count(c.Ink), textOnly + 4);
        grid->ClearAll();
        grid->RemoveAllNodes();
        for (int col = 0; col < 2; ++col)
            for (int r = 0; r < 4; ++r)
                grid->RemoveCellGraphic(col, r);
    }
}

TEST_F(PrintedCellsTest, ProgressBarFillsThePrintedCellWithoutItsValueText)
{
    FillPlain({{"Name", "Stand"}, {"Eintrag mit langem Namen", "60"}});
    grid->AddProgress(1, 1, clBlue, clYellow);
    settings().PrintGraphics = true;
    settings().Borders = pbNoborder;
    Preview();
    TRect blue, yellow;
    ASSERT_GT(Count(clBlue, &blue), 0);
    ASSERT_GT(Count(clYellow, &yellow), 0);
    EXPECT_LT(blue.Right, yellow.Right) << "done part on the left, the rest on the right";
    const double pixelsPerUnit = 96 / 254.0;
    const int cellLeft = static_cast<int>(grid->PrintColOffset(1) * pixelsPerUnit);
    const int cellRight =
        static_cast<int>((grid->PrintColOffset(1) + grid->PrintColWidth(1)) * pixelsPerUnit);
    EXPECT_NEAR(blue.Left, cellLeft, 8);
    EXPECT_NEAR(yellow.Right, cellRight, 30) << "the bar spans the printed column";
}

TEST_F(PrintedCellsTest, RotatedCellPrintsTurnedAndReadsUpwards)
{
    const std::string text = "MMMMMMMM..........";
    FillPlain({{text}});
    grid->Font()->SetColor(clRed);
    settings().Borders = pbNoborder;
    Preview();
    TRect level;
    ASSERT_GT(Count(Reddish, &level), 0);
    const int levelWidth = grid->PrintColWidth(0);
    EXPECT_GT(level.Width(), 3 * level.Height());

    grid->AddRotated(0, 0, 90, text);
    Preview();
    TRect turned;
    ASSERT_GT(Count(Reddish, &turned), 0);
    EXPECT_GT(turned.Height(), 3 * turned.Width());
    EXPECT_LT(grid->PrintColWidth(0), levelWidth / 2) << "the column takes the turned text's width";
    // The heavy letters come first and so lie at the bottom of upward text.
    int lower = 0, upper = 0;
    const int middle = (turned.Top + turned.Bottom) / 2;
    for (int y = turned.Top; y <= turned.Bottom; ++y)
        for (int x = turned.Left; x <= turned.Right; ++x)
            if (Reddish(page.Canvas()->Pixels(x, y))) ++(y > middle ? lower : upper);
    EXPECT_GT(lower, 2 * upper);

    grid->PrinterDriverFix = true;
    Preview();
    TRect fixed;
    Count(Reddish, &fixed);
    EXPECT_EQ(fixed.Top, turned.Top) << "a preview never turns text back";
    EXPECT_EQ(fixed.Left, turned.Left);
}

// A check box alone in its cell follows the cell's alignment.
TEST_F(PrintedCellsTest, CheckBoxWithoutTextGoesWhereTheTextWould)
{
    FillPlain({{"", "x"}, {"Eine recht breite Zeile", "y"}});
    grid->AddCheckBox(0, 0, true, false);
    settings().PrintGraphics = true;
    settings().Borders = pbNoborder;
    const auto render = [&](TAlignment Align) {
        grid->OnGetAlignment = [Align](TObject*, int ARow, int ACol, TAlignment& HAlign, TVAlignment&) {
            if (ARow == 0 && ACol == 0) HAlign = Align;
        };
        Preview();
        std::vector<TColor> pixels;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < kPageWidth; ++x)
                pixels.push_back(page.Canvas()->Pixels(x, y));
        return pixels;
    };
    const std::vector<TColor> left = render(taLeftJustify), right = render(taRightJustify),
                              centre = render(taCenter);
    // Only the box moves, so the pixels that differ are the box's.
    const auto boxOf = [&](const std::vector<TColor>& Mine, const std::vector<TColor>& Other) {
        TRect box{kPageWidth, 300, -1, -1};
        for (size_t i = 0; i < Mine.size(); ++i)
            if (Mine[i] != Other[i] && Mine[i] != clWhite) {
                const int x = static_cast<int>(i % kPageWidth), y = static_cast<int>(i / kPageWidth);
                box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x),
                       std::max(box.Bottom, y)};
            }
        return box;
    };
    const TRect leftBox = boxOf(left, right), rightBox = boxOf(right, left), centreBox = boxOf(centre, left);
    ASSERT_GE(leftBox.Right, 0);
    ASSERT_GE(rightBox.Right, 0);
    EXPECT_GT(rightBox.Left, leftBox.Right);
    EXPECT_GT(centreBox.Left, leftBox.Left);
    EXPECT_LT(centreBox.Right, rightBox.Right);
}

// A picture above or under its text stacks with it: the row grows, the column does not,
// and the text moves out of the picture's way.
TEST_F(PrintedCellsTest, PictureAboveOrUnderTheTextStacksWithIt)
{
    struct Case {
        TCellVAlign Place;
        bool TextBelowPicture;
    };
    for (const Case c : {Case{vaAboveText, true}, Case{vaUnderText, false}}) {
        SCOPED_TRACE(c.Place);
        FillPlain({{"Beschriftung"}});
        grid->Font()->SetColor(clRed);
        settings().PrintGraphics = true;
        settings().Borders = pbNoborder;
        Preview();
        const int plainWidth = grid->PrintColWidth(0);
        grid->AddImageIdx(0, 0, 2, haLeft, c.Place);
        Preview();
        TRect text, picture;
        ASSERT_GT(Count(Reddish, &text), 0);
        ASSERT_GT(Count(clBlue, &picture), 0);
        EXPECT_EQ(grid->PrintColWidth(0), plainWidth);
        if (c.TextBelowPicture)
            EXPECT_GT(text.Top, picture.Bottom);
        else
            EXPECT_LT(text.Bottom, picture.Top);
        grid->RemoveCellGraphic(0, 0);
    }
}

TEST(PrintedTextEscapement, DriverFixTurnsBackOnlyOnPrintersThatNeedIt)
{
    struct Case {
        bool Previewing, DriverFix;
        int LandscapeRotation;
        int Expected;
    };
    const Case cases[] = {
        {true, true, 90, -450},
        {false, true, 90, 450},
        {false, true, 270, -450},
        {false, false, 90, -450},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintedTextEscapement(45, c.Previewing, c.DriverFix, c.LandscapeRotation), c.Expected)
            << c.Previewing << c.DriverFix << " " << c.LandscapeRotation;
}

TEST_F(PrintedCellsTest, RadioGroupPrintsInPlaceOfTheCellText)
{
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext missing";
    TempDir dir;
    const std::string pdf = dir.File("radio.pdf"), txt = dir.File("radio.txt");
    FillPlain({{"Wahl", "Zahl"}, {"Zellwert", "1"}});
    TStringList* captions = grid->CreateRadio(0, 1, 1, 1);
    captions->Add("Alpha");
    captions->Add("Beta");
    const auto printed = [&](bool Graphics) {
        settings().PrintGraphics = Graphics;
        Printer()->SetFileName(pdf);
        grid->Print();
        Printer()->SetFileName("");
        EXPECT_EQ(std::system(("pdftotext '" + pdf + "' '" + txt + "'").c_str()), 0);
        return ReadTestFile(txt);
    };
    EXPECT_NE(printed(false).find("Zellwert"), std::string::npos);
    EXPECT_EQ(printed(true).find("Zellwert"), std::string::npos);
    settings().PrintGraphics = true;
    Preview();
    int marks = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < kPageWidth; ++x)
            if (page.Canvas()->Pixels(x, y) != clWhite) ++marks;
    settings().PrintGraphics = false;
    grid->RemoveRadio(0, 1);
    Preview();
    int textMarks = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < kPageWidth; ++x)
            if (page.Canvas()->Pixels(x, y) != clWhite) ++textMarks;
    EXPECT_NE(marks, textMarks) << "the group is drawn";
}

TEST_F(PrintedCellsTest, RichTextCellPrintsWhatItSays)
{
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext missing";
    TempDir dir;
    const std::string pdf = dir.File("rich.pdf"), txt = dir.File("rich.txt");
    FillPlain({{"Name"}, {R"({\rtf1\ansi Druck{\b fett}})"}});
    Printer()->SetFileName(pdf);
    grid->Print();
    Printer()->SetFileName("");
    ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + txt + "'").c_str()), 0);
    const std::string text = ReadTestFile(txt);
    EXPECT_NE(text.find("Druckfett"), std::string::npos) << text;
    EXPECT_EQ(text.find("rtf1"), std::string::npos) << text;
    // The bold word keeps its formatting: the page uses a bold font besides the plain one.
    const std::string fonts = dir.File("rich.fonts");
    ASSERT_EQ(std::system(("pdffonts '" + pdf + "' > '" + fonts + "'").c_str()), 0);
    EXPECT_NE(ReadTestFile(fonts).find("Bold"), std::string::npos) << ReadTestFile(fonts);
}

TEST_F(PrintedCellsTest, SelectedRichTextCellsPrintInTheirOwnColours)
{
    const std::string rich = R"({\rtf1\ansi MMMMMMMM})";
    FillPlain({{rich}, {rich}});
    grid->SetSelection({0, 0, 0, 1});
    grid->SelectionTextColor = clRed;
    settings().Borders = pbNoborder;
    Preview();
    EXPECT_GT(Count([](TColor Pixel) { return Pixel != clWhite; }), 20) << "the cells print";
    EXPECT_EQ(Count(Reddish), 0) << "paper shows no selection";
}

} // namespace
