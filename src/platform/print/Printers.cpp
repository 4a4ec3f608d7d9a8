#include "platform/print/Printers.h"

#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>

#include <unistd.h>

#include "platform/ui/QtGraphics.h"

// Each page is recorded as it is drawn and reaches the printer only when the document ends,
// so that an aborted document sends nothing, and a preview shows the very same pages.

namespace {

constexpr int kPrinterResolution = 600;

// The canvas of the pages: it draws on the page being recorded. Its painter stays begun
// for the whole page: ending it ends the page.
class TPageCanvas : public TCanvas {
public:
    TCanvasSurface* Surface() const override { return &surface_; }
    void SetPage(QPaintDevice* page) { surface_.device = page; }

private:
    mutable TCanvasSurface surface_;
};

// A page being recorded, which reports the resolution it is drawn at: what sizes itself in
// points, as a rich text's characters do, then keeps its size on paper.
class TPagePicture : public QPicture {
public:
    explicit TPagePicture(int pixelsPerInch) : pixelsPerInch_(pixelsPerInch) {}

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return pixelsPerInch_;
        default:
            return QPicture::metric(metric);
        }
    }

private:
    int pixelsPerInch_;
};

// Plays a recorded page onto a device, one page pixel on one device pixel.
void PlayPage(QPainter& painter, const QPicture& page)
{
    // Playing scales a picture from the resolution every picture records at, whatever the
    // page reports.
    const QPicture recorded;
    painter.save();
    painter.scale(static_cast<qreal>(recorded.logicalDpiX()) / painter.device()->logicalDpiX(),
                  static_cast<qreal>(recorded.logicalDpiY()) / painter.device()->logicalDpiY());
    painter.drawPicture(0, 0, page);
    painter.restore();
}

// True when a file can be written at the path (made anew or overwritten).
bool Writable(const std::string& path)
{
    if (access(path.c_str(), F_OK) == 0) return access(path.c_str(), W_OK) == 0;
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    return access(folder.c_str(), W_OK) == 0;
}

} // namespace

struct TPrinter::TImpl {
    std::unique_ptr<QPrinter> printer;
    TPageCanvas canvas;
    std::unique_ptr<QPicture> page;              // the page being drawn
    std::vector<std::unique_ptr<QPicture>> done; // the finished pages of the document
    TPreviewPageEvent preview;
    int previewPixelsPerInch = 96;

    bool Previewing() const { return static_cast<bool>(preview); }

    void StartPage(int width, int height, int pixelsPerInch)
    {
        page = std::make_unique<TPagePicture>(pixelsPerInch);
        page->setBoundingRect(QRect(0, 0, width, height));
        canvas.SetPage(page.get());
    }

    // Ends the page's recording; a preview shows it at once, a print keeps it.
    void FinishPage(int number)
    {
        EndCanvasPainter(canvas);
        canvas.SetPage(nullptr);
        std::unique_ptr<QPicture> finished = std::move(page);
        if (!Previewing()) {
            done.push_back(std::move(finished));
            return;
        }
        const QRect bounds = finished->boundingRect();
        TBitmap bitmap(bounds.width(), bounds.height());
        QImage& image = bitmap.Qt().image;
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            PlayPage(painter, *finished);
        }
        preview(number, bitmap);
    }

    void Discard()
    {
        EndCanvasPainter(canvas);
        canvas.SetPage(nullptr);
        page.reset();
        done.clear();
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

// Qt lays out a landscape page itself before any driver sees it, and turns it the way
// drivers do that answer 270, so the text on it never needs turning back.
int TPrinter::LandscapeRotation() const { return 270; }

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
    return &impl_->canvas;
}

void TPrinter::BeginDoc()
{
    CheckIdle();
    if (!impl_->Previewing() && !fileName_.empty() && !Writable(fileName_))
        throw EPrinter("The printer cannot print: " + fileName_);
    aborted_ = false;
    pageNumber_ = 1;
    impl_->StartPage(PageWidth(), PageHeight(), PixelsPerInch());
    printing_ = true;
}

void TPrinter::NewPage()
{
    CheckPrinting();
    impl_->FinishPage(pageNumber_);
    impl_->StartPage(PageWidth(), PageHeight(), PixelsPerInch());
    ++pageNumber_;
}

void TPrinter::EndDoc()
{
    CheckPrinting();
    printing_ = false;
    impl_->FinishPage(pageNumber_);
    if (impl_->Previewing()) return;
    QPrinter& printer = QtPrinterOf(*impl_, printerIndex_, fileName_, orientation_);
    printer.setDocName(QString::fromStdString(title_));
    std::vector<std::unique_ptr<QPicture>> pages = std::move(impl_->done);
    QPainter painter;
    if (!painter.begin(&printer))
        throw EPrinter("The printer cannot print" + (fileName_.empty() ? "" : ": " + fileName_));
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) printer.newPage();
        PlayPage(painter, *pages[i]);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) throw EPrinter("Printing failed");
}

void TPrinter::Abort()
{
    CheckPrinting();
    printing_ = false;
    aborted_ = true;
    impl_->Discard();
}
