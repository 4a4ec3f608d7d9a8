#pragma once
#include "platform/ui/ImgList.h"

// An image list of three 10 x 8 images, red, green and blue, owned by Owner.
inline TCustomImageList* NewColourImageList(TComponent* Owner)
{
    auto* images = new TCustomImageList(Owner, 10, 8);
    for (TColor color : {clRed, clLime, clBlue}) {
        TBitmap image(10, 8);
        image.Canvas()->Brush()->SetColor(color);
        image.Canvas()->FillRect({0, 0, 10, 8});
        images->Add(image);
    }
    return images;
}
