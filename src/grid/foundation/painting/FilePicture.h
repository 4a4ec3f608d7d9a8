#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// A picture held as a file name: the file is loaded only to learn its size and, each time,
// to draw it, so that no picture stays in memory between uses.
class TFilePicture : public TPersistent {
public:
    const std::string& Filename() const { return FFilename; }
    // Stores the name, then loads the file for its size. A file that cannot be loaded raises
    // EInvalidGraphic and leaves Width and Height as they were; an empty name clears the
    // picture (no name, size 0 x 0).
    void SetFilename(const std::string& Value);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // Stretches the picture into R; nothing for an empty name.
    void DrawPicture(TCanvas* Canvas, const TRect& R) const;
    // Copies the name and size without loading.
    void Assign(const TPersistent& Source) override;

private:
    std::string FFilename;
    int FWidth = 0;
    int FHeight = 0;
};
