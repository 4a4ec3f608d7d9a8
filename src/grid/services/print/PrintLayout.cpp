#include "grid/services/print/PrintLayout.h"

#include <algorithm>
#include <cmath>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/services/print/PageText.h"
#include "grid/services/print/PrintCanvas.h"
#include "platform/rtl/Classes.h"
#include "platform/ui/Graphics.h"

namespace {

bool IsHeaderPosition(TPrintPosition Position) { return Position >= ppTopLeft && Position <= ppTopCenter; }
bool IsFooterPosition(TPrintPosition Position) { return Position >= ppBottomLeft; }

// The highest column whose printed width can be kept.
constexpr int kLastPrintableCol = TExtStringGrid::MaxHideableCol;

} // namespace

TPrintLayout::TPrintLayout(TExtStringGrid& Grid, TPrintCanvas& Canvas, TPrintLayoutMode Mode, bool SelectedOnly,
                           std::function<void()> PageBreak)
    : FGrid(Grid), FCanvas(Canvas), FMode(Mode), FSelectedOnly(SelectedOnly), FPageBreak(std::move(PageBreak)),
      FContent(Grid, Canvas, FMetrics, [this](int ARow) { return PrintedRowHeight(ARow); })
{
}

bool TPrintLayout::PageDrawn(int Page) const
{
    const TGridPrintState& state = FGrid.PrintState();
    return Drawing() && Page + 1 >= state.PageFrom && Page + 1 <= state.PageTo;
}

bool TPrintLayout::RowPrints(int ARow) const
{
    if (!FSelectedOnly) return true;
    const TPrintSettings& settings = *FGrid.PrintSettings();
    if (ARow < FGrid.FixedRows() && settings.FixedCellsAlways) return true;
    const TMouseActions& mouse = *FGrid.MouseActions();
    if (mouse.DisjunctRowSelect())
        return FGrid.RowSelect(mouse.RowSelectPersistent ? FGrid.RealRowIndex(ARow) : ARow);
    const TGridRect selection = FGrid.Selection();
    return ARow >= selection.Top && ARow <= selection.Bottom;
}

bool TPrintLayout::ColPrints(int ACol) const
{
    if (!FSelectedOnly) return true;
    const TMouseActions& mouse = *FGrid.MouseActions();
    if (mouse.DisjunctRowSelect()) return true;
    if (ACol < FGrid.FixedCols() && FGrid.PrintSettings()->FixedCellsAlways) return true;
    if (mouse.DisjunctColSelect()) return FGrid.ColSelect(ACol);
    const TGridRect selection = FGrid.Selection();
    return ACol >= selection.Left && ACol <= selection.Right;
}

void TPrintLayout::MeasureLines()
{
    const TPrintSettings& settings = *FGrid.PrintSettings();
    TCanvas& canvas = FCanvas.Canvas();
    const auto lineHeight = [&](const TFont& Font) {
        canvas.Font()->Assign(Font);
        FCanvas.SetFontHeight(*canvas.Font(), MapFontHeight(Font.Size(), 1.0));
        return FCanvas.TextHeight("gh");
    };
    FMetrics.HeaderLineHeight = lineHeight(*settings.HeaderFont());
    FMetrics.FooterLineHeight = lineHeight(*settings.FooterFont());
    FMetrics.CellLineHeight = lineHeight(*settings.Font());
    FMetrics.CellMargin = FMetrics.CellLineHeight / 8;
}

void TPrintLayout::SizeColumns()
{
    const TPrintSettings& settings = *FGrid.PrintSettings();
    const TGridRect& range = FGrid.PrintState().PrintRect;
    const int fixedCols = settings.RepeatFixedCols ? std::min(FGrid.FixedCols(), range.Left) : 0;
    for (int c = 0; c <= range.Right; ++c) FGrid.SetPrintColWidth(c, 0);
    const auto sizeColumn = [&](int c) {
        if (!ColPrints(c)) return;
        if (settings.NoAutoSize) {
            FGrid.SetPrintColWidth(c, PixelsToPageUnits(FGrid.ColWidths(c)));
            return;
        }
        int width = 0;
        const auto measure = [&](int r) {
            if (FGrid.IsXMergedCell(c, r)) return;
            width = std::max(width, settings.UseFixedWidth ? settings.FixedWidth : FContent.CellContentSize(c, r).X);
        };
        if (settings.RepeatFixedRows)
            for (int r = 0; r < std::min(FGrid.FixedRows(), range.Top); ++r) measure(r);
        for (int r = range.Top; r <= range.Bottom; ++r) measure(r);
        FGrid.SetPrintColWidth(c, width);
    };
    for (int c = 0; c < fixedCols; ++c) sizeColumn(c);
    for (int c = range.Left; c <= range.Right; ++c) sizeColumn(c);
}

