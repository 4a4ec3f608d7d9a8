#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>

#include "../../control/GridOnForm.h"
#include "PdfPages.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/services/print/PrintPreviewForm.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/StdCtrls.h"
#include "platform/os/FileSystem.h"
#include "platform/print/Printers.h"
#include "platform/rtl/DateUtils.h"
#include "support/TestFiles.h"

namespace {

class GridPrintTest : public GridOnForm {
protected:
    void SetUp() override
    {
        GridOnForm::SetUp();
        Printer()->SetFileName(pdf);
    }
    void TearDown() override { Printer()->SetFileName(""); }

    // A header row "Name" / "Wert" over Rows rows of data, in Cols columns.
    void FillTable(int Rows, int Cols = 2)
    {
        grid->SetFixedCols(0);
        grid->SetFixedRows(1);
        grid->SetColCount(Cols);
        grid->SetRowCount(Rows + 1);
        for (int c = 0; c < Cols; ++c) grid->SetCells(c, 0, c == 0 ? "Name" : "Wert" + std::to_string(c));
        for (int r = 1; r <= Rows; ++r)
            for (int c = 0; c < Cols; ++c) grid->SetCells(c, r, "Zeile" + std::to_string(r) + "x" + std::to_string(c));
    }
    static int PdfPageCount(const std::string& Pdf)
    {
        const std::regex page(R"(/Type\s*/Page[^s])");
        return static_cast<int>(std::distance(std::sregex_iterator(Pdf.begin(), Pdf.end(), page), std::sregex_iterator()));
    }
    // The text of every page of the PDF, through pdftotext.
    std::vector<std::string> PageTexts()
    {
        const std::string text = dir.File("out.txt");
        if (std::system(("pdftotext -layout '" + pdf + "' '" + text + "'").c_str()) != 0) return {};
        std::vector<std::string> pages;
        std::string all = ReadTestFile(text);
        for (size_t from = 0, at; (at = all.find('\f', from)) != std::string::npos; from = at + 1)
            pages.push_back(all.substr(from, at - from));
        return pages;
    }
    static bool HavePdfToText() { return std::system("pdftotext -v > /dev/null 2>&1") == 0; }

    TPrintSettings& settings() { return *grid->PrintSettings(); }

