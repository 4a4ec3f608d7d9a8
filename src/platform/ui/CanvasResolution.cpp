#include "platform/ui/CanvasResolution.h"

#include "platform/ui/QtGraphics.h"

TPoint CanvasPixelsPerInch(const TCanvas& canvas)
{
    const TCanvasSurface* surface = canvas.Surface();
    if (!surface || !surface->device || surface->image) return {96, 96};
    return {surface->device->logicalDpiX(), surface->device->logicalDpiY()};
}