void TPrintLayout::FitToPage()
{
    const TPrintSettings& settings = *FGrid.PrintSettings();
    const TGridRect& range = FGrid.PrintState().PrintRect;
    double scale = 1.0;
    if (settings.FitToPage != fpNever) {
        int columns = 0, total = 0;
        for (int c = range.Left; c <= range.Right; ++c) {
            if (!ColPrints(c)) continue;
            ++columns;
            total += FGrid.PrintColWidth(c) + FMetrics.ColumnSpacing;
        }
        const int fixed = columns * FMetrics.ColumnSpacing;
        if (total != fixed)
            scale = static_cast<double>(FMetrics.Page.Right - settings.RightSize - settings.LeftSize - fixed) /
                    (total - fixed);
        bool allow = true;
        if (settings.FitToPage == fpCustom && scale != 1.0 && FGrid.OnFitToPage)
            FGrid.OnFitToPage(&FGrid, scale, allow);
        if (!allow || (settings.FitToPage == fpShrink && scale > 1.0) ||
            (settings.FitToPage == fpGrow && scale < 1.0))
            scale = 1.0;
        if (scale != 1.0)
            for (int c = range.Left; c <= range.Right; ++c)
                FGrid.SetPrintColWidth(c, static_cast<int>(std::lround(FGrid.PrintColWidth(c) * scale)));
    }
    FGrid.PrintState().FontScale = scale;
}

TPrintStrip TPrintLayout::Strip(int First) const
{
    const TPrintSettings& settings = *FGrid.PrintSettings();
    const TGridRect& range = FGrid.PrintState().PrintRect;
    const int pageWidth = FMetrics.Page.Right;
    const int spacing = FMetrics.ColumnSpacing;
    TPrintStrip strip;
    strip.First = First;
    const auto add = [&](int c) {
        strip.Columns.push_back({c, 0, FGrid.PrintColWidth(c)});
        strip.Width += FGrid.PrintColWidth(c) + spacing;
    };
    if (settings.RepeatFixedCols && FGrid.FixedCols() > 0 && First >= FGrid.FixedCols())
        for (int c = 0; c < FGrid.FixedCols(); ++c)
            if (ColPrints(c)) add(c);
    strip.RepeatedFixed = static_cast<int>(strip.Columns.size());

    // A strip holds at least its first column, even on a page too narrow for it.
    const int limit = pageWidth - settings.RightSize - (settings.Centered ? 0 : settings.LeftSize);
    int c = First;
    for (bool any = false; c <= range.Right; ++c) {
        if (!ColPrints(c)) continue;
        if (any && strip.Width + FGrid.PrintColWidth(c) + spacing > limit) break;
        add(c);
        any = true;
    }
    strip.Last = c - 1;

    int edge = settings.Centered ? 0 : settings.LeftSize;
    if (settings.Centered && strip.Width < pageWidth) edge += (pageWidth - strip.Width) / 2;
    for (TPrintColumn& column : strip.Columns) {
        column.Left = edge;
        edge += column.Width + spacing;
    }
    return strip;
}

std::vector<TPrintStrip> TPrintLayout::SplitIntoStrips() const
{
    std::vector<TPrintStrip> strips;
    const TGridRect& range = FGrid.PrintState().PrintRect;
    for (int first = range.Left; first <= range.Right;) {
        TPrintStrip strip = Strip(first);
        first = strip.Last + 1;
        if (static_cast<int>(strip.Columns.size()) > strip.RepeatedFixed) strips.push_back(std::move(strip));
    }
    return strips;
}