    TempDir dir;
    std::string pdf = dir.File("out.pdf");
};

TEST_F(GridPrintTest, LongGridRepeatsItsHeaderRowAndNumbersItsPages)
{
    FillTable(150);
    settings().RepeatFixedRows = true;
    settings().PageNr = ppBottomCenter;
    settings().Date = ppTopLeft;
    settings().Time = ppTopLeft;
    settings().DateFormat = "dd.mm.yyyy";
    SetClock([] { return EncodeDate(2026, 12, 11) + EncodeTime(2, 5, 0, 0); });
    grid->Print();
    SetClock({});

    const int pages = grid->PrintNrOfPages();
    ASSERT_GE(pages, 2);
    EXPECT_EQ(PdfPageCount(ReadTestFile(pdf)), pages);
    if (!HavePdfToText()) GTEST_SKIP() << "pdftotext missing";
    const std::vector<std::string> texts = PageTexts();
    ASSERT_EQ(static_cast<int>(texts.size()), pages);
    int lastRowSeen = 0;
    for (int p = 0; p < pages; ++p) {
        EXPECT_NE(texts[p].find("Name"), std::string::npos) << "page " << p + 1;
        EXPECT_NE(texts[p].find("11.12.2026 02:05"), std::string::npos) << "page " << p + 1;
        EXPECT_NE(texts[p].find(std::to_string(p + 1) + "/" + std::to_string(pages)), std::string::npos);
        for (int r = 1; r <= 150; ++r)
            if (texts[p].find("Zeile" + std::to_string(r) + "x0") != std::string::npos) lastRowSeen = std::max(lastRowSeen, r);
    }
    EXPECT_EQ(lastRowSeen, 150);
}

TEST_F(GridPrintTest, WideGridPrintsInStripsWithTheFixedColumnRepeated)
{
    FillTable(90, 14);
    grid->SetFixedCols(1);
    settings().RepeatFixedCols = true;
    settings().PageNr = ppBottomCenter;
    settings().ColumnSpacing = 200;
    grid->Print();
    if (!HavePdfToText()) GTEST_SKIP() << "pdftotext missing";
    const std::vector<std::string> texts = PageTexts();
    const std::regex number(R"(\s(\d+)-(\d+)\s*$)");
    std::vector<std::string> numbers;
    for (const std::string& text : texts) {
        std::smatch match;
        numbers.push_back(std::regex_search(text, match, number) ? match[1].str() + "-" + match[2].str() : "?");
    }
    ASSERT_GE(numbers.size(), 4u);
    EXPECT_EQ(numbers[0], "1-1");
    EXPECT_EQ(numbers[1], "2-1");
    const auto secondStrip = std::find(numbers.begin(), numbers.end(), "1-2");
    ASSERT_NE(secondStrip, numbers.end());
    const std::string& strip2 = texts[secondStrip - numbers.begin()];
    EXPECT_NE(strip2.find("Zeile1x0"), std::string::npos) << "the fixed column starts every strip";
    EXPECT_EQ(strip2.find("Zeile1x1 "), std::string::npos) << "strip 2 holds other columns";
    EXPECT_EQ(numbers[secondStrip - numbers.begin() - 1], std::to_string(secondStrip - numbers.begin()) + "-1");
}

TEST_F(GridPrintTest, FastPrintingPrintsEveryRowAndNoUnknownTotal)
{
    FillTable(150);
    settings().PageNr = ppBottomCenter;
    grid->FastPrint = true;
    grid->Print();
    const int pages = PdfPageCount(ReadTestFile(pdf));
    ASSERT_GE(pages, 2);
    if (!HavePdfToText()) GTEST_SKIP() << "pdftotext missing";
    const std::vector<std::string> texts = PageTexts();
    EXPECT_NE(texts.back().find("Zeile150x0"), std::string::npos);
    EXPECT_TRUE(std::regex_search(texts[1], std::regex(R"(\s2\s*$)"))) << texts[1];
    for (const std::string& text : texts) EXPECT_EQ(text.find("/"), std::string::npos) << text;
}

TEST_F(GridPrintTest, PrintStartCanNarrowOrCancelTheJob)
{
    FillTable(150);
    int offered = 0;
    grid->OnPrintStart = [&](TObject*, int NrOfPages, int& From, int& To) {
        offered = NrOfPages;
        From = 2;
        To = 2;
    };
    grid->Print();
    EXPECT_GE(offered, 2);
    EXPECT_EQ(PdfPageCount(ReadTestFile(pdf)), 1);

    const std::string cancelled = dir.File("none.pdf");
    Printer()->SetFileName(cancelled);
    grid->OnPrintStart = [](TObject*, int, int& From, int&) { From = 0; };
    grid->Print();
    EXPECT_FALSE(FileExists(cancelled)) << "nothing is printed";
}

TEST_F(GridPrintTest, PreviewDrawsOnlyThePreviewPage)
{
    FillTable(150);
    std::vector<int> drawn;
    grid->OnPrintGetPageNum = [&](TObject*, int PageNum, int, std::string&) { drawn.push_back(PageNum); };
    TBitmap page(794, 1123);
    grid->SetPreviewPage(2);
    grid->PrintPreview(page.Canvas(), Rect(0, 0, 794, 1123));
    EXPECT_EQ(drawn, std::vector<int>{2});
    EXPECT_GE(grid->PrintNrOfPages(), 2);
    EXPECT_FALSE(grid->IsPrintPreview());
}

TEST_F(GridPrintTest, PreviewFlagIsResetWhenAnEventFails)
{
    FillTable(3);
    bool during = false;
    grid->OnPrintStart = [&](TObject*, int, int&, int&) {
        during = grid->IsPrintPreview();
        throw Exception("stop");
    };
    TBitmap page(400, 560);
    EXPECT_THROW(grid->PrintPreview(page.Canvas(), Rect(0, 0, 400, 560)), Exception);
    EXPECT_TRUE(during);
    EXPECT_FALSE(grid->IsPrintPreview());
}

TEST_F(GridPrintTest, FitToPageScalesOnlyTheWayItIsAllowed)
{
    struct Case {
        TFitToPage Fit;
        int Cols;
        bool MayGrow, MayShrink;
    };
    const Case cases[] = {
        {fpNever, 2, false, false},  {fpNever, 14, false, false}, {fpShrink, 2, false, false},
        {fpShrink, 14, false, true}, {fpGrow, 2, true, false},    {fpGrow, 14, false, false},
        {fpAlways, 2, true, false},  {fpAlways, 14, false, true},
    };
    TBitmap page(794, 1123);
    for (const Case& c : cases) {
        FillTable(3, c.Cols);
        settings().FitToPage = fpNever;
        grid->PrintPreview(page.Canvas(), Rect(0, 0, 794, 1123));
        const int natural = grid->PrintColWidth(1);
        settings().FitToPage = c.Fit;
        grid->PrintPreview(page.Canvas(), Rect(0, 0, 794, 1123));
        const int fitted = grid->PrintColWidth(1);
        EXPECT_EQ(fitted > natural, c.MayGrow) << c.Fit << " " << c.Cols;
        EXPECT_EQ(fitted < natural, c.MayShrink) << c.Fit << " " << c.Cols;
    }
}

TEST_F(GridPrintTest, BordersDecideWhichLinesPrint)
{
    FillTable(3);
    const auto darkPixels = [&](TPrintBorders Borders) {
        settings().Borders = Borders;
        TBitmap page(794, 1123);
        page.Canvas()->Brush()->SetColor(clWhite);
        page.Canvas()->FillRect(Rect(0, 0, 794, 1123));
        grid->PrintPreview(page.Canvas(), Rect(0, 0, 794, 1123));
        // The page's top band, where the small table lies.
        int dark = 0;
        for (int x = 0; x < 794; ++x)
            for (int y = 0; y < 200; ++y)
                if (page.Canvas()->Pixels(x, y) == clBlack) ++dark;
        return dark;
    };
    const int texts = darkPixels(pbNoborder);
    EXPECT_GT(texts, 0) << "the texts alone";
    EXPECT_GT(darkPixels(pbSingle), texts);
    EXPECT_GT(darkPixels(pbAround), texts);
    EXPECT_LT(darkPixels(pbAround), darkPixels(pbSingle)) << "only the frame";
    grid->OnGetCellPrintBorder = [](TObject*, int, int, TPen*, TCellBorders& Borders) { Borders = {}; };
    EXPECT_EQ(darkPixels(pbSingle), texts) << "the print border event takes the lines away";
}

} // namespace

