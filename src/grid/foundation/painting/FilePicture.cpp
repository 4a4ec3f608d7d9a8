#include "grid/foundation/painting/FilePicture.h"

void TFilePicture::SetFilename(const std::string& Value)
{
    // An empty name is how a cell's picture is taken away; there is no file to load.
    if (Value.empty()) {
        FFilename.clear();
        FWidth = FHeight = 0;
        return;
    }
    FFilename = Value;
    TPicture picture;
    picture.LoadFromFile(Value);
    FWidth = picture.Width();
    FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas* Canvas, const TRect& R) const
{
    if (FFilename.empty()) return;
    TPicture picture;
    picture.LoadFromFile(FFilename);
    Canvas->StretchDraw(R, picture.Graphic());
}

void TFilePicture::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TFilePicture*>(&Source);
    if (!other) return TPersistent::Assign(Source);
    FFilename = other->FFilename;
    FWidth = other->FWidth;
    FHeight = other->FHeight;
}
