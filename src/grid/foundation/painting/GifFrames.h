#pragma once
#include <string>

// The frames of an animated GIF, found in its raw bytes. A frame starts at a marker: a
// graphic control extension (0x21 0xF9, block size 4) whose image separator 0x2C follows
// at its end. Markers are searched at every byte, so one may also be found inside image
// data; every one counts. Nothing here reads past the end of the data.

struct TGifFrameBox {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

// At least 5 bytes starting with "GIF8".
bool IsGifData(const std::string& data);
// -1 for data that is not a GIF; otherwise the markers with at least one byte after their
// image separator.
int GifFrameCount(const std::string& data);
// The delay of frame `frame` (from 1) in hundredths of a second; -1 for data that is not a
// GIF and for a frame it does not have.
int GifFrameTime(const std::string& data, int frame);
// The logical screen width and height from the header; 0 where the data is too short.
int GifScreenWidth(const std::string& data);
int GifScreenHeight(const std::string& data);
// The data without the frames before `frame` (from 1): the header, the colour table and
// whatever precedes the first marker, then everything from the frame's own marker on.
// `box` receives the frame's place from its image descriptor (0 when it is cut short).
std::string ExtractGifFrame(const std::string& data, int frame, TGifFrameBox& box);
