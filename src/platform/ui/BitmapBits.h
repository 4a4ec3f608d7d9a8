#pragma once
#include <cstdint>

#include "platform/ui/Graphics.h"

// A bitmap's pixels, one row at a time, for the painters that work pixel by pixel. Each
// pixel is a 32-bit word 0xAARRGGBB (blue in the lowest byte, as a device-independent
// bitmap lays it out) whatever the bitmap's pixel format; a 24-bit bitmap keeps 0xFF in
// the alpha byte. Writing through a row counts as drawing on the bitmap.
uint32_t* BitmapScanLine(TBitmap& bitmap, int row);
const uint32_t* BitmapScanLine(const TBitmap& bitmap, int row);
