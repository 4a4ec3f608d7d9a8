#pragma once
#include <string>

// A JPEG file as a camera or another program writes it: a colour pattern of the given size,
// with a comment segment that no encoder of ours writes, so that bytes that come back equal
// were kept and not compressed anew.
std::string CameraJpeg(int Width, int Height);
