#include "platform/ui/BitmapBits.h"

#include "platform/ui/QtGraphics.h"

uint32_t* BitmapScanLine(TBitmap& bitmap, int row)
{
    EndCanvasPainter(*bitmap.Canvas());
    TBitmap::TQtImage& q = bitmap.Qt();
    ++q.surface.version;
    return reinterpret_cast<uint32_t*>(q.image.scanLine(row));
}

const uint32_t* BitmapScanLine(const TBitmap& bitmap, int row)
{
    TBitmap::TQtImage& q = bitmap.Qt();
    EndCanvasPainter(*const_cast<TBitmap&>(bitmap).Canvas());
    return reinterpret_cast<const uint32_t*>(q.image.constScanLine(row));
}