void TPrintLayout::ComputeBlocks()
{
    const TPrintSettings& s = *FGrid.PrintSettings();
    const bool markupTitle = FContent.MarkupTitle();
    const int titleLines = s.TitleText.empty() && !markupTitle ? s.TitleLines()->Count() : 1;
    const int extraTitleLines = std::max(0, titleLines - 1);
    const auto anyAt = [&](bool (*At)(TPrintPosition)) { return At(s.Time) || At(s.Date) || At(s.PageNr) || At(s.Title); };
    const int m = FMetrics.CellMargin;
    FMetrics.HeaderBlock = s.HeaderSize;
    if (anyAt(IsHeaderPosition)) {
        FMetrics.HeaderBlock += m + FMetrics.HeaderLineHeight;
        if (IsHeaderPosition(s.Title))
            FMetrics.HeaderBlock += markupTitle ? FContent.MarkupTitleHeight() + s.HeaderSize
                                                : extraTitleLines * FMetrics.HeaderLineHeight;
    }
    FMetrics.FooterBlock = m + FMetrics.FooterLineHeight + s.FooterSize;
    if (anyAt(IsFooterPosition))
        FMetrics.FooterBlock += m + FMetrics.FooterLineHeight +
                                (IsFooterPosition(s.Title) ? extraTitleLines * FMetrics.FooterLineHeight : 0);
}

int TPrintLayout::PrintedRowHeight(int ARow)
{
    if (ARow == FCachedRow) return FCachedHeight;
    const TPrintSettings& settings = *FGrid.PrintSettings();
    int height = 0;
    if (settings.NoAutoSizeRow) {
        height = PixelsToPageUnits(FGrid.RowHeights(ARow)) - 4;
    } else if (settings.UseFixedHeight) {
        height = settings.FixedHeight;
    } else {
        const TGridRect& range = FGrid.PrintState().PrintRect;
        const int fixedCols = settings.RepeatFixedCols ? std::min(FGrid.FixedCols(), range.Left) : 0;
        const auto measure = [&](int c) {
            if (ColPrints(c) && !FGrid.IsYMergedCell(c, ARow))
                height = std::max(height, FContent.CellContentSize(c, ARow).Y);
        };
        for (int c = 0; c < fixedCols; ++c) measure(c);
        for (int c = range.Left; c <= range.Right; ++c) measure(c);
        height += height / 8;
        if (FGrid.OnPrintSetRowHeight) FGrid.OnPrintSetRowHeight(&FGrid, ARow, height);
    }
    FCachedRow = ARow;
    FCachedHeight = height;
    return height;
}

void TPrintLayout::StartPage(const TPrintStrip& Strip, int Page, int PageInStrip, int StripIndex, int StripCount)
{
    if (Drawing() && (PageInStrip == 0 || PageDrawn(Page)) && FGrid.OnPrintPage)
        FGrid.OnPrintPage(&FGrid, &FCanvas.Canvas(), Page + 1, FMetrics.Page.Right, -FMetrics.Page.Bottom);
    if (!PageDrawn(Page)) return;
    if (FAnyPageDrawn && FPageBreak) FPageBreak();
    FAnyPageDrawn = true;
    TPageNumbering numbering{Page, PageInStrip, StripIndex, StripCount, FPageTotal};
    std::string text = PageNumberText(*FGrid.PrintSettings(), numbering);
    if (FGrid.OnPrintGetPageNum)
        FGrid.OnPrintGetPageNum(&FGrid, StripCount > 1 ? PageInStrip + 1 : Page + 1, StripIndex + 1, text);
    FContent.DrawHeaderFooter(text);
}

