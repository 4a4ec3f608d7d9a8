#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "platform/print/Printers.h"
#include "platform/ui/CanvasResolution.h"
#include "support/TestFiles.h"

namespace {

int PdfPageCount(const std::string& pdf)
{
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

// Two pages: a blue and a red square on the first, with clip changes between them, and text
// on the second.
void PrintTwoPages(TPrinter& printer)
{
    printer.BeginDoc();
    TCanvas* canvas = printer.Canvas();
    canvas->Brush()->SetColor(clBlue);
    canvas->FillRect(Rect(60, 10, 90, 40));
    canvas->SetClipRect(Rect(0, 0, printer.PageWidth() / 2, printer.PageHeight() / 2));
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(10, 10, 50, 50));
    canvas->ResetClip();
    printer.NewPage();
    canvas->Brush()->SetColor(clWhite);
    canvas->TextOut(10, 10, "Seite zwei");
    printer.EndDoc();
}

TEST(PrinterTest, TwoPagesReachThePdfFile)
{
    TempDir dir;
    TPrinter printer;
    printer.SetFileName(dir.File("out.pdf"));
    printer.SetTitle("Grid");
    PrintTwoPages(printer);
    const std::string pdf = ReadTestFile(dir.File("out.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_EQ(PdfPageCount(pdf), 2);
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.PageNumber(), 2);
}

TEST(PrinterTest, OrientationTurnsThePage)
{
    TPrinter printer;
    EXPECT_EQ(printer.PixelsPerInch(), 600);
    const int width = printer.PageWidth(), height = printer.PageHeight();
    EXPECT_LT(width, height);
    printer.SetOrientation(poLandscape);
    EXPECT_EQ(printer.PageWidth(), height);
    EXPECT_EQ(printer.PageHeight(), width);
}

TEST(PrinterTest, AnAbortedDocumentLeavesNoFile)
{
    TempDir dir;
    TPrinter printer;
    printer.SetFileName(dir.File("gone.pdf"));
    printer.BeginDoc();
    printer.Canvas()->TextOut(0, 0, "draft");
    printer.Abort();
    EXPECT_TRUE(printer.Aborted());
    EXPECT_FALSE(printer.Printing());
    EXPECT_FALSE(std::ifstream(dir.File("gone.pdf")).good());
}

TEST(PrinterTest, MisuseRaisesEPrinter)
{
    TempDir dir;
    TPrinter printer;
    EXPECT_THROW(printer.Canvas(), EPrinter);
    EXPECT_THROW(printer.NewPage(), EPrinter);
    EXPECT_THROW(printer.EndDoc(), EPrinter);
    EXPECT_THROW(printer.SetPrinterIndex(static_cast<int>(printer.Printers().size())), EPrinter);
    printer.SetFileName(dir.File("missing-folder/out.pdf"));
    EXPECT_THROW(printer.BeginDoc(), EPrinter) << "an unwritable file fails at once";
    EXPECT_FALSE(printer.Printing());
    printer.SetFileName(dir.File("out.pdf"));
    printer.BeginDoc();
    EXPECT_THROW(printer.SetOrientation(poLandscape), EPrinter);
    EXPECT_THROW(printer.BeginDoc(), EPrinter);
    printer.EndDoc();
}

TEST(PrinterTest, APreviewDrawsEachPageOntoABitmap)
{
    TPrinter printer;
    const int printedWidth = printer.PageWidth();
    std::vector<int> numbers;
    std::vector<TColor> squares, drawnFirst, corners;
    printer.SetPreview(
        [&](int number, const TBitmap& page) {
            numbers.push_back(number);
            TBitmap copy;
            copy.Assign(page);
            EXPECT_EQ(copy.Width(), printer.PageWidth());
            squares.push_back(copy.Canvas()->Pixels(30, 30));
            drawnFirst.push_back(copy.Canvas()->Pixels(70, 20));
            corners.push_back(copy.Canvas()->Pixels(copy.Width() - 1, copy.Height() - 1));
        },
        96);
    EXPECT_EQ(printer.PixelsPerInch(), 96);
    EXPECT_NEAR(printer.PageWidth(), printedWidth * 96 / 600, 1)
        << "the printed page at the preview's resolution";
    PrintTwoPages(printer);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2}));
    EXPECT_EQ(squares, (std::vector<TColor>{clRed, clWhite}));
    EXPECT_EQ(drawnFirst, (std::vector<TColor>{clBlue, clWhite}))
        << "a clip change keeps what the page holds";
    EXPECT_EQ(corners, (std::vector<TColor>{clWhite, clWhite}));
}

} // namespace

namespace {

TEST(PrinterTest, APageHasTheResolutionItIsDrawnAt)
{
    for (const int preview : {0, 96, 150}) {
        SCOPED_TRACE(preview);
        TempDir dir;
        TPrinter printer;
        printer.SetFileName(dir.File("out.pdf"));
        TColor square = clNone;
        if (preview)
            printer.SetPreview(
                [&](int, const TBitmap& page) {
                    TBitmap copy;
                    copy.Assign(page);
                    square = copy.Canvas()->Pixels(30, 30);
                },
                preview);
        printer.BeginDoc();
        // What sizes itself in points, as a rich text does, asks the page's resolution.
        EXPECT_EQ(CanvasPixelsPerInch(*printer.Canvas()), (TPoint{printer.PixelsPerInch(), printer.PixelsPerInch()}));
        printer.Canvas()->Brush()->SetColor(clRed);
        printer.Canvas()->FillRect(Rect(10, 10, 50, 50));
        printer.EndDoc();
        if (preview) {
            EXPECT_EQ(square, clRed) << "one page pixel on one preview pixel";
        }
    }
}

} // namespace
