#pragma once
// Platform-private: a Qt image handed to a bitmap.
#include <QImage>

#include "platform/ui/Graphics.h"

// Every pixel of the bitmap comes from the image: nothing of what the bitmap held stays.
// pf32bit where the image has an alpha channel, else pf24bit.
bool StoreImage(const QImage& image, TBitmap& bitmap);