namespace {

TEST_F(GridPrintTest, PreviewWindowPagesThroughThePrintout)
{
    FillTable(150);
    settings().PageNr = ppBottomCenter;
    auto* preview = new TGridPrintPreviewForm(&form, *grid);
    preview->Show();
    preview->ShowPage(1);
    const int pages = preview->PageCount();
    ASSERT_GE(pages, 2);
    EXPECT_FALSE(preview->PreviousButton()->Enabled());
    EXPECT_TRUE(preview->NextButton()->Enabled());
    preview->NextButton()->Click();
    EXPECT_EQ(preview->Page(), 2);
    preview->ShowPage(pages + 5);
    EXPECT_EQ(preview->Page(), pages);
    EXPECT_FALSE(preview->NextButton()->Enabled());

    // The page shows cell lines and text in black on white.
    TBitmap* page = preview->PageImage()->Picture()->Bitmap();
    int dark = 0;
    for (int y = 0; y < page->Height(); y += 2)
        for (int x = 0; x < page->Width(); x += 2)
            if (page->Canvas()->Pixels(x, y) == clBlack) ++dark;
    EXPECT_GT(dark, 100);
    page->SaveToFile(dir.File("preview.bmp"));
}

} // namespace

namespace {

TEST_F(GridPrintTest, RangesPastTheGridPrintTheCellsTheyHold)
{
    FillTable(3, 3);
    TBitmap page(400, 560);
    grid->PrintPreviewRect(page.Canvas(), Rect(0, 0, 400, 560), TGridRect{-2, 1, 40, 900});
    EXPECT_EQ(grid->PrintNrOfPages(), 1);
    EXPECT_EQ(grid->PrintColEnd(), 2);
    grid->PrintRect(TGridRect{1, 2, 9, 9});
    EXPECT_EQ(grid->PrintNrOfPages(), 1);
    EXPECT_EQ(grid->PrintColStart(), 1);
}

} // namespace

