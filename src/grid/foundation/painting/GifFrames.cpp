#include "grid/foundation/painting/GifFrames.h"

namespace {

int Byte(const std::string& data, size_t at) { return static_cast<unsigned char>(data[at]); }

// The 16-bit little-endian value at `at`, or 0 when it does not lie within the data.
int Word(const std::string& data, size_t at)
{
    return at + 1 < data.size() ? Byte(data, at) | Byte(data, at + 1) << 8 : 0;
}

bool IsFrameMarker(const std::string& data, size_t j)
{
    return j + 8 < data.size() && Byte(data, j) == 0x21 && Byte(data, j + 1) == 0xF9 &&
           Byte(data, j + 2) == 4 && Byte(data, j + 8) == 0x2C;
}

} // namespace

bool IsGifData(const std::string& data) { return data.size() >= 5 && data.starts_with("GIF8"); }

int GifFrameCount(const std::string& data)
{
    if (!IsGifData(data)) return -1;
    int count = 0;
    for (size_t j = 0; j + 9 < data.size(); ++j)
        count += IsFrameMarker(data, j);
    return count;
}

int GifFrameTime(const std::string& data, int frame)
{
    if (!IsGifData(data)) return -1;
    int count = 0;
    for (size_t j = 0; j < data.size(); ++j)
        if (IsFrameMarker(data, j) && ++count == frame) return Word(data, j + 4);
    return -1;
}

int GifScreenWidth(const std::string& data) { return Word(data, 6); }
int GifScreenHeight(const std::string& data) { return Word(data, 8); }

std::string ExtractGifFrame(const std::string& data, int frame, TGifFrameBox& box)
{
    box = {};
    std::string result;
    result.reserve(data.size());
    int markers = 0;
    for (size_t j = 0; j < data.size(); ++j) {
        if (IsFrameMarker(data, j) && ++markers == frame && j + 16 < data.size())
            box = {Word(data, j + 9), Word(data, j + 11), Word(data, j + 13), Word(data, j + 15)};
        if (markers == 0 || frame < markers + 1) result += data[j];
    }
    return result;
}
