#include "platform/print/Printers.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>

#include "platform/ui/QtGraphics.h"

namespace {

// The canvas of the printer's pages. Its painter stays begun from the first page to the
// last: ending it ends the document.
class TPageCanvas : public TCanvas {
public:
    explicit TPageCanvas(QPaintDevice* device) { surface_.device = device; }
    TCanvasSurface* Surface() const override { return &surface_; }

private:
    mutable TCanvasSurface surface_;
};

constexpr int kPrinterResolution = 600;

} // namespace

struct TPrinter::TImpl {
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<TPageCanvas> canvas;
    TPreviewPageEvent preview;
    int previewPixelsPerInch = 96;
    TBitmap page; // the preview's current page

    bool Previewing() const { return static_cast<bool>(preview); }
    void WhitePage()
    {
        page.Canvas()->Brush()->SetColor(clWhite);
        page.Canvas()->FillRect(Rect(0, 0, page.Width(), page.Height()));
    }
};

TPrinter::TPrinter() : impl_(std::make_unique<TImpl>()) {}

TPrinter::~TPrinter()
{
    if (printing_) Abort();
}

TPrinter* Printer()
{
    static TPrinter printer;
    return &printer;
}

std::vector<std::string> TPrinter::Printers() const
{
    EnsureQtApplication();
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(name.toStdString());
    return names;
}

void TPrinter::CheckIdle() const
{
    if (printing_) throw EPrinter("Printing in progress");
}

void TPrinter::CheckPrinting() const
{
    if (!printing_) throw EPrinter("Printer is not currently printing");
}

void TPrinter::SetPrinterIndex(int index)
{
    CheckIdle();
    if (index < -1 || index >= static_cast<int>(Printers().size()))
        throw EPrinter("Printer selected is not valid");
    printerIndex_ = index;
    impl_->printer.reset();
}

void TPrinter::SetFileName(const std::string& path)
{
    CheckIdle();
    fileName_ = path;
    impl_->printer.reset();
}

void TPrinter::SetPreview(TPreviewPageEvent onPage, int pixelsPerInch)
{
    CheckIdle();
    impl_->preview = std::move(onPage);
    impl_->previewPixelsPerInch = std::max(1, pixelsPerInch);
}

void TPrinter::SetOrientation(TPrinterOrientation orientation)
{
    CheckIdle();
    orientation_ = orientation;
    impl_->printer.reset();
}

// The printer with the chosen output and page, made when first asked for.
static QPrinter& QtPrinterOf(TPrinter::TImpl& impl, int index, const std::string& fileName,
                             TPrinterOrientation orientation)
{
    if (impl.printer) return *impl.printer;
    EnsureQtApplication();
    if (index >= 0 && fileName.empty()) {
        const QStringList names = QPrinterInfo::availablePrinterNames();
        impl.printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(names.value(index)));
    } else {
        impl.printer = std::make_unique<QPrinter>();
    }
    QPrinter& p = *impl.printer;
    if (!fileName.empty()) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(fileName));
    }
    p.setResolution(kPrinterResolution);
    p.setPageOrientation(orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return p;
}

int TPrinter::PixelsPerInch() const
{
    if (impl_->Previewing()) return impl_->previewPixelsPerInch;
    return QtPrinterOf(*impl_, printerIndex_, fileName_, orientation_).logicalDpiX();
}

// The page in device pixels; a preview page has the printer's page at the preview's
// resolution.
int TPrinter::PageWidth() const
{
    const QPrinter& p = QtPrinterOf(*impl_, printerIndex_, fileName_, orientation_);
    if (!impl_->Previewing()) return p.width();
    return p.width() * impl_->previewPixelsPerInch / p.logicalDpiX();
}

int TPrinter::PageHeight() const
{
    const QPrinter& p = QtPrinterOf(*impl_, printerIndex_, fileName_, orientation_);
    if (!impl_->Previewing()) return p.height();
    return p.height() * impl_->previewPixelsPerInch / p.logicalDpiY();
}

TCanvas* TPrinter::Canvas()
{
    CheckPrinting();
    if (impl_->Previewing()) return impl_->page.Canvas();
    return impl_->canvas.get();
}

void TPrinter::BeginDoc()
{
    CheckIdle();
    aborted_ = false;
    pageNumber_ = 1;
    if (impl_->Previewing()) {
        impl_->page.SetSize(PageWidth(), PageHeight());
        impl_->WhitePage();
    } else {
        QPrinter& p = QtPrinterOf(*impl_, printerIndex_, fileName_, orientation_);
        p.setDocName(QString::fromStdString(title_));
        impl_->canvas = std::make_unique<TPageCanvas>(&p);
        QPainter* painter = BeginCanvasPainter(*impl_->canvas);
        if (!painter || !painter->isActive()) {
            impl_->canvas.reset();
            throw EPrinter("The printer cannot print" +
                           (fileName_.empty() ? std::string() : ": " + fileName_));
        }
    }
    printing_ = true;
}

void TPrinter::NewPage()
{
    CheckPrinting();
    if (impl_->Previewing()) {
        impl_->preview(pageNumber_, impl_->page);
        impl_->WhitePage();
    } else {
        BeginCanvasPainter(*impl_->canvas);
        impl_->printer->newPage();
    }
    ++pageNumber_;
}

void TPrinter::EndDoc()
{
    CheckPrinting();
    printing_ = false;
    if (impl_->Previewing()) {
        impl_->preview(pageNumber_, impl_->page);
        return;
    }
    BeginCanvasPainter(*impl_->canvas);
    EndCanvasPainter(*impl_->canvas);
    impl_->canvas.reset();
    if (impl_->printer->printerState() == QPrinter::Error) throw EPrinter("Printing failed");
}

void TPrinter::Abort()
{
    CheckPrinting();
    printing_ = false;
    aborted_ = true;
    if (impl_->Previewing()) return;
    impl_->printer->abort();
    EndCanvasPainter(*impl_->canvas);
    impl_->canvas.reset();
    if (!fileName_.empty()) std::remove(fileName_.c_str());
}