namespace {

TEST_F(GridPrintTest, MarkupCellsMeasureTheirTextAndWrappedCellsKeepTheirWidth)
{
    FillTable(2, 3);
    grid->SetCells(0, 1, "<B>Fett</B> und mehr");
    grid->SetCells(1, 1, "Fett und mehr");
    grid->SetCells(2, 2, "eins zwei drei vier fünf sechs sieben acht neun zehn");
    grid->SetWordWraps(2, 2, true);
    grid->SetColWidths(2, 80);
    std::map<int, int> heights;
    grid->OnPrintSetRowHeight = [&](TObject*, int ARow, int& Height) { heights[ARow] = Height; };
    TBitmap page(794, 1123);
    grid->PrintPreview(page.Canvas(), Rect(0, 0, 794, 1123));
    const int markup = grid->PrintColWidth(0), plain = grid->PrintColWidth(1);
    EXPECT_LT(std::abs(markup - plain), plain / 5) << "the tags take no room";
    const int unwrapped = heights[2];

    settings().NoAutoSize = true;
    grid->PrintPreview(page.Canvas(), Rect(0, 0, 794, 1123));
    EXPECT_EQ(grid->PrintColWidth(2), 212) << "80 screen pixels";
    EXPECT_GE(heights[2], 3 * unwrapped) << "the long text wraps in its column";
}

} // namespace

namespace {

TEST_F(GridPrintTest, SelectedRowsAndColumnsPrintAlone)
{
    FillTable(6, 4);
    std::vector<int> rows;
    grid->OnPrintNewPage = [&](TObject*, int ARow, bool&) { rows.push_back(ARow); };
    TBitmap page(794, 1123);

    grid->SetSelection({1, 2, 2, 4});
    grid->PrintPreviewSelectedRows(page.Canvas(), Rect(0, 0, 794, 1123));
    // Once while the pages are counted, once while the page is drawn.
    EXPECT_EQ(rows, (std::vector<int>{2, 3, 4, 2, 3, 4}));
    EXPECT_GT(grid->PrintColWidth(1), 0);
    EXPECT_EQ(grid->PrintColWidth(0), 0) << "a column outside the selection";
    EXPECT_EQ(grid->PrintColWidth(3), 0);

    rows.clear();
    settings().FixedCellsAlways = true;
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetRowSelect(2, true);
    grid->SetRowSelect(5, true);
    grid->PrintPreviewSelectedRows(page.Canvas(), Rect(0, 0, 794, 1123));
    EXPECT_EQ(rows, (std::vector<int>{0, 2, 5, 0, 2, 5})) << "the fixed row and the flagged rows";
    EXPECT_GT(grid->PrintColWidth(0), 0) << "disjunct rows print every column";
}

TEST_F(GridPrintTest, CancelEndsTheJobAfterThePage)
{
    FillTable(150);
    std::vector<int> asked;
    grid->OnPrintCancel = [&](TObject*, int PageNr, bool& Cancel) {
        asked.push_back(PageNr);
        Cancel = true;
    };
    grid->Print();
    EXPECT_EQ(asked, std::vector<int>{1});
    EXPECT_EQ(PdfPageCount(ReadTestFile(pdf)), 1);
}

} // namespace

namespace {

TEST_F(GridPrintTest, TitlesTakeTheirRoomAboveTheFirstRow)
{
    FillTable(1);
    int offset = 0;
    grid->OnPrintPageDone = [&](TObject*, TCanvas*, int, int LastRowOffset, bool, int, int) { offset = LastRowOffset; };
    TBitmap page(794, 1123);
    const auto lastRowOffset = [&](const std::vector<std::string>& Title) {
        settings().TitleLines()->Clear();
        for (const std::string& line : Title) settings().TitleLines()->Add(line);
        grid->PrintPreview(page.Canvas(), Rect(0, 0, 794, 1123));
        return offset;
    };
    settings().Title = ppTopLeft;
    const int oneLine = lastRowOffset({"Geräte"});
    const int threeLines = lastRowOffset({"Geräte", "Halle 2", "Stand Dezember"});
    const int markup = lastRowOffset({"<B>Geräte</B>", "<I>Halle 2</I>", "Stand Dezember"});
    EXPECT_LT(threeLines, oneLine) << "y grows upwards: lower rows have smaller offsets";
    EXPECT_LT(markup, oneLine);
}

} // namespace

