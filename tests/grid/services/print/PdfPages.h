#pragma once
#include <string>

#include "platform/ui/Graphics.h"

bool HavePdfToPpm();

// Page (from 1) of a PDF file as pdftoppm draws it at Dpi, kept beside the file as
// "<Pdf>-<Page>.png" to look at; false when pdftoppm fails.
bool PdfPageImage(const std::string& Pdf, int Page, int Dpi, TBitmap& Image);

// Whether a pixel is ink rather than paper; pdftoppm smooths edges into greys.
bool IsInk(TColor Pixel);
