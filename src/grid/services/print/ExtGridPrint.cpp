#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/services/print/PrintCanvas.h"
#include "grid/services/print/PrintLayout.h"
#include "platform/print/Printers.h"
#include "platform/ui/CanvasResolution.h"

// The grid's print operations: the print job on the program's printer, the preview onto a
// canvas, and drawing into a rectangle. The page engine does the layout.

namespace {

constexpr int kPrintStartState = 0;
constexpr int kPrintDoneState = 2;

TGridRect AllPrintCells(const TExtStringGrid& Grid) { return {0, 0, Grid.ColCount() - 1, Grid.RowCount() - 1}; }

// A range reaching past the grid prints the cells it holds.
TGridRect PrintableRange(const TExtStringGrid& Grid, const TGridRect& Range)
{
    const TGridRect all = AllPrintCells(Grid);
    return {std::max(Range.Left, 0), std::max(Range.Top, 0), std::min(Range.Right, all.Right),
            std::min(Range.Bottom, all.Bottom)};
}

bool PrintRangeAccepted(int From, int To) { return From > 0 && To > 0 && From <= To; }

// Resets the printing and preview flags however the printout or preview ends.
class TPrintingFlag {
public:
    TPrintingFlag(TGridPrintState& State, bool Preview) : FState(State)
    {
        FState.Printing = true;
        FState.IsPreview = Preview;
    }
    ~TPrintingFlag() { FState.Printing = FState.IsPreview = false; }
    TPrintingFlag(const TPrintingFlag&) = delete;
    TPrintingFlag& operator=(const TPrintingFlag&) = delete;

private:
    TGridPrintState& FState;
};

void RunPrintJob(TExtStringGrid& Grid, const TGridRect& Range, bool SelectedOnly)
{
    const TPrintSettings& settings = *Grid.PrintSettings();
    TGridPrintState& state = Grid.PrintState();
    TPrinter& printer = *Printer();
    Grid.ExportNotification(kPrintStartState, Range.Top);
    state.PrintRect = PrintableRange(Grid, Range);
    if (!settings.UseDefaultOrientation) printer.SetOrientation(settings.Orientation);
    const int dpi = printer.PixelsPerInch();
    const int width = PixelsToPageUnits(printer.PageWidth(), dpi);
    const int height = PixelsToPageUnits(printer.PageHeight(), dpi);
    printer.SetTitle(settings.JobName);
    printer.BeginDoc();
    TPrintingFlag printing(state, false);
    try {
        int pages = kUnknownPageTotal;
        if (!Grid.FastPrint) {
            TPrintCanvas counting(*printer.Canvas(), dpi, {0, 0});
            pages = TPrintLayout(Grid, counting, TPrintLayoutMode::CountPrint, SelectedOnly).Run(width, height, pages);
        }
        state.PageFrom = 1;
        state.PageTo = state.PageNum = pages;
        if (Grid.OnPrintStart) {
            printer.Abort();
            Grid.OnPrintStart(&Grid, pages, state.PageFrom, state.PageTo);
            if (!PrintRangeAccepted(state.PageFrom, state.PageTo)) return;
            printer.BeginDoc();
        }
        state.PageNum = state.PageTo;
        TPrintCanvas page(*printer.Canvas(), dpi, {0, 0});
        TPrintLayout(Grid, page, TPrintLayoutMode::Draw, SelectedOnly, [&printer] { printer.NewPage(); })
            .Run(width, height, state.PageNum);
        printer.EndDoc();
    } catch (...) {
        if (printer.Printing()) printer.Abort();
        throw;
    }
    Grid.ExportNotification(kPrintDoneState, -1);
}

void RunPreview(TExtStringGrid& Grid, TCanvas& Canvas, const TRect& DisplayRect, const TGridRect& Range,
                bool SelectedOnly)
{
    TGridPrintState& state = Grid.PrintState();
    Grid.ExportNotification(kPrintStartState, Range.Top);
    state.PrintRect = PrintableRange(Grid, Range);
    TPrintCanvas page(Canvas, CanvasPixelsPerInch(Canvas).X, DisplayRect.TopLeft());
    const int width = page.ToPage(DisplayRect.Width());
    const int height = page.ToPage(DisplayRect.Height());
    const int pages = Grid.FastPrint
                          ? 1
                          : TPrintLayout(Grid, page, TPrintLayoutMode::CountPreview, SelectedOnly).Run(width, height, 1);
    state.PageNum = pages;
    {
        TPrintingFlag previewing(state, true);
        int from = 1, to = pages;
        if (Grid.OnPrintStart) Grid.OnPrintStart(&Grid, pages, from, to);
        if (PrintRangeAccepted(from, to))
            TPrintLayout(Grid, page, TPrintLayoutMode::Preview, SelectedOnly).Run(width, height, pages);
    }
    Grid.ExportNotification(kPrintDoneState, -1);
}

} // namespace

void TExtStringGrid::Print() { RunPrintJob(*this, AllPrintCells(*this), false); }

void TExtStringGrid::PrintRect(const TGridRect& ARect) { RunPrintJob(*this, ARect, false); }

void TExtStringGrid::PrintSelection() { RunPrintJob(*this, Selection(), false); }

void TExtStringGrid::PrintSelectedRows() { RunPrintJob(*this, AllPrintCells(*this), true); }

void TExtStringGrid::PrintSelectedCols() { PrintSelectedRows(); }

void TExtStringGrid::PrintPreview(TCanvas* Canvas, const TRect& DisplayRect)
{
    RunPreview(*this, *Canvas, DisplayRect, AllPrintCells(*this), false);
}

void TExtStringGrid::PrintPreviewRect(TCanvas* Canvas, const TRect& DisplayRect, const TGridRect& ARect)
{
    RunPreview(*this, *Canvas, DisplayRect, ARect, false);
}

void TExtStringGrid::PrintPreviewSelection(TCanvas* Canvas, const TRect& DisplayRect)
{
    RunPreview(*this, *Canvas, DisplayRect, Selection(), false);
}

void TExtStringGrid::PrintPreviewSelectedRows(TCanvas* Canvas, const TRect& DisplayRect)
{
    RunPreview(*this, *Canvas, DisplayRect, AllPrintCells(*this), true);
}

void TExtStringGrid::PrintPreviewSelectedCols(TCanvas* Canvas, const TRect& DisplayRect)
{
    PrintPreviewSelectedRows(Canvas, DisplayRect);
}

void TExtStringGrid::PrintDraw(TCanvas* Canvas, const TRect& ARect) { PrintDrawRect(Canvas, ARect, AllPrintCells(*this)); }

void TExtStringGrid::PrintDrawRect(TCanvas* Canvas, const TRect& ARect, const TGridRect& GridRect)
{
    FPrintState.PrintRect = PrintableRange(*this, GridRect);
    FPrintState.PageFrom = FPrintState.PageTo = FPrintState.PageNum = 1;
    TPrintCanvas page(*Canvas, CanvasPixelsPerInch(*Canvas).X, ARect.TopLeft());
    TPrintLayout(*this, page, TPrintLayoutMode::Draw, false).Run(page.ToPage(ARect.Width()), page.ToPage(ARect.Height()), 1);
}
