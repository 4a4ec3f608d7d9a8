#pragma once
#include <functional>
#include <vector>

#include "grid/services/print/PageContent.h"

class TExtStringGrid;
class TPrintCanvas;

// How a layout pass runs: drawing a preview page or onto a printer or canvas, or only
// counting the pages of a print or of a preview.
enum class TPrintLayoutMode { Preview, Draw, CountPrint, CountPreview };

// The page engine: sizes the printed columns, splits them into strips that fit the page
// width and each strip's rows into pages, and draws the pages in the grid's drawn page
// range. Page numbers and breaks are the same in every mode.
class TPrintLayout {
public:
    // PageBreak starts a new printed page; SelectedOnly prints only selected rows and columns.
    TPrintLayout(TExtStringGrid& Grid, TPrintCanvas& Canvas, TPrintLayoutMode Mode, bool SelectedOnly,
                 std::function<void()> PageBreak = {});
    // Lays out a page of Width x Height page units; returns the number of pages.
    int Run(int Width, int Height, int PageTotal);

private:
    bool Drawing() const { return FMode == TPrintLayoutMode::Preview || FMode == TPrintLayoutMode::Draw; }
    bool PageDrawn(int Page) const;
    bool RowPrints(int ARow) const;
    bool ColPrints(int ACol) const;
    void MeasureLines();
    void SizeColumns();
    void FitToPage();
    std::vector<TPrintStrip> SplitIntoStrips() const;
    TPrintStrip Strip(int First) const;
    void ComputeBlocks();
    int PrintedRowHeight(int ARow);
    int LayOutStrip(const TPrintStrip& Strip, int StripIndex, int StripCount, int Page);
    void StartPage(const TPrintStrip& Strip, int Page, int PageInStrip, int StripIndex, int StripCount);

    TExtStringGrid& FGrid;
    TPrintCanvas& FCanvas;
    TPrintLayoutMode FMode;
    bool FSelectedOnly;
    std::function<void()> FPageBreak;
    TPrintMetrics FMetrics;
    TPageContent FContent;
    int FPageTotal = 1;
    bool FCancelled = false;
    bool FAnyPageDrawn = false;
    int FCachedRow = -1;
    int FCachedHeight = 0;
};