int TPrintLayout::LayOutStrip(const TPrintStrip& Strip, int StripIndex, int StripCount, int Page)
{
    const TPrintSettings& settings = *FGrid.PrintSettings();
    TGridPrintState& state = FGrid.PrintState();
    const TGridRect range = state.PrintRect;
    state.ColStart = Strip.First;
    state.ColEnd = Strip.Last;
    state.PageWidth = Strip.Width;
    for (const TPrintColumn& column : Strip.Columns) FGrid.SetPrintColOffset(column.Col, column.Left);

    const bool wholeGrid = range.Top <= FGrid.FixedRows() && range.Bottom >= FGrid.LastNormalRow();
    const int footerLimit = FMetrics.Page.Bottom + FMetrics.FooterBlock;
    const auto nextPrinted = [&](int ARow) {
        while (ARow <= range.Bottom && !RowPrints(ARow)) ++ARow;
        return ARow;
    };
    const bool previewing = FMode == TPrintLayoutMode::Preview || FMode == TPrintLayoutMode::CountPreview;
    int pageInStrip = 0;
    int row = nextPrinted(range.Top);
    while (true) {
        StartPage(Strip, Page, pageInStrip, StripIndex, StripCount);
        const bool drawn = PageDrawn(Page);
        const int top = -FMetrics.HeaderBlock - settings.TitleSpacing;
        int y = top;
        if (settings.RepeatFixedRows && row >= FGrid.FixedRows() && row <= range.Bottom)
            for (int fixedRow = 0; fixedRow < FGrid.FixedRows(); ++fixedRow) {
                if (drawn) FContent.DrawRow(fixedRow, y, Strip, false);
                y -= FContent.RowExtent(fixedRow);
            }
        bool rowsOnPage = false, forced = false;
        int lastRow = -1;
        while (row <= range.Bottom && !forced) {
            const int height = FContent.RowExtent(row);
            // A row taller than the whole page still prints, cut at the page's end.
            if (rowsOnPage && y - height < footerLimit) break;
            FGrid.ExportNotification(wholeGrid ? 1 : 5, row);
            if (drawn) FContent.DrawRow(row, y, Strip, false);
            y -= height;
            lastRow = row;
            rowsOnPage = true;
            if (FGrid.OnPrintNewPage) FGrid.OnPrintNewPage(&FGrid, row, forced);
            row = nextPrinted(row + 1);
        }
        const bool lastPage = row > range.Bottom && StripIndex == StripCount - 1;
        if (drawn) {
            if (FGrid.OnPrintPageDone)
                FGrid.OnPrintPageDone(&FGrid, &FCanvas.Canvas(), lastRow, y, lastPage, FMetrics.Page.Right,
                                      -FMetrics.Page.Bottom);
            if (FGrid.OnPrintCancel) FGrid.OnPrintCancel(&FGrid, Page + 1, FCancelled);
            FContent.DrawClosingLines(top, y + FMetrics.CellMargin / 2, Strip);
        }
        ++Page;
        ++pageInStrip;
        // A preview shows one page: once past it, the strip's other rows are not laid out.
        // A print must lay them all out, or rows would go missing.
        const bool pastPreviewPage = previewing && FGrid.FastPrint && Page - 1 > state.PageFrom;
        if (FCancelled || row > range.Bottom || pastPreviewPage) return Page;
    }
}

int TPrintLayout::Run(int Width, int Height, int PageTotal)
{
    const TPrintSettings& settings = *FGrid.PrintSettings();
    TGridPrintState& state = FGrid.PrintState();
    FPageTotal = PageTotal;
    state.FontScale = 1.0;
    state.PrintRect.Right = std::min(state.PrintRect.Right, kLastPrintableCol);
    TCanvas& canvas = FCanvas.Canvas();
    canvas.Pen()->SetColor(clBlack);
    canvas.Pen()->SetStyle(settings.BorderStyle);
    FCanvas.SetPenWidth(settings.Borders == pbDouble ? 10 : 2);

    MeasureLines();
    FMetrics.Page = {0, 0, Width, -Height};
    state.PageRect = FMetrics.Page;
    FMetrics.ColumnSpacing = settings.UseFixedWidth ? 0 : settings.ColumnSpacing + 20;
    SizeColumns();
    FitToPage();
    const TGridRect& range = state.PrintRect;
    if (FGrid.OnPrintSetColumnWidth)
        for (int c = range.Left; c <= range.Right; ++c) {
            int width = FGrid.PrintColWidth(c);
            FGrid.OnPrintSetColumnWidth(&FGrid, c, width);
            FGrid.SetPrintColWidth(c, width);
        }
    ComputeBlocks();

    const std::vector<TPrintStrip> strips = SplitIntoStrips();
    int pages = 0;
    for (size_t i = 0; i < strips.size() && !FCancelled; ++i)
        pages = LayOutStrip(strips[i], static_cast<int>(i), static_cast<int>(strips.size()), pages);
    state.FontScale = 1.0;
    return pages;
}
