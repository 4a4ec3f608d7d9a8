#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Graphics.h"

// The printer: a document of pages drawn on its Canvas between BeginDoc and EndDoc, in the
// printer's device pixels (PixelsPerInch of them to the inch). The output goes to the chosen
// printer or to a PDF file when the document ends, or, for a preview, onto one bitmap per
// page as each page is finished.

enum TPrinterOrientation { poPortrait, poLandscape };

class EPrinter : public Exception {
    using Exception::Exception;
};

// A finished page of a preview; the bitmap is valid during the call.
using TPreviewPageEvent = std::function<void(int PageNumber, const TBitmap& Page)>;

class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The names of the desktop's printers, and the one used (-1: the default printer).
    std::vector<std::string> Printers() const;
    int PrinterIndex() const { return printerIndex_; }
    void SetPrinterIndex(int index);

    // A PDF file to print into instead of the printer; empty: the printer.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& path);
    // Draws the pages onto bitmaps at `pixelsPerInch` instead of printing them, and hands each
    // one to `onPage` when it is complete; an empty event prints again.
    void SetPreview(TPreviewPageEvent onPage, int pixelsPerInch = 96);

    // The job's name on the printer's queue.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    TPrinterOrientation Orientation() const { return orientation_; }
    // Raises EPrinter while printing.
    void SetOrientation(TPrinterOrientation orientation);

    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Ends the document without output: the pages drawn so far are dropped.
    void Abort();
    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }
    int PageNumber() const { return pageNumber_; }

    // Draws on the current page; raises EPrinter outside BeginDoc and EndDoc.
    TCanvas* Canvas();
    // The printable page in device pixels, and the device pixels to the inch.
    int PageWidth() const;
    int PageHeight() const;
    int PixelsPerInch() const;
    // The degrees by which the output turns a portrait page counter-clockwise to make a
    // landscape one.
    int LandscapeRotation() const;

    struct TImpl;

private:
    void CheckIdle() const;
    void CheckPrinting() const;

    std::unique_ptr<TImpl> impl_;
    int printerIndex_ = -1;
    std::string fileName_;
    std::string title_;
    TPrinterOrientation orientation_ = poPortrait;
    bool printing_ = false;
    bool aborted_ = false;
    int pageNumber_ = 0;
};

// The program's printer.
TPrinter* Printer();
