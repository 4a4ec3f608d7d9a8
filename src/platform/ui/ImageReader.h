#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// Decodes an image file held in memory: BMP, JPEG, GIF, PNG or ICO, recognised by its
// content. Of a file with several images the first one is read. The bitmap takes the
// image's pixels (pf32bit with an alpha channel where the image has transparent parts);
// false, and the bitmap untouched, when the bytes are no image the platform can read.
bool ReadImage(const std::string& bytes, TBitmap& bitmap);
// The same for one frame of an animation, which covers only `frame` of the image: every
// pixel outside it is transparent (pf32bit).
bool ReadImageFrame(const std::string& bytes, const TRect& frame, TBitmap& bitmap);
