#include "grid/services/print/PrintPreviewForm.h"

#include <algorithm>

#include "grid/control/ExtStringGrid.h"
#include "platform/print/Printers.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/StdCtrls.h"

namespace {

constexpr int kPreviewButtonBar = 36;
constexpr int kScreenPixelsPerInch = 96;

} // namespace

TGridPrintPreviewForm::TGridPrintPreviewForm(TComponent* AOwner, TExtStringGrid& Grid)
    : TForm(AOwner), FGrid(Grid), FImage(new TImage(this)), FPrevious(new TButton(this)), FNext(new TButton(this))
{
    // The page has the printer's shape, as many screen pixels to the inch as the screen has.
    TPrinter& printer = *Printer();
    const int dpi = printer.PixelsPerInch();
    const int width = printer.PageWidth() * kScreenPixelsPerInch / dpi;
    const int height = printer.PageHeight() * kScreenPixelsPerInch / dpi;
    SetCaption("Print preview");
    SetClientSize(width, height + kPreviewButtonBar);
    FImage->SetParent(this);
    FImage->SetBounds(0, kPreviewButtonBar, width, height);
    FImage->Picture()->Bitmap()->SetSize(width, height);
    FPrevious->SetParent(this);
    FPrevious->SetBounds(8, 6, 40, 24);
    FPrevious->SetCaption("<");
    FPrevious->OnClick = [this](TObject*) { ShowPage(FPage - 1); };
    FNext->SetParent(this);
    FNext->SetBounds(56, 6, 40, 24);
    FNext->SetCaption(">");
    FNext->OnClick = [this](TObject*) { ShowPage(FPage + 1); };
}

void TGridPrintPreviewForm::ShowPage(int Page)
{
    DrawPage(std::max(1, Page));
    // The page count is known only once a page has been laid out.
    if (FPage > FPageCount) DrawPage(FPageCount);
    FImage->Invalidate();
    UpdateButtons();
}

void TGridPrintPreviewForm::DrawPage(int Page)
{
    TBitmap& bitmap = *FImage->Picture()->Bitmap();
    TCanvas& canvas = *bitmap.Canvas();
    const TRect page{0, 0, bitmap.Width(), bitmap.Height()};
    canvas.Brush()->SetColor(clWhite);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(page);
    FPage = Page;
    FGrid.SetPreviewPage(Page);
    FGrid.PrintPreview(&canvas, page);
    FPageCount = std::max(1, FGrid.PrintNrOfPages());
}

void TGridPrintPreviewForm::UpdateButtons()
{
    FPrevious->SetEnabled(FPage > 1);
    FNext->SetEnabled(FPage < FPageCount);
}