namespace {

TEST_F(GridPrintTest, CellGraphicsPrintOnlyWhenAsked)
{
    FillTable(2, 2);
    grid->AddCheckBox(0, 1, true, false);
    TBitmap blue(10, 10);
    blue.Canvas()->Brush()->SetColor(clBlue);
    blue.Canvas()->FillRect(Rect(0, 0, 10, 10));
    grid->AddBitmap(1, 1, &blue, false, haRight, vaCenter);
    TBitmap page(794, 1123);
    const auto bluePixels = [&] {
        page.Canvas()->Brush()->SetColor(clWhite);
        page.Canvas()->FillRect(Rect(0, 0, 794, 1123));
        grid->PrintPreview(page.Canvas(), Rect(0, 0, 794, 1123));
        int count = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 794; ++x)
                if (page.Canvas()->Pixels(x, y) == clBlue) ++count;
        return count;
    };
    EXPECT_EQ(bluePixels(), 0);
    const int textOnly = grid->PrintColWidth(0);
    settings().PrintGraphics = true;
    EXPECT_GT(bluePixels(), 50) << "the bitmap, stretched to the page";
    EXPECT_GT(grid->PrintColWidth(0), textOnly) << "the check box takes room beside the text";
}

} // namespace

namespace {

TEST_F(GridPrintTest, RowsTallerThanAPageGetAPageEach)
{
    FillTable(2);
    settings().UseFixedHeight = true;
    settings().FixedHeight = 5000;  // half a metre
    TBitmap page(794, 1123);
    grid->PrintPreview(page.Canvas(), Rect(0, 0, 794, 1123));
    EXPECT_EQ(grid->PrintNrOfPages(), 3);
}

} // namespace

namespace {

TEST_F(GridPrintTest, ColumnsStartAtTheMarginOrAreCentred)
{
    FillTable(2, 3);
    TBitmap page(794, 1123);
    settings().Centered = false;
    settings().LeftSize = 150;
    grid->PrintPreview(page.Canvas(), Rect(0, 0, 794, 1123));
    EXPECT_EQ(grid->PrintColOffset(0), 150);
    const int spacing = settings().ColumnSpacing + 20;
    EXPECT_EQ(grid->PrintColOffset(1), 150 + grid->PrintColWidth(0) + spacing);

    settings().Centered = true;
    grid->PrintPreview(page.Canvas(), Rect(0, 0, 794, 1123));
    const int pageWidth = grid->PrintPageRect().Right;
    EXPECT_EQ(pageWidth, 2101) << "794 pixels at 96 to the inch, in tenths of a millimetre";
    EXPECT_EQ(grid->PrintColOffset(0), (pageWidth - grid->PrintPageWidth()) / 2);
    EXPECT_EQ(grid->PrintPageWidth(), grid->PrintColWidth(0) + grid->PrintColWidth(1) + grid->PrintColWidth(2) + 3 * spacing);
}

// The ink of a band at the top of a page, column by column.
std::vector<int> InkPerColumn(TBitmap& Page, int BandHeight)
{
    std::vector<int> ink(static_cast<size_t>(Page.Width()), 0);
    for (int x = 0; x < Page.Width(); ++x)
        for (int y = 0; y < BandHeight; ++y)
            if (IsInk(Page.Canvas()->Pixels(x, y))) ++ink[static_cast<size_t>(x)];
    return ink;
}

TEST_F(GridPrintTest, AColumnWiderThanThePageEndsWithItsRightLineAtThePageEdge)
{
    if (!HavePdfToPpm()) GTEST_SKIP() << "pdftoppm missing";
    FillTable(3, 1);
    grid->SetCells(0, 2, std::string(300, 'W'));
    settings().Borders = pbSingle;
    struct TCase {
        bool Centered;
        int Margin;  // left and right, tenths of a millimetre
    };
    for (const TCase c : {TCase{true, 0}, TCase{false, 150}}) {
        SCOPED_TRACE(c.Margin);
        settings().Centered = c.Centered;
        settings().LeftSize = c.Margin;
        settings().RightSize = c.Margin;
        grid->Print();
        TBitmap page;
        ASSERT_TRUE(PdfPageImage(pdf, 1, 100, page));
        const std::vector<int> ink = InkPerColumn(page, page.Height() / 6);
        // The table's left line is the first column of ink, as high as the table.
        const auto leftLine = std::find_if(ink.begin(), ink.end(), [](int n) { return n > 0; });
        ASSERT_NE(leftLine, ink.end());
        const int tableHeight = *std::max_element(leftLine, leftLine + 3);
        const auto rightLine = std::find_if(ink.rbegin(), ink.rend(), [&](int n) { return n >= tableHeight * 9 / 10; });
        const int right = static_cast<int>(ink.rend() - rightLine) - 1;
        const int marginPixels = c.Margin * 100 / 254;
        EXPECT_GT(right, page.Width() * 8 / 10 - marginPixels) << "the right line is on the page";
        EXPECT_LT(right, page.Width() - marginPixels) << "within the right margin";
        for (int x = right + 3; x < page.Width(); ++x)
            EXPECT_EQ(ink[static_cast<size_t>(x)], 0) << "nothing runs past the line at x " << x;
    }
}

} // namespace

