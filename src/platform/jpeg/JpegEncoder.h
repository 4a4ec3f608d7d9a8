#pragma once
#include <string>

class TBitmap;

// The bitmap as a baseline JPEG file's bytes, with the library's default settings
// (quality 75, 4:2:0 sampling). Raises EInvalidGraphic for an empty bitmap.
std::string EncodeJpeg(const TBitmap& Bitmap);
