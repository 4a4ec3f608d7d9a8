#include "PdfPages.h"

#include <cstdlib>

bool HavePdfToPpm() { return std::system("pdftoppm -v > /dev/null 2>&1") == 0; }

bool PdfPageImage(const std::string& Pdf, int Page, int Dpi, TBitmap& Image)
{
    const std::string base = Pdf + "-" + std::to_string(Page);
    const std::string command = "pdftoppm -png -singlefile -r " + std::to_string(Dpi) + " -f " + std::to_string(Page) +
                                " -l " + std::to_string(Page) + " '" + Pdf + "' '" + base + "'";
    if (std::system(command.c_str()) != 0) return false;
    try {
        Image.LoadFromFile(base + ".png");
    } catch (const EInvalidGraphic&) {
        return false;
    }
    return true;
}

bool IsInk(TColor Pixel)
{
    const int r = Pixel & 0xFF, g = (Pixel >> 8) & 0xFF, b = (Pixel >> 16) & 0xFF;
    return r + g + b < 3 * 224;
}