namespace {

// Each word pdftotext finds on the pages, with its box in points.
struct TPdfWord {
    std::string Text;
    double Left, Top, Right, Bottom;
    double Width() const { return Right - Left; }
    double Height() const { return Bottom - Top; }
};

std::vector<TPdfWord> PdfWords(const std::string& Pdf, const std::string& Html)
{
    if (std::system(("pdftotext -bbox '" + Pdf + "' '" + Html + "'").c_str()) != 0) return {};
    const std::string text = ReadTestFile(Html);
    const std::regex word(
        R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
    std::vector<TPdfWord> words;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word); it != std::sregex_iterator(); ++it)
        words.push_back({(*it)[5], std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4])});
    return words;
}

TEST_F(GridPrintTest, RichTextCellsFollowThePagesScaleAndTurnAsPlainCellsDo)
{
    if (!HavePdfToText()) GTEST_SKIP() << "pdftotext missing";
    FillPlain({{"Plain", std::string(400, 'x')},
               {R"({\rtf1\ansi {\fs48 Rich}})", "y"},
               {R"({\rtf1\ansi {\fs48 Turned}})", "z"},
               {"Upward", "w"}});
    for (int r : {0, 3}) grid->SetFontSizes(0, r, 24);
    for (int r : {2, 3}) grid->SetRotated(0, r, 90);
    // Never fitted, the page keeps the sizes; shrunk, the wide column makes everything smaller.
    for (const TFitToPage fit : {fpNever, fpShrink}) {
        SCOPED_TRACE(fit);
        settings().FitToPage = fit;
        grid->Print();
        std::map<std::string, TPdfWord> words;
        for (const TPdfWord& word : PdfWords(pdf, dir.File("words.html"))) words[word.Text] = word;
        for (const char* text : {"Plain", "Rich", "Turned", "Upward"}) ASSERT_EQ(words.count(text), 1u) << text;
        const TPdfWord &plain = words["Plain"], &rich = words["Rich"];
        const TPdfWord &turned = words["Turned"], &upward = words["Upward"];
        EXPECT_NEAR(rich.Height(), plain.Height(), plain.Height() * 0.15);
        EXPECT_GT(turned.Height(), 2 * turned.Width()) << "the rich text runs upward";
        EXPECT_NEAR(turned.Width(), upward.Width(), upward.Width() * 0.15);
        EXPECT_NEAR(turned.Left, upward.Left, upward.Width() * 0.5) << "both turned texts keep to the same side";
    }
}

} // namespace
