#include "support/CameraJpeg.h"

#include "platform/jpeg/JpegEncoder.h"
#include "platform/ui/Graphics.h"

std::string CameraJpeg(int Width, int Height)
{
    TBitmap pattern(Width, Height);
    TCanvas& canvas = *pattern.Canvas();
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) canvas.SetPixels(x, y, RGB(x * 255 / Width, y * 255 / Height, 128));
    const std::string encoded = EncodeJpeg(pattern);
    const std::string comment = "camera: test";
    const auto length = static_cast<char>(comment.size() + 2);
    return encoded.substr(0, 2) + "\xFF\xFE" + std::string(1, '\0') + length + comment + encoded.substr(2);
}
