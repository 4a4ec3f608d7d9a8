#pragma once
#include "platform/ui/Graphics.h"

// The pixels per inch of the device a canvas draws on, across and down. Bitmaps and
// windows count as the screen, 96 by 96; a printed page has its printer's resolution.
TPoint CanvasPixelsPerInch(const TCanvas& canvas);
