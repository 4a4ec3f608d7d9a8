#pragma once
#include <cstdint>

#include "platform/ui/Graphics.h"

// The soft glow around the focused cell: a white rounded frame on black, blurred, turned
// into an alpha picture for the focus window.

// A 32-bit picture whose pixels hold their colour premultiplied by their alpha.
class TGridAlphaMask : public TBitmap {
public:
    TGridAlphaMask();
    // From another mask: its opacity and pixels (and size); from any other picture: the
    // bitmap's own copy. The result always has 32 bits per pixel.
    void Assign(const TPersistent& Source) override;
    // Takes Bitmap's size and colours, each pixel's alpha being the red channel of the
    // same pixel of Mask; only for a 24-bit Bitmap, otherwise nothing changes. Where Mask
    // is smaller than Bitmap the pixels outside it are fully transparent. Color is not used.
    void MergeMask(const TBitmap& Mask, const TBitmap& Bitmap, TColor Color);

    uint8_t Opacity = 255;
};

// Makes Bitmap a 24-bit Width x Height picture: black, with a white rounded rectangle
// inset by 2 pixels plus half the pen (an outline of PenWidth, or filled when PenWidth < 1)
// with Corner x Corner corners, blurred by Blur when it is above 0.
void MakeFocusMaskBitmap(TBitmap& Bitmap, int Width, int Height, int PenWidth, int Corner, double Blur);

// Blurs a 24-bit bitmap with a Gaussian kernel of the radius; raises Exception("Blur only
// works for 24-bit bitmaps") for any other bitmap and leaves it unchanged. Only the 21-pixel
// margins are convolved: the rows and columns inside them are copied from row and column 15,
// which suits pictures that are uniform there, as the focus frames are.
void GaussianBlur24(TBitmap& Bitmap, double Radius);
